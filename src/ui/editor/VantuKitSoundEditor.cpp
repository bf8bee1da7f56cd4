#include "ui/editor/VantuKitSoundEditor.h"

#include "model/tables/ParameterIds.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/FxTab.h"
#include "ui/editor/TrackTab.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace
{
// A tab whose panels come later: it only paints the section's background.
class EmptyTabPage : public juce::Component
{
public:
    void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (VantuKitSoundEditor::backgroundColour)); }
};
} // namespace

VantuKitSoundEditor::VantuKitSoundEditor (VantuAudioProcessor& processor)
    : VantuKitSoundEditor (processor, processor.getVolatileState())
{
}

VantuKitSoundEditor::VantuKitSoundEditor (PanelContextIfc& context, PluginVolatileState& volatileStateToUse)
    : MachineDataObject::Listener<int, Vantu::Settings> (&context.getUpdateTimerProvider(), &context.getSettings(), {}),
      volatileState (volatileStateToUse),
      tabs (std::make_unique<MyTabbedComponent>())
{
    addAndMakeVisible (*tabs);

    // Only the program's look and feel gets the tabs; under any other the
    // section stays empty.
    if (dynamic_cast<LookAndFeelCorvanel*> (&getLookAndFeel()) != nullptr)
        addTabs (context);

    tabs->setTabBarDepth (tabBarDepth);
    tabs->getTabbedButtonBar().addChangeListener (this);

    // The first poll reports the active edit track, so the section opens on it.
    addIdentifiers ({ Settings_ActiveEditTrack });
}

VantuKitSoundEditor::~VantuKitSoundEditor()
{
    tabs->getTabbedButtonBar().removeChangeListener (this);
    tabs.reset();
}

void VantuKitSoundEditor::addTabs (PanelContextIfc& context)
{
    auto& lookAndFeel = dynamic_cast<LookAndFeelCorvanel&> (getLookAndFeel());
    const auto colour = lookAndFeel.getCorvanelColourScheme().getUIColour (juce::LookAndFeel_V4::ColourScheme::widgetBackground);
    auto& kit = context.getKit();

    for (int track = 0; track < Vantu::Kit::numTracks; ++track)
        tabs->addTab (Vantu::Kit::trackName (track), colour, new TrackTab (context, track, kit.getSound (track)));
    tabs->addTab ("ANALOG FX BLOCK", colour, new EmptyTabPage());
    tabs->addTab ("EFFECTS", colour, new FxTab (context, context.findSamplePublisher()));
}

TrackTab* VantuKitSoundEditor::getTrackTab (int trackIndex) const
{
    if (! juce::isPositiveAndBelow (trackIndex, Vantu::Kit::numTracks))
        return nullptr;
    return dynamic_cast<TrackTab*> (tabs->getTabContentComponent (trackIndex));
}

void VantuKitSoundEditor::valueChanged (Vantu::Settings*, const juce::Identifier& id, int value)
{
    // Compared unsigned: negative values are out of range too.
    if (id == Settings_ActiveEditTrack && static_cast<unsigned> (value) <= static_cast<unsigned> (effectsBlockTab))
        tabs->getTabbedButtonBar().setCurrentTabIndex (value);
}

void VantuKitSoundEditor::changeListenerCallback (juce::ChangeBroadcaster*)
{
    const int index = tabs->getCurrentTabIndex();
    volatileState.setSelectedTrack (juce::isPositiveAndBelow (index, Vantu::Kit::numTracks) ? index : -1);
    volatileState.setSelectedTab (index);
}

void VantuKitSoundEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (backgroundColour));
}

void VantuKitSoundEditor::resized()
{
    tabs->setBounds (0, topStrip, getWidth(), juce::jmax (0, getHeight() - topStrip));
}

void VantuKitSoundEditor::lookAndFeelChanged()
{
    auto* lookAndFeel = dynamic_cast<LookAndFeelCorvanel*> (&getLookAndFeel());
    if (lookAndFeel == nullptr || tabs == nullptr)
        return;

    const auto colour = lookAndFeel->getCorvanelColourScheme().getUIColour (juce::LookAndFeel_V4::ColourScheme::widgetBackground);
    for (int i = 0; i < tabs->getNumTabs(); ++i)
        tabs->setTabBackgroundColour (i, colour);   // repaints only where the colour changes
}
