#include "foundation/ApplicationPreferences.h"

#include "foundation/SettingsFileOpening.h"

namespace
{
std::unique_ptr<juce::PropertiesFile> open (const juce::File& file, const juce::String& applicationName, bool readOnly)
{
    return openSettingsFile (file, settingsFileOptions (applicationName, AppDataPaths::familyFolderName, readOnly));
}
} // namespace

ApplicationPreferences::ApplicationPreferences (const juce::String& applicationName)
    : ApplicationPreferences (applicationName,
                              AppDataPaths::applicationSettingsFile (applicationName),
                              AppDataPaths::commonAppDataRoot().getChildFile (applicationName + ".settings"))
{
}

ApplicationPreferences::ApplicationPreferences (const juce::String& applicationName,
                                                const juce::File& user,
                                                const juce::File& common)
    : commonFile (open (common, applicationName, true)),
      userFile (open (user, applicationName, false))
{
    userFile->setFallbackPropertySet (commonFile.get());
    userFile->addChangeListener (this);
}

ApplicationPreferences::~ApplicationPreferences()
{
    userFile->removeChangeListener (this);
    userFile.reset();     // a pending change is saved here
    commonFile.reset();
}

void ApplicationPreferences::changeListenerCallback (juce::ChangeBroadcaster*)
{
    sendChangeMessage (changeMessage.toString());
}
