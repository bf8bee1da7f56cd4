#include "EmulatorMessageChannel.h"

#include <chrono>

namespace fhemu
{
EmulatorMessageChannel::EmulatorMessageChannel()
{
    server.setConnectionHandler ([this] (const EmulatorFramedServer::ConnectionPtr& c, bool connected) {
        if (connected)
        {
            ++accepted;
            c->sendFrame (makeHandshake (handshakeVersion.load()));
        }
    });
    server.setFrameHandler ([this] (const EmulatorFramedServer::ConnectionPtr& c, std::vector<std::uint8_t>& p) {
        handleFrame (c, p);
    });
}

EmulatorMessageChannel::~EmulatorMessageChannel()
{
    stop();
}

bool EmulatorMessageChannel::start (int port)
{
    return server.start (port);
}

void EmulatorMessageChannel::stop()
{
    server.stop();
}

void EmulatorMessageChannel::setListResponder (ListResponder responder)
{
    std::lock_guard lock (responderMutex);
    listResponder = std::move (responder);
}

void EmulatorMessageChannel::setConnectionResponder (ConnectionResponder responder)
{
    std::lock_guard lock (responderMutex);
    connectionResponder = std::move (responder);
}

std::vector<std::uint8_t> EmulatorMessageChannel::makeHandshake (std::uint32_t version)
{
    std::vector<std::uint8_t> p;
    appendU32 (p, 1);
    appendU32 (p, version);
    return p;
}

std::vector<std::uint8_t> EmulatorMessageChannel::rawFrame (std::uint32_t declaredLength, const std::vector<std::uint8_t>& body)
{
    std::vector<std::uint8_t> bytes;
    appendU32 (bytes, kMagic);
    appendU32 (bytes, declaredLength);
    bytes.insert (bytes.end(), body.begin(), body.end());
    return bytes;
}

void EmulatorMessageChannel::handleFrame (const EmulatorFramedServer::ConnectionPtr& connection,
                                          std::vector<std::uint8_t>& payload)
{
    {
        std::lock_guard lock (receivedMutex);
        receivedPayloads.push_back (payload);
    }
    receivedCondition.notify_all();

    if (! answerRequests.load())
        return;

    const auto type = readU32 (payload, 0);
    std::vector<std::uint8_t> answer;
    {
        std::lock_guard lock (responderMutex);
        if (auto& unanswered = unansweredRequests[type]; unanswered > 0)
        {
            --unanswered;
            return;
        }
        if (type == 4 && listResponder)
            answer = listResponder();
        else if (type == 7 && connectionResponder)
            answer = connectionResponder (readU64 (payload, 8));
    }
    if (! answer.empty())
        connection->sendFrame (answer);
}

void EmulatorMessageChannel::leaveNextRequestsUnanswered (std::uint32_t type, int count)
{
    std::lock_guard lock (responderMutex);
    unansweredRequests[type] = count;
}

void EmulatorMessageChannel::sendToAll (const std::vector<std::uint8_t>& payload)
{
    for (auto& c : server.connections())
        c->sendFrame (payload);
}

void EmulatorMessageChannel::sendRawToAll (const std::vector<std::uint8_t>& bytes)
{
    for (auto& c : server.connections())
        c->sendRaw (bytes.data(), bytes.size());
}

void EmulatorMessageChannel::reportDevice (std::uint32_t type, std::uint64_t uid)
{
    std::vector<std::uint8_t> p;
    appendU32 (p, type);
    appendU32 (p, 0);
    appendU64 (p, uid);
    sendToAll (p);
}

void EmulatorMessageChannel::dropClients()
{
    server.closeConnections();
}

int EmulatorMessageChannel::numConnectionsAccepted() const
{
    return accepted.load();
}

std::vector<std::vector<std::uint8_t>> EmulatorMessageChannel::received() const
{
    std::lock_guard lock (receivedMutex);
    return receivedPayloads;
}

int EmulatorMessageChannel::countReceived (std::uint32_t type) const
{
    std::lock_guard lock (receivedMutex);
    int n = 0;
    for (auto& p : receivedPayloads)
        n += readU32 (p, 0) == type ? 1 : 0;
    return n;
}

bool EmulatorMessageChannel::waitForReceived (std::uint32_t type, int count, int timeoutMs) const
{
    std::unique_lock lock (receivedMutex);
    return receivedCondition.wait_for (lock, std::chrono::milliseconds (timeoutMs), [&] {
        int n = 0;
        for (auto& p : receivedPayloads)
            n += readU32 (p, 0) == type ? 1 : 0;
        return n >= count;
    });
}
} // namespace fhemu
