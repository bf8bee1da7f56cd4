#include "WorkerLoopback.h"

#include "EmulatorRecords.h"

#include "model/VantuInterface.h"
#include "processor/ProcessorJobPool.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace enginetest;
namespace rec = fhemu::records;

namespace
{
class VantuInterfaceAgainstEmulator : public fhtest::AppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (loop.start());
        ASSERT_TRUE (loop.responder.sendEngineReady());
        ASSERT_TRUE (waitUntil ([&] { return loop.worker.isEngineReady(); }));
    }

    // The worker calls its listeners without a lock: it stops before the device interface leaves them.
    void TearDown() override
    {
        pool.shutdown (5000);
        loop.worker.stopThread (5000);
    }

    bool readSeen (int type, int index)
    {
        return waitUntil ([&] {
            const auto reads = loop.reads();
            return std::any_of (reads.begin(), reads.end(), [&] (const fhemu::RecordedTransaction& t) {
                return t.header.subType == type && t.header.argument == index;
            });
        });
    }

    WorkerLoopback loop;
    ProcessorJobPool pool;
    Vantu::VantuInterface device { loop.worker, pool };
};
} // namespace

TEST_F (VantuInterfaceAgainstEmulator, PoolLibraryAndTotalRecallCommandsReachTheEmulator)
{
    EXPECT_TRUE (device.getSoundPool().getOwner()->loadSound (2, 17));
    device.getSoundLibrary().removeSound (700);   // then asks for bank 2
    device.sendTotalRecallCommand ({ 4, 0x0A0B0C0D });

    ASSERT_TRUE (readSeen (33, 2));
    // The commands and the read go out from different threads: wait for all three commands.
    ASSERT_TRUE (waitUntil ([&] {
        int commands = 0;
        for (const auto& t : loop.server.received().transactions())
            commands += (t.header.command == 0x42 || t.header.command == 0x43 || t.header.command == 0x50) ? 1 : 0;
        return commands >= 3;
    }));
    const auto ts = loop.server.received().transactions();
    auto find = [&] (int command) {
        return std::find_if (ts.begin(), ts.end(), [&] (const auto& t) { return t.header.command == command; });
    };
    ASSERT_NE (find (0x43), ts.end());
    EXPECT_EQ (find (0x43)->header.subType, 30);
    EXPECT_EQ (find (0x43)->payload, (std::vector<std::uint8_t> { 0, 0, 0, 17, 0, 0, 0, 2 }));
    ASSERT_NE (find (0x42), ts.end());
    EXPECT_EQ (find (0x42)->header.subType, 32);
    EXPECT_EQ (find (0x42)->header.argument, 700);
    ASSERT_NE (find (0x50), ts.end());
    EXPECT_EQ (find (0x50)->payload, (std::vector<std::uint8_t> { 4, 0x0A, 0x0B, 0x0C, 0x0D }));
}

TEST_F (VantuInterfaceAgainstEmulator, RecordNotificationsStartTheRightReads)
{
    struct Case
    {
        int type, index, value, readType, readIndex;
    };
    const Case cases[] { { 13, 0, 0, 13, 0 }, { 4, 5, 0, 4, 5 }, { 6, 3, 0, 6, 3 }, { 24, 0, 0, 24, 0 },
                         { 31, 0, 0, 31, 0 }, { 33, 0, 0x0100, 33, 1 }, { 35, 0, 0, 35, 0 }, { 37, 0, 0, 37, 0 } };
    for (const auto& c : cases)
        ASSERT_TRUE (loop.responder.sendParameterNotification ((std::uint8_t) c.type, 0, (std::uint16_t) c.index, 0,
                                                               (std::uint16_t) c.value));
    for (const auto& c : cases)
        EXPECT_TRUE (readSeen (c.readType, c.readIndex)) << "notification " << c.type;
}

TEST_F (VantuInterfaceAgainstEmulator, StateAndPatternMuteNotificationsChangeTheModelAndBadBanksAreIgnored)
{
    fhtest::ScopedLogCapture log;
    ASSERT_TRUE (loop.responder.sendParameterNotification (34, 0, 0, 0, 0x0103));
    ASSERT_TRUE (loop.responder.sendParameterNotification (36, 0, 11, 0, 256));
    ASSERT_TRUE (loop.responder.sendParameterNotification (33, 0, 0, 0, 0x1000));   // bank 15: no such bank
    ASSERT_TRUE (loop.responder.sendParameterNotification (10, 0, 0, 0, 0));
    EXPECT_TRUE (waitUntil ([&] { return device.getTotalRecallState().getState() == 3; }));
    EXPECT_TRUE (waitUntil ([&] {
        int v = 0;
        return device.getKit().getValue (Vantu::Kit::trackPatternMuteId (11), v) && v == 256;
    }));
    EXPECT_TRUE (waitUntil ([&] { return log.contains ("Unhandled machine notification: 10"); }));
    EXPECT_TRUE (log.contains ("Sound library bank 15 does not exist"));
    std::this_thread::sleep_for (100ms);
    for (const auto& t : loop.reads())
        EXPECT_NE (t.header.subType, 33);
}

