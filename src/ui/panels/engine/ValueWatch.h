#pragma once

#include "model/MachineDataListener.h"
#include "processor/PanelContextIfc.h"

#include <functional>
#include <utility>
#include <vector>

// A polling listener on one data object that hands every reported change to a
// function, for components that watch several objects at once. Registered with
// the context's data-update timer for its whole life; the function runs on the
// message thread, from the timer's poll.
template <typename Owner>
class ValueWatch : public MachineDataObject::Listener<int, Owner>
{
public:
    using Reaction = std::function<void (const juce::Identifier& id, int value)>;

    ValueWatch (PanelContextIfc& context, Owner* object, Reaction reactionToUse)
        : MachineDataObject::Listener<int, Owner> (&context.getUpdateTimerProvider(), object, {}),
          reaction (std::move (reactionToUse))
    {
    }

    // Message thread, from the data-update timer's poll.
    void valueChanged (Owner*, const juce::Identifier& id, int value) override
    {
        if (reaction)
            reaction (id, value);
    }

    // A write of the user, skipped without an identifier or an object.
    void write (const juce::Identifier& id, int value)
    {
        if (auto* object = this->getOwner(); object != nullptr && id.isValid())
            object->setValueFromGui (id, value);
    }

private:
    Reaction reaction;
};
