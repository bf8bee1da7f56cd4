// Each device of an emulated engine session keeps one project for the
// session's life, however often a client opens it.
#include "EmulatorSession.h"

#include <gtest/gtest.h>

using namespace fhemu;

TEST (EmulatorSessionProject, ADeviceKeepsItsProjectAcrossOpens)
{
    EmulatorSession::Settings settings;
    settings.messagePort = 0;
    EmulatorSession session (settings);
    ASSERT_TRUE (session.start());
    session.addDevice (EmulatorSession::virtualKolvane (1), false);
    session.addDevice (EmulatorSession::virtualKolvane (2), false);

    EXPECT_EQ (session.open (3), nullptr);   // not listed

    auto* first = session.open (1);
    ASSERT_NE (first, nullptr);
    EXPECT_FALSE (first->device->announce (first->device->getProject().renameKit ("KEPT")));   // no client to tell yet
    EXPECT_EQ (first->device->getProject().getKit().name, "KEPT");

    auto* again = session.open (1);
    ASSERT_NE (again, nullptr);
    EXPECT_EQ (&again->device->getProject(), session.projectOf (1).get());
    EXPECT_EQ (again->device->getProject().getKit().name, "KEPT");
    EXPECT_NE (session.projectOf (2).get(), session.projectOf (1).get());
    EXPECT_EQ (session.projectOf (2)->getKit().name, "NIGHT DRIVE");
    session.stop();
}
