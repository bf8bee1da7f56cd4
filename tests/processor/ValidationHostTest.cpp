#include "processor/HostContext.h"

#include <gtest/gtest.h>

TEST (ValidationHost, TheHostFileNameDecides)
{
    struct Case
    {
        const char* path;
        bool validation;
    };
    const Case cases[] = {
        { "/usr/bin/auvaltool", true },
        { "C:\\Tools\\auval.exe", true },
        { "/System/Library/Frameworks/com.apple.audio.InfoHelper", true },
        { "/Applications/Studio.app/Contents/MacOS/Studio", false },
        { "/home/auval/bin/host", false },   // only the file name counts
        { "C:\\auval\\host.exe", false },
        { "", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ (isValidationHostPath (c.path), c.validation) << c.path;
}
