// The drive panel of the effects block, as the telling member of every
// parameter panel: device values shown without echo, the drag guard, the
// encoded write with its highlight fade, the default on double-click, the
// right-click menu by hit and button, and the global-mode caption colours.
#include "../PanelTestSupport.h"
#include "../modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/panels/fxblock/MasterOverdrivePanel.h"
#include "ui/panels/modulation/ModulationPopupMenu.h"

using namespace paneltest;

namespace
{
constexpr int effectsBlock = Vantu::Kit::numTracks;

class MasterOverdrivePanelTest : public PanelTest
{
protected:
    MasterOverdrivePanelTest() : PanelTest (effectsBlock, { FX_AmpOverdrive }) {}

    void setMask (int mask) { context.getSettings().setValueFromMachine (Settings_GlobalModeMask, mask, false); }

    MasterOverdrivePanel panel { context };
    ListKnob& knob = panel.getKnob();
};

TEST_F (MasterOverdrivePanelTest, ShowsTheDeviceValueFromTheFirstPollWithoutWritingIt)
{
    panel.setBounds (0, 0, 200, 120);
    recorder.showFromDevice (FX_AmpOverdrive, 0x3000);
    poll();
    EXPECT_EQ (knob.getValue(), 48.0);
    EXPECT_EQ (knob.getShownText(), "0.75");
    EXPECT_EQ (knob.highlightLevel, 1.0f) << "a changed value lights the knob";

    recorder.showFromDevice (FX_AmpOverdrive, 0x7F00);
    poll();
    EXPECT_EQ (knob.getShownText(), "11.0");
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (MasterOverdrivePanelTest, ADeviceValueDuringADragIsIgnoredAndNotWrittenBack)
{
    panel.setBounds (0, 0, 200, 120);
    poll();
    edit::pressAndDrag (knob, 30.0f);
    const double underHand = knob.getValue();
    ASSERT_GT (underHand, 0.0);
    recorder.clear();

    recorder.showFromDevice (FX_AmpOverdrive, 0x0500);
    poll();
    EXPECT_EQ (knob.getValue(), underHand);
    edit::release (knob);
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (MasterOverdrivePanelTest, AUserEditWritesTheShiftedValueAndGlowsForThirtyTicks)
{
    panel.setBounds (0, 0, 200, 120);
    poll();
    knob.setValue (100.0, juce::sendNotificationSync);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { FX_AmpOverdrive, 25600 } }));
    ASSERT_EQ (knob.highlightLevel, 1.0f);

    for (int tick = 0; tick < 29; ++tick)
        panel.fadeHighlights();
    EXPECT_GT (knob.highlightLevel, 0.0f) << "still glowing before the second is over";
    panel.fadeHighlights();
    panel.fadeHighlights();
    const float rest = knob.highlightLevel;
    EXPECT_LT (rest, 0.0f);
    panel.fadeHighlights();
    EXPECT_EQ (knob.highlightLevel, rest) << "a faded knob stays at rest";

    poll();
    EXPECT_EQ (recorder.writes().size(), 1u) << "the value written comes back without a second write";
}

TEST_F (MasterOverdrivePanelTest, DoubleAndAltClickReturnToTheDefault)
{
    const int d = defaultOf (FX_AmpOverdrive);
    panel.setBounds (0, 0, 200, 120);
    const std::pair<const char*, void (*) (juce::Component&)> gestures[] = { { "double-click", &edit::doubleClick },
                                                                              { "Alt-click", &edit::altClick } };
    for (const auto& [name, gesture] : gestures)
    {
        recorder.showFromDevice (FX_AmpOverdrive, d + 0x1100);
        poll();
        recorder.clear();
        gesture (knob);
        EXPECT_EQ (knob.getValue(), (double) (d >> 8)) << name;
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { FX_AmpOverdrive, (d >> 8) << 8 } })) << name;
        poll();   // the written value comes back
    }
}

