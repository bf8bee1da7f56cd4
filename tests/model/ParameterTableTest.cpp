#include "model/tables/ParameterTable.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace
{
    constexpr int none = 0xFFFF;

    // The lines the table functions log while it lives, each ended by a newline.
    class LoggedText
    {
    public:
        std::string take() const
        {
            std::string text;
            for (const auto& line : capture.lines())
                text += line + "\n";
            return text;
        }

    private:
        fhtest::ScopedLogCapture capture;
    };

    std::string buildAndCapture()
    {
        LoggedText logged;
        buildParameterMaps();
        return logged.take();
    }

    int countOf (const std::string& text, const std::string& part)
    {
        int n = 0;
        for (auto pos = text.find (part); pos != std::string::npos; pos = text.find (part, pos + 1))
            ++n;
        return n;
    }

    class ParameterMapsTest : public ::testing::Test
    {
    protected:
        static void SetUpTestSuite() { buildAndCapture(); }
    };
}

TEST (ParameterTable, CountsAndObjectIds)
{
    EXPECT_EQ (deviceParameterTable.size(), 454u);

    std::map<int, int> rowsPerGroup;
    std::set<int> objectIds;
    int addressed = 0;
    for (int r = 0; r < 454; ++r)
    {
        const auto& row = deviceParameterTable[static_cast<std::size_t> (r)];
        rowsPerGroup[row.group]++;
        ASSERT_GE (row.objectId, 0);
        ASSERT_LE (row.objectId, 707);
        if (row.objectId != 0)
        {
            ++addressed;
            EXPECT_TRUE (objectIds.insert (row.objectId).second) << "object id " << row.objectId << " twice";
            EXPECT_EQ (objectIdToParameterRow[static_cast<std::size_t> (row.objectId)], r);
        }
        EXPECT_LE (row.minimum, row.defaultValue) << r;
        EXPECT_LE (row.defaultValue, row.maximum) << r;
    }
    EXPECT_EQ (addressed, 425);
    for (int id = 0; id < 708; ++id)
    {
        if (objectIds.count (id) == 0)
        {
            EXPECT_EQ (objectIdToParameterRow[static_cast<std::size_t> (id)], 0) << id;
        }
    }

    const std::map<int, int> expected {
        { -1, 19 }, { 40, 14 }, { 42, 14 }, { 43, 2 }, { 44, 9 }, { 45, 10 }, { 47, 8 }, { 48, 10 }, { 49, 14 },
        { 50, 4 }, { 51, 8 }, { 52, 8 }, { 53, 8 }, { 54, 9 }, { 55, 9 }, { 56, 10 }, { 57, 1 }, { 58, 22 },
    };
    int machineRows = 0;
    for (const auto& [group, count] : rowsPerGroup)
    {
        if (group >= 0 && group <= 39)
            machineRows += count;
        else
            EXPECT_EQ (count, expected.at (group)) << group;
    }
    EXPECT_EQ (machineRows, 275);
    EXPECT_EQ (rowsPerGroup.count (41) + rowsPerGroup.count (46) + rowsPerGroup.count (34) + rowsPerGroup.count (35), 0u);
}

