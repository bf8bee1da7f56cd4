#include "standalone/StandaloneFilterApp.h"

#include "foundation/GlobalPreferences.h"
#include "foundation/Logger.h"
#include "standalone/ScreenshotRun.h"
#include "ui/editor/PluginAudioProcessorEditor.h"

#include <optional>

namespace corvanel
{
namespace
{
constexpr int quitRetryMs = 100;

// The process's priority as last set through the framework (none at first).
std::optional<juce::Process::ProcessPriority>& lastProcessPriority()
{
    static std::optional<juce::Process::ProcessPriority> priority;
    return priority;
}
} // namespace

juce::File& StandaloneFilterApp::screenshotFolder()
{
    static juce::File folder;
    return folder;
}

StandaloneFilterApp::StandaloneFilterApp()
    : appProperties (std::make_unique<StandaloneSettingsFile> (kName)),
      applicationPreferences (std::make_unique<ApplicationPreferences> (kName))
{
    crashHandlers.install();
    juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Standalone;
    maxBufferSize = kMaxBufferSize;

    if (lastProcessPriority() != juce::Process::RealtimePriority)
    {
        // The framework does nothing with this on Linux; the audio threads raise themselves.
        juce::Process::setPriority (juce::Process::RealtimePriority);
        lastProcessPriority() = juce::Process::RealtimePriority;
    }
}

StandaloneFilterApp::~StandaloneFilterApp()
{
    crashHandlers.restore();
    mainWindow.reset();
    applicationPreferences.reset();
    appProperties.reset();
}

void StandaloneFilterApp::initialise (const juce::String&)
{
    const auto settings = readLoggerSettings (GlobalPreferences (true, false));
    CorvanelLogger::initialise (settings, juce::String (kName).toStdString() + "_standalone.log");
    FH_LOG (spdlog::level::info, "Fernhollow version: {}", kVersion);
    FH_LOG (spdlog::level::info, "{}", getSystemDescription());
    FH_LOG (spdlog::level::info, "Process priority class set to realtime (the audio threads set their own on Linux)");
    FH_LOG (spdlog::level::info, "Standalone settings file: {}",
            appProperties->getFile().getFullPathName().toStdString());

    installPluginEditor();
    mainWindow.reset();
    mainWindow.reset (createWindow());
    mainWindow->setVisible (true);
    FH_LOG (spdlog::level::info, "Main window is showing");

    if (screenshotFolder() != juce::File())
        screenshotRun = std::make_unique<ScreenshotRun> (*mainWindow, screenshotFolder());
}

StandaloneFilterWindow* StandaloneFilterApp::createWindow()
{
    return new StandaloneFilterWindow (getApplicationName(), juce::Colour (0xFF000000), &appProperties->getSettings(),
                                       {}, &maxBufferSize);
}

void StandaloneFilterApp::shutdown()
{
    screenshotRun.reset();
    mainWindow.reset();
    if (! appProperties->saveIfNeeded())
        FH_LOG (spdlog::level::err, "The standalone settings file {} could not be saved",
                appProperties->getFile().getFullPathName().toStdString());
    FH_LOG (spdlog::level::info, "Standalone program ends");
    CorvanelLogger::shutdown();
}

void StandaloneFilterApp::systemRequestedQuit()
{
    auto* modals = juce::ModalComponentManager::getInstance();
    const int count = modals->getNumModalComponents();
    if (count == 0)
    {
        quit();
        return;
    }
    // Topmost first; collected before any closes, since closing reorders the list.
    std::vector<juce::Component::SafePointer<juce::Component>> open;
    for (int i = 0; i < count; ++i)
        open.emplace_back (modals->getModalComponent (i));
    for (auto& modal : open)
        if (modal != nullptr)
            modal->exitModalState (0);
    juce::Timer::callAfterDelay (quitRetryMs, [] {
        if (auto* app = juce::JUCEApplicationBase::getInstance())
            app->systemRequestedQuit();
    });
}
} // namespace corvanel
