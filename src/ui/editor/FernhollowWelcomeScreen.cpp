#include "ui/editor/FernhollowWelcomeScreen.h"

#include "foundation/GlobalPreferencesIfc.h"
#include "ui/lookandfeel/CorvanelFonts.h"

FernhollowWelcomeScreen::FernhollowWelcomeScreen (GlobalPreferencesIfc& preferencesToUse)
    : preferences (preferencesToUse)
{
    const juce::String bulletText = juce::String::fromUTF8 (
        "\xe2\x80\xa2 \n\n\xe2\x80\xa2 \n\n\xe2\x80\xa2 \n\n\n\xe2\x80\xa2 \n\n");
    const struct
    {
        SmallLabel& label;
        juce::String text;
        const char* face;
    } labels[] = {
        { heading, "Important information about Fernhollow 2.0", CorvanelFonts::text75 },
        { introduction,
          "Welcome. We recommend the following as the only use case currently supporting Fernhollow running in a DAW:",
          CorvanelFonts::text55 },
        { statement,
          "The Corvanel device should be sequenced or synced from within the DAW, and audio from the device must come "
          "via the plugin.",
          CorvanelFonts::text75 },
        { bullets, bulletText, CorvanelFonts::text55 },
        { bulletTexts,
          "Make sure that the Corvanel device is turned off when you connect the USB cable.\n\nUse only one plugin "
          "instance per physical device.\n\nThe device should be sequenced or synced from within the DAW via the "
          "plugin's track. Do not sequence or sync the device directly with external MIDI.\n\nUse the audio out from "
          "the plugin. When using the plugin, do not take audio directly from your audio interface to your DAW.",
          CorvanelFonts::text55 },
    };

    const bool show = preferences.getShowWelcomeScreen();
    readToggle.setClickingTogglesState (true);
    readToggle.setToggleState (! show, juce::dontSendNotification);
    preferences.setIsShowingWelcomeScreen (show);

    for (const auto& l : labels)
    {
        l.label.setText (l.text, juce::dontSendNotification);
        l.label.setFont (CorvanelFonts::atHeight (l.face, &l.label == &heading ? 34.0f : 21.0f));
        l.label.setJustificationType (juce::Justification::topLeft);
        addAndMakeVisible (l.label);
    }
    addAndMakeVisible (readToggle);
    readToggle.addListener (this);
    addAndMakeVisible (continueButton);
    continueButton.addListener (this);
}

FernhollowWelcomeScreen::~FernhollowWelcomeScreen()
{
    readToggle.removeListener (this);
    continueButton.removeListener (this);
}

void FernhollowWelcomeScreen::paint (juce::Graphics& g)
{
    if (isVisible())
        g.fillAll (juce::Colour (0xcc000000));
}

void FernhollowWelcomeScreen::resized()
{
    if (! isVisible())
        return;
    const int a = (getWidth() - 900) / 2;
    const int b = (getHeight() - 418) / 2;
    heading.setBounds (a, b, 900, 64);
    introduction.setBounds (a, b + 64, 900, 44);
    statement.setBounds (a, b + 108, 900, 64);
    bullets.setBounds (a, b + 172, 26, 220);
    bulletTexts.setBounds (a + 26, b + 172, 874, 220);
    readToggle.setBounds (a + 250, b + 396, 256, 44);
    continueButton.setBounds (a + 506, b + 396, 144, 44);
}

void FernhollowWelcomeScreen::buttonClicked (juce::Button* button)
{
    if (button == &continueButton)
    {
        preferences.setIsShowingWelcomeScreen (false);
        if (auto* parent = getParentComponent())
            parent->removeChildComponent (this);
    }
    else if (button == &readToggle)
    {
        preferences.setShowWelcomeScreen (! readToggle.getToggleState());
    }
}

void FernhollowWelcomeScreen::ContinueButton::paintButton (juce::Graphics& g, bool isMouseOver, bool isDown)
{
    auto text = juce::Colour (0xfff0f0f0);
    g.fillAll (juce::Colour (0xff1f1f1f));
    if (isMouseOver)
    {
        g.fillAll (juce::Colour (0xfff0f0f0));
        text = juce::Colour (0xff1f1f1f);
    }
    if (isDown)
        text = juce::Colour (0xff646464);
    g.setColour (text);
    g.setFont (CorvanelFonts::atHeight (CorvanelFonts::text75, 21.0f));
    g.drawText (TRANS ("Continue"), getLocalBounds(), juce::Justification::centred, false);
}
