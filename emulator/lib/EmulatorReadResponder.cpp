#include "EmulatorReadResponder.h"

#include "EmuLog.h"
#include "EmuLz4.h"

namespace fhemu
{
EmulatorReadResponder::EmulatorReadResponder (AsyncDataServer& s) : server (s)
{
    server.setTransactionHandler ([this] (const RecordedTransaction& t) { handle (t); });
}

EmulatorReadResponder::~EmulatorReadResponder()
{
    server.setTransactionHandler ({});
    std::vector<std::thread> senders;
    {
        std::lock_guard<std::mutex> sl (lock);
        senders.swap (lateSenders);
    }
    for (auto& t : senders)
        t.join();
}

void EmulatorReadResponder::setRecord (std::uint8_t dataType, std::uint16_t index, Bytes record)
{
    std::lock_guard<std::mutex> sl (lock);
    records[{ dataType, index }] = std::move (record);
}

void EmulatorReadResponder::pushBehaviour (Behaviour behaviour)
{
    std::lock_guard<std::mutex> sl (lock);
    behaviours.push_back (behaviour);
}

void EmulatorReadResponder::setProject (VirtualProject* p)
{
    std::lock_guard<std::mutex> sl (lock);
    project = p;
}

bool EmulatorReadResponder::sendNotifications (const std::vector<DeviceNotification>& notifications)
{
    bool sent = true;
    for (const auto& n : notifications)
        sent = sendParameterNotification (n.dataType, n.index, n.index, n.objectId, n.value) && sent;
    return sent;
}

int EmulatorReadResponder::numReadsSeen() const
{
    std::lock_guard<std::mutex> sl (lock);
    return readsSeen;
}

bool EmulatorReadResponder::sendOnChannel1 (OutgoingTransaction t)
{
    // One whole transaction at a time: the chunks of a long answer must not
    // interleave with a notification sent from another thread.
    std::lock_guard<std::mutex> whole (sendLock);
    {
        std::lock_guard<std::mutex> sl (lock);
        t.channel = 1;
        t.sequence = nextSequence++;
    }
    return server.sendTransaction (t);
}

bool EmulatorReadResponder::sendEngineReady()
{
    return sendOnChannel1 (engineReady (0));
}

bool EmulatorReadResponder::sendParameterNotification (std::uint8_t dataType, std::uint16_t argument,
                                                       std::uint16_t index, std::uint16_t objectId, std::uint16_t value)
{
    auto t = parameterNotification (1, 0, dataType, index, objectId, value);
    t.argument = argument;
    return sendOnChannel1 (std::move (t));
}

void EmulatorReadResponder::handle (const RecordedTransaction& t)
{
    VirtualProject* attached = nullptr;
    {
        std::lock_guard<std::mutex> sl (lock);
        attached = project;
    }
    if (t.header.command != 0x20)
    {
        if (attached != nullptr)
            sendNotifications (attached->apply (t));
        return;
    }

    Behaviour behaviour = Behaviour::answer;
    Bytes record;
    bool found = false;
    {
        std::lock_guard<std::mutex> sl (lock);
        ++readsSeen;
        if (! behaviours.empty())
        {
            behaviour = behaviours.front();
            behaviours.pop_front();
        }
        if (auto it = records.find ({ t.header.subType, t.header.argument }); it != records.end())
        {
            record = it->second;
            found = true;
        }
    }
    if (! found && attached != nullptr && ! attached->answersRead (t.header.subType))
    {
        log (LogLevel::info, "read of data type " + std::to_string (t.header.subType) + " left unanswered");
        return;
    }
    if (! found && attached != nullptr)
    {
        if (auto served = attached->readRecord (t.header.subType, t.header.argument))
            record = std::move (*served);
        else if (behaviour == Behaviour::answer)
        {
            log (LogLevel::warn, "read of data type " + std::to_string (t.header.subType) + " index "
                                     + std::to_string (t.header.argument) + ": no such record; refused");
            behaviour = Behaviour::refuse;
        }
    }

    OutgoingTransaction answer;
    answer.replySequence = t.header.sequence;
    answer.subType = t.header.subType;
    answer.argument = t.header.argument;
    answer.command = 0x21;
    answer.payload = record;
    answer.compress = record.size() > 400;

    switch (behaviour)
    {
        case Behaviour::ignore:
            return;
        case Behaviour::busy:
            answer.command = 0x22;
            answer.payload.clear();
            answer.compress = false;
            break;
        case Behaviour::refuse:
            answer.command = 0x23;
            answer.payload.clear();
            answer.compress = false;
            break;
        case Behaviour::wrongType:
            answer.subType = static_cast<std::uint8_t> (t.header.subType + 1);
            break;
        case Behaviour::corruptCompressed:
        case Behaviour::emptyCompressed:
        {
            auto packed = lz4::compress (behaviour == Behaviour::emptyCompressed ? Bytes {} : record);
            if (! packed)
                return;
            if (behaviour == Behaviour::corruptCompressed)
                packed->resize (packed->size() / 2);
            answer.payload = std::move (*packed);
            answer.compress = false;   // sent as it is, marked compressed
            answer.totalLengthOverride = static_cast<std::uint32_t> (answer.payload.size()) | wire::compressedBit;
            break;
        }
        case Behaviour::late:
        {
            std::lock_guard<std::mutex> sl (lock);
            lateSenders.emplace_back ([this, answer, delay = lateDelay] {
                std::this_thread::sleep_for (delay);
                sendOnChannel1 (answer);
            });
            return;
        }
        case Behaviour::answer:
            break;
    }
    const bool answered = answer.command == 0x21;
    sendOnChannel1 (std::move (answer));
    if (! answered || attached == nullptr)
        return;
    auto settled = attached->readAnswered (t.header.subType, t.header.argument);
    if (settled.empty())
        return;
    // The device takes a moment before it moves on, so that the program has applied
    // what it read by the time the new state arrives.
    std::lock_guard<std::mutex> sl (lock);
    lateSenders.emplace_back ([this, settled = std::move (settled), delay = settleDelay] {
        std::this_thread::sleep_for (delay);
        sendNotifications (settled);
    });
}
} // namespace fhemu
