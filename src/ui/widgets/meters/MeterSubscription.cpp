#include "ui/widgets/meters/MeterSubscription.h"

namespace
{
// Deletes the meter on the message thread, also when the publisher's thread
// drops the last reference.
void deleteOnMessageThread (PlainVerticalLevelMeter* meter)
{
    if (juce::MessageManager::existsAndIsCurrentThread())
        delete meter;
    else
        juce::MessageManager::callAsync ([meter] { delete meter; });
}
} // namespace

MeterSubscription::MeterSubscription (SamplePublisher* publisherToUse, int busToUse, int channelToUse)
    : publisher (publisherToUse),
      bus (busToUse),
      channel (channelToUse),
      meter (new PlainVerticalLevelMeter(), deleteOnMessageThread)
{
    meter->dbScale = true;
    meter->backgroundColour = juce::Colour (stripBackground);
    if (publisher != nullptr)
        publisher->addSubscriber (bus, channel, meter);
}

MeterSubscription::~MeterSubscription()
{
    if (publisher != nullptr)
        publisher->removeSubscriber (meter);
    if (auto* parent = meter->getParentComponent())
        parent->removeChildComponent (meter.get());
}
