// The shared "Global.settings": defaults, stored values, bad files, the common
// fallback, listeners and the snapshot rule, and changes made by another process.
#include "ChildHelper.h"

#include "foundation/GlobalPreferences.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

namespace
{
using Values = std::map<juce::String, juce::String>;

// Writes a settings file the way the framework does (what another process would leave).
void writeSettings (const juce::File& file, const Values& values)
{
    juce::XmlElement doc ("PROPERTIES");
    for (const auto& [name, value] : values)
    {
        auto* e = doc.createNewChildElement ("VALUE");
        e->setAttribute ("name", name);
        e->setAttribute ("val", value);
    }
    ASSERT_TRUE (file.getParentDirectory().createDirectory().wasOk());
    ASSERT_TRUE (doc.writeTo (file, {}));
}

Values readSettings (const juce::File& file)
{
    Values values;
    if (auto doc = juce::parseXMLIfTagMatches (file, "PROPERTIES"))
        for (auto* e : doc->getChildWithTagNameIterator ("VALUE"))
            values[e->getStringAttribute ("name")] = e->getStringAttribute ("val");
    return values;
}

struct CountingListener : public GlobalPreferencesIfc::Listener
{
    void globalPreferencesChanged() override
    {
        if (juce::MessageManager::getInstance()->isThisTheMessageThread())
            ++callsOnMessageThread;
        ++calls;
    }

    std::atomic<int> calls { 0 };
    std::atomic<int> callsOnMessageThread { 0 };
};

class GlobalPreferencesTest : public fhtest::AppTest
{
protected:
    juce::File userFile() const { return tempHome.appDataRoot().getChildFile ("Global.settings"); }
    juce::File commonFile() const { return tempHome.home().getChildFile ("common/Global.settings"); }

    // An instance on the temporary user file and a common file of the test's own.
    std::unique_ptr<GlobalPreferences> make (bool reloadNow = true, bool watch = false, int intervalMs = 5000)
    {
        return std::make_unique<GlobalPreferences> (reloadNow, watch, intervalMs,
                                                    GlobalPreferencesFiles { userFile(), commonFile() });
    }
};
} // namespace

TEST_F (GlobalPreferencesTest, WithoutAFileEveryGetterGivesItsDefaultAndTheFirstSetterWritesOneKey)
{
    auto prefs = make();

    EXPECT_EQ (prefs->getBufferSize(), 128);
    EXPECT_EQ (prefs->getBufferSafetyMargin(), 100);
    EXPECT_EQ (prefs->getUiScaleFactor(), 100);
    EXPECT_FALSE (prefs->getTooltipsEnabled());
    EXPECT_FALSE (prefs->getSliderMouseWheel());
    EXPECT_TRUE (prefs->getShowWelcomeScreen());
    EXPECT_FALSE (prefs->getIsShowingWelcomeScreen());
    EXPECT_FALSE (prefs->getBufferSizeNotificationDismissed());
    EXPECT_FALSE (prefs->getWindowsPowerPlanNotificationDismissed());
    EXPECT_EQ (prefs->getServerIpAddress(), "127.0.0.1");
    EXPECT_EQ (prefs->getAudioCaptureFolder(), juce::File::getSpecialLocation (juce::File::userMusicDirectory).getFullPathName());
    EXPECT_TRUE (prefs->getCheckForUpdates());
    EXPECT_TRUE (prefs->getAutoStartEngine());
    EXPECT_EQ (prefs->getLogLevel(), "off");
    EXPECT_EQ (prefs->getLogNumFiles(), 10);
    EXPECT_EQ (prefs->getLogFileSize(), 10485760);
    EXPECT_EQ (prefs->getLogFlushLevel(), "warn");
    EXPECT_TRUE (prefs->getOSUpgradeNeedsConfirm());
    EXPECT_FALSE (prefs->getDisableOpenGL());
    EXPECT_FALSE (prefs->getSliderMouseWheelValue().getValue());

    prefs->reload();
    EXPECT_FALSE (userFile().exists()) << "reading must not create the file";

    prefs->setDisableOpenGL (true);
    EXPECT_EQ (readSettings (userFile()), (Values { { "DisableOpenGL", "1" } }));
    EXPECT_TRUE (prefs->getDisableOpenGL());
}

