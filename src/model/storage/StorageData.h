#pragma once

#include <cstdint>

// The in-memory records that the storage readers fill and the data objects
// apply. Plain structures; callers zero-fill them before a reader runs.
namespace Vantu
{
inline constexpr int kRuntimeSlots = 69;

struct soundModulationData_t
{
    std::int16_t depth;
    std::int16_t slot;
};

enum SoundModulationSource
{
    modVelocity = 0,
    modPitchBend,
    modModWheel,
    modBreath,
    modAftertouch
};

struct soundData_t
{
    std::uint32_t tags;
    char name[16];
    std::int16_t params[kRuntimeSlots];
    std::int8_t machineType;
    std::uint8_t velocityVolMode;
    std::uint8_t envResetMask;
    std::uint8_t filterKeyTracking;
    std::uint8_t transposable;
    std::uint8_t pitchbendDepth;
    std::int8_t transpose;
    soundModulationData_t modulation[5][4];
    std::int32_t playMode;
    std::int32_t monoNotePriority;
    std::uint8_t portamentoAmount;
    std::int32_t portamentoType;
    std::int32_t portamentoStyle;
    std::int32_t portamentoSlope;
    std::int32_t portamentoGating;
};

struct midiParameterData_t
{
    std::int16_t params[kRuntimeSlots];
    std::int32_t extra;
};

struct kitTrigData_t
{
    std::int8_t paramIdx;
    std::int16_t trackParamIndex[13];   // T1..T12, effects track
    std::int8_t trig;
    std::int16_t values[4];
};

struct kitData_t
{
    char name[16];
    std::int16_t trackLevel[13];
    soundData_t sounds[12];
    std::int16_t fxParams[kRuntimeSlots];
    midiParameterData_t midiParams[12];
    std::int16_t trackMuteFromMainMask;
    std::int16_t trackMuteFromFxMask;
    std::uint16_t thirdMask;
    kitTrigData_t trigs[4];
};

struct projectSettingsData_t
{
    std::int32_t tempo;
    std::int32_t patternTempoEnabled;
    std::int32_t activeEditTrack;
    std::int32_t activePlayTrack;
    std::int32_t activeParamPage;
    std::int32_t reserved;              // left 0 by the reader
    std::int32_t activeScalePage;
    std::int32_t activeBank;
    std::int32_t activePattern;
    std::int32_t trackMuteMask;
    std::int32_t trackSoloMask;         // always 0
    std::int32_t activeSong;
    std::int32_t songMode;
    std::int32_t midiTurboSpeed;
    std::int32_t keyboardActive;
    std::int32_t clickEnabled;
    std::int32_t clickNumerator;
    std::int32_t clickDenominator;
    std::int32_t clickPreroll;
    std::int32_t clickVolume;
    std::int32_t clickTonalEnabled;
    std::int32_t clickPitch;
    std::int32_t midiAutoChannel;
    std::int32_t midiChannel[12];
    std::int32_t midiChannelFx;
    std::int32_t midiProgramChangeRxChannel;
    std::int32_t midiProgramChangeTxChannel;
    std::int32_t midiOutPortCfg;
    std::int32_t midiThruPortCfg;
    std::int32_t midiInputFilter;
    std::int32_t midiOutputFilter;
    std::int32_t midiEncoderOutputType;
    std::int32_t midiSyncIn;
    std::int32_t midiSyncOut;
    std::int32_t midiTransportIn;
    std::int32_t midiTransportOut;
    std::int32_t midiProgramChangeIn;
    std::int32_t midiProgramChangeOut;
    std::int32_t midiNoteInputEnabled;
    std::int32_t midiParamInputEnabled;
    std::int32_t midiNoteOutputConf;
    std::int32_t midiEncoderOutputConf;
    std::int32_t midiMuteOutputConf;
    std::int32_t midiOutputToTrkChannel;
    std::int32_t quantizedLiveRecord;
    std::int32_t stepRecordMode;
    std::int32_t outputModeHigh;
    std::int32_t outputModeLow;
    std::int32_t settingsWord66;
    std::int32_t settingsWord68;
    std::int32_t usbToMainVolume;
    std::int16_t trackMuteFromMainMask;
    std::int16_t trackMuteFromFxMask;
    std::int32_t dualMono;
    std::int16_t globalLevels;
    std::int16_t trackLevel[13];
    std::uint16_t settingsWords[68];    // settings words at 107..242, in order
};
} // namespace Vantu
