#pragma once

#include "ui/panels/engine/CustomColumnControl.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/selectors/SubOscillatorSelector.h"
#include "ui/widgets/selectors/WaveformSelector.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The oscillator selectors of the digital panels, each a control of its own on
// one parameter: a user click reaches the panel one message later (the
// selectors broadcast asynchronously) and writes the selected index; a device
// value is shown without a message and never written back. A device value that
// names no button changes nothing, so a later click never writes an index that
// neither the device sent nor the user chose. Message thread only.

// SY RAW's waveform grid of one oscillator, with oscillator 1's "Reset" switch
// folded into the same value: (index + 6 while "Reset" is on) << 8.
class OscillatorWaveformControl : public CustomColumnControl, private juce::ChangeListener
{
public:
    // The glyphs in index order, the grid's height; the switch below the grid
    // only when withReset.
    OscillatorWaveformControl (const juce::StringArray& glyphs, const juce::String& help, int gridHeight, bool withReset);
    ~OscillatorWaveformControl() override;

    // The grid (4 pixels in from each side, below the caption) and, when there
    // is one, the switch under it, which opens no menu.
    std::vector<Part> getParts() override;
    void showDeviceValue (int value) override;
    std::optional<int> valueToWrite() override;

    WaveformSelector& getSelector() { return selector; }
    LabeledOnOffButton& getResetSwitch() { return resetSwitch; }

    static constexpr int resetOffset = 6;

private:
    // Message thread, one message after a click on the grid.
    void changeListenerCallback (juce::ChangeBroadcaster*) override;

    WaveformSelector selector;
    LabeledOnOffButton resetSwitch { "Reset" };
    const int height;
    const bool hasReset;
};

// SY SWARM's sub-oscillator octave: index v >> 8 of the buttons -2, -1, 0.
class SubOscillatorControl : public CustomColumnControl, private juce::ChangeListener
{
public:
    explicit SubOscillatorControl (const juce::String& help);
    ~SubOscillatorControl() override;

    // 12 pixels in from the column's left edge, 50 high below the caption.
    std::vector<Part> getParts() override;
    void showDeviceValue (int value) override { selector.setSelectedIndex (value >> 8); }
    std::optional<int> valueToWrite() override { return selector.selectedIndex << 8; }

    SubOscillatorSelector& getSelector() { return selector; }

private:
    // Message thread, one message after a click.
    void changeListenerCallback (juce::ChangeBroadcaster*) override;

    SubOscillatorSelector selector;
};
