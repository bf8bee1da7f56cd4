#pragma once

#include "foundation/Logger.h"

#include <juce_data_structures/juce_data_structures.h>

// The settings that every program of the family shares for one user
// ("Global.settings"), read and written key by key. Getters and setters may be
// called from any thread. The order of the operations is part of the interface.
class GlobalPreferencesIfc
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;

        // A watched key changed. Runs on the thread that noticed it: the
        // "ReloadGlobalPreferences" thread for a change by another process, the
        // setter's caller for one of ours; with the preferences lock and the
        // listener lock held. May call getters; must not add or remove listeners.
        // A listener that touches the GUI posts to the message thread.
        virtual void globalPreferencesChanged() = 0;
    };

    virtual ~GlobalPreferencesIfc() = default;

    // Appends the listener unless it is null or already there.
    virtual void addListener (Listener* listener) = 0;
    // Removes the listener's first occurrence.
    virtual void removeListener (Listener* listener) = 0;
    // Looks at the file now (on the caller's thread) and takes in another process's changes.
    virtual void reload() = 0;

    virtual int getBufferSize() const = 0;                     // "FernhollowBufferSize", 128
    virtual void setBufferSize (int) = 0;
    virtual int getBufferSafetyMargin() const = 0;             // "FernhollowBufferSafetyMargin" (percent), 100
    virtual void setBufferSafetyMargin (int) = 0;
    virtual int getUiScaleFactor() const = 0;                  // "UiScaleFactor" (percent, 50..150 in steps of 5), 100
    virtual void setUiScaleFactor (int) = 0;
    virtual bool getTooltipsEnabled() const = 0;               // "TooltipsEnabled", false
    virtual void setTooltipsEnabled (bool) = 0;
    virtual bool getSliderMouseWheel() const = 0;              // "SliderMouseWheel", false
    virtual void setSliderMouseWheel (bool) = 0;
    // Always holds the current "SliderMouseWheel"; read and listened to on the message thread.
    virtual juce::Value& getSliderMouseWheelValue() = 0;
    virtual bool getShowWelcomeScreen() const = 0;             // "ShowWelcomeScreen", true (false without a file)
    virtual void setShowWelcomeScreen (bool) = 0;
    virtual void setIsShowingWelcomeScreen (bool) = 0;         // "IsShowingWelcomeScreen", false
    virtual bool getIsShowingWelcomeScreen() const = 0;
    virtual bool getBufferSizeNotificationDismissed() const = 0;          // false
    virtual void setBufferSizeNotificationDismissed (bool) = 0;
    virtual bool getWindowsPowerPlanNotificationDismissed() const = 0;    // false
    virtual void setWindowsPowerPlanNotificationDismissed (bool) = 0;
    // Both dismissed flags back to false.
    virtual void resetDismissedNotifications() = 0;
    virtual juce::String getServerIpAddress() const = 0;       // "ServerIpAddress", the loopback address
    virtual juce::String getAudioCaptureFolder() const = 0;    // "AudioCaptureFolder" (full path), the music folder
    virtual void setAudioCaptureFolder (const juce::String&) = 0;
    virtual bool getCheckForUpdates() const = 0;               // "CheckForUpdates", true
    virtual void setCheckForUpdates (bool) = 0;
    virtual bool getAutoStartEngine() const = 0;               // "AutoStartEngine", true
    virtual void setAutoStartEngine (bool) = 0;
    virtual juce::String getLogLevel() const = 0;              // "LogLevel", "off"
    virtual void setLogLevel (const juce::String&) = 0;
    virtual int getLogNumFiles() const = 0;                    // "LogNumFiles", 10
    virtual void setLogNumFiles (int) = 0;
    virtual int getLogFileSize() const = 0;                    // "LogFileSize" (bytes), 10485760
    virtual void setLogFileSize (int) = 0;
    virtual juce::String getLogFlushLevel() const = 0;         // "LogFlushLevel", "warn"
    virtual void setLogFlushLevel (const juce::String&) = 0;
    virtual bool getOSUpgradeNeedsConfirm() const = 0;         // "OSUpgradeNeedsConfirm", true
    virtual void setOSUpgradeNeedsConfirm (bool) = 0;
    virtual bool getDisableOpenGL() const = 0;                 // "DisableOpenGL", false
    virtual void setDisableOpenGL (bool) = 0;
};

// The four logger settings, read in the order files, size, level, flush level.
LoggerSettings readLoggerSettings (const GlobalPreferencesIfc& preferences);
