// Probes of rendered framework widgets: tick boxes, table headers, the menu
// bar, resizers, toolbars, window title bars and their buttons. Each probe is a
// pixel whose colour the widget's geometry fixes.
#include "UiTestSupport.h"

#include "ui/lookandfeel/LookAndFeelCorvanel_DocumentWindowButton.h"

#include <functional>
#include <vector>

namespace
{
using uitest::LookAndFeelTest;
using uitest::nearColour;
using uitest::pixel;

constexpr juce::uint32 none = 0u;   // nothing drawn: fully transparent

juce::Image paintInto (int w, int h, const std::function<void (juce::Graphics&)>& draw)
{
    juce::Image image (juce::Image::ARGB, w, h, true);
    juce::Graphics g (image);
    draw (g);
    return image;
}

struct Probe
{
    int x, y;
    juce::uint32 argb;
};

struct PixelCase
{
    const char* name;
    int width, height;
    std::function<void (LookAndFeelCorvanel&, juce::Graphics&)> draw;
    std::vector<Probe> probes;
    int tolerance = 2;   // translucent colours read back from a transparent image round more
};

//==============================================================================
// Tick boxes: outline in the box's "tick disabled" colour, tick in its tick colour.
constexpr juce::uint32 tickOutline = 0xff336699, tickFill = 0xffcc3300;

void drawTickBox (LookAndFeelCorvanel& lf, juce::Graphics& g, float w, float h, bool ticked)
{
    juce::ToggleButton toggle;
    toggle.setColour (juce::ToggleButton::tickDisabledColourId, juce::Colour (tickOutline));
    toggle.setColour (juce::ToggleButton::tickColourId, juce::Colour (tickFill));
    lf.drawTickBox (g, toggle, 0.0f, 0.0f, w, h, ticked, true, false, false);
}

// Table header: columns 50 (visible), 30 (hidden), 60 and 1 (visible); separators in its outline colour.
constexpr juce::uint32 headerOutline = 0xff8899aa;

void drawHeaderBackground (LookAndFeelCorvanel& lf, juce::Graphics& g)
{
    juce::TableHeaderComponent header;
    header.addColumn ("A", 1, 50, 1, -1, juce::TableHeaderComponent::defaultFlags);
    header.addColumn ("Hidden", 2, 30, 1, -1, juce::TableHeaderComponent::defaultFlags & ~juce::TableHeaderComponent::visible);
    header.addColumn ("B", 3, 60, 1, -1, juce::TableHeaderComponent::defaultFlags);
    header.addColumn ("C", 4, 1, 1, -1, juce::TableHeaderComponent::defaultFlags);
    header.setSize (120, 20);
    header.setColour (juce::TableHeaderComponent::outlineColourId, juce::Colour (headerOutline));
    lf.drawTableHeaderBackground (g, header);
}

// Menu bar: its button colour 0xff202020 at alpha 0.4 (0x66), the edges contrasting by 0.15 (white over it).
constexpr juce::uint32 menuBarFill = 0x66202020, menuBarEdge = 0x7d646464;

void drawMenuBar (LookAndFeelCorvanel& lf, juce::Graphics& g)
{
    juce::MenuBarComponent bar;
    bar.setColour (juce::TextButton::buttonColourId, juce::Colour (0xff202020));
    lf.drawMenuBarBackground (g, 50, 10, false, bar);
}

constexpr juce::uint32 resizerLine = 0xff555555, barDark = 0xff2b2b2b, gripLit = 0xff646464;

void drawToolbar (LookAndFeelCorvanel& lf, juce::Graphics& g)
{
    juce::Toolbar toolbar;
    toolbar.setColour (juce::Toolbar::backgroundColourId, juce::Colour (0xff123456));
    g.reduceClipRegion (10, 0, 20, 40);
    lf.paintToolbarBackground (g, 60, 40, toolbar);
}

void drawTitleBar (LookAndFeelCorvanel& lf, juce::Graphics& g)
{
    juce::DocumentWindow window ("", juce::Colour (0xffc8c8c8), 0, false);
    lf.drawDocumentWindowTitleBar (window, g, 200, 30, 0, 200, nullptr, false);
}

// Title-bar buttons, 100 x 50: the shape is fitted into the 50 x 50 square in
// the middle less 15 pixels on every side, i.e. (40, 15, 20, 20), centre (50, 25).
constexpr juce::uint32 windowButton = 0xff1e1e1e, pressed = 0xffffffff;

void drawWindowButton (LookAndFeelCorvanel& lf, juce::Graphics& g, int type, bool on, bool over, bool down)
{
    std::unique_ptr<juce::Button> button (lf.createDocumentWindowButton (type));
    auto* windowButtonPtr = dynamic_cast<LookAndFeelCorvanel_DocumentWindowButton*> (button.get());
    ASSERT_NE (windowButtonPtr, nullptr);
    windowButtonPtr->setSize (100, 50);
    windowButtonPtr->setToggleState (on, juce::dontSendNotification);
    windowButtonPtr->paintButton (g, over, down);
}

// The framework's own components, painted whole, reach the same drawing.
void paintWhole (juce::Component& c, juce::Graphics& g) { c.paintEntireComponent (g, false); }

void paintToggleButton (juce::Graphics& g)
{
    juce::ToggleButton toggle;
    toggle.setSize (100, 24);
    toggle.setToggleState (true, juce::dontSendNotification);
    toggle.setColour (juce::ToggleButton::tickDisabledColourId, juce::Colour (tickOutline));
    toggle.setColour (juce::ToggleButton::tickColourId, juce::Colour (tickFill));
    paintWhole (toggle, g);
}

void paintTableHeader (juce::Graphics& g)
{
    juce::TableHeaderComponent header;
    header.addColumn ("A", 1, 50, 1, -1, juce::TableHeaderComponent::defaultFlags);
    header.addColumn ("B", 2, 60, 1, -1, juce::TableHeaderComponent::defaultFlags);
    header.setSize (120, 20);
    header.setColour (juce::TableHeaderComponent::outlineColourId, juce::Colour (headerOutline));
    paintWhole (header, g);
}

void paintResizers (juce::Graphics& g)
{
    juce::Component target;
    target.setSize (100, 100);
    juce::ResizableCornerComponent corner (&target, nullptr);
    corner.setSize (100, 100);
    paintWhole (corner, g);
}

void paintLayoutBar (juce::Graphics& g)
{
    juce::StretchableLayoutManager layout;
    juce::StretchableLayoutResizerBar bar (&layout, 0, true);
    bar.setSize (10, 100);
    paintWhole (bar, g);
}

std::vector<PixelCase> pixelCases()
{
    using juce::DocumentWindow;
    const auto button = [] (int type, bool on, bool over, bool down) {
        return [=] (LookAndFeelCorvanel& lf, juce::Graphics& g) { drawWindowButton (lf, g, type, on, over, down); };
    };
    const auto resizerBar = [] (int w, int h, bool vertical, bool over, bool dragging) {
        return [=] (LookAndFeelCorvanel& lf, juce::Graphics& g) { lf.drawStretchableLayoutResizerBar (g, w, h, vertical, over, dragging); };
    };

    return {
        { "TickBoxOutlineOnly", 20, 20, [] (auto& lf, auto& g) { drawTickBox (lf, g, 20.0f, 20.0f, false); },
          { { 10, 0, tickOutline }, { 0, 10, tickOutline }, { 19, 10, tickOutline }, { 10, 19, tickOutline }, { 10, 10, none },
            { 1, 1, none } } },

        // Separators: the last two pixels of every visible column, rows 4 to h - 5; the hidden column
        // takes no room; a 1-pixel column gets a 1-pixel separator; nothing else is filled.
        // Tick box of a toggle button 24 high: a 16.5-pixel box at x = 4, y = 3.75; no background.
        { "ToggleButtonComponent", 100, 24, [] (auto&, auto& g) { paintToggleButton (g); },
          { { 4, 12, tickOutline }, { 2, 12, none }, { 60, 12, none } } },

        { "TableHeaderComponent", 120, 20, [] (auto&, auto& g) { paintTableHeader (g); },
          { { 48, 10, headerOutline }, { 49, 4, headerOutline }, { 108, 15, headerOutline }, { 109, 10, headerOutline },
            { 49, 3, none }, { 30, 2, none }, { 100, 10, none } } },

        { "CornerResizerComponent", 100, 100, [] (auto&, auto& g) { paintResizers (g); },
          { { 50, 50, resizerLine }, { 95, 95, resizerLine }, { 57, 57, none }, { 20, 20, none } } },

        { "LayoutResizerBarComponent", 10, 100, [] (auto&, auto& g) { paintLayoutBar (g); },
          { { 4, 10, barDark }, { 5, 90, barDark }, { 3, 10, none }, { 3, 50, barDark }, { 1, 50, none } } },

        { "TableHeaderSeparators", 120, 20, [] (auto& lf, auto& g) { drawHeaderBackground (lf, g); },
          { { 48, 4, headerOutline }, { 49, 15, headerOutline }, { 49, 3, none }, { 49, 16, none }, { 47, 10, none },
            { 108, 10, headerOutline }, { 109, 10, headerOutline }, { 107, 10, none }, { 110, 10, headerOutline },
            { 111, 10, none }, { 78, 10, none }, { 79, 10, none }, { 20, 10, none } } },

        { "MenuBarFlatWithContrastingEdges", 50, 10, [] (auto& lf, auto& g) { drawMenuBar (lf, g); },
          { { 25, 0, menuBarEdge }, { 25, 9, menuBarEdge }, { 25, 1, menuBarFill }, { 25, 5, menuBarFill },
            { 25, 8, menuBarFill }, { 0, 5, menuBarFill }, { 49, 5, menuBarFill } }, 3 },

        // Four lines x + y = 100 i + 101 for i = 0, 0.3, 0.6, 0.9, 5 pixels thick.
        { "CornerResizerFourDiagonals", 100, 100, [] (auto& lf, auto& g) { lf.drawCornerResizer (g, 100, 100, false, false); },
          { { 50, 50, resizerLine }, { 65, 65, resizerLine }, { 80, 80, resizerLine }, { 95, 95, resizerLine },
            { 0, 99, resizerLine }, { 99, 0, resizerLine }, { 57, 57, none }, { 72, 72, none }, { 87, 87, none },
            { 99, 99, none }, { 20, 20, none } } },

        // Vertical bar 10 x 100: strip x 4..5; grip x 2..7, y 33..66, its inside x 3..6, y 34..65.
        { "ResizerBarVertical", 10, 100, resizerBar (10, 100, true, false, false),
          { { 4, 10, barDark }, { 5, 90, barDark }, { 3, 10, none }, { 6, 10, none }, { 2, 50, barDark }, { 7, 50, barDark },
            { 3, 50, barDark }, { 6, 50, barDark }, { 1, 50, none }, { 8, 50, none }, { 2, 32, none }, { 2, 33, barDark },
            { 2, 66, barDark }, { 2, 67, none } } },
        { "ResizerBarVerticalUnderTheMouse", 10, 100, resizerBar (10, 100, true, true, false),
          { { 3, 50, gripLit }, { 6, 34, gripLit }, { 6, 65, gripLit }, { 2, 50, barDark }, { 7, 50, barDark }, { 3, 33, barDark },
            { 3, 66, barDark }, { 4, 10, barDark } } },
        { "ResizerBarVerticalDragged", 10, 100, resizerBar (10, 100, true, false, true),
          { { 3, 50, gripLit }, { 2, 50, barDark } } },

        // Horizontal bar 100 x 10: strip (8, 1, 84, 8); the 6 x 34 grip centred: x 47..52, over the whole height.
        { "ResizerBarHorizontal", 100, 10, resizerBar (100, 10, false, false, false),
          { { 8, 1, barDark }, { 91, 8, barDark }, { 7, 5, none }, { 92, 5, none }, { 20, 0, none }, { 20, 9, none },
            { 47, 0, barDark }, { 50, 0, barDark }, { 52, 9, barDark }, { 46, 0, none }, { 53, 0, none } } },
        { "ResizerBarHorizontalUnderTheMouse", 100, 10, resizerBar (100, 10, false, true, false),
          { { 48, 0, gripLit }, { 51, 9, gripLit }, { 47, 5, barDark }, { 52, 5, barDark }, { 20, 5, barDark } } },

        // The clip area only, one flat colour.
        { "ToolbarFillsTheClipFlat", 60, 40, [] (auto& lf, auto& g) { drawToolbar (lf, g); },
          { { 10, 0, 0xff123456 }, { 15, 39, 0xff123456 }, { 29, 20, 0xff123456 }, { 9, 20, none }, { 30, 20, none } } },

        { "TitleBarInTheWindowsBackground", 200, 30, [] (auto& lf, auto& g) { drawTitleBar (lf, g); },
          { { 0, 0, 0xffc8c8c8 }, { 100, 15, 0xffc8c8c8 }, { 199, 29, 0xffc8c8c8 } } },

        // Close: the two diagonals of the square; no background anywhere.
        { "CloseButton", 100, 50, button (DocumentWindow::closeButton, false, false, false),
          { { 50, 25, windowButton }, { 42, 17, windowButton }, { 57, 32, windowButton }, { 57, 17, windowButton },
            { 42, 32, windowButton }, { 50, 17, none }, { 42, 25, none }, { 35, 25, none }, { 2, 2, none }, { 97, 47, none } } },
        { "CloseButtonUnderTheMouse", 100, 50, button (DocumentWindow::closeButton, false, true, false),
          { { 50, 25, windowButton }, { 42, 17, windowButton }, { 2, 2, none } } },
        { "CloseButtonPressed", 100, 50, button (DocumentWindow::closeButton, false, true, true),
          { { 50, 25, pressed }, { 42, 17, pressed }, { 50, 17, none }, { 2, 2, none } } },

        // Minimise: a bar across the square, 3 pixels high (rows 23.5 .. 26.5).
        { "MinimiseButton", 100, 50, button (DocumentWindow::minimiseButton, false, false, false),
          { { 41, 24, windowButton }, { 58, 25, windowButton }, { 50, 24, windowButton }, { 50, 21, none }, { 50, 28, none },
            { 38, 24, none }, { 61, 24, none } } },
        { "MinimiseButtonPressed", 100, 50, button (DocumentWindow::minimiseButton, false, false, true),
          { { 41, 24, pressed }, { 50, 21, none } } },

        // Maximise: a plus sign; toggled on, two overlapping frames (stroked 30 in a 175-unit box).
        { "MaximiseButton", 100, 50, button (DocumentWindow::maximiseButton, false, false, false),
          { { 50, 25, windowButton }, { 49, 16, windowButton }, { 49, 33, windowButton }, { 41, 24, windowButton },
            { 58, 24, windowButton }, { 43, 18, none }, { 56, 31, none } } },
        { "MaximiseButtonToggledOn", 100, 50, button (DocumentWindow::maximiseButton, true, false, false),
          { { 50, 25, none }, { 58, 25, windowButton }, { 47, 16, windowButton }, { 41, 22, windowButton } } },
        { "MaximiseButtonToggledOnPressed", 100, 50, button (DocumentWindow::maximiseButton, true, false, true),
          { { 50, 25, none }, { 58, 25, pressed }, { 47, 16, pressed } } },
    };
}

// Failure messages name the case rather than dumping its bytes.
void PrintTo (const PixelCase& c, std::ostream* os) { *os << c.name; }

class FrameworkPixelsTest : public LookAndFeelTest, public ::testing::WithParamInterface<PixelCase> {};

TEST_P (FrameworkPixelsTest, ProbedPixelsHaveTheirColours)
{
    const auto& c = GetParam();
    const auto image = paintInto (c.width, c.height, [&] (juce::Graphics& g) { c.draw (lookAndFeel, g); });
    for (const auto& p : c.probes)
        EXPECT_TRUE (nearColour (pixel (image, p.x, p.y), p.argb, c.tolerance)) << "at (" << p.x << ", " << p.y << ")";
}

INSTANTIATE_TEST_SUITE_P (Widgets, FrameworkPixelsTest, ::testing::ValuesIn (pixelCases()),
                          [] (const auto& info) { return std::string (info.param.name); });

//==============================================================================
// The bounds of the pixels that pass the test.
template <typename Predicate>
juce::Rectangle<int> boundsOfPixels (const juce::Image& image, Predicate wanted)
{
    juce::Rectangle<int> bounds;
    bool any = false;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (wanted (image.getPixelAt (x, y)))
            {
                const juce::Rectangle<int> p (x, y, 1, 1);
                bounds = any ? bounds.getUnion (p) : p;
                any = true;
            }
    return bounds;
}

struct TickBoxSize
{
    int width, height;
};

void PrintTo (const TickBoxSize& s, std::ostream* os) { *os << s.width << "x" << s.height; }

class TickStretchTest : public LookAndFeelTest, public ::testing::WithParamInterface<TickBoxSize> {};

// The tick fills the box less 4 pixels left and right and 5 top and bottom,
// stretched both ways (a proportional fit would leave one pair of margins wider).
TEST_P (TickStretchTest, TickCoversTheBoxLessItsMargins)
{
    const auto [w, h] = GetParam();
    const auto image = paintInto (w, h, [&] (juce::Graphics& g) {
        juce::ToggleButton toggle;
        toggle.setColour (juce::ToggleButton::tickDisabledColourId, juce::Colours::transparentBlack);   // outline out of the way
        toggle.setColour (juce::ToggleButton::tickColourId, juce::Colour (tickFill));
        lookAndFeel.drawTickBox (g, toggle, 0.0f, 0.0f, static_cast<float> (w), static_cast<float> (h), true, true, false, false);
    });
    const auto tick = boundsOfPixels (image, [] (juce::Colour c) { return c.getAlpha() > 0; });
    EXPECT_NEAR (tick.getX(), 4, 1);
    EXPECT_NEAR (tick.getRight(), w - 4, 1);
    EXPECT_NEAR (tick.getY(), 5, 1);
    EXPECT_NEAR (tick.getBottom(), h - 5, 1);

    // Fully covered pixels show the tick colour itself.
    bool solid = false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            solid = solid || pixel (image, x, y) == tickFill;
    EXPECT_TRUE (solid);

    // Unticked: the box shows no tick.
    const auto empty = paintInto (w, h, [&] (juce::Graphics& g) {
        juce::ToggleButton toggle;
        toggle.setColour (juce::ToggleButton::tickDisabledColourId, juce::Colours::transparentBlack);
        lookAndFeel.drawTickBox (g, toggle, 0.0f, 0.0f, static_cast<float> (w), static_cast<float> (h), false, true, false, false);
    });
    EXPECT_TRUE (boundsOfPixels (empty, [] (juce::Colour c) { return c.getAlpha() > 0; }).isEmpty());
}

INSTANTIATE_TEST_SUITE_P (Boxes, TickStretchTest, ::testing::Values (TickBoxSize { 60, 30 }, TickBoxSize { 30, 60 }, TickBoxSize { 24, 24 }),
                          [] (const auto& info) {
                              return uitest::testNamePart (info.param.width) + "x" + uitest::testNamePart (info.param.height);
                          });

//==============================================================================
juce::Image drawHeaderColumn (LookAndFeelCorvanel& lf, bool over, bool down, int flags, const juce::String& name = "MMMM")
{
    juce::TableHeaderComponent header;
    return paintInto (100, 20, [&] (juce::Graphics& g) { lf.drawTableHeaderColumn (g, header, name, 1, 100, 20, over, down, flags); });
}

// Summed coverage of one row between two columns.
int rowCoverage (const juce::Image& image, int y, int x0, int x1)
{
    int sum = 0;
    for (int x = x0; x < x1; ++x)
        sum += image.getPixelAt (x, y).getAlpha();
    return sum;
}

TEST_F (LookAndFeelTest, TableHeaderColumnNameIsGreyLeftAlignedAndNeverHighlighted)
{
    const auto plain = drawHeaderColumn (lookAndFeel, false, false, juce::TableHeaderComponent::visible);
    const auto text = boundsOfPixels (plain, [] (juce::Colour c) { return c.getAlpha() > 0; });
    ASSERT_FALSE (text.isEmpty());
    EXPECT_GE (text.getX(), 4);   // 4 pixels in from the left
    EXPECT_LE (text.getX(), 6);
    EXPECT_NEAR (text.getCentreY(), 10, 2);
    EXPECT_LT (text.getRight(), 86);   // a short name stays clear of the sort marker's room

    juce::Colour strongest;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (plain.getPixelAt (x, y).getAlpha() > strongest.getAlpha())
                strongest = plain.getPixelAt (x, y);
    EXPECT_EQ (strongest.getARGB(), 0xff656565u);

    // Neither hovering nor pressing changes a pixel.
    for (auto [over, down] : { std::pair { true, false }, std::pair { true, true }, std::pair { false, true } })
    {
        const auto other = drawHeaderColumn (lookAndFeel, over, down, juce::TableHeaderComponent::visible);
        int differing = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x)
                differing += pixel (other, x, y) != pixel (plain, x, y) ? 1 : 0;
        EXPECT_EQ (differing, 0) << over << down;
    }
}

