#include "model/DeviceCommandSender.h"

#include "engine/AsyncDataType.h"
#include "engine/AsyncIoProcessor.h"
#include "foundation/Logger.h"
#include "model/SoundListingEntries.h"

#include <limits>


namespace Vantu
{
namespace
{
const char* areaName (DeviceCommandSender::Area area)
{
    return area == DeviceCommandSender::Area::soundPool ? "sound pool position" : "sound library slot";
}

DeviceCommandSender::Area otherArea (DeviceCommandSender::Area area)
{
    return area == DeviceCommandSender::Area::soundPool ? DeviceCommandSender::Area::soundLibrary
                                                        : DeviceCommandSender::Area::soundPool;
}

bool refuse (const char* what, DeviceCommandSender::Area area, int track, int index)
{
    FH_LOG (spdlog::level::err, "Sound {} not sent: track {} / {} {} does not exist", what, track, areaName (area), index);
    return false;
}
} // namespace

bool DeviceCommandSender::isValidIndex (Area area, int index) noexcept
{
    const int size = area == Area::soundPool ? SoundListing::poolSize : SoundListing::librarySize;
    return index >= 0 && index < size;
}

bool DeviceCommandSender::saveSound (Area area, int track, int index)
{
    if (! isValidTrack (track) || ! isValidIndex (area, index))
        return refuse ("save", area, track, index);
    return sendWords (AsyncCommand::poolSave, area, (std::uint32_t) track, (std::uint32_t) index);
}

bool DeviceCommandSender::loadSound (Area area, int track, int index)
{
    if (! isValidTrack (track) || ! isValidIndex (area, index))
        return refuse ("load", area, track, index);
    return sendWords (AsyncCommand::poolLoad, area, (std::uint32_t) index, (std::uint32_t) track);
}

bool DeviceCommandSender::copySound (Area sourceArea, int sourceIndex, int destinationIndex)
{
    if (! isValidIndex (sourceArea, sourceIndex))
        return refuse ("copy", sourceArea, -1, sourceIndex);
    if (! isValidIndex (otherArea (sourceArea), destinationIndex))
        return refuse ("copy", otherArea (sourceArea), -1, destinationIndex);
    return sendWords (AsyncCommand::poolCopy, sourceArea, (std::uint32_t) sourceIndex, (std::uint32_t) destinationIndex);
}

bool DeviceCommandSender::removeSound (Area area, int index)
{
    if (! isValidIndex (area, index))
        return refuse ("removal", area, -1, index);
    return ioProcessor.getChannel1().sendHeaderOnly (ioProcessor.takeSequenceNumber(), (std::uint8_t) area,
                                                     (std::uint16_t) index);
}

void DeviceCommandSender::sendTotalRecallCommand (const TotalRecallCommand& command)
{
    const auto id = (std::uint32_t) command.sessionId;
    const std::uint8_t payload[5] { command.commandType, (std::uint8_t) (id >> 24), (std::uint8_t) (id >> 16),
                                    (std::uint8_t) (id >> 8), (std::uint8_t) id };
    ioProcessor.getChannel1().send (ioProcessor.takeSequenceNumber(), AsyncCommand::totalRecall, 0, 0, payload,
                                    (int) sizeof (payload));
}

bool DeviceCommandSender::sendProjectImage (const void* data, std::size_t size)
{
    if (data == nullptr || size == 0 || size > (std::size_t) std::numeric_limits<int>::max())
        return false;
    return ioProcessor.getChannel1().send (ioProcessor.takeSequenceNumber(), AsyncCommand::write, AsyncDataType::totalRecallImage, 0,
                                           static_cast<const std::uint8_t*> (data), (int) size);
}

bool DeviceCommandSender::sendWords (std::uint8_t command, Area area, std::uint32_t first, std::uint32_t second)
{
    return ioProcessor.getChannel1().sendU32Pair (ioProcessor.takeSequenceNumber(), command, (std::uint8_t) area, 0,
                                                  first, second);
}
} // namespace Vantu
