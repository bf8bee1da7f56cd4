#pragma once

#include "support/TestEnvironment.h"

#include <juce_core/juce_core.h>

#include <string>

namespace fhtest
{
// One helper program of this build running as a child process, with its
// standard output read line by line. The child inherits the environment (and
// so the temporary HOME of the test).
class ChildHelper
{
public:
    ChildHelper (const juce::String& program, const juce::StringArray& arguments)
    {
        juce::StringArray command { helperProgram (program).getFullPathName() };
        command.addArray (arguments);
        started = process.start (command, juce::ChildProcess::wantStdOut);
    }

    ~ChildHelper()
    {
        if (process.isRunning())
            process.kill();
    }

    bool isStarted() const { return started; }

    // The next line of the child's output without its line end; empty at the end of the output.
    std::string readLine()
    {
        std::string line;
        char c = 0;

        while (process.readProcessOutput (&c, 1) == 1)
        {
            if (c == '\n')
                return line;
            line += c;
        }
        return line;
    }

    // Everything the child still writes, until it ends.
    std::string readRest() { return process.readAllProcessOutput().toStdString(); }

    bool waitForExit (int milliseconds = 30000) { return process.waitForProcessToFinish (milliseconds); }
    juce::uint32 exitCode() { return process.getExitCode(); }

private:
    juce::ChildProcess process;
    bool started = false;
};
} // namespace fhtest
