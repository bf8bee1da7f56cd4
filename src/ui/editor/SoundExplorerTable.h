#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "model/SoundListingEntries.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class VantuAudioProcessor;

// The list of the sound browser's library area: one bank of the device's sound
// library narrowed by a tag mask and a track filter, one row per slot with its
// bank position, name, tags and write protection. Loads a slot into a track
// (menu, double-click, Return), copies it into the first free pool position,
// deletes slots after a question in the footer, is a drag source of library
// items and takes pool items and track rows dropped on its empty slots. Every
// action is a command to the device; the rows change with the next listing.
// Message thread only.
class SoundExplorerTable : public juce::TableListBox,
                           public juce::TableListBoxModel,
                           public SafeChangeBroadcaster,
                           public SafeChangeListener,
                           public juce::DragAndDropTarget
{
public:
    struct LibraryRow
    {
        int index = 0;
        int bank = 0;
        int number = 0;
        int slot = 0;
        juce::String name;
        std::uint32_t tags = 0;
        bool used = false;
        bool writeProtected = false;
        int machineType = -1;
    };

    enum ColumnId
    {
        bankColumn = 1,
        nameColumn = 2,
        tagsColumn = 3,
        protectColumn = 4
    };

    static constexpr int rowHeight = 20;
    static constexpr int loadToPoolItem = 100;

    explicit SoundExplorerTable (VantuAudioProcessor& processor);
    ~SoundExplorerTable() override;

    // The text a cell shows: "A001" .. "H256", the name, the tag names; empty
    // for the write-protect column (drawn as a lock) and rows outside the list.
    juce::String getCellText (int row, int columnId) const;

    // Rebuilds the rows from the library and the filters.
    void updateRows();
    const std::vector<LibraryRow>& getRows() const noexcept { return rows; }

    // Double-click and Return: loads a used row into the active edit track (0..11).
    void loadRowIntoActiveTrack (int row);

    // The right-click menu of a library entry, and what a choice of it does.
    juce::PopupMenu buildLoadMenu (const SoundLibraryEntry& entry) const;
    void applyLoadMenuChoice (int slot, int choice);
    // Opens the menu of the first selected row (asynchronously).
    void showLoadMenu();

    // Adds "Load sound into T1" .. "T12" (ids 1..12) for the tracks that `allowed` accepts.
    static void addTrackItems (juce::PopupMenu& menu, const std::function<bool (int track)>& allowed);

    // The row under a point in the table's coordinates; -1 above the list's
    // viewport, beside the table and beyond the rows.
    int rowForDropPosition (juce::Point<int> position) const;

    // TableListBoxModel
    int getNumRows() override;
    void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    juce::String getCellTooltip (int row, int columnId) override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected, juce::Component* existing) override;
    void cellDoubleClicked (int row, int columnId, const juce::MouseEvent& event) override;
    void returnKeyPressed (int lastRowSelected) override;
    void deleteKeyPressed (int lastRowSelected) override;
    juce::var getDragSourceDescription (const juce::SparseSet<int>& selectedRows) override;

    // DragAndDropTarget
    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragMove (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

    // SafeChangeListener (message thread): a stored bank listing rebuilds the rows;
    // any other broadcaster deselects every row.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    int bankFilter = -1;
    std::uint32_t tagMask = 0;
    int dropRow = -1;
    int trackFilter = -1;
    // Fills the load menu for an entry; the library panel replaces it.
    std::function<void (juce::PopupMenu&, const SoundLibraryEntry&)> addLoadItems;
    // Narrows the entries for a track (-1: none); the library panel replaces it.
    std::function<void (int, std::vector<SoundLibraryEntry>&)> filterEntries;

private:
    // Right-button presses on the rows (the list's viewport and everything in it).
    struct RowMouse : juce::MouseListener
    {
        explicit RowMouse (SoundExplorerTable& t) : table (t) {}
        // Message thread.
        void mouseDown (const juce::MouseEvent& event) override;
        SoundExplorerTable& table;
    };

    bool isRow (int row) const noexcept { return row >= 0 && row < static_cast<int> (rows.size()); }
    void confirmRemoveSound (int slot);
    void confirmRemoveSelected (const juce::SparseSet<int>& selection);
    void dropPoolItems (const juce::var& description);
    void dropTrack (const juce::var& description);

    VantuAudioProcessor& processor;
    std::vector<LibraryRow> rows;
    RowMouse rowMouse { *this };
    juce::Font boldFont, regularFont;
    bool fontsMade = false;
};
