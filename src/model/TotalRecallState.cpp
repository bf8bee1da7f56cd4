#include "model/TotalRecallState.h"

#include "foundation/Logger.h"
#include "model/TotalRecallStateName.h"

void TotalRecallState::setState (std::uint8_t newState)
{
    const juce::ScopedLock sl (lock);
    FH_LOG (spdlog::level::info, "New total recall state received from machine: state={}", totalRecallStateName (newState));
    state = newState;
    callListeners (&Listener::stateChanged);
}

void TotalRecallState::setSessionId (int newSessionId)
{
    const juce::ScopedLock sl (lock);
    FH_LOG (spdlog::level::info, "New total recall session ID received from machine: id={}", newSessionId);
    sessionId = newSessionId;
    callListeners (&Listener::sessionIdChanged);
}

void TotalRecallState::setImage (const juce::MemoryBlock& newImage)
{
    const juce::ScopedLock sl (lock);
    image = newImage;
    callListeners (&Listener::imageChanged);
}

std::uint8_t TotalRecallState::getState() const
{
    const juce::ScopedLock sl (lock);
    return state;
}

int TotalRecallState::getSessionId() const
{
    const juce::ScopedLock sl (lock);
    return sessionId;
}

juce::MemoryBlock TotalRecallState::getImage() const
{
    const juce::ScopedLock sl (lock);
    return image;
}

void TotalRecallState::addListener (Listener* listener)
{
    const juce::ScopedLock sl (lock);
    listeners.addIfNotAlreadyThere (listener);
}

void TotalRecallState::removeListener (Listener* listener)
{
    const juce::ScopedLock sl (lock);
    listeners.removeAllInstancesOf (listener);
}

void TotalRecallState::callListeners (void (Listener::*notification)())
{
    // Last to first; when listeners went away during a call, carry on from the
    // new last one, so that a listener may remove itself.
    for (int i = listeners.size(); i > 0;)
    {
        --i;
        if (i >= listeners.size())
        {
            i = listeners.size() - 1;
            if (i < 0)
                break;
        }
        (listeners.getReference (i)->*notification)();
    }
}
