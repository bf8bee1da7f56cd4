#include "EngineLoopback.h"

#include "engine/EngineLimits.h"

#include <thread>

namespace enginetest
{
bool waitUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (! condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for (1ms);
    }
    return true;
}

Loopback::Loopback()
    : server (0),
      connection (std::make_unique<IpcSocket>()),
      transport (connection.getSocket()),
      processor (&transport, &arrivals)
{
    connection.setClient (&forwarder);
    connection.addListener (&connectionListener);
}

Loopback::~Loopback()
{
    connection.removeListener (&connectionListener);
    connection.stop();
    processor.stopThread (5000);
}

bool Loopback::connect()
{
    if (! server.isListening())
        return false;
    if (! connection.getSocket().connect (EngineLimits::engineHost, server.port()))
        return false;
    connection.notifyConnectionResult (connection.getConnectResult());
    connection.startThread();
    return server.waitForConnection (5000ms);
}

std::vector<ReceivedTransaction> Loopback::takeReceived (std::size_t atLeast, std::chrono::milliseconds timeout)
{
    waitUntil ([&]
    {
        ReceivedTransaction t;
        while (processor.popReceivedTransaction (t))
            received.push_back (std::move (t));
        return received.size() >= atLeast;
    }, timeout);
    return received;
}

std::vector<std::uint8_t> patternBytes (std::size_t length, std::uint8_t seed)
{
    std::vector<std::uint8_t> out (length);
    for (std::size_t i = 0; i < length; ++i)
        out[i] = static_cast<std::uint8_t> ((i + seed) % 251);
    return out;
}
} // namespace enginetest
