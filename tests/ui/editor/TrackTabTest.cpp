// The track tab: the machine selector's items per group, what a user choice
// writes, how device types select items, the sections and their rectangles,
// the hues and the modulation pages.
#include "../panels/PanelTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/editor/TrackTab.h"
#include "ui/panels/modulation/DestinationGroups.h"
#include "ui/panels/modulation/ModulationTabContent.h"
#include "ui/panels/track/AnalogEnvelopePanel.h"
#include "ui/panels/track/BaseWidthFilterPanel.h"
#include "ui/panels/track/SynthPanel.h"

using namespace paneltest;

namespace
{
constexpr int tabWidth = 1199;
constexpr int tabHeight = 497;

class TrackTabTest : public PanelTest
{
protected:
    explicit TrackTabTest (int track) : PanelTest (track, { Sound_MachineType }) {}

    void report (int machineType)
    {
        recorder.showFromDevice (Sound_MachineType, machineType);
        poll();
    }

    std::unique_ptr<TrackTab> makeTab()
    {
        auto tab = std::make_unique<TrackTab> (context, trackIndex, context.getKit().getSound (trackIndex));
        tab->setSize (tabWidth, tabHeight);
        return tab;
    }

    static std::vector<std::string> items (juce::ComboBox& box)
    {
        std::vector<std::string> out;
        for (int i = 0; i < box.getNumItems(); ++i)
            out.push_back (std::to_string (box.getItemId (i)) + " " + box.getItemText (i).toStdString());
        return out;
    }

