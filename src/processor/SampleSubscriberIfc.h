#pragma once

// Receiver of blocks of samples of one channel from the sample publisher
// (SamplePublisher). Both calls run on the publisher's thread ("SamplePublisher"),
// which serves every meter: keep them short.
class SampleSubscriberIfc
{
public:
    virtual ~SampleSubscriberIfc() = default;

    // A block of samples of the subscribed channel.
    virtual void newSamples (const float* samples, int numSamples) = 0;

    // The channel's read delay, after subscribing and whenever it changes.
    virtual void delayChanged (int /*delaySamples*/) {}
};
