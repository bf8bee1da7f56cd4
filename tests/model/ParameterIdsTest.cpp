#include "model/tables/ParameterIds.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace
{
    // Copied while this unit's globals are initialised: the identifiers must
    // already exist then, whatever order the linker gave the units.
    const juce::Identifier copiedAtStartUp = Sound_MachineType;
    const juce::String textAtStartUp = Kit_TrackLevelFx.toString();
}

TEST (ParameterIds, UsableDuringStaticInitialisation)
{
    EXPECT_TRUE (ModelTables::ModelTablesInitialiser::tablesAreBuilt());
    EXPECT_EQ (copiedAtStartUp, Sound_MachineType);
    EXPECT_EQ (copiedAtStartUp.toString(), "Sound_MachineType");
    EXPECT_EQ (textAtStartUp, "Kit_TrackLevelFx");
}

TEST (ParameterIds, CountsPerGroupAndUniqueTexts)
{
    std::map<std::string, int> perGroup;
    std::set<std::string> texts;
    for (std::size_t i = 0; i < ModelTables::parameterIdCount; ++i)
    {
        const auto text = ModelTables::parameterIdAt (i).toString().toStdString();
        EXPECT_EQ (text, ModelTables::parameterIdTexts[i]);
        texts.insert (text);
        perGroup[text.substr (0, text.find ('_'))]++;
    }
    EXPECT_EQ (ModelTables::parameterIdCount, 572u);
    EXPECT_EQ (texts.size(), 572u);
    EXPECT_EQ (perGroup["FX"], 83);
    EXPECT_EQ (perGroup["Kit"], 42);
    EXPECT_EQ (perGroup["Settings"], 53);
    EXPECT_EQ (perGroup["Sound"], 394);
}

TEST (ParameterIds, ComparedByIdentityOfThePooledText)
{
    const juce::Identifier fromText (juce::String ("Sound_") + "MachineType");
    EXPECT_EQ (fromText, Sound_MachineType);
    EXPECT_EQ (fromText.getCharPointer().getAddress(), Sound_MachineType.getCharPointer().getAddress());

    EXPECT_NE (Kit_TrackLevelFx, Settings_TrackLevelFX);
    EXPECT_EQ (SettingsId.toString(), "Settings");
    EXPECT_EQ (SoundId.toString(), "Sound");

    const juce::Identifier empty;
    for (std::size_t i = 0; i < ModelTables::parameterIdCount; ++i)
    {
        EXPECT_NE (ModelTables::parameterIdAt (i), empty) << i;
        if (i > 0)
        {
            EXPECT_NE (ModelTables::parameterIdAt (i), ModelTables::parameterIdAt (i - 1)) << i;
        }
    }
    EXPECT_EQ (ModelTables::parameterIdAt (ModelTables::parameterIdCount), empty);
}

TEST (ParameterIds, IrregularAndFamilyTexts)
{
    const std::pair<const juce::Identifier*, const char*> cases[] = {
        { &Sound_SuperSawDeune, "Sound_SuperSawDeune" },
        { &FX_AmpDelay2Send, "FX_AmpDelay2Send" },
        { &Sound_MCChordChordOscBalance, "Sound_MCChordChordOscBalance" },
        { &Sound_Portamento_Enabled, "Sound_Portamento_Enabled" },
        { &Sound_Portamento_Gating, "Sound_Portamento_Gating" },
        { &Sound_MCMachinePitchSweep, "Sound_MCMachinePitchSweep" },
        { &Kit_TrackPatternMute12, "Kit_TrackPatternMute12" },
        { &Kit_Performance7Value, "Kit_Performance7Value" },
        { &Settings_TrackSolo1, "Settings_TrackSolo1" },
        { &Settings_TrackLevelFX, "Settings_TrackLevelFX" },
        { &Sound_ModWheelCDestination, "Sound_ModWheelCDestination" },
        { &Sound_BreathADepth, "Sound_BreathADepth" },
        { &Sound_AftertouchDDestination, "Sound_AftertouchDDestination" },
        { &FX_None, "FX_None" },
        { &Sound_None, "Sound_None" },
    };
    for (const auto& [id, text] : cases)
        EXPECT_EQ (id->toString(), text);
}
