#pragma once

#include "engine/IpcSocketConnection.h"

#include <memory>

// The audio-signalling connection of a device: held open while the device is
// open so that the engine keeps the audio port. Its thread is not started; if
// it were, it would read and discard frames.
class IpcAudioConnectionSignalling : public IpcSocketConnection
{
public:
    explicit IpcAudioConnectionSignalling (std::unique_ptr<IpcSocket> socket);
    ~IpcAudioConnectionSignalling() override;

protected:
    void frameReceived (std::vector<std::uint8_t>&) override {}
};
