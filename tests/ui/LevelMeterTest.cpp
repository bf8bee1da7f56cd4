#include "UiTestSupport.h"

#include "ui/widgets/meters/PlainLevelMeter.h"

#include <vector>

namespace
{
using uitest::LookAndFeelTest;
using uitest::pixel;
using uitest::render;

// A vertical meter of a given bar length with a clock the test moves.
struct MeterFixture
{
    explicit MeterFixture (int barLength, bool db = false)
    {
        meter = std::make_shared<PlainVerticalLevelMeter>();
        meter->dbScale = db;
        meter->setBounds (0, 0, 10, barLength);
        meter->monotonicNanos = [this] { return now; };
    }

    void feed (float peak)
    {
        std::vector<float> block (64, 0.0f);
        block[10] = -peak;   // the negative side counts as much as the positive
        meter->newSamples (block.data(), static_cast<int> (block.size()));
    }

    float tick (std::int64_t advanceMs = 33)
    {
        now += advanceMs * 1'000'000;
        meter->timerCallback();
        return meter->getMeterPart().level;
    }

    float held() { return meter->getMeterPart().held; }

    std::shared_ptr<PlainVerticalLevelMeter> meter;
    std::int64_t now = 1'000'000'000;
};

TEST_F (LookAndFeelTest, LevelMeterMapsPeaksToPixels)
{
    struct Case { bool db; int length; float peak; float expected; };
    const Case cases[] = {
        { true, 140, 1.0f, 140.0f },
        { true, 140, 0.5f, 127.96f },
        { true, 140, 0.0001f, 1.0f },    // below the floor: at least one pixel
        { false, 100, 0.25f, 25.0f },
        { false, 100, 2.0f, 100.0f },    // capped to the length
        { false, 100, 0.0f, 1.0f },      // silence is one pixel, not "no block"
        { true, 140, 0.0f, 1.0f },
    };
    for (const auto& c : cases)
    {
        MeterFixture f (c.length, c.db);
        EXPECT_EQ (f.meter->length, c.length);
        f.feed (c.peak);
        EXPECT_NEAR (f.tick(), c.expected, 0.01f) << "peak " << c.peak << " db " << c.db;
    }
}

TEST_F (LookAndFeelTest, LevelMeterFreezesWithoutBlocksAndHoldsThePeak)
{
    MeterFixture f (200);
    f.feed (0.5f);
    EXPECT_FLOAT_EQ (f.tick(), 100.0f);
    EXPECT_FLOAT_EQ (f.held(), 100.0f);

    // No block for several ticks: nothing moves, even past the hold time.
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ (f.tick (1000), 100.0f);
    EXPECT_FLOAT_EQ (f.held(), 100.0f);

    // The level drops to 20: the hold line stays for 1.5 s after it was raised.
    f.now = 0;
    f.feed (0.5f);
    f.tick (0);   // raised at t = 0
    std::int64_t elapsed = 0;
    while (elapsed + 33 <= 1500)
    {
        f.feed (0.1f);
        EXPECT_FLOAT_EQ (f.tick (33), 20.0f);
        elapsed += 33;
        EXPECT_FLOAT_EQ (f.held(), 100.0f) << "after " << elapsed << " ms";
    }
    // Then it falls one pixel per tick until it meets the bar.
    for (int expected = 99; expected >= 20; --expected)
    {
        f.feed (0.1f);
        f.tick (33);
        EXPECT_FLOAT_EQ (f.held(), static_cast<float> (expected));
    }
    f.feed (0.1f);
    f.tick (33);
    EXPECT_FLOAT_EQ (f.held(), 20.0f);
}

TEST_F (LookAndFeelTest, LevelMeterPeakBlocksFromThePublisherThreadKeepTheLargest)
{
    MeterFixture f (100);
    f.feed (0.3f);
    f.feed (0.2f);   // smaller: does not replace the pending peak
    EXPECT_FLOAT_EQ (f.tick(), 30.0f);
    EXPECT_FLOAT_EQ (f.meter->pendingPeak.load(), -1.0f);
    f.meter->newSamples (nullptr, 0);   // an empty block changes nothing
    EXPECT_FLOAT_EQ (f.meter->pendingPeak.load(), -1.0f);
}

TEST_F (LookAndFeelTest, LevelMeterPeakLabelText)
{
    MeterFixture f (100, true);
    f.meter->showPeakLabel = true;
    f.meter->resized();
    auto& label = f.meter->getPeakLabel();
    EXPECT_TRUE (label.isVisible());
    EXPECT_EQ (label.getBounds(), juce::Rectangle<int> (0, 0, 10, 16));
    EXPECT_EQ (f.meter->getMeterPart().getBounds(), juce::Rectangle<int> (3, 16, 4, 84));
    EXPECT_EQ (f.meter->length, 84);

    struct Case { float dB; const char* text; juce::uint32 colour; };
    const auto normal = lookAndFeel.getCorvanelColourScheme().getUIColour (juce::LookAndFeel_V4::ColourScheme::defaultText).getARGB();
    const Case cases[] = { { -150.0f, "-Inf.", normal }, { 2.345f, "+2.3", 0xffff0000u }, { -12.0f, "-12.0", normal }, { 0.0f, "0.0", normal } };
    for (const auto& c : cases)
    {
        f.meter->setPeakText (c.dB);
        EXPECT_EQ (label.getText(), c.text);
        EXPECT_EQ (label.findColour (0x200110E).getARGB(), c.colour) << c.text;
    }

    // The highest peak is kept and shown; a lower one does not replace it.
    f.feed (1.0f);
    f.tick();
    f.feed (0.1f);
    f.tick();
    EXPECT_FLOAT_EQ (f.meter->getPeakDb(), 0.0f);
    EXPECT_EQ (label.getText(), "0.0");
}

TEST_F (LookAndFeelTest, HorizontalLevelMeterLayout)
{
    PlainHorizontalLevelMeter meter;
    meter.thickness = 5;
    meter.showPeakLabel = true;
    meter.setBounds (0, 0, 200, 20);
    EXPECT_EQ (meter.getPeakLabel().getBounds(), juce::Rectangle<int> (170, -1, 30, 20));
    EXPECT_EQ (meter.getMeterPart().getBounds(), juce::Rectangle<int> (0, 7, 166, 5));
    EXPECT_EQ (meter.length, 166);

    meter.showPeakLabel = false;
    meter.setBounds (0, 0, 100, 20);
    EXPECT_FALSE (meter.getPeakLabel().isVisible());
    EXPECT_EQ (meter.getMeterPart().getBounds(), juce::Rectangle<int> (0, 7, 100, 5));
}

TEST_F (LookAndFeelTest, LevelMeterColoursFollowTheHoldLine)
{
    MeterFixture f (100, true);
    EXPECT_EQ (f.meter->barColour, lookAndFeel.getHueColours (9).bright);
    f.meter->backgroundColour = juce::Colour (0xff2b2b2b);
    f.meter->topColour = juce::Colour (0xffff0000);
    f.meter->markColour = juce::Colour (0xffffff00);

    // Bar at 50 %: bar colour, drawn from the bottom, hold line just above it.
    f.feed (std::pow (10.0f, -35.0f / 20.0f));
    f.tick();
    auto image = render (f.meter->getMeterPart());
    EXPECT_EQ (pixel (image, 1, 99), f.meter->barColour.getARGB());
    EXPECT_EQ (pixel (image, 1, 51), f.meter->barColour.getARGB());
    EXPECT_EQ (pixel (image, 1, 40), 0xff2b2b2bu);

    // Above the mark level: the mark colour.
    f.feed (std::pow (10.0f, -2.0f / 20.0f));
    f.tick();
    image = render (f.meter->getMeterPart());
    EXPECT_EQ (pixel (image, 1, 99), 0xffffff00u);

    // Hold line at full length: the whole bar turns the top colour, even when
    // the bar itself has dropped.
    f.feed (1.0f);
    f.tick();
    f.feed (0.01f);
    f.tick();
    image = render (f.meter->getMeterPart());
    EXPECT_EQ (pixel (image, 1, 99), 0xffff0000u);
    EXPECT_EQ (pixel (image, 1, 1), 0xffff0000u);   // the hold line, one row below the top
    EXPECT_EQ (pixel (image, 1, 30), 0xff2b2b2bu);
}
} // namespace
