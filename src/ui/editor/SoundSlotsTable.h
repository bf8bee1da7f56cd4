#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>
#include <vector>

class VantuAudioProcessor;

// The list of the sound browser's pool area: the project's 128 sound pool
// positions, one row each with the position, the sound's name and its tags.
// Loads a position into a track (menu, double-click, Return), deletes a
// position's sound from its trash button, is a drag source of pool items and
// takes library items and track rows dropped on its empty positions. Every
// action is a command to the device; the rows change with the next listing.
// Message thread only.
class SoundSlotsTable : public juce::TableListBox,
                        public juce::TableListBoxModel,
                        public SafeChangeListener,
                        public SafeChangeBroadcaster,
                        public juce::DragAndDropTarget,
                        public juce::AsyncUpdater,
                        public juce::Button::Listener
{
public:
    struct SlotRow
    {
        std::int64_t position = 0;
        std::uint32_t tags = 0;
        juce::String name;
        bool used = false;
        int machineType = -1;
    };

    enum ColumnId
    {
        slotColumn = 1,
        nameColumn = 2,
        tagsColumn = 3,
        trashColumn = 4
    };

    static constexpr int rowHeight = 20;
    static constexpr int numRows = 128;

    explicit SoundSlotsTable (VantuAudioProcessor& processor);
    ~SoundSlotsTable() override;

    const std::vector<SlotRow>& getRows() const noexcept { return rows; }
    // The text a cell shows: the position from 1, the name, the tag names.
    juce::String getCellText (int row, int columnId) const;

    // Double-click and Return: loads a used position into the active edit track (0..11).
    void loadSlotIntoActiveTrack (int row);

    // The right-click menu: "Load sound into track 1" .. "12" (ids 1..12), and
    // what a choice of it does with the lowest selected row.
    static juce::PopupMenu buildLoadMenu();
    void applyLoadMenuChoice (int choice);
    // Opens the menu (asynchronously).
    void showLoadMenu();

    // The row under a point in the table's coordinates (-1 for none).
    int rowForDropPosition (juce::Point<int> position) const;

    // TableListBoxModel
    int getNumRows() override;
    void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    juce::String getCellTooltip (int row, int columnId) override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected, juce::Component* existing) override;
    void cellDoubleClicked (int row, int columnId, const juce::MouseEvent& event) override;
    void returnKeyPressed (int lastRowSelected) override;
    void deleteKeyPressed (int) override {}
    juce::var getDragSourceDescription (const juce::SparseSet<int>& selectedRows) override;

    // DragAndDropTarget (message thread)
    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragMove (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;
    // Message thread: the drop kept by itemDropped.
    void handleAsyncUpdate() override;

    // Message thread: a trash button deletes its position's sound.
    void buttonClicked (juce::Button* button) override;
    // SafeChangeListener (message thread): any message re-reads the pool listing.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    int dropRow = -1;

private:
    // Right-button presses on the rows (the list's viewport and everything in it).
    struct RowMouse : juce::MouseListener
    {
        explicit RowMouse (SoundSlotsTable& t) : table (t) {}
        // Message thread.
        void mouseDown (const juce::MouseEvent& event) override;
        SoundSlotsTable& table;
    };

    bool isRow (int row) const noexcept { return row >= 0 && row < numRows; }
    void dropLibraryItems (const juce::var& description);
    void dropTrack (const juce::var& description);

    VantuAudioProcessor& processor;
    std::vector<SlotRow> rows;
    juce::var pendingDrop;
    RowMouse rowMouse { *this };
    juce::Font font;
    bool fontMade = false;
};
