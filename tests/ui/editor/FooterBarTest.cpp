#include "EditorTestSupport.h"

#include "foundation/NotificationManager.h"

namespace editortest
{
namespace
{
    using R = juce::Rectangle<int>;

    class FooterTest : public EditorTest
    {
    protected:
        void SetUp() override
        {
            make (plugin);
            ASSERT_TRUE (footer().getButtons().empty()) << "the processor shows a notification of its own";
        }

        FooterBar& footer() { return harness->content().getFooter(); }
        NotificationManager& manager() { return harness->processor().getNotificationManager(); }

        std::shared_ptr<Notification> show (const juce::String& text, int severity,
                                            std::vector<Notification::Response> responses = {},
                                            Notification::ResponseHandler handler = {})
        {
            auto n = std::make_shared<Notification> ([text] { return text; }, severity, std::move (responses), false,
                                                     Notification::TimerFunction(), std::move (handler));
            manager().addNotification (n, true);
            return n;
        }

        juce::StringArray words()
        {
            juce::StringArray out;
            for (const auto& b : footer().getButtons())
                out.add (ShowNotificationButton::severityWord (b->notification->severity));
            return out;
        }

        int selectedIndex()
        {
            const auto& buttons = footer().getButtons();
            for (size_t i = 0; i < buttons.size(); ++i)
                if (buttons[i]->getToggleState())
                    return static_cast<int> (i);
            return -1;
        }

        bool waitForButtons (size_t n)
        {
            return harness->pumpUntil ([&] { return footer().getButtons().size() == n; });
        }
    };

    // The footer's own layout in a 1209-wide content.
    TEST_F (FooterTest, Layout)
    {
        EXPECT_EQ (footer().getLogo().getBounds(), R (1073, 0, 112, 40));
        EXPECT_EQ (footer().getVersionLabel().getBounds(), R (973, 0, 100, 40));
        EXPECT_EQ (footer().getNotificationView().getBounds(), R (12, 0, 773, 40));
        EXPECT_EQ (footer().getHelpLabel().getBounds(), R (12, 4, 773, 36));
        EXPECT_TRUE (footer().getVersionLabel().getText().startsWith ("Version "));
    }

    // An error, a warning and an info: buttons in severity order at x 12, 68, 124,
    // the error selected and shown in red.
    TEST_F (FooterTest, ButtonsInSeverityOrderWithTheFirstSelected)
    {
        show ("Just so you know", Notification::Info);
        show ("Watch out", Notification::Warning);
        show ("Broken", Notification::Error);
        ASSERT_TRUE (waitForButtons (3));
        EXPECT_EQ (words(), juce::StringArray ({ "Error", "Warning", "Info" }));
        for (size_t i = 0; i < 3; ++i)
        {
            EXPECT_EQ (footer().getButtons()[i]->getBounds(), R (12 + 56 * static_cast<int> (i), 4, 52, 12));
        }
        EXPECT_EQ (selectedIndex(), 0);
        auto& label = footer().getNotificationView().getMessageLabel();
        EXPECT_EQ (label.getText(), "Broken");
        EXPECT_EQ (label.findColour (0x200110E), juce::Colour (0xffdf575d));
        EXPECT_EQ (footer().getHelpLabel().getText(), "");
        harness->writeScreenshot ("footer-notifications", &footer());

        harness->click (*footer().getButtons()[2]);
        EXPECT_EQ (selectedIndex(), 2);
        EXPECT_EQ (label.getText(), "Just so you know");
        EXPECT_EQ (label.findColour (0x200110E), juce::Colour (0xfff0f0f0));
    }

    // The selection stays on its index across rebuilds; an earlier notification
    // that goes moves it to the next one; an index beyond the list falls back to
    // the first button; the last one going leaves an empty view.
    TEST_F (FooterTest, SelectionSurvivesRebuildsByIndex)
    {
        auto error = show ("Broken", Notification::Error);
        auto warning = show ("Watch out", Notification::Warning);
        auto info = show ("Just so you know", Notification::Info);
        ASSERT_TRUE (waitForButtons (3));
        harness->click (*footer().getButtons()[1]);
        ASSERT_EQ (selectedIndex(), 1);

        auto later = show ("Also this", Notification::Info);
        ASSERT_TRUE (waitForButtons (4));
        EXPECT_EQ (selectedIndex(), 1);
        EXPECT_EQ (footer().getNotificationView().getNotification(), warning);

        error->deactivate();
        ASSERT_TRUE (waitForButtons (3));
        EXPECT_EQ (selectedIndex(), 1);
        EXPECT_EQ (footer().getNotificationView().getNotification(), info);

        harness->click (*footer().getButtons()[2]);
        later->deactivate();
        ASSERT_TRUE (waitForButtons (2));
        EXPECT_EQ (selectedIndex(), 0);
        EXPECT_EQ (footer().getNotificationView().getNotification(), warning);

        warning->deactivate();
        info->deactivate();
        ASSERT_TRUE (waitForButtons (0));
        EXPECT_EQ (footer().getNotificationView().getNotification(), nullptr);
        EXPECT_EQ (footer().getNotificationView().getMessageLabel().getText(), "");
    }

