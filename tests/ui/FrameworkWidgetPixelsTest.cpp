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
} // namespace
