// Typed reads through the asynchronous data worker against the engine
// emulator: answers, busy and refusal answers, time-outs, alien and wrong
// answers, packet-loss warnings, notifications and old records upgraded.
#include "FakeTransport.h"
#include "WorkerLoopback.h"

#include "model/storage/RecordReadTraits.h"
#include "model/storage/StorageUpgrade.h"

#include "EmulatorRecords.h"
#include "support/TestEnvironment.h"

#include <cstring>
#include <thread>

using namespace enginetest;
using Behaviour = fhemu::EmulatorReadResponder::Behaviour;
namespace rec = fhemu::records;

namespace
{
class WorkerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        loop.responder.setRecord (AsyncDataType::sound, 3, rec::sound (5, "SNARE", 7, 0x11));
        loop.responder.setRecord (AsyncDataType::kit, 0, rec::kit (7, "MY KIT"));
        loop.responder.setRecord (AsyncDataType::projectSettings, 0, rec::projectSettings (4, 0x005));
    }

    void startReady()
    {
        ASSERT_TRUE (loop.start());
        ASSERT_TRUE (loop.responder.sendEngineReady());
        ASSERT_TRUE (waitUntil ([&] { return loop.worker.isEngineReady(); }));
    }

    static std::string soundName (const Vantu::soundStorageContainer_t& s)
    {
        return std::string (reinterpret_cast<const char*> (s.raw + 12), 5);
    }

    fhtest::ScopedLogCapture logs;
    WorkerLoopback loop;
};

struct RecordingListener : public FhAsyncDataWorker::Listener
{
    void asyncNotificationReceived (std::uint8_t type, std::uint16_t argument, std::shared_ptr<FhAsyncParamData> d) override
    {
        std::lock_guard<std::mutex> sl (lock);
        seen.push_back ({ type, argument, *d });
    }
    struct Entry
    {
        std::uint8_t type;
        std::uint16_t argument;
        FhAsyncParamData data;
    };
    std::vector<Entry> entries() const
    {
        std::lock_guard<std::mutex> sl (lock);
        return seen;
    }
    mutable std::mutex lock;
    std::vector<Entry> seen;
};

ReceivedTransaction transactionOn (int channel, std::uint32_t sequence, std::uint8_t command)
{
    ReceivedTransaction t;
    t.header.channel = FhAsyncDataHeader::channelByte (channel);
    t.header.sequenceNumber = sequence;
    t.header.command = command;
    return t;
}
} // namespace

TEST_F (WorkerTest, ReadWaitsForTheEngineThenIsAnsweredInHostOrder)
{
    ASSERT_TRUE (loop.start());
    auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({ 0x01020304u, 0x0A0B0C0Du }, 3);
    std::this_thread::sleep_for (100ms);
    EXPECT_TRUE (loop.reads().empty());   // nothing before the engine is ready
    EXPECT_EQ (loop.worker.pendingRequestCount(), 1);

    ASSERT_TRUE (loop.responder.sendEngineReady());
    ASSERT_TRUE (ready (future));
    const auto sound = future.get();
    ASSERT_NE (sound, nullptr);
    EXPECT_EQ (sound->header.version, 5u);
    EXPECT_EQ (soundName (*sound), "SNARE");

    const auto reads = loop.reads();
    ASSERT_EQ (reads.size(), 1u);
    EXPECT_EQ (reads[0].header.channelByte, 0xE1);
    EXPECT_EQ (reads[0].header.subType, AsyncDataType::sound);
    EXPECT_EQ (reads[0].header.argument, 3);
    EXPECT_EQ (reads[0].payload, (std::vector<std::uint8_t> { 1, 2, 3, 4, 0x0A, 0x0B, 0x0C, 0x0D }));
    EXPECT_TRUE (waitUntil ([&] { return loop.worker.pendingRequestCount() == 0; }));
    EXPECT_FALSE (logs.contains ("transmissions"));
}

