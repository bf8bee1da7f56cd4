#pragma once

#include "HostLoopback.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace standalonetest
{
// The device model host on the message thread of the test, filled from the virtual project.
class FilledModel : public fhtest::AppTest
{
protected:
    // Opens the device model on the virtual project and waits until every record has been read.
    void fill()
    {
        ASSERT_TRUE (loop.start (records));
        loop.host->deviceOpened();
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return loop.numReads() >= 36 && loop.host->isIdle(); },
                                        std::chrono::milliseconds (15000)));
    }

    ProjectRecords records;
    HostLoopback loop;
};
} // namespace standalonetest
