#include "UiTestSupport.h"

namespace
{
using uitest::LookAndFeelTest;
using uitest::nearColour;
using uitest::pixel;

juce::Image paintInto (int w, int h, juce::Colour ground, const std::function<void (juce::Graphics&)>& draw)
{
    juce::Image image (juce::Image::ARGB, w, h, true);
    juce::Graphics g (image);
    g.fillAll (ground);
    draw (g);
    return image;
}

// The bounds of the pixels the predicate accepts (empty when none).
juce::Rectangle<int> boundsOf (const juce::Image& image, const std::function<bool (juce::Colour)>& accept)
{
    juce::Rectangle<int> r;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (accept (image.getPixelAt (x, y)))
                r = r.isEmpty() ? juce::Rectangle<int> (x, y, 1, 1) : r.getUnion ({ x, y, 1, 1 });
    return r;
}

//==============================================================================
struct MenuBarItemCase
{
    const char* name;
    bool enabled, over, open;
    juce::uint32 fill;   // 0: not filled
    juce::uint32 text;
};

TEST_F (LookAndFeelTest, MenuBarItemTextIsLeftAlignedAndVerticallyCentred)
{
    juce::MenuBarComponent bar;
    bar.setColour (juce::TextButton::textColourOffId, juce::Colour (0xff00ff00));
    bar.setColour (juce::TextButton::textColourOnId, juce::Colour (0xff00ffff));
    bar.setColour (juce::TextButton::buttonOnColourId, juce::Colour (0xff800000));

    const MenuBarItemCase cases[] = {
        { "plain", true, false, false, 0, 0xff00ff00 },
        { "mouse over", true, true, false, 0xff800000, 0xff00ffff },
        { "menu open", true, false, true, 0xff800000, 0xff00ffff },
        { "disabled", false, true, false, 0, 0x8000ff00 },
    };

    constexpr int w = 120, h = 24;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        bar.setEnabled (c.enabled);
        juce::Image image (juce::Image::ARGB, w, h, true);
        {
            juce::Graphics g (image);
            lookAndFeel.drawMenuBarItem (g, w, h, 0, "File", c.over, c.open, false, bar);
        }

        // The text: the pixels in the text colour's hue (green, blue or not red).
        const auto text = boundsOf (image, [] (juce::Colour p) { return p.getGreen() > 150 && p.getRed() < 100; });
        ASSERT_FALSE (text.isEmpty());
        EXPECT_LE (text.getX(), 3);                              // left-aligned, not centred
        EXPECT_NEAR (text.getCentreY(), h / 2, 2);

        if (c.fill != 0)
            EXPECT_EQ (pixel (image, w - 2, 1), c.fill);
        else
            EXPECT_EQ (pixel (image, w - 2, 1) >> 24, 0u);

        // The most covered text pixel shows the text colour.
        juce::Colour strongest;
        const auto score = [] (juce::Colour p) { return p.getAlpha() * 256 + p.getGreen() - p.getRed(); };
        for (int y = text.getY(); y < text.getBottom(); ++y)
            for (int x = text.getX(); x < text.getRight(); ++x)
                if (const auto p = image.getPixelAt (x, y); score (p) > score (strongest))
                    strongest = p;
        EXPECT_TRUE (nearColour (strongest.getARGB(), c.text, 3));
    }
}

//==============================================================================
TEST_F (LookAndFeelTest, ConcertinaHeaderIsAFlatTranslucentWhiteWithRoundedTopOnlyForTheFirstPanel)
{
    juce::ConcertinaPanel concertina;
    juce::Component first, second;
    concertina.addPanel (0, &first, false);
    concertina.addPanel (1, &second, false);

    struct HeaderCase
    {
        const char* name;
        juce::Component* panel;
        bool over;
        juce::uint8 level;   // white at alpha 0.2 or 0.4 over black
        bool roundedTop;
    };
    const HeaderCase cases[] = {
        { "first panel", &first, false, 0x33, true },
        { "first panel, mouse over", &first, true, 0x66, true },
        { "second panel", &second, false, 0x33, false },
        { "second panel, mouse over", &second, true, 0x66, false },
    };

    constexpr int w = 100, h = 24;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto image = paintInto (w, h, juce::Colours::black, [&] (juce::Graphics& g) {
            lookAndFeel.drawConcertinaPanelHeader (g, { 0, 0, w, h }, c.over, false, concertina, *c.panel);
        });
        const auto grey = [] (juce::uint8 v) { return juce::Colour (v, v, v).getARGB(); };

        // Flat: the same level at the top, in the middle and at the bottom.
        for (int y : { 2, h / 2, h - 2 })
            EXPECT_TRUE (nearColour (pixel (image, w / 2, y), grey (c.level))) << "y " << y;

        // Bottom corners are square for every panel; the top ones only below the first.
        EXPECT_TRUE (nearColour (pixel (image, 1, h - 2), grey (c.level)));
        if (c.roundedTop)
            EXPECT_LT (image.getPixelAt (1, 1).getRed(), c.level - 8);
        else
            EXPECT_TRUE (nearColour (pixel (image, 1, 1), grey (c.level)));
    }

    concertina.removePanel (&first);
    concertina.removePanel (&second);
}

