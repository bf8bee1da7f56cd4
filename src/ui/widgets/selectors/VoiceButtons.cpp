#include "ui/widgets/selectors/VoiceButtons.h"

#include "model/Kit.h"
#include "ui/widgets/HueChildren.h"

VoiceButtons::VoiceButtons()
{
    for (int i = 0; i < numVoices; ++i)
    {
        auto button = std::make_unique<ColorfulActionButton> (Vantu::Kit::trackName (i), juce::String());
        button->setClickingTogglesState (true);
        button->setRadioGroupId (1);
        button->setTooltip (TRANS ("Filter the sounds by voice."));
        button->addListener (this);
        addAndMakeVisible (*button);
        buttons.push_back (std::move (button));
    }
}

VoiceButtons::~VoiceButtons() = default;

void VoiceButtons::resized()
{
    const int perButton = getWidth() / numVoices;
    int x = 0;
    int widthLeft = getWidth();
    for (auto& button : buttons)
    {
        const int w = juce::jmax (0, juce::jmin (widthLeft, perButton));
        button->setBounds (x + 1, 1, juce::jmax (w - 2, 0), juce::jmax (getHeight() - 2, 0));
        x += w;
        widthLeft -= w;
    }
}

void VoiceButtons::buttonClicked (juce::Button* button)
{
    int index = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].get() == button)
            index = static_cast<int> (i);
    // A button that the radio group switched off reports itself too: the click
    // on the other button says all there is to say.
    if (index < 0 || ! button->getToggleState())
        return;

    if (index == selectedVoice)
    {
        selectedVoice = -1;
        button->setToggleState (false, juce::dontSendNotification);
    }
    else
    {
        selectedVoice = index;
    }
    sendChangeMessage ({});
}

void VoiceButtons::setHue (int newHue)
{
    HasHue::setHue (newHue);
    passHueToChildren (*this, newHue);
}

void VoiceButtons::clearSelection()
{
    for (auto& button : buttons)
        button->setToggleState (false, juce::dontSendNotification);
    selectedVoice = -1;
}
