#include "ui/editor/PluginAudioProcessorEditor.h"

#include "processor/PluginEditorFactory.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/lookandfeel/CorvanelFonts.h"

#include <algorithm>

namespace
{
constexpr int refreshIntervalMs = 500;
const juce::Colour background (0xFF1E1E1E);
const juce::Colour text (0xFFF0F0F0);
const juce::Colour dimText (0xFF646464);
const juce::Colour footer (0xFF2A2A2A);
const juce::Colour errorText (0xFFE05A4F);
const juce::Colour warningText (0xFFE0B040);
constexpr int notificationRowHeight = 26;

juce::Colour severityColour (int severity)
{
    switch (severity)
    {
        case Notification::Error: return errorText;
        case Notification::Warning: return warningText;
        default: return text;
    }
}
} // namespace

PluginAudioProcessorEditor::PluginAudioProcessorEditor (VantuAudioProcessor& processor)
    : juce::AudioProcessorEditor (processor), vantu (processor)
{
    setResizable (false, false);
    updateSize();
    refresh();
    vantu.getPluginState()->addChangeListener (this);
    vantu.getNotificationManager().addChangeListener (this);
    startTimer (refreshIntervalMs);
}

PluginAudioProcessorEditor::~PluginAudioProcessorEditor()
{
    stopTimer();
    vantu.getNotificationManager().removeChangeListener (this);
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
    if (source == &vantu.getNotificationManager())
        refresh();
    else if (source->lastMessage == PluginStateIds::uiScale.toString())
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
    auto active = vantu.getNotificationManager().getActiveNotifications();
    std::stable_sort (active.begin(), active.end(), [] (const auto& a, const auto& b) { return a->severity < b->severity; });
    juce::StringArray lines;
    std::vector<int> severities;
    for (const auto& notification : active)
    {
        lines.add (Notification::severityCaption (notification->severity) + ": " + notification->textFunction());
        severities.push_back (notification->severity);
    }

    if (device != deviceText || connected != engineConnected || lines != notificationLines)
    {
        deviceText = device;
        engineConnected = connected;
        notificationLines = lines;
        notificationSeverities = severities;
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

    if (notificationLines.isEmpty())
        return;
    const int rowHeight = juce::roundToInt ((float) notificationRowHeight * scale);
    auto strip = getLocalBounds().removeFromBottom (rowHeight * notificationLines.size() + juce::roundToInt (12.0f * scale));
    g.setColour (footer);
    g.fillRect (strip);
    strip.reduce (juce::roundToInt (40.0f * scale), juce::roundToInt (6.0f * scale));
    g.setFont (CorvanelFonts::atHeight ("Grotesk Text 55", 15.0f * scale));
    for (int i = 0; i < notificationLines.size(); ++i)
    {
        g.setColour (severityColour (notificationSeverities[(size_t) i]));
        g.drawFittedText (notificationLines[i], strip.removeFromTop (rowHeight), juce::Justification::centredLeft, 1, 0.9f);
    }
}

void installPluginEditor()
{
    setPluginEditorFactory ([] (VantuAudioProcessor& processor) -> juce::AudioProcessorEditor* {
        return new PluginAudioProcessorEditor (processor);
    });
}
