#pragma once

#include "model/TotalRecallCommand.h"

#include <cstddef>
#include <cstdint>

class AsyncIoProcessor;

namespace Vantu
{
// Sends the sound pool, sound library and total-recall commands and the project image on channel 1 of
// the I/O processor, each with the next number of its sequence counter. Any
// thread; channel 1 keeps whole transactions apart. Commands naming a track,
// pool position or library slot that does not exist are logged and not sent.
class DeviceCommandSender
{
public:
    // The storage area that a pool/library command names in its sub-type.
    enum class Area : std::uint8_t
    {
        soundPool = 30,
        soundLibrary = 32
    };

    explicit DeviceCommandSender (AsyncIoProcessor& ioProcessorToUse) : ioProcessor (ioProcessorToUse) {}

    // True when the transaction was written.
    bool saveSound (Area area, int track, int index);
    bool loadSound (Area area, int track, int index);
    bool copySound (Area sourceArea, int sourceIndex, int destinationIndex);
    bool removeSound (Area area, int index);

    // The result is not reported (the device answers with a new state).
    void sendTotalRecallCommand (const TotalRecallCommand& command);

    // The project image as one record write (total-recall image, 27), compressed by
    // the channel when it is long. True when the transaction was written.
    bool sendProjectImage (const void* data, std::size_t size);

    static bool isValidIndex (Area area, int index) noexcept;
    static bool isValidTrack (int track) noexcept { return track >= 0 && track < 12; }

private:
    bool sendWords (std::uint8_t command, Area area, std::uint32_t first, std::uint32_t second);

    AsyncIoProcessor& ioProcessor;
};
} // namespace Vantu
