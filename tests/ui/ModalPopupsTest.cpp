#include "UiTestSupport.h"

#include "support/TestEnvironment.h"
#include "ui/widgets/modal/CustomCallOutBox.h"
#include "ui/widgets/modal/QuickModal.h"

namespace
{
using namespace std::chrono_literals;
using uitest::LookAndFeelTest;

struct FakeProbe : ForegroundProbe
{
    Owner foregroundOwner() override { ++asked; return owner; }
    Owner owner = Owner::unknown;
    int asked = 0;
};

// Content that reports its deletion (the callback deletes it with the box).
struct Content : juce::Component
{
    Content (bool& flag, int w, int h) : deleted (flag) { setSize (w, h); }
    ~Content() override { deleted = true; }
    bool& deleted;
};

// A parent window on the desktop for call-out boxes placed inside it.
struct ParentWindow
{
    ParentWindow()
    {
        window.setBounds (0, 0, 1000, 800);
        window.addToDesktop (0);
        window.setVisible (true);
    }
    ~ParentWindow() { window.removeFromDesktop(); }
    juce::Component window;
};

TEST_F (LookAndFeelTest, CallOutBoxSizeAndPlacement)
{
    ParentWindow parent;
    bool deleted = false;
    Content content (deleted, 200, 100);

    // Room below the target: the box hangs below it, arrow on its top edge.
    CustomCallOutBox box (content, { 400, 300, 50, 20 }, &parent.window);
    EXPECT_EQ (box.getBorderSize(), 20);
    EXPECT_EQ (box.getWidth(), 248);
    EXPECT_EQ (box.getHeight(), 148);
    EXPECT_EQ (content.getPosition(), juce::Point<int> (24, 24));
    EXPECT_EQ (box.getTargetPoint(), juce::Point<float> (425.0f, 320.0f));
    EXPECT_EQ (box.getPosition(), juce::Point<int> (301, 316));
    EXPECT_TRUE (box.hitTest (124, 74));
    EXPECT_FALSE (box.hitTest (1, 74));   // outside the bubble's body

    // Near the bottom: the candidate below does not fit, the box goes above.
    box.updatePosition ({ 400, 760, 50, 20 }, parent.window.getLocalBounds());
    EXPECT_EQ (box.getTargetPoint(), juce::Point<float> (425.0f, 760.0f));
    EXPECT_LT (box.getBottom(), 760 + 5);

    // Near the right edge with room below: still below, slid left into the area.
    box.updatePosition ({ 960, 300, 30, 20 }, parent.window.getLocalBounds());
    EXPECT_LE (box.getRight(), 1000);
    parent.window.removeChildComponent (&box);
}

TEST_F (LookAndFeelTest, CallOutBoxDismissalPaths)
{
    ParentWindow parent;
    enum class Path { escape, outsideClick, dismissCommand, otherProgramInFront };
    for (auto path : { Path::escape, Path::outsideClick, Path::dismissCommand, Path::otherProgramInFront })
    {
        bool deleted = false;
        auto probe = std::make_shared<FakeProbe>();
        auto* callback = new CustomCallOutBoxCallback (std::make_unique<Content> (deleted, 200, 100), { 400, 300, 50, 20 },
                                                       &parent.window, probe);
        auto& box = callback->getBox();
        EXPECT_TRUE (box.isCurrentlyModal());

        switch (path)
        {
            case Path::escape: EXPECT_TRUE (box.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey))); break;
            case Path::outsideClick: box.inputAttemptWhenModal(); break;
            case Path::dismissCommand: box.dismiss(); break;
            case Path::otherProgramInFront: probe->owner = ForegroundProbe::Owner::otherProcess; break;
        }
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return deleted; }, 5s)) << static_cast<int> (path);
        EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
    }
}

TEST_F (LookAndFeelTest, PopupsStayWhileThisProgramOrNothingKnownIsInFront)
{
    bool deleted = false;
    auto probe = std::make_shared<FakeProbe>();
    auto* callback = new QuickModalCallback (std::make_unique<Content> (deleted, 100, 50), { 100, 100, 108, 58 }, probe);
    auto& box = callback->getBox();
    EXPECT_FALSE (box.keyPressed (juce::KeyPress ('a')));   // other keys pass

    probe->owner = ForegroundProbe::Owner::thisProcess;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return probe->asked >= 2; }, 5s));
    probe->owner = ForegroundProbe::Owner::unknown;
    const auto asked = probe->asked;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return probe->asked >= asked + 2; }, 5s));
    EXPECT_FALSE (deleted);
    EXPECT_TRUE (box.isCurrentlyModal());

    probe->owner = ForegroundProbe::Owner::otherProcess;
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return deleted; }, 5s));
}

TEST_F (LookAndFeelTest, QuickModalSitsWhereAskedAndClosesOnEveryPath)
{
    enum class Path { escape, outsideClick, dismissCommand };
    for (auto path : { Path::escape, Path::outsideClick, Path::dismissCommand })
    {
        bool deleted = false;
        auto* callback = new QuickModalCallback (std::make_unique<Content> (deleted, 100, 50), { 100, 120, 108, 58 },
                                                 std::make_shared<FakeProbe>());
        auto& box = callback->getBox();
        EXPECT_EQ (box.getScreenBounds(), juce::Rectangle<int> (100, 120, 108, 58));
        EXPECT_TRUE (box.isOnDesktop());
        EXPECT_TRUE (box.isAlwaysOnTop());
        EXPECT_EQ (box.getOutline().getBounds(), juce::Rectangle<float> (0, 0, 108, 58));
        EXPECT_TRUE (box.hitTest (50, 30));
        EXPECT_FALSE (box.hitTest (120, 30));

        switch (path)
        {
            case Path::escape: EXPECT_TRUE (box.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey))); break;
            case Path::outsideClick:
                box.inputAttemptWhenModal();
                EXPECT_FALSE (box.isVisible());   // an outside click closes at once
                break;
            case Path::dismissCommand: box.dismiss(); break;
        }
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return deleted; }, 5s)) << static_cast<int> (path);
    }
}

TEST_F (LookAndFeelTest, ClickOnTheTargetAreaClosesTheCallOutLater)
{
    ParentWindow parent;
    bool deleted = false;
    auto* callback = new CustomCallOutBoxCallback (std::make_unique<Content> (deleted, 200, 100), { 400, 300, 50, 20 },
                                                   &parent.window, std::make_shared<FakeProbe>());
    auto& box = callback->getBox();
    box.dismissalMouseClicksAreAlwaysConsumed = true;   // the path of a click on the target area
    box.inputAttemptWhenModal();
    EXPECT_TRUE (box.isVisible());   // not at once: the command comes through the message loop
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return deleted; }, 5s));
}
} // namespace
