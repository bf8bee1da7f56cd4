#pragma once

#include "processor/PanelContextIfc.h"
#include "ui/panels/effects/MixerWidgets.h"
#include "ui/panels/engine/ValueWatch.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/meters/MeterSubscription.h"

#include <memory>
#include <vector>

class SamplePublisher;

// The "MIXER" section of the effects tab: twelve track strips (name, level
// fader, level meter, mute, pattern mute, pan) and the effects strip (name,
// level fader, two meters). Levels and pattern mutes are kit values, mutes
// and the global levels settings values, pan a value of the track's sound.
// In global mode (bit 0 of "Settings_GlobalModeMask") each track strip shows
// its global-level fader instead of its level fader. Each meter listens to the
// sample publisher's output row under (bus, channel) while its strip lives.
// Message thread only.
class MixerPanel : public corvanel::Panel
{
public:
    static constexpr int stripWidth = 50;
    static constexpr int fxSource = 13;

    class MixerChannelComponent;
    class FxChannelComponent;

    // publisher: where the meters listen (may be null: the meters stay at rest).
    MixerPanel (PanelContextIfc& context, SamplePublisher* publisher);
    ~MixerPanel() override;

    MixerChannelComponent& getStrip (int track) const { return *strips[static_cast<size_t> (track)]; }
    FxChannelComponent& getFxStrip() const { return *fxStrip; }

    void resized() override;

private:
    std::vector<std::unique_ptr<MixerChannelComponent>> strips;
    std::unique_ptr<FxChannelComponent> fxStrip;
};

// One track's strip. Writes: the level fader (int) << 8 to the kit level, the
// global-level fader (int) << 8 to the track's settings level, the pan
// ((int) + 64) << 8 to "Sound_AmpPan", the buttons 256 or 0 to the settings
// mute and the kit pattern mute. Device values are shown without notification.
class MixerPanel::MixerChannelComponent : public juce::Component,
                                          private juce::Slider::Listener,
                                          private juce::Button::Listener
{
public:
    static constexpr int globalModeBit = 0;

    // source: the output bus the meter listens to (the track's bus, track + 1).
    MixerChannelComponent (PanelContextIfc& context, SamplePublisher* publisher, int track, int source);
    ~MixerChannelComponent() override;

    void setParameterIds (const juce::Identifier& level, const juce::Identifier& globalLevel, const juce::Identifier& mute,
                          const juce::Identifier& patternMute);

    SmallLabel& getNameLabel() { return nameLabel; }
    VolumeSlider& getLevelFader() { return levelFader; }
    VolumeSlider& getGlobalLevelFader() { return globalLevelFader; }
    MuteButton& getMuteButton() { return muteButton; }
    MuteButton& getPatternMuteButton() { return patternMuteButton; }
    PanSlider& getPanSlider() { return panSlider; }
    const MeterSubscription& getMeter() const { return meter; }
    bool isGlobal() const { return global; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    // Message thread, from the data-update timer's poll.
    void kitValueChanged (const juce::Identifier& id, int value);
    void settingsValueChanged (const juce::Identifier& id, int value);
    void soundValueChanged (const juce::Identifier& id, int value);

    // Message thread: user edits.
    void sliderValueChanged (juce::Slider* slider) override;
    void buttonClicked (juce::Button* button) override;

    const int track;
    SmallLabel nameLabel;
    VolumeSlider levelFader;
    VolumeSlider globalLevelFader;
    MuteButton muteButton;
    MuteButton patternMuteButton;
    PanSlider panSlider;
    MeterSubscription meter;

    juce::Identifier levelId, globalLevelId, muteId, patternMuteId, panId, maskId;
    bool global = false;
    int settingsLevel = 0;   // the settings level last reported

    ValueWatch<Vantu::Kit> kitWatch;
    ValueWatch<Vantu::Settings> settingsWatch;
    ValueWatch<Vantu::Sound> soundWatch;
};

// The effects track's strip: its level fader and the two channels of the
// effects bus. It never reacts to global mode.
class MixerPanel::FxChannelComponent : public juce::Component, private juce::Slider::Listener
{
public:
    FxChannelComponent (PanelContextIfc& context, SamplePublisher* publisher, int track, int source);
    ~FxChannelComponent() override;

    void setLevelId (const juce::Identifier& id);

    SmallLabel& getNameLabel() { return nameLabel; }
    VolumeSlider& getLevelFader() { return levelFader; }
    const MeterSubscription& getLeftMeter() const { return leftMeter; }
    const MeterSubscription& getRightMeter() const { return rightMeter; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    // Message thread: a user edit of the fader.
    void sliderValueChanged (juce::Slider* slider) override;

    SmallLabel nameLabel;
    VolumeSlider levelFader;
    MeterSubscription leftMeter;
    MeterSubscription rightMeter;
    juce::Identifier levelId;
    ValueWatch<Vantu::Kit> kitWatch;
};
