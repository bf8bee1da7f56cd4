#include "ModulationPageShots.h"

#include "MenuDrawing.h"

#include "model/Sound.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/engine/DetachedPanelContext.h"
#include "ui/panels/modulation/DestinationBox.h"
#include "ui/panels/modulation/DestinationGroups.h"
#include "ui/panels/modulation/ModulationTabContent.h"

#include <iostream>

namespace gallery
{
namespace
{
constexpr int t1 = 0;
constexpr int t10 = 9;
constexpr int modulationHue = 12;
constexpr int menuWidth = 220;

bool writeImage (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream out (file);
    const bool ok = out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
    if (ok)
        std::cout << "wrote " << file.getFullPathName() << "\n";
    else
        std::cerr << "could not write " << file.getFullPathName() << "\n";
    return ok;
}

// A sound whose velocity slots target a machine parameter, the filter, nothing
// and the amp, at four different depths.
void presetVelocity (MachineDataObject& sound, int machineType)
{
    sound.setValueFromMachine (Sound_MachineType, machineType, false);
    const int targets[] { 19, 28, 0, 40 };
    const int depths[] { 12800, -6400, 0, 32512 };
    for (int slot = 0; slot < 4; ++slot)
    {
        sound.setValueFromMachine (Vantu::Sound::velocityDestinationId (slot), targets[slot] * 256, false);
        sound.setValueFromMachine (Vantu::Sound::velocityDepthId (slot), depths[slot], false);
    }
}

// The box above its root menu as the open menu shows it, its first submenu
// under the mouse.
juce::Image drawBoxWithOpenMenu (DestinationBox& box)
{
    const auto& menu = *box.getComboBox().getRootMenu();
    const int height = box.getHeight() + menuHeight (menu);
    juce::Image image (juce::Image::ARGB, menuWidth, height, true);
    juce::Graphics g (image);
    g.fillAll (juce::Colour (0xFF1E1E1E));
    box.paintEntireComponent (g, true);
    g.setOrigin ({ 0, box.getHeight() });
    drawMenuInPlace (g, box.getLookAndFeel(), menu, menuWidth, menuHeight (menu), 1);
    return image;
}
} // namespace

int writeModulationPageShots (const juce::File& folder)
{
    folder.createDirectory();
    DetachedPanelContext context;
    auto& kit = context.getKit();

    presetVelocity (*kit.getSound (t1), 0);    // BD MODERN
    presetVelocity (*kit.getSound (t10), 8);   // BD HARD

    std::vector<std::pair<juce::String, std::unique_ptr<ModulationTabContent>>> pages;
    for (const auto& [track, name] : { std::pair { t1, "T1" }, { t10, "T10" } })
    {
        auto page = std::make_unique<ModulationTabContent> (context, kit.getSound (track), &Vantu::Sound::velocityDestinationId,
                                                            &Vantu::Sound::velocityDepthId, track < 8 ? 0 : 1);
        page->setHue (modulationHue);
        page->setSize (800, 400);
        pages.emplace_back (name, std::move (page));
    }

    DestinationBox box (context, kit.getSound (t1), Sound_Lfo1Dest, false);
    box.setKind (DestinationBoxKind::lfo2Digital);
    box.setSize (menuWidth, 28);

    // The first poll lights the knobs that took a value; the pictures show
    // them at rest.
    context.poll();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (1200);

    int failures = 0;
    for (const auto& [name, page] : pages)
    {
        // The page draws no background: shown on the panels' own.
        juce::Image image (juce::Image::RGB, page->getWidth(), page->getHeight(), true);
        juce::Graphics g (image);
        g.fillAll (juce::Colour (0xFF1E1E1E));
        page->paintEntireComponent (g, true);
        if (! writeImage (image, folder.getChildFile ("modulation_" + name + ".png")))
            ++failures;
    }

    if (! writeImage (drawBoxWithOpenMenu (box), folder.getChildFile ("destination_menu.png")))
        ++failures;
    return failures;
}
} // namespace gallery
