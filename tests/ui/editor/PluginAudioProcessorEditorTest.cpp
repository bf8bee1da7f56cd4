#include "EditorTestSupport.h"

#include "platform/AppDataPaths.h"
#include "ui/widgets/modal/CustomCallOutBox.h"

namespace editortest
{
namespace
{
    struct NoOtherProgram : ForegroundProbe
    {
        Owner foregroundOwner() override { return Owner::unknown; }
    };

    enum class Band
    {
        none,
        keyboard,
        pads
    };

    struct SizeCase
    {
        int scale;
        Band band;
        int width, height;
    };

    std::string sizeCaseName (const ::testing::TestParamInfo<SizeCase>& info)
    {
        const char* band[] = { "NoBand", "Keyboard", "Pads" };
        return "Scale" + std::to_string (info.param.scale) + band[static_cast<int> (info.param.band)];
}

class EditorSizeTest : public EditorTest, public ::testing::WithParamInterface<SizeCase>
{
};

// The editor's size for every scale and band, the content scaled to it at
// x -1, 1209 units wide.
TEST_P (EditorSizeTest, FollowsTheScaleAndTheBand)
{
    const auto c = GetParam();
    auto& h = make (standalone, [c] (SynthPluginState& s) {
        s.setIntProperty (PluginStateIds::uiScale, c.scale);
        s.setBoolProperty (PluginStateIds::openedKeyboard, c.band == Band::keyboard);
        s.setBoolProperty (PluginStateIds::openedPads, c.band == Band::pads);
    });

    EXPECT_EQ (h.editor().getWidth(), c.width);
    EXPECT_EQ (h.editor().getHeight(), c.height);
    const int baseHeight = c.band == Band::none ? 612 : 672;
    EXPECT_EQ (h.editor().getBaseHeight(), baseHeight);
    EXPECT_EQ (h.content().getBounds(), juce::Rectangle<int> (-1, 0, 1209, baseHeight));
    EXPECT_FLOAT_EQ (h.content().getTransform().mat00, static_cast<float> (c.width) / 1200.0f);
    EXPECT_FLOAT_EQ (h.content().getTransform().mat11, static_cast<float> (c.width) / 1200.0f);
    EXPECT_DOUBLE_EQ (h.editor().getConstrainer()->getFixedAspectRatio(), 1200.0 / baseHeight);
}

INSTANTIATE_TEST_SUITE_P (
    Table, EditorSizeTest,
    ::testing::Values (SizeCase { 80, Band::none, 960, 490 }, SizeCase { 80, Band::pads, 960, 538 },
                       SizeCase { 100, Band::none, 1200, 612 }, SizeCase { 100, Band::keyboard, 1200, 672 },
                       SizeCase { 120, Band::none, 1440, 735 }, SizeCase { 120, Band::pads, 1440, 807 },
                       SizeCase { 140, Band::none, 1680, 857 }, SizeCase { 140, Band::keyboard, 1680, 941 }),
    sizeCaseName);

// A stored scale the selector does not list becomes one it does, which is
// written back and sizes the editor.
TEST_F (EditorTest, AStoredScaleIsNormalisedAndWrittenBack)
{
    struct Case
    {
        int stored, shown, width;
    };
    for (const auto c : { Case { 200, 140, 1680 }, Case { 50, 80, 960 }, Case { 110, 100, 1200 },
                          Case { 90, 100, 1200 }, Case { 120, 120, 1440 } })
    {
        auto& h = make (plugin, [c] (SynthPluginState& s) { s.setIntProperty (PluginStateIds::uiScale, c.stored); });
        EXPECT_EQ (h.content().getScaleSelector().getSelectedId(), c.shown) << c.stored;
        EXPECT_EQ (h.processor().getPluginState()->getIntProperty (PluginStateIds::uiScale, 0), c.shown) << c.stored;
        EXPECT_EQ (h.editor().getWidth(), c.width) << c.stored;
    }
}

// A scale set elsewhere (the host restoring a session) resizes the open editor too.
TEST_F (EditorTest, TheSizeFollowsEveryPluginStateChange)
{
    auto& h = make (plugin);
    auto& state = *h.processor().getPluginState();
    state.setIntProperty (PluginStateIds::uiScale, 80);
    EXPECT_TRUE (h.pumpUntil ([&] { return h.editor().getWidth() == 960; }));
    EXPECT_EQ (h.editor().getHeight(), 490);
    state.setBoolProperty (PluginStateIds::openedPads, true);
    EXPECT_TRUE (h.pumpUntil ([&] { return h.editor().getHeight() == 538; }));
}

// Ctrl+Shift+End saves a picture 7680 pixels wide whatever the scale; other
// combinations with End save nothing and are not consumed.
TEST_F (EditorTest, CtrlShiftEndSavesAPictureOfTheEditor)
{
    auto& h = make (plugin, [] (SynthPluginState& s) { s.setIntProperty (PluginStateIds::uiScale, 80); });
    const auto folder = AppDataPaths::documentsFolder();
    ASSERT_TRUE (folder.createDirectory());   // the test's fresh home has none
    const auto pictures = [&] { return folder.findChildFiles (juce::File::findFiles, false, "*.png"); };

    using K = juce::ModifierKeys;
    for (const auto mods :
         { K (K::ctrlModifier), K (K::shiftModifier), K (K::ctrlModifier | K::shiftModifier | K::altModifier), K() })
    {
        EXPECT_FALSE (h.pressKey (juce::KeyPress (juce::KeyPress::endKey, mods, 0))) << mods.getRawFlags();
    }
    EXPECT_FALSE (h.pressKey (juce::KeyPress (juce::KeyPress::homeKey, K (K::ctrlModifier | K::shiftModifier), 0)));
    EXPECT_TRUE (pictures().isEmpty());

    EXPECT_TRUE (h.pressKey (juce::KeyPress (juce::KeyPress::endKey, K (K::ctrlModifier | K::shiftModifier), 0)));
    const auto files = pictures();
    ASSERT_EQ (files.size(), 1);
    EXPECT_EQ (files[0].getFileName(), "Kolvane Fernhollow Plugin.png");
    const auto picture = juce::ImageFileFormat::loadFrom (files[0]);
    EXPECT_EQ (picture.getWidth(), 7680);
    EXPECT_NEAR (picture.getHeight(), 7680 * 490 / 960, 2);
}

// Moving the window closes an open menu and call-out box at the next tick,
// not before; a tick without a move leaves them open.
TEST_F (EditorTest, MovingTheWindowClosesPopUpsAtTheNextTick)
{
    auto& h = make (plugin);
    h.editor().timerCallback();   // the first tick counts as a move

    juce::PopupMenu menu;
    menu.addItem (1, "One");
    menu.addItem (2, "Two");
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&h.content().getSidechainButton()));
    ASSERT_TRUE (h.pumpUntil ([&] { return h.isMenuOpen(); }));
    auto label = std::make_unique<juce::Label> ("callout", "Call-out");
    label->setSize (120, 40);
    // Owned by the modal manager from here on (a probe that never sees another program in front).
    auto* callback = new CustomCallOutBoxCallback (std::move (label), h.content().getScaleSelector().getBounds(),
                                                   &h.content(), std::make_shared<NoOtherProgram>());
    juce::Component::SafePointer<juce::Component> callOut (&callback->getBox());
    ASSERT_TRUE (h.pumpUntil ([&] { return callOut != nullptr && callOut->isShowing(); }));

