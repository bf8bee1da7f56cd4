#pragma once

#include <juce_events/juce_events.h>

#include <concurrentqueue.h>

class SafeChangeBroadcaster;

// The receiving side of SafeChangeBroadcaster. Broadcasters hold listeners by
// weak reference, so a listener may be destroyed without removing itself first:
// it is then skipped and dropped at the next delivery.
class SafeChangeListener
{
public:
    SafeChangeListener() = default;
    virtual ~SafeChangeListener();

    // Called on the message thread once for every message that a broadcaster this
    // listener is registered with delivers; source->lastMessage is its text.
    virtual void changeListenerCallback (SafeChangeBroadcaster* source) = 0;

private:
    friend class juce::WeakReference<SafeChangeListener>;
    juce::WeakReference<SafeChangeListener>::Master masterReference;
};

// Change messages with a text, posted from any thread and delivered on the
// message thread. Unlike juce::ChangeBroadcaster, messages are never merged:
// each post is one delivery to every live listener, in the order one thread
// posted them. Messages still queued when the broadcaster is destroyed are
// dropped without delivery.
class SafeChangeBroadcaster
{
public:
    SafeChangeBroadcaster();
    virtual ~SafeChangeBroadcaster();

    // Any thread; never waits for other threads (the queue is lock-free, and at
    // most one framework message is outstanding at a time). May allocate.
    void sendChangeMessage (const juce::String& message);

    // Any thread. Adding a listener that is already registered does nothing.
    // Waits while a delivery is calling listeners on the message thread, unless
    // called from within one of those callbacks.
    void addChangeListener (SafeChangeListener* listener);

    // Any thread. Removing a listener that is not registered does nothing.
    void removeChangeListener (SafeChangeListener* listener);

    // Message thread: delivers one message to every live listener, in the order
    // they were added. Listeners added during the walk receive the message too;
    // listeners removed during it are not called any more.
    void callListeners (const juce::String& message);

    // The text of the message being delivered (empty before the first delivery).
    // Message thread only.
    juce::String lastMessage;

private:
    class AsyncBroadcaster final : public juce::AsyncUpdater
    {
    public:
        explicit AsyncBroadcaster (SafeChangeBroadcaster& ownerToUse) : owner (ownerToUse) {}
        // Message thread: drains the queue, including messages that arrive meanwhile.
        void handleAsyncUpdate() override;

    private:
        SafeChangeBroadcaster& owner;
    };

    int indexAfterCalled (const SafeChangeListener* called, int index) const;

    AsyncBroadcaster asyncBroadcaster { *this };
    moodycamel::ConcurrentQueue<juce::String> messages;
    juce::Array<juce::WeakReference<SafeChangeListener>> listeners;
    juce::CriticalSection listenerLock;

    JUCE_DECLARE_NON_COPYABLE (SafeChangeBroadcaster)
};
