#include "engine/SharedDirectory.h"
#include "engine/SharedMemoryUser.h"
#include "engine/SharedMemoryAudioData.h"
#include "support/TestEnvironment.h"

#include "EmulatorAudioStream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
class SharedMemoryUserTest : public ::testing::Test
{
protected:
    std::string uniqueName (const char* what) const
    {
        return "FhTest_" + std::to_string (::getpid()) + "_" + what + "_"
             + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    fhtest::ScopedTempHome home;
};

TEST_F (SharedMemoryUserTest, SharedDirectoryIsCreatedOpenToEveryoneAndAnExistingOneIsFine)
{
    const auto path = getSharedDirectory();
    EXPECT_EQ (path, juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("Fernhollow_Engine").getFullPathName().toStdString());
    struct stat info {};
    ASSERT_EQ (::stat (path.c_str(), &info), 0);
    EXPECT_EQ (info.st_mode & 07777, 01777u);
    EXPECT_EQ (getSharedDirectory(), path);
}

TEST_F (SharedMemoryUserTest, MapsTheEnginesBlockAndPassesBlocksThroughBothSemaphores)
{
    fhemu::EmulatorAudioStream engine (uniqueName ("stream"), {});
    ASSERT_TRUE (engine.create());

    SharedMemoryUser<SharedMemoryAudioData> user ("_IA", "_OA");
    user.open (engine.getName());
    ASSERT_NE (user.getData(), nullptr);
    EXPECT_EQ (user.getData()->pluginDataCapacity, 2048);

    EXPECT_FALSE (user.waitForInput (0));          // nothing posted: no count taken
    EXPECT_FALSE (user.waitForOutputSignal (0));

    engine.setPaused (false);
    engine.start();
    ASSERT_TRUE (user.waitForInput (2000));
    EXPECT_EQ (user.getData()->blockSize, 128);
    EXPECT_EQ (user.getData()->numDeviceChannels, 20);
    user.signalOutput();
    ASSERT_TRUE (user.waitForInput (2000));
    user.signalOutput();
    engine.stop();
    EXPECT_GE (engine.statistics().answered, 1u);
}

TEST_F (SharedMemoryUserTest, ATimedOutWaitLeavesNoCountBehind)
{
    fhemu::EmulatorAudioStream engine (uniqueName ("timeout"), {});
    ASSERT_TRUE (engine.create());
    SharedMemoryUser<SharedMemoryAudioData> user ("_IA", "_OA");
    user.open (engine.getName());

    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE (user.waitForInput (20));
    EXPECT_FALSE (user.waitForInput (0));
    EXPECT_FALSE (user.waitForOutputSignal (0));

    // A post is taken once and only once.
    boost::interprocess::named_semaphore input (boost::interprocess::open_only, (engine.getName() + "_IA").c_str());
    input.post();
    EXPECT_TRUE (user.waitForInput (20));
    EXPECT_FALSE (user.waitForInput (0));
}

TEST_F (SharedMemoryUserTest, RefusesMissingShortAndEscapingBlocks)
{
    SharedMemoryUser<SharedMemoryAudioData> user ("_IA", "_OA");
    EXPECT_ANY_THROW (user.open (uniqueName ("missing")));

    const auto shortName = uniqueName ("short");
    {
        std::ofstream file (getSharedDirectory() + "/" + shortName, std::ios::binary);
        file << std::string (1024, '\0');
    }
    EXPECT_ANY_THROW (user.open (shortName));
    EXPECT_EQ (user.getData(), nullptr);

    for (const char* bad : { "", ".", "..", "../escape", "a/b" })
    {
        SCOPED_TRACE (bad);
        EXPECT_THROW (user.open (bad), std::invalid_argument);
    }
    EXPECT_EQ (user.getData(), nullptr);
}
TEST_F (SharedMemoryUserTest, AFileOfExactlyTheUsedBytesIsEnoughAndAShrunkFileIsNoticed)
{
    struct Case
    {
        std::size_t fileBytes;
        bool opens;
    };
    const Case cases[] { { sizeof (SharedMemoryAudioData), true },
                         { kSharedMemoryAudioDataUsedBytes, true },   // sized to the last field
                         { kSharedMemoryAudioDataUsedBytes - 1, false } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.fileBytes);
        fhemu::EmulatorAudioStream::Settings settings;
        settings.fileBytes = c.fileBytes;
        fhemu::EmulatorAudioStream engine (uniqueName ("sized") + std::to_string (c.fileBytes), settings);
        ASSERT_TRUE (engine.create());

        SharedMemoryUser<SharedMemoryAudioData> user ("_IA", "_OA");
        if (! c.opens)
        {
            EXPECT_ANY_THROW (user.open (engine.getName()));
            continue;
        }
        ASSERT_NO_THROW (user.open (engine.getName()));
        EXPECT_TRUE (user.isIntact());
        EXPECT_EQ (user.getData()->pluginDataCapacity, 2048);

        engine.shrinkFile (1024);
        EXPECT_FALSE (user.isIntact());
    }
}

TEST_F (SharedMemoryUserTest, SemaphoresItHadToMakeAreRemovedAtCloseOthersStay)
{
    namespace bip = boost::interprocess;
    const auto exists = [] (const std::string& name) {
        try
        {
            bip::named_semaphore (bip::open_only, name.c_str());
            return true;
        }
        catch (const bip::interprocess_exception&)
        {
            return false;
        }
    };

    for (const bool engineMakesThem : { false, true })
    {
        SCOPED_TRACE (engineMakesThem);
        fhemu::EmulatorAudioStream::Settings settings;
        settings.makeSemaphores = engineMakesThem;
        fhemu::EmulatorAudioStream engine (uniqueName (engineMakesThem ? "made" : "late"), settings);
        ASSERT_TRUE (engine.create());

        SharedMemoryUser<SharedMemoryAudioData> user ("_IA", "_OA");
        user.open (engine.getName());
        EXPECT_TRUE (exists (engine.getName() + "_IA"));
        EXPECT_TRUE (exists (engine.getName() + "_OA"));

        user.close();
        EXPECT_EQ (exists (engine.getName() + "_IA"), engineMakesThem);
        EXPECT_EQ (exists (engine.getName() + "_OA"), engineMakesThem);
        EXPECT_FALSE (user.waitForInput (0));   // the handles stay usable until the next open
    }
}
} // namespace
