#include "WorkerLoopback.h"

#include "model/UpdateJobs.h"
#include "model/storage/RecordWriters.h"
#include "processor/ProcessorJobPool.h"
#include "support/TestEnvironment.h"

#include "EmulatorRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <mutex>
#include <string>
#include <vector>

using namespace enginetest;
namespace rec = fhemu::records;

namespace
{
// One client for every update class; records what arrives, as text.
struct RecordingClients : Vantu::TotalRecallSessionIdClient, Vantu::KitClient, Vantu::ProjectImageClient,
                          Vantu::SoundClient, Vantu::SoundSetupClient, Vantu::SettingsClient,
                          Vantu::SoundPoolListingClient, Vantu::SoundBankListingClient, Vantu::PatternSettingsClient
{
    void totalRecallSessionIdReceived (std::uint32_t id) override { add ("session " + std::to_string (id)); }
    void kitReceived (const Vantu::kitData_t& kit) override { add ("kit " + std::string (kit.name, strnlen (kit.name, 16))); }
    void projectImageReceived (const juce::MemoryBlock& image) override { add ("image " + std::to_string (image.getSize())); }
    void projectImageFailed() override { add ("image failed"); }
    void soundReceived (int track, const Vantu::soundData_t& s) override
    {
        add ("sound " + std::to_string (track) + " " + std::string (s.name, strnlen (s.name, 16)));
    }
    void soundSetupReceived (int track, const FhAsyncSoundSetupData& s) override
    {
        add ("setup " + std::to_string (track) + " " + std::to_string (s.trackIndex) + " " + std::to_string (s.machineType));
    }
    void settingsReceived (const Vantu::projectSettingsData_t&) override { add ("settings"); }
    void soundPoolListingReceived (const FhAsyncSoundPoolListing& l) override
    {
        add ("pool " + std::to_string (l.entries[1].machineType));
    }
    void soundBankListingReceived (const FhAsyncSoundBankListing& l) override
    {
        add ("bank " + std::to_string (l.entries[0].number));
    }
    void patternSettingsReceived (const FhAsyncPatternSettingsSetupData& p) override
    {
        add ("pattern " + std::to_string (p.trackMuteMask));
    }

    void add (std::string s)
    {
        const std::lock_guard<std::mutex> l (lock);
        log.push_back (std::move (s));
    }
    bool contains (const std::string& s)
    {
        const std::lock_guard<std::mutex> l (lock);
        return std::find (log.begin(), log.end(), s) != log.end();
    }
    std::size_t size()
    {
        const std::lock_guard<std::mutex> l (lock);
        return log.size();
    }

    std::mutex lock;
    std::vector<std::string> log;
};

class UpdateJobsAgainstEmulator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (loop.start());
        ASSERT_TRUE (loop.responder.sendEngineReady());
        ASSERT_TRUE (waitUntil ([&] { return loop.worker.isEngineReady(); }));
    }

    void TearDown() override { pool.shutdown (5000); }

    WorkerLoopback loop;
    RecordingClients clients;
    ProcessorJobPool pool;
};
} // namespace

