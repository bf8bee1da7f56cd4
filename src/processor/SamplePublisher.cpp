#include "processor/SamplePublisher.h"

#include <mutex>

namespace
{
bool sameSubscriber (const std::weak_ptr<SampleSubscriberIfc>& a, const std::weak_ptr<SampleSubscriberIfc>& b)
{
    return ! a.owner_before (b) && ! b.owner_before (a);
}
} // namespace

SamplePublisher::SamplePublisher() : juce::Thread ("SamplePublisher"), scratch (static_cast<std::size_t> (kChunk))
{
    startThread();
}

SamplePublisher::~SamplePublisher()
{
    stopThread (kStopTimeoutMs);
}

void SamplePublisher::publish (int row, int key1, int key2, const float* samples, int numSamples) noexcept
{
    if (row < 0 || row >= kRows || numSamples <= 0)
        return;
    std::shared_lock lock (tableLock, std::try_to_lock);
    if (! lock.owns_lock())
        return;
    const auto& table = tables[static_cast<std::size_t> (row)];
    const auto found = table.find (keyOf (key1, key2));
    if (found == table.end())
        return;
    found->second->ring.write (samples, numSamples);
}

bool SamplePublisher::queue (RequestData request)
{
    if (! requests.enqueue (std::move (request)))
        return false;
    notify();
    return true;
}

bool SamplePublisher::addSubscriber (int key1, int key2, std::weak_ptr<SampleSubscriberIfc> subscriber)
{
    return queue ({ addAction, kOutputRow, key1, key2, std::move (subscriber) });
}

bool SamplePublisher::removeSubscriber (std::weak_ptr<SampleSubscriberIfc> subscriber)
{
    return queue ({ removeAction, 0, 0, 0, std::move (subscriber) });
}

bool SamplePublisher::setSetting (int row, int value)
{
    if (row < 0 || row >= kRows)
        return false;
    settings[static_cast<std::size_t> (row)].store (value);
    return queue ({ settingChangedAction, row, 0, 0, {} });
}

int SamplePublisher::getSetting (int row) const noexcept
{
    return row >= 0 && row < kRows ? settings[static_cast<std::size_t> (row)].load() : 0;
}

int SamplePublisher::getNumSources (int row) const
{
    if (row < 0 || row >= kRows)
        return 0;
    std::shared_lock lock (tableLock);
    return static_cast<int> (tables[static_cast<std::size_t> (row)].size());
}

// "SamplePublisher" thread.
void SamplePublisher::run()
{
    while (! threadShouldExit())
    {
        deliver();
        processRequests();
        wait (kPassIntervalMs);
    }
}

// Only this thread changes the tables, so it reads them without the lock.
void SamplePublisher::deliver()
{
    for (auto& table : tables)
    {
        for (auto& [key, entry] : table)
        {
            while (entry->ring.available() > 0)
            {
                const int n = entry->ring.read (scratch.data(), kChunk);
                for (const auto& weak : entry->subscribers)
                {
                    if (auto subscriber = weak.lock())
                        subscriber->newSamples (scratch.data(), n);
                    else
                        removeSubscriber (weak);
                }
            }
        }
    }
}

void SamplePublisher::processRequests()
{
    RequestData request;
    while (requests.try_dequeue (request))
    {
        switch (request.action)
        {
            case addAction: add (request); break;
            case removeAction: remove (request.subscriber); break;
            case settingChangedAction: applySetting (request.row); break;
            default: break;
        }
    }
}

void SamplePublisher::add (const RequestData& request)
{
    if (request.row < 0 || request.row >= kRows)
        return;
    remove (request.subscriber);
    auto& table = tables[static_cast<std::size_t> (request.row)];
    const auto key = keyOf (request.key1, request.key2);
    auto found = table.find (key);
    const int delay = getSetting (request.row);
    if (found == table.end())
    {
        auto entry = std::make_unique<Entry>();
        entry->ring.setReadDelay (delay);
        std::unique_lock lock (tableLock);
        found = table.emplace (key, std::move (entry)).first;
    }
    found->second->subscribers.push_back (request.subscriber);
    if (auto subscriber = request.subscriber.lock())
        subscriber->delayChanged (delay);
}

void SamplePublisher::remove (const std::weak_ptr<SampleSubscriberIfc>& subscriber)
{
    std::vector<std::unique_ptr<Entry>> freed;   // rings are freed outside the lock
    std::unique_lock lock (tableLock);
    for (auto& table : tables)
    {
        for (auto it = table.begin(); it != table.end();)
        {
            auto& list = it->second->subscribers;
            std::erase_if (list, [&] (const auto& s) { return s.expired() || sameSubscriber (s, subscriber); });
            if (list.empty())
            {
                freed.push_back (std::move (it->second));
                it = table.erase (it);
            }
            else
            {
                ++it;
            }
        }
    }
    lock.unlock();
}

void SamplePublisher::applySetting (int row)
{
    const int delay = getSetting (row);
    for (auto& [key, entry] : tables[static_cast<std::size_t> (row)])
    {
        entry->ring.setReadDelay (delay);
        for (const auto& weak : entry->subscribers)
            if (auto subscriber = weak.lock())
                subscriber->delayChanged (delay);
    }
}
