#include "platform/AppDataPaths.h"

#include <cstdlib>

namespace AppDataPaths
{
juce::File appDataRoot()
{
    // JUCE looks for XDG_CONFIG_HOME only in user-dirs.dirs; the environment
    // variable, when set to an absolute path, takes precedence as the XDG rules say.
    if (const char* xdg = std::getenv ("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        return juce::File (juce::CharPointer_UTF8 (xdg)).getChildFile (familyFolderName);

    return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
        .getChildFile (familyFolderName);
}

juce::File commonAppDataRoot()
{
    return juce::File ("/etc/xdg").getChildFile (familyFolderName);
}

juce::File globalSettingsFile()
{
    return appDataRoot().getChildFile ("Global.settings");
}

juce::File commonGlobalSettingsFile()
{
    return commonAppDataRoot().getChildFile ("Global.settings");
}

juce::File applicationSettingsFile (const juce::String& applicationName)
{
    return appDataRoot().getChildFile (applicationName + ".settings");
}

juce::File standaloneSettingsFile (const juce::String& applicationName)
{
    return appDataRoot().getChildFile ("Standalone").getChildFile (applicationName + ".settings");
}

juce::File documentsFolder()
{
    return juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
}

juce::File musicFolder()
{
    return juce::File::getSpecialLocation (juce::File::userMusicDirectory);
}

juce::File engineSharedFolder()
{
    return juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("Fernhollow_Engine");
}
} // namespace AppDataPaths
