// Total recall between the processor and the virtual device: the recall when a
// device opens with a stored image, the user's answer, the transfers either way,
// the device's odd reports and the fetch before a state save.
#include "ProcessorFixture.h"

#include "processor/TotalRecallNotifications.h"

#include <gtest/gtest.h>

namespace processortest
{
namespace
{
using State = TotalRecallSessionState;

constexpr int kStoredId = 0x01020304;

juce::MemoryBlock pattern (std::size_t size, int seed)
{
    juce::MemoryBlock block (size);
    for (std::size_t i = 0; i < size; ++i)
        static_cast<std::uint8_t*> (block.getData())[i] = static_cast<std::uint8_t> ((int) i * 7 + seed);
    return block;
}

fhemu::Bytes bytesOf (const juce::MemoryBlock& block)
{
    const auto* data = static_cast<const std::uint8_t*> (block.getData());
    return { data, data + block.getSize() };
}

class TotalRecallEndToEnd : public ProcessorTest
{
protected:
    // The engine runs without a device; the processor stores a session and an image
    // (when given), then the device appears and the processor opens it.
    void openDevice (const juce::MemoryBlock& storedImage, int storedId = kStoredId)
    {
        ASSERT_TRUE (engine->start());
        makeProcessor();
        if (storedImage.getSize() > 0)
        {
            state().setIntProperty (PluginStateIds::totalRecallSessionId, storedId);
            state().setTotalRecallData (storedImage);
        }
        engine->addDevice (fhemu::EmulatorSession::virtualKolvane (kUid), true);
        // The job waiting for the user's answer may stay in the pool: only the reads count.
        ASSERT_TRUE (fhtest::pumpUntil ([&] {
            auto* device = engine->openDevice (kUid);
            return device != nullptr && processor->getEngineClient().isDeviceOpen() && reads (*device).size() >= 36
                   && processor->getAsyncDataWorker().pendingRequestCount() == 0;
        }, 15s));
        project = engine->projectOf (kUid);
    }

    // Opens with an image and waits for the question that the device's answer to the recall raises.
    void openUntilQuestion()
    {
        openDevice (pluginImage);
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return question().isActive(); }, 5s));
    }

    SynthPluginState& state() { return *processor->getPluginState(); }
    TotalRecallManager& manager() { return processor->getTotalRecallManager(); }
    Notification& question() { return *processor->getTotalRecallQuestion(); }
    fhemu::EmulatorSession::OpenDevice& open() { return *engine->openDevice (kUid); }

    std::vector<fhemu::Bytes> commands()
    {
        std::vector<fhemu::Bytes> out;
        for (const auto& t : received (open(), 0x50))
            out.push_back (t.payload);
        return out;
    }

    std::vector<fhemu::RecordedTransaction> imageWrites()
    {
        std::vector<fhemu::RecordedTransaction> out;
        for (const auto& t : received (open(), 0x10))
            if (t.header.subType == 27)
                out.push_back (t);
        return out;
    }

    bool waitForState (State wanted, std::chrono::milliseconds timeout = 5s)
    {
        return fhtest::pumpUntil ([&] { return manager().getState() == wanted; }, timeout);
    }

    fhemu::Bytes storedImage()
    {
        juce::MemoryBlock image;
        state().getTotalRecallData (image);
        return bytesOf (image);
    }

    const juce::MemoryBlock pluginImage = pattern (5000, 3);   // long enough to travel compressed
    std::shared_ptr<fhemu::VirtualProject> project;
};

const fhemu::Bytes recallCommand { 7, 1, 2, 3, 4 };
const fhemu::Bytes newSessionCommand { 4, 1, 2, 3, 4 };
} // namespace

TEST_F (TotalRecallEndToEnd, OpeningWithoutAStoredImageStartsNoRecall)
{
    openDevice ({});
    fhtest::pumpFor (300ms);
    EXPECT_TRUE (commands().empty());
    EXPECT_EQ (manager().getState(), State::UNKNOWN_STATE);
    EXPECT_FALSE (question().isActive());
}

