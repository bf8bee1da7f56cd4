#pragma once

#include "model/VantuDataObject.h"
#include "model/storage/StorageData.h"
#include "model/storage/TransferRecords.h"

#include <atomic>

class ParameterSink;

namespace Vantu
{
// The sound of one track (T1 to T12): name, machine type, tags, the
// parameters of every machine type, the filter, amp and LFO pages, the
// performance modulation and the play settings. Table parameters travel as
// single parameter writes (data type 5); everything else inside the 96-byte
// sound setup record (data type 6), at most once per second.
class Sound : public VantuDataObject
{
public:
    static constexpr std::uint64_t setupRecordIntervalMs = 1000;

    // sink: the way to the device (may be null: nothing is sent). track 0..11.
    Sound (ParameterSink* sink, int track);
    ~Sound() override;

    int getTrack() const { return track; }

    // Transmit thread (parameter writes), or the thread that sets the name.
    bool transmitParameter (const juce::Identifier& id) override;

    // A sound read from the device, stored without echo; always true. Job thread.
    bool applyStorage (const soundData_t& sound);

    // A sound setup record received from the device (host order), stored
    // without echo through Vantu::applySoundSetup (DeviceRecordAppliers.h); its
    // byte 26 is kept and written back unchanged in the records this sound
    // sends. Always true. Job thread.
    bool applySoundSetup (const FhAsyncSoundSetupData& setup);

    // The setup record of the current values; false when a value it needs is missing.
    bool fillSoundSetup (FhAsyncSoundSetupData& out) const;

    // Depth and destination identifiers of a modulation source's slot A..D (0..3);
    // the empty identifier for any other slot.
    static const juce::Identifier& velocityDepthId (int slot);
    static const juce::Identifier& velocityDestinationId (int slot);
    static const juce::Identifier& pitchBendDepthId (int slot);
    static const juce::Identifier& pitchBendDestinationId (int slot);
    static const juce::Identifier& modWheelDepthId (int slot);
    static const juce::Identifier& modWheelDestinationId (int slot);
    static const juce::Identifier& breathDepthId (int slot);
    static const juce::Identifier& breathDestinationId (int slot);
    static const juce::Identifier& aftertouchDepthId (int slot);
    static const juce::Identifier& aftertouchDestinationId (int slot);

    // By source in the record's order (SoundModulationSource: velocity, pitch
    // bend, mod wheel, breath, aftertouch).
    static const juce::Identifier& modulationDepthId (int source, int slot);
    static const juce::Identifier& modulationDestinationId (int source, int slot);

private:
    bool sendSoundSetup (const FhAsyncSoundSetupData& record);

    const int track;
    // Byte 26 of the last setup record or sound the device sent; written back unchanged.
    std::atomic<std::uint8_t> lastTransposable { 0 };
};
} // namespace Vantu
