#include "ui/editor/SoundExplorerTable.h"

#include "model/tables/MachineTables.h"
#include "model/tables/ParameterIds.h"
#include "processor/LibraryRemovalQuestion.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/ActiveEditTrack.h"
#include "ui/editor/SoundDragItem.h"
#include "ui/editor/TableDropRow.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/selectors/TagButtons.h"

namespace
{
int clampSlot (int slot)
{
    return juce::jlimit (0, SoundListing::maxListedSlot, slot);
}

struct Column
{
    int id;
    const char* title;
    int width;
};

const Column columns[] = {
    { SoundExplorerTable::bankColumn, "Bank", 50 },
    { SoundExplorerTable::nameColumn, "Name", 260 },
    { SoundExplorerTable::tagsColumn, "Tags", 294 },
    { SoundExplorerTable::protectColumn, "WP", 50 },
};
} // namespace

SoundExplorerTable::SoundExplorerTable (VantuAudioProcessor& processorToUse)
    : juce::TableListBox ({}, nullptr), processor (processorToUse)
{
    setModel (this);
    addLoadItems = [] (juce::PopupMenu& menu, const SoundLibraryEntry&) { addTrackItems (menu, [] (int) { return true; }); };
    filterEntries = [] (int, std::vector<SoundLibraryEntry>&) {};

    updateRows();
    processor.getDeviceInterface().getSoundLibrary().addChangeListener (this);

    for (const auto& c : columns)
        getHeader().addColumn (c.title, c.id, c.width, c.width, c.width, juce::TableHeaderComponent::visible);
    setRowHeight (rowHeight);
    getViewport()->setSingleStepSizes (rowHeight, rowHeight);
    updateContent();
    setMultipleSelectionEnabled (true);
    getViewport()->addMouseListener (&rowMouse, true);
}

SoundExplorerTable::~SoundExplorerTable()
{
    getViewport()->removeMouseListener (&rowMouse);
    processor.getDeviceInterface().getSoundLibrary().removeChangeListener (this);
    addLoadItems = nullptr;
    filterEntries = nullptr;
}

void SoundExplorerTable::updateRows()
{
    auto entries = processor.getDeviceInterface().getSoundLibrary().getEntries();
    const auto hasTags = [this] (const SoundLibraryEntry& e) { return (static_cast<std::uint32_t> (e.tags) & tagMask) == tagMask; };

    std::vector<SoundLibraryEntry> kept;
    if (bankFilter >= 0)
        for (const auto& e : entries)
            if (SoundLibrary::isValidSlot (e.slot) && SoundLibrary::bankOfSlot (e.slot) == bankFilter && hasTags (e))
                kept.push_back (e);
    if (filterEntries)
        filterEntries (trackFilter, kept);

    rows.clear();
    for (const auto& e : kept)
    {
        if (! hasTags (e))
            continue;
        LibraryRow row;
        row.index = static_cast<int> (rows.size());
        row.slot = e.slot;
        row.bank = e.slot / SoundListing::libraryBankSize;
        row.number = e.slot % SoundListing::libraryBankSize;
        row.name = e.name;
        row.tags = static_cast<std::uint32_t> (e.tags);
        row.used = e.used;
        row.writeProtected = e.flag;
        row.machineType = e.machineType;
        rows.push_back (row);
    }
    updateContent();
}

int SoundExplorerTable::getNumRows()
{
    return static_cast<int> (rows.size());
}

void SoundExplorerTable::paintRowBackground (juce::Graphics& g, int row, int, int, bool selected)
{
    int colourId = row % 2 == 0 ? CorvanelColourIds::libraryRowEven : CorvanelColourIds::libraryRowOdd;
    if (selected)
        colourId = CorvanelColourIds::libraryRowSelected;
    else if (row == dropRow)
        colourId = isRow (row) && (rows[(size_t) row].used || rows[(size_t) row].writeProtected)
                       ? CorvanelColourIds::libraryRowDropRefused
                       : CorvanelColourIds::libraryRowSelected;
    g.fillAll (findColour (colourId));
}

