#include "ui/widgets/selectors/SubOscillatorSelector.h"

#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <algorithm>

SubOscillatorButton::SubOscillatorButton (int octaveOffset)
    : juce::Button ("Sub Oscillator " + juce::String (octaveOffset)), offset (octaveOffset)
{
    setButtonText (getName());
}

void SubOscillatorButton::internalClickCallback (const juce::ModifierKeys& mods)
{
    // The right mouse button never changes a control.
    if (mods.isRightButtonDown())
        return;
    juce::Button::internalClickCallback (mods);
}

void SubOscillatorButton::paintButton (juce::Graphics& g, bool isHighlighted, bool)
{
    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    const auto& shades = lf->getHueColours (hue);
    const int w = getWidth(), h = getHeight();
    const int squareColumn = std::min (w, 32);

    g.setColour (isHighlighted || getToggleState() ? shades.bright : shades.dark);
    g.fillRect ((squareColumn - 8) / 2, (h - 8) / 2, 8, 8);

    g.setColour (juce::Colour (0xFFFAFAFA));
    g.drawText (juce::String (offset), juce::Rectangle<int> (squareColumn, 0, std::min (w - squareColumn, 12), h),
                juce::Justification::centred, true);
}

//==============================================================================
SubOscillatorSelector::SubOscillatorSelector()
{
    for (int i = 0; i < buttonCount; ++i)
    {
        auto button = std::make_unique<SubOscillatorButton> (i - 2);
        button->setClickingTogglesState (true);
        button->setRadioGroupId (1);
        // Message thread: a user click, and the radio group putting out the lit button.
        button->onClick = [this, i, b = button.get()]
        {
            if (! b->getToggleState())
                return;
            selectedIndex = i;
            sendChangeMessage();
        };
        addAndMakeVisible (*button);
        buttons.push_back (std::move (button));
    }
}

SubOscillatorSelector::~SubOscillatorSelector()
{
    for (auto& button : buttons)
        button->onClick = nullptr;
}

void SubOscillatorSelector::setSelectedIndex (int index)
{
    if (index < 0 || index >= buttonCount)
        return;
    selectedIndex = index;
    buttons[static_cast<size_t> (index)]->setToggleState (true, juce::dontSendNotification);
}

void SubOscillatorSelector::resized()
{
    const int rowHeight = getHeight() / buttonCount;
    int y = 0;
    for (auto button = buttons.rbegin(); button != buttons.rend(); ++button)
    {
        const int h = std::min (getHeight() - y, rowHeight);
        (*button)->setBounds (0, y, getWidth(), h);
        y += h;
    }
}

void SubOscillatorSelector::setHue (int newHue)
{
    HasHue::setHue (newHue);
    for (auto& button : buttons)
        button->setHue (newHue);
}
