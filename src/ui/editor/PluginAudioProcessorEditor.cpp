#include "ui/editor/PluginAudioProcessorEditor.h"

#include "processor/PluginEditorFactory.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/lookandfeel/CorvanelFonts.h"

namespace
{
constexpr int refreshIntervalMs = 500;
const juce::Colour background (0xFF1E1E1E);
const juce::Colour text (0xFFF0F0F0);
const juce::Colour dimText (0xFF646464);
} // namespace

PluginAudioProcessorEditor::PluginAudioProcessorEditor (VantuAudioProcessor& processor)
    : juce::AudioProcessorEditor (processor), vantu (processor)
{
    setResizable (false, false);
    updateSize();
    refresh();
    vantu.getPluginState()->addChangeListener (this);
    startTimer (refreshIntervalMs);
}

PluginAudioProcessorEditor::~PluginAudioProcessorEditor()
{
    stopTimer();
    vantu.getPluginState()->removeChangeListener (this);
}

void PluginAudioProcessorEditor::updateSize()
{
    const auto scale = static_cast<float> (vantu.getPluginState()->getIntProperty (PluginStateIds::uiScale, 100)) / 100.0f;
    const auto area = juce::Rectangle<float> (0.0f, 0.0f, kBaseWidth, kBaseHeight).transformedBy (
                          juce::AffineTransform::scale (scale)).getSmallestIntegerContainer();
    if (area.getWidth() > 0 && area.getHeight() > 0)
        setSize (area.getWidth(), area.getHeight());
}

void PluginAudioProcessorEditor::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source->lastMessage == PluginStateIds::uiScale.toString())
        updateSize();
    else if (source->lastMessage == PluginStateIds::selectedDeviceName.toString())
        refresh();
}

void PluginAudioProcessorEditor::timerCallback()
{
    refresh();
}

void PluginAudioProcessorEditor::refresh()
{
    const auto device = vantu.getPluginState()->getSelectedDeviceNameOrDefault();
    const bool connected = vantu.getEngineClient().getMessageConnection()->getProtocolVersion() != 0;
    if (device != deviceText || connected != engineConnected)
    {
        deviceText = device;
        engineConnected = connected;
        repaint();
    }
}

void PluginAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (background);
    const auto scale = static_cast<float> (getWidth()) / kBaseWidth;
    auto area = getLocalBounds().reduced (juce::roundToInt (40.0f * scale));

    g.setColour (text);
    g.setFont (CorvanelFonts::atHeight ("Grotesk Text 75", 48.0f * scale));
    g.drawText (vantu.getDeviceName(), area.removeFromTop (juce::roundToInt (64.0f * scale)),
                juce::Justification::centredLeft);

    g.setFont (CorvanelFonts::atHeight ("Grotesk Text 55", 24.0f * scale));
    g.drawText (deviceText, area.removeFromTop (juce::roundToInt (40.0f * scale)), juce::Justification::centredLeft);

    g.setColour (engineConnected ? text : dimText);
    g.drawText (engineConnected ? "Engine connected" : "Engine not connected",
                area.removeFromTop (juce::roundToInt (40.0f * scale)), juce::Justification::centredLeft);
}

void installPluginEditor()
{
    setPluginEditorFactory ([] (VantuAudioProcessor& processor) -> juce::AudioProcessorEditor* {
        return new PluginAudioProcessorEditor (processor);
    });
}
