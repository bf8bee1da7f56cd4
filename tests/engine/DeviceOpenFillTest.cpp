#include "WorkerLoopback.h"

#include "model/VantuInterface.h"
#include "model/storage/RecordWriters.h"
#include "processor/DeviceOpenSequence.h"
#include "processor/ProcessorJobPool.h"
#include "support/TestEnvironment.h"

#include "EmulatorRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace enginetest;
namespace rec = fhemu::records;

namespace
{
class DeviceOpenFill : public fhtest::AppTest
{
protected:
    void SetUp() override
    {
        auto& r = loop.responder;
        r.setRecord (AsyncDataType::kit, 0, rec::kit (rec::newestKitVersion, "LIVE SET"));
        for (int t = 0; t < 12; ++t)
        {
            r.setRecord (AsyncDataType::sound, (std::uint16_t) t,
                         rec::sound (rec::newestSoundVersion, "SOUND " + std::to_string (t + 1), (std::uint8_t) t));
            rec::SoundSetup setup;
            setup.track = (std::uint16_t) t;
            setup.machineType = (std::uint8_t) t;
            setup.name = "SOUND " + std::to_string (t + 1);
            r.setRecord (AsyncDataType::soundSetup, (std::uint16_t) t, rec::encodeSoundSetup (setup));
        }
        r.setRecord (AsyncDataType::projectSettings, 0, rec::projectSettings (3, 0x0005));

        FhAsyncSoundPoolListing poolListing {};
        for (auto& e : poolListing.entries)
            e.machineType = 255;
        poolListing.entries[4].machineType = 2;
        std::memcpy (poolListing.entries[4].name, "POOLKICK", 8);
        r.setRecord (AsyncDataType::soundPoolListing, 0, Vantu::writeSoundPoolListing (poolListing));

        for (int bank = 0; bank < 8; ++bank)
        {
            FhAsyncSoundBankListing listing {};
            for (int i = 0; i < 256; ++i)
            {
                listing.entries[i].machineType = 255;
                listing.entries[i].number = (std::uint16_t) (bank * 256 + i);
            }
            listing.entries[1].machineType = 5;
            std::memcpy (listing.entries[1].name, "LIB", 3);
            r.setRecord (AsyncDataType::soundBankListing, (std::uint16_t) bank, Vantu::writeSoundBankListing (listing));
        }
        r.setRecord (AsyncDataType::patternSettings, 0, Vantu::writePatternSettings ({ 0x0801 }));

        ASSERT_TRUE (loop.start());
        ASSERT_TRUE (loop.responder.sendEngineReady());
        ASSERT_TRUE (waitUntil ([&] { return loop.worker.isEngineReady(); }));
    }

    void TearDown() override
    {
        pool.shutdown (5000);
        loop.worker.stopThread (5000);   // it calls the device interface without a lock
        device.stopDataObjectThreads();
    }

    WorkerLoopback loop;
    ProcessorJobPool pool;
    Vantu::VantuInterface device { loop.worker, pool };
};
} // namespace

TEST_F (DeviceOpenFill, OpeningTheDeviceFillsTheWholeModel)
{
    Vantu::runDeviceOpenedSequence (device);

    ASSERT_TRUE (waitUntil ([&] { return loop.reads().size() >= 36; }, 10000ms));
    ASSERT_TRUE (waitUntil ([&] { return pool.getNumJobs() == 0; }, 10000ms));
    EXPECT_EQ (loop.reads().size(), 36u);

    juce::String text;
    EXPECT_TRUE (device.getKit().getStringValue ("Kit_Name", text));
    EXPECT_EQ (text, "LIVE SET");
    // The emulator's kit record holds empty sounds, so the kit and sound updates
    // race for the track sounds here; what must hold is that every track was read.
    for (int t = 0; t < 12; ++t)
    {
        const auto reads = loop.reads();
        EXPECT_EQ (std::count_if (reads.begin(), reads.end(), [&] (const fhemu::RecordedTransaction& r) {
                       return (r.header.subType == 4 || r.header.subType == 6) && r.header.argument == t;
                   }), 2) << t;
    }
    const auto poolEntries = device.getSoundPool().getEntries();
    EXPECT_TRUE (poolEntries[4].used);
    EXPECT_EQ (poolEntries[4].name, "POOLKICK");
    EXPECT_FALSE (poolEntries[5].used);
    for (int bank = 0; bank < 8; ++bank)
    {
        const auto entry = device.getSoundLibrary().getEntry (bank * 256 + 1);
        EXPECT_TRUE (entry.used) << bank;
        EXPECT_EQ (entry.name, "LIB");
    }
    int mute = -1;
    EXPECT_TRUE (device.getKit().getValue (Vantu::Kit::trackPatternMuteId (0), mute));
    EXPECT_EQ (mute, 256);
    EXPECT_TRUE (device.getKit().getValue (Vantu::Kit::trackPatternMuteId (11), mute));
    EXPECT_EQ (mute, 256);
    EXPECT_TRUE (device.getKit().getValue (Vantu::Kit::trackPatternMuteId (1), mute));
    EXPECT_EQ (mute, 0);
}
