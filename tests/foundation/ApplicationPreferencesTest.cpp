// The per-product preference file: delayed saving, the change message, the
// common fallback and an unreadable file.
#include "foundation/ApplicationPreferences.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace
{
struct MessageRecorder : public SafeChangeListener
{
    void changeListenerCallback (SafeChangeBroadcaster* source) override { messages.add (source->lastMessage); }
    juce::StringArray messages;
};

class ApplicationPreferencesTest : public fhtest::AppTest
{
protected:
    juce::File userFile() const { return tempHome.appDataRoot().getChildFile ("Kolvane.settings"); }
    juce::File commonFile() const { return tempHome.home().getChildFile ("common/Kolvane.settings"); }

    std::unique_ptr<ApplicationPreferences> make()
    {
        return std::make_unique<ApplicationPreferences> ("Kolvane", userFile(), commonFile());
    }

    static juce::String stored (const juce::File& file, const juce::String& key)
    {
        juce::PropertiesFile::Options options;
        options.doNotSave = true;
        return juce::PropertiesFile (file, options).getValue (key);
    }
};
} // namespace

TEST_F (ApplicationPreferencesTest, TheFileIsNamedAfterTheProductInTheProgramsFolder)
{
    EXPECT_EQ (AppDataPaths::applicationSettingsFile ("Kolvane"), userFile());

    {
        ApplicationPreferences prefs ("Kolvane");
        prefs.getUserSettings()->setValue ("lastDevice", "abc");
    }
    EXPECT_EQ (stored (userFile(), "lastDevice"), "abc");
}

TEST_F (ApplicationPreferencesTest, ChangesAreSavedTogetherLaterAndAnnounced)
{
    auto prefs = make();
    MessageRecorder recorder;
    prefs->addChangeListener (&recorder);

    prefs->getUserSettings()->setValue ("a", 1);
    prefs->getUserSettings()->setValue ("b", 2);
    EXPECT_FALSE (userFile().exists()) << "saved only after the delay";

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return stored (userFile(), "b") == "2"; }, std::chrono::seconds (20)));
    EXPECT_EQ (stored (userFile(), "a"), "1");

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! recorder.messages.isEmpty(); }, std::chrono::seconds (10)));
    for (const auto& m : recorder.messages)
        EXPECT_EQ (m, "ApplicationPreferences");
    EXPECT_LE (recorder.messages.size(), 2);
    prefs->removeChangeListener (&recorder);
}

TEST_F (ApplicationPreferencesTest, DestroyingItSoonAfterAChangeStillSavesIt)
{
    make()->getUserSettings()->setValue ("windowX", 120);
    EXPECT_EQ (stored (userFile(), "windowX"), "120");
}

TEST_F (ApplicationPreferencesTest, MissingKeysComeFromTheCommonFileWhichIsNeverWritten)
{
    ASSERT_TRUE (commonFile().getParentDirectory().createDirectory().wasOk());
    {
        juce::PropertiesFile common (commonFile(), {});
        common.setValue ("theme", "dark");
        common.setValue ("size", "big");
        ASSERT_TRUE (common.save());
    }
    const auto commonBefore = commonFile().loadFileAsString();

    {
        auto prefs = make();
        EXPECT_EQ (prefs->getUserSettings()->getValue ("theme"), "dark");
        prefs->getUserSettings()->setValue ("theme", "light");
        EXPECT_EQ (prefs->getUserSettings()->getValue ("theme"), "light");
        EXPECT_EQ (prefs->getUserSettings()->getValue ("size"), "big");
    }

    EXPECT_EQ (stored (userFile(), "theme"), "light");
    EXPECT_EQ (commonFile().loadFileAsString(), commonBefore);
}

TEST_F (ApplicationPreferencesTest, AnUnreadableFileIsLoggedAndACopyKeptBeforeItIsReplaced)
{
    ASSERT_TRUE (userFile().getParentDirectory().createDirectory().wasOk());
    ASSERT_TRUE (userFile().replaceWithText ("<PROPERTIES><VALUE name=\"a\" val=", false, false, nullptr));
    const auto before = userFile().loadFileAsString();

    fhtest::ScopedLogCapture log;
    {
        auto prefs = make();
        EXPECT_FALSE (prefs->getUserSettings()->containsKey ("a"));
        EXPECT_EQ (log.count ("cannot be read"), 1);
        EXPECT_EQ (userFile().loadFileAsString(), before);
        prefs->getUserSettings()->setValue ("a", "fresh");
    }

    EXPECT_EQ (stored (userFile(), "a"), "fresh");
    EXPECT_EQ (userFile().getSiblingFile ("Kolvane.settings.corrupt").loadFileAsString(), before);
}
