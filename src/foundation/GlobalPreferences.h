#pragma once

#include "foundation/GlobalPreferenceKeys.h"
#include "foundation/GlobalPreferencesIfc.h"
#include "platform/AppDataPaths.h"
#include "platform/FileStamp.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <set>

// Where the global preferences live: the user's file, and the machine-wide file
// that supplies keys the user's file lacks (read only).
struct GlobalPreferencesFiles
{
    juce::File user = AppDataPaths::globalSettingsFile();
    juce::File common = AppDataPaths::commonGlobalSettingsFile();
};

// "Global.settings", shared by every program of the family and by every running
// instance. Each change is saved at once; every load and save happens under the
// inter-process lock "FernhollowGlobalPreferencesLock"; the "ReloadGlobalPreferences"
// thread looks at the file every reloadIntervalMs and takes in other processes'
// changes. Listeners hear of changes to the watched keys only.
//
// Bad input: a file that cannot be read as settings (not XML, truncated, empty)
// gives the defaults, and a stored value that cannot be used (wrong type, out of
// range) gives the common file's value or the default; each is logged once. Such
// a file is left as it is until a value is set; the first save over an unreadable
// file keeps a copy of it next to it ("Global.settings.corrupt").
//
// A setter first takes in what another process saved since the last look, so
// that saving the whole file never drops someone else's change.
class GlobalPreferences : public juce::Thread, public GlobalPreferencesIfc
{
public:
    static constexpr int defaultReloadIntervalMs = 5000;
    static constexpr const char* processLockName = "FernhollowGlobalPreferencesLock";

    GlobalPreferences (bool reloadNow, bool startWatching, int reloadIntervalMs = defaultReloadIntervalMs,
                       GlobalPreferencesFiles files = {});
    ~GlobalPreferences() override;

    void run() override;

    void addListener (GlobalPreferencesIfc::Listener* listener) override;
    void removeListener (GlobalPreferencesIfc::Listener* listener) override;
    void reload() override;

    int getBufferSize() const override;
    void setBufferSize (int) override;
    int getBufferSafetyMargin() const override;
    void setBufferSafetyMargin (int) override;
    int getUiScaleFactor() const override;
    void setUiScaleFactor (int) override;
    bool getTooltipsEnabled() const override;
    void setTooltipsEnabled (bool) override;
    bool getSliderMouseWheel() const override;
    void setSliderMouseWheel (bool) override;
    juce::Value& getSliderMouseWheelValue() override;
    bool getShowWelcomeScreen() const override;
    void setShowWelcomeScreen (bool) override;
    void setIsShowingWelcomeScreen (bool) override;
    bool getIsShowingWelcomeScreen() const override;
    bool getBufferSizeNotificationDismissed() const override;
    void setBufferSizeNotificationDismissed (bool) override;
    bool getWindowsPowerPlanNotificationDismissed() const override;
    void setWindowsPowerPlanNotificationDismissed (bool) override;
    void resetDismissedNotifications() override;
    juce::String getServerIpAddress() const override;
    juce::String getAudioCaptureFolder() const override;
    void setAudioCaptureFolder (const juce::String&) override;
    bool getCheckForUpdates() const override;
    void setCheckForUpdates (bool) override;
    bool getAutoStartEngine() const override;
    void setAutoStartEngine (bool) override;
    juce::String getLogLevel() const override;
    void setLogLevel (const juce::String&) override;
    int getLogNumFiles() const override;
    void setLogNumFiles (int) override;
    int getLogFileSize() const override;
    void setLogFileSize (int) override;
    juce::String getLogFlushLevel() const override;
    void setLogFlushLevel (const juce::String&) override;
    bool getOSUpgradeNeedsConfirm() const override;
    void setOSUpgradeNeedsConfirm (bool) override;
    bool getDisableOpenGL() const override;
    void setDisableOpenGL (bool) override;

private:
    using Key = GlobalPreferenceKeys::Key;

    juce::String read (const Key& key) const;
    int readInt (const Key& key) const { return read (key).getIntValue(); }
    bool readBool (const Key& key) const { return read (key).getIntValue() != 0; }
    void write (const Key& key, const juce::String& text);
    void writeInt (const Key& key, int value) { write (key, juce::String (value)); }
    void writeBool (const Key& key, bool value) { write (key, value ? "1" : "0"); }

    // All below: with the preferences lock held.
    bool ensureOpen() const;                 // false: there is no user file to be had
    std::unique_ptr<juce::PropertiesFile> load (const juce::File& file, bool readOnly) const;
    bool rereadIfChangedOnDisk();            // with the file access held
    void keepCopyOfUnreadableFile();
    void updateSnapshot();
    void setSliderMouseWheelValue (bool value);
    void reportOnce (const juce::String& problem, const juce::String& text) const;

    const GlobalPreferencesFiles files;
    const int reloadIntervalMs;

    juce::CriticalSection preferencesLock;   // re-entrant; every getter, setter and reload

    mutable std::unique_ptr<juce::PropertiesFile> userFile, commonFile;
    mutable bool userFileUnreadable = false;
    mutable std::set<juce::String> reported;
    FileStamp lastSeen;
    juce::StringArray snapshot;

    juce::Value sliderMouseWheelValue { juce::var (false) };

    // Sets sliderMouseWheelValue on the message thread when a change comes from another thread.
    struct SliderMouseWheelUpdater : public juce::AsyncUpdater
    {
        explicit SliderMouseWheelUpdater (juce::Value& v) : value (v) {}
        ~SliderMouseWheelUpdater() override { cancelPendingUpdate(); }
        void handleAsyncUpdate() override { value = pending.load(); }

        juce::Value& value;
        std::atomic<bool> pending { false };
    };
    SliderMouseWheelUpdater sliderMouseWheelUpdater { sliderMouseWheelValue };

    std::mutex listenerMutex;   // not re-entrant; held while listeners are called
    juce::Array<GlobalPreferencesIfc::Listener*> listeners;

    JUCE_DECLARE_NON_COPYABLE (GlobalPreferences)
};
