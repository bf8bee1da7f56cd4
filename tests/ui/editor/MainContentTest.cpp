#include "EditorTestSupport.h"

#include "foundation/GlobalPreferences.h"
#include "ui/editor/StandaloneWindowIfc.h"

namespace editortest
{
namespace
{
    using R = juce::Rectangle<int>;

    struct HeaderCase
    {
        const char* part;
        std::function<juce::Component&(MainContentComponent&)> find;
        R standaloneBounds, pluginBounds;
    };

    const std::vector<HeaderCase>& headerTable()
    {
        using C = MainContentComponent;
        static const std::vector<HeaderCase> table {
            { "logo", [] (C& c) -> juce::Component& { return c.getLogo(); }, { 0, 0, 180, 32 }, { 0, 0, 180, 32 } },
            { "scale selector",
              [] (C& c) -> juce::Component& { return c.getScaleSelector(); },
              { 188, 8, 60, 16 },
              { 188, 8, 60, 16 } },
            { "device selector",
              [] (C& c) -> juce::Component& { return c.getDeviceSelector(); },
              { 253, 8, 234, 16 },
              { 253, 8, 234, 16 } },
            { "total recall",
              [] (C& c) -> juce::Component& { return c.getTotalRecallButton(); },
              { 0, 0, 0, 0 },
              { 488, 8, 60, 16 } },
            { "sync",
              [] (C& c) -> juce::Component& { return c.getSyncSettings(); },
              { 713, 0, 160, 32 },
              { 749, 0, 160, 32 } },
            { "capture",
              [] (C& c) -> juce::Component& { return c.getCaptureButton(); },
              { 877, 2, 32, 30 },
              { 0, 0, 0, 0 } },
            { "sidechain",
              [] (C& c) -> juce::Component& { return c.getSidechainButton(); },
              { 903, 2, 32, 28 },
              { 903, 2, 32, 28 } },
            { "pads toggle",
              [] (C& c) -> juce::Component& { return c.getPadsToggle(); },
              { 943, 0, 38, 32 },
              { 943, 0, 38, 32 } },
            { "keyboard toggle",
              [] (C& c) -> juce::Component& { return c.getKeyboardToggle(); },
              { 981, 0, 38, 32 },
              { 981, 0, 38, 32 } },
            { "section bar",
              [] (C& c) -> juce::Component& { return c.getSectionBar(); },
              { 1021, 0, 188, 32 },
              { 1021, 0, 188, 32 } },
            { "sections",
              [] (C& c) -> juce::Component& { return c.getSectionStack(); },
              { -1, 36, 1202, 536 },
              { -1, 36, 1202, 536 } },
            { "footer",
              [] (C& c) -> juce::Component& { return c.getFooter(); },
              { 0, 572, 1209, 40 },
              { 0, 572, 1209, 40 } },
        };
        return table;
    }

    // Every header rectangle in both wrappers, at a scale where content units and
    // pixels differ (the rectangles stay in content units).
    TEST_F (EditorTest, HeaderRectanglesDependOnTheWrapper)
    {
        for (const auto wrapper : { standalone, plugin })
        {
            auto& h = make (wrapper, [] (SynthPluginState& s) { s.setIntProperty (PluginStateIds::uiScale, 120); });
            ASSERT_EQ (h.content().isStandalone(), wrapper == standalone);
            for (const auto& row : headerTable())
            {
                auto& part = row.find (h.content());
                EXPECT_EQ (h.boundsInContent (part), wrapper == standalone ? row.standaloneBounds : row.pluginBounds)
                    << row.part << (wrapper == standalone ? " (standalone)" : " (plug-in)");
            }
            // The sync selector shows only in plug-in wrappers; its place stays.
            auto& sync = h.content().getSyncSettings();
            EXPECT_EQ (sync.getComboBox().getBounds(), wrapper == standalone ? R() : R (38, 8, 108, 16));
            EXPECT_EQ (sync.getLabel().getBounds(), wrapper == standalone ? R() : R (4, 0, 32, 32));
            h.writeScreenshot (wrapper == standalone ? "editor-standalone-120" : "editor-plugin-120");
        }
    }

