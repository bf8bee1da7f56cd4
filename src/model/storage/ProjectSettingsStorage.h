#pragma once

#include <cstddef>
#include <cstdint>

// The device's project settings record, version 2 (512 bytes, data type 24).
namespace Vantu
{
#pragma pack(push, 1)

struct projectSettingsStorage_v2_t
{
    std::uint32_t version;
    std::uint16_t globalTempo;
    std::uint8_t patternTempoEnabled;
    std::uint8_t activeEditTrack;
    std::uint8_t activeParamPage;
    std::uint8_t activeScalePage;
    std::uint8_t activeBank;
    std::int8_t activePattern;
    std::uint16_t trackMuteMask;       // bit n = track n + 1, copied unchecked
    std::uint16_t unusedWord14;
    std::uint8_t midiTurboSpeed;
    std::uint8_t keyboardActive;
    std::uint8_t activeSong;
    std::uint8_t songMode;
    std::uint8_t clickEnabled;
    std::uint8_t clickNumerator;
    std::uint8_t clickDenominator;
    std::uint8_t clickPreroll;
    std::int8_t clickVolume;
    std::uint8_t clickTonalEnabled;
    std::int8_t clickPitch;
    std::int8_t midiAutoChannel;
    std::int8_t midiChannel[13];       // T1..T12, then FX_TRACK
    std::int8_t midiProgramChangeRxChannel;
    std::int8_t midiProgramChangeTxChannel;
    std::uint8_t midiOutPortCfg;
    std::uint8_t midiThruPortCfg;
    std::uint8_t midiInputFilter;
    std::uint8_t midiOutputFilter;
    std::uint8_t midiEncoderOutputType;
    std::uint8_t midiSyncIn;
    std::uint8_t midiSyncOut;
    std::uint8_t midiTransportIn;
    std::uint8_t midiTransportOut;
    std::uint8_t midiProgramChangeIn;
    std::uint8_t midiProgramChangeOut;
    std::uint8_t midiNoteInputEnabled;
    std::uint8_t midiParamInputEnabled;
    std::uint8_t unused56[2];
    std::uint8_t midiNoteOutputConf;
    std::uint8_t unused59;
    std::uint8_t midiEncoderOutputConf;
    std::uint8_t midiMuteOutputConf;
    std::uint8_t midiOutputToTrkChannel;
    std::uint8_t unused63;
    std::uint8_t quantizedLiveRecord;
    std::uint8_t pre_post_and_internal_output_mode;
    std::uint16_t settingsWord66;
    std::uint16_t settingsWord68;
    std::uint8_t usb_to_main_volume;
    std::int16_t track_mute_from_main_mask;
    std::int16_t track_mute_from_fx_mask;
    std::uint8_t stepRecordMode;
    std::uint8_t activePlayTrack;
    std::uint8_t dual_mono;
    std::uint8_t unused78;
    std::uint16_t globalLevels;
    std::int16_t trackLevel[13];
    std::uint16_t settingsWords[68];
    std::uint8_t unusedTail[269];
};

#pragma pack(pop)

inline constexpr int FX_TRACK = 12;

static_assert (sizeof (projectSettingsStorage_v2_t) == 512);
static_assert (offsetof (projectSettingsStorage_v2_t, globalTempo) == 4);
static_assert (offsetof (projectSettingsStorage_v2_t, activePattern) == 11);
static_assert (offsetof (projectSettingsStorage_v2_t, trackMuteMask) == 12);
static_assert (offsetof (projectSettingsStorage_v2_t, unusedWord14) == 14);
static_assert (offsetof (projectSettingsStorage_v2_t, midiTurboSpeed) == 16);
static_assert (offsetof (projectSettingsStorage_v2_t, clickVolume) == 24);
static_assert (offsetof (projectSettingsStorage_v2_t, midiAutoChannel) == 27);
static_assert (offsetof (projectSettingsStorage_v2_t, midiChannel) == 28);
static_assert (offsetof (projectSettingsStorage_v2_t, midiChannel[FX_TRACK]) == 40);
static_assert (offsetof (projectSettingsStorage_v2_t, midiProgramChangeRxChannel) == 41);
static_assert (offsetof (projectSettingsStorage_v2_t, midiOutPortCfg) == 43);
static_assert (offsetof (projectSettingsStorage_v2_t, midiParamInputEnabled) == 55);
static_assert (offsetof (projectSettingsStorage_v2_t, midiNoteOutputConf) == 58);
static_assert (offsetof (projectSettingsStorage_v2_t, midiEncoderOutputConf) == 60);
static_assert (offsetof (projectSettingsStorage_v2_t, midiOutputToTrkChannel) == 62);
static_assert (offsetof (projectSettingsStorage_v2_t, quantizedLiveRecord) == 64);
static_assert (offsetof (projectSettingsStorage_v2_t, pre_post_and_internal_output_mode) == 65);
static_assert (offsetof (projectSettingsStorage_v2_t, settingsWord66) == 66);
static_assert (offsetof (projectSettingsStorage_v2_t, settingsWord68) == 68);
static_assert (offsetof (projectSettingsStorage_v2_t, usb_to_main_volume) == 70);
static_assert (offsetof (projectSettingsStorage_v2_t, track_mute_from_main_mask) == 71);
static_assert (offsetof (projectSettingsStorage_v2_t, track_mute_from_fx_mask) == 73);
static_assert (offsetof (projectSettingsStorage_v2_t, stepRecordMode) == 75);
static_assert (offsetof (projectSettingsStorage_v2_t, activePlayTrack) == 76);
static_assert (offsetof (projectSettingsStorage_v2_t, dual_mono) == 77);
static_assert (offsetof (projectSettingsStorage_v2_t, globalLevels) == 79);
static_assert (offsetof (projectSettingsStorage_v2_t, trackLevel) == 81);
static_assert (offsetof (projectSettingsStorage_v2_t, settingsWords) == 107);
static_assert (offsetof (projectSettingsStorage_v2_t, unusedTail) == 243);
} // namespace Vantu
