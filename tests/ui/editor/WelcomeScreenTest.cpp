#include "EditorTestSupport.h"

#include "foundation/GlobalPreferences.h"

namespace editortest
{
namespace
{
    using R = juce::Rectangle<int>;

    fhtest::EditorHarness::Options welcomeOptions (juce::AudioProcessor::WrapperType wrapper, bool show)
    {
        fhtest::EditorHarness::Options options;
        options.wrapper = wrapper;
        options.showWelcomeScreen = show;
        return options;
    }

    // The screen over a plug-in editor: its block centred in the content, the
    // preference saying it is showing.
    TEST_F (EditorTest, WelcomeScreenCoversAPluginEditor)
    {
        auto& h = make (welcomeOptions (plugin, true));
        auto* screen = h.content().getWelcomeScreen();
        ASSERT_NE (screen, nullptr);
        EXPECT_TRUE (h.isShowing (*screen));
        EXPECT_EQ (screen->getBounds(), R (0, 0, 1209, 612));
        EXPECT_EQ (screen->getParentComponent(), &h.content());
        EXPECT_EQ (h.content().getChildComponent (h.content().getNumChildComponents() - 1), screen);   // on top
        EXPECT_TRUE (h.processor().getGlobalPreferences()->getIsShowingWelcomeScreen());
        EXPECT_FALSE (screen->getReadToggle().getToggleState());
        auto* heading = h.findByText ("Important information about Fernhollow 2.0");
        ASSERT_NE (heading, nullptr);
        EXPECT_EQ (heading->getBounds(), R (154, 97, 900, 64));
        EXPECT_EQ (screen->getContinueButton().getBounds(), R (154 + 506, 97 + 396, 144, 44));
        EXPECT_EQ (screen->getReadToggle().getBounds(), R (154 + 250, 97 + 396, 256, 44));
        h.writeScreenshot ("welcome-screen");
    }

    // Ticking "I've read this" and pressing "Continue": gone now and from the next
    // editor; unticking again first keeps it for the next editor.
    TEST_F (EditorTest, WelcomeScreenTickAndContinue)
    {
        struct Case
        {
            int ticks;
            bool shownNextTime;
        };
        for (const auto c : { Case { 1, false }, Case { 0, true }, Case { 2, true } })
        {
            auto& h = make (welcomeOptions (plugin, true));
            auto* screen = h.content().getWelcomeScreen();
            ASSERT_NE (screen, nullptr);
            for (int i = 0; i < c.ticks; ++i)
                h.click (screen->getReadToggle());
            EXPECT_EQ (h.processor().getGlobalPreferences()->getShowWelcomeScreen(), c.ticks % 2 == 0) << c.ticks;

            h.click (screen->getContinueButton());
            EXPECT_EQ (screen->getParentComponent(), nullptr) << c.ticks;
            EXPECT_FALSE (h.processor().getGlobalPreferences()->getIsShowingWelcomeScreen()) << c.ticks;

            h.closeEditor();
            h.openEditor();
            EXPECT_EQ (h.content().getWelcomeScreen() != nullptr, c.shownNextTime) << c.ticks;
        }
    }

    // No screen in the standalone, whatever the preference, nor in a plug-in
    // wrapper with the preference off; either way it is not "showing".
    TEST_F (EditorTest, NoWelcomeScreenInTheStandaloneOrWhenSwitchedOff)
    {
        for (const auto& [wrapper, show] : { std::pair { standalone, true }, std::pair { plugin, false } })
        {
            auto& h = make (welcomeOptions (wrapper, show));
            EXPECT_EQ (h.content().getWelcomeScreen(), nullptr);
            EXPECT_FALSE (h.processor().getGlobalPreferences()->getIsShowingWelcomeScreen());
            EXPECT_EQ (h.findByText ("Continue"), nullptr);
        }
    }
}   // namespace
}   // namespace editortest
