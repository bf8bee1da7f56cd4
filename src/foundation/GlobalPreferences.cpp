#include "foundation/GlobalPreferences.h"

namespace keys = GlobalPreferenceKeys;

namespace
{
// One inter-process lock for the whole process, with a process-wide mutex in
// front of it. The framework's lock is a POSIX record lock: it does not keep two
// users within one process apart, and closing one of them would drop the other's
// lock, so every file access of every instance goes through here.
struct SharedFileLock
{
    std::recursive_mutex mutex;
    juce::InterProcessLock processLock { GlobalPreferences::processLockName };
};

SharedFileLock& sharedFileLock()
{
    static auto* lock = new SharedFileLock();   // never destroyed: usable until the process ends
    return *lock;
}

// Held around every load and save of the settings files.
class FileAccess
{
public:
    FileAccess() : guard (sharedFileLock().mutex), locked (sharedFileLock().processLock.enter (-1)) {}
    ~FileAccess()
    {
        if (locked)
            sharedFileLock().processLock.exit();
    }
    bool isLocked() const { return locked; }

private:
    std::lock_guard<std::recursive_mutex> guard;
    bool locked;
};

juce::PropertiesFile::Options fileOptions (bool readOnly)
{
    juce::PropertiesFile::Options options;
    options.applicationName = "Global";
    options.filenameSuffix = "settings";
    options.folderName = AppDataPaths::familyFolderName;
    options.osxLibrarySubFolder = "Application Support";
    options.commonToAllUsers = readOnly;
    options.ignoreCaseOfKeyNames = false;
    options.doNotSave = readOnly;
    options.millisecondsBeforeSaving = 0;   // every change is written at once
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    options.processLock = &sharedFileLock().processLock;
    return options;
}

// The initial snapshot: what the watched keys are compared with the first time.
const juce::StringArray initialSnapshot { "128", "100", "100", "1", "0", "1", "1", "1", "0", "0", "", "0" };
} // namespace

GlobalPreferences::GlobalPreferences (bool reloadNow, bool startWatching, int interval, GlobalPreferencesFiles f)
    : juce::Thread ("ReloadGlobalPreferences"),
      files (std::move (f)),
      reloadIntervalMs (interval),
      snapshot (initialSnapshot)
{
    if (reloadNow)
        reload();

    if (startWatching)
        startThread();
}

GlobalPreferences::~GlobalPreferences()
{
    // The reload may wait for another process's file lock: it is waited for,
    // never killed, since it holds the preferences lock while it runs.
    signalThreadShouldExit();
    notify();
    if (! waitForThreadToExit (1000))
    {
        FH_LOG (spdlog::level::warn, "Waiting for the global preferences reload to finish.");
        waitForThreadToExit (-1);
    }

    sliderMouseWheelUpdater.cancelPendingUpdate();

    const juce::ScopedLock sl (preferencesLock);
    FileAccess access;
    userFile.reset();     // a pending change is saved here
    commonFile.reset();
}

void GlobalPreferences::run()
{
    while (! threadShouldExit())
    {
        wait (reloadIntervalMs);

        if (threadShouldExit())
            break;

        reload();
    }
}

