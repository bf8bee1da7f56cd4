#include "UiTestSupport.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/Labels.h"

namespace
{
using uitest::LookAndFeelTest;
using uitest::nearColour;
using uitest::pixel;

juce::String glyph (juce::juce_wchar c) { return juce::String::charToString (c); }

void doubleClick (juce::Component& c)
{
    c.mouseDoubleClick (uitest::mouseEvent (c, juce::ModifierKeys::leftButtonModifier));
}

TEST_F (LookAndFeelTest, SliderButtonsAreFontAwesomeChevrons)
{
    juce::Slider slider (juce::Slider::IncDecButtons, juce::Slider::TextBoxLeft);
    slider.setBounds (0, 0, 120, 24);

    struct ButtonCase
    {
        bool isIncrement;
        juce::juce_wchar glyph;
    };
    for (const auto& c : { ButtonCase { true, 0xF077 }, ButtonCase { false, 0xF078 } })
    {
        SCOPED_TRACE (c.isIncrement ? "increment" : "decrement");
        std::unique_ptr<juce::Button> made (lookAndFeel.createSliderButton (slider, c.isIncrement));
        auto* button = dynamic_cast<FontButton*> (made.get());
        ASSERT_NE (button, nullptr);
        EXPECT_EQ (button->getButtonText(), glyph (c.glyph));
        EXPECT_EQ (button->margin, 0);
        ASSERT_TRUE (button->fontMaker != nullptr);
        EXPECT_EQ (button->fontMaker (14).getTypefaceName(), getFontAwesome (14.0f).getTypefaceName());
        EXPECT_FLOAT_EQ (button->fontMaker (14).getHeight(), 14.0f);

        // Drawn as a font button: its ground, then the glyph in the glyph colour.
        button->setSize (20, 20);
        const auto image = uitest::render (*button);
        EXPECT_TRUE (nearColour (pixel (image, 1, 1), button->findColour (CorvanelColourIds::fontButtonBackgroundOff).getARGB()));
    }

    // The slider itself holds the two chevron buttons.
    int chevrons = 0;
    for (auto* child : slider.getChildren())
        if (auto* b = dynamic_cast<FontButton*> (child))
            chevrons += (b->getButtonText() == glyph (0xF077) || b->getButtonText() == glyph (0xF078)) ? 1 : 0;
    EXPECT_EQ (chevrons, 2);
}

TEST_F (LookAndFeelTest, SliderTextBoxIsASmallLabelEditedByDoubleClickOnly)
{
    juce::Slider plain;
    std::unique_ptr<juce::Label> made (lookAndFeel.createSliderTextBox (plain));
    auto* made55 = dynamic_cast<SmallLabel*> (made.get());
    ASSERT_NE (made55, nullptr);
    EXPECT_TRUE (made->getText().isEmpty());
    EXPECT_EQ (made->getFont().getTypefaceName(), juce::String (CorvanelFonts::text55));
    EXPECT_FLOAT_EQ (made->getFont().getHeight(), CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f).getHeight());
    EXPECT_EQ (made->getJustificationType(), juce::Justification::centred);
    EXPECT_FALSE (made->isEditableOnSingleClick());
    EXPECT_TRUE (made->isEditableOnDoubleClick());
    EXPECT_TRUE (made->doesLossOfFocusDiscardChanges());

    // In a live slider: a click does not open the editor, a double click does;
    // losing the focus throws the edit away, Return applies it.
    juce::Slider slider (juce::Slider::LinearHorizontal, juce::Slider::TextBoxRight);
    slider.setRange (0.0, 1.0, 0.01);
    slider.setValue (0.5, juce::dontSendNotification);
    slider.setBounds (0, 0, 200, 24);

    juce::Label* box = nullptr;
    for (auto* child : slider.getChildren())
        if (auto* label = dynamic_cast<SmallLabel*> (child))
            box = label;
    ASSERT_NE (box, nullptr);
    EXPECT_EQ (box->getText(), "0.50");

    uitest::click (*box, juce::ModifierKeys::leftButtonModifier);
    EXPECT_FALSE (box->isBeingEdited());

    doubleClick (*box);
    ASSERT_TRUE (box->isBeingEdited());
    auto* editor = box->getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->setText ("0.8", false);
    static_cast<juce::Component&> (*box).inputAttemptWhenModal();   // a click elsewhere
    EXPECT_FALSE (box->isBeingEdited());
    EXPECT_DOUBLE_EQ (slider.getValue(), 0.5);
    EXPECT_EQ (box->getText(), "0.50");

    doubleClick (*box);
    editor = box->getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->setText ("0.8", false);
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! box->isBeingEdited(); }, std::chrono::seconds (10)));
    EXPECT_DOUBLE_EQ (slider.getValue(), 0.8);

    // A slider whose text is read-only keeps its box closed.
    slider.setTextBoxIsEditable (false);
    doubleClick (*box);
    EXPECT_FALSE (box->isBeingEdited());

    // Drawn in the small label's colours.
    box->setText ("MMMM", juce::dontSendNotification);
    const auto image = uitest::render (*box);
    juce::Colour strongest;
    for (int y = 1; y < image.getHeight() - 1; ++y)   // inside the label's outline
        for (int x = 1; x < image.getWidth() - 1; ++x)
            if (image.getPixelAt (x, y).getAlpha() > strongest.getAlpha())
                strongest = image.getPixelAt (x, y);
    EXPECT_TRUE (nearColour (strongest.getARGB(), box->findColour (CorvanelColourIds::smallLabelText).getARGB(), 3));
}
} // namespace