TEST_F (GlobalPreferencesTest, StoredValuesAreReadAndSettersWriteAtOnce)
{
    writeSettings (userFile(), { { "FernhollowBufferSize", "256" }, { "TooltipsEnabled", "1" },
                                 { "LogLevel", "debug" }, { "AudioCaptureFolder", "/data/captures" },
                                 { "ShowWelcomeScreen", "0" } });
    auto prefs = make();

    EXPECT_EQ (prefs->getBufferSize(), 256);
    EXPECT_TRUE (prefs->getTooltipsEnabled());
    EXPECT_EQ (prefs->getLogLevel(), "debug");
    EXPECT_EQ (prefs->getAudioCaptureFolder(), "/data/captures");
    EXPECT_FALSE (prefs->getShowWelcomeScreen());

    prefs->setBufferSizeNotificationDismissed (true);
    prefs->setWindowsPowerPlanNotificationDismissed (true);
    prefs->setLogFileSize (2048);
    auto stored = readSettings (userFile());
    EXPECT_EQ (stored["BufferSizeNotificationDismissed"], "1");
    EXPECT_EQ (stored["LogFileSize"], "2048");
    EXPECT_EQ (stored["FernhollowBufferSize"], "256");   // the rest is kept

    prefs->resetDismissedNotifications();
    stored = readSettings (userFile());
    EXPECT_EQ (stored["BufferSizeNotificationDismissed"], "0");
    EXPECT_EQ (stored["WindowsPowerPlanNotificationDismissed"], "0");
}

TEST_F (GlobalPreferencesTest, WithoutAUserFileGettersGiveTheNoFileValuesAndSettersDoNothing)
{
    GlobalPreferences prefs (true, false, 5000, GlobalPreferencesFiles { juce::File(), juce::File() });
    CountingListener listener;
    prefs.addListener (&listener);

    EXPECT_FALSE (prefs.getShowWelcomeScreen());   // unlike its default
    EXPECT_EQ (prefs.getBufferSize(), 128);
    EXPECT_TRUE (prefs.getCheckForUpdates());
    EXPECT_EQ (prefs.getLogFlushLevel(), "warn");

    prefs.setTooltipsEnabled (true);
    prefs.reload();
    EXPECT_FALSE (prefs.getTooltipsEnabled());
    EXPECT_EQ (listener.calls, 0);
    prefs.removeListener (&listener);
}

TEST_F (GlobalPreferencesTest, UiScaleFactorMovesInStepsOfFiveBetweenFiftyAndOneHundredFifty)
{
    const std::pair<const char*, int> stored[] = {
        { "112", 110 }, { "113", 115 }, { "20", 50 }, { "200", 150 }, { "-7", 50 }, { "150", 150 }, { "97", 95 },
    };
    for (const auto& [text, expected] : stored)
    {
        writeSettings (userFile(), { { "UiScaleFactor", text } });
        EXPECT_EQ (make()->getUiScaleFactor(), expected) << "stored " << text;
    }

    const std::pair<int, const char*> set[] = { { 153, "150" }, { 47, "50" }, { 112, "110" }, { 113, "115" } };
    auto prefs = make();
    for (const auto& [value, expected] : set)
    {
        prefs->setUiScaleFactor (value);
        EXPECT_EQ (readSettings (userFile())["UiScaleFactor"], expected) << "set " << value;
    }
}

TEST_F (GlobalPreferencesTest, LoggerSettingsComeFromTheFourLogKeys)
{
    {
        auto prefs = make();
        const auto s = readLoggerSettings (*prefs);
        EXPECT_EQ (s.maxFiles, 10);
        EXPECT_EQ (s.maxFileSize, 10485760);
        EXPECT_EQ (s.level, spdlog::level::off);
        EXPECT_EQ (s.flushLevel, spdlog::level::warn);
    }

    // An unknown level text means everything.
    writeSettings (userFile(), { { "LogNumFiles", "3" }, { "LogFileSize", "2048" },
                                 { "LogLevel", "warning" }, { "LogFlushLevel", "err" } });
    const auto s = readLoggerSettings (*make());
    EXPECT_EQ (s.maxFiles, 3);
    EXPECT_EQ (s.maxFileSize, 2048);
    EXPECT_EQ (s.level, spdlog::level::trace);
    EXPECT_EQ (s.flushLevel, spdlog::level::err);
}

