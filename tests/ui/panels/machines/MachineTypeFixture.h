#pragma once

#include "../PanelTestSupport.h"

#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/MachinePanelFactory.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace paneltest
{
constexpr int drumTrack = 8;     // T9: the analog drums, the dual VCO, the utilities
constexpr int cymbalTrack = 11;  // T12: the cymbals and hi-hats

// Machine panels made by type through the factory on the fixture's track.
class MachineTypeTest : public PanelTest
{
protected:
    explicit MachineTypeTest (int track = drumTrack) : PanelTest (track) {}

    // An 800 x 200 panel (columns 100 wide, band top 57) after its first poll,
    // with nothing recorded.
    std::shared_ptr<MachinePanel> build (int type, int width = 800, int height = 200)
    {
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (type, context, trackIndex));
        if (panel != nullptr)
        {
            panel->setBounds (0, 0, width, height);
            poll();
            pump();
            recorder.clear();
        }
        return panel;
    }

    // A device value, taken in by the panel's poll.
    void fromDevice (const juce::Identifier& id, int value)
    {
        recorder.showFromDevice (id, value);
        poll();
    }

    // The same after another value, so the poll reports it even if it is the current one.
    void freshFromDevice (const juce::Identifier& id, int value)
    {
        fromDevice (id, value == 0x100 ? 0x200 : 0x100);
        fromDevice (id, value);
    }
};

// A component of a column's control (part 0 for a knob, a slider or a switch).
template <typename Control>
Control& partOf (MachinePanel& panel, size_t column, size_t part = 0)
{
    auto* control = dynamic_cast<Control*> (panel.getControlComponents (column).at (part));
    if (control == nullptr)
        throw std::runtime_error ("column " + std::to_string (column) + " part " + std::to_string (part) + " holds another control");
    return *control;
}
} // namespace paneltest
