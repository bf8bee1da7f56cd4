#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/RadioButtonSelector.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// Filter type ids shared by the selectors and the filter displays (7 = off).
using FilterTypeId = int;
// LFO waveforms 0 .. 6: triangle, sine, square, saw, exponential, ramp, random.
using LfoWaveform = int;
// LFO trigger modes 0 .. 4: free, trig, hold, one, half.
using LfoTriggerMode = int;

// The small button groups that pick one value of a short list. A user's click
// posts an empty change message (SafeChangeBroadcaster); the owner then reads
// the selection. Device values are shown through the setters named below,
// which send nothing. Message thread only.

// "FREE" "TRIG" "HOLD" "ONE" "HALF"; selection and messages of the base.
class TriggerModeSelector : public RadioButtonSelector
{
public:
    TriggerModeSelector();

    // Shows a device value: selected index and toggle states, no message.
    void setSelectedIndex (int index);

    void setHue (int newHue) override;
};

namespace corvanel
{
// One glyph button per filter type id of the list given.
class SelectFilterType : public juce::Component,
                         public juce::Button::Listener,
                         public SafeChangeBroadcaster,
                         public HasHue
{
public:
    explicit SelectFilterType (const std::vector<int>& filterTypes);

    // Selects a type (every button of that id on, the others off); a change
    // message only when notify is true.
    void setSelectedType (int type, bool notify);
    int getSelectedType() const { return selectedType; }

    // Glyph and tooltip of a filter type id (empty for unknown ids).
    static juce::String glyphFor (int type);
    static juce::String tooltipFor (int type);

    void buttonClicked (juce::Button* clicked) override;
    void setHue (int newHue) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    std::vector<std::unique_ptr<ColourfulFontButton>> buttons;
    std::vector<int> typeIds;
    int selectedType = 0;
    int margin = 0;
};
} // namespace corvanel

// Seven LFO waveform glyph buttons.
class SelectLFOWaveform : public juce::Component,
                          public juce::Button::Listener,
                          public SafeChangeBroadcaster,
                          public HasHue
{
public:
    SelectLFOWaveform();

    // Index 0 .. 6; a change message only when notify is true.
    void setSelectedWaveform (int index, bool notify);
    int getSelectedWaveform() const { return selectedIndex; }

    void buttonClicked (juce::Button* clicked) override;
    void setHue (int newHue) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    std::vector<std::unique_ptr<ColourfulFontButton>> buttons;
    int selectedIndex = 0;

private:
    void addWaveformButton (const juce::String& glyph, const juce::String& tooltip, int bottomInset);
};

// The eight banks "A" .. "H" of the sound library.
class BankButtons : public juce::Component,
                    public juce::Button::Listener,
                    public SafeChangeBroadcaster,
                    public HasHue
{
public:
    BankButtons();

    // Shows a bank (0 .. count - 1, or -1 for none) without a message.
    void setSelectedBank (int bank);
    int getSelectedBank() const { return selectedBank; }

    void buttonClicked (juce::Button* b) override;
    void setHue (int newHue) override;
    void resized() override;

    int bankCount = 8;
    int selectedBank = -1;
    juce::StringArray letters;
    std::unique_ptr<ColorfulActionButton> buttons[16];
};

// Waveform buttons of the bass-drum machines; the base of the two below.
class BassDrumWaveformButtons : public juce::Component,
                                public juce::Button::Listener,
                                public SafeChangeBroadcaster,
                                public juce::SettableTooltipClient,
                                public HasHue
{
public:
    // The index of the first button that is on, -1 when none is.
    int getSelectedIndex() const;

    // Shows a device value: that button on without notification (the radio
    // group switches the others off); an index out of range clears all.
    void setSelectedIndex (int index);

    void buttonClicked (juce::Button*) override;
    void setTooltip (const juce::String& text) override;
    void setHue (int newHue) override;

    std::vector<std::unique_ptr<ColourfulFontButton>> buttons;

protected:
    void addGlyphButtons (const juce::StringArray& glyphs);
};

// Five glyphs "X" "S" "y" "q" "n" in two rows.
class BassDrumSharpWaveformSelector : public BassDrumWaveformButtons
{
public:
    BassDrumSharpWaveformSelector();
    void resized() override;
};

// Caption "Waveform" over three glyphs "X" "S" "y".
class BassDrumWaveformSelector : public BassDrumWaveformButtons
{
public:
    BassDrumWaveformSelector();
    void resized() override;

    SmallLabel caption { "Waveform" };
};