struct SortCase
{
    const char* name;
    int flags;
    bool marker, pointsUp;
};

void PrintTo (const SortCase& c, std::ostream* os) { *os << c.name; }

class SortMarkerTest : public LookAndFeelTest, public ::testing::WithParamInterface<SortCase> {};

// Text area (4, 0, 92, 20): the marker lives in its right-hand 10 pixels less 2,
// (88, 2, 6, 16), a triangle 6 wide and 4.8 high centred on row 10.
TEST_P (SortMarkerTest, TriangleInTheRightHandSquare)
{
    const auto& c = GetParam();
    // Without a name only the marker is drawn.
    const auto image = drawHeaderColumn (lookAndFeel, false, false, juce::TableHeaderComponent::visible | c.flags, {});
    const auto marker = boundsOfPixels (image, [] (juce::Colour p) { return p.getAlpha() > 0; });
    if (! c.marker)
    {
        EXPECT_TRUE (marker.isEmpty());
        return;
    }
    ASSERT_FALSE (marker.isEmpty());
    EXPECT_NEAR (marker.getX(), 88, 1);
    EXPECT_NEAR (marker.getRight(), 94, 1);
    EXPECT_NEAR (marker.getCentreY(), 10, 1);
    EXPECT_LE (marker.getHeight(), 6);

    const auto top = rowCoverage (image, 8, 86, 96), bottom = rowCoverage (image, 11, 86, 96);
    if (c.pointsUp)
        EXPECT_LT (top, bottom);
    else
        EXPECT_GT (top, bottom);

    // Black at alpha 0x99 where the triangle covers whole pixels.
    juce::Colour densest;
    for (int y = 0; y < 20; ++y)
        for (int x = 86; x < 96; ++x)
            if (image.getPixelAt (x, y).getAlpha() > densest.getAlpha())
                densest = image.getPixelAt (x, y);
    EXPECT_TRUE (nearColour (densest.getARGB(), 0x99000000u, 3));
}

