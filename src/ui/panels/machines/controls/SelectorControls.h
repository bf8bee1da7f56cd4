#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/panels/engine/CustomColumnControl.h"
#include "ui/panels/machines/controls/ButtonRowSelector.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/selectors/Selectors.h"

#include <functional>
#include <memory>

// The selector columns of the analog panels, each a control of its own on one
// parameter: a user click reaches the panel one message later (the selectors
// broadcast asynchronously); a device value is shown without a message.
// Nothing is written while no button is selected. Message thread only.

// A button row: index v >> 8 shown (the row clamps it), selected index << 8
// written.
class ButtonRowControl : public CustomColumnControl, private SafeChangeListener
{
public:
    ButtonRowControl (std::unique_ptr<ButtonRowSelector> selector, const juce::String& help, CellPlace place);
    ~ButtonRowControl() override;

    std::vector<Part> getParts() override { return { { selector.get(), place, true } }; }
    void showDeviceValue (int value) override { selector->setSelectedIndex (value >> 8); }
    std::optional<int> valueToWrite() override;

    ButtonRowSelector& getSelector() { return *selector; }

private:
    // Message thread, one message after a click.
    void changeListenerCallback (SafeChangeBroadcaster*) override;

    std::unique_ptr<ButtonRowSelector> selector;
    CellPlace place;
};

// The bass drums' three waveform buttons under their own caption: the device
// index clamped to the buttons, the selected index << 8 written.
class WaveformSelectorControl : public CustomColumnControl, private SafeChangeListener
{
public:
    explicit WaveformSelectorControl (const juce::String& help);
    ~WaveformSelectorControl() override;

    std::vector<Part> getParts() override { return { { &selector, nullptr, true } }; }
    void showDeviceValue (int value) override;
    std::optional<int> valueToWrite() override;

    BassDrumWaveformSelector& getSelector() { return selector; }

private:
    // Message thread, one message after a click.
    void changeListenerCallback (SafeChangeBroadcaster*) override;

    BassDrumWaveformSelector selector;
};

// BD SHARP's five waveforms and its "Reset" switch folded into one value:
// (index x 2 + r) << 8, r = 0 while "Reset" is on (an even value), 1 while off.
class SharpWaveformControl : public CustomColumnControl, private SafeChangeListener
{
public:
    explicit SharpWaveformControl (const juce::String& help);
    ~SharpWaveformControl() override;

    // The switch first: it is in front of the selector and hit first.
    std::vector<Part> getParts() override;
    void showDeviceValue (int value) override;
    std::optional<int> valueToWrite() override;

    BassDrumSharpWaveformSelector& getSelector() { return selector; }
    LabeledOnOffButton& getResetSwitch() { return resetSwitch; }

private:
    // Message thread, one message after a click on the selector.
    void changeListenerCallback (SafeChangeBroadcaster*) override;

    BassDrumSharpWaveformSelector selector;
    LabeledOnOffButton resetSwitch { "Reset" };
};
