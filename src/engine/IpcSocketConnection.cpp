#include "engine/IpcSocketConnection.h"

#include "engine/EngineLimits.h"

IpcSocketConnection::IpcSocketConnection (const juce::String& threadName, std::unique_ptr<IpcSocket> s)
    : juce::Thread (threadName), socket (std::move (s))
{
    jassert (socket != nullptr);
    receiveBuffer.reserve (16384);
}

IpcSocketConnection::~IpcSocketConnection()
{
    // Derived classes call stop() in their own destructors, before their parts go.
    stop();
}

void IpcSocketConnection::reportConnectionLost()
{
    if (! lossReported.exchange (true))
        notifyConnectionLost();
}

void IpcSocketConnection::stop()
{
    signalThreadShouldExit();

    if (socket->isConnected())
        reportConnectionLost();

    socket->close();

    if (juce::Thread::getCurrentThreadId() != getThreadId())
        stopThread (EngineLimits::connectionStopTimeoutMs);

    // The next connection may be lost again.
    lossReported = false;
}

void IpcSocketConnection::run()
{
    lossReported = false;

    while (! threadShouldExit())
    {
        if (! socket->isConnected())
        {
            reportConnectionLost();
            return;
        }

        if (socket->readMessage (receiveBuffer))
            frameReceived (receiveBuffer);
        else
            wait (1);
    }
}