TEST (ParameterTable, SpotChecksAcrossAllGroups)
{
    struct Case
    {
        int row, group, slot, minimum, maximum, defaultValue, fine, ccMsb, ccLsb, nrpn, objectId;
        const char* name;
        const char* section;
        const char* shortName;
    };
    const Case cases[] = {
        { 0, -1, -1, 0, 0, 0, 0, none, none, -1, 0, "Error", "", "ERR" },
        { 1, -1, -1, 0, 0, 0, 1, 1, 33, -1, 1, "Error", "", "ERR" },
        { 6, -1, -1, 0, 0, 0, 0, 15, none, 128 + 103, 6, "Machine Type", "", "TYP" },
        { 10, -1, -1, 0, 32512, 25600, 0, 95, none, 128 + 100, 10, "Track Level", "", "LEV" },
        { 17, -1, -1, 16128, 16384, 16128, 0, 64, none, -1, 18, "Error", "", "ERR" },
        { 19, 57, 0, 0, 32512, 0, 0, none, none, -1, 35, "None", "", "---" },
        { 20, 56, 0, 0, 21504, 15360, 0, 3, none, 384, 40, "Trig Note", "", "NOTE" },
        { 24, 56, 3, -5888, 5888, 0, 0, none, none, -1, 43, "Micro Timing", "", "uTM" },
        { 34, 43, 52, 0, 32512, 9984, 0, 9, none, 384 + 7, 55, "Portamento Time", "Portamento", "PTIM" },
        { 35, 43, 53, 16128, 16384, 16128, 0, 65, none, 384 + 8, 56, "Portamento Enabled", "Portamento", "PORT" },
        { 45, 58, -1, 256, 32512, 32512, 0, none, none, -1, 0, "Modifier 4", "", "M4" },
        { 58, 42, 28, 0, 32512, 32512, 1, 74, none, 128 + 20, 60, "Frequency", "Filter", "FREQ" },
        { 62, 42, 27, 0, 1792, 0, 0, 76, none, 128 + 22, 63, "Filter Type", "Filter", "TYPE" },
        { 83, 40, 50, 0, 256, 256, 0, 87, none, 128 + 54, 0, "Mode", "Amp", "MODE" },
        { 84, 40, 50, 0, 256, 0, 0, 87, none, 128 + 54, 92, "Mode", "Amp", "MODE" },
        { 86, 54, 1, 0, 32766, 28672, 1, 102, 60, 128 + 32, 210, "Speed", "LFO1", "SPD" },
        { 94, 54, 2, 0, 2816, 256, 0, 103, none, 128 + 33, 218, "Multiplier", "LFO1", "MULT" },
        { 102, 55, 16, 0, 32766, 16384, 1, 119, 63, 128 + 47, 226, "Depth", "LFO2", "DEP" },
        { 104, 45, 17, 0, 32512, 5888, 1, 21, none, 256 + 0, 100, "Delay Time", "Delay", "TIME" },
        { 121, 44, 33, 0, 32512, 28160, 1, 92, none, 256 + 15, 116, "Mix Volume", "Reverb", "VOL" },
        { 124, 47, 35, 0, 32512, 0, 1, 16, none, 256 + 30, 170, "In Left/Right", "Ext-in", "IN LR" },
        { 133, 48, 44, 0, 1792, 0, 0, 72, none, 128 + 22, 182, "Filter Type", "Filter", "TYPE" },
        { 153, 49, 65, 0, 512, 0, 0, 87, none, 128 + 35, 202, "Mode", "Amp", "MODE" },
        { 155, 0, 18, 10240, 22528, 16384, 1, 17, none, 129, 301, "Tune", "BDMD", "TUNE" },
        { 197, 5, 20, 0, 9472, 768, 0, 21, none, 133, 353, "Mode/Chord", "SYCH", "TYPE" },
        { 236, 38, 19, 0, 32512, 5120, 1, 21, none, 133, 701, "Noise Modulation", "SSAW", "NMOD" },
        { 242, 38, 25, 0, 32512, 19200, 0, 20, none, 132, 707, "Decay", "SSAW", "DEC" },
        { 246, 51, 21, 0, 16384, 8192, 1, none, none, -1, 123, "Pitch Bend", "Src", "PB" },
        { 251, 52, 25, 0, 32512, 0, 0, 70, none, 128 + 16, 130, "CC1 Value", "CC", "VAL1" },
        { 266, 53, 40, 256, 30464, 19712, 0, none, none, -1, 147, "CC8 Select", "", "SEL8" },
        { 371, 21, 17, 0, 32512, 0, 0, 16, none, 128, 530, "Overdrive", "CPCL", "OVER" },
        { 399, 26, 20, 0, 32512, 32512, 0, none, none, -1, 583, "Color", "CHMT", "COL" },
        { 418, 30, 20, 0, 768, 0, 0, 18, none, 130, 624, "Cymbal Type", "CYRD", "TYPE" },
        { 449, 39, 18, 10240, 22528, 16384, 0, 17, none, 129, 663, "Tune", "SYN OSC", "TUNE" },
        { 453, 39, 24, 0, 32512, 25600, 0, 19, none, 131, 667, "Osc 2 Level", "SYN OSC", "LEV2" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.row);
        const auto& row = getParameterRow (c.row);
        EXPECT_EQ (row.group, c.group);
        EXPECT_EQ (row.slot, c.slot);
        EXPECT_EQ (row.minimum, c.minimum);
        EXPECT_EQ (row.maximum, c.maximum);
        EXPECT_EQ (row.defaultValue, c.defaultValue);
        EXPECT_EQ (row.fine, c.fine);
        EXPECT_EQ (ParameterTable::controllerMsb (row), c.ccMsb);
        EXPECT_EQ (ParameterTable::controllerLsb (row), c.ccLsb);
        EXPECT_EQ (row.nrpn, c.nrpn);
        EXPECT_EQ (row.objectId, c.objectId);
        EXPECT_STREQ (row.name, c.name);
        EXPECT_STREQ (row.section, c.section);
        EXPECT_STREQ (row.shortName, c.shortName);

        const auto range = getParameterRange (c.row);
        EXPECT_EQ (range.minimum, c.minimum);
        EXPECT_EQ (range.maximum, c.maximum);
        EXPECT_EQ (range.defaultValue, c.defaultValue);
    }
}

