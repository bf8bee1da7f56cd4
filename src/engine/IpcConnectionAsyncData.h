#pragma once

#include "engine/IpcSocketConnection.h"

#include <cstdint>
#include <memory>
#include <vector>

// The asynchronous-data connection of a device: its reader thread ("Async data
// IPC Client") hands every received frame to the client.
class IpcConnectionAsyncData : public IpcSocketConnection
{
public:
    class Client
    {
    public:
        virtual ~Client() = default;
        // One frame's payload, on the reader thread; the bytes are valid only
        // during the call.
        virtual void asyncDataReceived (IpcConnectionAsyncData* connection, const std::vector<std::uint8_t>& payload) = 0;
    };

    explicit IpcConnectionAsyncData (std::unique_ptr<IpcSocket> socket);
    ~IpcConnectionAsyncData() override;

    // Set by the owner before the thread starts.
    void setClient (Client* c) { client = c; }

protected:
    void frameReceived (std::vector<std::uint8_t>& payload) override;

private:
    std::atomic<Client*> client { nullptr };
};
