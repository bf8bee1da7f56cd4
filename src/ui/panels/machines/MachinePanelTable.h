#pragma once

#include "model/tables/MachineTables.h"
#include "ui/panels/engine/CustomColumnControl.h"
#include "ui/panels/engine/ValueMapping.h"
#include "ui/panels/machines/MachineFamily.h"
#include "ui/widgets/knobs/BaseKnob.h"
#include "ui/widgets/formatters/ValueFormatters.h"

#include <juce_core/juce_core.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One column of a machine panel: a caption above one control bound to one
// parameter. A table row names caption, identifier, kind and help text; the
// with... steps add the particulars of a few machines.
struct MachineColumn
{
    MachineColumn (const char* captionText, const juce::Identifier& parameter, ControlKind controlKind, const char* helpText)
        : caption (captionText), id (&parameter), kind (controlKind), help (helpText) {}

    // A list knob over the items, one position per item.
    MachineColumn withItems (std::vector<std::string> texts) const { auto c = *this; c.items = std::move (texts); return c; }
    // A unipolar knob that shows the formatter's text instead of its number.
    MachineColumn withFormatter (TextFormatter f) const { auto c = *this; c.formatter = std::move (f); return c; }
    // A knob-shaped picker of its own in place of the kind's knob (a list or
    // unipolar mapping); the maker sets its range.
    MachineColumn withKnob (std::function<std::unique_ptr<BaseKnob>()> maker) const { auto c = *this; c.makeKnob = std::move (maker); return c; }
    MachineColumn withTuneRange (double minimum, double maximum) const { auto c = *this; c.tuneMinimum = minimum; c.tuneMaximum = maximum; return c; }
    // Pixels added to the caption on both sides (negative narrows it).
    MachineColumn withCaptionWiden (int pixels) const { auto c = *this; c.captionWiden = pixels; return c; }
    // The column is the panel's width / 8 plus this.
    MachineColumn withWidthDelta (int pixels) const { auto c = *this; c.widthDelta = pixels; return c; }
    MachineColumn withControlHeight (int pixels) const { auto c = *this; c.controlHeight = pixels; return c; }
    // Bounds of their own for the caption or the control, from the column's cell.
    MachineColumn withCaptionPlace (CellPlace place) const { auto c = *this; c.placeCaption = std::move (place); return c; }
    MachineColumn withControlPlace (CellPlace place) const { auto c = *this; c.placeControl = std::move (place); return c; }
    // The help text is the caption's tooltip too.
    MachineColumn withCaptionTooltip() const { auto c = *this; c.captionTooltip = true; return c; }
    // A right click on the control opens no menu.
    MachineColumn withoutMenu() const { auto c = *this; c.rightClickOpensMenu = false; return c; }
    // ControlKind::custom: the maker of the column's control.
    MachineColumn withCustom (std::function<std::unique_ptr<CustomColumnControl>()> maker) const
    {
        auto c = *this;
        c.kind = ControlKind::custom;
        c.makeCustom = std::move (maker);
        return c;
    }

    const char* caption;                       // empty: the column has no caption
    const juce::Identifier* id;                // a parameter identifier constant
    ControlKind kind;
    const char* help;                          // the control's tooltip

    std::vector<std::string> items;
    TextFormatter formatter;
    double tuneMinimum = -6144.0;
    double tuneMaximum = 6144.0;
    int captionWiden = 0;
    int widthDelta = 0;
    int controlHeight = 0;                     // 0: the kind's own height
    bool rightClickOpensMenu = true;
    bool captionTooltip = false;
    CellPlace placeCaption;
    CellPlace placeControl;
    std::function<std::unique_ptr<BaseKnob>()> makeKnob;
    std::function<std::unique_ptr<CustomColumnControl>()> makeCustom;
};

// A machine's panel: its type, its family and its columns from left to right.
// The watched identifiers are the machine's entry of machineIdLists.
struct MachinePanelTable
{
    MachineType type = 0;
    const MachineFamily* family = nullptr;
    std::vector<MachineColumn> columns;
};
