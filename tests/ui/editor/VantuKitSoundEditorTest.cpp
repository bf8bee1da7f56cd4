// The kit editor section as a component on a detached panel context: its
// tabs, the device's active edit track choosing the tab (every edge value),
// the wheel flag and the look and feel rule. Tab clicks and section switches
// in the real editor: KitEditorInEditorTest.cpp.
#include "../panels/PanelTestSupport.h"
#include "../panels/modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/editor/TrackTab.h"
#include "ui/editor/VantuKitSoundEditor.h"

using namespace paneltest;

namespace
{
class KitEditorTest : public PanelTest
{
protected:
    KitEditorTest() { editor.setSize (1201, 536); }

    void setActiveEditTrack (int value)
    {
        context.getSettings().setValueFromMachine (Settings_ActiveEditTrack, value, false);
        poll();
        pump();
    }

    PluginVolatileState volatileState;
    menutest::KitValueRecorder kitValues { context.getKit() };
    VantuKitSoundEditor editor { context, volatileState };
    MyTabbedButtonBar& bar = editor.getTabs().getTabbedButtonBar();
};

TEST_F (KitEditorTest, HasFourteenTabsOnTheTrackSoundsBelowAStrip)
{
    EXPECT_EQ (bar.getTabNames(), juce::StringArray ({ "TRK 1", "TRK 2", "TRK 3", "TRK 4", "TRK 5", "TRK 6", "TRK 7", "TRK 8",
                                                       "TRK 9", "TRK 10", "TRK 11", "TRK 12", "ANALOG FX BLOCK", "EFFECTS" }));
    for (int track = 0; track < 12; ++track)
    {
        auto* tab = editor.getTrackTab (track);
        ASSERT_NE (tab, nullptr) << track;
        EXPECT_EQ (tab->getTrackIndex(), track);
    }
    EXPECT_EQ (editor.getTrackTab (12), nullptr);
    EXPECT_EQ (editor.getTrackTab (-1), nullptr);
    EXPECT_NE (editor.getTabs().getTabContentComponent (12), nullptr);
    EXPECT_NE (editor.getTabs().getTabContentComponent (13), nullptr);

    EXPECT_EQ (editor.getTabs().getTabBarDepth(), 22);
    EXPECT_EQ (editor.getTabs().getBounds(), juce::Rectangle<int> (0, 16, 1201, 520));
    EXPECT_EQ (editor.getTabs().getCurrentContentComponent()->getBounds().getWidth(), 1199);
    EXPECT_EQ (editor.getTabs().getCurrentContentComponent()->getBounds().getHeight(), 497);

    const auto background = lookAndFeel.getCorvanelColourScheme().getUIColour (juce::LookAndFeel_V4::ColourScheme::widgetBackground);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ (bar.getTabBackgroundColour (i), background) << i;
    EXPECT_EQ (bar.getCurrentTabIndex(), 0) << "the first tab added is selected";
}

TEST_F (KitEditorTest, TheDevicesActiveEditTrackChoosesTheTabUpToTheEffectsBlock)
{
    struct Case { int value; int tab; int track; };
    // Starting from tab 3 (selected track 2), each value in turn.
    const Case cases[] = {
        { 0, 0, 0 },     { 11, 11, 11 }, { 12, 12, -1 }, { 13, 12, -1 }, { 5, 5, 5 },   { 255, 5, 5 },
        { -1, 5, 5 },    { 0x0300, 5, 5 }, { 14, 5, 5 }, { 12, 12, -1 }, { 2, 2, 2 },  { -2147483647 - 1, 2, 2 },
    };
    editor.valueChanged (&context.getSettings(), Settings_ActiveEditTrack, 3);
    pump();
    for (const auto& c : cases)
    {
        editor.valueChanged (&context.getSettings(), Settings_ActiveEditTrack, c.value);
        pump();
        EXPECT_EQ (bar.getCurrentTabIndex(), c.tab) << c.value;
        EXPECT_EQ (volatileState.getSelectedTrack(), c.track) << c.value;
        EXPECT_EQ (volatileState.getSelectedTab(), c.tab) << c.value;
    }
    editor.valueChanged (&context.getSettings(), Settings_GridMode, 7);
    pump();
    EXPECT_EQ (bar.getCurrentTabIndex(), 2) << "another identifier";
    EXPECT_TRUE (kitValues.writes().empty());
}

TEST_F (KitEditorTest, OpensOnTheActiveEditTrackAtTheFirstPoll)
{
    context.getSettings().setValueFromMachine (Settings_ActiveEditTrack, 7, false);
    PluginVolatileState state;
    VantuKitSoundEditor second (context, state);
    pump();
    EXPECT_EQ (second.getTabs().getCurrentTabIndex(), 0);
    poll();
    pump();
    EXPECT_EQ (second.getTabs().getCurrentTabIndex(), 7);
    EXPECT_EQ (state.getSelectedTrack(), 7);
    EXPECT_EQ (state.getSelectedTab(), 7);

    setActiveEditTrack (12);
    EXPECT_EQ (second.getTabs().getCurrentTabIndex(), 12);
    EXPECT_EQ (state.getSelectedTrack(), -1);
}

// Counts the wheel events that reach it.
struct WheelParent : juce::Component
{
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override { ++wheels; }
    int wheels = 0;
};

TEST_F (KitEditorTest, KeepsWheelEventsWhileWheelEditingIsOn)
{
    WheelParent parent;
    parent.addAndMakeVisible (editor);
    EXPECT_FALSE (editor.wheelFlag);
    edit::wheel (editor, 0.5f);
    EXPECT_EQ (parent.wheels, 1);

    juce::Value preference (true);
    editor.referToValue (preference);
    EXPECT_TRUE (editor.wheelFlag);
    edit::wheel (editor, 0.5f);
    EXPECT_EQ (parent.wheels, 1);

    preference = false;
    pump();
    EXPECT_FALSE (editor.wheelFlag);
    edit::wheel (editor, 0.5f);
    EXPECT_EQ (parent.wheels, 2);
    parent.removeChildComponent (&editor);
}

TEST_F (KitEditorTest, UnderAnotherLookAndFeelTheSectionStaysEmpty)
{
    juce::LookAndFeel_V4 plain;
    juce::LookAndFeel::setDefaultLookAndFeel (&plain);
    {
        PluginVolatileState state;
        VantuKitSoundEditor bare (context, state);
        EXPECT_EQ (bare.getTabs().getNumTabs(), 0);
        poll();
        pump();
        EXPECT_EQ (bare.getTabs().getCurrentTabIndex(), -1);

        editor.setLookAndFeel (&plain);
        EXPECT_EQ (editor.getTabs().getNumTabs(), 14) << "a later change keeps the tabs";
        editor.setLookAndFeel (nullptr);
    }
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
}
} // namespace
