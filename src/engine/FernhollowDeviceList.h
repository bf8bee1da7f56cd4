#pragma once

#include "engine/EngineMessages.h"
#include "engine/RemoteIpcMessageConnectionIfc.h"
#include "foundation/SafeChangeBroadcaster.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

// The devices of the supported products that the engine reports. Every refresh ends
// with a change message (empty text), delivered on the message thread.
class FernhollowDeviceList : public SafeChangeBroadcaster
{
public:
    static constexpr std::uint16_t kRequiredDeviceProtocolVersion = 125;

    explicit FernhollowDeviceList (std::set<int> supportedProductIds);

    // Takes effect only the first time.
    void setMessageConnection (std::shared_ptr<RemoteIpcMessageConnectionIfc> connection);

    // Fetches the list and then always broadcasts (the device client's job thread).
    // Returns what the fetch returned.
    bool refresh();
    // False without a message channel or when the request fails; the table then stays.
    bool fetchDeviceList();

    std::vector<std::uint64_t> getDeviceUids() const;
    std::vector<std::uint64_t> getIncompatibleDeviceUids() const;
    std::optional<juce::String> getDeviceName (std::uint64_t uid) const;
    std::uint16_t getNumberOfAudioClients (std::uint64_t uid) const;
    bool hasDevice (std::uint64_t uid) const;
    std::uint16_t getProtocolVersion (std::uint64_t uid) const;
    std::uint16_t getRequiredProtocolVersion() const { return kRequiredDeviceProtocolVersion; }
    // The product id of a listed device, 0 when it is not listed.
    std::int32_t getProductId (std::uint64_t uid) const;
    std::vector<std::string> getDeviceDescriptions() const;

private:
    mutable std::mutex mutex;
    const std::set<int> supportedProductIds;
    std::unordered_map<std::uint64_t, DeviceDescription> devices;
    std::shared_ptr<RemoteIpcMessageConnectionIfc> messageConnection;
    std::atomic<bool> connectionHandedOver { false };
};
