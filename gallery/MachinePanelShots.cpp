#include "MachinePanelShots.h"

#include "model/tables/IdentifierLists.h"
#include "model/tables/MachineTables.h"
#include "ui/panels/engine/DetachedPanelContext.h"
#include "ui/panels/machines/MachinePanelFactory.h"

#include <iostream>
#include <memory>
#include <utility>
#include <vector>

namespace gallery
{
namespace
{
constexpr int panelWidth = 840;
constexpr int panelHeight = 110;

// The first track that may run the type (T9 when none may).
int trackFor (int machineType)
{
    for (int track = 0; track < ModelTables::trackCount; ++track)
        if (machineAllowedOnTrack (machineType, track))
            return track;
    return 8;
}

// Every parameter of the machine at its own point of its range, so that no
// two controls look alike and few sit at their defaults.
void spreadValues (MachineDataObject& sound, int machineType)
{
    int step = 0;
    for (const auto& id : machineIdList (machineType))
    {
        int min = 0, max = 0;
        if (sound.getRange (id, min, max))
            sound.setValueFromMachine (id, min + (int) ((juce::int64) (max - min) * ((step * 37 + 15) % 100) / 100), false);
        ++step;
    }
}
} // namespace

int writeMachinePanelShots (const juce::File& folder)
{
    folder.createDirectory();
    DetachedPanelContext context;
    std::vector<std::pair<int, std::shared_ptr<corvanel::Panel>>> panels;

    for (int type = 0; type < ModelTables::machineTypeCount; ++type)
    {
        if (! hasMachinePanel (type))
            continue;

        const int track = trackFor (type);
        spreadValues (*context.getKit().getSound (track), type);
        auto panel = createMachinePanel (type, context, track);
        panel->setSize (panelWidth, panelHeight);
        panels.emplace_back (type, std::move (panel));
    }

    // The first poll lights every control that took a value; the pictures show
    // the panels at rest, once the highlights have faded.
    context.poll();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (1200);

    int failures = 0;
    for (const auto& [type, panel] : panels)
    {
        const auto file = folder.getChildFile (juce::String (type) + "_" + MachineTypeInfo[(size_t) type].code + ".png");
        const auto image = panel->createComponentSnapshot (panel->getLocalBounds(), true, 1.0f);
        file.deleteFile();
        juce::FileOutputStream out (file);
        if (out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out))
            std::cout << "wrote " << file.getFullPathName() << " (" << machineDisplayName (type) << ")\n";
        else
        {
            std::cerr << "could not write " << file.getFullPathName() << "\n";
            ++failures;
        }
    }
    return failures;
}
} // namespace gallery
