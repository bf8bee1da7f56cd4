#include "UiTestSupport.h"

namespace
{
using uitest::LookAndFeelTest;
using uitest::nearColour;
using uitest::pixel;
using UI = juce::LookAndFeel_V4::ColourScheme::UIColour;

TEST_F (LookAndFeelTest, FileBrowserGoUpArrowIsGreyAndThePathBoxTakesTheMenuColours)
{
    std::unique_ptr<juce::Button> up (lookAndFeel.createFileBrowserGoUpButton());
    auto* drawableButton = dynamic_cast<juce::DrawableButton*> (up.get());
    ASSERT_NE (drawableButton, nullptr);
    auto* arrow = dynamic_cast<juce::DrawablePath*> (drawableButton->getNormalImage());
    ASSERT_NE (arrow, nullptr);
    EXPECT_EQ (arrow->getFill().colour.getARGB(), 0xff555555u);

    const auto folder = juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile ("browse");
    ASSERT_TRUE (folder.createDirectory());
    juce::FileBrowserComponent browser (juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                                        folder, nullptr, nullptr);
    browser.setSize (400, 300);

    juce::ComboBox* pathBox = nullptr;
    for (auto* child : browser.getChildren())
        if (auto* box = dynamic_cast<juce::ComboBox*> (child))
            pathBox = box;
    ASSERT_NE (pathBox, nullptr);

    const auto& scheme = lookAndFeel.getCorvanelColourScheme();
    EXPECT_EQ (pathBox->findColour (juce::ComboBox::backgroundColourId), scheme.getUIColour (UI::menuBackground));
    EXPECT_EQ (pathBox->findColour (juce::ComboBox::textColourId), scheme.getUIColour (UI::menuText));
    EXPECT_EQ (pathBox->findColour (juce::ComboBox::arrowColourId), scheme.getUIColour (UI::menuText));

    // The framework's layout: a 22-pixel path box along the top, 20 pixels in,
    // leaving 50 pixels on its right for the go-up button.
    EXPECT_EQ (pathBox->getBounds(), juce::Rectangle<int> (20, 5, 310, 22));
}

TEST_F (LookAndFeelTest, FileBrowserRowsUseTheSchemeTextColoursWithoutRecolouringTheList)
{
    juce::TimeSliceThread thread ("file list");
    juce::DirectoryContentsList contents (nullptr, thread);
    juce::FileListComponent list (contents);
    list.setColour (juce::DirectoryContentsDisplayComponent::highlightColourId, juce::Colour (0xff405060));
    const auto& scheme = lookAndFeel.getCorvanelColourScheme();

    struct RowCase
    {
        const char* name;
        bool selected;
        juce::Colour text;
    };
    const RowCase cases[] = {
        { "selected", true, scheme.getUIColour (UI::highlightedText) },
        { "not selected", false, scheme.getUIColour (UI::menuText) },
        { "selected again", true, scheme.getUIColour (UI::highlightedText) },
    };

    constexpr int w = 300, h = 20;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::Image image (juce::Image::ARGB, w, h, true);
        {
            juce::Graphics g (image);
            lookAndFeel.drawFileBrowserRow (g, w, h, juce::File(), "MMMMMMMM.wav", nullptr, "1 KB", "today", false,
                                            c.selected, 0, list);
        }

        if (c.selected)
            EXPECT_EQ (pixel (image, w - 2, 1), 0xff405060u);
        else
            EXPECT_EQ (pixel (image, w - 2, 1) >> 24, 0u);

        // The file name starts after the 32-pixel icon column; its most
        // covered pixel shows the text colour.
        juce::Colour strongest;
        const auto score = [] (juce::Colour p) { return p.getAlpha() * 256.0f + p.getBrightness(); };
        int firstTextX = w;
        for (int y = 0; y < h; ++y)
            for (int x = 32; x < w; ++x)
                if (const auto p = image.getPixelAt (x, y); p.getBrightness() > 0.5f)
                {
                    firstTextX = juce::jmin (firstTextX, x);
                    if (score (p) > score (strongest))
                        strongest = p;
                }
        EXPECT_LE (firstTextX, 36);
        EXPECT_TRUE (nearColour (strongest.getARGB(), c.text.getARGB(), 3));
    }

    // Painting the rows changes no colour of the list (that would make the
    // list repaint itself over and over).
    EXPECT_FALSE (list.isColourSpecified (juce::DirectoryContentsDisplayComponent::textColourId));
    EXPECT_FALSE (list.isColourSpecified (juce::DirectoryContentsDisplayComponent::highlightedTextColourId));
}
} // namespace