//==============================================================================
TEST_F (GlobalPreferencesTest, AnUnreadableFileGivesDefaultsIsLoggedOnceAndIsKeptUntilAValueIsSet)
{
    const juce::String valid = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PROPERTIES>\n"
                               "  <VALUE name=\"FernhollowBufferSize\" val=\"256\"/>\n"
                               "  <VALUE name=\"TooltipsEnabled\" val=\"1\"/>\n</PROPERTIES>\n";
    const std::pair<const char*, juce::String> cases[] = {
        { "not XML", "this is not a settings file \x01\x02" },
        { "cut short", valid.substring (0, valid.indexOf ("TooltipsEnabled")) },
        { "empty", "" },
        { "other root", "<?xml version=\"1.0\"?><SETTINGS><VALUE name=\"TooltipsEnabled\" val=\"1\"/></SETTINGS>" },
    };

    for (const auto& [what, content] : cases)
    {
        SCOPED_TRACE (what);
        userFile().deleteFile();
        userFile().getSiblingFile ("Global.settings.corrupt").deleteFile();
        ASSERT_TRUE (userFile().getParentDirectory().createDirectory().wasOk());
        ASSERT_TRUE (userFile().replaceWithText (content, false, false, nullptr));
        const auto before = userFile().loadFileAsString();

        fhtest::ScopedLogCapture log;
        {
            auto prefs = make();
            CountingListener listener;
            prefs->addListener (&listener);

            EXPECT_EQ (prefs->getBufferSize(), 128);
            EXPECT_FALSE (prefs->getTooltipsEnabled());
            EXPECT_TRUE (prefs->getShowWelcomeScreen());
            prefs->reload();
            prefs->reload();
            EXPECT_EQ (prefs->getBufferSize(), 128);
            EXPECT_EQ (log.count ("cannot be read"), 1);
            prefs->removeListener (&listener);
        }
        EXPECT_EQ (userFile().loadFileAsString(), before) << "left as it was";

        {
            auto prefs = make();
            prefs->setLogLevel ("info");
        }
        EXPECT_EQ (readSettings (userFile()), (Values { { "LogLevel", "info" } }));
        const auto copy = userFile().getSiblingFile ("Global.settings.corrupt");
        if (content.isNotEmpty())
            EXPECT_EQ (copy.loadFileAsString(), before) << "a copy of what was there";
        else
            EXPECT_FALSE (copy.exists());
    }
}

TEST_F (GlobalPreferencesTest, UnusableValuesGiveDefaultsAndAreLoggedOnceEach)
{
    const Values stored {
        { "FernhollowBufferSize", "abc" },          // not a number
        { "FernhollowBufferSafetyMargin", "99999999999999" },
        { "LogFileSize", "0" },                     // out of range
        { "LogNumFiles", "-3" },
        { "TooltipsEnabled", "yes" },               // not 1 or 0
        { "AudioCaptureFolder", "relative/folder" },
        { "UiScaleFactor", "120" },                 // fine
        { "DisableOpenGL", "1" },                   // fine
    };
    writeSettings (userFile(), stored);
    const auto before = userFile().loadFileAsString();

    fhtest::ScopedLogCapture log;
    auto prefs = make();
    for (int pass = 0; pass < 2; ++pass)
    {
        EXPECT_EQ (prefs->getBufferSize(), 128);
        EXPECT_EQ (prefs->getBufferSafetyMargin(), 100);
        EXPECT_EQ (prefs->getLogFileSize(), 10485760);
        EXPECT_EQ (prefs->getLogNumFiles(), 10);
        EXPECT_FALSE (prefs->getTooltipsEnabled());
        EXPECT_EQ (prefs->getAudioCaptureFolder(), juce::File::getSpecialLocation (juce::File::userMusicDirectory).getFullPathName());
        EXPECT_EQ (prefs->getUiScaleFactor(), 120);
        EXPECT_TRUE (prefs->getDisableOpenGL());
    }

    for (const char* key : { "FernhollowBufferSize", "FernhollowBufferSafetyMargin", "LogFileSize", "LogNumFiles",
                             "TooltipsEnabled", "AudioCaptureFolder" })
        EXPECT_EQ (log.count (std::string ("\"") + key + "\""), 1) << key;
    EXPECT_EQ (log.count ("\"UiScaleFactor\""), 0);
    EXPECT_EQ (userFile().loadFileAsString(), before);

    // The log settings are usable by the logger even from a broken file.
    const auto s = readLoggerSettings (*prefs);
    EXPECT_GT (s.maxFileSize, 0);
    EXPECT_GE (s.maxFiles, 0);
}

