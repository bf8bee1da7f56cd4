#include "foundation/SettingsFileOpening.h"

#include "foundation/Logger.h"

juce::PropertiesFile::Options settingsFileOptions (const juce::String& applicationName, const juce::String& folderName,
                                                   bool readOnly)
{
    juce::PropertiesFile::Options options;
    options.applicationName = applicationName;
    options.filenameSuffix = "settings";
    options.folderName = folderName;
    options.osxLibrarySubFolder = "Application Support";
    options.commonToAllUsers = readOnly;
    options.ignoreCaseOfKeyNames = false;
    options.doNotSave = readOnly;
    options.millisecondsBeforeSaving = 3000;
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    options.processLock = nullptr;
    return options;
}

std::unique_ptr<juce::PropertiesFile> openSettingsFile (const juce::File& file,
                                                        const juce::PropertiesFile::Options& options)
{
    auto properties = std::make_unique<juce::PropertiesFile> (file, options);

    if (file.exists() && ! properties->isValidFile())
    {
        // Nothing read from it is trusted, and the first save would replace it.
        properties->getAllProperties().clear();

        const auto copy = file.getSiblingFile (file.getFileName() + ".corrupt");
        const bool kept = ! options.doNotSave && file.existsAsFile() && file.getSize() > 0 && file.copyFileTo (copy);

        FH_LOG (spdlog::level::warn, "The settings file {} cannot be read; starting from empty settings{}.",
                file.getFullPathName().toStdString(),
                kept ? " (a copy is kept as " + copy.getFullPathName().toStdString() + ")" : std::string());
    }

    return properties;
}
