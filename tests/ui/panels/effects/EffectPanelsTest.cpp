// The delay, reverb and external input panels of the effects tab: per panel a
// table of device value -> shown state and of user value -> written value for
// every control, the graphs following both, the global-mode captions by bit,
// the right-click targets through synthesized mouse events, and the layouts.
#include "../PanelTestSupport.h"
#include "../modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/panels/effects/DelayPanel.h"
#include "ui/panels/effects/MasterInputPanel.h"
#include "ui/panels/effects/ReverbPanel.h"

using namespace paneltest;

namespace
{
constexpr int effects = Vantu::Kit::numTracks;

// The effects object and its recorder, the settings for the global mode.
class EffectPanelTest : public PanelTest
{
protected:
    EffectPanelTest() : PanelTest (effects) {}

    void setSetting (const juce::Identifier& id, int value) { context.getSettings().setValueFromMachine (id, value, false); }

    // Whether each caption shows the global-mode look.
    static bool allGlobal (const std::vector<SmallLabel*>& captions, bool global)
    {
        for (auto* c : captions)
            if (c->findColour (CorvanelColourIds::smallLabelBackground).getARGB()
                != (global ? GlobalModeCaptions::onBackground : GlobalModeCaptions::offBackground))
                return false;
        return true;
    }

    // Right clicks through the window's peer at the centres of the components:
    // the identifier whose menu opened, or none.
    std::vector<juce::Identifier> rightClickTargets (ParameterPanel& panel, const std::vector<juce::Component*>& targets,
                                                     juce::Point<int> gap)
    {
        ShownWindow window;
        window.setSize (panel.getWidth(), panel.getHeight());
        window.addAndMakeVisible (panel);
        panel.setTopLeftPosition (0, 0);
        poll();
        menutest::ScopedModalStep step;
        std::vector<juce::Identifier> out;
        auto clickAt = [&] (juce::Point<int> at) {
            panel.getModulationMenu().setParameterId (FX_None);
            edit::clickThroughPeer (window, at, edit::right);
            const auto id = panel.getModulationMenu().getParameterId();
            out.push_back (id == FX_None ? juce::Identifier() : id);
        };
        for (auto* target : targets)
            clickAt (panel.getLocalPoint (target, target->getLocalBounds().getCentre()));
        clickAt (gap);
        window.removeChildComponent (&panel);
        return out;
    }
};

//==============================================================================
class DelayPanelTest : public EffectPanelTest
{
protected:
    DelayPanelTest()
    {
        panel.setParameterIds (FX_DelayTime, FX_DelayFeedback, FX_DelayHpFilter, FX_DelayLpFilter, FX_DelayWidth, FX_DelayPingPong,
                               FX_DelayReverbSend, FX_DelayVolume, FX_None);
        panel.setBounds (0, 0, 600, 220);
    }