TEST (ParameterTable, MachineRowsFollowThePageRule)
{
    int withoutPage = 0;
    for (const auto& row : deviceParameterTable)
    {
        if (row.group < 0 || row.group > 39)
            continue;
        EXPECT_GE (row.slot, 17);
        EXPECT_LE (row.slot, 26);
        if (row.nrpn == -1)
        {
            ++withoutPage;
            EXPECT_EQ (row.controller, 0xFFFFFFFFu);
        }
        else
        {
            EXPECT_EQ (ParameterTable::controllerMsb (row), 16 + (row.nrpn - 128)) << row.section << " " << row.name;
        }
    }
    EXPECT_EQ (withoutPage, 9);
    for (int r : { 399, 403, 409, 428, 429, 439, 440, 442, 443 })
        EXPECT_EQ (getParameterRow (r).nrpn, -1) << r;
}

TEST (ParameterTable, FlagWords)
{
    EXPECT_EQ (getParameterRow (155).flags, 0xE00u);   // machine
    EXPECT_EQ (getParameterRow (73).flags, 0xE00u);    // track page
    EXPECT_EQ (getParameterRow (104).flags, 0xE00u);   // effects
    EXPECT_EQ (getParameterRow (243).flags, 0xE00u);   // MIDI
    EXPECT_EQ (getParameterRow (86).flags, 0x600u);
    EXPECT_EQ (getParameterRow (95).flags, 0x200u);
    EXPECT_EQ (getParameterRow (89).flags, 0x20000u);
    EXPECT_EQ (getParameterRow (98).flags, 0x10000u);
    EXPECT_EQ (getParameterRow (20).flags, 0u);
    EXPECT_EQ (getParameterRow (0).flags, 0u);
}

TEST (ParameterTable, OutOfRangeRowsGiveRowZero)
{
    for (int r : { 454, 10000, -1 })
    {
        EXPECT_EQ (&getParameterRow (r), &deviceParameterTable[0]) << r;
        const auto range = getParameterRange (r);
        EXPECT_EQ (range.minimum, 0);
        EXPECT_EQ (range.maximum, 0);
        EXPECT_EQ (range.defaultValue, 0);
    }
    EXPECT_EQ (&getParameterRow (453), &deviceParameterTable[453]);
}

TEST (ParameterTable, ObjectIdLookups)
{
    const std::pair<int, int> cases[] = { { 92, 84 }, { 0, 0 }, { 35, 19 }, { 301, 155 }, { 707, 242 },
                                          { 700, 235 }, { 667, 453 }, { 7, 0 }, { 706, 241 } };
    for (const auto& [id, row] : cases)
    {
        LoggedText logged;
        EXPECT_EQ (getLogicalParamIdFromObId (id), row) << id;
        EXPECT_EQ (logged.take(), "");
    }
    for (int id : { -1, 708, 1 << 30 })
    {
        LoggedText logged;
        EXPECT_EQ (getLogicalParamIdFromObId (id), 0) << id;
        EXPECT_EQ (logged.take(), "getLogicalParamIdFromObId(): invalid param!\n");
    }
    EXPECT_EQ (getParameterRow (83).objectId, 0);   // reached only through the default-sound rule
}

