#include "processor/ProcessorNotificationSource.h"

#include "processor/CommonAudioProcessor.h"

ProcessorNotificationSource::ProcessorNotificationSource (CommonAudioProcessor& processorToUse)
    : processor (processorToUse), probe (std::make_unique<LinuxPowerPlanProbe>())
{
    followProcessorClock();
}

ProcessorNotificationSource::~ProcessorNotificationSource()
{
    clearWeakReferences();
}

void ProcessorNotificationSource::setClock (ClockFunction newClock)
{
    clock = std::move (newClock);
    followedClock = nullptr;
    startMs = clock();
}

void ProcessorNotificationSource::followProcessorClock()
{
    followedClock = &processor.getClock();
    clock = [this] { return processor.getClock().nowMs(); };
    startMs = followedClock->nowMs();
}

void ProcessorNotificationSource::setPowerPlanProbe (std::unique_ptr<PowerPlanProbe> newProbe)
{
    probe = std::move (newProbe);
}

double ProcessorNotificationSource::getMillisecondsSinceStart() const
{
    // A clock given to the processor later (tests drive one) counts from when it came.
    if (followedClock != nullptr && followedClock != &processor.getClock())
    {
        followedClock = &processor.getClock();
        startMs = followedClock->nowMs();
    }
    return clock() - startMs;
}
bool ProcessorNotificationSource::isLogicHost() const { return processor.getHostContext().host().isLogic(); }
bool ProcessorNotificationSource::isCubaseFamilyHost() const { return processor.isHostCubaseFamily(); }
int ProcessorNotificationSource::getHostBlockSize() const { return processor.getHostBlockSize(); }
bool ProcessorNotificationSource::hasHostBufferMismatch() const { return processor.hasHostBufferMismatch(); }

bool ProcessorNotificationSource::isBufferSizeNotificationDismissed() const
{
    return processor.getGlobalPreferences()->getBufferSizeNotificationDismissed();
}

void ProcessorNotificationSource::dismissBufferSizeNotification()
{
    processor.getGlobalPreferences()->setBufferSizeNotificationDismissed (true);
}

bool ProcessorNotificationSource::isPowerPlanNotificationDismissed() const
{
    return processor.getGlobalPreferences()->getWindowsPowerPlanNotificationDismissed();
}

void ProcessorNotificationSource::dismissPowerPlanNotification()
{
    processor.getGlobalPreferences()->setWindowsPowerPlanNotificationDismissed (true);
}

bool ProcessorNotificationSource::isPowerPlanThrottling() const
{
    return probe != nullptr && probe->read().throttling.value_or (false);
}

int ProcessorNotificationSource::getStreamLatency() const { return processor.getEngineClient().getStreamValue2(); }

bool ProcessorNotificationSource::hasMessageConnection() const
{
    return processor.getEngineClient().getMessageConnection() != nullptr;
}

std::uint32_t ProcessorNotificationSource::getEngineProtocolVersion() const
{
    const auto connection = processor.getEngineClient().getMessageConnection();
    return connection != nullptr ? connection->getProtocolVersion() : 0;
}

std::uint64_t ProcessorNotificationSource::getWantedDeviceUid() const
{
    return processor.getEngineClient().getSelectedDeviceUid();
}

bool ProcessorNotificationSource::isWantedDeviceListed() const
{
    return processor.getEngineClient().isSelectedDeviceListed();
}

bool ProcessorNotificationSource::isDeviceOpen() const { return processor.getEngineClient().isDeviceOpen(); }

std::vector<std::uint64_t> ProcessorNotificationSource::getIncompatibleDeviceUids() const
{
    const auto list = processor.getEngineClient().getDeviceList();
    return list != nullptr ? list->getIncompatibleDeviceUids() : std::vector<std::uint64_t> {};
}

std::optional<juce::String> ProcessorNotificationSource::getDeviceName (std::uint64_t uid) const
{
    const auto list = processor.getEngineClient().getDeviceList();
    return list != nullptr ? list->getDeviceName (uid) : std::nullopt;
}

int ProcessorNotificationSource::getDeviceProtocolVersion (std::uint64_t uid) const
{
    const auto list = processor.getEngineClient().getDeviceList();
    return list != nullptr ? list->getProtocolVersion (uid) : 0;
}

int ProcessorNotificationSource::getOutstandingDeviceReads() const
{
    return processor.getAsyncDataWorker().pendingRequestCount();
}

std::uint64_t ProcessorNotificationSource::getSelectedDeviceUid() const
{
    return static_cast<std::uint64_t> (processor.getPluginState()->getSelectedDeviceUid());
}

bool ProcessorNotificationSource::isAutoSelectDeviceEnabled() const
{
    return processor.getPluginState()->isAutoSelectDeviceEnabled();
}
