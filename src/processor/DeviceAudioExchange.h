#pragma once

#include "realtime/AudioRingSet.h"
#include "realtime/InputRoutingTable.h"

#include <atomic>

// The processor's two audio ring sets and the sidechain routing: the device's outputs
// go towards the host through deviceToHost (written on the shared-memory audio thread,
// read by the host callback), the host's inputs towards the device through
// hostToDevice (written by the host callback, read on the shared-memory audio thread).
class DeviceAudioExchange
{
public:
    static constexpr double kDeviceRate = 48000.0;
    static constexpr int kMaxHostInputsToDevice = 8;

    DeviceAudioExchange() = default;
    DeviceAudioExchange (const DeviceAudioExchange&) = delete;
    DeviceAudioExchange& operator= (const DeviceAudioExchange&) = delete;

    struct Plans
    {
        RingConfiguration deviceToHost;
        RingConfiguration hostToDevice;
    };

    // Any thread: configures both sets for a stream (each applied by its writer before
    // its next write). A margin that a ring's capacity cannot hold is lowered; it is
    // logged at once when logNow is set (never on an audio thread), else kept for
    // logPendingMarginClamp.
    Plans configure (double hostRate, int hostBlock, int deviceBlock, int marginPercent, double ratioDeviceToHost,
                     double ratioHostToDevice, bool logNow);

    // Not an audio thread: logs a lowered margin that an audio thread's configure left.
    void logPendingMarginClamp();

    // Shared-memory audio thread, once per device block: unless released, reads the
    // routed host channels (below hostInputChannels and below 8) into the device inputs
    // and writes the device outputs towards the host. Every device input that no host
    // channel wrote is zeroed, released or not. When two host channels name one device
    // input, the later one wins.
    void exchangeDeviceBlock (const float* const* deviceOutputs, int numDeviceOutputs, float* const* deviceInputs,
                              int numDeviceInputs, int numSamples, double timeStampMs, int hostInputChannels,
                              bool released) noexcept;

    AudioRingSet deviceToHost;
    AudioRingSet hostToDevice;
    InputRoutingTable routing;

private:
    static void logClamp (const RingConfiguration& plan, const char* direction);

    std::atomic<bool> clampPending { false };
    std::atomic<double> pendingRequested { 0.0 };
    std::atomic<double> pendingUsed { 0.0 };
};
