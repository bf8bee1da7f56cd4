#pragma once

#include "ui/panels/engine/ColumnCell.h"
#include "ui/panels/engine/ValueMapping.h"

#include <juce_graphics/juce_graphics.h>

// Everything in which the two families of machine panels (analog and digital)
// differ. A machine's table names its family; the panel engine asks the family
// and never the machine type.
struct MachineFamily
{
    const char* name;

    int hue;

    // Which texts pass through the framework's translation function. Knob and
    // overdrive help texts always do.
    bool translatesCaptions;
    bool translatesSwitchHelp;

    // Whether the overdrive slider follows the "SliderMouseWheel" preference
    // (otherwise the wheel never changes it).
    bool overdriveFollowsWheelPreference;

    OnOffThreshold onOffThreshold;

    // The on/off switch column: whether the switch is drawn upright with its
    // caption above (and no text of its own), the caption's height, and where
    // the switch sits in its column.
    bool uprightSwitch;
    int switchCaptionHeight;
    juce::Rectangle<int> (*placeSwitch) (const ColumnCell& cell);
};

// Tracks T9 to T12: hue 9, captions and every help text translated, the
// overdrive slider on the wheel preference, a switch is on from 256 up and
// stands upright, 32 high, below a 20-pixel caption.
extern const MachineFamily analogFamily;

// Tracks T1 to T8 (and SY RAW on T9 to T11): hue 6, captions and the switch's
// help text untranslated, the overdrive slider never on the wheel, a switch is
// on for any value but 0 and lies 28 x 16 centred below a 16-pixel caption.
extern const MachineFamily digitalFamily;
