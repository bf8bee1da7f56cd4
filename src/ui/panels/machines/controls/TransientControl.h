#pragma once

#include "ui/panels/engine/CustomColumnControl.h"
#include "ui/widgets/sliders/VerticalSlider.h"

#include <juce_gui_basics/juce_gui_basics.h>

// BD CLASSIC's transient: a combo of twelve items ("Off", "Tic", "A1" .. "E2")
// and a level fader 0..4 on one parameter. In units of v >> 8: 0 is "Off";
// otherwise 5 x (item id - 2) + level + 1, so 1..5 are "Tic" at levels 0..4
// and 51..55 "E2". The fader is enabled and disabled only by device values.
// Message thread only.
class TransientControl : public CustomColumnControl, private juce::Slider::Listener
{
public:
    static constexpr int itemCount = 12;
    static constexpr int levelCount = 5;
    static constexpr int lastStep = (itemCount - 1) * levelCount;   // 55, "E2" at level 4

    explicit TransientControl (const juce::String& levelHelp);
    ~TransientControl() override;

    // The combo beside the fader, which reaches past the column's right edge.
    std::vector<Part> getParts() override;

    // A step beyond the last shows the last step.
    void showDeviceValue (int value) override;
    std::optional<int> valueToWrite() override;

    juce::ComboBox& getCombo() { return combo; }
    VerticalSlider& getLevelSlider() { return level; }

    // The combo's selected id - 1 (0 "Off", 1 "Tic", 2..11 "A1".."E2").
    int transientGroup = 0;

private:
    // Message thread, from the inner fader on a user edit.
    void sliderValueChanged (juce::Slider* slider) override;

    juce::ComboBox combo;
    VerticalSlider level;
};
