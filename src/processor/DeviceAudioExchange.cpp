#include "processor/DeviceAudioExchange.h"

#include "foundation/Logger.h"

#include <algorithm>
#include <cstring>

DeviceAudioExchange::Plans DeviceAudioExchange::configure (double hostRate, int hostBlock, int deviceBlock,
                                                           int marginPercent, double ratioDeviceToHost,
                                                           double ratioHostToDevice, bool logNow)
{
    Plans plans;
    deviceToHost.configure (kDeviceRate, deviceBlock, hostRate, hostBlock, marginPercent, ratioDeviceToHost,
                            &plans.deviceToHost);
    hostToDevice.configure (hostRate, hostBlock, kDeviceRate, deviceBlock, marginPercent, ratioHostToDevice,
                            &plans.hostToDevice);

    for (const auto* plan : { &plans.deviceToHost, &plans.hostToDevice })
    {
        if (! plan->marginClamped)
            continue;
        if (logNow)
        {
            logClamp (*plan, plan == &plans.deviceToHost ? "device to host" : "host to device");
        }
        else
        {
            pendingRequested.store (plan->requestedMarginPercent, std::memory_order_relaxed);
            pendingUsed.store (plan->marginPercent, std::memory_order_relaxed);
            clampPending.store (true, std::memory_order_release);
        }
    }
    return plans;
}

void DeviceAudioExchange::logClamp (const RingConfiguration& plan, const char* direction)
{
    FH_LOG (spdlog::level::warn,
            "Resampler buffer safety margin {} % does not fit the {} ring of {} samples; {:.1f} % is used",
            plan.requestedMarginPercent, direction, plan.capacity, plan.marginPercent);
}

void DeviceAudioExchange::logPendingMarginClamp()
{
    if (! clampPending.exchange (false, std::memory_order_acq_rel))
        return;
    FH_LOG (spdlog::level::warn, "Resampler buffer safety margin {} % does not fit the rings; {:.1f} % is used",
            pendingRequested.load (std::memory_order_relaxed), pendingUsed.load (std::memory_order_relaxed));
}

void DeviceAudioExchange::exchangeDeviceBlock (const float* const* deviceOutputs, int numDeviceOutputs,
                                               float* const* deviceInputs, int numDeviceInputs, int numSamples,
                                               double timeStampMs, int hostInputChannels, bool released) noexcept
{
    numDeviceInputs = std::clamp (numDeviceInputs, 0, InputRoutingTable::kSize);
    bool written[InputRoutingTable::kSize] {};

    if (! released)
    {
        hostToDevice.prepareRead (timeStampMs, numSamples);
        int channels[kMaxHostInputsToDevice];
        float* targets[kMaxHostInputsToDevice];
        int count = 0;
        const int hostInputs = std::min (hostInputChannels, kMaxHostInputsToDevice);
        for (int h = 0; h < hostInputs; ++h)
        {
            const int d = routing.get (h);
            if (d < 0 || d >= numDeviceInputs || deviceInputs[d] == nullptr)
                continue;
            channels[count] = h;
            targets[count] = deviceInputs[d];
            ++count;
            written[d] = true;
        }
        // One read for all routed channels; a later channel overwrites an earlier one
        // that names the same device input.
        hostToDevice.readChannels (targets, channels, count, numSamples);
        hostToDevice.finishRead();
        deviceToHost.write (timeStampMs, deviceOutputs, numDeviceOutputs, numSamples);
    }

    for (int d = 0; d < numDeviceInputs; ++d)
        if (! written[d] && deviceInputs[d] != nullptr)
            std::memset (deviceInputs[d], 0, sizeof (float) * static_cast<std::size_t> (std::max (numSamples, 0)));
}