    // The section bar switches the shown section; the sound browser clears the
    // volatile state's selected track, a return to the kit editor selects its
    // current track tab's track.
    TEST_F (EditorTest, SectionSwitchShowsOneSectionAndSetsTheSelectedTrack)
    {
        auto& h = make (standalone);
        auto& content = h.content();
        ASSERT_EQ (content.getNumSections(), 2);
        EXPECT_EQ (content.getSection (0).getName(), "KitSoundEditor");
        EXPECT_TRUE (content.getSection (0).isVisible());
        EXPECT_FALSE (content.getSection (1).isVisible());
        EXPECT_EQ (content.getSection (0).getBounds(), R (1, 0, 1201, 536));

        auto* kitButton = h.findByText ("Kit Editor");
        auto* browserButton = h.findByText ("Sound Browser");
        ASSERT_NE (kitButton, nullptr);
        ASSERT_NE (browserButton, nullptr);
        EXPECT_EQ (kitButton->getComponentID(), "SectionBtn");
        EXPECT_TRUE (dynamic_cast<juce::Button*> (kitButton)->getToggleState());

        auto& volatileState = h.processor().getVolatileState();
        volatileState.setSelectedTrack (4);
        h.click (*browserButton);
        EXPECT_TRUE (h.pumpUntil ([&] { return content.getSection (1).isVisible(); }));
        EXPECT_FALSE (content.getSection (0).isVisible());
        EXPECT_EQ (volatileState.getSelectedTrack(), -1);
        EXPECT_FALSE (dynamic_cast<juce::Button*> (kitButton)->getToggleState());

        // Clicking the shown section's button again changes nothing.
        h.click (*browserButton);
        h.pumpFor (30ms);
        EXPECT_TRUE (content.getSection (1).isVisible());
        EXPECT_TRUE (dynamic_cast<juce::Button*> (browserButton)->getToggleState());

        h.click (*kitButton);
        EXPECT_TRUE (h.pumpUntil ([&] { return content.getSection (0).isVisible(); }));
        EXPECT_FALSE (content.getSection (1).isVisible());
        EXPECT_EQ (volatileState.getSelectedTrack(), content.getSection (0).getCurrentTabIndex());   // its current track tab
    }

    // The toggles open one band at a time; the editor's height follows.
    TEST_F (EditorTest, KeyboardAndPadsTogglesAreExclusiveAndSwitchTheHeight)
    {
        auto& h = make (standalone);
        auto& content = h.content();
        auto& state = *h.processor().getPluginState();
        const auto band = [&] (juce::Component& c) { return h.isShowing (c) ? h.boundsInContent (c) : R(); };

        h.click (content.getPadsToggle());
        EXPECT_TRUE (h.pumpUntil ([&] { return h.editor().getHeight() == 672; }));
        EXPECT_TRUE (state.getBoolProperty (PluginStateIds::openedPads, false));
        EXPECT_TRUE (content.getPadsToggle().getToggleState());
        EXPECT_EQ (band (content.getPads()), R (0, 572, 1200, 60));
        EXPECT_EQ (band (content.getKeyboard()), R());
        EXPECT_EQ (h.boundsInContent (content.getFooter()), R (0, 632, 1209, 40));

        h.click (content.getKeyboardToggle());
        h.pumpFor (50ms);
        EXPECT_FALSE (content.getPadsToggle().getToggleState());
        EXPECT_TRUE (content.getKeyboardToggle().getToggleState());
        EXPECT_TRUE (state.getBoolProperty (PluginStateIds::openedKeyboard, false));
        EXPECT_FALSE (state.getBoolProperty (PluginStateIds::openedPads, true));
        EXPECT_EQ (band (content.getKeyboard()), R (0, 572, 1200, 60));
        EXPECT_EQ (band (content.getPads()), R());
        EXPECT_EQ (h.editor().getHeight(), 672);

        h.click (content.getKeyboardToggle());
        EXPECT_TRUE (h.pumpUntil ([&] { return h.editor().getHeight() == 612; }));
        EXPECT_FALSE (state.getBoolProperty (PluginStateIds::openedKeyboard, true));
        EXPECT_EQ (band (content.getKeyboard()), R());
        EXPECT_EQ (h.boundsInContent (content.getFooter()), R (0, 572, 1209, 40));
    }

    // A stored band opens the editor with it; with both stored the keyboard wins
    // (its stored state arrives first and switches the pads off).
    TEST_F (EditorTest, ConstructionWithEitherStoredBand)
    {
        struct Case
        {
            bool keyboard, pads;
            bool keyboardShown, padsShown;
        };
        for (const auto c :
             { Case { true, false, true, false }, Case { false, true, false, true }, Case { true, true, true, false } })
        {
            auto& h = make (plugin, [c] (SynthPluginState& s) {
                s.setBoolProperty (PluginStateIds::openedKeyboard, c.keyboard);
                s.setBoolProperty (PluginStateIds::openedPads, c.pads);
            });
            auto& content = h.content();
            const auto label = std::to_string (c.keyboard) + std::to_string (c.pads);
            EXPECT_EQ (h.editor().getHeight(), 672) << label;
            EXPECT_EQ (content.getKeyboardToggle().getToggleState(), c.keyboardShown) << label;
            EXPECT_EQ (content.getPadsToggle().getToggleState(), c.padsShown) << label;
            EXPECT_EQ (h.isShowing (content.getKeyboard()), c.keyboardShown) << label;
            EXPECT_EQ (h.isShowing (content.getPads()), c.padsShown) << label;
            auto& state = *h.processor().getPluginState();
            EXPECT_EQ (state.getBoolProperty (PluginStateIds::openedPads, false), c.padsShown) << label;
        }
    }

