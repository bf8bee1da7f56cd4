#include "foundation/Logger.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

TEST (LoggerNames, LevelNamesMapExactlyAndUnknownIsTrace)
{
    const std::pair<const char*, int> cases[] = {
        { "trace", 0 }, { "debug", 1 }, { "info", 2 }, { "warn", 3 }, { "err", 4 },
        { "critical", 5 }, { "off", 6 }, { "warning", 0 }, { "OFF", 0 }, { "", 0 },
    };
    for (const auto& [name, level] : cases)
        EXPECT_EQ (CorvanelLogger::levelFromName (name), level) << name;
}

TEST (LoggerNames, StemAndNumberedName)
{
    EXPECT_EQ (CorvanelLogger::fileStem ("abcd"), "abcd");
    EXPECT_EQ (CorvanelLogger::fileStem ("a.b.log"), "a.b");
    EXPECT_EQ (CorvanelLogger::fileStem ("nodotname"), "nodotname");
    EXPECT_EQ (CorvanelLogger::makeLogFileName ("Kolvane_standalone", 3), "Kolvane_standalone_3.log");
}
