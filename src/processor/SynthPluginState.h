#pragma once

#include "processor/PluginState.h"

#include <array>

// Keys of the device plug-in's state.
namespace PluginStateIds
{
inline const juce::Identifier syncMode { "SyncMode" };
inline const juce::Identifier totalRecallAutoSyncEnabled { "TotalRecallAutoSyncEnabled" };
inline const juce::Identifier totalRecallTimestamp { "TotalRecallTimestamp" };
inline const juce::Identifier totalRecallDataCompressed { "TotalRecallDataCompressed" };
inline const juce::Identifier totalRecallSessionId { "TotalRecallSessionId" };
inline const juce::Identifier openedKeyboard { "OpenedKeyboard" };
inline const juce::Identifier openedPads { "OpenedPads" };

// Sidechain input channel 0..7 -> its routing key.
inline const std::array<juce::Identifier, 8> audioInputRouting { "AudioInputRouting1", "AudioInputRouting2",
                                                                 "AudioInputRouting3", "AudioInputRouting4",
                                                                 "AudioInputRouting5", "AudioInputRouting6",
                                                                 "AudioInputRouting7", "AudioInputRouting8" };

// Keys of older versions, read only while upgrading.
inline const juce::Identifier seqSyncEnabled { "SeqSyncEnabled" };
inline const juce::Identifier seqSyncSppEnabled { "SeqSyncSppEnabled" };
} // namespace PluginStateIds

// The plug-in state of the device processor: sync mode, the total-recall image
// with its session and time stamp, the routing of the eight sidechain inputs onto
// the device's inputs and two flags of the editor's view. Upgrades trees written
// by older versions and announces a whole loaded state as "PluginSettings".
class SynthPluginState : public PluginState
{
public:
    static constexpr int numRoutedInputs = 8;
    static constexpr int notRouted = -1;

    // "SyncMode" values.
    enum SyncMode
    {
        noSync = 0,
        clockOnly = 1,
        clockAndTransport = 2,
        clockTransportAndSongPosition = 3
    };

    SynthPluginState() = default;

    // Posts "PluginSettings".
    void stateLoaded() override;

    // The base's defaults, the two migrations of older trees, then this class's
    // defaults (each key's name posted).
    void upgradeAndSetDefaults() override;

    // A session is stored ("TotalRecallSessionId" not 0) with a non-empty image text.
    bool hasTotalRecallData() const;

    // Decodes the stored image into image (the caller passes an empty block):
    // true when it then holds at least one byte. A text that is not the
    // framework's base64 form of a block, or whose byte count does not match its
    // letters, is logged and yields nothing; the stored text stays as it is.
    bool getTotalRecallData (juce::MemoryBlock& image) const;

    // Stores the image's base64 text and its time stamp (now, or 0 for an empty
    // image); posts "TotalRecallTimestamp", then "TotalRecallDataCompressed".
    void setTotalRecallData (const juce::MemoryBlock& image);

    // The device input (0.."Pre FX R") that sidechain input 0..7 feeds; -1 for
    // none and for an input outside 0..7.
    int getAudioInputRouting (int input) const;

    // Routes input 0..7 to target; a device input is held by one sidechain input
    // only, so another input holding target is set to -1 first (its key posted
    // first). -1 only clears. An input outside 0..7 changes and posts nothing.
    void setAudioInputRouting (int input, int target);

private:
    void migrateSyncMode (juce::ValueTree& node);
    void migrateAutoSyncFlag (juce::ValueTree& node);
};

// Decodes the framework's base64 form of a memory block ("<byte count>.<letters>")
// into block, after checking that the count is a plain decimal number that
// matches the number of letters. False, block untouched, for any other text.
bool decodeBase64Block (const juce::String& text, juce::MemoryBlock& block);
