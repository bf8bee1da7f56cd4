#pragma once

#include "model/VantuDataObject.h"

class FhAsyncDataWorker;

namespace Vantu
{
// The effects block: analog effects, delay, reverb, external input and the
// two effect LFOs. Every change travels as a parameter write of data type 8
// on the effects track (12).
class Fx : public VantuDataObject
{
public:
    static constexpr int fxTrack = 12;

    explicit Fx (FhAsyncDataWorker* worker);
    ~Fx() override;

    // Transmit thread.
    bool sendParameterChange (const juce::Identifier& id, int value) override;
    bool transmitParameter (const juce::Identifier& id) override;

private:
    FhAsyncDataWorker* const worker;
};
} // namespace Vantu
