#include "UiTestSupport.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/widgets/LabelNameEditor.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Led.h"
#include "ui/widgets/SvgIcon.h"
#include "ui/widgets/TextBox.h"

namespace
{
using uitest::LookAndFeelTest;
using uitest::pixel;
using uitest::render;

int maxAlpha (const juce::Image& image)
{
    int best = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            best = juce::jmax (best, static_cast<int> (image.getPixelAt (x, y).getAlpha()));
    return best;
}

TEST_F (LookAndFeelTest, LabelSetUp)
{
    SmallLabel caption ("Decay");
    EXPECT_EQ (caption.getText(), "Decay");
    EXPECT_EQ (caption.getFont().getTypefaceName(), "Grotesk Text 55");
    EXPECT_NEAR (caption.getFont().getHeightInPoints(), 10.0f, 0.01f);
    EXPECT_EQ (caption.getMinimumHorizontalScale(), 1.0f);
    EXPECT_EQ (caption.getBorderSize(), juce::BorderSize<int> (0));

    PanelHeadingLabel heading ("FILTER");
    EXPECT_EQ (heading.getName(), "Heading");
    EXPECT_EQ (heading.getFont().getTypefaceName(), "Grotesk Text 65");

    LargeLabel title ("KIT");
    EXPECT_EQ (title.getJustificationType(), juce::Justification::topLeft);
    EXPECT_NEAR (title.getFont().getHeightInPoints(), 40.0f, 0.01f);

    LabelNameEditor name;
    EXPECT_EQ (name.getName(), "Edit");
    EXPECT_TRUE (name.isEditableOnSingleClick());
    EXPECT_FALSE (name.isEditableOnDoubleClick());
    EXPECT_FALSE (name.doesLossOfFocusDiscardChanges());
    EXPECT_EQ (name.getBorderSize(), juce::BorderSize<int> (7, 4, 0, 0));
    EXPECT_EQ (name.findColour (juce::Label::backgroundWhenEditingColourId).getARGB(), 0xFF1E1E1Eu);
    EXPECT_EQ (name.findColour (juce::Label::textWhenEditingColourId).getARGB(), 0xFFF0F0F0u);
}

TEST_F (LookAndFeelTest, SmallLabelDrawsOnlyUnderTheProgramsLookAndFeel)
{
    SmallLabel caption ("CAPTION");
    caption.setSize (80, 16);
    EXPECT_GT (maxAlpha (render (caption)), 0xC0);

    juce::LookAndFeel_V4 other;
    caption.setLookAndFeel (&other);
    EXPECT_EQ (maxAlpha (render (caption)), 0);
    caption.setLookAndFeel (nullptr);
}

TEST_F (LookAndFeelTest, PlainLabelDimsWhenDisabledAndFramesInItsOutlineColour)
{
    juce::Component parent;
    SmallLabel caption ("CAPTION");
    parent.setSize (80, 16);
    parent.addAndMakeVisible (caption);
    caption.setBounds (0, 0, 80, 16);
    caption.setJustificationType (juce::Justification::centred);

    const auto enabledAlpha = maxAlpha (render (caption));
    parent.setEnabled (false);
    EXPECT_NEAR (maxAlpha (render (caption)), enabledAlpha / 2, 2);

    // The frame takes the label's outline colour (transparent by default), dimmed too.
    caption.setColour (juce::Label::outlineColourId, juce::Colour (0xFF00FF00));
    EXPECT_TRUE (uitest::nearColour (pixel (render (caption), 0, 8), 0x8000FF00));
    parent.setEnabled (true);
    EXPECT_EQ (pixel (render (caption), 0, 8), 0xFF00FF00u);
    EXPECT_EQ (pixel (render (caption), 40, 0), 0xFF00FF00u);
}

TEST_F (LookAndFeelTest, DisabledHeadingIsDrawnAtHalfAlpha)
{
    juce::Component parent;
    PanelHeadingLabel heading ("HEADING");
    parent.setSize (100, 24);
    parent.addAndMakeVisible (heading);
    heading.setBounds (0, 0, 100, 24);

    const auto enabledAlpha = maxAlpha (render (heading));
    EXPECT_GT (enabledAlpha, 0xC0);

    parent.setEnabled (false);
    const auto disabledAlpha = maxAlpha (render (heading));
    EXPECT_NEAR (disabledAlpha, enabledAlpha / 2, 2);
}

TEST_F (LookAndFeelTest, HeadingTextAreaCountsTheBorderTwice)
{
    PanelHeadingLabel heading ("X");
    heading.setSize (100, 24);
    heading.setBorderSize ({ 1, 5, 2, 3 });
    EXPECT_EQ (heading.getTextArea(), juce::Rectangle<int> (8, 3, 84, 18));
}

TEST_F (LookAndFeelTest, LedStates)
{
    Led lamp;
    EXPECT_EQ (lamp.getWidth(), 32);
    EXPECT_EQ (lamp.state, 1);
    EXPECT_EQ (lamp.getLampBounds(), juce::Rectangle<int> (3, 3, 25, 25));

    const std::vector<std::pair<int, juce::uint32>> centreColours {
        { 0, 0xFF1E1E1E }, { 1, 0xFF2DBC95 }, { 2, 0xFFFFFF00 }, { 3, 0xFFFFA500 }, { 4, 0xFFDF585E }, { 5, 0xFF1E1E1E }, { -1, 0xFF1E1E1E },
    };

    for (const auto& [state, colour] : centreColours)
    {
        lamp.state = state;
        const auto image = render (lamp);
        EXPECT_EQ (pixel (image, 16, 16), colour) << "state " << state;
        EXPECT_EQ (pixel (image, 0, 0), 0xFF1E1E1Eu) << "state " << state;
    }

    // State 0 is a grey ring: its left edge is drawn, its centre is not.
    lamp.state = 0;
    const auto ring = render (lamp);
    EXPECT_NE (pixel (ring, 3, 15), 0xFF1E1E1Eu);

    // The lamp's own colours win; its parent's are not asked.
    juce::Component parent;
    parent.setColour (CorvanelColourIds::ledFill1, juce::Colours::blue);
    parent.addChildComponent (lamp);
    lamp.state = 1;
    EXPECT_EQ (pixel (render (lamp), 16, 16), 0xFF2DBC95u);
    lamp.setColour (CorvanelColourIds::ledFill1, juce::Colours::blue);
    EXPECT_EQ (pixel (render (lamp), 16, 16), 0xFF0000FFu);
}

TEST_F (LookAndFeelTest, NameEditorFiltersWhatIsTyped)
{
    LabelNameEditor name;
    name.setSize (120, 24);
    name.showEditor();

    auto* editor = name.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getInputFilter(), &name.getInputFilter());
    EXPECT_EQ (editor->getBorder(), juce::BorderSize<int> (7, 4, 0, 0));

