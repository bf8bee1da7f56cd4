#include "processor/SynthPluginState.h"

#include "foundation/Logger.h"

namespace
{
// The characters the framework's base64 decoder takes as letters ('+' to 'z');
// everything else between them is skipped.
bool isBase64Letter (juce::juce_wchar c)
{
    return c >= '+' && c <= 'z';
}

// Letters the framework writes for a block of byteCount bytes.
juce::int64 lettersForBytes (juce::int64 byteCount)
{
    return (byteCount * 8 + 5) / 6;
}
} // namespace

bool decodeBase64Block (const juce::String& text, juce::MemoryBlock& block)
{
    const int dot = text.indexOfChar ('.');
    if (dot <= 0 || dot > 15)
        return false;

    const auto count = text.substring (0, dot);
    if (! count.containsOnly ("0123456789"))
        return false;

    juce::int64 letters = 0;
    for (auto p = text.getCharPointer() + dot + 1; ! p.isEmpty(); ++p)
        if (isBase64Letter (*p))
            ++letters;

    if (letters != lettersForBytes (count.getLargeIntValue()))
        return false;
    return block.fromBase64Encoding (text);
}

void SynthPluginState::stateLoaded()
{
    sendChangeMessage (PluginStateIds::root.toString());
}

void SynthPluginState::upgradeAndSetDefaults()
{
    PluginState::upgradeAndSetDefaults();

    auto node = getOrCreateSettingsNode();
    migrateSyncMode (node);
    migrateAutoSyncFlag (node);

    setDefault (node, PluginStateIds::syncMode, clockAndTransport);
    setDefault (node, PluginStateIds::totalRecallAutoSyncEnabled, false);
    setDefault (node, PluginStateIds::totalRecallTimestamp, static_cast<juce::int64> (0));
    setDefault (node, PluginStateIds::totalRecallDataCompressed, juce::String());
    setDefault (node, PluginStateIds::totalRecallSessionId, 0);
    for (const auto& key : PluginStateIds::audioInputRouting)
        setDefault (node, key, notRouted);
    setDefault (node, PluginStateIds::openedKeyboard, false);
}

void SynthPluginState::migrateSyncMode (juce::ValueTree& node)
{
    using namespace PluginStateIds;
    if (! node.hasProperty (seqSyncEnabled) || ! node.hasProperty (seqSyncSppEnabled))
        return;

    const bool sync = node.getProperty (seqSyncEnabled);
    const bool songPosition = node.getProperty (seqSyncSppEnabled);
    const int mode = ! sync ? clockOnly : (songPosition ? clockTransportAndSongPosition : clockAndTransport);
    node.setProperty (syncMode, mode, nullptr);
    node.removeProperty (seqSyncEnabled, nullptr);
    node.removeProperty (seqSyncSppEnabled, nullptr);
}

void SynthPluginState::migrateAutoSyncFlag (juce::ValueTree& node)
{
    // Older versions stored the auto-sync flag under the tree's own type name.
    if (! node.hasProperty (PluginStateIds::root))
        return;

    FH_LOG (spdlog::level::debug, "Correcting property ID for TotalRecallAutoSyncEnabled");
    node.setProperty (PluginStateIds::totalRecallAutoSyncEnabled, node.getProperty (PluginStateIds::root), nullptr);
    node.removeProperty (PluginStateIds::root, nullptr);
}

bool SynthPluginState::hasTotalRecallData() const
{
    if (getIntProperty (PluginStateIds::totalRecallSessionId, 0) == 0)
        return false;

    const juce::ScopedLock sl (lock);
    const auto node = findSettingsNode();
    return node.hasProperty (PluginStateIds::totalRecallDataCompressed)
           && node.getProperty (PluginStateIds::totalRecallDataCompressed).toString().isNotEmpty();
}

bool SynthPluginState::getTotalRecallData (juce::MemoryBlock& image) const
{
    juce::String text;
    {
        const juce::ScopedLock sl (lock);
        text = findSettingsNode().getProperty (PluginStateIds::totalRecallDataCompressed).toString();
    }
    if (text.isEmpty())
        return false;

    if (! decodeBase64Block (text, image))
        FH_LOG (spdlog::level::err, "Error decoding base64 total recall data");
    return image.getSize() > 0;
}

void SynthPluginState::setTotalRecallData (const juce::MemoryBlock& image)
{
    const auto text = image.toBase64Encoding();

    const juce::ScopedLock sl (lock);
    getOrCreateSettingsNode().setProperty (PluginStateIds::totalRecallDataCompressed, text, nullptr);
    setInt64Property (PluginStateIds::totalRecallTimestamp, image.getSize() > 0 ? juce::Time::currentTimeMillis() : 0);
    sendChangeMessage (PluginStateIds::totalRecallDataCompressed.toString());
}

int SynthPluginState::getAudioInputRouting (int input) const
{
    if (input < 0 || input >= numRoutedInputs)
        return notRouted;
    return getIntProperty (PluginStateIds::audioInputRouting[static_cast<std::size_t> (input)], notRouted);
}

void SynthPluginState::setAudioInputRouting (int input, int target)
{
    if (input < 0 || input >= numRoutedInputs)
        return;

    // Held for the whole change, so no other writer sees a device input held twice.
    const juce::ScopedLock sl (lock);
    if (target >= 0)
        for (int other = 0; other < numRoutedInputs; ++other)
            if (other != input && getAudioInputRouting (other) == target)
                setAudioInputRouting (other, notRouted);

    setIntProperty (PluginStateIds::audioInputRouting[static_cast<std::size_t> (input)], target);
}
