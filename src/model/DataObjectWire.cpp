#include "model/DataObjectWire.h"

#include "engine/FhAsyncDataWorker.h"
#include "model/DeviceText.h"

#include <cstring>

namespace Vantu
{
bool pushParameterWrite (FhAsyncDataWorker* worker, std::uint8_t dataType, int argument, int index, int objectId,
                         int value)
{
    if (worker == nullptr)
        return false;
    const FhAsyncParamData data { static_cast<std::uint16_t> (index), static_cast<std::uint16_t> (objectId),
                                  static_cast<std::uint16_t> (value) };
    return worker->getIoProcessor().pushParameterChange (dataType, argument, data);
}

bool sendRecordWrite (FhAsyncDataWorker* worker, std::uint8_t dataType, int argument,
                      const std::vector<std::uint8_t>& body)
{
    if (worker == nullptr)
        return false;
    auto& io = worker->getIoProcessor();
    const auto sequence = io.takeSequenceNumber();
    const bool sent = io.getChannel1().send (sequence, AsyncCommand::write, dataType, static_cast<std::uint16_t> (argument),
                                             body.data(), static_cast<int> (body.size()));
    worker->notify();
    return sent;
}

void writeDeviceName (const juce::String& name, char (&out)[16])
{
    std::memset (out, 0, sizeof (out));
    const auto bytes = encodeDeviceText (name.toUpperCase());
    std::memcpy (out, bytes.data(), std::min<std::size_t> (bytes.size(), sizeof (out)));
}
} // namespace Vantu
