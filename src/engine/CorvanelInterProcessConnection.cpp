#include "engine/CorvanelInterProcessConnection.h"

#include "engine/EngineMessages.h"

CorvanelInterProcessConnection::CorvanelInterProcessConnection()
    : juce::InterprocessConnection (false, kMessageChannelMagic)
{
}

CorvanelInterProcessConnection::~CorvanelInterProcessConnection()
{
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

void CorvanelInterProcessConnection::connectionMade()
{
    if (auto* c = client.load())
        c->connectionMade();
}

void CorvanelInterProcessConnection::connectionLost()
{
    if (auto* c = client.load())
        c->connectionLost();
}

void CorvanelInterProcessConnection::messageReceived (const juce::MemoryBlock& message)
{
    CorvanelIpcMessages::IpcMemoryBlock block (message.getData(), message.getSize());
    if (auto* c = client.load())
        c->messageReceived (block);
}
