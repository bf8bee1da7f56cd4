#include "ui/editor/MainContentComponent.h"

#include "processor/VantuAudioProcessor.h"
#include "resources/pictures/MakerLogo.h"
#include "ui/editor/EditorSections.h"
#include "ui/editor/StandaloneWindowIfc.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/CustomTabButtons.h"

namespace
{
const juce::Colour background (0xff1e1e1e);
const juce::Colour headerColour (0xff2b2b2b);
const juce::Colour separatorColour (0xff646464);

constexpr int sectionWidth = 1200;
constexpr int sectionHeight = 728;
constexpr int bandTop = 572;
constexpr int bandHeight = 60;
constexpr int footerHeight = 40;
constexpr int sectionButtonRadioGroup = 3;
}   // namespace

int MainContentComponent::normalisedScale (int stored)
{
    const int v = juce::jlimit (80, 140, stored);
    for (const int scale : scales)
        if (scale == v)
            return v;
    return 100;
}

MainContentComponent::MainContentComponent (VantuAudioProcessor& processorToUse)
    : processor (processorToUse),
      standalone (processorToUse.wrapperType == juce::AudioProcessor::wrapperType_Standalone),
      totalRecallButton (processorToUse),
      sidechainButton (juce::WeakReference<CommonAudioProcessor> (&processorToUse)),
      syncSettings (*processorToUse.getPluginState()),
      footer (processorToUse.getNotificationManager()),
      pads (processorToUse.getKeyboardState(), processorToUse),
      keyboard (processorToUse.getKeyboardState())
{
    auto& state = *processor.getPluginState();
    auto& preferences = *processor.getGlobalPreferences();

    logo.logo = MakerLogo::createDrawable();
    logo.colour = juce::Colour (accent);
    logo.deviceName = processor.getDeviceName();

    if (standalone)
        colourStandaloneWindow();

    addAndMakeVisible (deviceSelector);

    addSection (makeKitEditorSection (processor), "KitSoundEditor");
    addSection (makeSoundBrowserSection (processor), {});
    sectionStack.setBounds (0, 0, sectionWidth, sectionHeight);
    sectionStack.setCurrentTab (kitEditorSection);

    addAndMakeVisible (sectionBar);
    sectionBar.allowDeselect = false;
    sectionBar.addChangeListener (this);
    addAndMakeVisible (sectionStack);
    sectionBar.buttons.clear();
    for (const auto& text : { TRANS ("Kit Editor"), TRANS ("Sound Browser") })
    {
        auto* button = new CustomSectionTabButton (text);
        button->setClickingTogglesState (true);
        button->setRadioGroupId (sectionButtonRadioGroup);
        button->setComponentID ("SectionBtn");
        button->setConnectedEdges (juce::Button::ConnectedOnBottom);
        sectionBar.addButton (button);
    }
    sectionBar.setSelectedIndex (-1);
    sectionBar.resized();
    sectionBar.setSelectedIndex (kitEditorSection);

    addAndMakeVisible (sidechainButton);
    colourHeaderButton (sidechainButton);
    sidechainButton.margin = 4;

    addAndMakeVisible (syncSettings);
    addAndMakeVisible (totalRecallButton);
    addAndMakeVisible (captureButton);

    addAndMakeVisible (footer);

    keyboardToggle = makeToggle ("r", "Show/hide keyboard");
    keyboardToggle->setToggleState (state.getBoolProperty (PluginStateIds::openedKeyboard, false),
                                    juce::sendNotificationSync);
    padsToggle = makeToggle ("C", "Show/hide pads");
    padsToggle->setToggleState (state.getBoolProperty (PluginStateIds::openedPads, false), juce::sendNotificationSync);

    addChildComponent (keyboard);
    keyboard.setVisible (state.getBoolProperty (PluginStateIds::openedKeyboard, false));
    keyboard.setWantsKeyboardFocus (false);
    keyboard.setAvailableRange (0, 127);
    keyboard.setLowestVisibleKey (0);
    followSelectedTab();
    addChildComponent (pads);
    pads.setVisible (state.getBoolProperty (PluginStateIds::openedPads, false));

    addAndMakeVisible (scaleSelector);
    for (const int scale : scales)
        scaleSelector.addItem (juce::String (scale) + "%", scale);
    scaleSelector.addListener (this);
    const int scale = normalisedScale (state.getIntProperty (PluginStateIds::uiScale, 100));

    // Both changes reach every control that follows the shared wheel value.
    const bool wheel = preferences.getSliderMouseWheel();
    preferences.setSliderMouseWheel (! wheel);
    preferences.setSliderMouseWheel (wheel);

    processor.getVolatileState().addChangeListener (this);

    addAndMakeVisible (logo);
    sectionBar.toFront (false);
    sectionStack.toFront (false);
    logo.toFront (false);
    logo.setInterceptsMouseClicks (false, false);

    if (! standalone && preferences.getShowWelcomeScreen())
    {
        welcomeScreen = std::make_unique<FernhollowWelcomeScreen> (preferences);
        addAndMakeVisible (*welcomeScreen);
    }
    else
    {
        preferences.setIsShowingWelcomeScreen (false);
    }

    // The change arrives later in comboBoxChanged, which stores "UIScale"; the
    // editor takes its size from that.
    scaleSelector.setSelectedId (scale, juce::sendNotificationAsync);
    setOpaque (true);
}

