// The mixer of the effects tab: device values shown on faders, buttons and pan
// without a write back, user edits written in the device encodings to the
// right object, global mode swapping the faders, the layout, the drawing of
// its own widgets and the meters listening to the sample publisher under
// (bus, channel) while their strips live.
#include "../PanelTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "processor/SamplePublisher.h"
#include "ui/panels/effects/MixerPanel.h"
#include "ui/panels/engine/GlobalModeCaptions.h"
#include "ui/lookandfeel/ColourIds.h"

using namespace paneltest;
using namespace std::chrono_literals;

namespace
{
constexpr int track = 4;   // T5

class MixerPanelTest : public uitest::LookAndFeelTest
{
protected:
    MixerPanelTest() { panel->setBounds (0, 0, 975, 215); }

    void poll() { context.poll(); }
    static void pump() { fhtest::pumpFor (20ms); }

    void showMask (int mask)
    {
        settingsRecorder.showFromDevice (Settings_GlobalModeMask, mask);
        poll();
    }

    std::vector<Write> allWrites() const
    {
        std::vector<Write> all;
        for (const auto* r : { &kitRecorder, &settingsRecorder, &soundRecorder })
            all.insert (all.end(), r->writes().begin(), r->writes().end());
        return all;
    }

    void clearWrites()
    {
        kitRecorder.clear();
        settingsRecorder.clear();
        soundRecorder.clear();
    }

