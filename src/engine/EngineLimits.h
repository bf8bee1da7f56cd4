#pragma once

#include <cstddef>
#include <cstdint>

// Fixed numbers of the engine's per-device connections, and the sanity limits
// applied to every length that arrives from the wire.
namespace EngineLimits
{
    // Loopback host the engine listens on.
    inline constexpr const char* engineHost = "127.0.0.1";

    // Time-out of a connect to one of the device's ports.
    inline constexpr int defaultConnectTimeoutMs = 3000;

    // Time a connection's stop waits for its reader thread.
    inline constexpr int connectionStopTimeoutMs = 3000;

    // An engine that posts no audio block for this long has stalled: the audio
    // connection is closed, which closes the device (it is then tried again).
    inline constexpr int audioStallLimitMs = 5000;

    // Frames this program writes never carry more than this.
    inline constexpr int maxOutgoingFramePayload = 1023;

    // Largest frame payload accepted from the engine. Frames from the engine
    // normally carry one flush of its stream; anything above this cannot be a
    // sane frame and means the stream is out of step, so the connection is closed.
    inline constexpr int maxIncomingFramePayload = 4 * 1024 * 1024;

    // Largest payload of one transaction (the total length of a long transaction,
    // and the size a compressed payload may expand to). The largest record the
    // device sends (a project image) is far below this.
    inline constexpr std::size_t maxTransactionLength = 64 * 1024 * 1024;
}