TEST_F (GlobalPreferencesTest, KeysMissingFromTheUserFileComeFromTheCommonFile)
{
    writeSettings (commonFile(), { { "TooltipsEnabled", "1" }, { "LogLevel", "debug" }, { "AutoStartEngine", "0" },
                                   { "FernhollowBufferSize", "64" } });
    writeSettings (userFile(), { { "FernhollowBufferSize", "oops" } });
    const auto commonBefore = commonFile().loadFileAsString();

    {
        auto prefs = make();
        EXPECT_TRUE (prefs->getTooltipsEnabled());
        EXPECT_EQ (prefs->getLogLevel(), "debug");
        EXPECT_FALSE (prefs->getAutoStartEngine());
        EXPECT_EQ (prefs->getBufferSize(), 64);   // the user's value is unusable

        prefs->setTooltipsEnabled (false);
        EXPECT_FALSE (prefs->getTooltipsEnabled());
        EXPECT_EQ (prefs->getLogLevel(), "debug");
    }

    EXPECT_EQ (readSettings (userFile())["TooltipsEnabled"], "0");
    EXPECT_EQ (commonFile().loadFileAsString(), commonBefore) << "the common file is never written";
}

//==============================================================================
TEST_F (GlobalPreferencesTest, ListenersHearOfWatchedChangesOnlyLastRegisteredFirst)
{
    auto prefs = make();
    CountingListener first, second;
    std::vector<int> order;

    struct OrderListener : public GlobalPreferencesIfc::Listener
    {
        OrderListener (std::vector<int>& o, int n) : order (o), id (n) {}
        void globalPreferencesChanged() override { order.push_back (id); }
        std::vector<int>& order;
        int id;
    } a (order, 1), b (order, 2);

    prefs->addListener (&first);
    prefs->addListener (&first);   // once only
    prefs->addListener (nullptr);
    prefs->addListener (&a);
    prefs->addListener (&b);

    prefs->setTooltipsEnabled (true);
    EXPECT_EQ (first.calls, 1);
    EXPECT_EQ (order, (std::vector<int> { 2, 1 }));

    // The same value again, and keys nobody watches: no call.
    prefs->setTooltipsEnabled (true);
    prefs->setLogLevel ("debug");
    prefs->setLogNumFiles (4);
    prefs->setAutoStartEngine (false);
    prefs->setOSUpgradeNeedsConfirm (false);
    EXPECT_EQ (first.calls, 1);

    // A set that rounds to the value already there changes nothing either.
    prefs->setUiScaleFactor (101);
    EXPECT_EQ (first.calls, 1);

    prefs->removeListener (&first);
    prefs->removeListener (&second);   // not registered: nothing happens
    prefs->setAudioCaptureFolder ("/somewhere/else");
    EXPECT_EQ (first.calls, 1);
    EXPECT_EQ (order.size(), 4u);

    prefs->removeListener (&a);
    prefs->removeListener (&b);
}

