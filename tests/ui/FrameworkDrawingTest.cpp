#include "UiTestSupport.h"

#include "ui/lookandfeel/LookAndFeelCorvanel_DocumentWindowButton.h"

namespace
{
using uitest::LookAndFeelTest;
using uitest::nearColour;
using uitest::pixel;

juce::Image paintInto (int w, int h, const std::function<void (juce::Graphics&)>& draw)
{
    juce::Image image (juce::Image::ARGB, w, h, true);
    juce::Graphics g (image);
    draw (g);
    return image;
}

TEST_F (LookAndFeelTest, TickAndCrossShapesFitABoxTwiceAsWideAsHigh)
{
    for (float h : { 10.0f, 24.0f })
    {
        const auto tick = lookAndFeel.getTickShape (h).getBounds();
        const auto cross = lookAndFeel.getCrossShape (h).getBounds();
        EXPECT_NEAR (tick.getHeight(), h, 0.01f);
        EXPECT_NEAR (cross.getHeight(), h, 0.01f);   // the cross is square: as high as the box
        EXPECT_NEAR (cross.getCentreX(), h, 0.01f);  // centred in (0, 0, 2h, h)
        EXPECT_GE (tick.getX(), 0.0f);
        EXPECT_LE (tick.getRight(), 2.0f * h + 0.01f);
    }
}

TEST_F (LookAndFeelTest, PopupMenuItemsAndSizes)
{
    int w = 0, h = 0;
    lookAndFeel.getIdealPopupMenuItemSize ("", true, 24, w, h);
    EXPECT_EQ (w, 50);
    EXPECT_EQ (h, 2);
    lookAndFeel.getIdealPopupMenuItemSize ("", true, 0, w, h);
    EXPECT_EQ (h, 10);
    lookAndFeel.getIdealPopupMenuItemSize ("Item", false, 20, w, h);
    EXPECT_EQ (h, 20);
    EXPECT_GT (w, 40);   // text width plus twice the height
    EXPECT_EQ (lookAndFeel.getPopupMenuBorderSize(), 1);

    // A highlighted active item is filled grey; an inactive highlighted one is not.
    auto image = paintInto (100, 20, [&] (juce::Graphics& g) {
        lookAndFeel.drawPopupMenuItem (g, { 0, 0, 100, 20 }, false, true, true, false, false, "", {}, nullptr, nullptr);
    });
    EXPECT_EQ (pixel (image, 50, 10), 0xff646464u);
    EXPECT_EQ (pixel (image, 0, 0) >> 24, 0u);   // one pixel of margin
    image = paintInto (100, 20, [&] (juce::Graphics& g) {
        lookAndFeel.drawPopupMenuItem (g, { 0, 0, 100, 20 }, false, false, true, false, false, "", {}, nullptr, nullptr);
    });
    EXPECT_EQ (pixel (image, 50, 10) >> 24, 0u);

    // The ticked item is written brighter than the others, with no tick mark.
    auto brightest = [&] (bool ticked) {
        auto img = paintInto (100, 20, [&] (juce::Graphics& g) {
            lookAndFeel.drawPopupMenuItem (g, { 0, 0, 100, 20 }, false, true, false, ticked, false, "MMMM", {}, nullptr, nullptr);
        });
        // The most opaque text pixel shows the text colour.
        juce::Colour best;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x)
                if (img.getPixelAt (x, y).getAlpha() > best.getAlpha())
                    best = img.getPixelAt (x, y);
        return best.getRed();
    };
    EXPECT_NEAR (brightest (true), 0xf0, 3);
    EXPECT_NEAR (brightest (false), 0xa0, 3);
}

TEST_F (LookAndFeelTest, TextEditorOutlines)
{
    juce::TextEditor editor;
    editor.setSize (60, 20);
    auto outlined = [&] {
        auto image = paintInto (60, 20, [&] (juce::Graphics& g) { lookAndFeel.drawTextEditorOutline (g, 60, 20, editor); });
        return pixel (image, 30, 0);
    };
    EXPECT_TRUE (nearColour (outlined(), editor.findColour (juce::TextEditor::outlineColourId).getARGB()));
    editor.setEnabled (false);
    EXPECT_EQ (outlined() >> 24, 0u);   // disabled: no outline

    // Inside an alert window: no outline, and the background has its bottom line.
    juce::AlertWindow alert ("t", "m", juce::MessageBoxIconType::NoIcon);
    alert.addTextEditor ("e", "text");
    auto* inAlert = alert.getTextEditor ("e");
    ASSERT_NE (inAlert, nullptr);
    inAlert->setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xff102030));
    inAlert->setColour (juce::TextEditor::outlineColourId, juce::Colour (0xff405060));
    auto image = paintInto (60, 20, [&] (juce::Graphics& g) {
        lookAndFeel.fillTextEditorBackground (g, 60, 20, *inAlert);
        lookAndFeel.drawTextEditorOutline (g, 60, 20, *inAlert);
    });
    EXPECT_EQ (pixel (image, 30, 0), 0xff102030u);
    EXPECT_EQ (pixel (image, 30, 19), 0xff405060u);

    // Elsewhere the look and feel's own background colour is used, not the editor's.
    juce::TextEditor plain;
    plain.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xff102030));
    image = paintInto (60, 20, [&] (juce::Graphics& g) { lookAndFeel.fillTextEditorBackground (g, 60, 20, plain); });
    EXPECT_TRUE (nearColour (pixel (image, 30, 10), lookAndFeel.findColour (juce::TextEditor::backgroundColourId).getARGB()));
}

