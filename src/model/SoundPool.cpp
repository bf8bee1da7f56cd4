#include "model/SoundPool.h"

#include "foundation/Logger.h"

#include <algorithm>

SoundPoolCommon::SoundPoolCommon()
    : entries (SoundListing::poolSize)
{
}

std::vector<SoundPoolEntry> SoundPoolCommon::getEntries() const
{
    const juce::ScopedLock sl (lock);
    return entries;
}

void SoundPoolCommon::setEntries (const std::vector<SoundPoolEntry>& newEntries)
{
    const juce::ScopedLock sl (lock);

    if (newEntries.size() > entries.size())
        FH_LOG (spdlog::level::warn, "Sound pool listing holds {} entries; the {} beyond position {} are ignored",
                newEntries.size(), newEntries.size() - entries.size(), entries.size() - 1);

    const auto count = std::min (newEntries.size(), entries.size());
    for (std::size_t i = 0; i < count; ++i)
        entries[i] = newEntries[i];

    sendChangeMessage ({});
}
