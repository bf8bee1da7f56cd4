#pragma once

// How a parameter control's value and the device's stored value (an int with 8
// fraction bits) map onto each other, per kind of control. Pure functions: a
// GUI value is truncated toward zero before it is encoded, device values are
// shifted arithmetically, and nothing is clamped here (the data object applies
// the parameter's range, the control its own).

enum class ControlKind
{
    unipolar,    // knob 0..127:               x * 256               <- v >> 8
    bipolar,     // knob -64..63:              x * 256 + 0x4000      <- (v >> 8) - 64
    tune,        // fine knob, e.g. -6144..6144: x + 0x4000 unshifted <- v - 0x4000
    fine,        // fine knob of the raw value:  x unshifted          <- v
    list,        // list knob 0..last item:    x * 256               <- v >> 8
    overdrive,   // overdrive slider 0..127:   x * 256               <- v >> 8
    onOff,       // switch:                    on 256, off 0         <- on by the family's threshold
    custom,      // a control of its own that encodes its value itself
};

// How a family reads an on/off value from the device.
enum class OnOffThreshold
{
    shiftedNonZero,   // on when (v >> 8) != 0: 1..255 count as off
    nonZero,          // on when v != 0
};

namespace ValueMapping
{
    // The device value a user edit of x writes.
    int toDevice (ControlKind kind, double x) noexcept;

    // The control value that a device value (or a default) shows.
    double toControl (ControlKind kind, int v) noexcept;

    bool switchIsOn (OnOffThreshold threshold, int v) noexcept;

    // Radio selectors: the button that a device value lights (clamped to the
    // buttons), and the value a selected index writes.
    int selectorIndex (int v, int buttonCount) noexcept;
    int selectorToDevice (int index) noexcept;
}
