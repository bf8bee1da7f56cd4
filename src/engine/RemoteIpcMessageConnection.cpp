#include "engine/RemoteIpcMessageConnection.h"

#include "foundation/Logger.h"

using CorvanelIpcMessages::IpcMemoryBlock;
using EngineMessageCodec::DecodeResult;

RemoteIpcMessageConnection::RemoteIpcMessageConnection (std::unique_ptr<IpcSocketConnectionIfc> t, std::string h,
                                                        std::uint32_t version)
    : RemoteIpcMessageConnection (std::move (t), std::move (h), version, Settings {})
{
}

RemoteIpcMessageConnection::RemoteIpcMessageConnection (std::unique_ptr<IpcSocketConnectionIfc> t, std::string h,
                                                        std::uint32_t version, Settings s)
    : host (std::move (h)), settings (s), transport (std::move (t)), peerVersion (version)
{
    transport->setClient (this);
}

RemoteIpcMessageConnection::~RemoteIpcMessageConnection()
{
    stopTimer();
    // The transport's own disconnect must not come back to this half-destroyed object.
    transport->setClient (nullptr);
    // The reader may still be inside a callback that uses the transport: it ends
    // here, before the pointer changes.
    transport->disconnect();
    transport.reset();
}

void RemoteIpcMessageConnection::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void RemoteIpcMessageConnection::removeListener (Listener* listener)
{
    listeners.removeAllInstancesOf (listener);
}

void RemoteIpcMessageConnection::setHost (const std::string& newHost)
{
    host = newHost;
}

void RemoteIpcMessageConnection::connect()
{
    startTimer (settings.retryIntervalMs);
    timerCallback();
}

void RemoteIpcMessageConnection::disconnect()
{
    transport->disconnect();
}

std::uint32_t RemoteIpcMessageConnection::getProtocolVersion() const
{
    return peerVersion.load();
}

template <typename Fn>
void RemoteIpcMessageConnection::forEachListener (Fn&& fn)
{
    const juce::ScopedLock lock (listeners.getLock());
    for (int i = listeners.size(); --i >= 0;)
        if (auto* l = listeners[i])
            fn (*l);
}

void RemoteIpcMessageConnection::timerCallback()
{
    if (transport->connectToSocket (host, settings.port, settings.connectTimeoutMs))
        stopTimer();
}

void RemoteIpcMessageConnection::connectionMade()
{
}

void RemoteIpcMessageConnection::connectionLost()
{
    peerVersion = 0;
    {
        // A request still waiting can no longer be answered: end it now instead of
        // letting it wait out its time.
        std::lock_guard lock (responseMutex);
        if (responseParser && responseState == ResponseState::waiting)
            responseState = ResponseState::lost;
    }
    responseCondition.notify_all();
    forEachListener ([] (Listener& l) { l.disconnected(); });
    startTimer (settings.retryIntervalMs);
}

void RemoteIpcMessageConnection::messageReceived (IpcMemoryBlock& message)
{
    const auto type = message.peekType();

    if (peerVersion.load() != kPluginProtocolVersion)
    {
        if (type != kHandshake)
            return;

        message.skip (4);
        peerVersion = message.readU32();

        if (! transport->sendMessage (EngineMessageCodec::makeHandshake (kPluginProtocolVersion)))
        {
            FH_LOG (spdlog::level::err, "Failed to send message");
            // On the reader thread a full disconnect would wait for this very thread:
            // close the socket and let the reader end and report the lost connection.
            transport->closeFromReaderThread();
        }

        const bool ok = peerVersion.load() == kPluginProtocolVersion;
        forEachListener ([ok] (Listener& l) { l.connectionStateChanged (ok); });
        return;
    }

    switch (type)
    {
        case kDeviceAttached:
        case kDeviceDetached:
        case kDeviceDescriptionUpdated:
        {
            message.skip (8);
            const auto uid = message.readU64();
            forEachListener ([type, uid] (Listener& l) {
                if (type == kDeviceAttached)
                    l.deviceAttached (uid);
                else if (type == kDeviceDetached)
                    l.deviceDetached (uid);
                else
                    l.deviceDescriptionUpdated (uid);
            });
            break;
        }
        case kDeviceListResponse:
        case kDeviceConnectionResponse:
            handleResponse (message);
            break;
        case kValueMessage:
        {
            message.skip (4);
            const auto value = message.readU32();
            forEachListener ([value] (Listener& l) { l.valueMessageReceived (value); });
            break;
        }
        default:
            break;
    }
}

void RemoteIpcMessageConnection::handleResponse (IpcMemoryBlock& message)
{
    std::unique_lock lock (responseMutex);

    if (! responseParser)
    {
        FH_LOG (spdlog::level::err, "No response handler function is set! Response arriving after timeout?");
        return;
    }

    switch (responseParser (message))
    {
        case DecodeResult::ok:
            responseState = ResponseState::accepted;
            break;
        case DecodeResult::wrongType:
            FH_LOG (spdlog::level::err, "Invalid response was received!");
            return;
        case DecodeResult::malformed:
            // The expected answer came, but its counts or lengths do not fit its bytes:
            // refuse it and end the request instead of reading it as far as it goes.
            FH_LOG (spdlog::level::err, "Invalid response was received! The message of {} bytes is malformed.",
                    message.size());
            responseState = ResponseState::refused;
            break;
    }

    lock.unlock();
    responseCondition.notify_all();
}

bool RemoteIpcMessageConnection::request (const juce::MemoryBlock& message, Parser parser)
{
    std::lock_guard requestLock (requestMutex);
    std::unique_lock lock (responseMutex);
    responseParser = std::move (parser);
    responseState = ResponseState::waiting;

    if (! transport->sendMessage (message))
    {
        FH_LOG (spdlog::level::err, "Failed to send message");
        responseParser = nullptr;
        lock.unlock();
        transport->disconnect();
        return false;
    }

    responseCondition.wait_for (lock, settings.responseTimeout,
                                [this] { return responseState != ResponseState::waiting; });
    responseParser = nullptr;

    if (responseState == ResponseState::accepted)
        return true;
    if (responseState == ResponseState::waiting)
        FH_LOG (spdlog::level::err, "Timed out waiting for message response!");
    else if (responseState == ResponseState::lost)
        FH_LOG (spdlog::level::err, "The connection was lost while waiting for a message response");
    return false;
}

bool RemoteIpcMessageConnection::requestDeviceList (std::vector<DeviceDescription>& out)
{
    return request (EngineMessageCodec::makeDeviceListRequest(), [&out] (IpcMemoryBlock& block) {
        DeviceListResponse response;
        const auto result = EngineMessageCodec::decodeDeviceList (block, response);
        if (result == DecodeResult::ok)
            out.swap (response.devices);
        return result;
    });
}

bool RemoteIpcMessageConnection::requestDeviceConnection (std::uint64_t uid, DeviceConnectionData& out)
{
    return request (EngineMessageCodec::makeDeviceConnectionRequest (uid), [&out] (IpcMemoryBlock& block) {
        DeviceConnectionResponse response;
        const auto result = EngineMessageCodec::decodeDeviceConnection (block, response);
        if (result == DecodeResult::ok)
            out = std::move (response.data);
        return result;
    });
}
