#pragma once

#include "processor/SamplePublisher.h"
#include "ui/widgets/meters/PlainLevelMeter.h"

#include <memory>

// A vertical level meter that its owner shows, subscribed to one channel of
// the sample publisher's output row under (bus, channel) for the life of this
// object. The publisher keeps only a weak reference and may briefly hold the
// meter on its own thread, so the meter is always deleted on the message
// thread. Without a publisher the meter simply stays at rest. Message thread.
class MeterSubscription
{
public:
    // The meter as the mixer strips set it up: dB scale, background 0xff2b2b2b.
    static constexpr juce::uint32 stripBackground = 0xFF2B2B2B;

    MeterSubscription (SamplePublisher* publisher, int bus, int channel);
    ~MeterSubscription();

    PlainVerticalLevelMeter& getMeter() const { return *meter; }
    std::weak_ptr<SampleSubscriberIfc> getSubscriber() const { return meter; }
    int getBus() const { return bus; }
    int getChannel() const { return channel; }

private:
    SamplePublisher* const publisher;
    const int bus;
    const int channel;
    std::shared_ptr<PlainVerticalLevelMeter> meter;

    JUCE_DECLARE_NON_COPYABLE (MeterSubscription)
};
