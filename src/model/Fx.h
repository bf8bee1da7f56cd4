#pragma once

#include "model/VantuDataObject.h"

class ParameterSink;

namespace Vantu
{
// The effects block: analog effects, delay, reverb, external input and the
// two effect LFOs. Every change travels as a parameter write of data type 8
// on the effects track (12).
class Fx : public VantuDataObject
{
public:
    static constexpr int fxTrack = 12;

    explicit Fx (ParameterSink* sink);
    ~Fx() override;

    // Transmit thread.
    bool transmitParameter (const juce::Identifier& id) override;
};
} // namespace Vantu
