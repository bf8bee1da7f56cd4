#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/editor/MainContentComponent.h"
#include "ui/editor/OpenGLRendererParent.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_opengl/juce_opengl.h>

#include <memory>

class VantuAudioProcessor;

// The processor's editor: installs the program's look and feel, owns the main
// content, runs the data-update timer that drives every value listener of the
// GUI, renders through OpenGL unless "DisableOpenGL" is set, keeps its aspect,
// scales the content by the plug-in state's "UIScale", saves a picture of
// itself on Ctrl+Shift+End and closes open pop-up menus and call-out boxes
// when its place on the screen changes. Message thread only.
class PluginAudioProcessorEditor : public juce::AudioProcessorEditor,
                                   private SafeChangeListener,
                                   public OpenGLRendererParent,
                                   private juce::Timer
{
public:
    static constexpr int baseWidth = 1200;
    static constexpr int baseHeight = 612;
    static constexpr int bandHeight = 60;
    static constexpr int positionCheckMs = 1000;
    static constexpr const char* snapshotName = "Kolvane Fernhollow Plugin";
    static constexpr float snapshotWidth = 7680.0f;

    explicit PluginAudioProcessorEditor (VantuAudioProcessor& processor);
    ~PluginAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress& key) override;

    // The size for the current "UIScale" and band.
    void updateSize();

    // The unscaled height: 612, or 672 with the keyboard or pads band open.
    int getBaseHeight() const;

    // juce::Timer (message thread, every second): closes pop-up menus and
    // call-out boxes when the editor's screen rectangle changed (the first
    // tick counts as a change). Public for tests.
    void timerCallback() override;

    MainContentComponent& getContent() { return *content; }
    juce::OpenGLContext& getOpenGLContext() { return openGLContext; }

private:
    // SafeChangeListener (message thread): every plug-in state change resizes.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    VantuAudioProcessor& vantu;
    std::unique_ptr<LookAndFeelCorvanel> lookAndFeel;
    std::unique_ptr<MainContentComponent> content;
    juce::OpenGLContext openGLContext;
    juce::Rectangle<int> lastScreenBounds;
    bool screenBoundsKnown = false;
};

// Makes the processor's editor this one (the program calls it once at start).
void installPluginEditor();