TEST_F (WorkerTest, EveryRecordTypeArrives)
{
    startReady();
    auto kit = loop.worker.read<Vantu::kitStorageContainer_t>();
    auto settings = loop.worker.read<Vantu::projectSettingsStorage_v2_t>();
    loop.responder.setRecord (AsyncDataType::totalRecallImage, 0, { 9, 8, 7 });
    auto image = loop.worker.read<std::vector<std::uint8_t>>();
    loop.responder.setRecord (AsyncDataType::totalRecallSessionId, 0, { 0, 0, 1, 2 });
    auto session = loop.worker.read<std::uint32_t>();

    ASSERT_TRUE (ready (kit) && ready (settings) && ready (image) && ready (session));
    const auto k = kit.get();
    EXPECT_EQ (k->version, 7u);
    EXPECT_EQ (std::string (reinterpret_cast<const char*> (k->raw + 4)), "MY KIT");
    const auto s = settings.get();
    EXPECT_EQ (s->version, 2u);
    EXPECT_EQ (s->activeEditTrack, 4);
    EXPECT_EQ (s->trackMuteMask, 0x005);
    EXPECT_EQ (image.get(), (std::vector<std::uint8_t> { 9, 8, 7 }));
    EXPECT_EQ (*session.get(), 0x0102u);
}

TEST_F (WorkerTest, ShortKitAnswerIsPaddedWithZeros)
{
    auto shortKit = rec::kit (7, "SHORT");
    shortKit.resize (100);
    loop.responder.setRecord (AsyncDataType::kit, 0, shortKit);
    startReady();
    auto kit = loop.worker.read<Vantu::kitStorageContainer_t>();
    ASSERT_TRUE (ready (kit));
    const auto k = kit.get();
    ASSERT_NE (k, nullptr);
    EXPECT_EQ (k->version, 7u);
    EXPECT_EQ (k->raw[5000], 0);
}

TEST_F (WorkerTest, BusyAnswerAsksAgainAfterTheBusyDelay)
{
    loop.worker.setBusyDelay (0.05);
    loop.responder.pushBehaviour (Behaviour::busy);
    startReady();
    auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    ASSERT_TRUE (ready (future));
    ASSERT_NE (future.get(), nullptr);

    const auto reads = loop.reads();
    ASSERT_EQ (reads.size(), 2u);
    EXPECT_NE (reads[0].header.sequence, reads[1].header.sequence);
    // The worker logs once it has handed the answer on, so the line can follow the future.
    EXPECT_TRUE (waitUntil ([&] {
        return logs.count ("Read request successful, but after 2 transmissions. Normal if device was busy!") == 1;
    }));
}

TEST_F (WorkerTest, DeviceThatStaysBusyIsAskedBeyondFourTimes)
{
    loop.worker.setBusyDelay (0.02);
    for (int i = 0; i < 6; ++i)
        loop.responder.pushBehaviour (Behaviour::busy);
    startReady();
    auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    ASSERT_TRUE (ready (future));
    ASSERT_NE (future.get(), nullptr);
    EXPECT_EQ (loop.reads().size(), 7u);
}

TEST_F (WorkerTest, RefusedReadIsSentAgainAtItsDeadline)
{
    loop.worker.setResponseTimeout (0.1);
    loop.responder.pushBehaviour (Behaviour::refuse);
    startReady();
    auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    ASSERT_TRUE (ready (future));
    ASSERT_NE (future.get(), nullptr);
    EXPECT_EQ (logs.count ("Read NAK response! Failure on type=4"), 1);
    EXPECT_EQ (loop.reads().size(), 2u);
}

TEST_F (WorkerTest, UnansweredReadIsDiscardedAfterFourTransmissions)
{
    loop.worker.setResponseTimeout (0.05);
    for (int i = 0; i < 4; ++i)
        loop.responder.pushBehaviour (Behaviour::ignore);
    startReady();
    auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    ASSERT_TRUE (ready (future));
    EXPECT_THROW (future.get(), std::future_error);
    EXPECT_EQ (loop.reads().size(), 4u);
    EXPECT_EQ (logs.count ("Warning: Read request discarded (too many retries)"), 1);
    EXPECT_EQ (logs.count ("Re-transmitting request!"), 3);
    EXPECT_TRUE (waitUntil ([&] { return loop.worker.pendingRequestCount() == 0; }));
}

TEST_F (WorkerTest, LateAnswerToAnEarlierTransmissionIsDroppedSilently)
{
    loop.worker.setResponseTimeout (0.1);
    loop.responder.setLateDelay (400ms);
    loop.responder.pushBehaviour (Behaviour::late);
    loop.responder.pushBehaviour (Behaviour::ignore);
    loop.responder.pushBehaviour (Behaviour::ignore);
    startReady();
    auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    ASSERT_TRUE (ready (future));   // answered by the fourth transmission
    ASSERT_NE (future.get(), nullptr);
    std::this_thread::sleep_for (500ms);   // the late answer has arrived by now
    EXPECT_FALSE (logs.contains ("alien"));
    EXPECT_FALSE (logs.contains ("Could not handle"));
}