    static int visibleMachine (TrackTab& tab)
    {
        int visible = -1, count = 0;
        for (const auto& [type, panel] : tab.getSynthPanel().getPanels())
            if (panel->isVisible())
            {
                visible = type;
                ++count;
            }
        return count == 1 ? visible : -100 - count;
    }
};

struct GroupCase
{
    int track;
    std::vector<std::string> items;
};

class TrackTabGroupTest : public TrackTabTest, public ::testing::WithParamInterface<GroupCase>
{
protected:
    TrackTabGroupTest() : TrackTabTest (GetParam().track) {}
};

TEST_P (TrackTabGroupTest, TheSelectorOffersTheGroupsOwnItemsAndWritesTheChoiceUnshifted)
{
    auto tab = makeTab();
    auto& box = tab->getMachineSelector();
    EXPECT_EQ (items (box), GetParam().items);

    poll();
    recorder.clear();
    for (int i = box.getNumItems(); --i >= 0;)
    {
        const int id = box.getItemId (i);
        box.setSelectedId (id, juce::sendNotificationSync);
        ASSERT_EQ (recorder.writes(), (std::vector<Write> { { Sound_MachineType, id - 1 } })) << box.getItemText (i);
        recorder.clear();

        poll();
        EXPECT_EQ (visibleMachine (*tab), id - 1) << "the machine host follows the written type";
        EXPECT_EQ (box.getSelectedId(), id);
        pump();
        EXPECT_TRUE (recorder.writes().empty()) << "nothing goes back after the echo";
    }
}

TEST_P (TrackTabGroupTest, ADeviceTypeSelectsItsItemWithoutAWrite)
{
    auto tab = makeTab();
    auto& box = tab->getMachineSelector();
    for (int i = 0; i < box.getNumItems(); ++i)
    {
        const int id = box.getItemId (i);
        report (id - 1);
        EXPECT_EQ (box.getSelectedId(), id);
        EXPECT_EQ (tab->getShownMachine(), id - 1);
        EXPECT_EQ (visibleMachine (*tab), id - 1);
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

INSTANTIATE_TEST_SUITE_P (
    Groups, TrackTabGroupTest,
    ::testing::Values (
        GroupCase { 2, { "1 BD Modern", "2 SD Basic", "7 SD Vintage", "4 PC Carbon", "8 CP Vintage", "3 CY Alloy", "38 SY Bits",
                         "6 SY Chord", "5 SY Tone", "37 SY Toy", "39 SY Swarm", "36 MIDI" } },
        GroupCase { 9, { "9 Bass Drum Hard", "10 Bass Drum Classic", "11 Bass Drum FM", "12 Bass Drum Plastic",
                         "13 Bass Drum Silky", "14 Bass Drum Sharp", "15 Snare Drum Hard", "16 Snare Drum Classic",
                         "17 Snare Drum FM", "18 Snare Drum Natural", "19 Rimshot Drum Hard", "20 Rimshot Drum Classic",
                         "33 Noise Gen", "34 Impulse", "21 Dual VCO", "40 SY Raw", "36 MIDI", "35 Disable" } },
        GroupCase { 11, { "23 Closed Hihat Classic", "24 Open Hihat Classic", "27 Closed Hihat Metallic",
                          "28 Open Hihat Metallic", "32 Hihat Basic", "25 Cymbal Classic", "29 Cymbal Metallic",
                          "31 Cymbal Ride", "26 Cowbell Classic", "30 Cowbell Metallic", "33 Noise Gen", "34 Impulse",
                          "36 MIDI", "35 Disable" } }),
    [] (const auto& info) { return "T" + std::to_string (info.param.track + 1); });

class AnalogDrumTrackTabTest : public TrackTabTest
{
protected:
    AnalogDrumTrackTabTest() : TrackTabTest (9) {}
};

TEST_F (AnalogDrumTrackTabTest, ATypeOutsideTheListLeavesTheSelectorWhileTheHostFollows)
{
    auto tab = makeTab();
    auto& box = tab->getMachineSelector();
    report (15);
    ASSERT_EQ (box.getSelectedId(), 16);

    report (21);   // the hand clap: a panel, but no item
    EXPECT_EQ (box.getSelectedId(), 16);
    EXPECT_EQ (tab->getShownMachine(), 15);
    EXPECT_EQ (visibleMachine (*tab), 21);

    for (const int other : { 0, 22, 38, -1, 40, 0x0F00 })
    {
        tab->valueChanged (&object, Sound_MachineType, other);
        EXPECT_EQ (box.getSelectedId(), 16) << other;
    }
    report (15);
    EXPECT_EQ (box.getSelectedId(), 16);
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (AnalogDrumTrackTabTest, NoSoundMeansNoWrite)
{
    TrackTab tab (context, trackIndex, nullptr);
    tab.getMachineSelector().setSelectedId (10, juce::sendNotificationSync);
    poll();
    EXPECT_TRUE (recorder.writes().empty());
}

class DigitalTrackTabTest : public TrackTabTest
{
protected:
    DigitalTrackTabTest() : TrackTabTest (4) {}
};

// The filter sections hold their panels, in the filter hue, at the sizes the tab's rule gives.
TEST_F (AnalogDrumTrackTabTest, TheAnalogFilterSectionHoldsItsPanel)
{
    auto tab = makeTab();
    auto* panel = dynamic_cast<AnalogEnvelopePanel*> (tab->getAnalogFilterSection().getContent());
    ASSERT_NE (panel, nullptr);
    EXPECT_EQ (panel->hue, 11);
    EXPECT_EQ (panel->getEnvelope().hue, 11);
    EXPECT_EQ (panel->getWidth(), 276);
    EXPECT_EQ (panel->getHeight(), 468);
    recorder.showFromDevice (Sound_FilterAttack, 0x1100);
    poll();
    EXPECT_EQ (panel->getEnvelope().getBox (FilterEnvelopeRow::attack).getValue(), 17.0) << "its identifiers are set";
}

TEST_F (DigitalTrackTabTest, TheBaseWidthSectionHoldsItsPanel)
{
    auto tab = makeTab();
    auto* panel = dynamic_cast<BaseWidthFilterPanel*> (tab->getBaseWidthFilterSection().getContent());
    ASSERT_NE (panel, nullptr);
    EXPECT_EQ (panel->hue, 11);
    EXPECT_EQ (panel->getWidth(), 276);
    EXPECT_EQ (panel->getHeight(), 128);
    recorder.showFromDevice (Sound_FilterWidth, 0x2200);
    poll();
    EXPECT_EQ (panel->getWidthBox().getValue(), 34.0);
}

TEST_F (DigitalTrackTabTest, TheDisabledMachineIsNotOfferedAndLeavesSelectorAndHost)
{
    auto tab = makeTab();
    report (36);
    report (34);
    EXPECT_EQ (tab->getMachineSelector().getSelectedId(), 37);
    EXPECT_EQ (visibleMachine (*tab), 36);
}

struct SectionRects
{
    int track;
    juce::Rectangle<int> soundSettings, synth, combo, label, modulation, analogFilter, baseWidthFilter, multimodeFilter, amp;
};

class TrackTabLayoutTest : public TrackTabTest, public ::testing::WithParamInterface<int>
{
protected:
    TrackTabLayoutTest() : TrackTabTest (GetParam()) {}
};

TEST_P (TrackTabLayoutTest, LaysOutTheSectionsByTheRuleAndShowsTheTracksFilters)
{
    auto tab = makeTab();
    EXPECT_EQ (tab->getSoundSettingsSection().getBounds(), juce::Rectangle<int> (4, 6, 636, 116));
    EXPECT_EQ (tab->getSynthSection().getBounds(), juce::Rectangle<int> (4, 126, 636, 222));
    EXPECT_EQ (tab->getMachineSelector().getBounds(), juce::Rectangle<int> (502, 128, 136, 20));
    EXPECT_EQ (tab->getMachineLabel().getBounds(), juce::Rectangle<int> (452, 126, 48, 24));
    EXPECT_EQ (tab->getModulationSection().getBounds(), juce::Rectangle<int> (4, 352, 636, 143));
    EXPECT_EQ (tab->getAnalogFilterSection().getBounds(), juce::Rectangle<int> (644, 6, 276, 492)) << "one pixel past the tab";
    EXPECT_EQ (tab->getBaseWidthFilterSection().getBounds(), juce::Rectangle<int> (644, 6, 276, 152));
    EXPECT_EQ (tab->getMultimodeFilterSection().getBounds(), juce::Rectangle<int> (644, 162, 276, 333));
    EXPECT_EQ (tab->getAmpSection().getBounds(), juce::Rectangle<int> (924, 6, 273, 489));

    const bool analog = trackIndex >= 8;
    EXPECT_EQ (tab->getAnalogFilterSection().isVisible(), analog);
    EXPECT_EQ (tab->getAnalogFilterSection().getContent() != nullptr, analog);
    EXPECT_EQ (tab->getBaseWidthFilterSection().isVisible(), ! analog);
    EXPECT_EQ (tab->getMultimodeFilterSection().isVisible(), ! analog);
    EXPECT_EQ (tab->getMultimodeFilterSection().getContent() != nullptr, ! analog);

    // Small sizes: nothing negative.
    tab->setSize (300, 100);
    EXPECT_EQ (tab->getSoundSettingsSection().getBounds(), juce::Rectangle<int> (4, 6, 294, 92));
    EXPECT_EQ (tab->getSynthSection().getBounds(), juce::Rectangle<int> (4, 102, 294, 0));
    EXPECT_EQ (tab->getAmpSection().getWidth(), 0);
    tab->setSize (0, 0);
    EXPECT_EQ (tab->getSoundSettingsSection().getBounds(), juce::Rectangle<int> (2, 2, 0, 0));
}

TEST_P (TrackTabLayoutTest, SectionsCarryTheirHeadingsHuesAndPages)
{
    auto tab = makeTab();
    const bool analog = trackIndex >= 8;
    EXPECT_EQ (tab->getSoundSettingsSection().getName(), "SOUND SETTINGS");
    EXPECT_EQ (tab->getSynthSection().getName(), "SYNTH");
    EXPECT_EQ (tab->getAmpSection().getName(), "AMP");
    EXPECT_EQ (tab->getModulationSection().getName(), "MODULATION");
    EXPECT_EQ ((analog ? tab->getAnalogFilterSection() : tab->getMultimodeFilterSection()).getName(),
               analog ? "ANALOG MULTI-MODE FILTER" : "2. MULTIMODE FILTER");

    auto tabTexts = [] (Corvanel::StaticTabSet& set)
    {
        std::vector<std::string> out;
        for (auto* button : set.getButtons().buttons)
            out.push_back (button->getButtonText().toStdString());
        return out;
    };
    EXPECT_EQ (tabTexts (tab->getSoundSettingsSection()), (std::vector<std::string> { "Presets", "Portamento", "Other" }));
    EXPECT_EQ (tabTexts (tab->getModulationSection()),
               (std::vector<std::string> { "LFO1", "LFO2", "PITCH BEND", "VELOCITY", "MOD WHEEL", "BREATH", "AFTERTOUCH" }));
    EXPECT_EQ (tab->getModulationSection().currentIndex, 0);
    EXPECT_EQ (tab->getSoundSettingsSection().currentIndex, 0);

    for (const auto& [type, panel] : tab->getSynthPanel().getPanels())
        EXPECT_EQ (panel->hue, 14) << type;
    EXPECT_EQ ((analog ? tab->getAnalogFilterSection() : tab->getBaseWidthFilterSection()).getContent()->hue, 11);
    EXPECT_EQ (tab->getAmpSection().getContent()->hue, 13);

    const auto& pages = tab->getModulationSection().getPages();
    ASSERT_EQ (pages.size(), 7u);
    for (size_t i = 0; i < pages.size(); ++i)
        EXPECT_EQ (pages[i]->hue, 12) << i;

    // The MIDI pages: their slots' identifiers and the track's destination list.
    const std::pair<const juce::Identifier& (*) (int), const juce::Identifier& (*) (int)> sources[] = {
        { Vantu::Sound::pitchBendDestinationId, Vantu::Sound::pitchBendDepthId },
        { Vantu::Sound::velocityDestinationId, Vantu::Sound::velocityDepthId },
        { Vantu::Sound::modWheelDestinationId, Vantu::Sound::modWheelDepthId },
        { Vantu::Sound::breathDestinationId, Vantu::Sound::breathDepthId },
        { Vantu::Sound::aftertouchDestinationId, Vantu::Sound::aftertouchDepthId },
    };
    for (size_t i = 0; i < 5; ++i)
    {
        auto* page = dynamic_cast<ModulationTabContent*> (pages[i + 2].get());
        ASSERT_NE (page, nullptr) << i;
        EXPECT_EQ (page->getDestinationBox (0).getKind(),
                   analog ? DestinationBoxKind::midiSourceAnalog : DestinationBoxKind::midiSourceDigital);
        EXPECT_EQ (page->getDestinationBox (3).getDestinationId(), sources[i].first (3)) << i;
    }
    EXPECT_TRUE (tab->isOpaque());
    EXPECT_TRUE (tab->getMachineSelector().isOpaque());
    EXPECT_EQ (tab->getMachineSelector().findColour (juce::ComboBox::backgroundColourId).getARGB(), 0xFF323232u);
}

INSTANTIATE_TEST_SUITE_P (Tracks, TrackTabLayoutTest, ::testing::Values (0, 9, 11),
                          [] (const auto& info) { return "T" + std::to_string (info.param + 1); });
} // namespace
