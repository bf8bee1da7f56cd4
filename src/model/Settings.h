#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "model/VantuDataObject.h"
#include "model/storage/StorageData.h"

class ParameterSink;

namespace Vantu
{
// The device's project-wide settings that the editor shows: the active edit
// track, every track's mute, solo and mixer level, the external input mode and
// the global mix mode. Each change travels as a parameter write of data type
// 25. Change listeners are told (on the message thread) after each settings
// record applied from the device.
class Settings : public VantuDataObject, public SafeChangeBroadcaster
{
public:
    explicit Settings (ParameterSink* sink);
    ~Settings() override;

    // "Settings_TrackMute1".."12" / "Settings_TrackSolo1".."12" (0..11), and
    // "Settings_TrackLevel1".."12", "Settings_TrackLevelFX" (0..12); empty otherwise.
    static const juce::Identifier& trackMuteId (int track);
    static const juce::Identifier& trackSoloId (int track);
    static const juce::Identifier& trackLevelId (int track);

    // A settings record read from the device, stored without echo; always true. Job thread.
    bool applyStorage (const projectSettingsData_t& settings);

    bool transmitParameter (const juce::Identifier& id) override;
};
} // namespace Vantu
