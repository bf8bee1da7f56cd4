#include "engine/CorvanelInterProcessConnection.h"

#include "engine/EngineMessages.h"
#include "foundation/Logger.h"

namespace
{
constexpr int readerWatchIntervalMs = 200;
}

CorvanelInterProcessConnection::CorvanelInterProcessConnection()
    : juce::InterprocessConnection (false, kMessageChannelMagic)
{
}

CorvanelInterProcessConnection::~CorvanelInterProcessConnection()
{
    readerWatch.stopTimer();
    juce::InterprocessConnection::disconnect();
}

void CorvanelInterProcessConnection::setClient (Client* newClient)
{
    client = newClient;
}

bool CorvanelInterProcessConnection::sendMessage (const juce::MemoryBlock& message)
{
    if (! isConnected())
        return false;
    return juce::InterprocessConnection::sendMessage (message);
}

bool CorvanelInterProcessConnection::connectToSocket (const std::string& host, int port, int timeoutMs)
{
    // The framework's connect disconnects first, then hands a connected socket to the reader thread.
    return juce::InterprocessConnection::connectToSocket (juce::String (host), port, timeoutMs);
}

void CorvanelInterProcessConnection::disconnect()
{
    juce::InterprocessConnection::disconnect();
}

void CorvanelInterProcessConnection::closeFromReaderThread()
{
    // The framework's disconnect would wait for the reader thread, which is the caller.
    // Closing the socket makes the reader's next wait fail: it reports the lost
    // connection and ends by itself.
    if (auto* socket = getSocket())
        socket->close();
}

void CorvanelInterProcessConnection::checkReader()
{
    if (! open.load() || isConnected())
    {
        readerEndedTicks = 0;
        return;
    }

    // A reader that meets a lost socket reports it itself a moment later: only a
    // reader that stays ended unreported over two ticks has met a bad frame.
    if (++readerEndedTicks < 2)
        return;

    FH_LOG (spdlog::level::err,
            "Message channel: the engine sent data that is not a frame of this channel; closing the connection");
    readerWatch.stopTimer();
    // The reader has ended, so the framework's disconnect doesn't wait on it; it reports the loss.
    juce::InterprocessConnection::disconnect();
}

void CorvanelInterProcessConnection::connectionMade()
{
    open = true;
    readerWatch.startTimer (readerWatchIntervalMs);
    if (auto* c = client.load())
        c->connectionMade();
}

void CorvanelInterProcessConnection::connectionLost()
{
    open = false;
    readerWatch.stopTimer();
    if (auto* c = client.load())
        c->connectionLost();
}

void CorvanelInterProcessConnection::messageReceived (const juce::MemoryBlock& message)
{
    CorvanelIpcMessages::IpcMemoryBlock block (message.getData(), message.getSize());
    if (auto* c = client.load())
        c->messageReceived (block);
}
