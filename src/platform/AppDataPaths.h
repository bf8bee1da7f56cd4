#pragma once

#include <juce_core/juce_core.h>

// The one place that says where the program keeps its files on this platform.
// Everything the program stores lives below appDataRoot(); JUCE's property-file
// defaults are not used, since on Linux they would put folders under $HOME.
namespace AppDataPaths
{
    // Name of the family folder below the user's application-data folder.
    inline constexpr const char* familyFolderName = "Corvanel Fernhollow";

    // $XDG_CONFIG_HOME (or ~/.config) / "Corvanel Fernhollow". Not created.
    juce::File appDataRoot();

    // The machine-wide, read-only fallback folder for shared preference files.
    juce::File commonAppDataRoot();

    // "Global.settings" below appDataRoot() and below commonAppDataRoot().
    juce::File globalSettingsFile();
    juce::File commonGlobalSettingsFile();

    // "<name>.settings" below appDataRoot() (per-application preferences).
    juce::File applicationSettingsFile (const juce::String& applicationName);

    // appDataRoot() / "Standalone" / "<name>.settings" (the standalone shell's file).
    juce::File standaloneSettingsFile (const juce::String& applicationName);

    // The user's documents folder (snapshots) and music folder (captures). Not created.
    juce::File documentsFolder();
    juce::File musicFolder();

    // The engine's shared folder below the temporary folder, "Fernhollow_Engine".
    juce::File engineSharedFolder();
}
