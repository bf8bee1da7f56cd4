#include "platform/CrashDumpWriter.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

namespace
{
constexpr int crashSignals[] = { SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT };
constexpr int numCrashSignals = static_cast<int> (std::size (crashSignals));
constexpr int maxFrames = 128;
constexpr size_t altStackSize = 128 * 1024;

// Everything the handlers touch is prepared at install time and lives here.
struct State
{
    char dumpPath[PATH_MAX] {};
    char executablePath[PATH_MAX] {};
    struct sigaction previousActions[numCrashSignals] {};
    std::terminate_handler previousTerminate = nullptr;
    stack_t previousAltStack {};
    bool ownAltStack = false;
    alignas (16) char altStack[altStackSize] {};

    // The reason text of a std::terminate, kept for the abort that follows it.
    char terminateReason[512] {};
    std::atomic<bool> haveTerminateReason { false };

    std::atomic<pid_t> writingThread { 0 };
    std::atomic<bool> installed { false };
};

State& state()
{
    static State s;
    return s;
}

//==============================================================================
// Async-signal-safe output: fixed buffers and write(2) only.
class DumpOutput
{
public:
    explicit DumpOutput (int fileDescriptor) : fd (fileDescriptor) {}

    DumpOutput& text (const char* s)
    {
        writeAll (s, std::strlen (s));
        return *this;
    }