    DetachedPanelContext context;
    WriteRecorder kitRecorder { context.getKit(), context.getKit().getRegistrationOrder() };
    WriteRecorder settingsRecorder { context.getSettings(), context.getSettings().getRegistrationOrder() };
    WriteRecorder soundRecorder { *context.getKit().getSound (track), { Sound_AmpPan } };
    std::unique_ptr<MixerPanel> panel = std::make_unique<MixerPanel> (context, nullptr);
    MixerPanel::MixerChannelComponent& strip = panel->getStrip (track);
};

TEST_F (MixerPanelTest, DeviceValuesShowWithoutAWriteBack)
{
    struct Case { const juce::Identifier& id; WriteRecorder* recorder; int value; std::function<double()> shown; double expected; };
    const Case cases[] = {
        { Vantu::Kit::trackLevelId (track), &kitRecorder, 127 * 256, [&] { return strip.getLevelFader().getValue(); }, 127 },
        { Vantu::Kit::trackLevelId (track), &kitRecorder, 0, [&] { return strip.getLevelFader().getValue(); }, 0 },
        { Vantu::Kit::trackLevelId (track), &kitRecorder, 0x4580, [&] { return strip.getLevelFader().getValue(); }, 0x45 },
        { Vantu::Settings::trackMuteId (track), &settingsRecorder, 128, [&] { return strip.getMuteButton().getToggleState(); }, 0 },
        { Vantu::Settings::trackMuteId (track), &settingsRecorder, 129, [&] { return strip.getMuteButton().getToggleState(); }, 1 },
        { Vantu::Settings::trackMuteId (track), &settingsRecorder, 256, [&] { return strip.getMuteButton().getToggleState(); }, 1 },
        { Vantu::Kit::trackPatternMuteId (track), &kitRecorder, 256, [&] { return strip.getPatternMuteButton().getToggleState(); }, 1 },
        { Vantu::Kit::trackPatternMuteId (track), &kitRecorder, 128, [&] { return strip.getPatternMuteButton().getToggleState(); }, 0 },
        { Sound_AmpPan, &soundRecorder, 0, [&] { return strip.getPanSlider().getValue(); }, -64 },
        { Sound_AmpPan, &soundRecorder, 0x4000, [&] { return strip.getPanSlider().getValue(); }, 0 },
        { Sound_AmpPan, &soundRecorder, 0x7F00, [&] { return strip.getPanSlider().getValue(); }, 63 },
        { Vantu::Kit::trackLevelId (12), &kitRecorder, 90 * 256, [&] { return panel->getFxStrip().getLevelFader().getValue(); }, 90 },
    };
    for (const auto& c : cases)
    {
        c.recorder->showFromDevice (c.id, c.value);
        poll();
        EXPECT_EQ (c.shown(), c.expected) << c.id.toString() << " = " << c.value;
    }
    pump();
    EXPECT_TRUE (allWrites().empty());
}

TEST_F (MixerPanelTest, FaderAndPanDrawingFollowTheValue)
{
    auto& fader = strip.getLevelFader();
    kitRecorder.showFromDevice (Vantu::Kit::trackLevelId (track), 127 * 256);
    poll();
    EXPECT_EQ (fader.handleY(), 0) << "top";
    kitRecorder.showFromDevice (Vantu::Kit::trackLevelId (track), 0);
    poll();
    EXPECT_EQ (fader.handleY(), fader.getHeight() - VolumeSlider::handleHeight) << "bottom";

    auto& pan = strip.getPanSlider();
    soundRecorder.showFromDevice (Sound_AmpPan, 0x4000);
    poll();
    EXPECT_EQ (pan.handleX(), pan.getWidth() / 2 - 2) << "centre marker";
    const auto image = uitest::render (pan);
    EXPECT_EQ (uitest::pixel (image, pan.getWidth() / 2, 0), 0xFFDF575Eu) << "the marker on the top edge";
    EXPECT_EQ (uitest::pixel (image, 2, 0), 0xFF603134u) << "the strip beside it";
    EXPECT_EQ (uitest::pixel (image, pan.getWidth() / 2, 10), 0xFFF0F0F0u) << "the handle";

    soundRecorder.showFromDevice (Sound_AmpPan, 0);
    poll();
    EXPECT_EQ (pan.handleX(), 0) << "full left";
    soundRecorder.showFromDevice (Sound_AmpPan, 0x7F00);
    poll();
    EXPECT_EQ (pan.handleX(), pan.getWidth() - PanSlider::handleWidth) << "full right";

    auto& mute = strip.getMuteButton();
    mute.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (uitest::pixel (uitest::render (mute), 1, 1), 0xFFDF575Eu);
    mute.setToggleState (false, juce::dontSendNotification);
    EXPECT_EQ (uitest::pixel (uitest::render (mute), 1, 1), 0xFF404040u);
}

TEST_F (MixerPanelTest, UserEditsWriteTheirEncodingToTheRightObject)
{
    poll();
    clearWrites();
    struct Case { std::function<void()> edit; Write expected; };
    const Case cases[] = {
        { [&] { strip.getLevelFader().setValue (101.0, juce::sendNotificationSync); }, { Vantu::Kit::trackLevelId (track), 25856 } },
        { [&] { strip.getLevelFader().setValue (0.0, juce::sendNotificationSync); }, { Vantu::Kit::trackLevelId (track), 0 } },
        { [&] { strip.getPanSlider().setValue (-64.0, juce::sendNotificationSync); }, { Sound_AmpPan, 0 } },
        { [&] { strip.getPanSlider().setValue (0.0, juce::sendNotificationSync); }, { Sound_AmpPan, 0x4000 } },
        { [&] { strip.getPanSlider().setValue (63.0, juce::sendNotificationSync); }, { Sound_AmpPan, 0x7F00 } },
        { [&] { edit::click (strip.getMuteButton()); }, { Vantu::Settings::trackMuteId (track), 256 } },
        { [&] { edit::click (strip.getMuteButton()); }, { Vantu::Settings::trackMuteId (track), 0 } },
        { [&] { edit::click (strip.getPatternMuteButton()); }, { Vantu::Kit::trackPatternMuteId (track), 256 } },
        { [&] { panel->getFxStrip().getLevelFader().setValue (70.0, juce::sendNotificationSync); },
          { Vantu::Kit::trackLevelId (12), 70 * 256 } },
    };
    for (const auto& c : cases)
    {
        clearWrites();
        c.edit();
        EXPECT_EQ (allWrites(), (std::vector<Write> { c.expected })) << c.expected.id.toString() << " " << c.expected.value;
        poll();   // the value comes back
    }
    clearWrites();
    poll();
    EXPECT_TRUE (allWrites().empty());
}

TEST_F (MixerPanelTest, DoubleClickReturnsTheLevelToTheKitDefaultAndTheEffectsLevelTo100)
{
    int d = 0;
    ASSERT_TRUE (context.getKit().getDefaultValue (Vantu::Kit::trackLevelId (track), d));
    kitRecorder.showFromDevice (Vantu::Kit::trackLevelId (track), 10 * 256);
    kitRecorder.showFromDevice (Vantu::Kit::trackLevelId (12), 10 * 256);
    poll();
    clearWrites();
    edit::doubleClick (strip.getLevelFader());
    edit::doubleClick (panel->getFxStrip().getLevelFader());
    EXPECT_EQ (allWrites(), (std::vector<Write> { { Vantu::Kit::trackLevelId (track), (d >> 8) << 8 },
                                                   { Vantu::Kit::trackLevelId (12), 100 * 256 } }));
}

TEST_F (MixerPanelTest, GlobalModeSwapsTheFadersAndCopiesTheLevelIntoTheHiddenOne)
{
    kitRecorder.showFromDevice (Vantu::Kit::trackLevelId (track), 80 * 256);
    settingsRecorder.showFromDevice (Vantu::Settings::trackLevelId (track), 30 * 256);
    showMask (0);
    EXPECT_TRUE (strip.getLevelFader().isVisible());
    EXPECT_FALSE (strip.getGlobalLevelFader().isVisible());

    const auto fxText = panel->getFxStrip().getNameLabel().findColour (CorvanelColourIds::smallLabelText);
    showMask (0x41);   // other bits play no part
    EXPECT_TRUE (strip.isGlobal());
    EXPECT_FALSE (strip.getLevelFader().isVisible());
    EXPECT_TRUE (strip.getGlobalLevelFader().isVisible());
    EXPECT_EQ (strip.getGlobalLevelFader().getValue(), 30.0) << "the settings level, reported before the switch";
    auto& label = strip.getNameLabel();
    EXPECT_EQ (label.findColour (CorvanelColourIds::smallLabelBackground).getARGB(), GlobalModeCaptions::onBackground);
    EXPECT_EQ (label.findColour (CorvanelColourIds::smallLabelText).getARGB(), GlobalModeCaptions::onText);
    EXPECT_EQ (panel->getFxStrip().getNameLabel().findColour (CorvanelColourIds::smallLabelText), fxText)
        << "the effects strip never reacts to global mode";
    EXPECT_TRUE (panel->getFxStrip().getLevelFader().isVisible());

    kitRecorder.showFromDevice (Vantu::Kit::trackLevelId (track), 90 * 256);
    poll();
    EXPECT_EQ (strip.getGlobalLevelFader().getValue(), 30.0) << "a kit level leaves the shown global level alone";

    clearWrites();
    strip.getGlobalLevelFader().setValue (50.0, juce::sendNotificationSync);
    EXPECT_EQ (allWrites(), (std::vector<Write> { { Vantu::Settings::trackLevelId (track), 50 * 256 } }));
    poll();

    showMask (0x40);
    EXPECT_TRUE (strip.getLevelFader().isVisible());
    EXPECT_FALSE (strip.getGlobalLevelFader().isVisible());
    EXPECT_EQ (strip.getGlobalLevelFader().getValue(), 90.0) << "the level is copied into the hidden fader";
    EXPECT_EQ (label.findColour (CorvanelColourIds::smallLabelBackground).getARGB(), GlobalModeCaptions::offBackground);
    clearWrites();
    poll();
    EXPECT_TRUE (allWrites().empty());
}

TEST_F (MixerPanelTest, LaysOutThirteenStripsAndTheirControls)
{
    for (int t = 0; t < Vantu::Kit::numTracks; ++t)
        EXPECT_EQ (panel->getStrip (t).getBounds(), juce::Rectangle<int> (10 + 50 * t, 10, 46, 195)) << t;
    EXPECT_EQ (panel->getFxStrip().getBounds(), juce::Rectangle<int> (919, 10, 46, 195));

    EXPECT_EQ (strip.getNameLabel().getBounds(), juce::Rectangle<int> (0, 0, 46, 24));
    EXPECT_EQ (strip.getMuteButton().getBounds(), juce::Rectangle<int> (12, 29, 22, 22));
    EXPECT_EQ (strip.getPatternMuteButton().getBounds(), juce::Rectangle<int> (12, 57, 22, 22));
    EXPECT_EQ (strip.getPanSlider().getBounds(), juce::Rectangle<int> (2, 84, 42, 16));
    EXPECT_EQ (strip.getLevelFader().getBounds(), juce::Rectangle<int> (17, 108, 12, 79));
    EXPECT_EQ (strip.getGlobalLevelFader().getBounds(), strip.getLevelFader().getBounds());
    EXPECT_EQ (strip.getMeter().getMeter().getBounds(), juce::Rectangle<int> (7, 108, 12, 79));

    auto& fx = panel->getFxStrip();
    EXPECT_EQ (fx.getLevelFader().getBounds(), juce::Rectangle<int> (17, 108, 12, 79));
    EXPECT_EQ (fx.getLeftMeter().getMeter().getBounds(), juce::Rectangle<int> (7, 108, 12, 79));
    EXPECT_EQ (fx.getRightMeter().getMeter().getBounds(), juce::Rectangle<int> (27, 108, 12, 79));

    panel->setBounds (0, 0, 300, 30);   // too small: nothing negative
    EXPECT_EQ (panel->getStrip (11).getWidth(), 0);
    EXPECT_GE (strip.getLevelFader().getHeight(), 0);
    EXPECT_EQ (strip.getNameLabel().getText(), "TRK 5");
    EXPECT_EQ (fx.getNameLabel().getText(), "FX");
}

class MixerMeterTest : public MixerPanelTest
{
protected:
    int sources() const { return publisher.getNumSources (SamplePublisher::kOutputRow); }

