#include "foundation/CrashHandlers.h"
#include "platform/CrashDumpWriter.h"
#include "platform/DebuggerProbe.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// A sanitizer intercepts sigaction for the fault signals and handles them itself.
constexpr bool sanitizerOwnsFatalSignals = true;
#else
constexpr bool sanitizerOwnsFatalSignals = false;
#endif

struct ChildEnd
{
    bool signalled = false;
    int signal = 0;
    int exitCode = -1;
};

// Runs the crash helper with the given mode (environment inherited, no core file).
ChildEnd runCrashHelper (const char* mode)
{
    const auto program = fhtest::helperProgram ("crash_helper").getFullPathName().toStdString();

    const pid_t pid = ::fork();
    if (pid == 0)
    {
        const struct rlimit noCore { 0, 0 };
        ::setrlimit (RLIMIT_CORE, &noCore);
        ::execl (program.c_str(), program.c_str(), mode, static_cast<char*> (nullptr));
        ::_exit (127);
    }

    ChildEnd end;
    int status = 0;
    if (pid < 0 || ::waitpid (pid, &status, 0) != pid)
        return end;

    end.signalled = WIFSIGNALED (status);
    end.signal = end.signalled ? WTERMSIG (status) : 0;
    end.exitCode = WIFEXITED (status) ? WEXITSTATUS (status) : -1;
    return end;
}

void expectDiedOf (const ChildEnd& end, int signal, const char* mode)
{
    EXPECT_TRUE (end.signalled) << mode << " exit code " << end.exitCode;
    EXPECT_EQ (end.signal, signal) << mode;
}

int countBacktraceFrames (const juce::String& dump)
{
    const auto trace = dump.fromFirstOccurrenceOf ("Backtrace:\n", false, false)
                           .upToFirstOccurrenceOf ("\nMemory map:", false, false);
    int frames = 0;
    for (const auto& line : juce::StringArray::fromLines (trace))
        frames += line.contains ("[0x") ? 1 : 0;
    return frames;
}

class CrashDumpTest : public ::testing::Test
{
protected:
    CrashDumpTest() { tempHome.appDataRoot().createDirectory(); }

    void SetUp() override
    {
        if (sanitizerOwnsFatalSignals)
            GTEST_SKIP() << "crash handling of the child is replaced by the sanitizer's";
    }

    juce::File dump() const { return tempHome.appDataRoot().getChildFile ("crash_helper.dmp"); }

    fhtest::ScopedTempHome tempHome;
};
} // namespace

TEST_F (CrashDumpTest, SegfaultWritesDumpAndAbortReplacesIt)
{
    expectDiedOf (runCrashHelper ("segv"), SIGSEGV, "segv");
    ASSERT_TRUE (dump().existsAsFile());

    const auto first = dump().loadFileAsString();
    EXPECT_TRUE (first.contains ("Signal: 11 (SIGSEGV)")) << first;
    EXPECT_TRUE (first.contains ("Fault address: 0x0\n")) << first;
    EXPECT_TRUE (first.contains ("Crash dump of " + fhtest::helperProgram ("crash_helper").getFullPathName()));
    EXPECT_GE (countBacktraceFrames (first), 3) << first;
    EXPECT_TRUE (first.fromFirstOccurrenceOf ("Memory map:", false, false).contains ("crash_helper")) << first;

    expectDiedOf (runCrashHelper ("abort"), SIGABRT, "abort");
    const auto second = dump().loadFileAsString();
    EXPECT_TRUE (second.contains ("Signal: 6 (SIGABRT)")) << second;
    EXPECT_FALSE (second.contains ("SIGSEGV")) << second;
    EXPECT_GE (countBacktraceFrames (second), 3) << second;

    // One file per executable name: the second crash replaced the first.
    EXPECT_EQ (tempHome.appDataRoot().findChildFiles (juce::File::findFiles, false, "*.dmp").size(), 1);
}

TEST_F (CrashDumpTest, EveryCrashKindIsDumpedAndEndsTheProcessAsBefore)
{
    struct Case
    {
        const char* mode;
        int signal;
        const char* expectedLine;
    };
    const Case cases[] = {
        { "fpe", SIGFPE, "Signal: 8 (SIGFPE)" },
        { "thread-segv", SIGSEGV, "Signal: 11 (SIGSEGV)" },
        { "overflow", SIGSEGV, "Signal: 11 (SIGSEGV)" }, // written on the alternate stack
        { "terminate", SIGABRT, "Reason: uncaught exception: helper gave up" },
    };

    for (const auto& c : cases)
    {
        dump().deleteFile();
        expectDiedOf (runCrashHelper (c.mode), c.signal, c.mode);
        const auto text = dump().loadFileAsString();
        EXPECT_TRUE (text.contains (c.expectedLine)) << c.mode << "\n" << text;
        EXPECT_GE (countBacktraceFrames (text), 2) << c.mode;
    }
}

