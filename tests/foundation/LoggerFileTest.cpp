// The program logger writing real files: numbering between processes, rotation,
// the line format and the fall-backs.
#include "ChildHelper.h"

#include "foundation/Logger.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <spdlog/sinks/null_sink.h>

#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <regex>
#include <set>

namespace
{
// A temporary home with no program logger; whatever the test opened is shut
// down afterwards and the test program's own logger is put back.
class LoggerFileTest : public ::testing::Test
{
protected:
    LoggerFileTest() : saved (gLogger) { gLogger.reset(); }

    ~LoggerFileTest() override
    {
        CorvanelLogger::shutdown();
        gLogger = saved;
    }

    juce::File logFolder() const { return home.appDataRoot(); }

    std::set<juce::String> logFileNames() const
    {
        std::set<juce::String> names;
        for (const auto& f : logFolder().findChildFiles (juce::File::findFiles, false, "*.log"))
            names.insert (f.getFileName());
        return names;
    }

    fhtest::ScopedTempHome home;

private:
    std::shared_ptr<spdlog::logger> saved;
};

// Holds a log file exclusively the way another running instance would.
class HeldFile
{
public:
    explicit HeldFile (const juce::File& file)
        : fd (::open (file.getFullPathName().toRawUTF8(), O_CREAT | O_WRONLY | O_APPEND, 0644))
    {
        if (fd >= 0 && ::flock (fd, LOCK_EX | LOCK_NB) != 0)
        {
            ::close (fd);
            fd = -1;
        }
    }
    ~HeldFile()
    {
        if (fd >= 0)
            ::close (fd);
    }
    bool isHeld() const { return fd >= 0; }

private:
    int fd;
};

// A logger_holder child: which file it got, and a quit file to end it.
struct Holder
{
    Holder (const juce::File& folder, const juce::String& fileName, const juce::String& id)
        : quitFile (folder.getChildFile ("quit-" + id)),
          child ("logger_holder", { fileName, quitFile.getFullPathName() })
    {
    }

    // Reads the child's report, past the lines about numbers it found taken; call once.
    juce::String logFile()
    {
        const juce::String prefix ("LOGFILE ");
        juce::String line;
        do
            line = child.readLine();
        while (line.startsWith ("Log initialization failed: "));

        EXPECT_TRUE (line.startsWith (prefix)) << line;
        EXPECT_EQ (child.readLine(), "READY");
        return line.fromFirstOccurrenceOf (prefix, false, false);
    }

    void quit()
    {
        quitFile.create();
        EXPECT_TRUE (child.waitForExit());
    }

    juce::File quitFile;
    fhtest::ChildHelper child;
};
} // namespace

TEST_F (LoggerFileTest, ProcessesRunningAtOnceGetDifferentNumbersAndAFreedNumberIsTakenAgain)
{
    const auto control = home.home().getChildFile ("control");
    ASSERT_TRUE (control.createDirectory().wasOk());

    // Both start before either has reported, so they race for the first number.
    Holder first (control, "Kolvane_standalone.log", "a");
    Holder second (control, "Kolvane_standalone.log", "b");
    ASSERT_TRUE (first.child.isStarted() && second.child.isStarted());

    const auto fileA = first.logFile();
    const auto fileB = second.logFile();
    const std::set<juce::String> got { juce::File (fileA).getFileName(), juce::File (fileB).getFileName() };
    EXPECT_EQ (got, (std::set<juce::String> { "Kolvane_standalone_1.log", "Kolvane_standalone_2.log" }));
    EXPECT_EQ (juce::File (fileA).getParentDirectory(), logFolder());

    // End the one that holds number 1; a third instance then gets number 1 again.
    auto& holderOfOne = juce::File (fileA).getFileName() == "Kolvane_standalone_1.log" ? first : second;
    auto& other = &holderOfOne == &first ? second : first;
    holderOfOne.quit();

    Holder third (control, "Kolvane_standalone.log", "c");
    EXPECT_EQ (juce::File (third.logFile()).getFileName(), "Kolvane_standalone_1.log");

    third.quit();
    other.quit();
}

TEST_F (LoggerFileTest, NumbersHeldByOthersAreSkipped)
{
    ASSERT_TRUE (logFolder().createDirectory().wasOk());
    std::vector<std::unique_ptr<HeldFile>> held;
    for (int n = 1; n <= 3; ++n)
    {
        held.push_back (std::make_unique<HeldFile> (logFolder().getChildFile (CorvanelLogger::makeLogFileName ("abcd", n))));
        ASSERT_TRUE (held.back()->isHeld());
    }

    // A name of at most four characters is used whole as the stem.
    CorvanelLogger::initialise ({}, "abcd");

    ASSERT_NE (gLogger, nullptr);
    EXPECT_EQ (CorvanelLogger::currentLogFile(), logFolder().getChildFile ("abcd_4.log"));
}

TEST_F (LoggerFileTest, AllHundredNumbersHeldGivesTheNullLogger)
{
    ASSERT_TRUE (logFolder().createDirectory().wasOk());
    std::vector<std::unique_ptr<HeldFile>> held;
    for (int n = 1; n <= 100; ++n)
        held.push_back (std::make_unique<HeldFile> (logFolder().getChildFile (CorvanelLogger::makeLogFileName ("full", n))));

    const auto before = logFileNames();
    CorvanelLogger::initialise ({}, "full.log");

    ASSERT_NE (gLogger, nullptr);
    EXPECT_EQ (CorvanelLogger::currentLogFile(), juce::File());
    gLogger->log (spdlog::level::critical, "goes nowhere");
    EXPECT_EQ (logFileNames(), before);
    for (const auto& f : logFolder().findChildFiles (juce::File::findFiles, false, "*.log"))
        EXPECT_EQ (f.getSize(), 0) << f.getFileName();
}

