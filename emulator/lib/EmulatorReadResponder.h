#pragma once

#include "AsyncDataServer.h"
#include "VirtualProject.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace fhemu
{
// Answers the program's reads (command 0x20) on an AsyncDataServer with the
// records it holds, as the engine would: read data (0x21) on channel 1 with
// the read's sequence number as reply. Each read can instead be answered busy
// (0x22), refused (0x23), answered late or not at all, by queueing behaviours
// that apply to the next reads in turn. It also sends the engine's ready
// transaction and parameter notifications. Installs itself as the server's
// transaction handler; answers go out on the server's reader thread.
//
// With a project attached, reads of records not set here are answered from
// the project (a record the project does not hold is refused, 0x23, and
// logged), and every other transaction is applied to the project, whose
// notifications are sent back.
class EmulatorReadResponder
{
public:
    // corruptCompressed: the record as an LZ4 frame cut off halfway (it cannot be
    // decompressed); emptyCompressed: a valid LZ4 frame with nothing in it.
    enum class Behaviour { answer, busy, refuse, ignore, late, wrongType, corruptCompressed, emptyCompressed };

    explicit EmulatorReadResponder (AsyncDataServer& server);
    ~EmulatorReadResponder();

    // The record served for a data type and index (the read's 16-bit argument).
    void setRecord (std::uint8_t dataType, std::uint16_t index, Bytes record);
    // How the next read is treated (queued, one per read; then answer).
    void pushBehaviour (Behaviour behaviour);
    void setLateDelay (std::chrono::milliseconds delay) { lateDelay = delay; }
    // How long after an answered read the device announces the state the read led
    // to (the project's readAnswered); 100 ms unless set.
    void setSettleDelay (std::chrono::milliseconds delay)
    {
        std::lock_guard<std::mutex> sl (lock);
        settleDelay = delay;
    }
    // The project that answers reads and takes writes and commands; null detaches it.
    void setProject (VirtualProject* project);

    int numReadsSeen() const;

    bool sendEngineReady();
    bool sendParameterNotification (std::uint8_t dataType, std::uint16_t argument, std::uint16_t index,
                                    std::uint16_t objectId, std::uint16_t value);
    // Any transaction on channel 1 with the next sequence number of that channel.
    bool sendOnChannel1 (OutgoingTransaction transaction);
    // The device's notifications in order; false when one could not be sent.
    bool sendNotifications (const std::vector<DeviceNotification>& notifications);

private:
    void handle (const RecordedTransaction& t);

    AsyncDataServer& server;
    mutable std::mutex lock;
    std::mutex sendLock;
    std::map<std::pair<std::uint8_t, std::uint16_t>, Bytes> records;
    VirtualProject* project = nullptr;
    std::deque<Behaviour> behaviours;
    std::chrono::milliseconds lateDelay { 300 };
    std::chrono::milliseconds settleDelay { 100 };
    int readsSeen = 0;
    std::uint32_t nextSequence = 1;
    std::vector<std::thread> lateSenders;
};
} // namespace fhemu
