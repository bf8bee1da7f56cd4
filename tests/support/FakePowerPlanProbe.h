#pragma once

#include "platform/PowerPlanProbe.h"

#include <atomic>
#include <memory>

namespace fhtest
{
// A power-plan probe that reports what a test tells it (shared, so the test keeps
// a handle after handing the probe over).
class FakePowerPlanProbe final : public PowerPlanProbe
{
public:
    struct Answer
    {
        std::atomic<int> throttling { 0 };   // -1 unknown, 0 no, 1 yes
        std::atomic<int> source { 0 };
    };

    explicit FakePowerPlanProbe (std::shared_ptr<Answer> answerToUse) : answer (std::move (answerToUse)) {}

    Reading read() const override
    {
        Reading reading;
        reading.source = static_cast<PowerSource> (answer->source.load());
        if (answer->throttling.load() >= 0)
            reading.throttling = answer->throttling.load() != 0;
        return reading;
    }

private:
    std::shared_ptr<Answer> answer;
};
} // namespace fhtest