TEST_F (TotalRecallEndToEnd, DeviceStateAnswerFetchesTheDeviceImageIntoThePluginState)
{
    openUntilQuestion();
    EXPECT_EQ (manager().getState(), State::RECALL_SESSION_WAITING_USER_INPUT);
    EXPECT_EQ (commands(), (std::vector<fhemu::Bytes> { recallCommand }));

    // The info notification asks the user too, and the question is listed as active.
    auto& notifications = processor->getNotificationManager();
    notifications.timerCallback();
    const auto info = processor->getTotalRecallInfo();
    EXPECT_TRUE (info->isActive());
    EXPECT_EQ (info->textFunction(),
               "Please select which state to use for Total Recall (either on the device or in the plugin).");
    const auto active = notifications.getActiveNotifications();
    EXPECT_NE (std::find (active.begin(), active.end(), processor->getTotalRecallQuestion()), active.end());

    question().setResponse (Notification::DeviceState);
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        return manager().getState() == State::SESSION_ACTIVE && storedImage() == project->getImage();
    }, 10s));

    EXPECT_EQ (commands(), (std::vector<fhemu::Bytes> { recallCommand, newSessionCommand, { 12, 1, 2, 3, 4 } }));
    EXPECT_TRUE (imageWrites().empty());
    EXPECT_EQ (project->getSessionId(), (std::uint32_t) kStoredId);
    EXPECT_EQ (state().getIntProperty (PluginStateIds::totalRecallSessionId, 0), kStoredId);
    EXPECT_EQ (manager().getPendingState(), State::RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! question().isActive(); }, 5s));
    notifications.timerCallback();
    EXPECT_FALSE (info->isActive());
}

TEST_F (TotalRecallEndToEnd, PluginStateAnswerSendsThePluginImageToTheDevice)
{
    openUntilQuestion();
    question().setResponse (Notification::PluginState);
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        return manager().getState() == State::SESSION_ACTIVE && project->getImage() == bytesOf (pluginImage);
    }, 10s));

    EXPECT_EQ (commands(), (std::vector<fhemu::Bytes> { recallCommand, newSessionCommand, { 11, 1, 2, 3, 4 } }));
    const auto writes = imageWrites();
    ASSERT_EQ (writes.size(), 1u);
    EXPECT_EQ (writes[0].payload, bytesOf (pluginImage));
    EXPECT_NE (writes[0].rawPayload, writes[0].payload);   // it travelled compressed
    EXPECT_EQ (storedImage(), bytesOf (pluginImage));      // the plug-in keeps its own
}

TEST_F (TotalRecallEndToEnd, PluginStateAnswerWithoutAnImageAnymoreAbortsTheSession)
{
    openUntilQuestion();
    state().setTotalRecallData ({});   // the image went meanwhile (the editor can do so)
    question().setResponse (Notification::PluginState);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return commands().size() == 3; }, 10s));
    EXPECT_EQ (commands().back(), (fhemu::Bytes { 3, 0, 0, 0, 0 }));
    EXPECT_TRUE (imageWrites().empty());
}

TEST_F (TotalRecallEndToEnd, CancelAbortsTheSessionAndASessionIdOfZeroLeavesTheStateUnknown)
{
    openUntilQuestion();
    question().setResponse (Notification::Cancel);
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        return state().getIntProperty (PluginStateIds::totalRecallSessionId, -1) == 0;
    }, 10s));
    EXPECT_EQ (commands(), (std::vector<fhemu::Bytes> { recallCommand, { 3, 0, 0, 0, 0 } }));
    EXPECT_EQ (project->getSessionId(), 0u);
    EXPECT_TRUE (waitForState (State::UNKNOWN_STATE));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! question().isActive(); }, 5s));
    EXPECT_FALSE (state().hasTotalRecallData());
}

TEST_F (TotalRecallEndToEnd, ASecondRecallWhileOneIsPendingIsLoggedAndSendsNothing)
{
    openUntilQuestion();
    fhtest::ScopedLogCapture log;
    processor->startTotalRecallRecallSession();
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        return log.contains ("Recall session already in progress(RECALL_SESSION_WAITING_USER_INPUT)");
    }, 5s));
    fhtest::pumpFor (200ms);
    EXPECT_EQ (commands().size(), 1u);
    EXPECT_TRUE (question().isActive());
}