    bool waitForSources (int n)
    {
        return fhtest::pumpUntil ([&] { return sources() == n; }, 5s);
    }

    SamplePublisher publisher;
};

TEST_F (MixerMeterTest, EachMeterHearsItsBusChannelUntilTheMixerGoes)
{
    auto mixer = std::make_unique<MixerPanel> (context, &publisher);
    ASSERT_TRUE (waitForSources (14)) << "twelve tracks and the two effects channels";

    struct Case { int bus, channel; std::function<const MeterSubscription&()> meter; };
    const Case cases[] = {
        { 1, 0, [&]() -> const MeterSubscription& { return mixer->getStrip (0).getMeter(); } },
        { 5, 0, [&]() -> const MeterSubscription& { return mixer->getStrip (4).getMeter(); } },
        { 12, 0, [&]() -> const MeterSubscription& { return mixer->getStrip (11).getMeter(); } },
        { 13, 0, [&]() -> const MeterSubscription& { return mixer->getFxStrip().getLeftMeter(); } },
        { 13, 1, [&]() -> const MeterSubscription& { return mixer->getFxStrip().getRightMeter(); } },
    };
    std::vector<float> block (256, 0.0f);
    for (const auto& c : cases)
    {
        auto& meter = c.meter();
        EXPECT_EQ (meter.getBus(), c.bus);
        EXPECT_EQ (meter.getChannel(), c.channel);
        EXPECT_TRUE (meter.getMeter().dbScale);
        EXPECT_EQ (meter.getMeter().backgroundColour.getARGB(), MeterSubscription::stripBackground);

        for (int t = 0; t < Vantu::Kit::numTracks; ++t)
            mixer->getStrip (t).getMeter().getMeter().pendingPeak = 0.0f;
        mixer->getFxStrip().getLeftMeter().getMeter().pendingPeak = 0.0f;
        mixer->getFxStrip().getRightMeter().getMeter().pendingPeak = 0.0f;

        block[10] = -0.5f;
        publisher.publish (SamplePublisher::kOutputRow, c.bus, c.channel, block.data(), (int) block.size());
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return meter.getMeter().pendingPeak.load() > 0.4f; }, 5s))
            << "bus " << c.bus << " channel " << c.channel;
        int others = 0;
        for (int t = 0; t < Vantu::Kit::numTracks; ++t)
            others += mixer->getStrip (t).getMeter().getMeter().pendingPeak.load() > 0.0f ? 1 : 0;
        others += mixer->getFxStrip().getLeftMeter().getMeter().pendingPeak.load() > 0.0f ? 1 : 0;
        others += mixer->getFxStrip().getRightMeter().getMeter().pendingPeak.load() > 0.0f ? 1 : 0;
        EXPECT_EQ (others, 1) << "only the meter of bus " << c.bus << " channel " << c.channel;
    }

    mixer.reset();
    EXPECT_TRUE (waitForSources (0)) << "every subscription ends with its strip";
}
} // namespace
