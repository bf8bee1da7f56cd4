#pragma once

#include "platform/PowerPlanProbe.h"
#include "processor/ProcessorNotifications.h"

#include <atomic>
#include <functional>
#include <memory>

class Clock;
class CommonAudioProcessor;

// The processor's notification inputs, read from the processor, its engine client,
// its data worker, the plug-in state and the global preferences, and from a power
// plan probe. Built with the processor, which it must not outlive. Tests set the
// clock and the probe before the notifications tick.
class ProcessorNotificationSource final : public ProcessorNotificationInputs
{
public:
    using ClockFunction = std::function<double()>;

    explicit ProcessorNotificationSource (CommonAudioProcessor& processor);
    ~ProcessorNotificationSource() override;

    // Message thread: the clock in milliseconds (the processor's clock unless set; the
    // start counts from the clock's value when it is set) and the probe of the power settings.
    void setClock (ClockFunction newClock);
    void setPowerPlanProbe (std::unique_ptr<PowerPlanProbe> newProbe);

    double getMillisecondsSinceStart() const override;
    bool isLogicHost() const override;
    bool isCubaseFamilyHost() const override;
    int getHostBlockSize() const override;
    bool hasHostBufferMismatch() const override;
    bool isBufferSizeNotificationDismissed() const override;
    void dismissBufferSizeNotification() override;
    bool isPowerPlanNotificationDismissed() const override;
    void dismissPowerPlanNotification() override;
    bool isPowerPlanThrottling() const override;
    int getStreamLatency() const override;
    bool hasMessageConnection() const override;
    std::uint32_t getEngineProtocolVersion() const override;
    std::uint64_t getWantedDeviceUid() const override;
    bool isWantedDeviceListed() const override;
    bool isDeviceOpen() const override;
    std::vector<std::uint64_t> getIncompatibleDeviceUids() const override;
    std::optional<juce::String> getDeviceName (std::uint64_t uid) const override;
    int getDeviceProtocolVersion (std::uint64_t uid) const override;
    int getOutstandingDeviceReads() const override;
    std::uint64_t getSelectedDeviceUid() const override;
    bool isAutoSelectDeviceEnabled() const override;

private:
    CommonAudioProcessor& processor;
    void followProcessorClock();

    ClockFunction clock;
    mutable const Clock* followedClock = nullptr;   // the processor's clock while no other is set
    mutable double startMs = 0.0;
    std::unique_ptr<PowerPlanProbe> probe;
};
