#pragma once

#include "foundation/ApplicationPreferences.h"
#include "foundation/CrashHandlers.h"
#include "foundation/StandaloneSettingsFile.h"
#include "standalone/StandaloneFilterWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace corvanel
{
class ScreenshotRun;

// The standalone program's application object: owns the standalone settings
// file, the per-application preferences, the crash handlers and the main window;
// opens the program log, raises the process priority, declares the standalone
// wrapper and caps the audio buffer at 512 samples. Reads no command line.
// Message thread.
class StandaloneFilterApp : public juce::JUCEApplication
{
public:
    static constexpr const char* kName = "Kolvane";
    static constexpr const char* kVersion = "2.1.5.4";
    static constexpr int kMaxBufferSize = 512;

    StandaloneFilterApp();
    ~StandaloneFilterApp() override;

    // When set before the program starts, the running program saves pictures of its
    // window and settings dialog into this folder and quits (the screenshot command).
    static juce::File& screenshotFolder();

    const juce::String getApplicationName() override { return kName; }
    const juce::String getApplicationVersion() override { return kVersion; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String&) override {}
    // Closes the modal components first (each with result 0) and asks again 100 ms later.
    void systemRequestedQuit() override;

    virtual StandaloneFilterWindow* createWindow();

    StandaloneFilterWindow* getMainWindow() const noexcept { return mainWindow.get(); }
    StandaloneSettingsFile& getSettingsFile() noexcept { return *appProperties; }

private:
    std::unique_ptr<StandaloneSettingsFile> appProperties;
    int maxBufferSize = 1024;
    std::unique_ptr<ApplicationPreferences> applicationPreferences;
    std::unique_ptr<StandaloneFilterWindow> mainWindow;
    CrashHandlers crashHandlers;
    std::unique_ptr<ScreenshotRun> screenshotRun;
};
} // namespace corvanel