INSTANTIATE_TEST_SUITE_P (Columns, SortMarkerTest, ::testing::Values (
    SortCase { "Unsorted", 0, false, false },
    SortCase { "Forwards", juce::TableHeaderComponent::sortedForwards, true, true },
    SortCase { "Backwards", juce::TableHeaderComponent::sortedBackwards, true, false }),
    [] (const auto& info) { return std::string (info.param.name); });

//==============================================================================
// Pixels that differ from the bar's colour: the title and the icon.
juce::Rectangle<int> markedArea (const juce::Image& image, juce::Colour bar)
{
    return boundsOfPixels (image, [bar] (juce::Colour c) { return c != bar; });
}

TEST_F (LookAndFeelTest, TitleBarTitleIsAlwaysDarkAndPlacedByTheWindow)
{
    const juce::Colour bar (0xffc8c8c8);
    juce::DocumentWindow window ("Window title", bar, juce::DocumentWindow::allButtons, false);
    window.setColour (juce::DocumentWindow::textColourId, juce::Colours::red);   // not used: the title is always dark

    const auto draw = [&] (int spaceX, int spaceW, bool onLeft, const juce::Image* icon) {
        return paintInto (200, 30, [&] (juce::Graphics& g) {
            lookAndFeel.drawDocumentWindowTitleBar (window, g, 200, 30, spaceX, spaceW, icon, onLeft);
        });
    };

    const auto centred = draw (0, 200, false, nullptr);
    const auto title = markedArea (centred, bar);
    ASSERT_FALSE (title.isEmpty());
    EXPECT_NEAR (title.getCentreX(), 100, 3);
    // A font 0.65 of the bar high (19.5 pixels): capitals and ascenders about 12 pixels, around the middle.
    EXPECT_NEAR (title.getHeight(), 12, 2) << title.toString();
    EXPECT_NEAR (title.getCentreY(), 15, 2) << title.toString();
    juce::Colour darkest = bar;
    bool allGrey = true;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x)
        {
            const auto c = centred.getPixelAt (x, y);
            allGrey = allGrey && std::abs (c.getRed() - c.getBlue()) <= 2 && std::abs (c.getRed() - c.getGreen()) <= 2;
            if (c.getBrightness() < darkest.getBrightness())
                darkest = c;
        }
    EXPECT_TRUE (allGrey);
    EXPECT_TRUE (nearColour (darkest.getARGB(), 0xff1e1e1eu, 3));

    // On the left, the title starts where its space starts.
    const auto left = markedArea (draw (30, 140, true, nullptr), bar);
    EXPECT_GE (left.getX(), 30);
    EXPECT_LE (left.getX(), 33);

    // The icon (as high as the font, 19 pixels) is drawn at 0.6 opacity while the window is inactive.
    juce::Image icon (juce::Image::ARGB, 16, 16, true);
    icon.clear (icon.getBounds(), juce::Colours::red);
    window.setName ({});
    const auto withIcon = draw (0, 200, false, &icon);
    const auto iconArea = markedArea (withIcon, bar);
    EXPECT_NEAR (iconArea.getWidth(), 19, 1);
    EXPECT_NEAR (iconArea.getHeight(), 19, 1);
    ASSERT_FALSE (window.isActiveWindow());
    EXPECT_TRUE (nearColour (pixel (withIcon, iconArea.getCentreX(), iconArea.getCentreY()), 0xffe95050u, 3));

    // The window's own title-bar buttons are the look and feel's.
    for (auto* button : { window.getCloseButton(), window.getMinimiseButton(), window.getMaximiseButton() })
    {
        ASSERT_NE (button, nullptr);
        EXPECT_NE (dynamic_cast<LookAndFeelCorvanel_DocumentWindowButton*> (button), nullptr);
    }
}
} // namespace
