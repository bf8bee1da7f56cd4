#pragma once

#include "PerformanceRecords.h"
#include "TransactionCodec.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace fhemu
{
// Everything a server received, in order: frames, transactions and the
// protocol errors it noticed. Written by the server's reader thread, read by
// tests from any thread.
class TransactionLog
{
public:
    void addFrame (RecordedFrame frame);
    void addTransactions (std::vector<RecordedTransaction> transactions);
    void addErrors (std::vector<std::string> errors);

    std::vector<RecordedFrame> frames() const;
    std::vector<RecordedTransaction> transactions() const;
    std::vector<std::string> errors() const;
    std::size_t numFrames() const;

    // The realtime controller records and channel-16 notes received, decoded, in
    // order (a record of the wrong size is left out).
    std::vector<RealtimeController> realtimeControllers() const;
    std::vector<std::uint8_t> channel16Notes() const;
    std::size_t numTransactions() const;

    // Wait until at least n transactions (frames) have been recorded.
    bool waitForTransactions (std::size_t n, std::chrono::milliseconds timeout) const;
    bool waitForFrames (std::size_t n, std::chrono::milliseconds timeout) const;

    void clear();

private:
    mutable std::mutex lock;
    mutable std::condition_variable changed;
    std::vector<RecordedFrame> frameList;
    std::vector<RecordedTransaction> transactionList;
    std::vector<std::string> errorList;
};
} // namespace fhemu