    DumpOutput& decimal (long long value)
    {
        char buffer[24];
        char* end = buffer + sizeof (buffer);
        char* p = end;
        const bool negative = value < 0;
        unsigned long long magnitude = negative ? 0ull - (unsigned long long) value : (unsigned long long) value;
        do
        {
            *--p = char ('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative)
            *--p = '-';
        writeAll (p, (size_t) (end - p));
        return *this;
    }

    DumpOutput& hex (uintptr_t value)
    {
        char buffer[2 + 2 * sizeof (uintptr_t)];
        char* end = buffer + sizeof (buffer);
        char* p = end;
        do
        {
            *--p = "0123456789abcdef"[value & 0xf];
            value >>= 4;
        } while (value != 0);
        *--p = 'x';
        *--p = '0';
        writeAll (p, (size_t) (end - p));
        return *this;
    }

    void writeAll (const char* data, size_t size)
    {
        while (size > 0)
        {
            const auto written = ::write (fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return;
            data += written;
            size -= (size_t) written;
        }
    }

private:
    int fd;
};

const char* signalName (int signal)
{
    switch (signal)
    {
        case SIGSEGV: return "SIGSEGV";
        case SIGBUS:  return "SIGBUS";
        case SIGILL:  return "SIGILL";
        case SIGFPE:  return "SIGFPE";
        case SIGABRT: return "SIGABRT";
        case 0:       return "none, std::terminate";
        default:      return "other";
    }
}

pid_t currentThreadId()
{
    return static_cast<pid_t> (::syscall (SYS_gettid));
}

void copyFile (const char* path, DumpOutput& out)
{
    const int in = ::open (path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
    {
        out.text ("(unreadable)\n");
        return;
    }

    char buffer[4096];
    for (;;)
    {
        const auto got = ::read (in, buffer, sizeof (buffer));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        out.writeAll (buffer, (size_t) got);
    }
    ::close (in);
}

void writeDump (int signal, const siginfo_t* info)
{
    auto& s = state();
    const int fd = ::open (s.dumpPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return; // no folder or not writable: no dump

    DumpOutput out (fd);
    out.text ("Crash dump of ").text (s.executablePath).text ("\n");
    out.text ("Signal: ").decimal (signal).text (" (").text (signalName (signal)).text (")\n");
    out.text ("Code: ").decimal (info != nullptr ? info->si_code : 0).text ("\n");
    out.text ("Fault address: ").hex (info != nullptr ? reinterpret_cast<uintptr_t> (info->si_addr) : 0).text ("\n");
    out.text ("Process id: ").decimal (::getpid()).text ("\n");
    out.text ("Thread id: ").decimal (currentThreadId()).text ("\n");

    struct timespec now {};
    ::clock_gettime (CLOCK_REALTIME, &now);
    out.text ("Time: ").decimal (now.tv_sec).text (" s since 1970\n");

    if (s.haveTerminateReason.load())
        out.text ("Reason: ").text (s.terminateReason).text ("\n");

    out.text ("\nBacktrace:\n");
    void* frames[maxFrames];
    const int numFrames = ::backtrace (frames, maxFrames);
    ::backtrace_symbols_fd (frames, numFrames, fd);

    out.text ("\nMemory map:\n");
    copyFile ("/proc/self/maps", out);

    ::fsync (fd);
    ::close (fd);
}

// Crashes of several threads are written one after the other; a crash inside
// the writer itself (same thread) skips the writing.
void writeDumpOnce (int signal, const siginfo_t* info)
{
    auto& s = state();
    const pid_t self = currentThreadId();

    for (;;)
    {
        pid_t expected = 0;
        if (s.writingThread.compare_exchange_strong (expected, self))
            break;
        if (expected == self)
            return;

        const struct timespec pause { 0, 1000000 };
        ::nanosleep (&pause, nullptr);
    }

    writeDump (signal, info);
    s.writingThread.store (0);
}

int indexOfSignal (int signal)
{
    for (int i = 0; i < numCrashSignals; ++i)
        if (crashSignals[i] == signal)
            return i;
    return -1;
}

void crashSignalHandler (int signal, siginfo_t* info, void*)
{
    const int savedErrno = errno;
    writeDumpOnce (signal, info);

    // Let the process end as it would have: previous handler back, signal again.
    // The signal is blocked while this handler runs, so it arrives on return.
    if (const int index = indexOfSignal (signal); index >= 0)
        ::sigaction (signal, &state().previousActions[index], nullptr);

    errno = savedErrno;
    ::raise (signal);
}

void copyReason (const char* prefix, const char* what)
{
    auto& s = state();
    const size_t capacity = sizeof (s.terminateReason) - 1;
    size_t used = 0;
    for (const char* part : { prefix, what })
        for (const char* c = part; c != nullptr && *c != 0 && used < capacity; ++c)
            s.terminateReason[used++] = (*c == '\n' || *c == '\r') ? ' ' : *c;
    s.terminateReason[used] = 0;
    s.haveTerminateReason = true;
}

[[noreturn]] void terminateHandler()
{
    // Not a signal handler: it may look at the exception in flight.
    if (auto current = std::current_exception())
    {
        try
        {
            std::rethrow_exception (current);
        }
        catch (const std::exception& e)
        {
            copyReason ("uncaught exception: ", e.what());
        }
        catch (...)
        {
            copyReason ("uncaught exception of unknown type", nullptr);
        }
    }
    else
    {
        copyReason ("std::terminate called without an exception", nullptr);
    }

    writeDumpOnce (0, nullptr);

    // The previous handler normally aborts; that abort writes the dump again,
    // with the reason kept, and replaces this one.
    if (auto previous = state().previousTerminate)
        previous();
    std::abort();
}

void copyPath (char (&target)[PATH_MAX], const juce::String& path)
{
    std::memset (target, 0, sizeof (target));
    path.copyToUTF8 (target, sizeof (target));
}
} // namespace

namespace CrashDumpWriter
{
juce::File dumpFileFor (const juce::File& folder, const juce::File& executable)
{
    return folder.getChildFile (executable.getFileNameWithoutExtension() + ".dmp");
}

bool install (const juce::File& dumpFile)
{
    auto& s = state();

    if (s.installed.load())
        return false;

    const auto path = dumpFile.getFullPathName();
    if (path.getNumBytesAsUTF8() + 1 > sizeof (s.dumpPath))
        return false;

    copyPath (s.dumpPath, path);
    copyPath (s.executablePath, juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName());
    s.haveTerminateReason = false;

    // The first backtrace() loads the unwinder (and allocates): do it now.
    void* frames[4];
    ::backtrace (frames, 4);

    // An alternate stack for this thread, so that a stack overflow can be dumped.
    // A thread that already has one (a sanitizer's, say) keeps it.
    stack_t current {};
    s.ownAltStack = false;
    if (::sigaltstack (nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) != 0)
    {
        stack_t ours {};
        ours.ss_sp = s.altStack;
        ours.ss_size = sizeof (s.altStack);
        ours.ss_flags = 0;
        s.previousAltStack = current;
        s.ownAltStack = ::sigaltstack (&ours, nullptr) == 0;
    }

    struct sigaction action {};
    action.sa_sigaction = crashSignalHandler;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset (&action.sa_mask);

    for (int i = 0; i < numCrashSignals; ++i)
        ::sigaction (crashSignals[i], &action, &s.previousActions[i]);

    s.previousTerminate = std::set_terminate (terminateHandler);
    s.installed = true;
    return true;
}

void restore()
{
    auto& s = state();

    if (! s.installed.load())
        return;

    std::set_terminate (s.previousTerminate);

    for (int i = numCrashSignals; --i >= 0;)
        ::sigaction (crashSignals[i], &s.previousActions[i], nullptr);

    if (s.ownAltStack)
    {
        stack_t current {};
        if (::sigaltstack (nullptr, &current) == 0 && current.ss_sp == s.altStack
            && (current.ss_flags & SS_ONSTACK) == 0)
            ::sigaltstack (&s.previousAltStack, nullptr);
        s.ownAltStack = false;
    }

    s.installed = false;
}

bool isInstalled()
{
    return state().installed.load();
}
} // namespace CrashDumpWriter
