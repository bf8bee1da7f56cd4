#pragma once

#include "EmulatorFramedServer.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace fhemu
{
// The engine's message channel: a loopback server (port 46000 unless told otherwise)
// that greets every new client with its protocol version, answers device-list and
// connection requests and reports attached, detached and changed devices.
class EmulatorMessageChannel
{
public:
    static constexpr int kDefaultPort = 46000;
    static constexpr std::uint32_t kMagic = 0x3ade68b1;
    static constexpr std::uint32_t kEngineProtocolVersion = 5;

    // Builds the payload answering a device-list request (the reader thread).
    using ListResponder = std::function<std::vector<std::uint8_t>()>;
    // Builds the payload answering a connection request for a uid (the reader thread).
    using ConnectionResponder = std::function<std::vector<std::uint8_t> (std::uint64_t uid)>;

    EmulatorMessageChannel();
    ~EmulatorMessageChannel();

    bool start (int port = kDefaultPort);
    void stop();
    int getPort() const { return server.getPort(); }

    void setHandshakeVersion (std::uint32_t version) { handshakeVersion = version; }
    void setListResponder (ListResponder responder);
    void setConnectionResponder (ConnectionResponder responder);
    // When false, requests are received but never answered.
    void setAnswerRequests (bool answer) { answerRequests = answer; }
    // The next `count` requests of the type (4 list, 7 connection) are received
    // but not answered.
    void leaveNextRequestsUnanswered (std::uint32_t type, int count);

    // To every connected client.
    void sendToAll (const std::vector<std::uint8_t>& payload);
    void sendRawToAll (const std::vector<std::uint8_t>& bytes);
    void reportDevice (std::uint32_t type, std::uint64_t uid);   // 2 attached, 3 detached, 6 changed
    // Drops every client (the engine "goes away" while still listening).
    void dropClients();

    int numClients() const { return server.numOpenConnections(); }
    int numConnectionsAccepted() const;

    // Every payload received from clients, in order.
    std::vector<std::vector<std::uint8_t>> received() const;
    // Waits until at least count payloads of the type have arrived.
    bool waitForReceived (std::uint32_t type, int count, int timeoutMs) const;
    int countReceived (std::uint32_t type) const;

    static std::vector<std::uint8_t> makeHandshake (std::uint32_t version);
    // The channel's frame header declaring a length, followed by the given bytes
    // (fewer than declared: a frame that stalls; none: an oversized announcement).
    // Sent with sendRawToAll.
    static std::vector<std::uint8_t> rawFrame (std::uint32_t declaredLength, const std::vector<std::uint8_t>& body);

private:
    void handleFrame (const EmulatorFramedServer::ConnectionPtr& connection, std::vector<std::uint8_t>& payload);

    EmulatorFramedServer server { kMagic };
    std::atomic<std::uint32_t> handshakeVersion { kEngineProtocolVersion };
    std::atomic<bool> answerRequests { true };
    std::map<std::uint32_t, int> unansweredRequests;   // under responderMutex
    std::mutex responderMutex;
    ListResponder listResponder;
    ConnectionResponder connectionResponder;

    mutable std::mutex receivedMutex;
    mutable std::condition_variable receivedCondition;
    std::vector<std::vector<std::uint8_t>> receivedPayloads;
    std::atomic<int> accepted { 0 };
};
} // namespace fhemu
