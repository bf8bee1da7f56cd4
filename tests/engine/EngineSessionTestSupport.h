#pragma once

#include "engine/RemoteIpcMessageConnection.h"
#include "engine/CorvanelInterProcessConnection.h"

#include "EmulatorSession.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace fhtest
{
// Records every call of the message channel's listener, with its thread's events in order.
class RecordingChannelListener : public RemoteIpcMessageConnectionIfc::Listener
{
public:
    void deviceAttached (std::uint64_t uid) override { add ("attached", uid); }
    void deviceDetached (std::uint64_t uid) override { add ("detached", uid); }
    void deviceDescriptionUpdated (std::uint64_t uid) override { add ("updated", uid); }
    void valueMessageReceived (std::uint32_t value) override { add ("value", value); }
    void connectionStateChanged (bool ok) override { add (ok ? "protocol ok" : "protocol not ok", 0); }
    void disconnected() override { add ("disconnected", 0); }

    int count (const std::string& what) const
    {
        std::lock_guard lock (mutex);
        int n = 0;
        for (auto& e : events)
            n += e.first == what ? 1 : 0;
        return n;
    }

    std::vector<std::pair<std::string, std::uint64_t>> all() const
    {
        std::lock_guard lock (mutex);
        return events;
    }

private:
    void add (const std::string& what, std::uint64_t value)
    {
        std::lock_guard lock (mutex);
        events.emplace_back (what, value);
    }

    mutable std::mutex mutex;
    std::vector<std::pair<std::string, std::uint64_t>> events;
};

inline fhemu::EmulatorSession::Settings emulatorOnFreePort()
{
    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = 0;
    return settings;
}

inline std::shared_ptr<RemoteIpcMessageConnection> makeChannel (int port, std::chrono::milliseconds responseTimeout = std::chrono::milliseconds (5000))
{
    RemoteIpcMessageConnection::Settings settings;
    settings.port = port;
    settings.responseTimeout = responseTimeout;
    return std::make_shared<RemoteIpcMessageConnection> (std::make_unique<CorvanelInterProcessConnection>(),
                                                         "127.0.0.1", 0, settings);
}
} // namespace fhtest
