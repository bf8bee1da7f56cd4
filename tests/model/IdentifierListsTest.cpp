#include "model/tables/IdentifierLists.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
    std::vector<std::string> texts (const IdentifierList& list)
    {
        std::vector<std::string> out;
        for (const auto& id : list)
            out.push_back (id.toString().toStdString());
        return out;
    }

    // A global of this unit that copies a list during static initialisation.
    const IdentifierList bdModernAtStartUp = machineIdList (0);
}

TEST (IdentifierLists, CountsOfAllFiftyThreeLists)
{
    std::vector<std::size_t> fxCounts, soundCounts, machineCounts;
    for (const auto& g : fxGroupIdLists) fxCounts.push_back (g.ids.size());
    for (const auto& g : soundGroupIdLists) soundCounts.push_back (g.ids.size());
    int machineLists = 0;
    for (const auto& list : machineIdLists)
    {
        machineCounts.push_back (list.size());
        machineLists += list.empty() ? 0 : 1;
    }
    EXPECT_EQ (fxCounts, (std::vector<std::size_t> { 8, 7, 5, 7, 7, 5, 10, 9, 1 }));
    EXPECT_EQ (soundCounts, (std::vector<std::size_t> { 11, 9, 12, 7, 7, 1 }));
    EXPECT_EQ (machineCounts, (std::vector<std::size_t> { 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
                                                          8, 8, 4, 4, 5, 4, 4, 4, 6, 4, 8, 6, 8, 4, 0, 0, 8, 8, 8, 8 }));
    EXPECT_EQ (fxGroupIdLists.size() + soundGroupIdLists.size() + static_cast<std::size_t> (machineLists), 53u);
}

TEST (IdentifierLists, TitlesAndOrders)
{
    std::vector<std::string> fxTitles, soundTitles;
    for (const auto& g : fxGroupIdLists) fxTitles.push_back (g.title);
    for (const auto& g : soundGroupIdLists) soundTitles.push_back (g.title);
    EXPECT_EQ (fxTitles, (std::vector<std::string> { "Delay", "Reverb", "Dist", "Lfo1", "Lfo2", "Ext-In", "Amp", "Filter", "" }));
    EXPECT_EQ (soundTitles, (std::vector<std::string> { "Filter", "Filter", "Amp", "Lfo1", "Lfo2", "" }));

    EXPECT_EQ (texts (fxAmpIdList), (std::vector<std::string> {
        "FX_AmpAttack", "FX_AmpHold", "FX_AmpDecay", "FX_AmpOverdrive", "FX_AmpDelay2Send",
        "FX_AmpReverbSend", "FX_AmpBalance", "FX_AmpVolume", "FX_AmpEnvelopeDepth", "FX_AmpEnvReset" }));
    EXPECT_EQ (texts (fxLfo1IdList), (std::vector<std::string> {
        "FX_Lfo1Speed", "FX_Lfo1Mult", "FX_Lfo1Fade", "FX_Lfo1Start", "FX_Lfo1Trig", "FX_Lfo1Waveform", "FX_Lfo1Depth" }));
    EXPECT_EQ (texts (soundLfo2IdList), (std::vector<std::string> {
        "Sound_Lfo2Speed", "Sound_Lfo2Mult", "Sound_Lfo2Fade", "Sound_Lfo2Waveform", "Sound_Lfo2Start", "Sound_Lfo2Trig", "Sound_Lfo2Depth" }));
    EXPECT_EQ (texts (fxDistIdList), (std::vector<std::string> {
        "FX_DistAmount", "FX_DistSymmetry", "FX_DelayOverdrive", "FX_DelayDistComp", "FX_ReverbDistComp" }));
    EXPECT_EQ (texts (machineIdList (0)), (std::vector<std::string> {
        "Sound_MCKickTune", "Sound_MCKickSquareModulation", "Sound_MCKickTriangleModFdbk", "Sound_MCMachinePitchSweep",
        "Sound_MCMachineModulationEnv", "Sound_MCKickPunch", "Sound_MCKickDecay", "Sound_MCKickLevel" }));
    EXPECT_EQ (texts (machineIdList (19)), (std::vector<std::string> {
        "Sound_RsClassicLevel", "Sound_RsClassicTune1", "Sound_RsClassicDecayTime", "Sound_RsClassicOscBalance",
        "Sound_RsClassicTune2", "Sound_RsClassicSymmetry", "Sound_RsClassicNoiseLevel", "Sound_RsClassicTickLevel" }));
    EXPECT_EQ (texts (machineIdList (33)), (std::vector<std::string> {
        "Sound_ImpulseLevel", "Sound_ImpulseAttackTime", "Sound_ImpulseDecayTime", "Sound_ImpulsePolarity" }));
    EXPECT_EQ (fxNoneIdList, IdentifierList { FX_None });
    EXPECT_EQ (soundNoneIdList, IdentifierList { Sound_None });
    EXPECT_EQ (bdModernAtStartUp, machineIdList (0));
}

