#include "engine/EngineMessages.h"

#include <fmt/format.h>

std::string escapeControlCharacters (const juce::String& text)
{
    std::string out;
    for (auto c : text)
    {
        if (c < 0x20 || (c >= 0x7f && c < 0xa0))
            out += fmt::format ("\\x{:02x}", static_cast<unsigned> (c));
        else
            out += juce::String::charToString (c).toStdString();
    }
    return out;
}

std::string describeDeviceInfo (const DeviceDescription& d)
{
    // The name comes from the engine: it reaches log files and the console escaped.
    return fmt::format (", productId: {}, uid: {:x}, name: {}, numberOfAsyncClients: {}, numberOfAudioClients: {}, "
                        "fernhollowProtocolVersion: {}",
                        d.productId, d.uid, escapeControlCharacters (d.name), d.numberOfAsyncClients,
                        d.numberOfAudioClients, d.fernhollowProtocolVersion);
}

std::string describeDeviceConnectionData (const DeviceConnectionData& c)
{
    return fmt::format ("pluginAsyncPort: {}, rpcAsyncPort: {}, audioPort: {}, audioStreamId: {}",
                        c.pluginAsyncPort, c.rpcAsyncPort, c.audioPort, escapeControlCharacters (c.audioStreamId));
}