TEST_F (WorkerTest, AlienBusyAndWrongTypeAreLogged)
{
    loop.worker.setResponseTimeout (0.1);
    loop.responder.pushBehaviour (Behaviour::wrongType);
    startReady();

    fhemu::OutgoingTransaction alien;
    alien.command = 0x22;
    alien.replySequence = 12345;
    ASSERT_TRUE (loop.responder.sendOnChannel1 (alien));
    ASSERT_TRUE (waitUntil ([&] { return logs.contains ("Received alien read response! SeqNr=12345.Probably from a timed out request!"); }));

    auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    ASSERT_TRUE (ready (future));
    ASSERT_NE (future.get(), nullptr);
    EXPECT_EQ (logs.count ("Wrong data type in read response!"), 1);
    EXPECT_EQ (loop.reads().size(), 2u);
}

TEST_F (WorkerTest, OldRecordsAreUpgradedToTheNewestVersion)
{
    loop.responder.setRecord (AsyncDataType::sound, 0, rec::sound (0, "OLDV0", 2));
    loop.responder.setRecord (AsyncDataType::sound, 1, rec::sound (3, "OLDV3", 2));
    loop.responder.setRecord (AsyncDataType::kit, 0, rec::kit (0, "KITV0"));
    startReady();

    for (std::uint16_t track : { 0, 1 })
    {
        auto future = loop.worker.read<Vantu::soundStorageContainer_t> ({}, track);
        ASSERT_TRUE (ready (future));
        auto sound = future.get();
        ASSERT_NE (sound, nullptr);
        ASSERT_TRUE (Vantu::upgradeSoundStorage (sound.get()));
        EXPECT_EQ (sound->header.version, rec::newestSoundVersion);
        EXPECT_EQ (soundName (*sound).substr (0, 3), "OLD");
    }

    auto kitFuture = loop.worker.read<Vantu::kitStorageContainer_t>();
    ASSERT_TRUE (ready (kitFuture));
    auto kit = kitFuture.get();
    ASSERT_TRUE (Vantu::upgradeKitStorage (kit.get()));
    EXPECT_EQ (kit->version, rec::newestKitVersion);
    EXPECT_EQ (std::string (reinterpret_cast<const char*> (kit->raw + 4)), "KITV0");
}

TEST_F (WorkerTest, NotificationsReachEveryListenerInHostOrder)
{
    RecordingListener a, b;
    loop.worker.addListener (&a);
    loop.worker.addListener (&b);
    loop.worker.addListener (&a);   // once only
    startReady();
    ASSERT_TRUE (loop.responder.sendParameterNotification (5, 2, 2, 0x013C, 0x1234));
    ASSERT_TRUE (waitUntil ([&] { return a.entries().size() == 1 && b.entries().size() == 1; }));
    const auto e = a.entries()[0];
    EXPECT_EQ (e.type, 5);
    EXPECT_EQ (e.argument, 2);
    EXPECT_EQ (e.data.index, 2);
    EXPECT_EQ (e.data.objectId, 0x013C);
    EXPECT_EQ (e.data.value, 0x1234);
    loop.worker.stopThread (5000);
    loop.worker.removeListener (&a);
    loop.worker.removeListener (&b);
}

TEST (WorkerTransactions, PacketLossShortNotificationsAndUnknownCommands)
{
    fhtest::ScopedLogCapture logs;
    FhAsyncDataWorker worker (nullptr);
    RecordingListener listener;
    worker.addListener (&listener);

    for (std::uint32_t seq : { 5u, 6u, 8u, 0u, 1u })
        worker.handleTransaction (transactionOn (1, seq, 0x00));
    worker.handleTransaction (transactionOn (0, 40, 0x00));   // channels count apart
    worker.handleTransaction (transactionOn (0, 41, 0x00));
    EXPECT_EQ (logs.count ("Warning: async packet loss!"), 1);
    EXPECT_EQ (logs.count ("Warning: async packet loss! SeqNr went from 6 to 8"), 1);
    EXPECT_TRUE (worker.isEngineReady());

    auto shortNote = transactionOn (1, 2, 0x30);
    shortNote.payload = { 0, 1, 0, 2 };
    worker.handleTransaction (shortNote);
    EXPECT_TRUE (listener.entries().empty());
    EXPECT_EQ (logs.count ("Dropped a parameter notification of 4 bytes"), 1);

    worker.handleTransaction (transactionOn (1, 3, 0x77));
    EXPECT_EQ (logs.count ("Unhandled Async CMD: 119"), 1);
    worker.removeListener (&listener);
}

