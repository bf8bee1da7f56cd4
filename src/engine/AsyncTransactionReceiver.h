#pragma once

#include "engine/FhAsyncDataHeader.h"

#include <cstdint>
#include <functional>
#include <vector>

// Takes the received transactions of one channel, reassembles long ones from
// their chunks (checking offsets, headers, length and byte sum) and hands every
// complete transaction to the callback. Used only by the thread that reads the
// connection, so it needs no lock.
class AsyncTransactionReceiver
{
public:
    // (channel number, host-order header (of the first chunk), payload, payload length);
    // called on the receiving thread.
    using Callback = std::function<void (std::uint8_t, const FhAsyncDataHeader&, const std::uint8_t*, std::size_t)>;

    explicit AsyncTransactionReceiver (std::uint8_t channelNumber);

    void setCallback (Callback cb) { callback = std::move (cb); }

    // Handles a run of whole transactions lying back to back. False when a
    // transaction is not for this channel, has the wrong version, or a long
    // transaction fails a check.
    bool handleAsyncData (const std::uint8_t* data, int length);

    // Forgets a half-assembled long transaction (the connection changed).
    void reset();

    bool isReassembling() const { return reassembling; }

private:
    bool handleLongTransaction (const FhAsyncDataHeader& header, const std::uint8_t* chunk);
    void abortLongTransaction();

    std::uint8_t channelNumber;
    std::vector<std::uint8_t> reassembly;
    FhAsyncDataHeader firstHeader;
    bool reassembling = false;
    Callback callback;
};