TEST (ParameterTable, MembershipTests)
{
    const struct { int row; bool a, b, midi; } cases[] = {
        { 61, false, true, false }, { 62, true, false, false }, { 70, true, false, false }, { 71, true, false, false },
        { 20, false, true, false }, { 21, true, false, false }, { 94, false, false, true }, { 103, false, false, true },
        { 87, true, true, false }, { 96, true, true, false }, { 73, true, true, false }, { 34, true, true, true },
        { 104, false, false, false }, { 243, false, false, true }, { 29, false, false, true }, { 19, true, true, true },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ (isTrackSoundParameterA (c.row), c.a) << c.row;
        EXPECT_EQ (isTrackSoundParameterB (c.row), c.b) << c.row;
        EXPECT_EQ (isMidiSetParameter (c.row), c.midi) << c.row;
    }
}

TEST_F (ParameterMapsTest, SoundSlots)
{
    EXPECT_TRUE (parameterMapsBuilt());
    const struct { int slot, type, row; } cases[] = {
        { 18, 0, 155 }, { 27, 8, 61 }, { 27, 0, 62 }, { 27, 35, 62 }, { 27, 39, 61 }, { 27, 34, 61 },
        { 37, 0, 70 }, { 38, 36, 71 }, { 37, 8, 0 }, { 38, 22, 0 },
        { 50, 0, 84 }, { 29, 8, 60 }, { 2, 0, 87 }, { 10, 8, 96 }, { 0, 12, 19 }, { 52, 3, 34 }, { 53, 30, 35 },
        { 17, 8, 268 }, { 17, 0, 0 }, { 26, 0, 161 }, { 25, 38, 242 }, { 24, 39, 453 }, { 21, 31, 426 },
        { 20, 40, 0 }, { 20, -1, 0 }, { 27, 40, 61 }, { 27, -1, 61 }, { 54, 0, 0 }, { 68, 0, 0 },
    };
    for (const auto& c : cases)
    {
        LoggedText logged;
        EXPECT_EQ (getSoundSlotParameter (c.slot, c.type), c.row) << c.slot << " " << c.type;
        EXPECT_EQ (logged.take(), "");
    }
    for (int slot : { 69, -1 })
    {
        LoggedText logged;
        EXPECT_EQ (getSoundSlotParameter (slot, 0), 0);
        EXPECT_EQ (logged.take(), "invalid parameter request\n");
    }
}

TEST_F (ParameterMapsTest, EffectsAndMidiSetSlots)
{
    const std::pair<int, int> fx[] = { { 0, 19 }, { 2, 87 }, { 10, 96 }, { 17, 104 }, { 24, 112 }, { 33, 121 },
                                       { 35, 124 }, { 37, 126 }, { 44, 133 }, { 60, 147 }, { 65, 153 }, { 67, 154 },
                                       { 26, 0 }, { 68, 0 } };
    for (const auto& [slot, row] : fx)
        EXPECT_EQ (getFxSlotParameter (slot), row) << slot;

    // The notes share slots 8..11 with LFO rows, which come later and win.
    const std::pair<int, int> midi[] = { { 0, 19 }, { 2, 94 }, { 10, 103 }, { 8, 93 }, { 9, 95 }, { 11, 97 },
                                         { 17, 243 }, { 20, 250 }, { 21, 246 }, { 25, 251 }, { 40, 266 }, { 41, 0 } };
    for (const auto& [slot, row] : midi)
        EXPECT_EQ (getMidiSetSlotParameter (slot), row) << slot;

    EXPECT_EQ (getParameterRange (getFxSlotParameter (2)).maximum, 5888);
    EXPECT_EQ (getParameterRange (getMidiSetSlotParameter (2)).maximum, 2816);

    LoggedText logged;
    EXPECT_EQ (getFxSlotParameter (69), 0);
    EXPECT_EQ (getMidiSetSlotParameter (-5), 0);
    EXPECT_EQ (logged.take(), "invalid parameter request\ninvalid parameter request\n");
}

