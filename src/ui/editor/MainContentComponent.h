#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/editor/FernhollowWelcomeScreen.h"
#include "ui/editor/FooterBar.h"
#include "ui/editor/HeaderSyncSettings.h"
#include "ui/editor/MainTabComponent.h"
#include "ui/editor/CorvanelMidiKeyboardComponent.h"
#include "ui/editor/MidiPadsComponent.h"
#include "ui/editor/ReservedPlace.h"
#include "ui/editor/SidechainBtn.h"
#include "ui/editor/TotalRecallButton.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/LogoPart.h"
#include "ui/widgets/SeparatedTabs.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class VantuAudioProcessor;

// The editor's one child, laid out in fixed units (1209 wide, 612 high, 672
// with the keyboard or pads band): the header (logo, scale selector, device
// selector, total recall, sync, capture, sidechain, pads and keyboard toggles,
// the "Kit Editor" / "Sound Browser" switch), the two sections of which one is
// shown, the band, the footer and, in plug-in wrappers, the welcome screen.
// The scale ("UIScale") and the open band ("OpenedKeyboard", "OpenedPads")
// live in the plug-in state; the content always opens on "Kit Editor".
// Message thread only.
class MainContentComponent : public juce::Component,
                             public SafeChangeBroadcaster,
                             private SafeChangeListener,
                             private juce::Button::Listener,
                             private juce::ComboBox::Listener
{
public:
    static constexpr int contentWidth = 1209;
    static constexpr int headerHeight = 32;
    static constexpr juce::uint32 accentColour = 0xffcb555d;

    enum Section
    {
        kitEditorSection = 0,
        soundBrowserSection = 1
    };

    explicit MainContentComponent (VantuAudioProcessor& processor);
    ~MainContentComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // Whether the content is laid out for the standalone program (else a plug-in wrapper).
    bool isStandalone() const { return standalone; }

    // The parts, for the editor's neighbours and for tests.
    MainTabComponent& getSection (int index) { return *sections[index]; }
    int getNumSections() const { return static_cast<int> (sections.size()); }
    SeparatedTabButtonBar& getSectionBar() { return sectionBar; }
    SeparatedTabbedComponent& getSectionStack() { return sectionStack; }
    juce::ComboBox& getScaleSelector() { return scaleSelector; }
    FontButton& getKeyboardToggle() { return *keyboardToggle; }
    FontButton& getPadsToggle() { return *padsToggle; }
    FooterBar& getFooter() { return footer; }
    HeaderSyncSettings& getSyncSettings() { return syncSettings; }
    TotalRecallButton& getTotalRecallButton() { return totalRecallButton; }
    SidechainBtn& getSidechainButton() { return sidechainButton; }
    LogoPart& getLogo() { return logo; }
    juce::Component& getDeviceSelector() { return deviceSelector; }
    juce::Component& getCaptureButton() { return captureButton; }
    CorvanelMidiKeyboardComponent& getKeyboard() { return keyboard; }
    MidiPadsComponent& getPads() { return pads; }
    // Null once closed, or when none was built.
    FernhollowWelcomeScreen* getWelcomeScreen() { return welcomeScreen.get(); }

    // The scale selector's items (id = percentage).
    static constexpr int scales[] = { 80, 100, 120, 140 };
    // A stored scale as the selector shows it: clamped to 80..140, then 100
    // unless it is one of the items.
    static int normalisedScale (int stored);

private:
    // juce::Button::Listener (message thread): the keyboard and pads toggles.
    void buttonClicked (juce::Button* button) override;
    // juce::ComboBox::Listener (message thread): the scale selector stores "UIScale".
    void comboBoxChanged (juce::ComboBox* box) override;
    // SafeChangeListener (message thread): the section bar switches sections;
    // the volatile state's selected tab sets the keyboard's channel.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    std::unique_ptr<FontButton> makeToggle (const juce::String& glyph, const juce::String& tooltip);
    void colourHeaderButton (FontButton& button);
    void addSection (std::unique_ptr<MainTabComponent> section, const juce::String& name);
    void colourStandaloneWindow();
    void switchSection();
    // The keyboard plays on the channel of the kit editor's track tab (0..11).
    void followSelectedTab();

    VantuAudioProcessor& processor;
    const bool standalone;
    const juce::uint32 accent = accentColour;
    LogoPart logo;
    SeparatedTabButtonBar sectionBar;
    SeparatedTabbedComponent sectionStack;
    std::vector<MainTabComponent*> sections;   // owned by sectionStack
    TotalRecallButton totalRecallButton;
    SidechainBtn sidechainButton;
    // The instrument selector and the capture button of the standalone user
    // interface take these places once they exist.
    ReservedPlace captureButton { "AudioCaptureControlPanelButton" };
    std::unique_ptr<FontButton> keyboardToggle, padsToggle;
    HeaderSyncSettings syncSettings;
    ReservedPlace deviceSelector { "YetAnotherDeviceSelector" };
    FooterBar footer;
    MidiPadsComponent pads;
    CorvanelMidiKeyboardComponent keyboard;
    juce::ComboBox scaleSelector;
    std::unique_ptr<FernhollowWelcomeScreen> welcomeScreen;
};
