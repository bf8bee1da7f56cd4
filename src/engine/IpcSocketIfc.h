#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

// A framed socket to the engine: every frame is the magic word, a length and
// the payload.
class IpcSocketIfc
{
public:
    virtual ~IpcSocketIfc() = default;

    virtual bool connect (const juce::String& host, int port) = 0;
    virtual void close() = 0;
    virtual bool isConnected() const = 0;
    virtual bool getConnectResult() const = 0;
    virtual bool write (const void* data, int length) = 0;
    virtual bool write (const std::vector<std::uint8_t>& data) = 0;
    virtual bool readMessage (std::vector<std::uint8_t>& payload) = 0;
};