    // A question with Yes and No shows exactly those, right of its text; one
    // answer reaches the notification, which then leaves the footer.
    TEST_F (FooterTest, AnswerButtonsDeliverOneAnswer)
    {
        std::vector<Notification::Response> answers;
        auto question = show ("Load the plug-in state?", Notification::Question,
                              { Notification::Yes, Notification::No },
                              [&answers] (Notification::Response r) { answers.push_back (r); });
        ASSERT_TRUE (waitForButtons (1));
        auto& view = footer().getNotificationView();
        auto& yes = view.getAnswerButton (Notification::Yes);
        auto& no = view.getAnswerButton (Notification::No);
        for (const auto r : { Notification::Ok, Notification::Cancel, Notification::Close, Notification::Dismiss,
                              Notification::PluginState, Notification::DeviceState })
        {
            EXPECT_FALSE (view.getAnswerButton (r).isVisible()) << r;
        }
        ASSERT_TRUE (yes.isVisible());
        ASSERT_TRUE (no.isVisible());
        const auto& label = view.getMessageLabel();
        const int textEnd = static_cast<int> (std::ceil (label.getFont().getStringWidthFloat (label.getText()))) + 10;
        EXPECT_EQ (label.getBounds(), R (0, 16, 773, 24));
        EXPECT_EQ (yes.getX(), textEnd + 4);
        EXPECT_EQ (no.getX(), yes.getRight() + 8);
        EXPECT_EQ (yes.getY(), 6);
        EXPECT_EQ (yes.getHeight(), 28);
        EXPECT_EQ (yes.getWidth(), no.getWidth());
        harness->writeScreenshot ("footer-question", &footer());

        harness->click (yes);
        ASSERT_TRUE (waitForButtons (0));
        EXPECT_EQ (answers, std::vector<Notification::Response> { Notification::Yes });
        EXPECT_FALSE (question->isActive());
        EXPECT_FALSE (yes.isVisible());
    }

    // A notification deactivated while shown ignores its answer buttons.
    TEST_F (FooterTest, ADeactivatedNotificationIgnoresClicks)
    {
        std::vector<Notification::Response> answers;
        auto n = std::make_shared<Notification> ([] { return juce::String ("Close me"); }, Notification::Info,
                                                 std::vector<Notification::Response> { Notification::Close }, true,
                                                 Notification::TimerFunction(),
                                                 [&answers] (Notification::Response r) { answers.push_back (r); });
        manager().addNotification (n, true);
        ASSERT_TRUE (waitForButtons (1));
        auto& close = footer().getNotificationView().getAnswerButton (Notification::Close);
        ASSERT_TRUE (close.isVisible());

        n->deactivate();   // its message has not arrived yet: the button is still there
        harness->click (close);
        EXPECT_TRUE (answers.empty());
        EXPECT_FALSE (n->isResponseGiven());
    }

    // A notification without text shows "ERROR"; an unknown severity draws no word.
    TEST_F (FooterTest, MissingTextAndUnknownSeverity)
    {
        auto n = std::make_shared<Notification> (Notification::TextFunction(), 7, std::vector<Notification::Response>(),
                                                 false);
        manager().addNotification (n, true);
        ASSERT_TRUE (waitForButtons (1));
        EXPECT_EQ (footer().getNotificationView().getMessageLabel().getText(), "ERROR");
        EXPECT_EQ (words(), juce::StringArray ({ "" }));
        EXPECT_EQ (ShowNotificationButton::severityColour (7),
                   ShowNotificationButton::severityColour (Notification::Warning));
    }

    // With no notification the footer shows the tooltip of what the (real) mouse
    // is over, at the next tick; over a component without one it is empty.
    TEST_F (FooterTest, HelpTextFollowsTheMouse)
    {
        auto& content = harness->content();
        harness->mouseMove (content.getKeyboardToggle());
        footer().timerCallback();
        EXPECT_EQ (footer().getHelpLabel().getText(), "Show/hide keyboard");
        EXPECT_EQ (footer().getHelpLabel().findColour (0x200111F), juce::Colour (0xff2b2b2b));
        harness->writeScreenshot ("footer-help", &footer());

        harness->mouseMove (content, juce::Point<float> (100.0f, 44.0f));   // the strip above the kit editor's tabs
        footer().timerCallback();
        EXPECT_EQ (footer().getHelpLabel().getText(), "");
        EXPECT_EQ (footer().getHelpLabel().findColour (0x200111F), juce::Colour (0x00000000));

        // Notifications take the place of the help text.
        show ("Broken", Notification::Error);
        ASSERT_TRUE (waitForButtons (1));
        harness->mouseMove (content.getKeyboardToggle());
        footer().timerCallback();
        EXPECT_EQ (footer().getHelpLabel().getText(), "");
    }

    // The footer's logo opens the maker's page on release, also when the mouse
    // was dragged off it first.
    TEST_F (FooterTest, TheLogoOpensTheMakersPage)
    {
        juce::StringArray opened;
        auto& logo = footer().getLogo();
        logo.launcher = [&opened] (const juce::URL& url) { opened.add (url.toString (false)); };
        harness->click (logo);
        EXPECT_EQ (opened, juce::StringArray ({ CorvanelImageLogoComponent::webPage }));

        harness->mouseDown (logo);
        harness->mouseDrag (logo, juce::ModifierKeys::leftButtonModifier, { -300.0f, -200.0f });
        harness->mouseUp (logo, juce::Point<float> (-300.0f, -200.0f));
        EXPECT_EQ (opened.size(), 2);
    }
}   // namespace
}   // namespace editortest