    DelayPanel panel { context, effects };
};

TEST_F (DelayPanelTest, DeviceValuesShowOnTheControlsAndTheDiagramWithoutAWrite)
{
    auto& d = panel.getDiagram();
    struct Case { const juce::Identifier& id; int v; std::function<double()> shown; double control; std::function<double()> drawn; double diagram; };
    const auto none = [] { return 0.0; };
    const Case cases[] = {
        { FX_DelayTime, 0, [&] { return panel.getTimeKnob().getValue(); }, 256, [&] { return d.time; }, 1 },
        { FX_DelayTime, 32512, [&] { return panel.getTimeKnob().getValue(); }, 32768, [&] { return d.time; }, 128 },
        { FX_DelayFeedback, 127 * 256, [&] { return panel.getFeedbackKnob().getValue(); }, 127, [&] { return d.feedback; }, 198 },
        { FX_DelayFeedback, 64 * 256, [&] { return panel.getFeedbackKnob().getValue(); }, 64, [&] { return d.feedback; }, 100 },
        { FX_DelayWidth, 0x4000, [&] { return panel.getWidthKnob().getValue(); }, 0, [&] { return d.stereoWidth; }, 0 },
        { FX_DelayWidth, 0, [&] { return panel.getWidthKnob().getValue(); }, -16384, [&] { return d.stereoWidth; }, -64 },
        { FX_DelayPingPong, 255, [&] { return panel.getPingPongSwitch().getToggleState(); }, 0, [&] { return d.pingPong; }, 0 },
        { FX_DelayPingPong, 256, [&] { return panel.getPingPongSwitch().getToggleState(); }, 1, [&] { return d.pingPong; }, 1 },
        { FX_DelayHpFilter, 5000, [&] { return panel.getHpKnob().getValue(); }, 5000, none, 0 },
        { FX_DelayLpFilter, 7000, [&] { return panel.getLpKnob().getValue(); }, 7000, none, 0 },
        { FX_DelayVolume, 9000, [&] { return panel.getVolumeKnob().getValue(); }, 9000, none, 0 },
        { FX_DelayReverbSend, 12000, [&] { return panel.getSendSlider().getValue(); }, 12000, none, 0 },
    };
    for (const auto& c : cases)
    {
        recorder.showFromDevice (c.id, c.v);
        poll();
        EXPECT_EQ (c.shown(), c.control) << c.id.toString() << " = " << c.v;
        EXPECT_EQ (c.drawn(), c.diagram) << c.id.toString() << " = " << c.v;
    }
    EXPECT_EQ (panel.getFeedbackKnob().getShownText(), "100");
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (DelayPanelTest, UserValuesAreWrittenInTheDeviceEncodingAndMoveTheDiagram)
{
    poll();
    auto& d = panel.getDiagram();
    struct Case { std::function<void()> edit; Write expected; std::function<double()> drawn; double diagram; };
    const Case cases[] = {
        { [&] { panel.getTimeKnob().setValue (32768.0, juce::sendNotificationSync); }, { FX_DelayTime, 32512 }, [&] { return d.time; }, 128 },
        { [&] { panel.getTimeKnob().setValue (512.75, juce::sendNotificationSync); }, { FX_DelayTime, 256 }, [&] { return d.time; }, 2.0 },
        { [&] { panel.getFeedbackKnob().setValue (64.0, juce::sendNotificationSync); }, { FX_DelayFeedback, 64 * 256 }, [&] { return d.feedback; }, 100 },
        { [&] { panel.getWidthKnob().setValue (-16384.0, juce::sendNotificationSync); }, { FX_DelayWidth, 0 }, [&] { return d.stereoWidth; }, -64 },
        { [&] { panel.getWidthKnob().setValue (256.0, juce::sendNotificationSync); }, { FX_DelayWidth, 16640 }, [&] { return d.stereoWidth; }, 1 },
        { [&] { panel.getHpKnob().setValue (1234.5, juce::sendNotificationSync); }, { FX_DelayHpFilter, 1234 }, [] { return 0.0; }, 0 },
        { [&] { panel.getLpKnob().setValue (4321.0, juce::sendNotificationSync); }, { FX_DelayLpFilter, 4321 }, [] { return 0.0; }, 0 },
        { [&] { panel.getVolumeKnob().setValue (20000.0, juce::sendNotificationSync); }, { FX_DelayVolume, 20000 }, [] { return 0.0; }, 0 },
        { [&] { panel.getSendSlider().setValue (12800.75, juce::sendNotificationSync); }, { FX_DelayReverbSend, 12800 }, [] { return 0.0; }, 0 },
        { [&] { edit::click (panel.getPingPongSwitch()); }, { FX_DelayPingPong, panel.getPingPongSwitch().getToggleState() ? 0 : 256 },
          [&] { return d.pingPong; }, panel.getPingPongSwitch().getToggleState() ? 0.0 : 1.0 },
    };
    for (const auto& c : cases)
    {
        recorder.clear();
        c.edit();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { c.expected })) << c.expected.id.toString();
        EXPECT_DOUBLE_EQ (c.drawn(), c.diagram) << c.expected.id.toString();
        poll();
    }
    EXPECT_EQ (panel.getSendSlider().highlightLevel, 1.0f) << "the send lights on a user edit";
}

