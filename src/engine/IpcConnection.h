#pragma once

#include <juce_core/juce_core.h>

#include <mutex>

// The base of every engine connection of a device.
class IpcConnection
{
public:
    class ConnectionListener
    {
    public:
        virtual ~ConnectionListener() = default;
        // Called on the thread that connected (the remote device client's job thread).
        virtual void connectionResult (IpcConnection* connection, bool connected) = 0;
        // Called once per lost connection, on the connection's reader thread or on
        // the thread that stops the connection.
        virtual void connectionLost (IpcConnection* connection) = 0;
    };

    virtual ~IpcConnection() = default;

    virtual bool isConnected() const = 0;
    virtual bool getConnectResult() const = 0;

    // Adds the listener unless it is already in the list. Any thread.
    void addListener (ConnectionListener* listener);
    // Once this returns, the listener is not called any more (unless it is called
    // from inside one of its own callbacks). Any thread.
    void removeListener (ConnectionListener* listener);

    // Calls every listener's connectionResult, the last one first.
    void notifyConnectionResult (bool connected);

protected:
    // Calls every listener's connectionLost, the last one first.
    void notifyConnectionLost();

private:
    std::recursive_mutex listenerLock;
    juce::Array<ConnectionListener*> listeners;
};
