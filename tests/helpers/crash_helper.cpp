// Installs the crash handlers and then dies the way its argument says:
//   segv | abort | fpe | overflow | terminate | thread-segv | restored-segv | none
// Exit code 3: the handlers were not installed (a debugger is attached); 2: unknown mode.
#include "foundation/CrashHandlers.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace
{
[[gnu::noinline]] void writeThroughNull()
{
    volatile int* volatile nowhere = nullptr;
    *nowhere = 42;
}

volatile bool keepRecursing = true;

[[gnu::noinline]] int recurseForever (int depth)
{
    volatile char frame[1024];
    frame[0] = static_cast<char> (depth);
    return (keepRecursing ? recurseForever (depth + 1) : 0) + frame[0];
}

[[gnu::noinline]] int divideByZero()
{
    volatile int numerator = 7, zero = 0;
    return numerator / zero;
}
} // namespace

int main (int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "none";

    CrashHandlers handlers;
    handlers.install();
    if (! handlers.isInstalled())
        return 3;

    auto is = [mode] (const char* name) { return std::strcmp (mode, name) == 0; };

    if (is ("segv"))
        writeThroughNull();
    else if (is ("abort"))
        std::abort();
    else if (is ("fpe"))
        return divideByZero();
    else if (is ("overflow"))
        return recurseForever (0);
    else if (is ("terminate"))
        throw std::runtime_error ("helper gave up");
    else if (is ("thread-segv"))
        std::thread (writeThroughNull).join();
    else if (is ("restored-segv"))
    {
        handlers.restore();
        writeThroughNull();
    }
    else if (! is ("none"))
        return 2;

    handlers.restore();
    return 0;
}
