#include "support/TestEnvironment.h"
#include <juce_gui_basics/juce_gui_basics.h>
#include <gtest/gtest.h>

class DesktopWindow : public fhtest::AppTest {};

TEST_F (DesktopWindow, ComponentCanBePutOnTheDesktop)
{
    juce::Component c;
    c.setSize (100, 100);
    c.addToDesktop (juce::ComponentPeer::windowHasTitleBar);
    c.setVisible (true);
    fhtest::pumpFor (std::chrono::milliseconds (100));
    EXPECT_TRUE (c.isOnDesktop());
}
