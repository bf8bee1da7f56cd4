#include "foundation/StandaloneSettingsFile.h"

#include "foundation/SettingsFileOpening.h"
#include "platform/AppDataPaths.h"

StandaloneSettingsFile::StandaloneSettingsFile (const juce::String& applicationName)
    : StandaloneSettingsFile (applicationName, AppDataPaths::standaloneSettingsFile (applicationName))
{
}

StandaloneSettingsFile::StandaloneSettingsFile (const juce::String& applicationName, const juce::File& file)
    : settings (openSettingsFile (
        file, settingsFileOptions (applicationName, juce::String (AppDataPaths::familyFolderName) + "/Standalone", false)))
{
}

StandaloneSettingsFile::~StandaloneSettingsFile() = default;

bool StandaloneSettingsFile::saveIfNeeded()
{
    return settings->saveIfNeeded();
}
