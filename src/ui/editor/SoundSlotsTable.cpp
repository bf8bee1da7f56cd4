#include "ui/editor/SoundSlotsTable.h"

#include "processor/VantuAudioProcessor.h"
#include "ui/editor/ActiveEditTrack.h"
#include "ui/editor/SoundDragItem.h"
#include "ui/editor/TableDropRow.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/selectors/TagButtons.h"

namespace
{
struct Column
{
    int id;
    const char* title;
    int width;
};

const Column columns[] = {
    { SoundSlotsTable::slotColumn, "Slot", 46 },
    { SoundSlotsTable::nameColumn, "Name", 190 },
    { SoundSlotsTable::tagsColumn, "Tags", 186 },
    { SoundSlotsTable::trashColumn, "", 40 },
};
} // namespace

SoundSlotsTable::SoundSlotsTable (VantuAudioProcessor& processorToUse)
    : juce::TableListBox ({}, nullptr), processor (processorToUse), rows (numRows)
{
    setModel (this);
    for (const auto& c : columns)
        getHeader().addColumn (c.title, c.id, c.width, c.width, c.width, juce::TableHeaderComponent::visible);
    setRowHeight (rowHeight);
    setMultipleSelectionEnabled (true);

    for (int i = 0; i < numRows; ++i)
        rows[(size_t) i].position = i;

    auto& device = processor.getDeviceInterface();
    device.getSoundPool().addChangeListener (this);
    device.getSettings().addChangeListener (this);
    getViewport()->addMouseListener (&rowMouse, true);
    // Every listener of the pool, this table included, reads the listing that is already there.
    device.getSoundPool().sendChangeMessage ({});
}

SoundSlotsTable::~SoundSlotsTable()
{
    cancelPendingUpdate();
    getViewport()->removeMouseListener (&rowMouse);
    auto& device = processor.getDeviceInterface();
    device.getSettings().removeChangeListener (this);
    device.getSoundPool().removeChangeListener (this);
}

void SoundSlotsTable::changeListenerCallback (SafeChangeBroadcaster*)
{
    const auto entries = processor.getDeviceInterface().getSoundPool().getEntries();
    for (std::size_t i = 0; i < entries.size() && i < rows.size(); ++i)
    {
        auto& row = rows[i];
        const auto& e = entries[i];
        row.position = static_cast<std::int64_t> (i);
        row.name = e.name;
        row.used = e.used;
        row.tags = static_cast<std::uint32_t> (e.tags);
        row.machineType = e.machineType;
    }
    updateContent();
    repaint();
}

int SoundSlotsTable::getNumRows()
{
    return static_cast<int> (rows.size());
}

void SoundSlotsTable::paintRowBackground (juce::Graphics& g, int row, int, int, bool selected)
{
    int colourId = row % 2 == 0 ? CorvanelColourIds::libraryRowEven : CorvanelColourIds::libraryRowOdd;
    if (selected || row == dropRow)
        colourId = CorvanelColourIds::libraryRowSelected;
    g.fillAll (findColour (colourId));
}

juce::String SoundSlotsTable::getCellText (int row, int columnId) const
{
    if (! isRow (row))
        return {};
    const auto& r = rows[(size_t) row];
    switch (columnId)
    {
        case slotColumn: return juce::String (r.position + 1);
        case nameColumn: return r.name;
        case tagsColumn: return tagNamesFromMask (r.tags).joinIntoString (", ");
        default: return {};
    }
}

void SoundSlotsTable::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    if (! isRow (row))
        return;
    if (! fontMade)
    {
        font = CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f);
        fontMade = true;
    }
    g.setFont (font);
    g.setColour (findColour (selected || row == dropRow ? CorvanelColourIds::libraryTextSelected
                                                        : CorvanelColourIds::libraryText));
    if (columnId == slotColumn)
        g.drawText (getCellText (row, columnId), 0, 0, juce::jmax (width - 8, 0), height, juce::Justification::centredRight, true);
    else
        g.drawText (getCellText (row, columnId), 0, 0, width, height, juce::Justification::centredLeft, true);
}

juce::String SoundSlotsTable::getCellTooltip (int, int)
{
    return TRANS ("Drop a sound from the +Trunx into a Sound Pool slot. The Sound Pool contains the sounds that you can "
                  "sound lock with the step sequencer.");
}

juce::Component* SoundSlotsTable::refreshComponentForCell (int row, int columnId, bool, juce::Component* existing)
{
    if (columnId != trashColumn || ! isRow (row) || ! rows[(size_t) row].used || rows[(size_t) row].name.isEmpty())
    {
        delete existing;
        return nullptr;
    }
    auto* button = dynamic_cast<TrashbinButton*> (existing);
    if (button == nullptr)
    {
        delete existing;
        button = new TrashbinButton ("s", [] (int size) { return getFontCorvanel (static_cast<float> (size)); });
        button->setOpaque (false);
        button->setWantsKeyboardFocus (false);
        button->setColour (CorvanelColourIds::fontButtonBackgroundOff, juce::Colours::transparentBlack);
        button->setColour (CorvanelColourIds::fontButtonBackgroundOn, juce::Colours::transparentBlack);
        button->margin = 0;
        button->bottomInset = 1;
        button->setVisible (true);
        button->setTooltip (TRANS ("Click to delete sound from your Sound Pool."));
        button->addListener (this);
    }
    button->setComponentID (juce::String (rows[(size_t) row].position));
    return button;
}

