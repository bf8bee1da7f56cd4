#pragma once

#include <juce_events/juce_events.h>

#include <mutex>
#include <vector>

// The timer through which the GUI sees the data objects' values. While an
// editor is open it ticks every 33 ms on the message thread and asks each
// client (a data listener) to poll the values it watches.
//
// The processor owns the one timer and hands it out as a Provider; the editor
// starts it and stops it; a tick that finds no active editor polls one last
// time and stops the timer.
class MachineDataUpdateTimer : public juce::Timer
{
public:
    static constexpr int intervalMs = 33;

    class Client
    {
    public:
        virtual ~Client() = default;

        // Message thread: poll now.
        virtual void update() = 0;
    };

    class Provider
    {
    public:
        virtual ~Provider() = default;

        // The processor's one timer; never null while the processor exists.
        virtual MachineDataUpdateTimer* getMachineDataUpdateTimer() = 0;
    };

    // The processor that owns the timer, as the timer sees it; the processor
    // side implements it (processor/UpdateTimerProcessorLink.h).
    class Processor
    {
    public:
        virtual ~Processor() = default;

        // Message thread: whether the processor's editor is open.
        virtual bool hasActiveEditor() const = 0;
    };

    // No clients, no processor, not running.
    MachineDataUpdateTimer();
    ~MachineDataUpdateTimer() override;

    // Any thread. Clients are polled in the order they were added.
    void addClient (Client* client);

    // Any thread: removes every occurrence of the client; an unknown client is
    // ignored. A client removed while a tick runs (for example by another
    // client's valueChanged) is not polled by that tick.
    void removeClient (Client* client);

    // Message thread: set by the processor at the end of its construction and
    // cleared first thing in its destruction.
    void setProcessor (const Processor* newProcessor);

    // Starts the timer at intervalMs (the editor's constructor).
    void start();

    // Stops the timer under the client mutex (the editor's destructor).
    void stop();

    // Message thread: one tick.
    void timerCallback() override;

private:
    bool isClient (Client* client);

    std::vector<Client*> clients;
    const Processor* processor = nullptr;
    std::mutex mutex;

    JUCE_DECLARE_NON_COPYABLE (MachineDataUpdateTimer)
};
