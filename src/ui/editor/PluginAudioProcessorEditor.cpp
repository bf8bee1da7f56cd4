#include "ui/editor/PluginAudioProcessorEditor.h"

#include "foundation/Logger.h"
#include "processor/PluginEditorFactory.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/widgets/ComponentSnapshot.h"
#include "ui/widgets/modal/ModalDismissal.h"

PluginAudioProcessorEditor::PluginAudioProcessorEditor (VantuAudioProcessor& processor)
    : juce::AudioProcessorEditor (processor), vantu (processor)
{
    lookAndFeel = std::make_unique<LookAndFeelCorvanel>();
    juce::LookAndFeel::setDefaultLookAndFeel (lookAndFeel.get());
    setLookAndFeel (lookAndFeel.get());

    content = std::make_unique<MainContentComponent> (vantu);
    addAndMakeVisible (*content);

    vantu.getMachineDataUpdateTimer()->start();
    vantu.getPluginState()->addChangeListener (this);

    // The sample publisher runs for the processor's whole life; the editor
    // neither starts nor stops it.

    if (vantu.getGlobalPreferences()->getDisableOpenGL())
        FH_LOG (spdlog::level::info, "OpenGL is disabled.");
    else
        openGLContext.attachTo (*this);

    const int height = getBaseHeight();
    setResizable (false, false);
    getConstrainer()->setFixedAspectRatio (static_cast<double> (baseWidth) / height);
    setSize (baseWidth, height);

    startTimer (positionCheckMs);
}

PluginAudioProcessorEditor::~PluginAudioProcessorEditor()
{
    stopTimer();
    if (openGLContext.isAttached())
        openGLContext.detach();
    vantu.getPluginState()->removeChangeListener (this);
    vantu.getMachineDataUpdateTimer()->stop();
    content.reset();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    setLookAndFeel (nullptr);
    lookAndFeel.reset();
}

int PluginAudioProcessorEditor::getBaseHeight() const
{
    auto& state = *vantu.getPluginState();
    const bool band = state.getBoolProperty (PluginStateIds::openedPads, false)
        || state.getBoolProperty (PluginStateIds::openedKeyboard, false);
    return band ? baseHeight + bandHeight : baseHeight;
}

void PluginAudioProcessorEditor::updateSize()
{
    const int height = getBaseHeight();
    getConstrainer()->setFixedAspectRatio (static_cast<double> (baseWidth) / height);
    const auto scale = static_cast<float> (vantu.getPluginState()->getIntProperty (PluginStateIds::uiScale, 100)) / 100.0f;
    const auto area = juce::Rectangle<float> (0.0f, 0.0f, static_cast<float> (baseWidth), static_cast<float> (height))
                          .transformedBy (juce::AffineTransform::scale (scale))
                          .getSmallestIntegerContainer();
    content->setVisible (false);
    setSize (area.getWidth(), area.getHeight());
    content->setVisible (true);
}

void PluginAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (getLookAndFeel().findColour (0x2000100));
}

void PluginAudioProcessorEditor::resized()
{
    if (content == nullptr)
        return;
    const int height = getBaseHeight();
    getConstrainer()->setFixedAspectRatio (static_cast<double> (baseWidth) / height);
    const auto scale = static_cast<float> (getWidth()) / static_cast<float> (baseWidth);
    content->setTransform (juce::AffineTransform::scale (scale));
    content->setBounds (-1, 0, MainContentComponent::contentWidth, height);
}

bool PluginAudioProcessorEditor::keyPressed (const juce::KeyPress& key)
{
    const auto wanted = juce::ModifierKeys::ctrlModifier | juce::ModifierKeys::shiftModifier;
    if (key.getKeyCode() == juce::KeyPress::endKey
        && (key.getModifiers().getRawFlags() & juce::ModifierKeys::allKeyboardModifiers) == wanted)
    {
        saveComponentSnapshot (*this, snapshotName, snapshotWidth);
        return true;
    }
    return false;
}

void PluginAudioProcessorEditor::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == vantu.getPluginState().get())
        updateSize();
}

void PluginAudioProcessorEditor::timerCallback()
{
    const auto bounds = getScreenBounds();
    if (screenBoundsKnown && bounds == lastScreenBounds)
        return;
    screenBoundsKnown = true;
    lastScreenBounds = bounds;
    juce::PopupMenu::dismissAllActiveMenus();
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* component = desktop.getComponent (i))
            ModalDismissal::postDismiss (*component);
    // Call-out boxes live inside the main content, not on the desktop: every
    // modal component gets the command too (those already told answer once).
    auto* modal = juce::ModalComponentManager::getInstance();
    for (int i = 0; i < modal->getNumModalComponents(); ++i)
        if (auto* component = modal->getModalComponent (i); component != nullptr && ! component->isOnDesktop())
            ModalDismissal::postDismiss (*component);
}

void installPluginEditor()
{
    setPluginEditorFactory ([] (VantuAudioProcessor& processor) -> juce::AudioProcessorEditor* {
        return new PluginAudioProcessorEditor (processor);
    });
}
