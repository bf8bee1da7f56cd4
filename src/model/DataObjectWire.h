#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

class FhAsyncDataWorker;
struct FhAsyncParamData;

namespace Vantu
{
// The data objects' two ways to the device, through the worker's I/O
// processor: a parameter write queued for channel 0, and a whole record sent
// at once on channel 1 (command 0x10). Both false without a worker.
bool pushParameterWrite (FhAsyncDataWorker* worker, std::uint8_t dataType, int argument, int index, int objectId,
                         int value);
bool sendRecordWrite (FhAsyncDataWorker* worker, std::uint8_t dataType, int argument,
                      const std::vector<std::uint8_t>& body);
// A name as the device stores it: upper-cased device text, 16 bytes, zero
// after a shorter name.
void writeDeviceName (const juce::String& name, char (&out)[16]);
} // namespace Vantu