    // The scale selector, worked through its real menu, stores "UIScale" and the
    // editor takes the new size.
    TEST_F (EditorTest, TheScaleSelectorStoresTheScale)
    {
        auto& h = make (plugin);
        auto& selector = h.content().getScaleSelector();
        EXPECT_EQ (selector.getText(), "100%");
        h.pickFromNextMenu ("140%");
        h.click (selector);
        EXPECT_TRUE (h.pumpUntil ([&] { return h.menuPickDone() && h.editor().getWidth() == 1680; }));
        EXPECT_EQ (h.editor().getHeight(), 857);
        EXPECT_EQ (h.processor().getPluginState()->getIntProperty (PluginStateIds::uiScale, 0), 140);
        EXPECT_EQ (selector.getText(), "140%");
    }

    // The sections' wheel flag follows the shared "SliderMouseWheel" value.
    TEST_F (EditorTest, SectionsFollowTheWheelPreference)
    {
        auto& h = make (standalone);
        auto& preferences = *h.processor().getGlobalPreferences();
        EXPECT_FALSE (h.content().getSection (0).wheelFlag);
        preferences.setSliderMouseWheel (true);
        EXPECT_TRUE (
            h.pumpUntil ([&] { return h.content().getSection (0).wheelFlag && h.content().getSection (1).wheelFlag; }));
        preferences.setSliderMouseWheel (false);
        EXPECT_TRUE (h.pumpUntil ([&] { return ! h.content().getSection (1).wheelFlag; }));
    }

    // A main window of the standalone program, as the shell makes it.
    class FakeStandaloneWindow : public juce::DocumentWindow, public StandaloneWindowIfc
    {
    public:
        FakeStandaloneWindow() : juce::DocumentWindow ("Standalone", juce::Colours::black, 0)
        {
            setSize (300, 200);
            addToDesktop (0);
        }

        juce::ResizableWindow& getMainWindow() override { return *this; }
        juce::Button* getOptionsButton() override { return &options; }

        juce::TextButton options { "Options" };
    };

    // The standalone window is found by its type, also behind another window,
    // and takes the accent colour; a plug-in editor colours nothing.
    TEST_F (EditorTest, TheStandaloneWindowTakesTheAccentColour)
    {
        juce::DocumentWindow other ("Other", juce::Colours::green, 0);
        other.addToDesktop (0);
        for (const auto wrapper : { plugin, standalone })
        {
            FakeStandaloneWindow window;
            make (wrapper);
            const auto expected = wrapper == standalone ? juce::Colour (0xffcb555d) : juce::Colours::black;
            EXPECT_EQ (window.getBackgroundColour(), expected);
            EXPECT_EQ (window.options.findColour (juce::TextButton::buttonColourId),
                       wrapper == standalone
                           ? juce::Colour (0xffcb555d)
                           : juce::LookAndFeel::getDefaultLookAndFeel().findColour (juce::TextButton::buttonColourId));
            EXPECT_EQ (other.getBackgroundColour(), juce::Colours::green);
            harness.reset();
        }
    }

    // The sync selector in a plug-in wrapper: shows the stored mode, stores a
    // choice and follows a mode stored elsewhere (logging each change it hears).
    TEST_F (EditorTest, SyncSelectorShowsAndStoresTheSyncMode)
    {
        auto& h = make (plugin, [] (SynthPluginState& s) { s.setIntProperty (PluginStateIds::syncMode, 2); });
        auto& sync = h.content().getSyncSettings();
        auto& state = *h.processor().getPluginState();
        EXPECT_EQ (sync.getComboBox().getText(), "Clock+Transport");

        {
            fhtest::ScopedLogCapture log;
            h.pickFromNextMenu ("No sync");
            h.click (sync.getComboBox());
            EXPECT_TRUE (h.pumpUntil ([&] { return state.getIntProperty (PluginStateIds::syncMode, -1) == 0; }));
            h.pumpFor (50ms);
            EXPECT_EQ (log.count ("sync mode is 0"), 1);
        }
        {
            fhtest::ScopedLogCapture log;
            state.setIntProperty (PluginStateIds::syncMode, 1);
            EXPECT_TRUE (h.pumpUntil (
                [&] { return sync.getComboBox().getText() == "Clock" && log.count ("sync mode is 1") == 2; }));
            h.pumpFor (50ms);
            EXPECT_EQ (log.count ("sync mode is 1"), 2);
            EXPECT_EQ (state.getIntProperty (PluginStateIds::syncMode, -1), 1);
        }
        // A mode without an item shows no text and stays stored.
        state.setIntProperty (PluginStateIds::syncMode, 3);
        h.pumpFor (50ms);
        EXPECT_EQ (sync.getComboBox().getText(), "");
        EXPECT_EQ (state.getIntProperty (PluginStateIds::syncMode, -1), 3);
    }
}   // namespace
}   // namespace editortest
