#include "processor/PluginVolatileState.h"

void PluginVolatileState::setSelectedTrack (int trackIndex)
{
    selectedTrack = trackIndex;
    sendChangeMessage ({});
}

void PluginVolatileState::setSelectedTab (int tabIndex)
{
    selectedTab = tabIndex;
    sendChangeMessage ({});
}
