#pragma once

#include "model/Kit.h"
#include "model/MachineDataListener.h"
#include "model/Settings.h"
#include "model/Sound.h"
#include "ui/widgets/Labels.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class VantuAudioProcessor;

// One track row of the sound browser: the track's name over its sound's name,
// an outline while the track is the device's active edit track. A click makes
// its track the active edit track; dragging it carries the track description
// to the pool and the library; library and pool sounds dropped on it load into
// its track. The row only carries and paints its drop state; the overview
// panel's drop check decides it. Message thread only.
class TrackComponent : public juce::Component,
                       public MachineDataObject::Listener<int, Vantu::Settings>,
                       public juce::DragAndDropTarget
{
public:
    // The coloured face of a row with its two labels (not owned).
    class TrackAndNameComponent : public juce::Component,
                                  public juce::SettableTooltipClient,
                                  public juce::Label::Listener
    {
    public:
        enum DropState
        {
            noDrag = 0,
            accepted = 1,
            refused = 2
        };

        TrackAndNameComponent (juce::Label& nameLabel, juce::Label& trackLabel);
        ~TrackAndNameComponent() override;

        void resized() override;
        void paint (juce::Graphics& g) override;
        // Message thread: either label's text changed.
        void labelTextChanged (juce::Label* label) override;
        void lookAndFeelChanged() override { repaint(); }

        // The fill of a drop state: 0 none, 1 accepted, 2 (or anything else) refused.
        static juce::Colour fillFor (int dropState);

        juce::Label& nameLabel;
        juce::Label& trackLabel;
        int dropState = noDrag;
    };

    // Shows the track's display name split into the track and the sound name.
    class SoundNameHandler : public MachineDataObject::Listener<juce::String, Vantu::Sound>
    {
    public:
        SoundNameHandler (MachineDataUpdateTimer::Provider& provider, Vantu::Sound* sound, Vantu::Kit& kit,
                          juce::Label& nameLabel, juce::Label& trackLabel);

        // Message thread, from the data-update timer: "Sound_Name" changed.
        void valueChanged (Vantu::Sound* owner, const juce::Identifier& id, juce::String text) override;

        // The text split at every "-" outside quotes (" and \): the first token
        // and the rest joined with "-" again.
        static std::pair<juce::String, juce::String> splitDisplayName (const juce::String& text);

    private:
        Vantu::Kit& kit;
        const int trackNumber;   // 1..12
        juce::Label& nameLabel;
        juce::Label& trackLabel;
    };

    using DropCheck = std::function<void (const juce::Array<juce::var>& items, int index, TrackAndNameComponent& target, int track)>;

    TrackComponent (VantuAudioProcessor& processor, const juce::String& trackName, Vantu::Sound* sound);
    ~TrackComponent() override;

    void resized() override;
    void paint (juce::Graphics& g) override;
    void paintOverChildren (juce::Graphics& g) override;
    void lookAndFeelChanged() override { repaint(); }
    // Message thread: any button anywhere in the row makes its track the active edit track.
    void mouseDown (const juce::MouseEvent& event) override;
    // Message thread: drags the track description through the sound browser's container.
    void mouseDrag (const juce::MouseEvent& event) override;

    // Message thread, from the data-update timer: "Settings_ActiveEditTrack".
    void valueChanged (Vantu::Settings* owner, const juce::Identifier& id, int value) override;

    // DragAndDropTarget (message thread)
    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

    int getTrackIndex() const noexcept { return trackIndex; }
    bool isActive() const noexcept { return active; }
    TrackAndNameComponent& getNameComponent() { return *nameComponent; }

    DropCheck dropCheck;

private:
    VantuAudioProcessor& processor;
    Vantu::Sound* const sound;
    bool active = false;
    bool dragStarted = false;   // by the current press
    const int trackIndex;
    SmallLabel nameLabel;
    LargeLabel trackLabel;
    SoundNameHandler nameHandler;
    std::unique_ptr<TrackAndNameComponent> nameComponent;
};
