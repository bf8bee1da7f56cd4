#include "model/MachineDataUpdateTimer.h"

#include "foundation/Logger.h"

#include <algorithm>

MachineDataUpdateTimer::MachineDataUpdateTimer() = default;

MachineDataUpdateTimer::~MachineDataUpdateTimer()
{
    stopTimer();
}

void MachineDataUpdateTimer::addClient (Client* client)
{
    const std::lock_guard<std::mutex> lock (mutex);
    clients.push_back (client);
}

void MachineDataUpdateTimer::removeClient (Client* client)
{
    const std::lock_guard<std::mutex> lock (mutex);
    clients.erase (std::remove (clients.begin(), clients.end(), client), clients.end());
}

bool MachineDataUpdateTimer::isClient (Client* client)
{
    const std::lock_guard<std::mutex> lock (mutex);
    return std::find (clients.begin(), clients.end(), client) != clients.end();
}

void MachineDataUpdateTimer::setProcessor (const Processor* newProcessor)
{
    processor = newProcessor;
}

void MachineDataUpdateTimer::start()
{
    startTimer (intervalMs);
}

void MachineDataUpdateTimer::stop()
{
    const std::lock_guard<std::mutex> lock (mutex);
    stopTimer();
}

void MachineDataUpdateTimer::timerCallback()
{
    if (processor == nullptr || ! processor->hasActiveEditor())
    {
        FH_LOG (spdlog::level::info, "audioProcessor {:p}, active editor {:p}",
                static_cast<const void*> (processor), static_cast<const void*> (nullptr));
        stop();
    }

    std::vector<Client*> copy;
    {
        const std::lock_guard<std::mutex> lock (mutex);
        copy = clients;
    }

    // A client may be removed (and destroyed) by an earlier client's update:
    // each one is looked up again just before it is called.
    for (auto* client : copy)
        if (isClient (client))
            client->update();
}