void SoundExplorerTable::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    if (! isRow (row))
        return;
    const auto& r = rows[(size_t) row];

    if (! fontsMade)
    {
        boldFont = CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f);
        regularFont = CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f);
        fontsMade = true;
    }
    g.setColour (findColour (selected || row == dropRow ? CorvanelColourIds::libraryTextSelected
                                                        : CorvanelColourIds::libraryText));

    if (columnId == protectColumn)
    {
        if (r.writeProtected)
        {
            g.setFont (getFontAwesome (20.0f));
            g.drawText (juce::String::charToString ((juce::juce_wchar) 0xF023), width / 2 - 12, 0, height, height,
                        juce::Justification::centred, false);
        }
    }
    else
    {
        g.setFont (columnId == tagsColumn ? regularFont : boldFont);
        g.drawText (getCellText (row, columnId), 2, 0, width - 4, height, juce::Justification::centredLeft, true);
    }

    g.setColour (juce::Colour (0x33000000));
    g.fillRect (width - 1, 0, 1, height);
}

juce::String SoundExplorerTable::getCellText (int row, int columnId) const
{
    if (! isRow (row))
        return {};
    const auto& r = rows[(size_t) row];
    switch (columnId)
    {
        case bankColumn: return juce::String::formatted ("%c%03d", 'A' + r.bank, r.number + 1);
        case nameColumn: return r.name;
        case tagsColumn: return tagNamesFromMask (r.tags).joinIntoString (", ");
        default: return {};
    }
}

juce::String SoundExplorerTable::getCellTooltip (int, int)
{
    return TRANS ("The +Trunx is where your sounds are saved. Drag a sound from this table and drop it on one of the "
                  "tracks (to assign it as the track sound) or into a Sound Pool slot (to make it accessible for sound "
                  "locking).");
}

juce::Component* SoundExplorerTable::refreshComponentForCell (int, int, bool, juce::Component* existing)
{
    delete existing;
    return nullptr;
}

void SoundExplorerTable::cellDoubleClicked (int row, int, const juce::MouseEvent& event)
{
    // Two quick right clicks open the menu twice; they load nothing.
    if (event.mods.isRightButtonDown())
        return;
    loadRowIntoActiveTrack (row);
}

void SoundExplorerTable::returnKeyPressed (int lastRowSelected)
{
    loadRowIntoActiveTrack (lastRowSelected);
}

void SoundExplorerTable::loadRowIntoActiveTrack (int row)
{
    if (! isRow (row) || ! rows[(size_t) row].used)
        return;
    if (const auto track = activeTrackToLoadInto (processor.getDeviceInterface().getSettings()))
        processor.getDeviceInterface().getSoundLibrary().getOwner()->loadSound (*track, clampSlot (rows[(size_t) row].slot));
}

void SoundExplorerTable::addTrackItems (juce::PopupMenu& menu, const std::function<bool (int)>& allowed)
{
    for (int track = 0; track < 12; ++track)
        if (allowed (track))
            menu.addItem (track + 1, TRANS ("Load sound into ") + trackName (track), true, false);
}

juce::PopupMenu SoundExplorerTable::buildLoadMenu (const SoundLibraryEntry& entry) const
{
    juce::PopupMenu menu;
    if (addLoadItems)
        addLoadItems (menu, entry);
    menu.addItem (loadToPoolItem, "Load to Sound Pool", true, false);
    return menu;
}

void SoundExplorerTable::applyLoadMenuChoice (int slot, int choice)
{
    if (choice <= 0)
        return;
    auto& library = processor.getDeviceInterface().getSoundLibrary();
    if (choice == loadToPoolItem)
    {
        const auto pool = processor.getDeviceInterface().getSoundPool().getEntries();
        for (std::size_t position = 0; position < pool.size(); ++position)
        {
            const auto& e = pool[position];
            if (! e.used && e.name.isEmpty() && ! e.flag)
            {
                library.getOwner()->copyLibrarySoundToPool (clampSlot (slot), static_cast<int> (position));
                return;
            }
        }
        return;
    }
    library.getOwner()->loadSound (choice - 1, clampSlot (slot));
}

void SoundExplorerTable::showLoadMenu()
{
    const int row = getSelectedRow (0);
    if (! isRow (row))
        return;
    const int slot = clampSlot (rows[(size_t) row].slot);
    const auto entry = processor.getDeviceInterface().getSoundLibrary().getEntry (juce::jmin (slot, SoundListing::librarySize - 1));
    juce::Component::SafePointer<SoundExplorerTable> safe (this);
    // Message thread: the menu's choice.
    buildLoadMenu (entry).showMenuAsync (juce::PopupMenu::Options().withTargetComponent (this).withMousePosition(),
                                         [safe, slot] (int choice) {
                                             if (safe != nullptr)
                                                 safe->applyLoadMenuChoice (slot, choice);
                                         });
}

