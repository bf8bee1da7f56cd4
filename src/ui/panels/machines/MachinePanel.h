#pragma once

#include "ui/panels/engine/ParameterPanel.h"
#include "ui/panels/machines/MachinePanelTable.h"
#include "ui/widgets/Labels.h"

#include <vector>

// The panel of one machine type on one track, built from the machine's table:
// one column per table row, a caption above a control, laid out in a band
// 86 pixels high across eighths of the panel's width. It watches the machine's
// identifier list on the track's sound. Message thread only.
class MachinePanel : public ParameterPanel
{
public:
    static constexpr int bandHeight = 86;
    static constexpr int captionHeight = 20;
    static constexpr int knobHeight = 54;
    static constexpr int tallControlHeight = 57;   // tune knobs and the overdrive slider

    MachinePanel (PanelContextIfc& context, int trackIndex, const MachinePanelTable& table);
    ~MachinePanel() override;

    const MachinePanelTable& getTable() const { return table; }

    // Per column: the caption (null for a captionless column) and the control's
    // components (one for a knob, a slider or a switch).
    SmallLabel* getCaption (size_t column) const { return columns.at (column).caption; }
    const std::vector<juce::Component*>& getControlComponents (size_t column) const { return columns.at (column).components; }

    void resized() override;

private:
    struct BuiltColumn
    {
        SmallLabel* caption = nullptr;
        std::vector<juce::Component*> components;
        CustomColumnControl* custom = nullptr;
    };

    BuiltColumn buildColumn (const MachineColumn& column);
    void configureKnob (BaseKnob& knob, const MachineColumn& column);
    int controlHeightOf (const MachineColumn& column) const;

    const MachinePanelTable& table;
    const MachineFamily& family;
    std::vector<BuiltColumn> columns;
};

// A machine panel that is nothing but its table: the named panel classes
// derive from it with their table's accessor.
template <const MachinePanelTable& (*tableOf)()>
class TableMachinePanel : public MachinePanel
{
public:
    TableMachinePanel (PanelContextIfc& context, int trackIndex) : MachinePanel (context, trackIndex, tableOf()) {}
};
