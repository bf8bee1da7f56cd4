#pragma once

#include "engine/EngineMessages.h"

#include <cstdint>
#include <string>
#include <vector>

// The protocol side of the message channel: connection retry, handshake, the engine's
// device reports and the two blocking requests.
class RemoteIpcMessageConnectionIfc
{
public:
    // All calls but disconnected come on the transport's reader thread; disconnected
    // comes on the reader thread or on the thread that called disconnect.
    // Listeners are called from the last added to the first.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void deviceAttached (std::uint64_t uid) = 0;
        virtual void deviceDetached (std::uint64_t uid) = 0;
        virtual void deviceDescriptionUpdated (std::uint64_t uid) = 0;
        virtual void valueMessageReceived (std::uint32_t value) = 0;
        // true when the peer's protocol version is the one this program speaks.
        virtual void connectionStateChanged (bool protocolOk) = 0;
        virtual void disconnected() = 0;
    };

    virtual ~RemoteIpcMessageConnectionIfc() = default;
    // Listeners may come and go on any thread, also while connected; once
    // removeListener returns, the listener is not called again.
    virtual void addListener (Listener* listener) = 0;
    virtual void removeListener (Listener* listener) = 0;
    virtual void setHost (const std::string& host) = 0;
    // Starts the retry timer and makes one attempt at once (message thread).
    virtual void connect() = 0;
    virtual void disconnect() = 0;
    // The peer's version from the last handshake; 0 before one and after a lost connection.
    virtual std::uint32_t getProtocolVersion() const = 0;
    // Blocking requests (never on the reader thread); false on failure or time-out.
    virtual bool requestDeviceList (std::vector<DeviceDescription>& out) = 0;
    virtual bool requestDeviceConnection (std::uint64_t uid, DeviceConnectionData& out) = 0;
};
