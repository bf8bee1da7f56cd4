#include "engine/SharedDirectory.h"
#include "engine/SharedMemoryUser.h"
#include "processor/SharedMemoryAudioData.h"
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
} // namespace