TEST (WorkerLifetime, UnansweredReadReportsBrokenPromiseWhenTheWorkerGoes)
{
    std::future<std::shared_ptr<Vantu::kitStorageContainer_t>> future;
    {
        FhAsyncDataWorker worker (nullptr);
        worker.startThread();
        future = worker.read<Vantu::kitStorageContainer_t>();
    }
    ASSERT_TRUE (ready (future, 100ms));
    EXPECT_THROW (future.get(), std::future_error);
}

TEST_F (WorkerTest, DiscardEndsEveryOutstandingReadAtOnce)
{
    for (int i = 0; i < 2; ++i)
        loop.responder.pushBehaviour (Behaviour::ignore);
    startReady();
    auto sent = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    auto alsoSent = loop.worker.read<Vantu::kitStorageContainer_t>();
    ASSERT_TRUE (waitUntil ([&] { return loop.reads().size() == 2; }));

    loop.worker.discardRequests();
    ASSERT_TRUE (ready (sent, 100ms));
    ASSERT_TRUE (ready (alsoSent, 100ms));
    EXPECT_THROW (sent.get(), std::future_error);
    EXPECT_THROW (alsoSent.get(), std::future_error);
    EXPECT_EQ (loop.worker.pendingRequestCount(), 0);
    EXPECT_EQ (logs.count ("Discarded 2 outstanding read requests"), 1);

    // The engine said it was ready on the connection that is still open: reads go on.
    EXPECT_TRUE (loop.worker.isEngineReady());
    auto next = loop.worker.read<Vantu::soundStorageContainer_t> ({}, 3);
    ASSERT_TRUE (ready (next));
    EXPECT_NE (next.get(), nullptr);
}

TEST (WorkerDiscard, ReadyOfAClosedConnectionIsForgottenAndQueuedReadsGoToo)
{
    fhtest::ScopedLogCapture logs;
    FakeTransport transport;
    FhAsyncDataWorker worker (&transport);
    worker.handleTransaction (transactionOn (1, 1, AsyncCommand::engineReady));
    ASSERT_TRUE (worker.isEngineReady());

    // Not started: the read waits in the queue of new requests.
    auto queued = worker.read<Vantu::kitStorageContainer_t>();
    ++transport.generation;   // the connection closed
    worker.discardRequests();
    ASSERT_TRUE (ready (queued, 100ms));
    EXPECT_THROW (queued.get(), std::future_error);
    EXPECT_FALSE (worker.isEngineReady());
    EXPECT_EQ (logs.count ("Discarded 1 outstanding read requests"), 1);

    // Nothing to drop: no line.
    worker.discardRequests();
    EXPECT_EQ (logs.count ("Discarded"), 1);

    worker.handleTransaction (transactionOn (1, 2, AsyncCommand::engineReady));
    EXPECT_TRUE (worker.isEngineReady());
}

TEST_F (WorkerTest, CompressedAnswerThatCannotBeDecodedIsAskedAgainAndNeverZeroed)
{
    struct Case
    {
        Behaviour behaviour;
        const char* line;
    };
    const Case cases[] { { Behaviour::corruptCompressed, "Read answer of type=13 could not be decompressed" },
                         { Behaviour::emptyCompressed, "Could not handle response data!" } };

    loop.worker.setResponseTimeout (0.1);
    startReady();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.line);
        const auto before = loop.reads().size();
        loop.responder.pushBehaviour (c.behaviour);
        auto kit = loop.worker.read<Vantu::kitStorageContainer_t>();
        ASSERT_TRUE (ready (kit));
        const auto k = kit.get();
        ASSERT_NE (k, nullptr);
        EXPECT_EQ (std::string (reinterpret_cast<const char*> (k->raw + 4)), "MY KIT");
        EXPECT_EQ (loop.reads().size(), before + 2);
        EXPECT_EQ (logs.count (c.line), 1);
    }
}
