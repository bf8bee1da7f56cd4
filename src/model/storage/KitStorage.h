#pragma once

#include "model/storage/SoundStorage.h"

#include <cstddef>
#include <cstdint>

// The device's kit storage records, versions 0 to 7. Kit versions 0 to 2
// embed sound version 0, kit 3 sound 1, kits 4 to 6 sounds 2 to 4 and kit 7
// sound 5. Version 0 has no type of its own; it shares the layout of
// versions 1 and 2.
namespace Vantu
{
inline constexpr int kKitTracks = 12;
inline constexpr int kKitTrackLevels = 13;   // T1..T12 and the effects track
inline constexpr int kKitTrigEntries = 4;

#pragma pack(push, 1)

// Effects parameter block: version 0 in kit versions 0 to 6, 1 in kit 7.
struct kitFxParams_t
{
    std::uint32_t version;
    std::int16_t params[72];
    std::uint8_t carried[8];
};

// One track's MIDI parameter block (version always 0).
struct kitMidiParams_t
{
    std::uint32_t version;
    std::int16_t params[72];
    std::uint16_t extra;
    std::uint8_t carried[6];
};

struct kitTrigEntry_t
{
    std::uint8_t param_idx;
    std::uint8_t trig;
    std::uint16_t values[4];   // only the low byte counts, read as int8
};

struct kitStorage_v1_t
{
    std::uint32_t version;
    char name[16];
    std::int16_t trackLevel[kKitTrackLevels];
    std::uint8_t sounds[kKitTracks][kSoundSizeV0];
    kitFxParams_t fxParams;
    kitMidiParams_t midiParams[kKitTracks];
    std::int16_t track_mute_from_main_mask;
    std::int16_t track_mute_from_fx_mask;
    std::uint16_t thirdMask;
    std::uint8_t tail[224];
};

struct kitStorage_v2_t : kitStorage_v1_t
{
};

struct kitStorage_v3_t
{
    std::uint32_t version;
    char name[16];
    std::int16_t trackLevel[kKitTrackLevels];
    soundStorage_v1_t sounds[kKitTracks];
    kitFxParams_t fxParams;
    kitMidiParams_t midiParams[kKitTracks];
    std::int16_t track_mute_from_main_mask;
    std::int16_t track_mute_from_fx_mask;
    std::uint16_t thirdMask;
    kitTrigEntry_t trigs[kKitTrigEntries];
    std::uint8_t tail[312];
};

// Versions 4, 5 and 6 embed sounds of version 2, 3 and 4, all 244 bytes.
struct kitStorage_v4_t
{
    std::uint32_t version;
    char name[16];
    std::int16_t trackLevel[kKitTrackLevels];
    soundStorage_v2_t sounds[kKitTracks];
    kitFxParams_t fxParams;
    kitMidiParams_t midiParams[kKitTracks];
    std::int16_t track_mute_from_main_mask;
    std::int16_t track_mute_from_fx_mask;
    std::uint16_t thirdMask;
    kitTrigEntry_t trigs[kKitTrigEntries];
    std::uint8_t tail[72];
};

struct kitStorage_v5_t
{
    std::uint32_t version;
    char name[16];
    std::int16_t trackLevel[kKitTrackLevels];
    soundStorage_v3_t sounds[kKitTracks];
    kitFxParams_t fxParams;
    kitMidiParams_t midiParams[kKitTracks];
    std::int16_t track_mute_from_main_mask;
    std::int16_t track_mute_from_fx_mask;
    std::uint16_t thirdMask;
    kitTrigEntry_t trigs[kKitTrigEntries];
    std::uint8_t tail[72];
};

struct kitStorage_v6_t
{
    std::uint32_t version;
    char name[16];
    std::int16_t trackLevel[kKitTrackLevels];
    soundStorage_v4_t sounds[kKitTracks];
    kitFxParams_t fxParams;
    kitMidiParams_t midiParams[kKitTracks];
    std::int16_t track_mute_from_main_mask;
    std::int16_t track_mute_from_fx_mask;
    std::uint16_t thirdMask;
    kitTrigEntry_t trigs[kKitTrigEntries];
    std::uint8_t tail[72];
};

struct kitStorage_v7_t
{
    std::uint32_t version;
    char name[16];
    std::int16_t trackLevel[kKitTrackLevels];
    soundStorage_v5_t sounds[kKitTracks];
    kitFxParams_t fxParams;
    kitMidiParams_t midiParams[kKitTracks];
    std::int16_t track_mute_from_main_mask;
    std::int16_t track_mute_from_fx_mask;
    std::uint16_t thirdMask;
    kitTrigEntry_t trigs[kKitTrigEntries];
    std::uint8_t tail[500];
};

#pragma pack(pop)

// Where each part of a kit record lies, by kit version.
struct KitLayout
{
    std::uint32_t version;
    std::size_t size;
    std::uint32_t soundVersion;
    std::size_t soundSize;
    std::size_t fxParams;
    std::size_t midiParams;
    std::size_t masks;       // main mask; FX mask at +2, third word at +4
    std::size_t trigs;       // 0 when the version has no trig entries
    std::size_t tail;
};

namespace kitOffsets
{
    inline constexpr std::size_t version = 0;
    inline constexpr std::size_t name = 4;
    inline constexpr std::size_t trackLevel = 20;
    inline constexpr std::size_t sounds = 46;
} // namespace kitOffsets

// The layout of a kit version, or nullptr for an unknown version.
const KitLayout* kitLayout (std::uint32_t version) noexcept;

inline constexpr std::size_t kKitSizeV0 = 4608;
inline constexpr std::size_t kKitSizeV3 = 5120;
inline constexpr std::size_t kKitSizeV7 = 5632;

static_assert (sizeof (kitFxParams_t) == 156);
static_assert (sizeof (kitMidiParams_t) == 156);
static_assert (offsetof (kitMidiParams_t, extra) == 148);
static_assert (offsetof (kitMidiParams_t, carried) == 150);
static_assert (offsetof (kitFxParams_t, carried) == 148);
static_assert (sizeof (kitTrigEntry_t) == 10);
static_assert (offsetof (kitTrigEntry_t, values) == 2);

static_assert (sizeof (kitStorage_v1_t) == 4608);
static_assert (sizeof (kitStorage_v2_t) == 4608);
static_assert (sizeof (kitStorage_v3_t) == 5120);
static_assert (sizeof (kitStorage_v4_t) == 5120);
static_assert (sizeof (kitStorage_v5_t) == 5120);
static_assert (sizeof (kitStorage_v6_t) == 5120);
static_assert (sizeof (kitStorage_v7_t) == 5632);

#define FH_KIT_COMMON_OFFSETS(T)                                   \
    static_assert (offsetof (T, version) == 0);                    \
    static_assert (offsetof (T, name) == 4);                       \
    static_assert (offsetof (T, trackLevel) == 20);                \
    static_assert (offsetof (T, sounds) == 46);

FH_KIT_COMMON_OFFSETS (kitStorage_v1_t)
FH_KIT_COMMON_OFFSETS (kitStorage_v3_t)
FH_KIT_COMMON_OFFSETS (kitStorage_v4_t)
FH_KIT_COMMON_OFFSETS (kitStorage_v5_t)
FH_KIT_COMMON_OFFSETS (kitStorage_v6_t)
FH_KIT_COMMON_OFFSETS (kitStorage_v7_t)
#undef FH_KIT_COMMON_OFFSETS

static_assert (offsetof (kitStorage_v1_t, fxParams) == 2350);
static_assert (offsetof (kitStorage_v1_t, midiParams) == 2506);
static_assert (offsetof (kitStorage_v1_t, track_mute_from_main_mask) == 4378);
static_assert (offsetof (kitStorage_v1_t, track_mute_from_fx_mask) == 4380);
static_assert (offsetof (kitStorage_v1_t, thirdMask) == 4382);
static_assert (offsetof (kitStorage_v1_t, tail) == 4384);

static_assert (offsetof (kitStorage_v3_t, fxParams) == 2734);
static_assert (offsetof (kitStorage_v3_t, midiParams) == 2890);
static_assert (offsetof (kitStorage_v3_t, track_mute_from_main_mask) == 4762);
static_assert (offsetof (kitStorage_v3_t, track_mute_from_fx_mask) == 4764);
static_assert (offsetof (kitStorage_v3_t, thirdMask) == 4766);
static_assert (offsetof (kitStorage_v3_t, trigs) == 4768);
static_assert (offsetof (kitStorage_v3_t, tail) == 4808);

#define FH_KIT_V4_OFFSETS(T)                                           \
    static_assert (offsetof (T, fxParams) == 2974);                    \
    static_assert (offsetof (T, midiParams) == 3130);                  \
    static_assert (offsetof (T, track_mute_from_main_mask) == 5002);   \
    static_assert (offsetof (T, track_mute_from_fx_mask) == 5004);     \
    static_assert (offsetof (T, thirdMask) == 5006);                   \
    static_assert (offsetof (T, trigs) == 5008);                       \
    static_assert (offsetof (T, tail) == 5048);

FH_KIT_V4_OFFSETS (kitStorage_v4_t)
FH_KIT_V4_OFFSETS (kitStorage_v5_t)
FH_KIT_V4_OFFSETS (kitStorage_v6_t)
#undef FH_KIT_V4_OFFSETS

static_assert (offsetof (kitStorage_v7_t, fxParams) == 3058);
static_assert (offsetof (kitStorage_v7_t, midiParams) == 3214);
static_assert (offsetof (kitStorage_v7_t, track_mute_from_main_mask) == 5086);
static_assert (offsetof (kitStorage_v7_t, track_mute_from_fx_mask) == 5088);
static_assert (offsetof (kitStorage_v7_t, thirdMask) == 5090);
static_assert (offsetof (kitStorage_v7_t, trigs) == 5092);
static_assert (offsetof (kitStorage_v7_t, tail) == 5132);
} // namespace Vantu
