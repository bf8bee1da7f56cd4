#include "foundation/SafeChangeBroadcaster.h"

SafeChangeListener::~SafeChangeListener()
{
    masterReference.clear();
}

SafeChangeBroadcaster::SafeChangeBroadcaster() = default;

SafeChangeBroadcaster::~SafeChangeBroadcaster()
{
    // Whatever is still queued is dropped undelivered.
    asyncBroadcaster.cancelPendingUpdate();
}

void SafeChangeBroadcaster::sendChangeMessage (const juce::String& message)
{
    messages.enqueue (message);
    asyncBroadcaster.triggerAsyncUpdate();
}

void SafeChangeBroadcaster::addChangeListener (SafeChangeListener* listener)
{
    if (listener == nullptr)
        return;

    const juce::ScopedLock sl (listenerLock);

    for (const auto& entry : listeners)
        if (entry.get() == listener)
            return;

    listeners.add (juce::WeakReference<SafeChangeListener> (listener));
}

void SafeChangeBroadcaster::removeChangeListener (SafeChangeListener* listener)
{
    if (listener == nullptr)
        return;

    const juce::ScopedLock sl (listenerLock);

    for (int i = listeners.size(); --i >= 0;)
        if (listeners.getReference (i).get() == listener)
            listeners.remove (i);
}

int SafeChangeBroadcaster::indexAfterCalled (const SafeChangeListener* called, int index) const
{
    // The callback may have removed itself or earlier entries; stepping blindly to
    // index + 1 would then skip a listener that has not had the message yet.
    for (int j = juce::jmin (index, listeners.size() - 1); j >= 0; --j)
        if (listeners.getReference (j).get() == called)
            return j + 1;

    return index; // removed: the next listener has moved up into its place
}

void SafeChangeBroadcaster::callListeners (const juce::String& message)
{
    lastMessage = message;

    const juce::ScopedLock sl (listenerLock);

    for (int i = 0; i < listeners.size();)
    {
        if (auto* listener = listeners.getReference (i).get())
        {
            listener->changeListenerCallback (this);
            i = indexAfterCalled (listener, i);
        }
        else
        {
            listeners.remove (i);
        }
    }
}

void SafeChangeBroadcaster::AsyncBroadcaster::handleAsyncUpdate()
{
    juce::String message;

    while (owner.messages.try_dequeue (message))
        owner.callListeners (message);
}
