#include "ui/panels/modulation/DestinationBox.h"

#include "foundation/Logger.h"
#include "model/DestinationLookup.h"
#include "model/tables/IdentifierLists.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/modulation/DestinationGroups.h"
#include "ui/panels/modulation/ItalicComponent.h"

DestinationBox::DestinationBox (PanelContextIfc& context, MachineDataObject* objectToEdit, juce::Identifier idToEdit, bool editsFx)
    : MachineDataObject::Listener<int, MachineDataObject> (&context.getUpdateTimerProvider(), objectToEdit, {}),
      destinationId (std::move (idToEdit)),
      dataObject (objectToEdit),
      isFx (editsFx)
{
    addAndMakeVisible (comboBox);
    comboBox.setTextWhenNothingSelected ("None");
    comboBox.addListener (this);
    rebuildMenu();

    if (isFx)
        addIdentifiers ({ destinationId });
    else
        addIdentifiers ({ destinationId, Sound_MachineType });
}

DestinationBox::~DestinationBox()
{
    comboBox.removeListener (this);
}

void DestinationBox::setKind (int newKind)
{
    kind = newKind;
    rebuildMenu();
}

void DestinationBox::setDestinationId (const juce::Identifier& id)
{
    clearIdentifiers();
    destinationId = id;
    if (isFx)
        addIdentifiers ({ destinationId });
    else
        addIdentifiers ({ destinationId, Sound_MachineType });
}

int DestinationBox::getNoneIndex() const
{
    if (dataObject == nullptr)
        return -1;
    return DestinationLookup::destinationIndexOf (*dataObject, isFx ? FX_None : Sound_None).value_or (-1);
}

int DestinationBox::noneItemIndex() const
{
    return juce::jmax (0, getNoneIndex());
}

int DestinationBox::readValue (const juce::Identifier& id) const
{
    int value = 0;
    if (dataObject != nullptr)
        dataObject->getValue (id, value);
    return value;
}

void DestinationBox::rebuildMenu()
{
    const int noneIndex = noneItemIndex();
    currentIndex = readValue (destinationId) >> 8;

    // The root menu only: the combo's clear() would also drop the selection
    // and announce it, and a change to id 0 writes "None".
    auto& root = *comboBox.getRootMenu();
    root.clear();
    root.addCustomItem (noneIndex + 1, std::make_unique<ItalicComponent> (noneIndex == currentIndex), nullptr, "None");

    const int machineType = isFx ? 0 : readValue (Sound_MachineType);
    for (const int group : getDestinationGroups (kind))
        if (group != DestinationGroup::skipped)
            addGroupSubMenu (getDestinationGroupName (group, machineType), getDestinationGroupIds (group, isFx, machineType));
}

void DestinationBox::addGroupSubMenu (const juce::String& name, const std::vector<juce::Identifier>& ids)
{
    juce::PopupMenu subMenu;
    bool anyTicked = false;

    if (dataObject != nullptr)
        for (const auto& id : ids)
        {
            const auto index = DestinationLookup::destinationIndexOf (*dataObject, id);
            if (! index.has_value())
                continue;
            const bool ticked = *index == currentIndex;
            anyTicked = anyTicked || ticked;
            subMenu.addItem (*index + 1, dataObject->getParameterName (id), true, ticked);
        }

    comboBox.getRootMenu()->addSubMenu (name, subMenu, true, nullptr, anyTicked);
}

void DestinationBox::writeDestination (int destinationIndex)
{
    if (auto* object = getOwner(); object != nullptr && destinationId.isValid())
        object->setValueFromGui (destinationId, destinationIndex * 256);
}

void DestinationBox::comboBoxChanged (juce::ComboBox*)
{
    const int id = comboBox.getSelectedId();
    const int noneIndex = noneItemIndex();

    if (id == 0)
    {
        comboBox.setSelectedId (noneIndex + 1, juce::sendNotificationAsync);
        return;
    }

    if (id == noneIndex + 1)
    {
        writeDestination (noneIndex);
        rebuildMenu();
        return;
    }

    if (dataObject != nullptr && DestinationLookup::findParameter (*dataObject, id - 1).isValid())
    {
        writeDestination (id - 1);
        rebuildMenu();
    }
}

void DestinationBox::valueChanged (MachineDataObject* object, const juce::Identifier& id, int value)
{
    if (object == nullptr)
        return;

    if (id == destinationId)
    {
        const int index = value >> 8;
        if (DestinationLookup::findParameter (*object, index).isValid())
            comboBox.setSelectedId (value == 0 ? noneItemIndex() + 1 : index + 1, juce::dontSendNotification);
        rebuildMenu();
        return;
    }

    if (id == Sound_MachineType && ! isFx)
    {
        rebuildMenu();
        showMachineTarget (*object, value);
    }
}

// After a machine change: a target among the machine parameters names the new
// machine's parameter with its index, or "Disabled" when it has none.
void DestinationBox::showMachineTarget (MachineDataObject& object, int machineType)
{
    const int value = readValue (destinationId);
    if (value == 0)
        return;

    const int index = value >> 8;
    if (! DestinationLookup::isMachineDestination (object, index))
        return;   // an amp, filter or LFO target keeps its text

    juce::String text = "Disabled";
    if (! getMachineIdList (machineType).empty())
    {
        if (const auto parameter = DestinationLookup::findMachineParameter (object, machineType, index); parameter.isValid())
            text = object.getParameterName (parameter);
        else
            FH_LOG (spdlog::level::err, "Index out of range. Index {}", index);
    }

    comboBox.setText (text, juce::dontSendNotification);
    comboBox.repaint();
}

void DestinationBox::resized()
{
    comboBox.setBounds (getLocalBounds());
}
