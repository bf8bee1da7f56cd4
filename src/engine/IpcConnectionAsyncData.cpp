#include "engine/IpcConnectionAsyncData.h"

IpcConnectionAsyncData::IpcConnectionAsyncData (std::unique_ptr<IpcSocket> s)
    : IpcSocketConnection ("Async data IPC Client", std::move (s))
{
}

IpcConnectionAsyncData::~IpcConnectionAsyncData()
{
    stop();
}

void IpcConnectionAsyncData::frameReceived (std::vector<std::uint8_t>& payload)
{
    if (auto* c = client.load())
        c->asyncDataReceived (this, payload);
}
