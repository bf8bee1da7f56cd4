#include "model/storage/ByteOrder.h"
#include "model/storage/RangeCheck.h"
#include "model/storage/Serializer.h"

#include <cstdio>
#include <cstring>

namespace Vantu
{
namespace
{
using rangeCheck::s8;

// One checked 8-bit field of the settings record: printed name, member of
// the stored record, member of the in-memory record, range and default.
struct ByteField
{
    const char* name;
    std::uint8_t projectSettingsStorage_v2_t::*source;
    std::int32_t projectSettingsData_t::*target;
    int minimum, maximum, fallback;
};

constexpr ByteField byteFields[] = {
    { "src->patternTempoEnabled", &projectSettingsStorage_v2_t::patternTempoEnabled, &projectSettingsData_t::patternTempoEnabled, 0, 1, 1 },
    { "src->activeEditTrack", &projectSettingsStorage_v2_t::activeEditTrack, &projectSettingsData_t::activeEditTrack, 0, 12, 0 },
    { "src->activePlayTrack", &projectSettingsStorage_v2_t::activePlayTrack, &projectSettingsData_t::activePlayTrack, 0, 12, 0 },
    { "src->activeParamPage", &projectSettingsStorage_v2_t::activeParamPage, &projectSettingsData_t::activeParamPage, 0, 8, 0 },
    { "src->activeScalePage", &projectSettingsStorage_v2_t::activeScalePage, &projectSettingsData_t::activeScalePage, 0, 3, 0 },
    { "src->activeBank", &projectSettingsStorage_v2_t::activeBank, &projectSettingsData_t::activeBank, 0, 7, 0 },
    { "src->midiTurboSpeed", &projectSettingsStorage_v2_t::midiTurboSpeed, &projectSettingsData_t::midiTurboSpeed, 0, 11, 0 },
    { "src->keyboardActive", &projectSettingsStorage_v2_t::keyboardActive, &projectSettingsData_t::keyboardActive, 0, 1, 0 },
    { "src->activeSong", &projectSettingsStorage_v2_t::activeSong, &projectSettingsData_t::activeSong, 0, 15, 0 },
    { "src->songMode", &projectSettingsStorage_v2_t::songMode, &projectSettingsData_t::songMode, 0, 2, 0 },
    { "src->clickEnabled", &projectSettingsStorage_v2_t::clickEnabled, &projectSettingsData_t::clickEnabled, 0, 1, 0 },
    { "src->clickNumerator", &projectSettingsStorage_v2_t::clickNumerator, &projectSettingsData_t::clickNumerator, 0, 15, 3 },
    { "src->clickDenominator", &projectSettingsStorage_v2_t::clickDenominator, &projectSettingsData_t::clickDenominator, 0, 4, 2 },
    { "src->clickPreroll", &projectSettingsStorage_v2_t::clickPreroll, &projectSettingsData_t::clickPreroll, 0, 16, 0 },
    { "src->clickTonalEnabled", &projectSettingsStorage_v2_t::clickTonalEnabled, &projectSettingsData_t::clickTonalEnabled, 0, 1, 0 },
    { "src->midiOutPortCfg", &projectSettingsStorage_v2_t::midiOutPortCfg, &projectSettingsData_t::midiOutPortCfg, 0, 2, 0 },
    { "src->midiThruPortCfg", &projectSettingsStorage_v2_t::midiThruPortCfg, &projectSettingsData_t::midiThruPortCfg, 0, 2, 0 },
    { "src->midiInputFilter", &projectSettingsStorage_v2_t::midiInputFilter, &projectSettingsData_t::midiInputFilter, 0, 3, 3 },
    { "src->midiOutputFilter", &projectSettingsStorage_v2_t::midiOutputFilter, &projectSettingsData_t::midiOutputFilter, 0, 3, 1 },
    { "src->midiEncoderOutputType", &projectSettingsStorage_v2_t::midiEncoderOutputType, &projectSettingsData_t::midiEncoderOutputType, 0, 1, 0 },
    { "src->midiSyncIn", &projectSettingsStorage_v2_t::midiSyncIn, &projectSettingsData_t::midiSyncIn, 0, 1, 1 },
    { "src->midiSyncOut", &projectSettingsStorage_v2_t::midiSyncOut, &projectSettingsData_t::midiSyncOut, 0, 1, 0 },
    { "src->midiTransportIn", &projectSettingsStorage_v2_t::midiTransportIn, &projectSettingsData_t::midiTransportIn, 0, 1, 1 },
    { "src->midiTransportOut", &projectSettingsStorage_v2_t::midiTransportOut, &projectSettingsData_t::midiTransportOut, 0, 1, 0 },
    { "src->midiProgramChangeIn", &projectSettingsStorage_v2_t::midiProgramChangeIn, &projectSettingsData_t::midiProgramChangeIn, 0, 1, 0 },
    { "src->midiProgramChangeOut", &projectSettingsStorage_v2_t::midiProgramChangeOut, &projectSettingsData_t::midiProgramChangeOut, 0, 1, 0 },
    { "src->midiNoteInputEnabled", &projectSettingsStorage_v2_t::midiNoteInputEnabled, &projectSettingsData_t::midiNoteInputEnabled, 0, 1, 1 },
    { "src->midiParamInputEnabled", &projectSettingsStorage_v2_t::midiParamInputEnabled, &projectSettingsData_t::midiParamInputEnabled, 0, 1, 1 },
    { "src->midiNoteOutputConf", &projectSettingsStorage_v2_t::midiNoteOutputConf, &projectSettingsData_t::midiNoteOutputConf, 0, 2, 1 },
    { "src->midiEncoderOutputConf", &projectSettingsStorage_v2_t::midiEncoderOutputConf, &projectSettingsData_t::midiEncoderOutputConf, 0, 2, 1 },
    { "src->midiMuteOutputConf", &projectSettingsStorage_v2_t::midiMuteOutputConf, &projectSettingsData_t::midiMuteOutputConf, 0, 2, 1 },
    { "src->midiOutputToTrkChannel", &projectSettingsStorage_v2_t::midiOutputToTrkChannel, &projectSettingsData_t::midiOutputToTrkChannel, 0, 1, 0 },
    { "src->quantizedLiveRecord", &projectSettingsStorage_v2_t::quantizedLiveRecord, &projectSettingsData_t::quantizedLiveRecord, 0, 1, 0 },
    { "src->stepRecordMode", &projectSettingsStorage_v2_t::stepRecordMode, &projectSettingsData_t::stepRecordMode, 0, 1, 0 },
    { "src->usb_to_main_volume", &projectSettingsStorage_v2_t::usb_to_main_volume, &projectSettingsData_t::usbToMainVolume, 0, 3, 0 },
    { "src->dual_mono", &projectSettingsStorage_v2_t::dual_mono, &projectSettingsData_t::dualMono, 0, 1, 1 },
};

struct ChannelField
{
    const char* name;
    std::int8_t projectSettingsStorage_v2_t::*source;
    std::int32_t projectSettingsData_t::*target;
    int fallback;
};

constexpr ChannelField channelFields[] = {
    { "src->midiAutoChannel", &projectSettingsStorage_v2_t::midiAutoChannel, &projectSettingsData_t::midiAutoChannel, 9 },
    { "src->midiProgramChangeRxChannel", &projectSettingsStorage_v2_t::midiProgramChangeRxChannel, &projectSettingsData_t::midiProgramChangeRxChannel, -1 },
    { "src->midiProgramChangeTxChannel", &projectSettingsStorage_v2_t::midiProgramChangeTxChannel, &projectSettingsData_t::midiProgramChangeTxChannel, -1 },
};
} // namespace

bool Serializer::readSettings (projectSettingsData_t* dst, const projectSettingsStorage_v2_t* src)
{
    using rangeCheck::atLeast;
    using rangeCheck::checked;

    if (dst == nullptr || src == nullptr)
        return false;
    if (src->version != 2)
    {
        std::printf ("ERROR! Serializer::readSettings() Wrong version: %d\n", int (src->version));
        return false;
    }
    const auto& s = *src;

    dst->tempo = checked ("src->globalTempo", s.globalTempo, 3600, 36000, 14400);
    for (const auto& f : byteFields)
        dst->*f.target = checked (f.name, s8 (s.*f.source), f.minimum, f.maximum, f.fallback);

    dst->reserved = 0;
    dst->activePattern = atLeast ("src->activePattern", s.activePattern, 0, 0);
    dst->clickVolume = atLeast ("src->clickVolume", s.clickVolume, 0, 64);
    dst->clickPitch = atLeast ("src->clickPitch", s.clickPitch, 0, 64);
    dst->trackMuteMask = s.trackMuteMask;
    dst->trackSoloMask = 0;

    for (const auto& f : channelFields)
        dst->*f.target = checked (f.name, s.*f.source, -1, 15, f.fallback);
    for (int i = 0; i < 12; ++i)
        dst->midiChannel[i] = checked ("src->midiChannel[i]", s.midiChannel[i], -1, 15, i);
    dst->midiChannelFx = checked ("src->midiChannel[FX_TRACK]", s.midiChannel[FX_TRACK], -1, 15, 8);

    const int outputMode = s8 (s.pre_post_and_internal_output_mode);
    if (outputMode >= 32)
    {
        std::printf ("WARNING: '%s' > max value %d\n", "src->pre_post_and_internal_output_mode >> 4", 1);
        dst->outputModeHigh = 0;
    }
    else if (outputMode < 0)
    {
        std::printf ("WARNING: '%s' < min value %d\n", "src->pre_post_and_internal_output_mode >> 4", 0);
        dst->outputModeHigh = 0;
    }
    else
    {
        dst->outputModeHigh = outputMode >> 4;
    }
    dst->outputModeLow = checked ("src->pre_post_and_internal_output_mode & 15",
                                  s.pre_post_and_internal_output_mode & 15, 0, 2, 1);

    dst->settingsWord66 = s.settingsWord66;
    dst->settingsWord68 = s.settingsWord68;
    dst->trackMuteFromMainMask = static_cast<std::int16_t> (
        atLeast ("src->track_mute_from_main_mask", s.track_mute_from_main_mask, 0, 0));
    dst->trackMuteFromFxMask = static_cast<std::int16_t> (
        checked ("src->track_mute_from_fx_mask", s.track_mute_from_fx_mask, 0, 0x3FFF, 0));
    dst->globalLevels = static_cast<std::int16_t> (checked ("src->globalLevels", s.globalLevels, 0, 255, 0));
    for (int i = 0; i < 13; ++i)
    {
        const auto level = bytes::load<std::int16_t> (&s, offsetof (projectSettingsStorage_v2_t, trackLevel) + 2 * std::size_t (i));
        dst->trackLevel[i] = static_cast<std::int16_t> (checked ("src->trackLevel[i]", level, 0, 0x7F00, 25600));
    }
    std::memcpy (dst->settingsWords, reinterpret_cast<const std::uint8_t*> (&s) + offsetof (projectSettingsStorage_v2_t, settingsWords),
                 sizeof (dst->settingsWords));
    return true;
}
} // namespace Vantu
