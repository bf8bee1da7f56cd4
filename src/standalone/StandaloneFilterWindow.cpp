#include "standalone/StandaloneFilterWindow.h"

#include "foundation/StandaloneSettingsFile.h"

namespace corvanel
{
namespace
{
constexpr juce::uint32 optionsTextColour = 0xFF1E1E1E;
} // namespace

StandaloneFilterWindow::StandaloneFilterWindow (const juce::String& title, juce::Colour backgroundColour,
                                                juce::PropertySet* settings,
                                                const juce::String& preferredDefaultDeviceName,
                                                const int* maxBufferSize)
    : juce::DocumentWindow (title, backgroundColour,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
{
    setUsingNativeTitleBar (false);
    setTitleBarButtonsRequired (juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false);

    commandManager.registerAllCommandsForTarget (this);
    commandManager.setFirstCommandTarget (this);

    juce::Component::addAndMakeVisible (optionsButton);
    optionsButton.addListener (this);
    optionsButton.setTriggeredOnMouseDown (true);
    optionsButton.setColour (juce::TextButton::buttonColourId, backgroundColour);
    optionsButton.setColour (juce::TextButton::textColourOffId, juce::Colour (optionsTextColour));

    pluginHolder = std::make_unique<StandalonePluginHolder> (settings, preferredDefaultDeviceName, nullptr,
                                                             maxBufferSize);

    setContentOwned (new MainContentComponent (*this), true);

    const int x = settings->getIntValue (StandaloneSettingsFile::Keys::windowX, kCentred);
    const int y = settings->getIntValue (StandaloneSettingsFile::Keys::windowY, kCentred);
    if (x == kCentred || y == kCentred)
        centreWithSize (getWidth(), getHeight());
    else if (auto* constrainer = getConstrainer())
        constrainer->setBoundsForComponent (this, { x, y, getWidth(), getHeight() }, false, false, false, false);
    else
        setBounds (x, y, getWidth(), getHeight());

    addKeyListener (commandManager.getKeyMappings());
}

StandaloneFilterWindow::~StandaloneFilterWindow()
{
    auto& settings = pluginHolder->getSettings();
    settings.setValue (StandaloneSettingsFile::Keys::windowX, getX());
    settings.setValue (StandaloneSettingsFile::Keys::windowY, getY());
    pluginHolder->stopPlaying();
    clearContentComponent();
    pluginHolder.reset();
    optionsButton.removeListener (this);
}

void StandaloneFilterWindow::closeButtonPressed()
{
    if (auto* processor = pluginHolder->getProcessor())
    {
        juce::MemoryBlock state;
        processor->getStateInformation (state);   // runs the total-recall sync
        pluginHolder->getSettings().setValue (StandaloneSettingsFile::Keys::filterState, state.toBase64Encoding());
    }
    juce::JUCEApplicationBase::quit();
}

void StandaloneFilterWindow::resized()
{
    juce::DocumentWindow::resized();
    const int titleBarHeight = std::min (getTitleBarHeight(), getHeight() - 4);
    optionsButton.setBounds (8, 6, 60, titleBarHeight - 8);
}

void StandaloneFilterWindow::buttonClicked (juce::Button*)
{
    pluginHolder->showAudioSettingsDialog();
}

juce::ApplicationCommandTarget* StandaloneFilterWindow::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

void StandaloneFilterWindow::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.add (showAudioOptions);
}

void StandaloneFilterWindow::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    if (commandID != showAudioOptions)
        return;
    result.setInfo ("Audio Options", "Show the audio settings", "Settings", 0);
    result.addDefaultKeypress (',', juce::ModifierKeys::ctrlModifier);
}

bool StandaloneFilterWindow::perform (const InvocationInfo& info)
{
    if (info.commandID != showAudioOptions)
        return false;
    pluginHolder->showAudioSettingsDialog();
    return true;
}

//==============================================================================
StandaloneFilterWindow::MainContentComponent::MainContentComponent (StandaloneFilterWindow& window) : owner (window)
{
    if (auto* processor = owner.pluginHolder->getProcessor())
        editor.reset (processor->createEditorIfNeeded());
    noOutputValue.referTo (owner.pluginHolder->getNoOutputDeviceValue());

    if (editor != nullptr)
    {
        editor->addComponentListener (this);
        addAndMakeVisible (*editor);
    }
    addChildComponent (noOutputNotification);

    noOutputValue.addListener (this);
    showNoOutputNotification = static_cast<bool> (noOutputValue.getValue());
    noOutputNotification.setVisible (showNoOutputNotification);
    sizeToFit();
}

StandaloneFilterWindow::MainContentComponent::~MainContentComponent()
{
    noOutputValue.removeListener (this);
    if (editor != nullptr)
    {
        editor->removeComponentListener (this);
        // The editor tells its processor that it goes (the processor's active editor is cleared).
        editor.reset();
    }
}

void StandaloneFilterWindow::MainContentComponent::sizeToFit()
{
    const int width = editor != nullptr ? editor->getWidth() : 0;
    const int height = editor != nullptr ? editor->getHeight() : 0;
    setSize (width, height + (showNoOutputNotification ? kStripHeight : 0));
}

void StandaloneFilterWindow::MainContentComponent::resized()
{
    auto area = getLocalBounds();
    if (showNoOutputNotification)
        noOutputNotification.setBounds (area.removeFromTop (std::min (area.getHeight(), kStripHeight)));
    if (editor != nullptr)
        editor->setBounds (area);
}

void StandaloneFilterWindow::MainContentComponent::valueChanged (juce::Value& value)
{
    if (! value.refersToSameSourceAs (noOutputValue))
        return;
    showNoOutputNotification = static_cast<bool> (value.getValue());
    noOutputNotification.setVisible (showNoOutputNotification);
    sizeToFit();
    resized();
}

void StandaloneFilterWindow::MainContentComponent::componentMovedOrResized (juce::Component&, bool, bool wasResized)
{
    if (wasResized && editor != nullptr)
        sizeToFit();
}

//==============================================================================
StandaloneFilterWindow::MainContentComponent::NotificationArea::NotificationArea (const juce::String& message)
{
    setOpaque (true);
    label.setText (message, juce::dontSendNotification);
    label.setColour (juce::Label::textColourId, juce::Colours::black);
    addAndMakeVisible (label);
}

void StandaloneFilterWindow::MainContentComponent::NotificationArea::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (kBottomLine));
    g.fillRect (0, getHeight() - 1, getWidth(), 1);
    g.setColour (juce::Colour (kFill));
    g.fillRect (0, 0, getWidth(), getHeight() - 1);
}

void StandaloneFilterWindow::MainContentComponent::NotificationArea::resized()
{
    label.setBounds (5, 5, std::max (0, getWidth() - 10), std::max (0, getHeight() - 10));
}
} // namespace corvanel
