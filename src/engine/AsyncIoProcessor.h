#pragma once

#include "engine/AsyncIoRecords.h"
#include "engine/AsyncTransactionChannel.h"
#include "realtime/BoundedQueue.h"
#include "engine/FhAsyncDataHeader.h"
#include "engine/IpcAsyncOutputStream.h"
#include "engine/ParameterSink.h"
#include "engine/ReceivedTransaction.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <cstdint>
#include <vector>

// The hub between the device data model and the asynchronous-data connection.
//
// Its thread ("AsyncIoProcessor") sends, on channel 0, the realtime controller
// records, channel-16 notes and parameter changes that other threads queue,
// merging changes of one parameter so that only the latest value goes out.
// Channel 1 and the sequence counter are used directly by other senders.
// Received frames are cut into transactions, reassembled and decompressed by
// the channels' receivers and queued for the listener (the data worker).
class AsyncIoProcessor : public juce::Thread, public ParameterSink
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        // A received transaction was queued (or dropped because the queue was
        // full). Called on the thread that reads the connection
        // ("Async data IPC Client"); should only wake the consumer.
        virtual void asyncDataArrived() = 0;
    };

    static constexpr std::size_t automationQueueSize = 8192;
    static constexpr std::size_t realtimeQueueSize = 8192;
    static constexpr std::size_t noteQueueSize = 1024;
    static constexpr std::size_t receivedQueueSize = 4096;
    static constexpr int maxEntriesPerPass = 201;
    static constexpr int maxSendAttempts = 500;
    static constexpr std::uint32_t firstSequenceNumber = 100;

    AsyncIoProcessor (IpcAsyncOutputStream::AsyncInterface* transport, Listener* listener);
    ~AsyncIoProcessor() override;

    // ParameterSink: the data objects' parameter writes (queued for this
    // thread) and record writes (sent at once on channel 1, on the caller's thread).
    bool pushParameterChange (std::uint8_t dataType, int argument, const FhAsyncParamData& data) override;
    bool sendRecordWrite (std::uint8_t dataType, int argument, const std::uint8_t* body, int length) override;

    // Audio thread (any thread): lock-free, no allocation. A track outside 0..12,
    // or a full queue, drops the value.
    void pushRealtimeController (int track, std::uint16_t value, bool channelPressure, bool modWheel, bool pitchBend,
                                 bool breath);

    // Audio thread and message thread: lock-free, no allocation. Numbers of 128
    // and above are ignored; a full queue drops the note.
    void pushChannel16Note (unsigned int noteNumber);

    // One received frame, on the thread that reads the connection.
    bool handleReceivedData (const void* data, int length);

    // The consumer side of the received-transaction queue (the data worker's thread).
    bool popReceivedTransaction (ReceivedTransaction& out) { return receivedQueue.pop (out); }

    AsyncTransactionChannel& getChannel0() { return channel0; }
    AsyncTransactionChannel& getChannel1() { return channel1; }

    // Every transaction takes its number from here (the value before the increment).
    std::uint32_t takeSequenceNumber() { return sequenceCounter.fetch_add (1); }

    void run() override;

private:
    void sendRealtimeRecord();
    void sendChannel16Note();
    void sendParameterChanges();

    // Sends one single-chunk payload on channel 0, retrying; true when sent.
    bool sendWithRetries (std::uint8_t command, std::uint8_t subType, const std::uint8_t* payload, int length);
    bool writeParameterEntry (const ParameterChangeEntry& entry, std::uint32_t sequenceNumber);
    void handleReceivedTransaction (std::uint8_t channel, const FhAsyncDataHeader& header, const std::uint8_t* payload,
                                    std::size_t length);
    void resetIntakeIfConnectionChanged();

    IpcAsyncOutputStream::AsyncInterface* transport;
    Listener* listener;

    BoundedQueue<ParameterChangeEntry, automationQueueSize> automationQueue;
    BoundedQueue<RealtimeControllerRecord, realtimeQueueSize> realtimeQueue;
    BoundedQueue<std::uint8_t, noteQueueSize> noteQueue;
    BoundedQueue<ReceivedTransaction, receivedQueueSize> receivedQueue;

    IpcAsyncOutputStream stream0;
    IpcAsyncOutputStream stream1;
    AsyncTransactionChannel channel0;
    AsyncTransactionChannel channel1;
    std::atomic<std::uint32_t> sequenceCounter { firstSequenceNumber };

    // Receiving side, used only by the reading thread.
    std::vector<std::uint8_t> intake;
    std::uint32_t intakeGeneration = 0;

    // I/O thread only.
    std::vector<ParameterChangeEntry> collected;
};
