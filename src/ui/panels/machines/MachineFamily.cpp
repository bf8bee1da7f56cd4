#include "ui/panels/machines/MachineFamily.h"

namespace
{
juce::Rectangle<int> analogSwitchCell (const ColumnCell& cell)
{
    return { cell.x, cell.top + 20, cell.width, 32 };
}

juce::Rectangle<int> digitalSwitchCell (const ColumnCell& cell)
{
    return { cell.x + (cell.width - 28) / 2, cell.top + 33, 28, 16 };
}
} // namespace

const MachineFamily analogFamily {
    "analog", 9, true, true, true, OnOffThreshold::shiftedNonZero, true, 20, analogSwitchCell,
};

const MachineFamily digitalFamily {
    "digital", 6, false, false, false, OnOffThreshold::nonZero, false, 16, digitalSwitchCell,
};
