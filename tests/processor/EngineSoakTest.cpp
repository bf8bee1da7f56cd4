// An engine that restarts again and again while the program follows it: every
// reopen ends with the whole model equal to the emulator's project, and the
// program's memory, threads and open files stay flat.
#include "EngineStack.h"

#include <dirent.h>

#include <fstream>
#include <string>

namespace
{
using namespace processortest;

struct ProcessFigures
{
    long residentKb = 0;
    int threads = 0;
    int openFiles = 0;
};

ProcessFigures measureProcess()
{
    ProcessFigures f;
    std::ifstream status ("/proc/self/status");
    for (std::string line; std::getline (status, line);)
    {
        if (line.rfind ("VmRSS:", 0) == 0)
            f.residentKb = std::stol (line.substr (6));
        else if (line.rfind ("Threads:", 0) == 0)
            f.threads = std::stoi (line.substr (8));
    }
    if (auto* dir = ::opendir ("/proc/self/fd"))
    {
        while (auto* entry = ::readdir (dir))
            f.openFiles += entry->d_name[0] != '.' ? 1 : 0;
        ::closedir (dir);
    }
    return f;
}

class EngineSoak : public EngineStackTest
{
};

TEST_F (EngineSoak, TheProgramFollowsAnEngineThatRestartsOverAndOver)
{
    constexpr int restarts = 12;
    fhtest::ScopedLogCapture log;
    startProcessor();
    ASSERT_TRUE (waitForWholeModel()) << compare().summary();

    std::vector<ProcessFigures> figures;
    for (int i = 1; i <= restarts; ++i)
    {
        SCOPED_TRACE ("restart " + std::to_string (i));
        engine.reset();
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.count ("Closing device") >= i; }, 10s));
        // Each engine serves a project of its own; a new kit name tells them apart.
        const auto name = "RUN " + std::to_string (i);
        startEngine ([&name] (fhemu::EmulatorSession& e) { e.projectOf (kUid)->renameKit (name); });
        ASSERT_TRUE (waitForWholeModel()) << compare().summary();
        EXPECT_EQ (modelcompare::textOf (model().getKit(), "Kit_Name"), juce::String (name));

        fhtest::pumpFor (200ms);   // let the closed connections' threads finish
        figures.push_back (measureProcess());
    }
    EXPECT_FALSE (log.contains ("async packet loss"));

    // Compared with the state after the first restarts (pools and caches filled):
    // a leak of one thread, one descriptor or a model's worth of memory per
    // restart would show.
    const auto& settled = figures[2];
    const auto& last = figures.back();
    EXPECT_LE (last.threads, settled.threads + 2);
    EXPECT_LE (last.openFiles, settled.openFiles + 2);
    EXPECT_LE (last.residentKb, settled.residentKb + 16 * 1024);
    for (const auto& f : figures)
        std::printf ("soak: rss %ld kB, threads %d, open files %d\n", f.residentKb, f.threads, f.openFiles);
}
} // namespace
