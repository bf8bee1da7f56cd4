#pragma once

#include "ui/panels/engine/ControlBinding.h"
#include "ui/panels/track/InfiniteTimeState.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/RectangleWidget.h"
#include "ui/widgets/graphs/EnvelopePanelGraph.h"
#include "ui/widgets/sliders/TextBoxSlider.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

// The filter envelope of the filter panels, as one row: its title, the
// envelope drawing with five draggable points, and the delay, attack, decay,
// sustain and release value boxes with captions and value bars, the two "Inf"
// toggles of decay and release, the "Reset" toggle and their dashes. The
// owning panel places it over its lower half, gives it the identifiers, hands
// it device values and routes right clicks; the row writes the user's edits
// through the panel. Value boxes follow device values also while dragged.
// Message thread only.
class FilterEnvelopeRow : public corvanel::Panel, private juce::Slider::Listener
{
public:
    enum Field
    {
        delay,
        attack,
        decay,
        sustain,
        release,
        reset,
        numFields
    };
    static constexpr int numTimes = 5;   // delay .. release have a value box

    // What differs between the panels that use the row.
    struct Config
    {
        const char* title;
        const char* sustainHelp;
        int decayReleaseMaximum;     // the value boxes' top: 127, or 126 with a disabled text
        const char* disabledText;    // shown by a disabled decay or release box ("" = the number)
        int graphTop;                // the drawing's top in the row
        int graphShorter;            // the drawing is this much less high than the row
        int bottomLift;              // the bottom captions' distance from the row's foot
    };

    FilterEnvelopeRow (const Config& config, ParameterWriter& writer);
    ~FilterEnvelopeRow() override;

    void setIdentifier (Field field, const juce::Identifier& id) { ids[(size_t) field] = id; }
    const juce::Identifier& getIdentifier (Field field) const { return ids[(size_t) field]; }

    // A device value of a field, shown without writing.
    void showDeviceValue (Field field, int value);
    // The field's default as its box's double-click and Alt-click value.
    void setDefaultValue (Field field, int value);
    // What a right click on the field hits: its value box, or the reset toggle.
    juce::Component& getHitComponent (Field field);

    TextBoxSlider& getBox (Field field) { return boxes[(size_t) field]; }
    ModulationSlider& getBar (Field field) { return bars[(size_t) field]; }
    SmallLabel& getCaption (Field field) { return captions[(size_t) field]; }
    LabeledOnOffButton& getInfiniteToggle (Field field) { return field == decay ? decayInfinite : releaseInfinite; }
    LabeledOnOffButton& getResetToggle() { return resetToggle; }
    InfiniteTimeState& getTimeState (Field field) { return field == decay ? decayState : releaseState; }
    EnvelopePanelGraph<EnvDataInfDecayInfRelease>& getGraph() { return graph; }
    SmallLabel& getTitle() { return title; }
    RectangleWidget& getDash (int index) { return dashes[(size_t) index]; }

    void resized() override;

    // What the filter panels share: their upper half's height (half the
    // panel's, a half rounded to the even neighbour) and the colour of the
    // boxes they paint behind each half (the hue's darkest shade; entry 15
    // for hues above 16).
    static int upperHalfHeight (int panelHeight);
    static juce::Colour boxColour (int hue);

private:
    // Message thread: a value box moved by the user.
    void sliderValueChanged (juce::Slider* slider) override;

    void write (Field field, int value);
    void showTime (Field field, int n);
    void infiniteToggled (Field field);
    void pointDragged (Field field);
    static int handleOf (Field field) { return (int) field; }   // the graph's handles: delay, attack, decay, sustain, release
    int graphValue (Field field) const;
    void setGraphValue (Field field, int value, bool throughSetter);

    const Config config;
    ParameterWriter& writer;
    std::array<juce::Identifier, numFields> ids;
    EnvelopePanelGraph<EnvDataInfDecayInfRelease> graph;
    SmallLabel title;
    std::array<TextBoxSlider, numTimes> boxes;
    std::array<ModulationSlider, numTimes> bars;
    std::array<SmallLabel, numFields> captions;
    SmallLabel decayInfiniteCaption { "Inf" }, releaseInfiniteCaption { "Inf" };
    LabeledOnOffButton decayInfinite { "" }, releaseInfinite { "" }, resetToggle { "" };
    InfiniteTimeState decayState, releaseState;
    std::array<RectangleWidget, 3> dashes;   // beside the decay "Inf", release "Inf" and "Reset" toggles

    JUCE_DECLARE_NON_COPYABLE (FilterEnvelopeRow)
};
