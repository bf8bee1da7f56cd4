#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "model/SoundBrowserInterfaces.h"
#include "model/SoundListingEntries.h"

#include <vector>

// The listing of the project's 128 sound pool positions. Written on job
// threads, read anywhere; every access holds the recursive lock and readers get
// copies. Each replacement sends one (empty) change message.
class SoundPoolCommon : public SafeChangeBroadcaster
{
public:
    SoundPoolCommon();

    // Any thread: a copy of the 128 entries.
    std::vector<SoundPoolEntry> getEntries() const;

    // Any thread: copies the given entries into positions 0 onward and sends one
    // change message. Entries beyond the pool's 128 positions are dropped with a log line.
    void setEntries (const std::vector<SoundPoolEntry>& newEntries);

    juce::CriticalSection& getLock() const noexcept { return lock; }

protected:
    mutable juce::CriticalSection lock;
    std::vector<SoundPoolEntry> entries;
};

// The pool as the sound browser sees it: its owner carries out the pool commands.
class SoundPool : public SoundPoolCommon
{
public:
    explicit SoundPool (VorezurIoundPoolIfc* ownerToUse) : owner (ownerToUse) {}

    VorezurIoundPoolIfc* getOwner() const noexcept { return owner; }

private:
    VorezurIoundPoolIfc* owner;
};