MainContentComponent::~MainContentComponent()
{
    welcomeScreen.reset();
    processor.getVolatileState().removeChangeListener (this);
    sectionBar.removeChangeListener (this);
    scaleSelector.removeListener (this);
    if (keyboardToggle != nullptr)
        keyboardToggle->removeListener (this);
    if (padsToggle != nullptr)
        padsToggle->removeListener (this);
}

void MainContentComponent::addSection (std::unique_ptr<MainTabComponent> section, const juce::String& name)
{
    section->setName (name);
    section->setVisible (true);
    section->setSize (sectionWidth, sectionHeight);
    section->referToValue (processor.getGlobalPreferences()->getSliderMouseWheelValue());
    sections.push_back (section.get());
    sectionStack.addChildComponent (*section);
    sectionStack.contents.add (section.release());
}

std::unique_ptr<FontButton> MainContentComponent::makeToggle (const juce::String& glyph, const juce::String& tooltip)
{
    auto button = std::make_unique<FontButton> (glyph,
                                                [] (int size) { return getFontCorvanel (static_cast<float> (size)); });
    addAndMakeVisible (*button);
    button->setClickingTogglesState (true);
    button->addListener (this);
    button->setTooltip (tooltip);
    colourHeaderButton (*button);
    return button;
}

void MainContentComponent::colourHeaderButton (FontButton& button)
{
    button.setColour (CorvanelColourIds::fontButtonBackgroundOff, headerColour);
    button.setColour (CorvanelColourIds::fontButtonBackgroundOn, headerColour);
    button.setColour (CorvanelColourIds::fontButtonGlyphOff, juce::Colour (0x57f0f0f0));
    button.setColour (CorvanelColourIds::fontButtonGlyphOn, juce::Colour (0xfff0f0f0));
}

void MainContentComponent::colourStandaloneWindow()
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* window = dynamic_cast<StandaloneWindowIfc*> (desktop.getComponent (i)))
        {
            auto& main = window->getMainWindow();
            main.setColour (juce::ResizableWindow::backgroundColourId, juce::Colour (accent));
            main.setOpaque (juce::Colour (accent).isOpaque());
            main.repaint();
            if (auto* options = window->getOptionsButton())
                options->setColour (juce::TextButton::buttonColourId, juce::Colour (accent));
            return;
        }
}

void MainContentComponent::paint (juce::Graphics& g)
{
    g.fillAll (background);
    g.setColour (headerColour);
    g.fillRect (0, 0, getWidth(), juce::jmin (getHeight(), headerHeight));
    g.setColour (separatorColour);
    g.fillRect (936, 6, 1, 22);
}