TEST_F (DelayPanelTest, DragsKeepTheUsersValueAndDoubleClicksReturnToTheDefaults)
{
    poll();
    edit::pressAndDrag (panel.getWidthKnob(), 30.0f);
    const double underHand = panel.getWidthKnob().getValue();
    recorder.showFromDevice (FX_DelayWidth, 0);
    poll();
    EXPECT_EQ (panel.getWidthKnob().getValue(), underHand);
    edit::release (panel.getWidthKnob());

    const std::pair<const juce::Identifier*, juce::Slider*> knobs[] = {
        { &FX_DelayTime, &panel.getTimeKnob() }, { &FX_DelayWidth, &panel.getWidthKnob() }, { &FX_DelayFeedback, &panel.getFeedbackKnob() } };
    for (const auto& [id, knob] : knobs)
    {
        const int d = defaultOf (*id);
        recorder.showFromDevice (*id, d == 0 ? 0x1000 : 0);
        poll();
        recorder.clear();
        edit::doubleClick (*knob);
        ASSERT_EQ (recorder.writes().size(), 1u) << id->toString();
        EXPECT_EQ (recorder.writes()[0].value, *id == FX_DelayFeedback ? (d >> 8) << 8 : d) << id->toString();
    }
}

TEST_F (DelayPanelTest, CaptionsFollowBitSixAndRightClicksOpenTheirParameters)
{
    std::vector<SmallLabel*> captions;
    for (int i = 0; i < 8; ++i)
        captions.push_back (&panel.getCaption (i));
    for (const auto& [mask, global] : { std::pair { 0x40, true }, { 0xBF, false }, { 0, false }, { 0xFF, true } })
    {
        setSetting (Settings_GlobalModeMask, mask);
        poll();
        EXPECT_TRUE (allGlobal (captions, global)) << mask;
    }

    const auto hits = rightClickTargets (panel, { &panel.getTimeKnob(), &panel.getFeedbackKnob(), &panel.getHpKnob(), &panel.getLpKnob(),
                                                  &panel.getWidthKnob(), &panel.getSendSlider(), &panel.getVolumeKnob(),
                                                  &panel.getPingPongSwitch(), &panel.getDiagram() },
                                         { 595, 2 });
    EXPECT_EQ (hits, (std::vector<juce::Identifier> { FX_DelayTime, FX_DelayFeedback, FX_DelayHpFilter, FX_DelayLpFilter, FX_DelayWidth,
                                                      FX_DelayReverbSend, FX_DelayVolume, FX_DelayPingPong, {}, {} }));
}

TEST_F (DelayPanelTest, LaysOutTwoRowsBesideTheDiagram)
{
    EXPECT_EQ (panel.getDiagram().getBounds(), juce::Rectangle<int> (435, 36, 147, 147));
    EXPECT_EQ (panel.getTimeKnob().getBounds(), juce::Rectangle<int> (8, 32, 82, 57));
    EXPECT_EQ (panel.getCaption (0).getBounds(), juce::Rectangle<int> (19, 12, 60, 14));
    EXPECT_EQ (panel.getPingPongSwitch().getBounds(), juce::Rectangle<int> (90, 32, 82, 32));
    EXPECT_EQ (panel.getCaption (4).getBounds(), juce::Rectangle<int> (181, 12, 64, 14)) << "Stereo Width";
    EXPECT_EQ (panel.getFeedbackKnob().getBounds(), juce::Rectangle<int> (254, 32, 82, 57));
    EXPECT_EQ (panel.getHpKnob().getBounds(), juce::Rectangle<int> (8, 137, 82, 57));
    EXPECT_EQ (panel.getCaption (2).getY(), 117);
    EXPECT_EQ (panel.getSendSlider().getBounds(), juce::Rectangle<int> (188, 142, 50, 53));
    EXPECT_EQ (panel.getVolumeKnob().getBounds(), juce::Rectangle<int> (254, 137, 82, 57));
    panel.setSize (10, 10);
    EXPECT_GE (panel.getVolumeKnob().getHeight(), 0);
}

//==============================================================================
class ReverbPanelTest : public EffectPanelTest
{
protected:
    ReverbPanelTest()
    {
        panel.setParameterIds (FX_ReverbPreDelay, FX_ReverbDecayTime, FX_ReverbShelvingFrequency, FX_ReverbShelvingGain,
                               FX_ReverbLpFilter, FX_ReverbHpFilter, FX_ReverbVolume);
        panel.setBounds (0, 0, 700, 240);
    }

    ReverbPanel panel { context, effects };
};

