#pragma once

#include "foundation/Logger.h"

#include <juce_core/juce_core.h>

#include <chrono>
#include <exception>
#include <functional>
#include <future>

namespace Vantu
{
// The common body of the update jobs, on the job pool's thread: waits for the
// read's answer in one-second slices (so that a stopping pool gets its thread
// back within about a second, with nothing applied), then takes the result and
// hands it to `handle`. An error stored in the future or thrown by `handle` is
// logged and reported through `failure`; a read the worker gave up (its
// broken promise: the worker has said why) or dropped when the device closed
// ends the job quietly.
template <typename Result, typename Handle>
void runUpdateJob (juce::ThreadPoolJob* job, std::future<Result> future, Handle&& handle,
                   std::function<void()> failure = {})
{
    if (future.valid())
    {
        while (! (job != nullptr && job->shouldExit())
               && future.wait_for (std::chrono::seconds (1)) != std::future_status::ready)
        {
        }

        if (! (job != nullptr && job->shouldExit()))
        {
            try
            {
                Result result = future.get();
                handle (result);
            }
            catch (const std::future_error& e)
            {
                const bool givenUp = e.code() == std::make_error_condition (std::future_errc::broken_promise);
                FH_LOG (givenUp ? spdlog::level::debug : spdlog::level::err, "Error: {}", e.what());
                if (failure)
                    failure();
            }
            catch (const std::exception& e)
            {
                FH_LOG (spdlog::level::err, "Error: {}", e.what());
                if (failure)
                    failure();
            }
            catch (...)
            {
                FH_LOG (spdlog::level::err, "Unexpected exception!");
                if (failure)
                    failure();
            }
        }
    }
    failure = nullptr;
}
} // namespace Vantu