    h.editor().timerCallback();
    h.pumpFor (50ms);
    EXPECT_TRUE (h.isMenuOpen());
    EXPECT_TRUE (callOut != nullptr && callOut->isVisible());

    h.moveWindowTo ({ 140, 90 });
    h.pumpFor (20ms);
    EXPECT_TRUE (h.isMenuOpen());   // nothing before the tick
    h.editor().timerCallback();
    EXPECT_TRUE (h.pumpUntil ([&] { return ! h.isMenuOpen() && (callOut == nullptr || ! callOut->isVisible()); }));
}

// "DisableOpenGL" (the harness's default) paints in software and says so; without it the
// editor attaches its OpenGL context, which comes up under the test display's GLX.
TEST_F (EditorTest, OpenGLFollowsThePreference)
{
    {
        fhtest::ScopedLogCapture log;
        auto& h = make (plugin);
        EXPECT_EQ (log.count ("OpenGL is disabled."), 1);
        EXPECT_FALSE (h.editor().getOpenGLContext().isAttached());
    }
    fhtest::ScopedLogCapture log;
    fhtest::EditorHarness::Options options;
    options.openGL = true;
    auto& h = make (options);
    EXPECT_EQ (log.count ("OpenGL is disabled."), 0);
    EXPECT_TRUE (h.editor().getOpenGLContext().isAttached());
    // The context's own thread runs once the native context exists, and paints the editor.
    auto ran = std::make_shared<std::atomic<bool>> (false);
    h.editor().getOpenGLContext().executeOnGLThread ([ran] (juce::OpenGLContext& c) { *ran = c.isActive(); }, false);
    EXPECT_TRUE (h.pumpUntil ([&] { return ran->load(); }, 10s));
    h.editor().repaint();
    h.pumpFor (200ms);
}
} // namespace
}   // namespace editortest