    editor->insertTextAtCaret ("snare, tight.");
    EXPECT_EQ (editor->getText(), "SNARE TIGHT");
    name.hideEditor (false);
    EXPECT_EQ (name.getText(), "SNARE TIGHT");
}

struct MouseRecorder : juce::Component
{
    void mouseDown (const juce::MouseEvent&) override { events += "d"; }
    void mouseDrag (const juce::MouseEvent&) override { events += "g"; }
    void mouseUp (const juce::MouseEvent&) override { events += "u"; }
    juce::String events;
};

TEST_F (LookAndFeelTest, SneakyLabelHandsTheMouseToItsParent)
{
    MouseRecorder knob;
    SneakyLabel number;
    knob.addAndMakeVisible (number);
    number.setBounds (0, 0, 30, 12);

    const auto e = uitest::mouseEvent (number, juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier));
    number.mouseDown (e);
    number.mouseDrag (e);
    number.mouseUp (e);
    EXPECT_EQ (knob.events, "dgu");

    // Its number editor has no pop-up menu.
    number.setEditable (false, true, false);
    number.showEditor();
    ASSERT_NE (number.getCurrentTextEditor(), nullptr);
    EXPECT_FALSE (number.getCurrentTextEditor()->isPopupMenuEnabled());
}

TEST_F (LookAndFeelTest, SneakyLabelKeepsItsFontWhenTheLookAndFeelChanges)
{
    SneakyLabel number;
    const auto font = juce::Font ("Grotesk Text 45", 22.0f, juce::Font::plain);
    number.setFont (font);

    juce::LookAndFeel_V4 other;
    number.setLookAndFeel (&other);
    EXPECT_EQ (number.getFont(), font);
    number.setLookAndFeel (nullptr);
}

TEST_F (LookAndFeelTest, TextBoxTakesTheSchemeColours)
{
    TextBox box;
    EXPECT_EQ (box.findColour (juce::TextEditor::backgroundColourId).getARGB(), 0xFF1E1E1Eu);
    EXPECT_EQ (box.findColour (juce::TextEditor::textColourId).getARGB(), 0xFFFFFFFFu);
    EXPECT_EQ (box.findColour (juce::TextEditor::outlineColourId).getARGB(), 0xFF646464u);
    EXPECT_EQ (box.getFont().getTypefaceName(), "Grotesk Text 55");
    EXPECT_FLOAT_EQ (box.getFont().getHeight(), 18.0f);
    EXPECT_EQ (box.getPasswordCharacter(), 0);
}

TEST_F (LookAndFeelTest, SvgIconDrawsItsPictureIntoItsBounds)
{
    const char svg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10"><rect x="0" y="0" width="10" height="10" fill="#ff0000"/></svg>)";
    SvgIcon icon (svg, sizeof (svg) - 1);
    ASSERT_NE (icon.drawable, nullptr);

    icon.setSize (40, 20);   // centred square of 20 x 20
    const auto image = render (icon);
    EXPECT_EQ (pixel (image, 20, 10), 0xFFFF0000u);
    EXPECT_EQ (pixel (image, 5, 10), 0u);

    SvgIcon broken ("not a picture", 13);
    EXPECT_EQ (broken.drawable, nullptr);
    broken.setSize (10, 10);
    EXPECT_EQ (pixel (render (broken), 5, 5), 0u);
}
} // namespace
