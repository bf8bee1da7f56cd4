#pragma once

#include "processor/PanelContextIfc.h"
#include "ui/panels/engine/ValueWatch.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/StaticPanel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class SamplePublisher;

// The "EFFECTS" tab of the kit editor: the sections "DELAY" and "REVERB" on
// the top row, "EXT-IN MIXER" and "MIXER" below, each with a "Global Mode"
// switch at the right of its heading. A switch writes the whole global-mode
// mask from the tab's copy with only its own bit changed, so bits of the other
// tab keep the values the device last reported; the switches follow the
// device's mask without writing. Everything else is done by the section
// panels. Message thread only.
class FxTab : public juce::Component, private juce::Button::Listener
{
public:
    enum Section
    {
        mixer = 0,
        delay,
        reverb,
        externalInput,
        sectionCount
    };

    // publisher: where the mixer's meters listen (may be null).
    FxTab (PanelContextIfc& context, SamplePublisher* publisher);
    ~FxTab() override;

    // The section's bit of "Settings_GlobalModeMask".
    static int maskBit (Section section);

    Corvanel::StaticPanel& getSection (Section section) { return sections[static_cast<size_t> (section)]; }
    LabeledOnOffButton& getSwitch (Section section) { return switches[static_cast<size_t> (section)]; }
    int getMaskCopy() const { return maskCopy; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    // Message thread: a "Global Mode" switch was clicked.
    void buttonClicked (juce::Button* button) override;
    // Message thread, from the data-update timer's poll: the device's mask.
    void maskChanged (const juce::Identifier& id, int value);

    std::array<Corvanel::StaticPanel, sectionCount> sections;
    std::array<LabeledOnOffButton, sectionCount> switches;
    int maskCopy = 0;
    const juce::Identifier maskId;
    ValueWatch<Vantu::Settings> settingsWatch;

    JUCE_DECLARE_NON_COPYABLE (FxTab)
};
