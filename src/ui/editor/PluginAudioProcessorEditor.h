#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <juce_audio_processors/juce_audio_processors.h>

class VantuAudioProcessor;

// The processor's editor, for now a plain panel: the product, the selected device,
// whether the engine is connected and, at the bottom, the texts of the processor's
// active notifications, most severe first. Its size is 1200 x 612 scaled by the plug-in
// state's "UIScale" and follows every change of it.
class PluginAudioProcessorEditor : public juce::AudioProcessorEditor,
                                   private SafeChangeListener,
                                   private juce::Timer
{
public:
    static constexpr int kBaseWidth = 1200;
    static constexpr int kBaseHeight = 612;

    explicit PluginAudioProcessorEditor (VantuAudioProcessor& processor);
    ~PluginAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;

    // Message thread: the size for the current "UIScale".
    void updateSize();

    // What the panel shows (message thread).
    juce::String getDeviceText() const { return deviceText; }
    bool isEngineShownConnected() const { return engineConnected; }
    // The active notifications' texts in severity order, each after its severity's caption.
    const juce::StringArray& getNotificationLines() const { return notificationLines; }

private:
    // SafeChangeListener (message thread): the plug-in state's keys and the
    // notification manager's changes.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;
    // juce::Timer (message thread): follows the engine connection.
    void timerCallback() override;
    void refresh();

    VantuAudioProcessor& vantu;
    juce::String deviceText;
    bool engineConnected = false;
    juce::StringArray notificationLines;
    std::vector<int> notificationSeverities;
};

// Makes the processor's editor this one (the program calls it once at start).
void installPluginEditor();