//==============================================================================
TEST_F (LookAndFeelTest, LinearProgressBarFillsItsShareAndNeverShowsText)
{
    double progress = 0.0;
    juce::ProgressBar bar (progress);
    constexpr juce::uint32 background = 0xff102030, foreground = 0xff40a060;
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colour (background));
    bar.setColour (juce::ProgressBar::foregroundColourId, juce::Colour (foreground));

    constexpr int w = 200, h = 20;
    bar.setSize (w, h);
    for (double share : { 0.25, 0.5, 0.9 })
    {
        SCOPED_TRACE (share);
        const auto withText = paintInto (w, h, juce::Colours::transparentBlack, [&] (juce::Graphics& g) {
            lookAndFeel.drawProgressBar (g, bar, w, h, share, "50%");
        });
        const auto edge = juce::roundToInt (w * share);
        EXPECT_EQ (pixel (withText, edge - 4, h / 2), foreground);
        EXPECT_EQ (pixel (withText, edge + 4, h / 2), background);

        const auto withoutText = paintInto (w, h, juce::Colours::transparentBlack, [&] (juce::Graphics& g) {
            lookAndFeel.drawProgressBar (g, bar, w, h, share, {});
        });
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ (pixel (withText, x, y), pixel (withoutText, x, y)) << x << ", " << y;
    }

    // The indeterminate bar shows moving stripes in the bar's colours, and no
    // text (which would be drawn in a colour contrasting with both).
    const auto spinning = paintInto (w, h, juce::Colours::transparentBlack, [&] (juce::Graphics& g) {
        lookAndFeel.drawProgressBar (g, bar, w, h, -1.0, "Working");
    });
    int foregroundPixels = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const auto p = spinning.getPixelAt (x, y);
            ASSERT_LE (p.getRed(), 0x40 + 2) << x << ", " << y;
            ASSERT_LE (p.getGreen(), 0xa0 + 2) << x << ", " << y;
            ASSERT_LE (p.getBlue(), 0x60 + 2) << x << ", " << y;
            foregroundPixels += p.getGreen() > 0x80 ? 1 : 0;
        }
    EXPECT_GT (foregroundPixels, w * h / 10);
}

TEST_F (LookAndFeelTest, SquareProgressBarSpinsAsACircle)
{
    double progress = -1.0;
    juce::ProgressBar bar (progress);
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colour (0xff102030));
    bar.setColour (juce::ProgressBar::foregroundColourId, juce::Colour (0xff40a060));

    struct SizeCase
    {
        int w, h;
        bool circle;
    };
    for (const auto& c : { SizeCase { 40, 40, true }, SizeCase { 60, 40, false }, SizeCase { 40, 41, false } })
    {
        SCOPED_TRACE (juce::String (c.w) + " x " + juce::String (c.h));
        bar.setSize (c.w, c.h);
        const auto image = paintInto (c.w, c.h, juce::Colours::transparentBlack, [&] (juce::Graphics& g) {
            lookAndFeel.drawProgressBar (g, bar, c.w, c.h, 0.5, {});
        });
        // A ring leaves its centre empty; a linear bar fills it.
        EXPECT_EQ (image.getPixelAt (c.w / 2, c.h / 2).getAlpha() == 0, c.circle);
        if (c.circle)
        {
            // The background ring passes through the middle of each side.
            EXPECT_GT (image.getPixelAt (c.w / 2, 3).getAlpha(), 0x80);
        }
    }
}
} // namespace
