#include "engine/EngineMessages.h"

#include <fmt/format.h>

std::string describeDeviceInfo (const DeviceDescription& d)
{
    return fmt::format (", productId: {}, uid: {:x}, name: {}, numberOfAsyncClients: {}, numberOfAudioClients: {}, "
                        "fernhollowProtocolVersion: {}",
                        d.productId, d.uid, d.name.toStdString(), d.numberOfAsyncClients, d.numberOfAudioClients,
                        d.fernhollowProtocolVersion);
}

std::string describeDeviceConnectionData (const DeviceConnectionData& c)
{
    return fmt::format ("pluginAsyncPort: {}, rpcAsyncPort: {}, audioPort: {}, audioStreamId: {}",
                        c.pluginAsyncPort, c.rpcAsyncPort, c.audioPort, c.audioStreamId.toStdString());
}