TEST_F (TotalRecallEndToEnd, AStateNumberNobodyKnowsIsLoggedAsErrorAndHidesTheQuestion)
{
    openUntilQuestion();
    fhtest::ScopedLogCapture log;
    ASSERT_TRUE (open().device->announce ({ { 34, 0, 0, 42 } }));
    ASSERT_TRUE (waitForState (static_cast<State> (42)));
    EXPECT_TRUE (log.contains ("New state from device: RECALL_SESSION_WAITING_USER_INPUT -> error"));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! question().isActive(); }, 5s));
    EXPECT_EQ (processor->getTotalRecallInfo()->textFunction(), "Confused about the Total Recall state");
    processor->getNotificationManager().timerCallback();
    EXPECT_FALSE (processor->getTotalRecallInfo()->isActive());
}

TEST_F (TotalRecallEndToEnd, ClosingTheDeviceLeavesTheStateUnknown)
{
    openUntilQuestion();
    engine->removeDevice (kUid, true);
    EXPECT_TRUE (waitForState (State::UNKNOWN_STATE));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! question().isActive(); }, 5s));
}

TEST_F (TotalRecallEndToEnd, StateSaveFetchesTheDeviceImageFirstOrGivesUpAfterItsTimeOut)
{
    openUntilQuestion();
    state().setBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, true);
    question().setResponse (Notification::DeviceState);
    ASSERT_TRUE (waitForState (State::SESSION_ACTIVE, 10s));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return storedImage() == project->getImage(); }, 5s));

    // The user changed the project at the device; the save takes the new image.
    const auto changed = bytesOf (pattern (3000, 11));
    project->setImage (changed);
    {
        fhtest::ScopedLogCapture log;
        juce::MemoryBlock saved;
        processor->getStateInformation (saved);
        EXPECT_GT (saved.getSize(), 0u);
        EXPECT_EQ (storedImage(), changed);
        EXPECT_EQ (commands().back(), (fhemu::Bytes { 12, 1, 2, 3, 4 }));
        EXPECT_TRUE (log.contains ("Total recall auto-sync was successfully performed prior to plugin save state."));
    }
    ASSERT_TRUE (waitForState (State::SESSION_ACTIVE));

    // With auto-sync off nothing is asked for.
    const auto sent = commands().size();
    state().setBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, false);
    {
        juce::MemoryBlock saved;
        processor->getStateInformation (saved);
        EXPECT_EQ (commands().size(), sent);
    }
    state().setBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, true);

    // A device that never answers: the save gives up and keeps the old image.
    project->setImageReadsAnswered (false);
    project->setImage (bytesOf (pattern (100, 1)));
    processor->setTotalRecallSyncTimeout (300);
    {
        fhtest::ScopedLogCapture log;
        juce::MemoryBlock saved;
        const auto start = juce::Time::getMillisecondCounterHiRes();
        processor->getStateInformation (saved);
        EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - start, 290.0);
        EXPECT_GT (saved.getSize(), 0u);
        EXPECT_TRUE (log.contains ("Total recall auto-sync timed out! Will save using old project image."));
        EXPECT_EQ (storedImage(), changed);
        EXPECT_EQ (commands().size(), sent + 1);
    }
}

TEST_F (TotalRecallEndToEnd, ALoadedStateWithAnImageStartsARecall)
{
    openDevice ({});
    // A state saved elsewhere, with a session and an image, is loaded by the host.
    SynthPluginState saved;
    saved.upgradeAndSetDefaults();
    saved.setSelectedDeviceUid ((std::int64_t) kUid);   // the device this processor uses: it stays open
    saved.setIntProperty (PluginStateIds::totalRecallSessionId, kStoredId);
    saved.setTotalRecallData (pluginImage);
    juce::MemoryOutputStream stream;
    saved.writeToStream (stream);
    processor->setStateInformation (stream.getData(), (int) stream.getDataSize());

    EXPECT_TRUE (fhtest::pumpUntil ([&] { return question().isActive(); }, 5s));
    EXPECT_EQ (commands(), (std::vector<fhemu::Bytes> { recallCommand }));
}
} // namespace processortest