TEST_F (MasterOverdrivePanelTest, OnlyARightClickOnTheKnobOpensItsMenu)
{
    ShownWindow window;
    window.setSize (200, 120);
    window.addAndMakeVisible (panel);
    panel.setBounds (window.getLocalBounds());
    poll();
    menutest::ScopedModalStep step;

    const auto onKnob = knob.getBoundsInParent().getCentre();
    const auto onCaption = panel.getCaption().getBoundsInParent().getCentre();
    const juce::Point<int> beside { 4, 4 };
    const auto middle = juce::ModifierKeys (juce::ModifierKeys::middleButtonModifier);

    struct Case { juce::Point<int> at; juce::ModifierKeys button; bool opens; const char* what; };
    const Case cases[] = {
        { onKnob, edit::right, true, "right click on the knob" },
        { beside, edit::right, false, "right click beside the knob" },
        { onCaption, edit::right, false, "right click on the caption" },
        { onKnob, edit::left, false, "left click on the knob" },
        { onKnob, middle, false, "middle click on the knob" },
    };
    for (const auto& c : cases)
    {
        step.shown.clear();
        edit::clickThroughPeer (window, c.at, c.button);
        ASSERT_EQ (step.shown.size(), c.opens ? 1u : 0u) << c.what;
        if (c.opens)
        {
            EXPECT_EQ (panel.getModulationMenu().getParameterId(), FX_AmpOverdrive);
            EXPECT_NE (std::find (step.shown[0].begin(), step.shown[0].end(),
                                  std::to_string (ModulationPopupMenu::resetItemId) + " Reset to default value"),
                       step.shown[0].end());
        }
    }
    window.removeChildComponent (&panel);
}

TEST_F (MasterOverdrivePanelTest, ResetToDefaultFromTheMenuWritesTheDefault)
{
    ShownWindow window;
    window.setSize (200, 120);
    window.addAndMakeVisible (panel);
    panel.setBounds (window.getLocalBounds());
    const int d = defaultOf (FX_AmpOverdrive);
    recorder.showFromDevice (FX_AmpOverdrive, d + 0x0A00);
    poll();

    menutest::ScopedModalStep step ([] { return ModulationPopupMenu::resetItemId; });
    edit::clickThroughPeer (window, knob.getBoundsInParent().getCentre(), edit::right);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { FX_AmpOverdrive, d } }));
    window.removeChildComponent (&panel);
}

TEST_F (MasterOverdrivePanelTest, TheCaptionFollowsItsBitOfTheGlobalModeMask)
{
    auto& caption = panel.getCaption();
    struct Case { int mask; bool global; };
    const Case cases[] = { { 4, true }, { 0, false }, { 8, false }, { 0xFF, true }, { 3, false }, { 4 | 8, true } };

    for (const auto& c : cases)
    {
        setMask (c.mask);
        poll();
        EXPECT_EQ (panel.getGlobalMode().isGlobal(), c.global) << c.mask;
        EXPECT_EQ (caption.findColour (CorvanelColourIds::smallLabelBackground).getARGB(),
                   c.global ? GlobalModeCaptions::onBackground : GlobalModeCaptions::offBackground) << c.mask;
        EXPECT_EQ (caption.findColour (CorvanelColourIds::smallLabelText).getARGB(),
                   c.global ? GlobalModeCaptions::onText : GlobalModeCaptions::offText) << c.mask;
    }
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (MasterOverdrivePanelTest, LaysOutACentredColumnAndHandsTheHueToItsKnob)
{
    struct Case { int w, h; juce::Rectangle<int> caption, knob; };
    const Case cases[] = {
        { 200, 120, { 16, 23, 168, 20 }, { 16, 43, 168, 54 } },
        { 100, 80, { 16, 3, 68, 20 }, { 16, 23, 68, 54 } },   // taller column than room: it rises
        { 10, 10, { 16, -21, 0, 20 }, { 16, -1, 0, 54 } },
    };
    for (const auto& c : cases)
    {
        panel.setSize (c.w, c.h);
        EXPECT_EQ (panel.getCaption().getBounds(), c.caption) << c.w << "x" << c.h;
        EXPECT_EQ (knob.getBounds(), c.knob) << c.w << "x" << c.h;
    }
    panel.setHue (5);
    EXPECT_EQ (knob.hue, 5);
    EXPECT_EQ (knob.getTooltip(), "Adjusts the Master Overdrive.");
}
} // namespace
