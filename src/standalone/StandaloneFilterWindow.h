#pragma once

#include "standalone/StandalonePluginHolder.h"
#include "ui/editor/StandaloneWindowIfc.h"

#include <juce_audio_utils/juce_audio_utils.h>

#include <memory>

namespace corvanel
{
// The program's main window: the processor's editor, with a strip above it while
// no output device is open, an "Options" button in the title bar (and Ctrl+",")
// that opens the "Audio/MIDI Settings" dialog, and its position kept in the
// settings file. The editor finds it as the standalone window and gives it and
// the button its accent colour. Owns the plug-in holder. Message thread.
class StandaloneFilterWindow : public juce::DocumentWindow,
                              public StandaloneWindowIfc,
                              public juce::Button::Listener,
                              public juce::ApplicationCommandTarget
{
public:
    enum CommandIds
    {
        showAudioOptions = 1
    };
    // The stored position that means "centre the window".
    static constexpr int kCentred = -100;
    // The height of the notification strip.
    static constexpr int kStripHeight = 30;

    StandaloneFilterWindow (const juce::String& title, juce::Colour backgroundColour, juce::PropertySet* settings,
                            const juce::String& preferredDefaultDeviceName, const int* maxBufferSize);
    ~StandaloneFilterWindow() override;

    StandalonePluginHolder& getPluginHolder() noexcept { return *pluginHolder; }
    juce::ApplicationCommandManager& getCommandManager() noexcept { return commandManager; }

    // Stores the processor's state under "filterState", then asks the application to quit.
    void closeButtonPressed() override;
    void resized() override;

    // StandaloneWindowIfc
    juce::ResizableWindow& getMainWindow() override { return *this; }
    juce::Button* getOptionsButton() override { return &optionsButton; }

    // juce::Button::Listener
    void buttonClicked (juce::Button* button) override;

    // juce::ApplicationCommandTarget
    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

    class MainContentComponent;

private:
    juce::ApplicationCommandManager commandManager;
    juce::TextButton optionsButton { "Options" };
    std::unique_ptr<StandalonePluginHolder> pluginHolder;

    JUCE_DECLARE_NON_COPYABLE (StandaloneFilterWindow)
};

// The window's content: the strip "No output device is selected" while no output
// device is open, and the processor's editor below it.
class StandaloneFilterWindow::MainContentComponent final : public juce::Component,
                                                           private juce::Value::Listener,
                                                           private juce::ComponentListener
{
public:
    explicit MainContentComponent (StandaloneFilterWindow& owner);
    ~MainContentComponent() override;

    void resized() override;
    bool isNotificationShowing() const noexcept { return showNoOutputNotification; }
    juce::AudioProcessorEditor* getEditor() const noexcept { return editor.get(); }

    class NotificationArea final : public juce::Component
    {
    public:
        static constexpr juce::uint32 kFill = 0xFFFAFAD2;
        static constexpr juce::uint32 kBottomLine = 0xFFB8860B;

        explicit NotificationArea (const juce::String& message);
        void paint (juce::Graphics& g) override;
        void resized() override;

    private:
        juce::Label label { "notification" };
    };

private:
    // Message thread: the holder's noOutputDevice changed.
    void valueChanged (juce::Value& value) override;
    // Message thread: the editor changed its size.
    void componentMovedOrResized (juce::Component& component, bool wasMoved, bool wasResized) override;
    void sizeToFit();

    StandaloneFilterWindow& owner;
    NotificationArea noOutputNotification { "No output device is selected" };
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    bool showNoOutputNotification = false;
    juce::Value noOutputValue;

    JUCE_DECLARE_NON_COPYABLE (MainContentComponent)
};
} // namespace corvanel
