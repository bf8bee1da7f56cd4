#include "model/tables/MachineTables.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    // The tracks each machine group may run, as the device documents them
    // (independent of the mask table): T1..T8 digital, T9..T11 analog drums
    // and synths, T12 hats and cymbals, a few on several.
    bool expectedAllowed (int type, int track)
    {
        const bool digital = track >= 0 && track <= 7;
        const bool analog = track >= 8 && track <= 10;
        const bool t12 = track == 11;
        if ((type >= 0 && type <= 7) || (type >= 36 && type <= 38)) return digital;
        if ((type >= 8 && type <= 20) || type == 39) return analog;
        if (type >= 22 && type <= 31) return t12;
        if (type >= 32 && type <= 34) return analog || t12;
        if (type == 35) return digital || analog || t12;
        return false;   // 21 and everything out of range
    }
}

TEST (MachineTables, AllowedOnTrackTruthTable)
{
    for (int type = -2; type <= 41; ++type)
        for (int track = -2; track <= 13; ++track)
            EXPECT_EQ (machineAllowedOnTrack (type, track), expectedAllowed (type, track))
                << "type " << type << " track " << track;

    EXPECT_FALSE (machineAllowedOnTrack (0x7fffffff, 0));
    EXPECT_FALSE (machineAllowedOnTrack (35, -0x7fffffff));
}

TEST (MachineTables, TrackMaskBits)
{
    const int bits[] = { 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3 };
    for (int track = 0; track < 12; ++track)
        EXPECT_EQ (trackMaskBit (track), bits[track]);
    EXPECT_EQ (trackMaskBit (-1), -1);
    EXPECT_EQ (trackMaskBit (12), -1);
    EXPECT_EQ (trackName (0), "T1");
    EXPECT_EQ (trackName (11), "T12");
    EXPECT_EQ (trackName (12), "");
}

TEST (MachineTables, NamesCodesAndHints)
{
    struct Case { int type; const char* display; const char* code; const char* mixed; int hint; unsigned mask; };
    const Case cases[] = {
        { 0, "BD MODERN", "BDMD", "BD Modern", 0, 0xFF0 },
        { 7, "CP VINTAGE", "CPVN", "CP Vintage", 7, 0xFF0 },
        { 20, "SY DUAL VCO", "DVCO", "Dual VCO", 0, 0x007 },
        { 21, "CP CLASSIC", "CPCL", "CP Classic", 3, 0x000 },
        { 23, "OH CLASSIC ", "OHCL", "OH Classic ", 3, 0x008 },
        { 32, "UT NOISE", "NOIS", "Noisegen", -1, 0x00F },
        { 33, "UT IMPULSE", "PULS", "Impulse", -1, 0x00F },
        { 34, "DISABLE", "NONE", "Disable", -1, 0x00F },
        { 35, "MIDI", "MIDI", "MIDI", -1, 0xFFF },
        { 37, "SY BITS", "SYBI", "SY LOFI", 0, 0xFF0 },
        { 38, "SY SWARM", "SYSW", "SY SWARM", 0, 0xFF0 },
        { 39, "SY RAW", "SYRA", "SY RAW", 0, 0x007 },
    };
    for (const auto& c : cases)
    {
        const auto i = static_cast<std::size_t> (c.type);
        EXPECT_STREQ (MachineTypeInfo[i].displayName, c.display);
        EXPECT_STREQ (machineDisplayName (c.type), c.display);
        EXPECT_STREQ (MachineTypeInfo[i].code, c.code);
        EXPECT_EQ (machineNames[i], c.mixed);
        EXPECT_EQ (MachineTrackInfo[i].trackHint, c.hint);
        EXPECT_EQ (MachineTrackInfo[i].trackMask, c.mask);
    }
    EXPECT_STREQ (machineDisplayName (40), "ERROR");
    EXPECT_STREQ (machineDisplayName (-1), "ERROR");

    for (int type = 0; type < 40; ++type)
    {
        EXPECT_EQ (std::string (MachineTypeInfo[static_cast<std::size_t> (type)].code).size(), 4u) << type;
        const int hint = MachineTrackInfo[static_cast<std::size_t> (type)].trackHint;
        EXPECT_TRUE (hint >= -1 && hint <= 7) << type;   // no hint names T9..T12
    }
}

TEST (MachineTables, TagNames)
{
    const char* names[] = { "Kick", "Snare", "Rimshot", "Clap", "Tom", "Percussion", "Hi-Hat", "Cymbal",
                            "Cowbell", "Synth", "Bass", "Lead", "Pad", "Texture", "Chord", "Sound Fx",
                            "Electronic", "Metallic", "Acoustic", "Atmosphere", "Noisy", "Glitch", "Hard", "Soft",
                            "Dark", "Bright", "Vintage", "Epic", "Fail", "Loop", "Mine", "Favourite" };
    ASSERT_EQ (soundTagNames.size(), 32);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ (soundTagNames[i], names[i]) << i;

    EXPECT_EQ (soundTagNamesOfMask (0x80000000u), juce::StringArray ("Favourite"));
    EXPECT_EQ (soundTagNamesOfMask (0x3u), juce::StringArray ("Kick", "Snare"));
    EXPECT_TRUE (soundTagNamesOfMask (0).isEmpty());
    EXPECT_EQ (soundTagNamesOfMask (0xFFFFFFFFu), soundTagNames);
}