void SoundSlotsTable::buttonClicked (juce::Button* button)
{
    const auto position = SoundDragItem::numberOf (button->getComponentID());
    if (! position || ! isRow (*position))
        return;
    auto* owner = processor.getDeviceInterface().getSoundPool().getOwner();
    owner->removeSound (*position);
    owner->updateSoundPool();
}

void SoundSlotsTable::cellDoubleClicked (int row, int, const juce::MouseEvent& event)
{
    // Two quick right clicks open the menu twice; they load nothing.
    if (event.mods.isRightButtonDown())
        return;
    loadSlotIntoActiveTrack (row);
}

void SoundSlotsTable::returnKeyPressed (int lastRowSelected)
{
    loadSlotIntoActiveTrack (lastRowSelected);
}

void SoundSlotsTable::loadSlotIntoActiveTrack (int row)
{
    if (! isRow (row) || ! rows[(size_t) row].used)
        return;
    if (const auto track = activeTrackToLoadInto (processor.getDeviceInterface().getSettings()))
        processor.getDeviceInterface().getSoundPool().getOwner()->loadSound (*track, static_cast<int> (rows[(size_t) row].position));
}

juce::PopupMenu SoundSlotsTable::buildLoadMenu()
{
    juce::PopupMenu menu;
    for (int n = 1; n <= 12; ++n)
        menu.addItem (n, TRANS ("Load sound into track ") + juce::String (n), true, false);
    return menu;
}

void SoundSlotsTable::applyLoadMenuChoice (int choice)
{
    const int row = getSelectedRow (0);
    if (choice <= 0 || choice > 12 || ! isRow (row))
        return;
    processor.getDeviceInterface().getSoundPool().getOwner()->loadSound (choice - 1, static_cast<int> (rows[(size_t) row].position));
}

void SoundSlotsTable::showLoadMenu()
{
    juce::Component::SafePointer<SoundSlotsTable> safe (this);
    // Message thread: the menu's choice.
    buildLoadMenu().showMenuAsync (juce::PopupMenu::Options().withTargetComponent (this).withMousePosition(),
                                   [safe] (int choice) {
                                       if (safe != nullptr)
                                           safe->applyLoadMenuChoice (choice);
                                   });
}

void SoundSlotsTable::RowMouse::mouseDown (const juce::MouseEvent& event)
{
    if (event.mods.isRightButtonDown())
        table.showLoadMenu();
}

juce::var SoundSlotsTable::getDragSourceDescription (const juce::SparseSet<int>& selectedRows)
{
    std::vector<juce::var> items;
    for (int i = 0; i < selectedRows.size(); ++i)
    {
        const int row = selectedRows[i];
        if (! isRow (row))
            continue;
        const auto& r = rows[(size_t) row];
        SoundPoolEntry entry;
        entry.name = r.name;
        entry.used = r.used;
        entry.machineType = r.machineType;
        items.push_back (SoundDragItem::poolItem (static_cast<int> (r.position), entry));
    }
    return SoundDragItem::itemList (items);
}

bool SoundSlotsTable::isInterestedInDragSource (const SourceDetails& details)
{
    return ! SoundDragItem::isItemListFrom (details.description, SoundDragItem::poolSource);
}

int SoundSlotsTable::rowForDropPosition (juce::Point<int> position) const
{
    return tableDropRow (*this, position, numRows);
}

void SoundSlotsTable::itemDragMove (const SourceDetails& details)
{
    dropRow = rowForDropPosition (details.localPosition);
    repaint();
}

void SoundSlotsTable::itemDragExit (const SourceDetails&)
{
    dropRow = -1;
    repaint();
}

void SoundSlotsTable::itemDropped (const SourceDetails& details)
{
    pendingDrop = details.description;
    triggerAsyncUpdate();
}

void SoundSlotsTable::handleAsyncUpdate()
{
    const auto description = std::exchange (pendingDrop, {});
    if (description.isArray())
    {
        if (SoundDragItem::isItemList (description))
            dropLibraryItems (description);
        else
            dropTrack (description);
    }
    dropRow = -1;
    updateContent();
    repaint();
}

void SoundSlotsTable::dropLibraryItems (const juce::var& description)
{
    if (! isRow (dropRow))
        return;   // no row under the pointer: nothing is written
    auto& library = processor.getDeviceInterface().getSoundLibrary();
    const auto items = SoundDragItem::items (description);
    for (std::size_t k = 0; k < items.size(); ++k)
    {
        const int position = dropRow + static_cast<int> (k);
        if (position >= numRows)
            break;
        const auto& item = items[k];
        auto& row = rows[(size_t) position];
        if (row.used || item.size < 3 || ! item.number)
            continue;   // not placed anywhere
        const int slot = juce::jlimit (0, SoundListing::maxListedSlot, *item.number);
        library.getOwner()->copyLibrarySoundToPool (slot, position);
        // A slot beyond the listing has no name to show.
        row.name = SoundLibrary::isValidSlot (slot) ? library.getEntry (slot).name : juce::String();
    }
}

void SoundSlotsTable::dropTrack (const juce::var& description)
{
    const auto track = SoundDragItem::track (description);
    if (! track || ! isRow (dropRow) || rows[(size_t) dropRow].used)
        return;
    auto* owner = processor.getDeviceInterface().getSoundPool().getOwner();
    owner->saveSound (*track, dropRow);
    owner->updateSoundPool();
}
