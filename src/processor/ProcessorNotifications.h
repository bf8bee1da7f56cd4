#pragma once

#include "foundation/Notification.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What the processor's notifications look at. Every read is one value of state that
// other threads write; the notifications read it on the message thread.
class ProcessorNotificationInputs
{
public:
    virtual ~ProcessorNotificationInputs();

    // Since the processor was built.
    virtual double getMillisecondsSinceStart() const = 0;

    virtual bool isLogicHost() const = 0;
    virtual bool isCubaseFamilyHost() const = 0;
    // The host block size as last prepared, and whether a Cubase-family host sent
    // blocks of another size since.
    virtual int getHostBlockSize() const = 0;
    virtual bool hasHostBufferMismatch() const = 0;

    virtual bool isBufferSizeNotificationDismissed() const = 0;
    virtual void dismissBufferSizeNotification() = 0;
    virtual bool isPowerPlanNotificationDismissed() const = 0;
    virtual void dismissPowerPlanNotification() = 0;
    // True when the power settings let the processor clock down (false when they cannot tell).
    virtual bool isPowerPlanThrottling() const = 0;

    // The engine and its devices.
    virtual int getStreamLatency() const = 0;
    virtual bool hasMessageConnection() const = 0;
    virtual std::uint32_t getEngineProtocolVersion() const = 0;
    virtual std::uint64_t getWantedDeviceUid() const = 0;
    virtual bool isWantedDeviceListed() const = 0;
    virtual bool isDeviceOpen() const = 0;
    virtual std::vector<std::uint64_t> getIncompatibleDeviceUids() const = 0;
    virtual std::optional<juce::String> getDeviceName (std::uint64_t uid) const = 0;
    virtual int getDeviceProtocolVersion (std::uint64_t uid) const = 0;
    virtual int getOutstandingDeviceReads() const = 0;

    // The plug-in state's device choice.
    virtual std::uint64_t getSelectedDeviceUid() const = 0;
    virtual bool isAutoSelectDeviceEnabled() const = 0;

private:
    friend class juce::WeakReference<ProcessorNotificationInputs>;
    juce::WeakReference<ProcessorNotificationInputs>::Master masterReference;

protected:
    // A derived class calls it first in its destructor: the notifications then see
    // the inputs as gone.
    void clearWeakReferences() { masterReference.clear(); }
};

// The process-wide flags of the "Synchronizing" notification: it shows once per
// device open, for the first instance whose device reads are outstanding. Message
// thread only.
struct SynchronizingFlags
{
    bool shownOnce = false;
    bool showing = false;

    static SynchronizingFlags& processWide();
};

// The processor's ten notifications in creation order: buffer size, power plan,
// engine problem, no engine, engine protocol, device disconnected, incompatible
// device, no device selected, auto-select, synchronizing. All are kept while hidden;
// their timer functions decide when they show. They hold the inputs weakly: once the
// inputs are gone a text reads "ERROR" and a timer function hides its notification.
std::vector<std::shared_ptr<Notification>> makeProcessorNotifications (
    ProcessorNotificationInputs& inputs, SynchronizingFlags& flags = SynchronizingFlags::processWide());