TEST_F (ReverbPanelTest, DeviceValuesShowOnKnobsAndGraphsWithoutAWrite)
{
    auto& in = panel.getInputGraph();
    auto& shelf = panel.getShelvingGraph();
    struct Case { const juce::Identifier& id; int v; std::function<double()> shown; double control; std::function<double()> drawn; double graph; };
    const auto none = [] { return 0.0; };
    const Case cases[] = {
        { FX_ReverbDecayTime, 0, [&] { return panel.getDecayKnob().getValue(); }, 1, none, 0 },
        { FX_ReverbDecayTime, 127 * 256, [&] { return panel.getDecayKnob().getValue(); }, 128, [&] { return panel.getDecayKnob().showsInfinity(); }, 1 },
        { FX_ReverbShelvingFrequency, 40 * 256, [&] { return panel.getFrequencyKnob().getValue(); }, 40 * 256, [&] { return shelf.breakpoints[0].x; }, 40 },
        { FX_ReverbShelvingGain, 30 * 256, [&] { return panel.getGainKnob().getValue(); }, 30 * 256, [&] { return shelf.breakpoints[1].level; }, 30 },
        { FX_ReverbLpFilter, 50 * 256, [&] { return panel.getLpKnob().getValue(); }, 50 * 256, [&] { return in.bandwidth; }, 50 },
        { FX_ReverbHpFilter, 20 * 256, [&] { return panel.getHpKnob().getValue(); }, 20 * 256, [&] { return in.breakpoints[0].x; }, 20 },
        { FX_ReverbVolume, 9000, [&] { return panel.getVolumeKnob().getValue(); }, 9000, none, 0 },
        { FX_ReverbPreDelay, 3000, [&] { return panel.getPreDelayKnob().getValue(); }, 3000, none, 0 },
    };
    for (const auto& c : cases)
    {
        recorder.showFromDevice (c.id, c.v);
        poll();
        EXPECT_EQ (c.shown(), c.control) << c.id.toString() << " = " << c.v;
        EXPECT_EQ (c.drawn(), c.graph) << c.id.toString() << " = " << c.v;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (ReverbPanelTest, UserValuesAndGraphDragsWriteClampedKnobValues)
{
    poll();
    struct Case { std::function<void()> edit; std::vector<Write> expected; };
    const Case cases[] = {
        { [&] { panel.getDecayKnob().setValue (1.0, juce::sendNotificationSync); }, { { FX_ReverbDecayTime, 0 } } },
        { [&] { panel.getDecayKnob().setValue (128.0, juce::sendNotificationSync); }, { { FX_ReverbDecayTime, 32512 } } },
        { [&] { panel.getHpKnob().setValue (2560.5, juce::sendNotificationSync); }, { { FX_ReverbHpFilter, 2560 } } },
        { [&] { panel.getPreDelayKnob().setValue (100.0, juce::sendNotificationSync); }, { { FX_ReverbPreDelay, 100 } } },
        { [&] {   // the band end dragged beyond the widest band
              panel.getInputGraph().bandwidth = 200;
              panel.getInputGraph().breakpoints[0].x = 10;
              panel.getInputGraph().sendChangeMessage ({});
              pump();
          },
          { { FX_ReverbLpFilter, 127 * 256 }, { FX_ReverbHpFilter, 10 * 256 } } },
        { [&] {
              panel.getShelvingGraph().breakpoints[0].x = 60;
              panel.getShelvingGraph().breakpoints[1].level = 127;
              panel.getShelvingGraph().sendChangeMessage ({});
              pump();
          },
          { { FX_ReverbShelvingFrequency, 60 * 256 }, { FX_ReverbShelvingGain, 32512 } } },
    };
    for (const auto& c : cases)
    {
        recorder.clear();
        c.edit();
        EXPECT_EQ (recorder.writes(), c.expected);
        poll();
    }
    EXPECT_EQ (panel.getLpKnob().getValue(), 127 * 256);
    EXPECT_EQ (panel.getGainKnob().getValue(), 32512);

    recorder.clear();
    panel.getLpKnob().setValue (80 * 256, juce::sendNotificationSync);
    EXPECT_EQ (panel.getInputGraph().bandwidth, 80) << "a knob edit moves its graph";

    const int d = defaultOf (FX_ReverbDecayTime);
    recorder.showFromDevice (FX_ReverbDecayTime, d == 0 ? 0x1000 : 0);
    poll();
    recorder.clear();
    edit::doubleClick (panel.getDecayKnob());
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { FX_ReverbDecayTime, d } })) << "the default comes back unchanged";
}