void MainContentComponent::resized()
{
    auto header = getLocalBounds().removeFromTop (juce::jmin (getHeight(), headerHeight));

    logo.setBounds (header.removeFromLeft (180));
    header.removeFromLeft (8);
    const auto selectorArea = header.removeFromLeft (300);
    deviceSelector.setBounds (selectorArea.withSizeKeepingCentre (298, 16).withTrimmedLeft (64));
    scaleSelector.setBounds (188, 8, 60, 16);
    const auto totalRecallArea = header.removeFromLeft (60);
    totalRecallButton.setBounds (standalone ? juce::Rectangle<int>() : totalRecallArea.withSizeKeepingCentre (60, 16));

    sectionBar.setBounds (header.removeFromRight (188));
    auto toggles = header.removeFromRight (80);
    toggles.removeFromRight (2);
    if (keyboardToggle != nullptr)
        keyboardToggle->setBounds (toggles.removeFromRight (38));
    if (padsToggle != nullptr)
        padsToggle->setBounds (toggles.removeFromRight (38));
    const auto sidechainArea = header.removeFromRight (40);
    sidechainButton.setBounds (sidechainArea.getX() + 2, 2, 32, 28);
    if (standalone)
    {
        const auto captureArea = header.removeFromRight (36);
        captureButton.setBounds (captureArea.getX() + 12, 2, 32, 30);
    }
    else
    {
        captureButton.setBounds ({});
    }
    syncSettings.setBounds (header.removeFromRight (160).translated (8, 0));

    sectionStack.setBounds (-1, 36, 1202, 536);

    auto& state = *processor.getPluginState();
    const bool keyboardOpen = state.getBoolProperty (PluginStateIds::openedKeyboard, false);
    const bool padsOpen = state.getBoolProperty (PluginStateIds::openedPads, false);
    keyboard.setVisible (keyboardOpen);
    pads.setVisible (padsOpen);
    const juce::Rectangle<int> band (0, bandTop, 1200, bandHeight);
    keyboard.setBounds (keyboardOpen ? band : juce::Rectangle<int>());
    pads.setBounds (! keyboardOpen && padsOpen ? band : juce::Rectangle<int>());

    footer.setBounds (0, getHeight() - footerHeight, contentWidth, footerHeight);
    if (welcomeScreen != nullptr)
        welcomeScreen->setBounds (getLocalBounds());
}

void MainContentComponent::buttonClicked (juce::Button* button)
{
    auto& state = *processor.getPluginState();
    if (button == keyboardToggle.get())
    {
        // At construction the keyboard's stored state arrives before the pads toggle exists.
        if (padsToggle != nullptr)
            padsToggle->setToggleState (false, juce::dontSendNotification);
        state.setBoolProperty (PluginStateIds::openedKeyboard, keyboardToggle->getToggleState());
        state.setBoolProperty (PluginStateIds::openedPads, false);
        resized();
    }
    else if (button == padsToggle.get())
    {
        if (keyboardToggle != nullptr)
            keyboardToggle->setToggleState (false, juce::dontSendNotification);
        state.setBoolProperty (PluginStateIds::openedPads, padsToggle->getToggleState());
        state.setBoolProperty (PluginStateIds::openedKeyboard, false);
        resized();
    }
}

void MainContentComponent::comboBoxChanged (juce::ComboBox* box)
{
    if (box == &scaleSelector && scaleSelector.getSelectedId() != 0)
        processor.getPluginState()->setIntProperty (PluginStateIds::uiScale, scaleSelector.getSelectedId());
}

void MainContentComponent::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == &sectionBar)
        switchSection();
    else if (source == &processor.getVolatileState())
        followSelectedTab();
}

void MainContentComponent::followSelectedTab()
{
    const int tab = processor.getVolatileState().getSelectedTab();
    if (static_cast<unsigned> (tab) >= 12u)
        return;
    // A new channel first releases the keys the keyboard holds.
    if (keyboard.getMidiChannel() != tab + 1)
        keyboard.setMidiChannel (juce::jlimit (1, 16, tab + 1));
    keyboard.setMidiChannelsToDisplay (1 << tab);
}

void MainContentComponent::switchSection()
{
    if (sections.empty())
        return;
    const int index = sectionBar.getSelectedIndex();
    const int shown = juce::jlimit (0, static_cast<int> (sections.size()) - 1, index);
    if (shown == kitEditorSection)
    {
        const int tab = sections[static_cast<size_t> (shown)]->getCurrentTabIndex();
        if (tab >= 0 && tab < 12)
            processor.getVolatileState().setSelectedTrack (tab);
    }
    else if (shown == soundBrowserSection)
    {
        processor.getVolatileState().setSelectedTrack (-1);
    }
    sectionStack.setCurrentTab (index);
}
