#include "processor/HostContext.h"

juce::PluginHostType HostContext::host() const
{
    juce::PluginHostType host;
    host.type = hostType;
    return host;
}
