#include "processor/DeviceAudioExchange.h"

#include "support/AudioThreadChecks.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
constexpr int kBlock = 128;
constexpr double kPeriodMs = 1000.0 * kBlock / 48000.0;
constexpr int kDeviceInputs = 12;

struct RoutingCase
{
    const char* name;
    std::vector<std::pair<int, int>> routing;   // changes to the identity
    int hostInputChannels;
    bool released;
    std::array<float, kDeviceInputs> expected;  // what each device input holds; host channel h carries h + 1
};

class DeviceAudioExchangeRouting : public ::testing::TestWithParam<RoutingCase>
{
};
} // namespace

// The host writes twelve channels (channel h holding h + 1) at 48 kHz; the device reads
// them into its inputs a third of a block later, as the routing says.
TEST_P (DeviceAudioExchangeRouting, DeviceInputsHoldTheRoutedHostChannelsOrSilence)
{
    const auto& c = GetParam();
    auto exchange = std::make_unique<DeviceAudioExchange>();
    for (const auto& [host, device] : c.routing)
        ASSERT_TRUE (exchange->routing.set (host, device));
    exchange->configure (48000.0, kBlock, kBlock, 100, 1.0, 1.0, true);

    std::vector<std::vector<float>> host (12, std::vector<float> (kBlock));
    std::vector<const float*> hostChannels;
    for (int h = 0; h < 12; ++h)
    {
        host[static_cast<std::size_t> (h)].assign (kBlock, static_cast<float> (h + 1));
        hostChannels.push_back (host[static_cast<std::size_t> (h)].data());
    }
    std::vector<std::vector<float>> device (kDeviceInputs, std::vector<float> (kBlock));
    std::vector<float*> deviceInputs;
    for (auto& d : device)
        deviceInputs.push_back (d.data());
    std::vector<float> deviceOutput (kBlock, 0.5f);
    const float* deviceOutputs[] = { deviceOutput.data() };

    double now = 5000.0;
    const fhtest::ScopedAudioThread audioThread;   // both sides of the exchange run as audio threads here
    for (int block = 0; block < 400; ++block)
    {
        exchange->hostToDevice.write (now, hostChannels.data(), c.hostInputChannels, kBlock);
        for (auto& d : device)
            d.assign (kBlock, 99.0f);   // stale samples from the last block
        exchange->exchangeDeviceBlock (deviceOutputs, 1, deviceInputs.data(), kDeviceInputs, kBlock,
                                       now + kPeriodMs / 3.0, c.hostInputChannels, c.released);
        now += kPeriodMs;
    }
    EXPECT_EQ (audioThread.calls().total(), 0u) << "no heap call and no blocking wait";

    for (int d = 0; d < kDeviceInputs; ++d)
        for (float v : device[static_cast<std::size_t> (d)])
            ASSERT_NEAR (v, c.expected[static_cast<std::size_t> (d)], 1e-5f) << "device input " << d;
    EXPECT_EQ (exchange->deviceToHost.getSamplesWritten() > 0, ! c.released);
}

INSTANTIATE_TEST_SUITE_P (
    Cases, DeviceAudioExchangeRouting,
    ::testing::Values (
        RoutingCase { "IdentityEightHostInputs", {}, 8, false, { 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0 } },
        RoutingCase { "HostChannelsFromEightOnNeverReachTheDevice", {}, 12, false, { 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0 } },
        RoutingCase { "TwoHostInputsOnOneDeviceInputTheLaterWins", { { 2, 5 }, { 6, 5 } }, 8, false,
                      { 1, 2, 0, 4, 5, 7, 0, 8, 0, 0, 0, 0 } },
        RoutingCase { "UnroutedHostInputs", { { 0, -1 }, { 1, -1 } }, 8, false, { 0, 0, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0 } },
        RoutingCase { "FewerHostInputsThanRoutes", {}, 2, false, { 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
        RoutingCase { "MovedToALaterInput", { { 0, 11 } }, 8, false, { 0, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 1 } },
        RoutingCase { "ReleasedLeavesTheRingsAloneAndZeroesEveryInput", {}, 8, true, {} }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST (DeviceAudioExchange, AMarginTheRingsCannotHoldIsLoweredAndLoggedOffTheAudioThread)
{
    auto exchange = std::make_unique<DeviceAudioExchange>();
    {
        fhtest::ScopedLogCapture log;
        const auto plans = exchange->configure (11025.0, 8192, 512, 1000, 1.0, 1.0, true);
        EXPECT_TRUE (plans.deviceToHost.marginClamped);
        EXPECT_TRUE (plans.hostToDevice.marginClamped);
        EXPECT_LT (plans.deviceToHost.marginPercent, 1000.0);
        EXPECT_EQ (plans.deviceToHost.capacity, RingConfiguration::kMaxCapacity);
        EXPECT_EQ (log.count ("does not fit the device to host ring of 262144 samples"), 1);
        EXPECT_EQ (log.count ("does not fit the host to device ring"), 1);
    }
    {
        // From an audio thread: nothing is logged there; the next call from another thread logs it once.
        fhtest::ScopedLogCapture log;
        exchange->configure (11025.0, 8192, 512, 1000, 1.0, 1.0, false);
        EXPECT_EQ (log.count ("Resampler buffer safety margin"), 0);
        exchange->logPendingMarginClamp();
        exchange->logPendingMarginClamp();
        EXPECT_EQ (log.count ("Resampler buffer safety margin 1000 % does not fit the rings"), 1);
    }
    {
        fhtest::ScopedLogCapture log;
        exchange->configure (44100.0, 512, 128, 1000, 1.0, 1.0, true);
        exchange->logPendingMarginClamp();
        EXPECT_EQ (log.count ("Resampler buffer safety margin"), 0);
    }
}
