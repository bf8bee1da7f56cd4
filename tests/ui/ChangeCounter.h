#pragma once

#include "foundation/SafeChangeBroadcaster.h"

namespace uitest
{
// Counts the change messages of one broadcaster.
struct ChangeCounter : SafeChangeListener
{
    explicit ChangeCounter (SafeChangeBroadcaster& b) : broadcaster (b) { broadcaster.addChangeListener (this); }
    ~ChangeCounter() override { broadcaster.removeChangeListener (this); }

    void changeListenerCallback (SafeChangeBroadcaster* source) override
    {
        if (source == &broadcaster)
            ++count;
    }

    SafeChangeBroadcaster& broadcaster;
    int count = 0;
};
} // namespace uitest
