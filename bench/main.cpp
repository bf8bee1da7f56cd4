// The main of fh_bench: socket writes to a closed peer must fail, not end the
// process; the program logger stays unset (logging costs nothing here).
#include <benchmark/benchmark.h>

#include <csignal>

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);

    benchmark::Initialize (&argc, argv);
    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
