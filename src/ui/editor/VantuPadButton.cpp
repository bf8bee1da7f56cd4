#include "ui/editor/VantuPadButton.h"

#include "model/Kit.h"
#include "model/tables/MachineTables.h"
#include "model/tables/ParameterIds.h"

namespace
{
const juce::Colour pressedFill (0x80f0f0f0);
const juce::Colour pressedLine (0xfff0f0f0);
const juce::Colour restingLine (0xff646464);
constexpr float cornerSize = 4.0f;
constexpr float lineThickness = 2.0f;
} // namespace

VantuPadButton::VantuPadButton (int index, PanelContextIfc& context)
    : juce::Button ("pad" + juce::String (index)),
      MachineDataObject::Listener<int, MachineDataObject> (&context.getUpdateTimerProvider(),
                                                           context.getKit().getSound (index),
                                                           { Sound_MachineType }),
      padIndex (index),
      caption ("T" + juce::String (index + 1))
{
}

void VantuPadButton::setMainText (const juce::String& text)
{
    if (text == mainText)
        return;
    mainText = text;
    repaint();
}

void VantuPadButton::valueChanged (MachineDataObject*, const juce::Identifier& id, int value)
{
    if (id == Sound_MachineType)
        setMainText (machineDisplayName (value));
}

void VantuPadButton::paintButton (juce::Graphics& g, bool isMouseOver, bool isDown)
{
    const juce::Rectangle<int> r (1, 1, juce::jmax (0, getWidth() - 2), juce::jmax (0, getHeight() - 2));
    const bool pressed = isMouseOver && isDown;
    const auto line = pressed ? pressedLine : restingLine;

    g.setColour (pressed ? pressedFill : juce::Colours::transparentBlack);
    g.fillRoundedRectangle (r.toFloat(), cornerSize);
    g.setColour (line);
    g.drawRoundedRectangle (r.toFloat(), cornerSize, lineThickness);

    g.drawText (mainText, r, juce::Justification::centred, true);
    const int captionHeight = juce::jmin (getHeight() - 2, 12);
    g.drawText (caption, juce::Rectangle<int> (3, getHeight() - 1 - captionHeight, juce::jmax (0, getWidth() - 4), juce::jmax (0, captionHeight)),
                juce::Justification::centredLeft, true);
}