TEST_F (LookAndFeelTest, ScrollBarTooltipAndWindowButtons)
{
    EXPECT_EQ (lookAndFeel.getDefaultScrollbarWidth(), 6);
    juce::ScrollBar bar (true);
    bar.setColour (juce::ScrollBar::backgroundColourId, juce::Colour (0xff000000));
    bar.setColour (juce::ScrollBar::thumbColourId, juce::Colour (0xff646464));
    auto image = paintInto (6, 100, [&] (juce::Graphics& g) { lookAndFeel.drawScrollbar (g, bar, 0, 0, 6, 100, true, 20, 30, false, false); });
    EXPECT_EQ (pixel (image, 0, 10), 0xff000000u);
    EXPECT_EQ (pixel (image, 0, 25), 0xff646464u);   // square and full thickness
    image = paintInto (6, 100, [&] (juce::Graphics& g) { lookAndFeel.drawScrollbar (g, bar, 0, 0, 6, 100, true, 20, 30, true, false); });
    EXPECT_TRUE (nearColour (pixel (image, 3, 25), 0xff838383u));   // 255 - (255 - 100) * 0.8

    // A tooltip opens below and to the right of the mouse.
    const auto bounds = lookAndFeel.getTooltipBounds ("Tip", { 100, 100 }, { 0, 0, 1000, 1000 });
    EXPECT_EQ (bounds.getPosition(), juce::Point<int> (100, 124));
    const auto clamped = lookAndFeel.getTooltipBounds ("Tip", { 995, 990 }, { 0, 0, 1000, 1000 });
    EXPECT_LE (clamped.getRight(), 1000);
    EXPECT_LE (clamped.getBottom(), 1000);
    image = paintInto (bounds.getWidth(), bounds.getHeight(), [&] (juce::Graphics& g) {
        lookAndFeel.drawTooltip (g, "", bounds.getWidth(), bounds.getHeight());
    });
    EXPECT_TRUE (nearColour (pixel (image, 3, 3), lookAndFeel.findColour (juce::TooltipWindow::backgroundColourId).getARGB()));

    // Title-bar buttons: close, minimise and maximise exist, type 3 does not.
    for (int type : { 1, 2, 4 })
    {
        std::unique_ptr<juce::Button> button (lookAndFeel.createDocumentWindowButton (type));
        ASSERT_NE (button, nullptr) << type;
        EXPECT_NE (dynamic_cast<LookAndFeelCorvanel_DocumentWindowButton*> (button.get()), nullptr);
    }
    EXPECT_EQ (std::unique_ptr<juce::Button> (lookAndFeel.createDocumentWindowButton (3)), nullptr);
    EXPECT_EQ (lookAndFeel.getAlertWindowButtonHeight(), 40);
}

TEST_F (LookAndFeelTest, ComboBoxArrowFollowsThePopupAndTheWholeBoxIsItsLabel)
{
    juce::ComboBox box;
    box.setBounds (0, 0, 120, 24);
    auto* label = dynamic_cast<juce::Label*> (box.getChildComponent (0));
    ASSERT_NE (label, nullptr);
    EXPECT_EQ (label->getBounds(), juce::Rectangle<int> (0, 0, 120, 24));
    EXPECT_EQ (label->getBorderSize(), juce::BorderSize<int> (7));
    box.setSize (120, 16);
    EXPECT_EQ (label->getBorderSize(), juce::BorderSize<int> (4));

    box.setColour (juce::ComboBox::backgroundColourId, juce::Colour (0xff102030));
    box.setColour (juce::ComboBox::buttonColourId, juce::Colour (0xff405060));
    auto image = uitest::render (box);
    EXPECT_EQ (pixel (image, 0, 8), 0xff405060u);    // outline
    EXPECT_EQ (pixel (image, 20, 8), 0xff102030u);   // fill
}
} // namespace