TEST_F (ParameterMapsTest, MachineSlotMapCoversEveryMachineRow)
{
    const auto& maps = getParameterMaps();
    int filled = 0;
    for (int type = 0; type < 40; ++type)
        for (int i = 0; i < 10; ++i)
        {
            const int row = maps.machineSlots[static_cast<std::size_t> (type)][static_cast<std::size_t> (i)];
            if (row == 0)
                continue;
            ++filled;
            EXPECT_EQ (getParameterRow (row).group, type);
            EXPECT_EQ (getParameterRow (row).slot, 17 + i);
        }
    EXPECT_EQ (filled, 275);
}

TEST_F (ParameterMapsTest, SecondBuildWarnsAndKeepsTheMaps)
{
    const auto before = getParameterMaps();
    const auto output = buildAndCapture();
    EXPECT_EQ (countOf (output, "Parameter maps already built. Check for redundant call to buildParameterMaps().\n"), 1);
    EXPECT_EQ (countOf (output, "unmapped parameter: "), 19 + 22);
    EXPECT_EQ (countOf (output, "unmapped parameter: 57\n"), 1);
    EXPECT_EQ (countOf (output, "ERROR"), 0);
    const auto& after = getParameterMaps();
    EXPECT_EQ (before.soundA, after.soundA);
    EXPECT_EQ (before.soundB, after.soundB);
    EXPECT_EQ (before.fx, after.fx);
    EXPECT_EQ (before.midiSet, after.midiSet);
    EXPECT_EQ (before.machineSlots, after.machineSlots);
}

TEST (AssignableDestinations, DerivedRows)
{
    for (int m = 0; m <= 40; ++m)
        EXPECT_EQ (assignableDestinations[static_cast<std::size_t> (m)][0], 19) << m;

    const auto& bdModern = assignableDestinations[0];
    EXPECT_EQ (bdModern[1], 155);   // Tune
    EXPECT_EQ (bdModern[2], 162);   // Decay
    EXPECT_EQ (bdModern[3], 161);   // Overdrive
    EXPECT_EQ (bdModern[10], 62);   // filter type of the digital tracks
    EXPECT_EQ (assignableDestinations[8][10], 61);
    EXPECT_EQ (assignableDestinations[20][1], 365);   // first oscillator's tune
    EXPECT_EQ (assignableDestinations[20][2], 370);   // and its decay
    EXPECT_EQ (assignableDestinations[39][2], 447);
    EXPECT_EQ (assignableDestinations[32][3], 19);    // no overdrive on the noise machine

    const int soundPages[] = { 73, 75, 76, 77, 58, 60, 61, 68, 63, 64, 65, 81, 80, 78, 79 };
    const int lfos[] = { 86, 87, 88, 90, 91, 92, 93, 95, 96, 97, 99, 100, 101, 102 };
    for (int d = 0; d < 15; ++d)
    {
        EXPECT_EQ (assignableDestinations[14][static_cast<std::size_t> (4 + d)], soundPages[d]) << d;
        EXPECT_EQ (assignableDestinations[35][static_cast<std::size_t> (4 + d)], 19) << d;   // MIDI lacks 1..18
    }
    for (int d = 0; d < 14; ++d)
    {
        EXPECT_EQ (assignableDestinations[35][static_cast<std::size_t> (19 + d)], lfos[d]) << d;
        EXPECT_EQ (assignableDestinations[40][static_cast<std::size_t> (19 + d)], lfos[d]) << d;
    }

    const auto& effects = assignableDestinations[40];
    EXPECT_EQ (effects[1], 19);
    EXPECT_EQ (effects[2], 19);
    EXPECT_EQ (effects[3], 19);
    const int fxPages[] = { 142, 144, 145, 146, 131, 132, 133, 134, 135, 136, 137, 151, 150, 148, 149 };
    for (int d = 0; d < 15; ++d)
        EXPECT_EQ (effects[static_cast<std::size_t> (4 + d)], fxPages[d]) << d;

    // Machine destinations always belong to their own machine.
    for (int m = 0; m < 40; ++m)
        for (int d = 1; d <= 3; ++d)
        {
            const int row = assignableDestinations[static_cast<std::size_t> (m)][static_cast<std::size_t> (d)];
            EXPECT_TRUE (row == 19 || getParameterRow (row).group == m) << m << " " << d;
        }
}
