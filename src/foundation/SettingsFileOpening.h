#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <memory>

// The options of every settings file the program writes: XML, key names
// case-sensitive, saved 3000 ms after the last change, no inter-process lock.
// readOnly: never saved (a machine-wide file).
juce::PropertiesFile::Options settingsFileOptions (const juce::String& applicationName, const juce::String& folderName,
                                                   bool readOnly);

// Opens a settings file of the program. A file that exists but cannot be read as
// settings gives empty settings and a warning in the log; unless the options say
// the file is never saved, a copy of it ("<name>.corrupt") is kept beside it first,
// since the first save replaces it. Message thread.
std::unique_ptr<juce::PropertiesFile> openSettingsFile (const juce::File& file,
                                                        const juce::PropertiesFile::Options& options);