TEST_F (LoggerFileTest, RotationKeepsTheConfiguredNumberOfFiles)
{
    LoggerSettings settings;
    settings.maxFiles = 2;
    settings.maxFileSize = 1000;
    settings.level = spdlog::level::info;
    CorvanelLogger::initialise (settings, "rot.log");
    ASSERT_EQ (CorvanelLogger::currentLogFile(), logFolder().getChildFile ("rot_1.log"));

    for (int i = 0; i < 200; ++i)   // about 16 kB
        gLogger->log (spdlog::level::info, "line {:04} of the rotation test", i);
    CorvanelLogger::shutdown();

    EXPECT_EQ (logFileNames(), (std::set<juce::String> { "rot_1.log", "rot_1.1.log", "rot_1.2.log" }));
    for (const auto& f : logFolder().findChildFiles (juce::File::findFiles, false, "*.log"))
    {
        EXPECT_GT (f.getSize(), 0) << f.getFileName();
        EXPECT_LE (f.getSize(), 1000) << f.getFileName();
    }
    // The newest lines are in the active file.
    EXPECT_TRUE (logFolder().getChildFile ("rot_1.log").loadFileAsString().contains ("line 0199 "));
}

TEST_F (LoggerFileTest, LinesCarryThePatternAndTheLibrarysLevelNames)
{
    LoggerSettings settings;
    settings.level = spdlog::level::debug;
    CorvanelLogger::initialise (settings, "fmt.log");
    gLogger->log (spdlog::level::trace, "below the level");
    gLogger->log (spdlog::level::warn, "careful {}", 1);
    gLogger->log (spdlog::level::err, "broken {}", 2);
    const auto file = CorvanelLogger::currentLogFile();
    CorvanelLogger::shutdown();

    juce::StringArray lines;
    lines.addLines (file.loadFileAsString().trimEnd());
    ASSERT_EQ (lines.size(), 2) << file.loadFileAsString();

    const auto pid = std::to_string (::getpid());
    const std::regex warnLine ("^\\d{6} \\d{2}:\\d{2}:\\d{2}:\\d{3} P" + pid + " T\\d+ warning careful 1$");
    const std::regex errLine ("^\\d{6} \\d{2}:\\d{2}:\\d{2}:\\d{3} P" + pid + " T\\d+ error broken 2$");
    EXPECT_TRUE (std::regex_match (lines[0].toStdString(), warnLine)) << lines[0];
    EXPECT_TRUE (std::regex_match (lines[1].toStdString(), errLine)) << lines[1];
}

TEST_F (LoggerFileTest, LevelOffStillCreatesAnEmptyFile)
{
    CorvanelLogger::initialise ({}, "quiet.log");
    gLogger->log (spdlog::level::critical, "not written");
    const auto file = CorvanelLogger::currentLogFile();
    CorvanelLogger::shutdown();

    EXPECT_TRUE (file.existsAsFile());
    EXPECT_EQ (file.getSize(), 0);
}

TEST_F (LoggerFileTest, AFolderThatCannotBeMadeLogsToStandardOutput)
{
    // The configuration folder lies below a plain file, so it cannot be created.
    const auto blocker = home.home().getChildFile ("blocker");
    ASSERT_TRUE (blocker.replaceWithText ("not a folder"));
    ::setenv ("XDG_CONFIG_HOME", blocker.getChildFile ("config").getFullPathName().toRawUTF8(), 1);

    const auto quit = home.home().getChildFile ("quit");
    ASSERT_TRUE (quit.create().wasOk());   // leave at once
    fhtest::ChildHelper child ("logger_holder", { "Kolvane_standalone.log", quit.getFullPathName() });
    ASSERT_TRUE (child.isStarted());

    juce::StringArray lines;
    lines.addLines (juce::String (child.readRest()).trimEnd());
    ASSERT_EQ (lines.size(), 3) << lines.joinIntoString ("\n");
    EXPECT_TRUE (lines[0].endsWith ("Failed to create logging folder for Corvanel Fernhollow. Logging to stdout instead."))
        << lines[0];
    EXPECT_TRUE (lines[0].contains ("error")) << lines[0];
    EXPECT_EQ (lines[1], "LOGFILE -");
    EXPECT_EQ (lines[2], "READY");
    EXPECT_TRUE (child.waitForExit());
    EXPECT_EQ (child.exitCode(), 0u);
}

TEST_F (LoggerFileTest, ShutdownWithoutInitialiseDoesNothing)
{
    auto bystander = std::make_shared<spdlog::logger> ("bystander", std::make_shared<spdlog::sinks::null_sink_mt>());
    spdlog::register_logger (bystander);

    CorvanelLogger::shutdown();

    EXPECT_EQ (gLogger, nullptr);
    EXPECT_EQ (spdlog::get ("bystander"), bystander);
    EXPECT_EQ (CorvanelLogger::currentLogFile(), juce::File());
    spdlog::drop ("bystander");
}

TEST_F (LoggerFileTest, ASecondInitialiseKeepsTheFirstLogger)
{
    CorvanelLogger::initialise ({}, "one.log");
    const auto first = gLogger;
    CorvanelLogger::initialise ({}, "two.log");

    EXPECT_EQ (gLogger, first);
    EXPECT_EQ (CorvanelLogger::currentLogFile().getFileName(), "one_1.log");
    EXPECT_FALSE (logFolder().getChildFile ("two_1.log").exists());
}
