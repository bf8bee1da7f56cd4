#pragma once

#include <cstddef>
#include <cstdint>

// The device's sound storage records, versions 0 to 5. Offsets are bytes from
// the start of the record; on the wire every multi-byte field is big-endian,
// after the wire factory the same offsets hold host-order values.
// Version 0 has no type of its own: it is read in place through the offsets
// in soundV0 below.
namespace Vantu
{
inline constexpr int kSoundParamWords = 72;     // parameter words at 28..171 in every version
inline constexpr int kSoundStoredParams = 54;   // words 0..53 carry parameters
inline constexpr int kModSources = 5;           // velocity, pitch bend, mod wheel, breath, aftertouch
inline constexpr int kModEntries = 4;           // entries A to D

#pragma pack(push, 1)

// One modulation entry of sound versions 2 to 5.
struct soundModEntry_t
{
    std::int16_t depth;
    std::uint8_t destination;   // storage-order word number 0..53
};

// One modulation entry of sound versions 0 and 1.
struct soundModEntryV1_t
{
    std::int8_t depth;
    std::uint8_t destination;
};

struct soundSetupParametersV1_t
{
    std::uint8_t machineType;
    std::uint8_t velocityVolMode;
    std::uint8_t envResetMask;
    std::uint8_t filterKeyTracking;
    std::uint8_t transposable;
    std::uint8_t pitchbend_depth;
};

struct soundSetupParameters_t
{
    std::uint8_t machineType;
    std::uint8_t velocityVolMode;
    std::uint8_t envResetMask;
    std::uint8_t filterKeyTracking;
    std::uint8_t transposable;
    std::uint8_t pitchbend_depth;
    std::int8_t transpose;
};

struct soundStorage_v1_t
{
    std::uint32_t leadingWord;
    std::uint32_t version;
    std::uint32_t tags;
    char name[16];
    std::int16_t params[kSoundParamWords];
    soundSetupParametersV1_t setupParameters;
    std::uint8_t pad[2];
    soundModEntryV1_t modulation[kModSources][kModEntries];
    std::uint32_t trailingWord;
};

// Version 2: offset 178 is still a pad byte (no transpose).
struct soundStorage_v2_t
{
    std::uint32_t leadingWord;
    std::uint32_t version;
    std::uint32_t tags;
    char name[16];
    std::int16_t params[kSoundParamWords];
    soundSetupParametersV1_t setupParameters;
    std::uint8_t pad[2];
    soundModEntry_t modulation[kModSources][kModEntries];
    std::uint32_t trailingWord;
};

// Versions 3 and 4 share one layout; they differ in the meaning of some words.
struct soundStorage_v3_t
{
    std::uint32_t leadingWord;
    std::uint32_t version;
    std::uint32_t tags;
    char name[16];
    std::int16_t params[kSoundParamWords];
    soundSetupParameters_t setupParameters;
    std::uint8_t pad;
    soundModEntry_t modulation[kModSources][kModEntries];
    std::uint32_t trailingWord;
};

struct soundStorage_v4_t : soundStorage_v3_t
{
};

struct soundStorage_v5_t
{
    std::uint32_t leadingWord;
    std::uint32_t version;
    std::uint32_t tags;
    char name[16];
    std::int16_t params[kSoundParamWords];
    soundSetupParameters_t setupParameters;
    std::uint8_t pad;
    soundModEntry_t modulation[kModSources][kModEntries];
    std::uint8_t playMode;
    std::uint8_t mono_note_priority;
    std::uint8_t portamentoAmount;
    std::uint8_t portamentoType;
    std::uint8_t portamentoStyle;
    std::uint8_t portamentoSlope;
    std::uint8_t portamentoGating;
    std::uint32_t trailingWord;
};

#pragma pack(pop)

// Offsets shared by every version.
namespace soundOffsets
{
    inline constexpr std::size_t leadingWord = 0;
    inline constexpr std::size_t version = 4;
    inline constexpr std::size_t tags = 8;
    inline constexpr std::size_t name = 12;
    inline constexpr std::size_t params = 28;
    inline constexpr std::size_t machineType = 172;
    inline constexpr std::size_t velocityVolMode = 173;
    inline constexpr std::size_t envResetMask = 174;
    inline constexpr std::size_t filterKeyTracking = 175;
    inline constexpr std::size_t transposable = 176;
    inline constexpr std::size_t pitchbendDepth = 177;
    inline constexpr std::size_t transpose = 178;
    inline constexpr std::size_t modulation = 180;
    inline constexpr std::size_t word (int k) { return params + 2 * std::size_t (k); }
} // namespace soundOffsets

// Version 0 (192 bytes, no type name): the header and words as above, setup
// bytes 172..176, pads 177..179, the velocity block in version-1 form at 180
// and the trailing word at 188.
namespace soundV0
{
    inline constexpr std::size_t size = 192;
    inline constexpr std::size_t velocity = 180;
    inline constexpr std::size_t trailingWord = 188;
} // namespace soundV0

inline constexpr std::size_t kSoundSizeV0 = 192;
inline constexpr std::size_t kSoundSizeV1 = 224;
inline constexpr std::size_t kSoundSizeV2 = 244;
inline constexpr std::size_t kSoundSizeV5 = 251;

// Byte size of a sound record of the given version, 0 for an unknown version.
constexpr std::size_t soundStorageSize (std::uint32_t version)
{
    switch (version)
    {
        case 0: return kSoundSizeV0;
        case 1: return kSoundSizeV1;
        case 2: case 3: case 4: return kSoundSizeV2;
        case 5: return kSoundSizeV5;
        default: return 0;
    }
}

static_assert (sizeof (soundModEntry_t) == 3);
static_assert (sizeof (soundModEntryV1_t) == 2);
static_assert (sizeof (soundStorage_v1_t) == 224);
static_assert (sizeof (soundStorage_v2_t) == 244);
static_assert (sizeof (soundStorage_v3_t) == 244);
static_assert (sizeof (soundStorage_v4_t) == 244);
static_assert (sizeof (soundStorage_v5_t) == 251);

#define FH_SOUND_COMMON_OFFSETS(T)                                           \
    static_assert (offsetof (T, leadingWord) == 0);                          \
    static_assert (offsetof (T, version) == 4);                              \
    static_assert (offsetof (T, tags) == 8);                                 \
    static_assert (offsetof (T, name) == 12);                                \
    static_assert (offsetof (T, params) == 28);                              \
    static_assert (offsetof (T, setupParameters) == 172);                    \
    static_assert (offsetof (T, setupParameters.pitchbend_depth) == 177);    \
    static_assert (offsetof (T, modulation) == 180);

FH_SOUND_COMMON_OFFSETS (soundStorage_v1_t)
FH_SOUND_COMMON_OFFSETS (soundStorage_v2_t)
FH_SOUND_COMMON_OFFSETS (soundStorage_v3_t)
FH_SOUND_COMMON_OFFSETS (soundStorage_v5_t)
#undef FH_SOUND_COMMON_OFFSETS

static_assert (offsetof (soundStorage_v1_t, pad) == 178);
static_assert (offsetof (soundStorage_v1_t, modulation[1]) == 188);
static_assert (offsetof (soundStorage_v1_t, modulation[4]) == 212);
static_assert (offsetof (soundStorage_v1_t, trailingWord) == 220);
static_assert (offsetof (soundStorage_v2_t, pad) == 178);
static_assert (offsetof (soundStorage_v2_t, modulation[1]) == 192);
static_assert (offsetof (soundStorage_v2_t, modulation[2]) == 204);
static_assert (offsetof (soundStorage_v2_t, modulation[3]) == 216);
static_assert (offsetof (soundStorage_v2_t, modulation[4]) == 228);
static_assert (offsetof (soundStorage_v2_t, trailingWord) == 240);
static_assert (offsetof (soundStorage_v3_t, setupParameters.transpose) == 178);
static_assert (offsetof (soundStorage_v3_t, pad) == 179);
static_assert (offsetof (soundStorage_v3_t, modulation[4]) == 228);
static_assert (offsetof (soundStorage_v3_t, trailingWord) == 240);
static_assert (offsetof (soundStorage_v5_t, setupParameters.transpose) == 178);
static_assert (offsetof (soundStorage_v5_t, pad) == 179);
static_assert (offsetof (soundStorage_v5_t, modulation[1]) == 192);
static_assert (offsetof (soundStorage_v5_t, modulation[4]) == 228);
static_assert (offsetof (soundStorage_v5_t, playMode) == 240);
static_assert (offsetof (soundStorage_v5_t, mono_note_priority) == 241);
static_assert (offsetof (soundStorage_v5_t, portamentoAmount) == 242);
static_assert (offsetof (soundStorage_v5_t, portamentoType) == 243);
static_assert (offsetof (soundStorage_v5_t, portamentoStyle) == 244);
static_assert (offsetof (soundStorage_v5_t, portamentoSlope) == 245);
static_assert (offsetof (soundStorage_v5_t, portamentoGating) == 246);
static_assert (offsetof (soundStorage_v5_t, trailingWord) == 247);
} // namespace Vantu
