// The kit, effects, sound and settings objects on the wire, against the
// engine emulator: parameter writes with their addressing, the throttled
// sound setup record and its round trip, the kit name record, and device
// values stored without being sent back.
#include "WorkerLoopback.h"

#include "model/Kit.h"
#include "model/Settings.h"
#include "model/storage/WireFactories.h"

#include "EmulatorRecords.h"
#include "support/TestEnvironment.h"

#include <thread>

using namespace enginetest;
namespace rec = fhemu::records;

namespace
{
class DataObjectWire : public fhtest::AppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (loop.start());
        for (auto* o : std::initializer_list<MachineDataObject*> { &kit, &kit.getFx(), &settings })
            o->startTransmitThread();
        for (int t = 0; t < 12; ++t)
            kit.getSound (t)->startTransmitThread();
    }

    void TearDown() override
    {
        for (int t = 0; t < 12; ++t)
            kit.getSound (t)->stopTransmitThread();
        for (auto* o : std::initializer_list<MachineDataObject*> { &kit, &kit.getFx(), &settings })
            o->stopTransmitThread();
    }

    std::vector<fhemu::RecordedTransaction> writes (std::uint8_t subType) const
    {
        std::vector<fhemu::RecordedTransaction> out;
        for (auto& t : const_cast<fhemu::AsyncDataServer&> (loop.server).received().transactions())
            if (t.header.command == 0x10 && t.header.subType == subType)
                out.push_back (t);
        return out;
    }

    std::size_t numWrites() const
    {
        std::size_t n = 0;
        for (auto& t : const_cast<fhemu::AsyncDataServer&> (loop.server).received().transactions())
            n += t.header.command == 0x10 ? 1 : 0;
        return n;
    }

    WorkerLoopback loop;
    Vantu::Kit kit { &loop.worker.getIoProcessor() };
    Vantu::Settings settings { &loop.worker.getIoProcessor() };
};

// Stores device notifications in the sound of their track, as the device interface does.
struct NotificationToSound : public FhAsyncDataWorker::Listener
{
    explicit NotificationToSound (Vantu::Kit& k) : kit (k) {}
    void asyncNotificationReceived (std::uint8_t type, std::uint16_t, std::shared_ptr<FhAsyncParamData> d) override
    {
        if (type != AsyncDataType::soundParameter)
            return;
        auto* sound = kit.getSound (d->index);
        for (const auto& id : sound->getRegistrationOrder())
            if (const auto* info = sound->getParameterInfos().find (id); info != nullptr && info->tableIndex >= 0
                                                                         && info->objectId == d->objectId)
            {
                sound->setValueFromMachine (id, d->value, true);
                return;
            }
    }
    Vantu::Kit& kit;
};
} // namespace

TEST_F (DataObjectWire, GuiWritesLeaveAsParameterWritesWithTheirAddressing)
{
    struct Case
    {
        MachineDataObject* object;
        const char* id;
        int value;
        std::uint8_t subType;
        std::uint16_t argument;
        std::uint16_t index;
        int objectId;   // -1: not checked
        int channel;
    };
    const Case cases[] = {
        { kit.getSound (2), "Sound_FilterFrequency", 77, 5, 2, 2, 60, 0 },
        { &kit.getFx(), "FX_DelayTime", 33, 8, 12, 12, 100, 0 },
        { &kit, "Kit_TrackLevelFx", 90, 14, 0, 12, 10, 0 },
        { &kit, "Kit_TrackPatternMute4", 256, 36, 0, 3, -1, 0 },
        { &settings, "Settings_TrackMute4", 256, 25, 0, 3, 9, 0 },
        { &settings, "Settings_ActiveEditTrack", 5, 25, 0, 0, 15, 0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.id);
        const auto before = writes (c.subType).size();
        ASSERT_TRUE (c.object->setValueFromGui (juce::Identifier (c.id), c.value));
        ASSERT_TRUE (waitUntil ([&] { return writes (c.subType).size() > before; }));
        const auto t = writes (c.subType).back();
        EXPECT_EQ (t.header.channel(), c.channel);
        EXPECT_EQ (t.header.argument, c.argument);
        ASSERT_EQ (t.payload.size(), 6u);
        const auto data = FhAsyncParamData::fromWire (t.payload.data());
        EXPECT_EQ (data.index, c.index);
        if (c.objectId >= 0)
        {
            EXPECT_EQ (data.objectId, c.objectId);
        }
        EXPECT_EQ (data.value, c.value);
    }
    EXPECT_TRUE (writes (AsyncDataType::soundSetup).empty());   // a table parameter never goes in the record
}

TEST_F (DataObjectWire, NotificationIsStoredWithoutBeingSentBack)
{
    NotificationToSound router (kit);
    loop.worker.addListener (&router);
    ASSERT_TRUE (loop.responder.sendParameterNotification (AsyncDataType::soundParameter, 4, 4, 60, 99));
    int value = 0;
    ASSERT_TRUE (waitUntil ([&] { return kit.getSound (4)->getValue (juce::Identifier ("Sound_FilterFrequency"), value) && value == 99; }));
    std::this_thread::sleep_for (300ms);
    EXPECT_EQ (numWrites(), 0u);
    loop.worker.stopThread (5000);
    loop.worker.removeListener (&router);
}

