#pragma once

#include "model/Fx.h"
#include "model/Sound.h"
#include "model/VantuDataObject.h"
#include "model/storage/StorageData.h"

#include <memory>
#include <vector>

class ParameterSink;

namespace Vantu
{
// The device's current kit: the kit-wide values (name, per-track levels and
// pattern mutes, mute masks), the twelve track sounds and the effects block.
// Level changes go out as parameter writes of data type 14, pattern mutes as
// 36; the kit name as its 16-byte record (data type 15), sent at once.
class Kit : public VantuDataObject
{
public:
    static constexpr int numTracks = 12;

    // sink: the way to the device (may be null: nothing is sent).
    explicit Kit (ParameterSink* sink);
    ~Kit() override;

    // The sound of a track; the index is clamped to 0..11.
    Sound* getSound (int index) const;
    Fx& getFx() { return fx; }

    // "TRK 1".."TRK 12", "FX" for 12; empty outside 0..12.
    static juce::String trackName (int index);
    // "Kit_TrackLevel1".."Kit_TrackLevel12", "Kit_TrackLevelFx"; empty outside 0..12.
    static const juce::Identifier& trackLevelId (int track);
    // "Kit_TrackPatternMute1".."12"; empty outside 0..11.
    static const juce::Identifier& trackPatternMuteId (int track);

    // The track name, for T1..T12 followed by " - " and the sound's name.
    juce::String getTrackDisplayName (int track) const;

    // A kit read from the device, stored without echo; always true. Job thread.
    bool applyStorage (const kitData_t& kit);

    bool transmitParameter (const juce::Identifier& id) override;

    // Sends the kit name record now; false without a name or when the send fails.
    bool transmitKit();

private:
    Fx fx;
    std::vector<std::unique_ptr<Sound>> sounds;
};
} // namespace Vantu
