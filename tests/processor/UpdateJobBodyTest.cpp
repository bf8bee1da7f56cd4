#include "model/UpdateJobBody.h"
#include "processor/DeviceOpenSequence.h"
#include "processor/ProcessorJobPool.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace
{
struct Outcome
{
    std::promise<void> finished;
    std::atomic<int> handled { -1 };
    std::atomic<int> failures { 0 };
};

// Posts one update job waiting on the given future; returns when it was accepted.
bool postJob (ProcessorJobPool& pool, std::future<std::shared_ptr<int>> future,
              Outcome& outcome, bool throwInHandler = false)
{
    auto shared = std::make_shared<std::future<std::shared_ptr<int>>> (std::move (future));
    return pool.addJob ("UpdateKit", [shared, &outcome, throwInHandler] (juce::ThreadPoolJob* job) {
        Vantu::runUpdateJob (
            job, std::move (*shared),
            [&] (std::shared_ptr<int>& result) {
                if (throwInHandler)
                    throw 42;
                outcome.handled = result ? *result : 0;
            },
            [&] { ++outcome.failures; });
        outcome.finished.set_value();
    });
}

bool finishes (Outcome& o) { return o.finished.get_future().wait_for (10s) == std::future_status::ready; }

struct RecordingDevice
{
    void updateKit() { calls.push_back ("UpdateKit"); }
    void updateSound (int t) { calls.push_back ("UpdateSound " + std::to_string (t)); }
    void updateSoundSetup (int t) { calls.push_back ("UpdateSoundSetup " + std::to_string (t)); }
    void updateSettings() { calls.push_back ("UpdateSettings"); }
    void updateSoundPool() { calls.push_back ("UpdateSoundPool"); }
    void updateSoundLibrary (int b) { calls.push_back ("UpdateSoundLibrary " + std::to_string (b)); }
    void updatePatternSettings() { calls.push_back ("UpdatePatternSettings"); }
    std::vector<std::string> calls;
};
} // namespace

TEST (UpdateJobBody, AnswerIsHandedOnAndAnEmptyAnswerToo)
{
    fhtest::ScopedLogCapture log;
    Outcome a, b;
    ProcessorJobPool pool (2);
    std::promise<std::shared_ptr<int>> pa, pb;
    ASSERT_TRUE (postJob (pool, pa.get_future(), a));
    ASSERT_TRUE (postJob (pool, pb.get_future(), b));
    pa.set_value (std::make_shared<int> (7));
    pb.set_value (nullptr);
    ASSERT_TRUE (finishes (a));
    ASSERT_TRUE (finishes (b));
    EXPECT_EQ (a.handled, 7);
    EXPECT_EQ (b.handled, 0);
    EXPECT_EQ (a.failures + b.failures, 0);
    EXPECT_FALSE (log.contains ("Error"));
}

TEST (UpdateJobBody, AbandonedReadAndUnexpectedExceptionsAreLoggedAndReported)
{
    fhtest::ScopedLogCapture log;
    Outcome abandoned, odd;
    ProcessorJobPool pool (2);
    {
        std::promise<std::shared_ptr<int>> dropped;
        ASSERT_TRUE (postJob (pool, dropped.get_future(), abandoned));
    }   // broken promise
    std::promise<std::shared_ptr<int>> po;
    ASSERT_TRUE (postJob (pool, po.get_future(), odd, true));
    po.set_value (std::make_shared<int> (1));

    ASSERT_TRUE (finishes (abandoned));
    ASSERT_TRUE (finishes (odd));
    EXPECT_EQ (abandoned.failures, 1);
    EXPECT_EQ (odd.failures, 1);
    EXPECT_EQ (abandoned.handled, -1);
    EXPECT_EQ (log.count ("Error: "), 1);
    EXPECT_EQ (log.count ("Unexpected exception!"), 1);
}

TEST (UpdateJobBody, StoppingThePoolEndsAWaitingJobWithoutApplyingOrLogging)
{
    fhtest::ScopedLogCapture log;
    Outcome waiting;
    std::promise<std::shared_ptr<int>> never;
    {
        ProcessorJobPool pool (1);
        ASSERT_TRUE (postJob (pool, never.get_future(), waiting));
        std::this_thread::sleep_for (50ms);
        pool.shutdown (5000);
    }
    EXPECT_EQ (waiting.finished.get_future().wait_for (0s), std::future_status::ready);
    EXPECT_EQ (waiting.handled, -1);
    EXPECT_EQ (waiting.failures, 0);
    EXPECT_FALSE (log.contains ("Error"));
    EXPECT_FALSE (log.contains ("exception"));
}

TEST (DeviceOpenSequence, RequestsThirtySixRecordsInOrder)
{
    RecordingDevice device;
    Vantu::requestWholeDevice (device);

    std::vector<std::string> expected { "UpdateKit" };
    for (int t = 0; t < 12; ++t)
    {
        expected.push_back ("UpdateSound " + std::to_string (t));
        expected.push_back ("UpdateSoundSetup " + std::to_string (t));
    }
    expected.push_back ("UpdateSettings");
    expected.push_back ("UpdateSoundPool");
    for (int b = 0; b < 8; ++b)
        expected.push_back ("UpdateSoundLibrary " + std::to_string (b));
    expected.push_back ("UpdatePatternSettings");
    EXPECT_EQ (device.calls, expected);
    EXPECT_EQ (device.calls.size(), 36u);
}
