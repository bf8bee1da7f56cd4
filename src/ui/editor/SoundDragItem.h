#pragma once

#include "model/SoundListingEntries.h"

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

// What is dragged between the sound browser's library table, pool table and
// track rows. Two shapes travel as the drag description:
// - an item list (library or pool rows): an array of items, one per selected row
//   in ascending row order, each an array
//   { source, number, row, name, used, machine type };
//   a library row with an empty name gives the item { "PlusTrunx" } only;
// - a track description: the flat array { "FromTrack", track index as text }.
// Every writer and reader goes through here. Reading never fails: anything
// malformed reads as nothing.
namespace SoundDragItem
{
inline constexpr const char* librarySource = "PlusTrunx";
inline constexpr const char* poolSource = "SoundPool";
inline constexpr const char* trackSource = "FromTrack";

// One item of an item list as read back. Numbers are empty when the element is
// missing or not a whole number (an int, or a text of decimal digits).
struct Item
{
    int size = 0;   // number of elements
    juce::String source;
    std::optional<int> number;        // element 1: library slot or pool position
    juce::String name;                // element 3
    std::optional<int> machineType;   // element 5
};

// Writers.
juce::var libraryItem (int row, const SoundLibraryEntry& entry);
juce::var poolItem (int position, const SoundPoolEntry& entry);
juce::var itemList (const std::vector<juce::var>& items);
juce::var trackDescription (int track);

// Readers.
bool isItemList (const juce::var& description);
// The item list's first item names this source (ignoring case).
bool isItemListFrom (const juce::var& description, const char* source);
std::vector<Item> items (const juce::var& description);
// The track of a track description; empty for anything else or a track outside 0..11.
std::optional<int> track (const juce::var& description);

// An element read as a whole number; empty when it is neither an int nor decimal text.
std::optional<int> numberOf (const juce::var& element);
} // namespace SoundDragItem
