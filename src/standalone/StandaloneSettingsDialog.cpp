#include "standalone/StandaloneSettingsDialog.h"

#include "ui/widgets/ComponentSnapshot.h"

namespace corvanel
{
namespace
{
constexpr int contentWidth = 450;
constexpr int minimumSelectorWidth = 400;
constexpr float snapshotWidth = 7680.0f;
} // namespace

StandalonePluginHolder::SettingsComponent::SettingsComponent (StandalonePluginHolder& holder,
                                                              juce::AudioDeviceManager& deviceManager,
                                                              int numInputChannels, int numOutputChannels,
                                                              int maxBufferSize)
    : owner (holder),
      deviceSelector (deviceManager, 0, numInputChannels, 0, numOutputChannels, true, false, true, false)
{
    // The framework's selector offers every size the device has; the shell caps the
    // buffer when it starts (the program's own selector will offer only sizes up to it).
    juce::ignoreUnused (maxBufferSize);
    setOpaque (true);
    deviceSelector.setSize (contentWidth, 400);   // lays out its rows and takes their height
    addAndMakeVisible (deviceSelector);
}

int StandalonePluginHolder::SettingsComponent::getRecommendedHeight() const
{
    return deviceSelector.getHeight();
}

void StandalonePluginHolder::SettingsComponent::paint (juce::Graphics& g)
{
    g.fillAll (getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId));
}

void StandalonePluginHolder::SettingsComponent::resized()
{
    // The selector takes its own height (it grows and shrinks with its rows).
    deviceSelector.setBounds (0, 0, std::max (minimumSelectorWidth, getWidth()), deviceSelector.getHeight());
}

void StandalonePluginHolder::SettingsComponent::childBoundsChanged (juce::Component* child)
{
    // The selector changed its height (a device with more channels): the content follows.
    if (child == &deviceSelector && deviceSelector.getHeight() != getHeight())
        setSize (getWidth(), deviceSelector.getHeight());
}

bool StandalonePluginHolder::SettingsComponent::keyPressed (const juce::KeyPress& key)
{
    const auto mods = key.getModifiers().withoutMouseButtons();
    if (key.getKeyCode() == juce::KeyPress::endKey && mods == (juce::ModifierKeys::ctrlModifier | juce::ModifierKeys::shiftModifier))
    {
        saveComponentSnapshot (*this, "Fernhollow Standalone Options", snapshotWidth);
        return true;
    }
    return false;
}

//==============================================================================
StandalonePluginHolder::SettingsViewportWrapper::SettingsViewportWrapper (StandalonePluginHolder& holder,
                                                                          juce::AudioDeviceManager& deviceManager,
                                                                          int numInputChannels, int numOutputChannels,
                                                                          int maxBufferSize)
{
    addAndMakeVisible (viewport);
    settingsComponent = std::make_unique<SettingsComponent> (holder, deviceManager, numInputChannels,
                                                             numOutputChannels, maxBufferSize);
    settingsComponent->setSize (contentWidth, settingsComponent->getRecommendedHeight());
    viewport.setViewedComponent (settingsComponent.get(), false);
}

StandalonePluginHolder::SettingsViewportWrapper::~SettingsViewportWrapper()
{
    viewport.setViewedComponent (nullptr, false);
    settingsComponent.reset();
}

void StandalonePluginHolder::SettingsViewportWrapper::resized()
{
    viewport.setBounds (getLocalBounds());
}
} // namespace corvanel