TEST_F (UpdateJobsAgainstEmulator, EachJobReadsItsRecordAndHandsItToItsClient)
{
    FhAsyncSoundPoolListing poolListing {};
    poolListing.entries[1].machineType = 9;
    FhAsyncSoundBankListing bank {};
    bank.entries[0].number = 3 * 256;
    rec::SoundSetup setup;
    setup.track = 4;
    setup.machineType = 12;

    loop.responder.setRecord (AsyncDataType::kit, 0, rec::kit (rec::newestKitVersion, "MY KIT"));
    loop.responder.setRecord (AsyncDataType::sound, 5, rec::sound (rec::newestSoundVersion, "SNARE", 7));
    loop.responder.setRecord (AsyncDataType::soundSetup, 4, rec::encodeSoundSetup (setup));
    loop.responder.setRecord (AsyncDataType::projectSettings, 0, rec::projectSettings (2, 0x5));
    loop.responder.setRecord (AsyncDataType::soundPoolListing, 0, Vantu::writeSoundPoolListing (poolListing));
    loop.responder.setRecord (AsyncDataType::soundBankListing, 3, Vantu::writeSoundBankListing (bank));
    loop.responder.setRecord (AsyncDataType::totalRecallSessionId, 0, Vantu::writeSessionId (0x01020304));
    loop.responder.setRecord (AsyncDataType::patternSettings, 0, Vantu::writePatternSettings ({ 0x0005 }));
    loop.responder.setRecord (AsyncDataType::totalRecallImage, 0, std::vector<std::uint8_t> (100, 7));

    Vantu::UpdateKitAsync kit (&pool, &loop.worker, &clients);
    Vantu::UpdateSoundAsync sound (&pool, &loop.worker, &clients);
    Vantu::UpdateSoundSetupAsync soundSetup (&pool, &loop.worker, &clients);
    Vantu::UpdateSettingsAsync settings (&pool, &loop.worker, &clients);
    Vantu::UpdateSoundPoolListingAsync soundPool (&pool, &loop.worker, &clients);
    Vantu::UpdateSoundLibraryBankListingAsync library (&pool, &loop.worker, &clients);
    Vantu::UpdateTotalRecallSessionIdAsync session (&pool, &loop.worker, &clients);
    Vantu::UpdatePatternSettingsSetupAsync pattern (&pool, &loop.worker, &clients);
    Vantu::UpdateProjectFromMachineAsync project (&pool, &loop.worker, &clients);

    fhtest::ScopedLogCapture log;
    kit.start();
    sound.start (5);
    soundSetup.start (4);
    settings.start();
    soundPool.start();
    library.start (3);
    session.start();
    pattern.start();
    auto imageDone = project.start();

    ASSERT_TRUE (waitUntil ([&] { return clients.size() >= 9; }, 10000ms)) << clients.size();
    for (const char* expected : { "kit MY KIT", "sound 5 SNARE", "setup 4 4 12", "settings", "pool 9", "bank 768",
                                  "session 16909060", "pattern 5", "image 100" })
        EXPECT_TRUE (clients.contains (expected)) << expected;
    EXPECT_TRUE (imageDone->wait (5000));
    EXPECT_TRUE (log.contains ("Machine total recall image received! Size=100"));

    // The reads as the emulator saw them: data type, index and the argument words.
    struct Read
    {
        int type, index;
        std::vector<std::uint8_t> argument;
    };
    const std::vector<Read> expectedReads {
        { 13, 0, std::vector<std::uint8_t> (8, 0) },
        { 4, 5, { 0, 0, 0, 5, 0, 0, 0, 0 } },
        { 6, 4, { 0, 0, 0, 4, 0, 0, 0, 0 } },
        { 24, 0, std::vector<std::uint8_t> (8, 0) },
        { 31, 0, std::vector<std::uint8_t> (8, 0) },
        { 33, 3, std::vector<std::uint8_t> (8, 0) },
        { 35, 0, std::vector<std::uint8_t> (8, 0) },
        { 37, 0, std::vector<std::uint8_t> (8, 0) },
        { 27, 0, std::vector<std::uint8_t> (8, 0) },
    };
    const auto reads = loop.reads();
    ASSERT_EQ (reads.size(), expectedReads.size());
    for (const auto& e : expectedReads)
    {
        const bool found = std::any_of (reads.begin(), reads.end(), [&] (const fhemu::RecordedTransaction& t) {
            return t.header.subType == e.type && t.header.argument == e.index && t.payload == e.argument;
        });
        EXPECT_TRUE (found) << "read of type " << e.type;
    }
}

TEST_F (UpdateJobsAgainstEmulator, AbandonedImageReadReportsFailureAndLeavesTheEventUnsignalled)
{
    Vantu::UpdateProjectFromMachineAsync project (&pool, &loop.worker, &clients);
    Vantu::UpdateKitAsync kit (&pool, &loop.worker, &clients);
    // A kit of a version that cannot be upgraded is not applied.
    loop.responder.setRecord (AsyncDataType::kit, 0, rec::kit (99, "FUTURE"));
    fhtest::ScopedLogCapture log;
    // Four unanswered sends, then the worker gives the read up.
    loop.worker.setResponseTimeout (0.05);
    for (int i = 0; i < 4; ++i)
        loop.responder.pushBehaviour (fhemu::EmulatorReadResponder::Behaviour::ignore);
    auto done = project.start();
    ASSERT_TRUE (waitUntil ([&] { return clients.contains ("image failed"); }, 10000ms));
    EXPECT_FALSE (done->wait (0));
    EXPECT_TRUE (log.contains ("Error: "));
    loop.worker.setResponseTimeout (30.0);

    kit.start();
    ASSERT_TRUE (waitUntil ([&] { return loop.reads().size() >= 5; }, 5000ms));
    std::this_thread::sleep_for (300ms);
    EXPECT_FALSE (clients.contains ("kit FUTURE"));
}
