#include "foundation/ApplicationPreferences.h"

#include "foundation/Logger.h"

namespace
{
juce::PropertiesFile::Options fileOptions (const juce::String& applicationName, bool readOnly)
{
    juce::PropertiesFile::Options options;
    options.applicationName = applicationName;
    options.filenameSuffix = "settings";
    options.folderName = AppDataPaths::familyFolderName;
    options.osxLibrarySubFolder = "Application Support";
    options.commonToAllUsers = readOnly;
    options.ignoreCaseOfKeyNames = false;
    options.doNotSave = readOnly;
    options.millisecondsBeforeSaving = 3000;
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    options.processLock = nullptr;
    return options;
}

std::unique_ptr<juce::PropertiesFile> open (const juce::File& file, const juce::String& applicationName, bool readOnly)
{
    auto properties = std::make_unique<juce::PropertiesFile> (file, fileOptions (applicationName, readOnly));

    if (file.exists() && ! properties->isValidFile())
    {
        // Nothing read from it is trusted, and the first save would replace it.
        properties->getAllProperties().clear();

        const auto copy = file.getSiblingFile (file.getFileName() + ".corrupt");
        const bool kept = ! readOnly && file.existsAsFile() && file.getSize() > 0 && file.copyFileTo (copy);

        FH_LOG (spdlog::level::warn, "The settings file {} cannot be read; starting from empty settings{}.",
                file.getFullPathName().toStdString(),
                kept ? " (a copy is kept as " + copy.getFullPathName().toStdString() + ")" : std::string());
    }

    return properties;
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