TEST_F (CrashDumpTest, CrashOnAnotherThreadNamesThatThread)
{
    expectDiedOf (runCrashHelper ("thread-segv"), SIGSEGV, "thread-segv");
    const auto text = dump().loadFileAsString();
    const auto process = text.fromFirstOccurrenceOf ("Process id: ", false, false).getLargeIntValue();
    const auto thread = text.fromFirstOccurrenceOf ("Thread id: ", false, false).getLargeIntValue();
    EXPECT_GT (process, 0);
    EXPECT_GT (thread, 0);
    EXPECT_NE (process, thread);
}

TEST_F (CrashDumpTest, NoDumpWithoutFolderOrAfterRestoreButTheCrashIsUnchanged)
{
    expectDiedOf (runCrashHelper ("restored-segv"), SIGSEGV, "restored-segv");
    EXPECT_FALSE (dump().exists());

    const auto end = runCrashHelper ("none");
    EXPECT_EQ (end.exitCode, 0);
    EXPECT_FALSE (dump().exists());

    tempHome.appDataRoot().deleteRecursively();
    expectDiedOf (runCrashHelper ("segv"), SIGSEGV, "segv without folder");
    EXPECT_FALSE (tempHome.appDataRoot().exists()); // the folder is not created
}

TEST (CrashDumpFile, NamedAfterTheExecutableStem)
{
    const juce::File folder ("/data/app");
    EXPECT_EQ (CrashDumpWriter::dumpFileFor (folder, juce::File ("/opt/bin/Kolvane.exe")).getFullPathName(),
               "/data/app/Kolvane.dmp");
    EXPECT_EQ (CrashDumpWriter::dumpFileFor (folder, juce::File ("/opt/bin/fernhollow")).getFullPathName(),
               "/data/app/fernhollow.dmp");
    EXPECT_EQ (CrashDumpWriter::dumpFileFor (folder, juce::File ("/opt/bin/a.b.c")).getFullPathName(),
               "/data/app/a.b.dmp");
}

TEST (DebuggerProbeTest, ReadsTracerPid)
{
    const std::pair<const char*, int> cases[] = {
        { "Name:\tx\nState:\tR\nTracerPid:\t0\nUid:\t1\n", 0 },
        { "Name:\tx\nTracerPid:\t4242\nUid:\t1\n", 4242 },
        { "TracerPid:  17", 17 },
        { "Name:\tx\n", 0 },
        { "TracerPid:\tgarbage\n", 0 },
        { "", 0 },
    };
    for (const auto& [text, pid] : cases)
        EXPECT_EQ (DebuggerProbe::tracerPidFromStatus (text), pid) << text;
}

namespace
{
// The address of the current SIGSEGV handler (or SIG_DFL / SIG_IGN).
void* currentSegvHandler()
{
    struct sigaction current {};
    ::sigaction (SIGSEGV, nullptr, &current);
    return (current.sa_flags & SA_SIGINFO) != 0 ? reinterpret_cast<void*> (current.sa_sigaction)
                                                : reinterpret_cast<void*> (current.sa_handler);
}
} // namespace

TEST (CrashHandlersTest, DebuggerDecidesWhetherHandlersAreInstalledAndRestored)
{
    fhtest::ScopedTempHome home;
    bool debugger = true;
    const auto before = currentSegvHandler();

    {
        CrashHandlers handlers ([&] { return debugger; });
        handlers.install();
        EXPECT_FALSE (handlers.isInstalled());
        EXPECT_EQ (currentSegvHandler(), before);
        handlers.restore(); // nothing was installed: nothing to put back
        EXPECT_EQ (currentSegvHandler(), before);
    }

    debugger = false;
    CrashHandlers handlers ([&] { return debugger; });
    handlers.install();
    ASSERT_TRUE (handlers.isInstalled());
    EXPECT_NE (currentSegvHandler(), before);
    EXPECT_EQ (CrashHandlers::dumpFile().getParentDirectory(), home.appDataRoot());

    // A second set cannot install over the first.
    CrashHandlers second ([] { return false; });
    second.install();
    EXPECT_FALSE (second.isInstalled());

    // A debugger attached by now: the handlers stay.
    debugger = true;
    handlers.restore();
    EXPECT_TRUE (handlers.isInstalled());
    EXPECT_NE (currentSegvHandler(), before);

    debugger = false;
    handlers.restore();
    EXPECT_FALSE (handlers.isInstalled());
    EXPECT_EQ (currentSegvHandler(), before);
}