TEST_F (ReverbPanelTest, CaptionsFollowBitSevenAndGraphsOpenNoMenu)
{
    std::vector<SmallLabel*> captions;
    for (int i = 0; i < 7; ++i)
        captions.push_back (&panel.getCaption (i));
    for (const auto& [mask, global] : { std::pair { 0x80, true }, { 0x7F, false } })
    {
        setSetting (Settings_GlobalModeMask, mask);
        poll();
        EXPECT_TRUE (allGlobal (captions, global)) << mask;
    }
    const auto hits = rightClickTargets (panel, { &panel.getDecayKnob(), &panel.getFrequencyKnob(), &panel.getGainKnob(), &panel.getLpKnob(),
                                                  &panel.getHpKnob(), &panel.getVolumeKnob(), &panel.getPreDelayKnob(),
                                                  &panel.getInputGraph(), &panel.getShelvingGraph() },
                                         { 695, 2 });
    EXPECT_EQ (hits, (std::vector<juce::Identifier> { FX_ReverbDecayTime, FX_ReverbShelvingFrequency, FX_ReverbShelvingGain,
                                                      FX_ReverbLpFilter, FX_ReverbHpFilter, FX_ReverbVolume, FX_ReverbPreDelay, {}, {}, {} }));
}

TEST_F (ReverbPanelTest, LaysOutFiveColumnsAndTitles)
{
    EXPECT_EQ (panel.getCaption (0).getBounds(), juce::Rectangle<int> (8, 12, 64, 14));
    EXPECT_EQ (panel.getPreDelayKnob().getBounds(), juce::Rectangle<int> (8, 32, 64, 58));
    EXPECT_EQ (panel.getCaption (1).getPosition(), juce::Point<int> (142, 12));
    EXPECT_EQ (panel.getDecayKnob().getPosition(), juce::Point<int> (98, 47));
    EXPECT_EQ (panel.getCaption (2).getPosition(), juce::Point<int> (269, 12));
    EXPECT_EQ (panel.getFrequencyKnob().getPosition(), juce::Point<int> (275, 32));
    EXPECT_EQ (panel.getShelvingTitle().getBounds(), juce::Rectangle<int> (338, 11, 244, 12));
    EXPECT_EQ (panel.getShelvingGraph().getBounds(), juce::Rectangle<int> (342, 34, 236, 52));
    EXPECT_EQ (panel.getCaption (3).getPosition(), juce::Point<int> (591, 12));
    EXPECT_EQ (panel.getGainKnob().getPosition(), juce::Point<int> (597, 32));
    EXPECT_EQ (panel.getCaption (5).getY(), 116);
    EXPECT_EQ (panel.getHpKnob().getY(), 136);
    EXPECT_EQ (panel.getInputTitle().getPosition(), juce::Point<int> (338, 115));
    EXPECT_EQ (panel.getInputGraph().getBounds(), juce::Rectangle<int> (342, 138, 236, 52));

    auto& title = panel.getShelvingTitle();
    EXPECT_EQ (title.getText(), "FEEDBACK SHELVING");
    EXPECT_GT (title.getTextBox().getX(), 4) << "room for the left line";
    EXPECT_LT (title.getTextBox().getRight(), title.getWidth() - 4) << "room for the right line";
}

//==============================================================================
class MasterInputPanelTest : public EffectPanelTest
{
protected:
    MasterInputPanelTest()
    {
        panel.setParameterIds();
        panel.setBounds (0, 0, 300, 250);
    }

    MasterInputPanel panel { context, effects };
};