TEST (IdentifierLists, FilterListsShareTheirFirstNine)
{
    ASSERT_EQ (soundFilterBaseWidthIdList.size(), 11u);
    EXPECT_EQ (IdentifierList (soundFilterBaseWidthIdList.begin(), soundFilterBaseWidthIdList.begin() + 9), soundFilterIdList);
    EXPECT_EQ (soundFilterBaseWidthIdList[9], Sound_FilterBase);
    EXPECT_EQ (soundFilterBaseWidthIdList[10], Sound_FilterWidth);
}

TEST (IdentifierLists, MachineListsHoldOnlyTheirMachinesParameters)
{
    // Prefix of each machine type's parameters after "Sound_".
    const char* prefixes[40] = { "MCKick", "MCSnare", "MCMetal", "MCPerc", "MCTone", "MCChord", "MCSnare2", "MCClap",
                                 "BdHard", "BdClassic", "BdFm", "BdPlastic", "BdSilky", "BdSharp", "SdHard", "SdClassic",
                                 "SdFm", "SdNatural", "RsHard", "RsClassic", "DVCO", "ClapClassic", "ChClassic", "OhClassic",
                                 "CyClassic", "CbClassic", "ChMetallic", "OhMetallic", "CyMetallic", "CbMetallic", "CyRide", "HhBasic",
                                 "NoiseGen", "Impulse", nullptr, nullptr, "MCToy", "MCBits", "SuperSaw", "VCO" };
    std::set<std::string> seen;
    for (int type = 0; type < 40; ++type)
    {
        for (const auto& text : texts (machineIdList (type)))
        {
            EXPECT_TRUE (seen.insert (text).second) << text;
            const std::string prefix = std::string ("Sound_") + prefixes[type];
            const bool machineShared = type == 0 && text.rfind ("Sound_MCMachine", 0) == 0;
            EXPECT_TRUE (text.rfind (prefix, 0) == 0 || machineShared) << type << " " << text;
            if (type == 1)
            {
                EXPECT_EQ (text.rfind ("Sound_MCSnare2", 0), std::string::npos) << text;
            }
        }
    }
    EXPECT_EQ (seen.size(), 275u - 6u);   // every machine parameter but four impulse and two hi-hat ones
    for (const char* unlisted : { "Sound_ImpulseCount", "Sound_ImpulseRepeat", "Sound_ImpulseShape", "Sound_ImpulseHold",
                                  "Sound_HhBasicNoiseLevel", "Sound_HhBasicNoiseDecay" })
        EXPECT_EQ (seen.count (unlisted), 0u) << unlisted;

    for (int type : { 34, 35, 40, -1, 1000 })
        EXPECT_TRUE (machineIdList (type).empty()) << type;
}

TEST (IdentifierLists, MachineIdListCopiesPerMachineType)
{
    struct Case { int machineType; std::size_t count; const char* first; const char* last; };
    const Case cases[] = {
        { 0, 8, "Sound_MCKickTune", "Sound_MCKickLevel" },
        { 8, 8, "Sound_BdHardLevel", "Sound_BdHardTickLevel" },
        { 22, 4, "Sound_ChClassicLevel", "Sound_ChClassicNoiseColor" },
        { 31, 6, "Sound_HhBasicLevel", "Sound_HhBasicOscReset" },
        { 33, 4, "Sound_ImpulseLevel", "Sound_ImpulsePolarity" },
        { 36, 8, "Sound_MCToyTune", "Sound_MCToyLevel" },
        { 39, 8, "Sound_VCOTune", "Sound_VCOOverdrive" },
        { 34, 0, nullptr, nullptr },
        { 35, 0, nullptr, nullptr },
        { 40, 0, nullptr, nullptr },
        { 51, 0, nullptr, nullptr },
        { 52, 0, nullptr, nullptr },
        { -1, 0, nullptr, nullptr },
    };
    for (const auto& c : cases)
    {
        const auto list = getMachineIdList (c.machineType);
        ASSERT_EQ (list.size(), c.count) << c.machineType;
        EXPECT_EQ (list, machineIdList (c.machineType)) << c.machineType;
        if (c.count > 0)
        {
            EXPECT_EQ (list.front().toString(), c.first) << c.machineType;
            EXPECT_EQ (list.back().toString(), c.last) << c.machineType;
        }
    }

    // A copy: what the caller does with it leaves the table alone.
    auto copy = getMachineIdList (0);
    copy.clear();
    EXPECT_EQ (machineIdList (0).size(), 8u);
}