TEST_F (DataObjectWire, SetupRecordIsThrottledToOncePerSecond)
{
    auto* sound = kit.getSound (5);
    const juce::Identifier dest ("Sound_VelocityBDestination");
    ASSERT_TRUE (sound->setValueFromGui (juce::Identifier ("Sound_Transpose"), -12));
    ASSERT_TRUE (waitUntil ([&] { return writes (6).size() == 1; }));
    const auto firstAt = std::chrono::steady_clock::now();

    for (int v : { 0x0900, 0x1000, 0x1A00 })
    {
        ASSERT_TRUE (sound->setValueFromGui (dest, v));
        std::this_thread::sleep_for (200ms);
    }
    ASSERT_TRUE (waitUntil ([&] { return writes (6).size() == 2; }));
    EXPECT_GE (std::chrono::steady_clock::now() - firstAt, 900ms);
    std::this_thread::sleep_for (1200ms);
    ASSERT_EQ (writes (6).size(), 2u);

    const auto records = writes (6);
    EXPECT_EQ (records[0].header.channel(), 1);
    EXPECT_EQ (records[0].header.argument, 5);
    ASSERT_EQ (records[0].payload.size(), 96u);
    EXPECT_EQ (records[0].payload[28], 0xF4);   // transpose -12

    rec::SoundSetup last;
    ASSERT_TRUE (rec::decodeSoundSetup (records[1].payload, last));
    EXPECT_EQ (last.track, 5);
    EXPECT_EQ (last.name, "NEW SOUND");
    EXPECT_EQ (last.modulation[0][1].destination, 0x1A);   // slot 26 is storage word 26
}

TEST_F (DataObjectWire, SetupRecordRoundTripsWithTheDevicesRecord)
{
    rec::SoundSetup device;
    device.track = 7;
    device.tags = 0x00010203;
    device.name = "ROUND TRIP";
    device.machineType = 12;
    device.velocityVolMode = 1;
    device.envResetMask = 0x02;
    device.filterKeyTracking = 40;
    device.transposable = 1;
    device.pitchBendDepth = 12;
    device.transpose = -5;
    device.playMode = 3;
    device.monoNotePriority = 2;
    device.portamentoAmount = 60;
    device.portamentoType = 1;
    device.portamentoStyle = 1;
    device.portamentoSlope = 1;
    device.portamentoGating = 1;
    device.modulation[0][0] = { -300, 2 };    // storage word 2 = runtime slot 9
    device.modulation[2][3] = { 1200, 36 };   // storage word 36 = runtime slot 37
    device.modulation[4][1] = { 5, 53 };      // storage word 53 = runtime slot 36
    const auto bytes = rec::encodeSoundSetup (device);

    auto* sound = kit.getSound (7);
    auto record = Vantu::makeSharedSoundSetup (bytes.data(), bytes.size());
    ASSERT_NE (record, nullptr);
    ASSERT_TRUE (sound->applySoundSetup (*record));

    int v = 0;
    ASSERT_TRUE (sound->getValue (juce::Identifier ("Sound_FilterEnvRestart"), v));
    EXPECT_EQ (v, 256);
    ASSERT_TRUE (sound->getValue (Vantu::Sound::velocityDestinationId (0), v));
    EXPECT_EQ (v, 9 * 256);
    ASSERT_TRUE (sound->getValue (Vantu::Sound::aftertouchDestinationId (1), v));
    EXPECT_EQ (v, 36 * 256);
    std::this_thread::sleep_for (100ms);
    EXPECT_EQ (numWrites(), 0u);   // device values are not echoed

    // A value outside the record still sends the whole current record.
    ASSERT_TRUE (sound->setValueFromGui (juce::Identifier ("Sound_LegacyFxSend"), 1));
    ASSERT_TRUE (waitUntil ([&] { return writes (6).size() == 1; }));
    EXPECT_EQ (writes (6)[0].payload, bytes);
}

TEST_F (DataObjectWire, SetupRecordBeforeAnyDeviceRecordCarriesZeroTransposableAndRestartBit)
{
    auto* sound = kit.getSound (0);
    ASSERT_TRUE (sound->setValueFromGui (juce::Identifier ("Sound_FilterEnvRestart"), 256));   // a parameter write
    ASSERT_TRUE (waitUntil ([&] { return writes (5).size() == 1; }));
    ASSERT_TRUE (sound->setValueFromGui (juce::Identifier ("Sound_PlayMode"), 3));
    ASSERT_TRUE (waitUntil ([&] { return writes (6).size() == 1; }));
    const auto p = writes (6)[0].payload;   // a copy: writes() returns a temporary
    EXPECT_EQ (p[24], 0x02);
    EXPECT_EQ (p[26], 0);
    EXPECT_EQ (p[29], 3);
}

TEST_F (DataObjectWire, KitNameRecordGoesOutAtOnce)
{
    struct Case
    {
        const char* name;
        std::vector<std::uint8_t> expected;
    };
    const Case cases[] = {
        { "abc", { 'A', 'B', 'C', 0 } },
        { "SIXTEEN CHARS XY", { 'S', 'I', 'X', 'T', 'E', 'E', 'N', ' ', 'C', 'H', 'A', 'R', 'S', ' ', 'X', 'Y' } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto before = writes (15).size();
        ASSERT_TRUE (kit.setValueFromGui2 (juce::Identifier ("Kit_Name"), c.name));
        ASSERT_TRUE (waitUntil ([&] { return writes (15).size() == before + 1; }));
        const auto t = writes (15).back();
        EXPECT_EQ (t.header.channel(), 1);
        EXPECT_EQ (t.header.argument, 0);
        ASSERT_EQ (t.payload.size(), 16u);
        EXPECT_TRUE (std::equal (c.expected.begin(), c.expected.end(), t.payload.begin()));
    }
}
