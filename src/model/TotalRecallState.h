#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <functional>

// The device's total-recall state: state number, session id and the last
// project image. Setters run on the worker thread, a job thread or the
// processor's thread; they call the listeners with the (recursive) lock held,
// from the last registered to the first.
class TotalRecallState
{
public:
    // Each notification runs on the thread that made the change, with the
    // state's lock held; the listener reads the field it needs itself (taking the
    // lock again is fine) and must not wait for another thread that needs the lock.
    // A listener may remove itself during its notification.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void stateChanged() = 0;
        virtual void sessionIdChanged() = 0;
        virtual void imageChanged() = 0;
    };

    TotalRecallState() = default;

    void setState (std::uint8_t newState);
    void setSessionId (int newSessionId);
    void setImage (const juce::MemoryBlock& newImage);

    std::uint8_t getState() const;
    int getSessionId() const;
    juce::MemoryBlock getImage() const;

    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    // For readers that need several fields at once.
    juce::CriticalSection& getLock() const noexcept { return lock; }

private:
    void callListeners (void (Listener::*notification)());

    mutable juce::CriticalSection lock;
    std::uint8_t state = 0;
    int sessionId = 0;
    juce::MemoryBlock image;
    juce::Array<Listener*> listeners;

    JUCE_DECLARE_NON_COPYABLE (TotalRecallState)
};