TEST_F (VantuInterfaceAgainstEmulator, ParameterNotificationIsStoredAndNotSentBack)
{
    auto& kit = device.getKit();
    const auto& infos = kit.getParameterInfos();
    const auto* info = infos.find (Vantu::Kit::trackLevelId (2));
    ASSERT_NE (info, nullptr);
    const int objectId = info->objectId;
    ASSERT_GE (objectId, 0);
    kit.startTransmitThread();

    int before = 0;
    ASSERT_TRUE (kit.getValue (Vantu::Kit::trackLevelId (2), before));
    const int newValue = before == 50 ? 60 : 50;
    ASSERT_TRUE (loop.responder.sendParameterNotification (14, 0, 2, (std::uint16_t) objectId, (std::uint16_t) newValue));
    EXPECT_TRUE (waitUntil ([&] {
        int v = 0;
        return kit.getValue (Vantu::Kit::trackLevelId (2), v) && v == newValue;
    }));
    std::this_thread::sleep_for (200ms);
    for (const auto& t : loop.server.received().transactions())
        EXPECT_NE (t.header.command, 0x10) << "echoed back";
    kit.stopTransmitThread();
}

TEST_F (VantuInterfaceAgainstEmulator, SoundSetupGoesToTheTrackTheRecordNamesAndKeepsByte26)
{
    // Served for a read of index 2, but the record itself names T6.
    rec::SoundSetup setup;
    setup.track = 5;
    setup.name = "HAT";
    setup.machineType = 0xFF;   // read signed: clamped to 0
    setup.envResetMask = 0x02;
    setup.transposable = 1;
    setup.transpose = -12;
    setup.modulation[2][1] = { -200, 2 };   // storage word 2: slot 9
    loop.responder.setRecord (AsyncDataType::soundSetup, 2, rec::encodeSoundSetup (setup));

    auto& kit = device.getKit();
    auto* t6 = kit.getSound (5);
    t6->setValueFromMachine (juce::Identifier ("Sound_MachineType"), 20, false);
    ASSERT_TRUE (loop.responder.sendParameterNotification (6, 0, 2, 0, 0));
    ASSERT_TRUE (waitUntil ([&] {
        juce::String name;
        return t6->getStringValue (juce::Identifier ("Sound_Name"), name) && name == "HAT";
    }));
    ASSERT_TRUE (waitUntil ([&] { return pool.getNumJobs() == 0; }));   // the name is not the record's last field
    int v = -1;
    ASSERT_TRUE (t6->getValue (juce::Identifier ("Sound_MachineType"), v));
    EXPECT_EQ (v, 0);
    ASSERT_TRUE (t6->getValue (juce::Identifier ("Sound_FilterEnvRestart"), v));
    EXPECT_EQ (v, 256);
    ASSERT_TRUE (t6->getValue (juce::Identifier ("Sound_Transpose"), v));
    EXPECT_EQ (v, -12);
    ASSERT_TRUE (t6->getValue (Vantu::Sound::modWheelDepthId (1), v));
    EXPECT_EQ (v, -200);
    ASSERT_TRUE (t6->getValue (Vantu::Sound::modWheelDestinationId (1), v));
    EXPECT_EQ (v, 9 * 256);
    FhAsyncSoundSetupData out;
    ASSERT_TRUE (t6->fillSoundSetup (out));
    EXPECT_EQ (out.transposable, 1);

    juce::String t3Name;
    ASSERT_TRUE (kit.getSound (2)->getStringValue (juce::Identifier ("Sound_Name"), t3Name));
    EXPECT_EQ (t3Name, "NEW SOUND");
}

TEST_F (VantuInterfaceAgainstEmulator, SoundSetupForTrack12OrMoreChangesNothing)
{
    auto& kit = device.getKit();
    auto allRecords = [&] {
        std::vector<std::uint8_t> bytes;
        for (int t = 0; t < 12; ++t)
        {
            FhAsyncSoundSetupData r;
            EXPECT_TRUE (kit.getSound (t)->fillSoundSetup (r));
            const auto* p = reinterpret_cast<const std::uint8_t*> (&r);
            bytes.insert (bytes.end(), p, p + sizeof (r));
        }
        return bytes;
    };
    const auto before = allRecords();

    for (int track : { 12, 13, 0xFFFF })
    {
        FhAsyncSoundSetupData r {};
        r.trackIndex = (std::uint16_t) track;
        std::memcpy (r.name, "IGNORED", 7);
        r.machineType = 30;
        r.transposable = 1;
        r.transpose = 5;
        device.soundSetupReceived (0, r);   // the argument plays no part
        device.soundSetupReceived (11, r);
    }
    EXPECT_EQ (allRecords(), before);
}
