#include "EditorTestSupport.h"

#include "model/Kit.h"

#include <algorithm>

namespace editortest
{
namespace
{
    // The harness's two roads for device values and its write recorder, on the
    // kit's track level: a value the device announces reaches the data object; a
    // GUI write reaches the device; a value shown from the device side is never
    // written back.
    TEST_F (EditorTest, HarnessDeviceValuesAndWriteRecorder)
    {
        auto& h = make (standalone);
        auto& kit = h.processor().getKit();
        const auto& level = Vantu::Kit::trackLevelId (2);
        const auto value = [&] {
            int v = -1;
            kit.getValue (level, v);
            return v;
        };

        const auto mark = h.markWrites();
        ASSERT_TRUE (h.announce (h.project().setTrackLevel (2, 0x2100)));
        EXPECT_TRUE (h.pumpUntil ([&] { return value() == 0x2100; }));
        fhtest::EditorHarness::showFromDevice (kit, level, 0x3000);
        h.tick();
        h.pumpFor (200ms);
        EXPECT_EQ (value(), 0x3000);
        EXPECT_TRUE (h.writesSince (mark).empty());

        // A value from the device is held against echoes for a moment: an edit is sent after it.
        ASSERT_TRUE (h.pumpUntil ([&] { return ! kit.isEchoHeld (level); }));
        kit.setValueFromGui (level, 0x1000);
        EXPECT_TRUE (h.pumpUntil ([&] { return h.project().getTrackLevel (2) == 0x1000; }));
        EXPECT_FALSE (h.writesSince (mark).empty());
    }

    // Finders and bounds in content units.
    TEST_F (EditorTest, HarnessFinders)
    {
        auto& h = make (plugin, [] (SynthPluginState& s) { s.setIntProperty (PluginStateIds::uiScale, 80); });
        EXPECT_EQ (h.find<MainContentComponent>(), &h.content());
        const auto boxes = h.findAll<juce::ComboBox>();
        const auto inHeader = [&] (juce::ComboBox* box) {
            return ! h.content().getSection (0).isParentOf (box) && ! h.content().getSection (1).isParentOf (box);
        };
        EXPECT_EQ (std::count_if (boxes.begin(), boxes.end(), inHeader), 2);   // the scale and sync selectors
        EXPECT_EQ (h.findByName ("KitSoundEditor"), &h.content().getSection (0));
        EXPECT_EQ (h.findById ("SectionBtn"), h.findByText ("Kit Editor"));
        EXPECT_EQ (h.findByText ("100%"), nullptr);
        EXPECT_EQ (h.findByText ("80%"), &h.content().getScaleSelector());
        EXPECT_EQ (h.boundsInContent (h.content().getScaleSelector()), juce::Rectangle<int> (188, 8, 60, 16));
        EXPECT_NEAR (h.content().getScaleSelector().getScreenBounds().getWidth(), 48, 1);   // 60 units at 80 %
    }
}   // namespace
}   // namespace editortest
