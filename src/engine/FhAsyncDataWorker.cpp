#include "engine/FhAsyncDataWorker.h"

#include "foundation/Logger.h"

#include <chrono>

FhAsyncDataWorker::FhAsyncDataWorker (IpcAsyncOutputStream::AsyncInterface* transport)
    : juce::Thread ("FhAsyncDataWorker"), ioProcessor (transport, this), transport (transport)
{
}

FhAsyncDataWorker::~FhAsyncDataWorker()
{
    stopThread (5000);
    ioProcessor.stopThread (5000);
    // The lists go with the members: every unanswered future reports a broken promise.
}

std::int64_t FhAsyncDataWorker::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds> (steady_clock::now().time_since_epoch()).count();
}

void FhAsyncDataWorker::enqueue (std::shared_ptr<AbstractReadRequest> request)
{
    {
        const juce::ScopedLock sl (newRequestLock);
        newRequests.push_back (std::move (request));
    }
    notify();
}

void FhAsyncDataWorker::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void FhAsyncDataWorker::removeListener (Listener* listener)
{
    listeners.removeFirstMatchingValue (listener);
}

void FhAsyncDataWorker::republishCount()
{
    pendingCount.store (static_cast<int> (inFlight.size()));
}

void FhAsyncDataWorker::discardRequests()
{
    std::deque<std::shared_ptr<AbstractReadRequest>> queued;
    std::vector<std::shared_ptr<AbstractReadRequest>> sent;
    {
        const juce::ScopedLock sl (newRequestLock);
        queued.swap (newRequests);
    }
    {
        const juce::ScopedWriteLock wl (inFlightLock);
        sent.swap (inFlight);
        const bool readyOnThisConnection = transport != nullptr
                                        && readyGeneration.load() == transport->connectionGeneration();
        if (! readyOnThisConnection)
            engineReady.store (false);
        republishCount();
    }

    if (const auto count = queued.size() + sent.size(); count > 0)
        FH_LOG (spdlog::level::info, "Discarded {} outstanding read requests", count);
    // The requests go here, outside the locks: each waiting future reports a broken promise.
}

void FhAsyncDataWorker::run()
{
    while (! threadShouldExit())
    {
        ReceivedTransaction transaction;
        for (int i = 0; i < maxRequestsPerPass && ! threadShouldExit(); ++i)
        {
            if (! ioProcessor.popReceivedTransaction (transaction))
                break;
            handleTransaction (transaction);
        }

        takeNewRequests();

        if (engineReady.load())
            sendDueRequests();

        wait (pendingCount.load() == 0 ? -1 : 10);
    }
}

void FhAsyncDataWorker::takeNewRequests()
{
    for (;;)
    {
        std::shared_ptr<AbstractReadRequest> request;
        {
            const juce::ScopedLock sl (newRequestLock);
            if (newRequests.empty())
                break;
            request = std::move (newRequests.front());
            newRequests.pop_front();
        }
        const juce::ScopedWriteLock wl (inFlightLock);
        inFlight.push_back (std::move (request));
        republishCount();
    }
}

void FhAsyncDataWorker::sendDueRequests()
{
    const juce::ScopedWriteLock wl (inFlightLock);
    const auto now = nowMs();

    for (auto it = inFlight.begin(); it != inFlight.end();)
    {
        auto& request = **it;
        if (request.deadline > now)
        {
            ++it;
            continue;
        }
        if (request.tries < request.maxTries)
        {
            sendRequest (request);
            break;   // at most one per pass
        }
        FH_LOG (spdlog::level::warn, "Warning: Read request discarded (too many retries)");
        it = inFlight.erase (it);
    }
    republishCount();
}

void FhAsyncDataWorker::sendRequest (AbstractReadRequest& request)
{
    if (request.sequenceNumber != AbstractReadRequest::neverSent)
        FH_LOG (spdlog::level::debug, "Re-transmitting request! Previous SeqNr (which will now be killed) was: {} ",
                request.sequenceNumber);

    const auto sequence = ioProcessor.takeSequenceNumber();
    // A failed send waits for its deadline like any other.
    ioProcessor.getChannel1().sendU32Pair (sequence, AsyncCommand::read, request.dataType,
                                           static_cast<std::uint16_t> (request.index), request.argument.first,
                                           request.argument.second);
    ioProcessor.notify();
    request.sequenceNumber = sequence;
    request.deadline = nowMs() + responseTimeoutMs.load();
    ++request.tries;
}

