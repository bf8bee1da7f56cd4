#include "ui/panels/modulation/ModulationPopupMenu.h"

#include "model/DestinationLookup.h"
#include "model/Kit.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/modulation/DestinationSubMenu.h"
#include "ui/panels/modulation/ModalMenuShow.h"
#include "ui/panels/modulation/ModulationSourceMenuEntry.h"

#include <array>

namespace
{
// The MIDI performance sources in menu order. Their destination parameters are
// always the sound's, whatever the track.
const std::array<ModulationSourceMenuEntry, 5> midiSources {{
    { &Vantu::Sound::pitchBendDestinationId, "Pitch Bend", 140 },
    { &Vantu::Sound::velocityDestinationId, "Velocity", 120 },
    { &Vantu::Sound::modWheelDestinationId, "Mod Wheel", 130 },
    { &Vantu::Sound::breathDestinationId, "Breath", 150 },
    { &Vantu::Sound::aftertouchDestinationId, "Aftertouch", 160 },
}};

constexpr int slotsPerSource = 4;
}

ModulationPopupMenu::ModulationPopupMenu (Vantu::Kit* kitToUse, int trackIndex, bool offerLfoTargets, bool offerMidiTargets)
    : kit (kitToUse), track (trackIndex), lfoTargets (offerLfoTargets), midiTargets (offerMidiTargets)
{
}

ModulationPopupMenu::~ModulationPopupMenu() = default;

MachineDataObject* ModulationPopupMenu::getDataObject() const
{
    if (kit == nullptr)
        return nullptr;
    if (track == fxTrack)
        return &kit->getFx();
    return kit->getSound (track);
}

int ModulationPopupMenu::showMenu()
{
    buildMenu();

    const juce::WeakReference<ModulationPopupMenu> self (this);
    const int result = ModalMenuShow::show (menu);
    if (self == nullptr)
        return 0;   // the owner went while the menu was open

    handleMenuResult (result);
    return result;
}

void ModulationPopupMenu::buildMenu()
{
    menu.clear();

    const auto* object = getDataObject();
    menu.addItem (titleItemId, object != nullptr ? object->getParameterName (parameterId) : parameterId.toString(),
                  false, false);
    menu.addSeparator();
    menu.addItem (resetItemId, "Reset to default value", true, false);
    menu.addSeparator();

    if (lfoTargets)
    {
        addLfo1SubMenu();
        addLfo2SubMenu();
    }
    if (midiTargets)
        addMidiSourceSubMenus();
}

const juce::Identifier& ModulationPopupMenu::lfoDestinationId (int lfoItemId) const
{
    if (lfoItemId == lfo1ItemId)
        return track == fxTrack ? FX_Lfo1Dest : Sound_Lfo1Dest;
    return track == fxTrack ? FX_Lfo2Dest : Sound_Lfo2Dest;
}

void ModulationPopupMenu::addLfoSubMenu (int lfoItemId, const char* name)
{
    const juce::StringArray names { getDestinationName (lfoDestinationId (lfoItemId)) };
    menu.addSubMenu (name, makeDestinationSubMenu (lfoItemId, names), true);
}

void ModulationPopupMenu::addLfo1SubMenu() { addLfoSubMenu (lfo1ItemId, "LFO1"); }
void ModulationPopupMenu::addLfo2SubMenu() { addLfoSubMenu (lfo2ItemId, "LFO2"); }

void ModulationPopupMenu::addMidiSourceSubMenus()
{
    for (const auto& source : midiSources)
    {
        juce::StringArray names;
        for (int slot = 0; slot < slotsPerSource; ++slot)
            names.add (getDestinationName (source.destinationId (slot)));
        menu.addSubMenu (source.name, makeDestinationSubMenu (source.firstItemId, names), true);
    }
}

void ModulationPopupMenu::handleMenuResult (int result)
{
    if (result == 0)
        return;

    auto* object = getDataObject();
    if (object == nullptr)
        return;

    const auto index = DestinationLookup::destinationIndexOf (*object, parameterId);
    if (! index.has_value())
        return;

    const int group = result / 10 * 10;
    const juce::Identifier* destination = nullptr;

    if (group == lfo1ItemId || group == lfo2ItemId)
        destination = &lfoDestinationId (group);

    for (const auto& source : midiSources)
        if (group == source.firstItemId)
            destination = &source.destinationId (result - group);

    if (destination != nullptr && destination->isValid())
        object->setValueFromGui (*destination, *index * 256);
}

juce::String ModulationPopupMenu::getDestinationName (const juce::Identifier& destinationId) const
{
    const auto* object = getDataObject();
    int value = 0;
    if (object == nullptr || ! object->getValue (destinationId, value))
        return {};

    const int index = value >> 8;

    if (track != fxTrack)
    {
        int machineType = -1;
        object->getValue (Sound_MachineType, machineType);

        if (const auto id = DestinationLookup::findMachineParameter (*object, machineType, index); id.isValid())
            return object->getParameterName (id);
        if (DestinationLookup::isMachineDestination (*object, index))
            return {};
    }

    const auto id = DestinationLookup::findParameter (*object, index);
    return id.isValid() ? object->getParameterName (id) : juce::String();
}
