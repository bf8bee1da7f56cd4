#include "ui/panels/track/SynthPanel.h"

#include "foundation/Logger.h"
#include "model/tables/MachineTables.h"
#include "ui/panels/machines/MachinePanelFactory.h"
#include "ui/panels/track/TrackGroup.h"

#include <algorithm>

SynthPanel::SynthPanel (PanelContextIfc& contextToUse, MachineDataObject* soundToUse, int trackIndexToUse)
    : MachineDataObject::Listener<int, MachineDataObject> (&contextToUse.getUpdateTimerProvider(), soundToUse, {}),
      context (contextToUse),
      sound (soundToUse),
      trackIndex (trackIndexToUse)
{
    createPanels (trackGroup (trackIndex));

    if (! machineTypes.empty())
    {
        currentMachineType = machineTypes.front();
        for (auto& [type, panel] : panels)
            panel->setVisible (type == currentMachineType);
    }
}

SynthPanel::~SynthPanel()
{
    panels.clear();
}

void SynthPanel::createPanels (int group)
{
    panels.clear();
    machineTypes.clear();

    for (const int type : machinePanelTypes (group))
    {
        machineTypes.push_back (type);
        createPanel (type);
    }
}

void SynthPanel::createPanel (int machineType)
{
    if (! ModelTables::isMachineType (machineType))
    {
        FH_LOG (spdlog::level::err, "No such panel: {}", machineType);
        return;
    }

    auto panel = createMachinePanel (machineType, context, trackIndex);
    if (panel == nullptr)
    {
        FH_LOG (spdlog::level::err, "No such panel: {}", machineType);
        return;
    }

    if (auto old = panels.find (machineType); old != panels.end())
        removeChildComponent (old->second.get());

    addAndMakeVisible (*panel);
    panels[machineType] = std::move (panel);
    resized();
}

corvanel::Panel* SynthPanel::getPanel (int machineType) const
{
    const auto found = panels.find (machineType);
    return found != panels.end() ? found->second.get() : nullptr;
}

void SynthPanel::showPanel (int machineType)
{
    if (machineType == currentMachineType
        || std::find (machineTypes.begin(), machineTypes.end(), machineType) == machineTypes.end())
        return;

    currentMachineType = machineType;
    for (auto& [type, panel] : panels)
        panel->setVisible (false);
    if (auto* panel = getPanel (machineType))
        panel->setVisible (true);
}

void SynthPanel::setMachineTypeIdentifier (juce::Identifier id)
{
    machineTypeId = id;
    addIdentifiers ({ machineTypeId });

    if (sound == nullptr)
        return;

    int value = 0;
    bool found = false;
    {
        const std::lock_guard<std::mutex> lock (sound->getMutex());
        found = sound->getValues().get (machineTypeId, value);
    }
    if (found)
        showPanel (value);
}

void SynthPanel::setHue (int newHue)
{
    for (auto& [type, panel] : panels)
        panel->setHue (newHue);
    repaint();
}

void SynthPanel::valueChanged (MachineDataObject*, const juce::Identifier& id, int value)
{
    if (id == machineTypeId && machineTypeId.isValid())
        showPanel (value);
}

void SynthPanel::resized()
{
    const auto area = juce::Rectangle<int> (8, 8, juce::jmax (0, getWidth() - 16), juce::jmax (0, getHeight() - 16));
    for (auto& [type, panel] : panels)
        panel->setBounds (area);
}
