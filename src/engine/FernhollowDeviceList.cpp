#include "engine/FernhollowDeviceList.h"

FernhollowDeviceList::FernhollowDeviceList (std::set<int> ids) : supportedProductIds (std::move (ids)) {}

void FernhollowDeviceList::setMessageConnection (std::shared_ptr<RemoteIpcMessageConnectionIfc> connection)
{
    std::lock_guard lock (mutex);
    if (connectionHandedOver.load())
        return;
    messageConnection = std::move (connection);
    connectionHandedOver = true;
}

bool FernhollowDeviceList::refresh()
{
    const bool fetched = fetchDeviceList();
    sendChangeMessage (juce::String());
    return fetched;
}

bool FernhollowDeviceList::fetchDeviceList()
{
    std::shared_ptr<RemoteIpcMessageConnectionIfc> connection;
    {
        std::lock_guard lock (mutex);
        connection = messageConnection;
    }
    if (connection == nullptr)
        return false;

    std::vector<DeviceDescription> received;
    if (! connection->requestDeviceList (received))
        return false;

    std::lock_guard lock (mutex);
    devices.clear();
    for (auto& d : received)
        if (supportedProductIds.count (d.productId) > 0)
            devices[d.uid] = std::move (d);
    return true;
}

std::vector<std::uint64_t> FernhollowDeviceList::getDeviceUids() const
{
    std::lock_guard lock (mutex);
    std::vector<std::uint64_t> uids;
    for (auto& [uid, d] : devices)
        uids.push_back (uid);
    return uids;
}

std::vector<std::uint64_t> FernhollowDeviceList::getIncompatibleDeviceUids() const
{
    std::lock_guard lock (mutex);
    std::vector<std::uint64_t> uids;
    for (auto& [uid, d] : devices)
        if (d.fernhollowProtocolVersion != kRequiredDeviceProtocolVersion)
            uids.push_back (uid);
    return uids;
}

std::optional<juce::String> FernhollowDeviceList::getDeviceName (std::uint64_t uid) const
{
    std::lock_guard lock (mutex);
    if (auto it = devices.find (uid); it != devices.end())
        return it->second.name;
    return std::nullopt;
}

std::uint16_t FernhollowDeviceList::getNumberOfAudioClients (std::uint64_t uid) const
{
    std::lock_guard lock (mutex);
    auto it = devices.find (uid);
    return it != devices.end() ? it->second.numberOfAudioClients : 0;
}

bool FernhollowDeviceList::hasDevice (std::uint64_t uid) const
{
    std::lock_guard lock (mutex);
    return devices.count (uid) > 0;
}

std::uint16_t FernhollowDeviceList::getProtocolVersion (std::uint64_t uid) const
{
    std::lock_guard lock (mutex);
    auto it = devices.find (uid);
    return it != devices.end() ? it->second.fernhollowProtocolVersion : 0;
}

std::int32_t FernhollowDeviceList::getProductId (std::uint64_t uid) const
{
    std::lock_guard lock (mutex);
    auto it = devices.find (uid);
    return it != devices.end() ? it->second.productId : 0;
}

std::vector<std::string> FernhollowDeviceList::getDeviceDescriptions() const
{
    std::lock_guard lock (mutex);
    std::vector<std::string> texts;
    for (auto& [uid, d] : devices)
        texts.push_back (describeDeviceInfo (d));
    return texts;
}
