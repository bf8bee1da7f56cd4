#pragma once

#include <juce_events/juce_events.h>
#include <gtest/gtest.h>
#include <spdlog/spdlog.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace fhtest
{
// Points HOME, XDG_CONFIG_HOME and TMPDIR at a fresh temporary folder for the
// lifetime of the object, and puts the previous values back afterwards.
class ScopedTempHome
{
public:
    ScopedTempHome();
    ~ScopedTempHome();

    const juce::File& home() const { return root; }
    juce::File configHome() const { return root.getChildFile (".config"); }
    juce::File appDataRoot() const;   // the program's own folder below configHome()

private:
    juce::File root;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

// Runs the JUCE message loop on the calling thread (which must be the message
// thread) until the condition holds or the timeout passes. Returns the condition.
bool pumpUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Runs the message loop for the given time.
void pumpFor (std::chrono::milliseconds duration);

// Test base: a temporary home and a JUCE message manager owned by this thread.
class AppTest : public ::testing::Test
{
protected:
    AppTest();
    ~AppTest() override;

    ScopedTempHome tempHome;
};

// Replaces the program logger for its lifetime with one that keeps every line
// (at every level) in memory, so a test can check what was logged.
class ScopedLogCapture
{
public:
    ScopedLogCapture();
    ~ScopedLogCapture();

    std::vector<std::string> lines() const;
    // The lines logged at the level or above (warnings and errors: at warn).
    std::vector<std::string> linesFrom (spdlog::level::level_enum level) const;
    // Lines containing the given text.
    int count (const std::string& text) const;
    bool contains (const std::string& text) const { return count (text) > 0; }

private:
    struct Sink;
    std::shared_ptr<Sink> sink;
    std::shared_ptr<spdlog::logger> previous;
};

// The folder that holds the test helper programs of this build.
juce::File helperProgram (const juce::String& name);
} // namespace fhtest