void FhAsyncDataWorker::handleTransaction (const ReceivedTransaction& transaction)
{
    const auto& header = transaction.header;

    // A new connection numbers its transactions afresh: no loss between two connections.
    if (const auto generation = transport != nullptr ? transport->connectionGeneration() : 0u;
        generation != sequenceGeneration)
    {
        sequenceGeneration = generation;
        lastSequence = { 0, 0 };
    }

    if (header.channel == FhAsyncDataHeader::channelByte (0) || header.channel == FhAsyncDataHeader::channelByte (1))
    {
        auto& last = lastSequence[static_cast<std::size_t> (header.channel - FhAsyncDataHeader::channelByteBase)];
        if (header.sequenceNumber != 0 && last != 0 && header.sequenceNumber != last + 1)
            FH_LOG (spdlog::level::warn, "Warning: async packet loss! SeqNr went from {} to {}", last,
                    header.sequenceNumber);
        last = header.sequenceNumber;
    }

    switch (header.command)
    {
        case AsyncCommand::engineReady:
            readyGeneration.store (transport != nullptr ? transport->connectionGeneration() : 0);
            engineReady.store (true);
            break;
        case AsyncCommand::readData:
            handleReadData (transaction);
            break;
        case AsyncCommand::busy:
            completeRequest (header.replySequence, false, true);
            break;
        case AsyncCommand::refused:
            FH_LOG (spdlog::level::err, "Read NAK response! Failure on type={}", header.subType);
            completeRequest (header.replySequence, false, false);
            break;
        case AsyncCommand::parameterNotification:
            handleParameterNotification (transaction);
            break;
        default:
            FH_LOG (spdlog::level::err, "Unhandled Async CMD: {}", header.command);
            break;
    }
}

void FhAsyncDataWorker::handleReadData (const ReceivedTransaction& transaction)
{
    const auto& header = transaction.header;
    if (header.replySequence == AbstractReadRequest::neverSent)
        return;

    std::shared_ptr<AbstractReadRequest> request;
    {
        const juce::ScopedReadLock rl (inFlightLock);
        for (const auto& r : inFlight)
            if (r != nullptr && r->sequenceNumber == header.replySequence)
            {
                request = r;
                break;
            }
    }

    if (request == nullptr)
        return;   // the answer to a request that timed out

    if (header.subType != request->dataType)
    {
        FH_LOG (spdlog::level::err, "Wrong data type in read response!");
        return;
    }

    if (transaction.undecodable)
    {
        // Never handed to the request: an empty payload would become a zeroed record.
        // The read fails as a refused one does: asked again at its deadline while tries remain.
        FH_LOG (spdlog::level::err, "Read answer of type={} could not be decompressed; the read is asked again",
                header.subType);
        completeRequest (header.replySequence, false, false);
        return;
    }

    if (! request->handleResponse (transaction.payload.data(), static_cast<int> (transaction.payload.size())))
    {
        FH_LOG (spdlog::level::err, "Could not handle response data!");
        return;
    }

    completeRequest (header.replySequence, true, false);
}

void FhAsyncDataWorker::handleParameterNotification (const ReceivedTransaction& transaction)
{
    if (transaction.payload.size() < FhAsyncParamData::size)
    {
        FH_LOG (spdlog::level::err, "Dropped a parameter notification of {} bytes (type={})", transaction.payload.size(),
                transaction.header.subType);
        return;
    }

    auto data = std::make_shared<FhAsyncParamData> (FhAsyncParamData::fromWire (transaction.payload.data()));
    for (int i = listeners.size(); --i >= 0;)
        listeners.getUnchecked (i)->asyncNotificationReceived (transaction.header.subType, transaction.header.argument,
                                                               data);
}

void FhAsyncDataWorker::completeRequest (std::uint32_t replySequence, bool success, bool busy)
{
    bool matched = false;
    {
        const juce::ScopedWriteLock wl (inFlightLock);
        for (auto it = inFlight.begin(); it != inFlight.end();)
        {
            if (*it == nullptr)
            {
                FH_LOG (spdlog::level::debug, "Empty request!");
                it = inFlight.erase (it);
                continue;
            }

            auto& request = **it;
            if (replySequence == AbstractReadRequest::neverSent || request.sequenceNumber != replySequence)
            {
                ++it;
                continue;
            }

            matched = true;
            if (success)
            {
                if (request.tries > 1)
                    FH_LOG (spdlog::level::warn,
                            "Read request successful, but after {} transmissions. Normal if device was busy!",
                            request.tries);
                it = inFlight.erase (it);
            }
            else if (request.tries >= request.maxTries)
            {
                it = inFlight.erase (it);
            }
            else
            {
                if (busy)
                {
                    ++request.maxTries;
                    request.deadline = nowMs() + busyDelayMs.load();
                }
                ++it;
            }
        }
        republishCount();
    }

    if (! matched)
        FH_LOG (spdlog::level::warn, "Received alien read response! SeqNr={}.Probably from a timed out request!",
                replySequence);
}