TEST_F (MasterInputPanelTest, ValuesTravelInTheirEncodings)
{
    struct Shown { const juce::Identifier& id; int v; std::function<double()> shown; double control; };
    const Shown shown[] = {
        { FX_ExtInInputLevel, 12345, [&] { return panel.getLevelKnob().getValue(); }, 12345 },
        { FX_ExtInInputBalance, 0x4000, [&] { return panel.getPanKnob().getValue(); }, 0 },
        { FX_ExtInInputBalance, 0, [&] { return panel.getPanKnob().getValue(); }, -64 },
        { FX_ExtInDelaySend, 20000, [&] { return panel.getDelaySend().getValue(); }, 20000 },
        { FX_ExtInReverbSend, 30000, [&] { return panel.getReverbSend().getValue(); }, 30000 },
    };
    for (const auto& c : shown)
    {
        recorder.showFromDevice (c.id, c.v);
        poll();
        EXPECT_EQ (c.shown(), c.control) << c.id.toString();
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());

    struct Edit { std::function<void()> edit; Write expected; };
    const Edit edits[] = {
        { [&] { panel.getPanKnob().setValue (63.0, juce::sendNotificationSync); }, { FX_ExtInInputBalance, 0x7F00 } },
        { [&] { panel.getPanKnob().setValue (-64.0, juce::sendNotificationSync); }, { FX_ExtInInputBalance, 0 } },
        { [&] { panel.getPanKnob().setValue (0.0, juce::sendNotificationSync); }, { FX_ExtInInputBalance, 0x4000 } },
        { [&] { panel.getDelaySend().setValue (12800.75, juce::sendNotificationSync); }, { FX_ExtInDelaySend, 12800 } },
        { [&] { panel.getReverbSend().setValue (100.5, juce::sendNotificationSync); }, { FX_ExtInReverbSend, 100 } },
        { [&] { panel.getLevelKnob().setValue (256.0, juce::sendNotificationSync); }, { FX_ExtInInputLevel, 256 } },
    };
    for (const auto& c : edits)
    {
        recorder.clear();
        c.edit();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { c.expected })) << c.expected.id.toString();
        poll();
    }
}

TEST_F (MasterInputPanelTest, MonoOrStereoChoosesTheTextsAndBitOneTheCaptionColours)
{
    struct Case { int mode; const char* caption; const char* levelTip; const char* delayTip; };
    const Case cases[] = {
        { 0, "Pan LR", "Level of the external mono inputs.", "Amount to send to the delay effect for external mono inputs." },
        { 1, "Balance LR", "Level of the stereo input signal.", "Amount to send to the delay effect for the external stereo input signal." },
        { 0, "Pan LR", "Level of the external mono inputs.", "Amount to send to the delay effect for external mono inputs." },
        { 256, "Balance LR", "Level of the stereo input signal.", "Amount to send to the delay effect for the external stereo input signal." },
    };
    for (const auto& c : cases)
    {
        setSetting (Settings_ExternalInMonoStereoMode, c.mode);
        poll();
        EXPECT_EQ (panel.getPanCaption().getText(), c.caption) << c.mode;
        EXPECT_EQ (panel.getLevelKnob().getTooltip(), c.levelTip) << c.mode;
        EXPECT_EQ (panel.getDelaySend().getTooltip(), c.delayTip) << c.mode;
    }
    setSetting (Settings_ExternalInMonoStereoMode, 0);
    poll();
    EXPECT_EQ (panel.getPanKnob().getTooltip(), "Pan for the external mono inputs.");
    EXPECT_EQ (panel.getReverbSend().getTooltip(), "Amount to send to the reverb effect for external mono inputs.");

    const std::vector<SmallLabel*> captions { &panel.getInputCaption(), &panel.getPanCaption(), &panel.getReverbCaption(),
                                              &panel.getDelayCaption() };
    for (const auto& [mask, global] : { std::pair { 2, true }, { 1, false }, { 4, false }, { 0xFF, true } })
    {
        setSetting (Settings_GlobalModeMask, mask);
        poll();
        EXPECT_TRUE (allGlobal (captions, global)) << mask;
    }
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (MasterInputPanelTest, LayoutAndRightClickTargets)
{
    EXPECT_EQ (panel.getLevelKnob().getBounds(), juce::Rectangle<int> (4, 32, 146, 56));
    EXPECT_EQ (panel.getPanKnob().getBounds(), juce::Rectangle<int> (150, 32, 146, 56));
    EXPECT_EQ (panel.getDelaySend().getY(), 124);
    EXPECT_EQ (panel.getReverbSend().getBounds(), juce::Rectangle<int> (194, 124, 58, 56));

    const auto hits = rightClickTargets (panel, { &panel.getLevelKnob(), &panel.getPanKnob(), &panel.getDelaySend(), &panel.getReverbSend() },
                                         { 150, 97 });
    EXPECT_EQ (hits, (std::vector<juce::Identifier> { FX_ExtInInputLevel, FX_ExtInInputBalance, FX_ExtInDelaySend, FX_ExtInReverbSend, {} }));
}
} // namespace