//==============================================================================
void GlobalPreferences::addListener (GlobalPreferencesIfc::Listener* listener)
{
    const std::lock_guard<std::mutex> lock (listenerMutex);
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void GlobalPreferences::removeListener (GlobalPreferencesIfc::Listener* listener)
{
    const std::lock_guard<std::mutex> lock (listenerMutex);
    listeners.removeFirstMatchingValue (listener);
}

//==============================================================================
void GlobalPreferences::reportOnce (const juce::String& problem, const juce::String& text) const
{
    if (reported.insert (problem).second)
        FH_LOG (spdlog::level::warn, "{}", text.toStdString());
}

std::unique_ptr<juce::PropertiesFile> GlobalPreferences::load (const juce::File& file, bool readOnly) const
{
    auto properties = std::make_unique<juce::PropertiesFile> (file, fileOptions (readOnly));

    if (file.exists() && ! properties->isValidFile())
    {
        const auto stamp = FileStamp::of (file);
        reportOnce ("unreadable " + file.getFullPathName() + " " + juce::String (stamp.modifiedNanoseconds)
                        + " " + juce::String ((juce::int64) stamp.inode) + " " + juce::String (stamp.size),
                    "The settings file " + file.getFullPathName()
                        + " cannot be read (not a settings file, or cut short); using the defaults"
                        + (readOnly ? juce::String() : juce::String (" and leaving the file as it is until a value is set")) + ".");

        // Whatever the framework managed to read before it gave up is not trusted.
        properties->getAllProperties().clear();
    }

    return properties;
}

bool GlobalPreferences::ensureOpen() const
{
    if (userFile != nullptr)
        return true;

    if (files.user == juce::File())
        return false;

    FileAccess access;
    userFile = load (files.user, false);
    userFileUnreadable = files.user.exists() && ! userFile->isValidFile();
    commonFile = load (files.common, true);
    return true;
}

bool GlobalPreferences::rereadIfChangedOnDisk()
{
    const auto stamp = FileStamp::of (files.user);
    if (stamp == lastSeen)
        return false;

    lastSeen = stamp;

    if (userFile->needsToBeSaved())
    {
        // A change that could not be written: the file on disk now wins.
        FH_LOG (spdlog::level::warn, "Unsaved changes to {} are replaced by the file on disk.",
                files.user.getFullPathName().toStdString());
        userFile->setNeedsToBeSaved (false);
    }

    userFile = load (files.user, false);
    userFileUnreadable = files.user.exists() && ! userFile->isValidFile();
    return true;
}

void GlobalPreferences::keepCopyOfUnreadableFile()
{
    if (! userFileUnreadable || ! files.user.existsAsFile() || files.user.getSize() == 0)
        return;

    const auto copy = files.user.getSiblingFile (files.user.getFileName() + ".corrupt");

    if (files.user.copyFileTo (copy))
        FH_LOG (spdlog::level::warn, "Kept a copy of the unreadable {} as {} before saving over it.",
                files.user.getFullPathName().toStdString(), copy.getFullPathName().toStdString());
    else
        FH_LOG (spdlog::level::err, "Failed to keep a copy of the unreadable {}.", files.user.getFullPathName().toStdString());
}

//==============================================================================
juce::String GlobalPreferences::read (const Key& key) const
{
    const juce::ScopedLock sl (preferencesLock);

    if (! ensureOpen())
        return keys::noFileText (key);

    for (auto* file : { userFile.get(), commonFile.get() })
    {
        if (! file->containsKey (key.name))
            continue;

        const auto stored = file->getValue (key.name);
        if (const auto value = keys::usable (key, stored))
            return *value;

        reportOnce ("value " + file->getFile().getFullPathName() + " " + key.name + "=" + stored,
                    juce::String ("The setting \"") + key.name + "\" in " + file->getFile().getFullPathName()
                        + " has the unusable value \"" + stored + "\"; it is ignored.");
    }

    return keys::defaultText (key);
}

void GlobalPreferences::write (const Key& key, const juce::String& text)
{
    const juce::ScopedLock sl (preferencesLock);

    if (! ensureOpen())
        return;

    {
        FileAccess access;
        if (! access.isLocked())
        {
            FH_LOG (spdlog::level::err, "Failed to lock {} to set \"{}\".", files.user.getFullPathName().toStdString(), key.name);
            return;
        }

        // Take in what another process saved since we last looked: the whole
        // property set is written back, and it must not undo their change.
        rereadIfChangedOnDisk();
        keepCopyOfUnreadableFile();

        userFile->setValue (key.name, text);   // saved at once when the value changed

        if (userFile->needsToBeSaved())
            FH_LOG (spdlog::level::err, "Failed to save {}.", files.user.getFullPathName().toStdString());
        else
            userFileUnreadable = false;
    }

    updateSnapshot();
}

void GlobalPreferences::reload()
{
    const juce::ScopedLock sl (preferencesLock);

    if (! ensureOpen())
        return;

    bool changed = false;
    {
        FileAccess access;
        if (! access.isLocked())
            return;

        if (userFile->needsToBeSaved() && ! userFile->save())
            FH_LOG (spdlog::level::err, "Failed to save {}.", files.user.getFullPathName().toStdString());

        changed = rereadIfChangedOnDisk();
    }

    if (changed)
        updateSnapshot();
}

void GlobalPreferences::updateSnapshot()
{
    juce::StringArray now;
    for (const auto* key : keys::watched)
        now.add (key == &keys::uiScaleFactor ? juce::String (getUiScaleFactor()) : read (*key));

    setSliderMouseWheelValue (getSliderMouseWheel());

    if (now == snapshot)
        return;

    snapshot = now;

    const std::lock_guard<std::mutex> lock (listenerMutex);
    for (int i = listeners.size(); --i >= 0;)
        listeners.getUnchecked (i)->globalPreferencesChanged();
}

void GlobalPreferences::setSliderMouseWheelValue (bool value)
{
    auto* mm = juce::MessageManager::getInstanceWithoutCreating();

    if (mm == nullptr || mm->isThisTheMessageThread())
    {
        sliderMouseWheelUpdater.cancelPendingUpdate();
        sliderMouseWheelValue = value;
        return;
    }

    sliderMouseWheelUpdater.pending = value;
    sliderMouseWheelUpdater.triggerAsyncUpdate();
}

juce::Value& GlobalPreferences::getSliderMouseWheelValue()
{
    return sliderMouseWheelValue;
}

//==============================================================================
int GlobalPreferences::getBufferSize() const { return readInt (keys::bufferSize); }
void GlobalPreferences::setBufferSize (int v) { writeInt (keys::bufferSize, v); }
int GlobalPreferences::getBufferSafetyMargin() const { return readInt (keys::bufferSafetyMargin); }
void GlobalPreferences::setBufferSafetyMargin (int v) { writeInt (keys::bufferSafetyMargin, v); }

// The scale moves in steps of 5 percent between 50 and 150.
int GlobalPreferences::getUiScaleFactor() const
{
    return juce::jlimit (50, 150, juce::roundToInt ((float) readInt (keys::uiScaleFactor) / 5.0f) * 5);
}

void GlobalPreferences::setUiScaleFactor (int v)
{
    writeInt (keys::uiScaleFactor, juce::roundToInt ((float) juce::jlimit (50, 150, v) / 5.0f) * 5);
}

bool GlobalPreferences::getTooltipsEnabled() const { return readBool (keys::tooltipsEnabled); }
void GlobalPreferences::setTooltipsEnabled (bool v) { writeBool (keys::tooltipsEnabled, v); }
bool GlobalPreferences::getSliderMouseWheel() const { return readBool (keys::sliderMouseWheel); }
void GlobalPreferences::setSliderMouseWheel (bool v) { writeBool (keys::sliderMouseWheel, v); }
bool GlobalPreferences::getShowWelcomeScreen() const { return readBool (keys::showWelcomeScreen); }
void GlobalPreferences::setShowWelcomeScreen (bool v) { writeBool (keys::showWelcomeScreen, v); }
void GlobalPreferences::setIsShowingWelcomeScreen (bool v) { writeBool (keys::isShowingWelcomeScreen, v); }
bool GlobalPreferences::getIsShowingWelcomeScreen() const { return readBool (keys::isShowingWelcomeScreen); }

bool GlobalPreferences::getBufferSizeNotificationDismissed() const
{
    return readBool (keys::bufferSizeNotificationDismissed);
}

void GlobalPreferences::setBufferSizeNotificationDismissed (bool v)
{
    writeBool (keys::bufferSizeNotificationDismissed, v);
}

bool GlobalPreferences::getWindowsPowerPlanNotificationDismissed() const
{
    return readBool (keys::windowsPowerPlanNotificationDismissed);
}

void GlobalPreferences::setWindowsPowerPlanNotificationDismissed (bool v)
{
    writeBool (keys::windowsPowerPlanNotificationDismissed, v);
}

void GlobalPreferences::resetDismissedNotifications()
{
    setBufferSizeNotificationDismissed (false);
    setWindowsPowerPlanNotificationDismissed (false);
}

juce::String GlobalPreferences::getServerIpAddress() const { return read (keys::serverIpAddress); }
juce::String GlobalPreferences::getAudioCaptureFolder() const { return read (keys::audioCaptureFolder); }
void GlobalPreferences::setAudioCaptureFolder (const juce::String& v) { write (keys::audioCaptureFolder, v); }
bool GlobalPreferences::getCheckForUpdates() const { return readBool (keys::checkForUpdates); }
void GlobalPreferences::setCheckForUpdates (bool v) { writeBool (keys::checkForUpdates, v); }
bool GlobalPreferences::getAutoStartEngine() const { return readBool (keys::autoStartEngine); }
void GlobalPreferences::setAutoStartEngine (bool v) { writeBool (keys::autoStartEngine, v); }
juce::String GlobalPreferences::getLogLevel() const { return read (keys::logLevel); }
void GlobalPreferences::setLogLevel (const juce::String& v) { write (keys::logLevel, v); }
int GlobalPreferences::getLogNumFiles() const { return readInt (keys::logNumFiles); }
void GlobalPreferences::setLogNumFiles (int v) { writeInt (keys::logNumFiles, v); }
int GlobalPreferences::getLogFileSize() const { return readInt (keys::logFileSize); }
void GlobalPreferences::setLogFileSize (int v) { writeInt (keys::logFileSize, v); }
juce::String GlobalPreferences::getLogFlushLevel() const { return read (keys::logFlushLevel); }
void GlobalPreferences::setLogFlushLevel (const juce::String& v) { write (keys::logFlushLevel, v); }
bool GlobalPreferences::getOSUpgradeNeedsConfirm() const { return readBool (keys::osUpgradeNeedsConfirm); }
void GlobalPreferences::setOSUpgradeNeedsConfirm (bool v) { writeBool (keys::osUpgradeNeedsConfirm, v); }
bool GlobalPreferences::getDisableOpenGL() const { return readBool (keys::disableOpenGL); }
void GlobalPreferences::setDisableOpenGL (bool v) { writeBool (keys::disableOpenGL, v); }

//==============================================================================
LoggerSettings readLoggerSettings (const GlobalPreferencesIfc& preferences)
{
    LoggerSettings settings;
    settings.maxFiles = preferences.getLogNumFiles();
    settings.maxFileSize = preferences.getLogFileSize();
    settings.level = CorvanelLogger::levelFromName (preferences.getLogLevel());
    settings.flushLevel = CorvanelLogger::levelFromName (preferences.getLogFlushLevel());
    return settings;
}
