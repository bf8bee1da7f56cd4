#include "processor/HostContext.h"

juce::PluginHostType HostContext::host() const
{
    juce::PluginHostType host;
    host.type = hostType;
    return host;
}

bool isValidationHostPath (const juce::String& hostPath)
{
    // Either separator ends a folder name, whichever system wrote the path.
    const auto fileName = juce::File::createFileWithoutCheckingPath (hostPath.replaceCharacter ('\\', '/')).getFileName();
    return fileName.contains ("auval") || fileName.contains ("com.apple.audio.InfoHelper");
}

bool isValidationHost()
{
    return isValidationHostPath (juce::PluginHostType::getHostPath());
}
