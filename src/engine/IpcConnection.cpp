#include "engine/IpcConnection.h"

void IpcConnection::addListener (ConnectionListener* listener)
{
    std::lock_guard<std::recursive_mutex> lock (listenerLock);
    listeners.addIfNotAlreadyThere (listener);
}

void IpcConnection::removeListener (ConnectionListener* listener)
{
    std::lock_guard<std::recursive_mutex> lock (listenerLock);
    listeners.removeAllInstancesOf (listener);
}

void IpcConnection::notifyConnectionResult (bool connected)
{
    std::lock_guard<std::recursive_mutex> lock (listenerLock);
    for (int i = listeners.size(); --i >= 0;)
        if (i < listeners.size())
            listeners.getUnchecked (i)->connectionResult (this, connected);
}

void IpcConnection::notifyConnectionLost()
{
    std::lock_guard<std::recursive_mutex> lock (listenerLock);
    for (int i = listeners.size(); --i >= 0;)
        if (i < listeners.size())
            listeners.getUnchecked (i)->connectionLost (this);
}
