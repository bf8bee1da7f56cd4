#pragma once

#include "engine/EngineMessageCodec.h"
#include "engine/IpcSocketConnectionIfc.h"
#include "engine/RemoteIpcMessageConnectionIfc.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class RemoteIpcMessageConnection final : public RemoteIpcMessageConnectionIfc,
                                         private juce::Timer,
                                         private IpcSocketConnectionIfc::Client
{
public:
    struct Settings
    {
        int port = kFernhollowEngineMessagePort;
        int connectTimeoutMs = 100;
        int retryIntervalMs = 1000;
        std::chrono::milliseconds responseTimeout { 5000 };
    };

    RemoteIpcMessageConnection (std::unique_ptr<IpcSocketConnectionIfc> transport, std::string host,
                                std::uint32_t peerVersion = 0);
    RemoteIpcMessageConnection (std::unique_ptr<IpcSocketConnectionIfc> transport, std::string host,
                                std::uint32_t peerVersion, Settings settings);
    ~RemoteIpcMessageConnection() override;

    void addListener (Listener* listener) override;
    void removeListener (Listener* listener) override;
    void setHost (const std::string& host) override;
    void connect() override;
    void disconnect() override;
    std::uint32_t getProtocolVersion() const override;
    bool requestDeviceList (std::vector<DeviceDescription>& out) override;
    bool requestDeviceConnection (std::uint64_t uid, DeviceConnectionData& out) override;

private:
    using Parser = std::function<EngineMessageCodec::DecodeResult (CorvanelIpcMessages::IpcMemoryBlock&)>;

    void timerCallback() override;
    void connectionMade() override;
    void connectionLost() override;
    void messageReceived (CorvanelIpcMessages::IpcMemoryBlock& message) override;

    void handleResponse (CorvanelIpcMessages::IpcMemoryBlock& message);
    bool request (const juce::MemoryBlock& message, Parser parser);
    template <typename Fn>
    void forEachListener (Fn&& fn);

    enum class ResponseState
    {
        waiting,
        accepted,
        refused,
        lost
    };

    std::string host;
    const Settings settings;
    std::unique_ptr<IpcSocketConnectionIfc> transport;
    std::atomic<std::uint32_t> peerVersion;
    // Added and removed on any thread while the reader calls them: the lock is held
    // through each round of calls, so a removed listener is never called afterwards.
    juce::Array<Listener*, juce::CriticalSection> listeners;

    std::mutex requestMutex;
    std::mutex responseMutex;
    std::condition_variable responseCondition;
    Parser responseParser;
    ResponseState responseState = ResponseState::waiting;
};
