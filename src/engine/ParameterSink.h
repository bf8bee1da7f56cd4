#pragma once

#include "engine/FhAsyncDataHeader.h"

#include <cstdint>

// Where the data objects' writes go: the narrow side of the I/O processor that
// the device model sees.
class ParameterSink
{
public:
    virtual ~ParameterSink() = default;

    // Queues a parameter write for channel 0; writes to one parameter that meet
    // in the queue are merged (the latest value goes out). False when the queue
    // is full. Any thread except the audio thread (the data objects' transmit threads).
    virtual bool pushParameterChange (std::uint8_t dataType, int argument, const FhAsyncParamData& data) = 0;

    // Sends a whole record at once on channel 1 (a write, command 0x10). False
    // when it could not be written. Any thread.
    virtual bool sendRecordWrite (std::uint8_t dataType, int argument, const std::uint8_t* body, int length) = 0;
};
