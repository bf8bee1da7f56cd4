#pragma once

#include "model/MachineDataObject.h"
#include "model/MachineDataUpdateTimer.h"

#include <juce_core/juce_core.h>

#include <algorithm>
#include <mutex>
#include <type_traits>
#include <vector>

// A GUI watcher of some identifiers of one data object. Every tick of the
// processor's MachineDataUpdateTimer (message thread) it reads the current value
// of each watched identifier and calls valueChanged for those that differ from
// what it last reported, or that are marked to be reported anyway (all of them
// after construction and after addIdentifiers).
//
// T is int (the integer values) or juce::String (the text values).
//
// Lock order: the listener's mutex, then the owner's object mutex, never the
// reverse. valueChanged runs with the listener's mutex held and the object mutex
// released: it may write to the data object, but must not call addIdentifiers
// or clearIdentifiers.
template <typename T, typename Owner>
class MachineDataObject::Listener : public MachineDataUpdateTimer::Client
{
    static_assert (std::is_same_v<T, int> || std::is_same_v<T, juce::String>,
                   "A data listener watches int or juce::String values");

public:
    // Registers with the provider's timer. A null owner is allowed: such a
    // listener never reports.
    Listener (MachineDataUpdateTimer::Provider* providerToUse, Owner* ownerToWatch, std::vector<juce::Identifier> idsToWatch)
        : provider (providerToUse),
          owner (ownerToWatch),
          ids (std::move (idsToWatch)),
          lastValues (ids.size()),
          forceBits (ids.size(), true)
    {
        if (auto* timer = getTimer())
            timer->addClient (this);
    }

    ~Listener() override
    {
        if (auto* timer = getTimer())
            timer->removeClient (this);
    }

    // Adds the identifiers that are not watched yet, in order. When any was
    // added, every watched identifier is reported on the next poll.
    void addIdentifiers (const std::vector<juce::Identifier>& newIds)
    {
        const std::lock_guard<std::mutex> lock (mutex);
        const auto before = ids.size();

        for (const auto& id : newIds)
            if (std::find (ids.begin(), ids.end(), id) == ids.end())
                ids.push_back (id);

        if (ids.size() == before)
            return;

        lastValues.resize (ids.size());
        forceBits.assign (ids.size(), true);
    }

    // Stops watching every identifier, with its last reported value and its
    // report mark. Takes the listener's mutex, so never from valueChanged.
    void clearIdentifiers()
    {
        const std::lock_guard<std::mutex> lock (mutex);
        ids.clear();
        lastValues.clear();
        forceBits.clear();
    }

    // Message thread: the poll.
    void update() override
    {
        if (owner == nullptr)
            return;

        const std::lock_guard<std::mutex> lock (mutex);

        for (size_t i = 0; i < ids.size(); ++i)
        {
            T value {};
            if (! readValue (ids[i], value))
                continue;

            if (value != lastValues[i] || forceBits[i])
            {
                valueChanged (owner, ids[i], value);
                lastValues[i] = value;
                forceBits[i] = false;
            }
        }
    }

    // Message thread, from update() only: the panel's reaction.
    virtual void valueChanged (Owner* changedOwner, const juce::Identifier& id, T value)
    {
        juce::ignoreUnused (changedOwner, id, value);
    }

    // Text listeners: hands a text edited by the user to the owner.
    void setValue (const juce::Identifier& id, const juce::String& text)
        requires std::is_same_v<T, juce::String>
    {
        if (id.toString().isNotEmpty() && owner != nullptr)
            owner->setValueFromGui2 (id, text);
    }

    Owner* getOwner() const { return owner; }

private:
    MachineDataUpdateTimer* getTimer() const
    {
        return provider != nullptr ? provider->getMachineDataUpdateTimer() : nullptr;
    }

    bool readValue (const juce::Identifier& id, T& out) const
    {
        if constexpr (std::is_same_v<T, int>)
        {
            const MachineDataObject& object = *owner;
            const std::lock_guard<std::mutex> objectLock (object.getMutex());
            return object.getValues().get (id, out);
        }
        else
        {
            return owner->getStringValue (id, out);
        }
    }

    MachineDataUpdateTimer::Provider* const provider;
    Owner* const owner;
    std::vector<juce::Identifier> ids;
    std::vector<T> lastValues;
    std::vector<bool> forceBits;
    std::mutex mutex;
};
