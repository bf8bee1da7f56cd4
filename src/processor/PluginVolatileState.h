#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <atomic>

// What the editor selects and the processor keeps while it lives, never saved:
// the selected track (0..11, -1 for none) and the kit editor's selected tab
// (0..13, -1 for none). Both start at 0. Every change posts an empty message.
class PluginVolatileState : public SafeChangeBroadcaster
{
public:
    // Message thread.
    void setSelectedTrack (int trackIndex);
    void setSelectedTab (int tabIndex);

    // Any thread.
    int getSelectedTrack() const noexcept { return selectedTrack.load(); }
    int getSelectedTab() const noexcept { return selectedTab.load(); }

private:
    std::atomic<int> selectedTrack { 0 };
    std::atomic<int> selectedTab { 0 };
};
