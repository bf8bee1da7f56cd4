#include "ui/editor/TrackComponent.h"

#include "model/tables/ParameterIds.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/SoundDragItem.h"
#include "ui/lookandfeel/CorvanelFonts.h"

TrackComponent::TrackAndNameComponent::TrackAndNameComponent (juce::Label& name, juce::Label& track)
    : nameLabel (name), trackLabel (track)
{
    addAndMakeVisible (nameLabel);
    addAndMakeVisible (trackLabel);
    nameLabel.addListener (this);
    trackLabel.addListener (this);
    nameLabel.setFont (CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f));
    nameLabel.setJustificationType (juce::Justification::bottomLeft);
    trackLabel.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
    trackLabel.setJustificationType (juce::Justification::topLeft);
}

TrackComponent::TrackAndNameComponent::~TrackAndNameComponent()
{
    nameLabel.removeListener (this);
    trackLabel.removeListener (this);
}

void TrackComponent::TrackAndNameComponent::resized()
{
    const auto inner = getLocalBounds().reduced (juce::jmin (6, getWidth() / 2), juce::jmin (6, getHeight() / 2));
    const int h = juce::jmin (inner.getHeight(), 24);
    trackLabel.setBounds (inner.getX(), inner.getY(), inner.getWidth(), h);
    nameLabel.setBounds (inner.getX(), inner.getBottom() - h, inner.getWidth(), h);
}

juce::Colour TrackComponent::TrackAndNameComponent::fillFor (int dropState)
{
    switch (dropState)
    {
        case noDrag: return juce::Colour (0xff285765);
        case accepted: return juce::Colour (0xff32b432);
        default: return juce::Colour (0xffb43232);
    }
}

void TrackComponent::TrackAndNameComponent::paint (juce::Graphics& g)
{
    g.fillAll (fillFor (dropState));
}

void TrackComponent::TrackAndNameComponent::labelTextChanged (juce::Label*)
{
    repaint();
}

//==============================================================================
TrackComponent::SoundNameHandler::SoundNameHandler (MachineDataUpdateTimer::Provider& provider, Vantu::Sound* sound,
                                                    Vantu::Kit& kitToUse, juce::Label& name, juce::Label& track)
    : MachineDataObject::Listener<juce::String, Vantu::Sound> (&provider, sound, { Sound_Name }),
      kit (kitToUse),
      trackNumber (sound != nullptr ? sound->getTrack() + 1 : 1),
      nameLabel (name),
      trackLabel (track)
{
}

std::pair<juce::String, juce::String> TrackComponent::SoundNameHandler::splitDisplayName (const juce::String& text)
{
    juce::StringArray tokens;
    tokens.addTokens (text, "-", "\"\\");
    if (tokens.isEmpty())
        return {};
    const auto first = tokens[0];
    tokens.remove (0);
    return { first, tokens.joinIntoString ("-") };
}

void TrackComponent::SoundNameHandler::valueChanged (Vantu::Sound*, const juce::Identifier&, juce::String)
{
    const auto [track, name] = splitDisplayName (kit.getTrackDisplayName (trackNumber - 1));
    trackLabel.setText (track, juce::dontSendNotification);
    nameLabel.setText (name, juce::dontSendNotification);
}

//==============================================================================
TrackComponent::TrackComponent (VantuAudioProcessor& processorToUse, const juce::String& trackName, Vantu::Sound* soundToShow)
    : MachineDataObject::Listener<int, Vantu::Settings> (&processorToUse.getUpdateTimerProvider(),
                                                          &processorToUse.getDeviceInterface().getSettings(),
                                                          { Settings_ActiveEditTrack }),
      processor (processorToUse),
      sound (soundToShow),
      trackIndex (soundToShow != nullptr ? soundToShow->getTrack() : 0),
      nameLabel (trackName),
      nameHandler (processorToUse.getUpdateTimerProvider(), soundToShow, processorToUse.getDeviceInterface().getKit(),
                   nameLabel, trackLabel)
{
    nameLabel.setTooltip (TRANS ("The name of the sound."));
    nameComponent = std::make_unique<TrackAndNameComponent> (nameLabel, trackLabel);
    addAndMakeVisible (*nameComponent);
    nameComponent->setTooltip (TRANS ("Drop a sound on this key to make it the track sound. Drag the key and drop it in "
                                      "a +Trunx slot to save it."));
    setOpaque (true);
    // Presses and drags on the labels reach the row.
    addMouseListener (this, true);
}

TrackComponent::~TrackComponent()
{
    removeMouseListener (this);
}

void TrackComponent::resized()
{
    nameComponent->setBounds (getLocalBounds());
}

void TrackComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff1e1e1e));
}

void TrackComponent::paintOverChildren (juce::Graphics& g)
{
    if (! active)
        return;
    g.setColour (juce::Colour (0xffeb9f6a));
    g.drawRect (nameComponent->getBounds().toFloat(), 1.0f);
}

void TrackComponent::valueChanged (Vantu::Settings*, const juce::Identifier& id, int value)
{
    if (id == Settings_ActiveEditTrack)
    {
        active = value == trackIndex;
        repaint();
    }
}

void TrackComponent::mouseDown (const juce::MouseEvent&)
{
    dragStarted = false;
    if (auto* settings = getOwner())
        settings->setValueFromGui (Settings_ActiveEditTrack, trackIndex);
}

void TrackComponent::mouseDrag (const juce::MouseEvent&)
{
    // The sound browser is the container: a drag started on the row itself would
    // only find targets inside the row. One drag per press; the container may
    // still be fading out the drag before, which does not hold this one back.
    auto* container = juce::DragAndDropContainer::findParentDragContainerFor (this);
    if (container != nullptr && ! dragStarted)
    {
        dragStarted = true;
        container->startDragging (SoundDragItem::trackDescription (trackIndex), this);
    }
    repaint();
}

bool TrackComponent::isInterestedInDragSource (const SourceDetails& details)
{
    return SoundDragItem::isItemList (details.description);
}

void TrackComponent::itemDragEnter (const SourceDetails& details)
{
    if (! SoundDragItem::isItemList (details.description) || ! dropCheck)
        return;   // a row without a drop check shows no colour
    const auto* items = details.description.getArray();
    for (int i = 0; i < items->size(); ++i)
        dropCheck (*items, i, *nameComponent, trackIndex);
    nameComponent->repaint();
    repaint();
}

void TrackComponent::itemDragExit (const SourceDetails&)
{
    nameComponent->dropState = TrackAndNameComponent::noDrag;
    nameComponent->repaint();
    repaint();
}

void TrackComponent::itemDropped (const SourceDetails& details)
{
    if (SoundDragItem::isItemList (details.description))
    {
        auto& device = processor.getDeviceInterface();
        // Every item loads, whatever the drop check showed: the device decides.
        for (const auto& item : SoundDragItem::items (details.description))
        {
            if (item.size < 2 || ! item.number)
                continue;
            if (item.source.equalsIgnoreCase (SoundDragItem::poolSource))
                device.getSoundPool().getOwner()->loadSound (trackIndex, *item.number);
            else
                device.getSoundLibrary().getOwner()->loadSound (trackIndex, juce::jlimit (0, SoundListing::maxListedSlot, *item.number));
        }
    }
    nameComponent->dropState = TrackAndNameComponent::noDrag;
    nameComponent->repaint();
}