TEST_F (GlobalPreferencesTest, AReloadTakesInOtherWritersAndNotifiesOnlyForWatchedKeys)
{
    writeSettings (userFile(), { { "TooltipsEnabled", "0" } });
    auto prefs = make();
    CountingListener listener;
    prefs->addListener (&listener);

    writeSettings (userFile(), { { "TooltipsEnabled", "0" }, { "LogLevel", "info" } });
    prefs->reload();
    EXPECT_EQ (listener.calls, 0);
    EXPECT_EQ (prefs->getLogLevel(), "info");

    // Two saves in quick succession (within one second) are both noticed.
    writeSettings (userFile(), { { "TooltipsEnabled", "1" }, { "LogLevel", "info" } });
    prefs->reload();
    EXPECT_EQ (listener.calls, 1);
    writeSettings (userFile(), { { "TooltipsEnabled", "0" }, { "LogLevel", "info" } });
    prefs->reload();
    EXPECT_EQ (listener.calls, 2);
    EXPECT_FALSE (prefs->getTooltipsEnabled());

    // Nothing new on disk: nothing happens.
    prefs->reload();
    EXPECT_EQ (listener.calls, 2);

    // A key another process removed is gone here too.
    writeSettings (userFile(), { { "TooltipsEnabled", "0" } });
    prefs->reload();
    EXPECT_EQ (prefs->getLogLevel(), "off");
    prefs->removeListener (&listener);
}

TEST_F (GlobalPreferencesTest, ASetterKeepsWhatAnotherProcessSavedMeanwhile)
{
    writeSettings (userFile(), { { "UiScaleFactor", "100" } });
    auto prefs = make();
    EXPECT_EQ (prefs->getUiScaleFactor(), 100);

    writeSettings (userFile(), { { "UiScaleFactor", "120" }, { "LogLevel", "err" } });   // no reload in between
    prefs->setTooltipsEnabled (true);

    EXPECT_EQ (readSettings (userFile()),
               (Values { { "UiScaleFactor", "120" }, { "LogLevel", "err" }, { "TooltipsEnabled", "1" } }));
}

TEST_F (GlobalPreferencesTest, TheMouseWheelValueFollowsTheSettingOnTheMessageThread)
{
    auto prefs = make();
    auto& value = prefs->getSliderMouseWheelValue();

    prefs->setSliderMouseWheel (true);
    EXPECT_TRUE (value.getValue());

    // A change noticed on another thread reaches the value through the message thread.
    writeSettings (userFile(), { { "SliderMouseWheel", "0" } });
    std::thread other ([&] { prefs->reload(); });
    other.join();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! (bool) value.getValue(); }, std::chrono::seconds (10)));
}

TEST_F (GlobalPreferencesTest, AChangeByAnotherProcessReachesTheListenersOncePerChange)
{
    writeSettings (userFile(), { { "TooltipsEnabled", "0" } });
    auto prefs = make (true, true, 50);
    CountingListener listener;
    prefs->addListener (&listener);

    const auto runSetter = [] (const juce::StringArray& args)
    {
        fhtest::ChildHelper child ("global_preferences_setter", args);
        ASSERT_TRUE (child.isStarted());
        ASSERT_TRUE (child.waitForExit());
        ASSERT_EQ (child.exitCode(), 0u);
    };

    runSetter ({ "TooltipsEnabled", "1" });
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.calls.load() >= 1; }, std::chrono::seconds (20)));
    EXPECT_TRUE (prefs->getTooltipsEnabled());
    EXPECT_EQ (listener.callsOnMessageThread, 0) << "called on the reload thread";

    // An unwatched key: taken in (the getter shows it) but nobody is called.
    runSetter ({ "LogLevel", "debug" });
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return prefs->getLogLevel() == "debug"; }, std::chrono::seconds (20)));
    fhtest::pumpFor (std::chrono::milliseconds (200));   // several more polls
    EXPECT_EQ (listener.calls, 1);

    runSetter ({ "TooltipsEnabled", "0", "FernhollowBufferSize", "256" });
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return prefs->getBufferSize() == 256; }, std::chrono::seconds (20)));
    fhtest::pumpFor (std::chrono::milliseconds (200));
    EXPECT_GE (listener.calls, 2);
    EXPECT_LE (listener.calls, 3);   // the two saves may be seen together or one by one
    EXPECT_FALSE (prefs->getTooltipsEnabled());

    prefs->removeListener (&listener);
}