void SoundExplorerTable::RowMouse::mouseDown (const juce::MouseEvent& event)
{
    if (event.mods.isRightButtonDown())
        table.showLoadMenu();
}

void SoundExplorerTable::deleteKeyPressed (int lastRowSelected)
{
    const auto selection = getSelectedRows();
    if (selection.size() > 1)
    {
        confirmRemoveSelected (selection);
        return;
    }
    if (isRow (lastRowSelected) && ! rows[(size_t) lastRowSelected].writeProtected)
        confirmRemoveSound (rows[(size_t) lastRowSelected].slot);
}

void SoundExplorerTable::confirmRemoveSound (int slot)
{
    LibraryRemovalQuestion::ask (processor, LibraryRemovalQuestion::oneSoundQuestion(), "RemovePatch", { { slot, false } });
}

void SoundExplorerTable::confirmRemoveSelected (const juce::SparseSet<int>& selection)
{
    std::vector<LibraryRemovalQuestion::Slot> slots;
    for (int i = 0; i < selection.size(); ++i)
    {
        const int row = selection[i];
        if (isRow (row))
            slots.push_back ({ rows[(size_t) row].slot, rows[(size_t) row].writeProtected });
    }
    LibraryRemovalQuestion::ask (processor, LibraryRemovalQuestion::selectedSoundsQuestion (selection.size()),
                                 "RemoveSounds", std::move (slots));
}

juce::var SoundExplorerTable::getDragSourceDescription (const juce::SparseSet<int>& selectedRows)
{
    std::vector<juce::var> items;
    for (int i = 0; i < selectedRows.size(); ++i)
    {
        const int row = selectedRows[i];
        if (! isRow (row))
            continue;
        const auto& r = rows[(size_t) row];
        SoundLibraryEntry entry;
        entry.slot = r.slot;
        entry.name = r.name;
        entry.used = r.used;
        entry.machineType = r.machineType;
        items.push_back (SoundDragItem::libraryItem (row, entry));
    }
    return SoundDragItem::itemList (items);
}

bool SoundExplorerTable::isInterestedInDragSource (const SourceDetails& details)
{
    return ! SoundDragItem::isItemListFrom (details.description, SoundDragItem::librarySource);
}

int SoundExplorerTable::rowForDropPosition (juce::Point<int> position) const
{
    return tableDropRow (*this, position, static_cast<int> (rows.size()));
}

void SoundExplorerTable::itemDragMove (const SourceDetails& details)
{
    dropRow = rowForDropPosition (details.localPosition);
    repaint();
}

void SoundExplorerTable::itemDragExit (const SourceDetails&)
{
    dropRow = -1;
    repaint();
}

void SoundExplorerTable::itemDropped (const SourceDetails& details)
{
    if (SoundDragItem::isItemList (details.description))
        dropPoolItems (details.description);
    else
        dropTrack (details.description);
    dropRow = -1;
    updateContent();
    repaint();
}

void SoundExplorerTable::dropPoolItems (const juce::var& description)
{
    auto& library = processor.getDeviceInterface().getSoundLibrary();
    int row = dropRow;
    for (const auto& item : SoundDragItem::items (description))
    {
        if (! isRow (row) || rows[(size_t) row].used)
            continue;   // not stored: the next item meets the same row
        if (! item.number || *item.number < 0 || *item.number >= SoundListing::poolSize)
            continue;
        auto& target = rows[(size_t) row];
        target.name = item.name;
        const int slot = clampSlot (target.slot);
        library.getOwner()->copyPoolSoundToLibrary (*item.number, slot);
        library.getOwner()->updateSoundLibrary (slot / SoundListing::libraryBankSize);
        ++row;
    }
}

void SoundExplorerTable::dropTrack (const juce::var& description)
{
    const auto track = SoundDragItem::track (description);
    if (! track || ! isRow (dropRow) || rows[(size_t) dropRow].used)
        return;
    processor.getDeviceInterface().getSoundLibrary().saveSound (*track, clampSlot (rows[(size_t) dropRow].slot));
}

void SoundExplorerTable::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == &processor.getDeviceInterface().getSoundLibrary())
    {
        updateRows();
        repaint();
        return;
    }
    deselectAllRows();
}
