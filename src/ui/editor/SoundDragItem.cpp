#include "ui/editor/SoundDragItem.h"

namespace SoundDragItem
{
namespace
{
    juce::var sixElements (const char* source, int number, int row, const juce::String& name, bool used, int machineType)
    {
        juce::Array<juce::var> item { juce::var (source), juce::var (number), juce::var (row), juce::var (name),
                                      juce::var (used), juce::var (machineType) };
        return juce::var (item);
    }
} // namespace

juce::var libraryItem (int row, const SoundLibraryEntry& entry)
{
    if (entry.name.isEmpty())
        return juce::var (juce::Array<juce::var> { juce::var (librarySource) });
    return sixElements (librarySource, entry.slot, row, entry.name, entry.used, entry.machineType);
}

juce::var poolItem (int position, const SoundPoolEntry& entry)
{
    const int machineType = entry.used ? entry.machineType : SoundListing::emptyMachineType;
    return sixElements (poolSource, position, position, entry.name, entry.used, machineType);
}

juce::var itemList (const std::vector<juce::var>& items)
{
    juce::Array<juce::var> list;
    for (const auto& item : items)
        list.add (item);
    return juce::var (list);
}

juce::var trackDescription (int track)
{
    return juce::var (juce::Array<juce::var> { juce::var (trackSource), juce::var (juce::String (track)) });
}

std::optional<int> numberOf (const juce::var& element)
{
    if (element.isInt() || element.isInt64())
        return static_cast<int> (element);
    if (! element.isString())
        return std::nullopt;
    const auto text = element.toString().trim();
    const auto digits = text.startsWithChar ('-') ? text.substring (1) : text;
    if (digits.isEmpty() || digits.length() > 9 || ! digits.containsOnly ("0123456789"))
        return std::nullopt;
    return text.getIntValue();
}

bool isItemList (const juce::var& description)
{
    return description.isArray() && description.size() > 0 && description[0].isArray();
}

bool isItemListFrom (const juce::var& description, const char* source)
{
    if (! isItemList (description))
        return false;
    const auto& first = description[0];
    return first.size() > 0 && first[0].toString().equalsIgnoreCase (source);
}

std::vector<Item> items (const juce::var& description)
{
    std::vector<Item> out;
    if (! isItemList (description))
        return out;
    for (const auto& element : *description.getArray())
    {
        Item item;
        if (element.isArray())
        {
            item.size = element.size();
            if (item.size > 0)
                item.source = element[0].toString();
            if (item.size > 1)
                item.number = numberOf (element[1]);
            if (item.size > 3)
                item.name = element[3].toString();
            if (item.size > 5)
                item.machineType = numberOf (element[5]);
        }
        out.push_back (item);
    }
    return out;
}

std::optional<int> track (const juce::var& description)
{
    if (! description.isArray() || description.size() < 2 || description[0].isArray()
        || ! description[0].toString().equalsIgnoreCase (trackSource))
        return std::nullopt;
    const auto value = numberOf (description[1]);
    if (! value || *value < 0 || *value > 11)
        return std::nullopt;
    return value;
}
} // namespace SoundDragItem
