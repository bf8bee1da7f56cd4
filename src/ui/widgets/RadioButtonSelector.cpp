#include "ui/widgets/RadioButtonSelector.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/ActionButton.h"

RadioButtonSelector::RadioButtonSelector (const juce::String& captionText)
    : caption (captionText)
{
    addAndMakeVisible (caption);
    caption.setJustificationType (juce::Justification::centred);
}

RadioButtonSelector::~RadioButtonSelector()
{
    for (auto* button : buttons)
        button->removeListener (this);
}

juce::Rectangle<int> RadioButtonSelector::getButtonArea()
{
    return buttonArea;
}

void RadioButtonSelector::resized()
{
    const auto area = getButtonArea();
    const auto bw = area.getWidth();
    const auto bh = area.getHeight();
    auto rest = getLocalBounds();

    if (captionPlacement == captionHidden)
        caption.setBounds (0, 0, 0, 0);

    for (int i = buttons.size(); --i >= 0;)
    {
        const auto w = juce::jmin (bw, rest.getWidth());
        const auto slot = rest.removeFromRight (w);
        buttons[i]->setBounds (slot.getX() + (w - bw) / 2, rest.getY() + (rest.getHeight() - bh) / 2, bw, bh);
        rest.removeFromRight (juce::jmin (gap, rest.getWidth()));
    }

    if (captionPlacement == captionBeside)
        caption.setBounds (0, 0, rest.getWidth(), getHeight());
}

void RadioButtonSelector::addChoice (std::unique_ptr<juce::Button> button)
{
    button->setClickingTogglesState (true);
    button->setRadioGroupId (radioGroup);
    button->setComponentID ("selectorbtn");
    button->addListener (this);
    addAndMakeVisible (*button);
    buttons.add (button.release());
}

void RadioButtonSelector::addTextButton (const juce::String& text)
{
    auto button = std::make_unique<ColorfulActionButton> (text, juce::String());
    button->setColour (CorvanelColourIds::actionButtonOutlineOff, juce::Colours::transparentBlack);
    addChoice (std::move (button));
}

void RadioButtonSelector::addFontButton (const juce::String& glyph, FontButton::FontMaker fontMaker)
{
    auto button = std::make_unique<ColourfulFontButton> (glyph, std::move (fontMaker));
    button->bottomInset = 0;
    addChoice (std::move (button));
}

void RadioButtonSelector::buttonClicked (juce::Button* button)
{
    const auto index = buttons.indexOf (button);
    if (index < 0)
        return;

    selectedIndex = index;
    sendChangeMessage ({});

    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setToggleState (i == selectedIndex, juce::dontSendNotification);
}

void RadioButtonSelector::setHue (int newHue)
{
    HasHue::setHue (newHue);

    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    colour = HuePalette::shades (hue).bright;

    for (auto* button : buttons)
    {
        button->setColour (CorvanelColourIds::actionButtonTextOn, colour);
        button->setColour (CorvanelColourIds::colourfulFontButtonGlyphOn, colour);

        if (auto* tinted = dynamic_cast<HasHue*> (button))
            tinted->setHue (hue);
    }
}
