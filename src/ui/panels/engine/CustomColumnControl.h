#pragma once

#include "ui/panels/engine/ColumnCell.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <optional>
#include <vector>

// Where a part of a column goes, in the panel's coordinates, for the column's cell.
using CellPlace = std::function<juce::Rectangle<int> (const ColumnCell&)>;

// A control that is more than a knob, a slider or a switch (a row of waveform
// buttons, a combo with a level fader, ...), bound to one parameter. It owns
// its components; the panel adds them as its children, places them, routes a
// right click on them to the parameter's menu and writes what the control
// says after a user edit. Message thread only.
class CustomColumnControl
{
public:
    struct Part
    {
        juce::Component* component = nullptr;
        // The part's bounds in the panel for the column's cell.
        CellPlace place;
        // Whether a right click on the part opens the column's parameter menu.
        bool opensMenu = true;
    };

    virtual ~CustomColumnControl() = default;

    // The components, in hit order; the same list for the control's whole life.
    virtual std::vector<Part> getParts() = 0;

    // Shows a device value without calling onUserChange.
    virtual void showDeviceValue (int value) = 0;

    // After a user edit: the device value to write, or none (nothing is written).
    virtual std::optional<int> valueToWrite() = 0;

    // The double-click value from the parameter's default; most custom controls have none.
    virtual void setDefaultValue (int) {}

    // One step of the highlight fade; most custom controls have no highlight.
    virtual void fadeHighlight (float) {}

    // Set by the panel: the control calls it after every user edit.
    std::function<void()> onUserChange;
};

// Where a captionless nested control sits when its column gives no other place:
// two pixels above the band, 70 high.
inline juce::Rectangle<int> captionlessCell (const ColumnCell& cell)
{
    return { cell.x, cell.top - 2, cell.width, 70 };
}
