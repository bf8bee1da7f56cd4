#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <memory>

// The standalone program's settings file, "<name>.settings" in the program's
// "Standalone" folder (AppDataPaths::standaloneSettingsFile). One object holds
// every key of the file, so the window, the plug-in holder and the capture panel
// share it and no save drops another's keys. Changes are saved 3000 ms after the
// last one and when the object is destroyed. A file that cannot be read gives
// empty settings, is logged and kept as "<name>.settings.corrupt".
//
// Message thread.
class StandaloneSettingsFile
{
public:
    // The keys of the file.
    struct Keys
    {
        static inline const juce::String filterState { "filterState" };
        static inline const juce::String audioSetup { "audioSetup" };
        static inline const juce::String shouldMuteInput { "shouldMuteInput" };
        static inline const juce::String windowX { "windowX" };
        static inline const juce::String windowY { "windowY" };
        static inline const juce::String monitorBus { "MonitorBus" };   // followed by a bus index
        static inline const juce::String captureBus { "CaptureBus" };   // followed by a bus index
        static inline const juce::String mainBusGain { "MainBusGain" };
    };

    explicit StandaloneSettingsFile (const juce::String& applicationName);
    StandaloneSettingsFile (const juce::String& applicationName, const juce::File& file);
    ~StandaloneSettingsFile();

    juce::PropertiesFile& getSettings() noexcept { return *settings; }
    const juce::File& getFile() const noexcept { return settings->getFile(); }

    // Writes the file now when anything changed since the last save; false when that failed.
    bool saveIfNeeded();

private:
    std::unique_ptr<juce::PropertiesFile> settings;

    JUCE_DECLARE_NON_COPYABLE (StandaloneSettingsFile)
};
