// The sidechain routing window: its rows per input bus count, the hardware
// input items, the one-channel-per-input flow through the plug-in state, a
// processor already gone, and the pop-up the header button opens.
#include "BusCountProcessor.h"
#include "EditorTestSupport.h"
#include "HeaderPopupTestSupport.h"

#include "ui/editor/PluginRoutingComponent.h"
#include "ui/lookandfeel/CorvanelFonts.h"

namespace editortest
{
namespace
{
    using R = juce::Rectangle<int>;

    std::unique_ptr<PluginRoutingComponent> makeWindow (CommonAudioProcessor* processor)
    {
        auto close = std::make_unique<FontButton> ("x", [] (int size) { return getFontAwesome ((float) size); });
        auto window = std::make_unique<PluginRoutingComponent> (juce::WeakReference<CommonAudioProcessor> (processor),
                                                                std::move (close));
        window->setSize (332, 210);
        return window;
    }

    juce::StringArray itemTexts (juce::ComboBox& box)
    {
        juce::StringArray out;
        for (int i = 0; i < box.getNumItems(); ++i)
            out.add (box.getItemText (i) + "=" + juce::String (box.getItemId (i)));
        return out;
    }

    using SidechainWindowTest = EditorTest;

    // Rows for no bus, fewer than four and more pairs; missing pairs' keys keep
    // their values, also one without an item.
    TEST_F (SidechainWindowTest, RowsFollowTheInputBusCount)
    {
        struct Case
        {
            int buses, pairs;
        };
        for (const auto c : { Case { 0, 0 }, Case { 1, 1 }, Case { 2, 2 }, Case { 4, 4 }, Case { 6, 4 } })
        {
            const auto label = "buses " + std::to_string (c.buses);
            auto state = BusCountProcessor::makeState();
            state->setIntProperty (PluginStateIds::audioInputRouting[4], 3);
            state->setIntProperty (PluginStateIds::audioInputRouting[5], 7);   // no such item
            BusCountProcessor processor (c.buses, state);
            ASSERT_EQ (processor.getBusCount (true), c.buses) << label;
            auto window = makeWindow (&processor);
            fhtest::pumpFor (50ms);

            EXPECT_EQ (window->getPairCount(), c.pairs) << label;
            EXPECT_EQ (window->getHeading().isVisible(), c.pairs > 0) << label;
            EXPECT_EQ (window->getHeading().getText(), "Input Routing");
            for (int pair = 0; pair < PluginRoutingComponent::maxPairs; ++pair)
            {
                const bool shown = pair < c.pairs;
                EXPECT_EQ (window->getCaption (pair).isVisible(), shown) << label << " pair " << pair;
                EXPECT_EQ (window->getCombo (2 * pair).isVisible(), shown) << label << " pair " << pair;
                EXPECT_EQ (window->getCombo (2 * pair + 1).isVisible(), shown) << label << " pair " << pair;
                if (shown)
                {
                    EXPECT_EQ (window->getCaption (pair).getText(),
                               juce::String (2 * pair + 1) + "/" + juce::String (2 * pair + 2));
                    EXPECT_EQ (window->getCaption (pair).getTooltip(),
                               "Sidechain routing for input pair " + window->getCaption (pair).getText());
                }
            }
            EXPECT_EQ (state->getAudioInputRouting (4), 3) << label;
            EXPECT_EQ (state->getAudioInputRouting (5), 7) << label;
            EXPECT_EQ (window->getCombo (5).getText(), "") << label;
            EXPECT_EQ (window->getCombo (0).getText(), "Disabled") << label;
        }
    }

    // The items come from the processor's main channel names; the layout of the
    // shown window.
    TEST_F (SidechainWindowTest, ItemsAndLayout)
    {
        BusCountProcessor processor (4);
        auto window = makeWindow (&processor);
        EXPECT_EQ (itemTexts (window->getCombo (7)),
                   juce::StringArray ({ "Disabled=99", "Main L=100", "Main R=101", "Pre FX L=102", "Pre FX R=103" }));
        EXPECT_EQ (processor.getMainChannelNames(), juce::StringArray ({ "Main L", "Main R", "Pre FX L", "Pre FX R" }));
        EXPECT_EQ (window->getCombo (0).getTooltip(),
                   "Select which hardware channel each sidechain input shall be routed through.");
        EXPECT_EQ (window->getCloseButton().getTooltip(), "Click to close sidechain routing window.");

        EXPECT_EQ (window->getCloseButton().getBounds(), R (304, 0, 28, 28));
        EXPECT_EQ (window->getHeading().getBounds(), R (24, 48, 284, 24));
        for (int pair = 0; pair < 4; ++pair)
        {
            const int y = 80 + 26 * pair;
            EXPECT_EQ (window->getCaption (pair).getBounds(), R (24, y, 32, 22));
            EXPECT_EQ (window->getCombo (2 * pair).getBounds(), R (56, y, 124, 22));
            EXPECT_EQ (window->getCombo (2 * pair + 1).getBounds(), R (184, y, 118, 22));
        }
    }

    // A hardware input feeds one sidechain channel only: choosing it for
    // channel 2 disables channel 1; "Disabled" stores -1; a value stored
    // elsewhere shows up without being written back.
    TEST_F (SidechainWindowTest, OneChannelPerHardwareInput)
    {
        auto state = BusCountProcessor::makeState();
        BusCountProcessor processor (4, state);
        state->setAudioInputRouting (0, 0);
        auto window = makeWindow (&processor);
        fhtest::pumpFor (50ms);
        EXPECT_EQ (window->getCombo (0).getText(), "Main L");

        window->getCombo (1).setSelectedId (100, juce::sendNotificationSync);   // the user's choice
        EXPECT_EQ (state->getAudioInputRouting (1), 0);
        EXPECT_EQ (state->getAudioInputRouting (0), -1);
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return window->getCombo (0).getText() == "Disabled"; }, 2s));

        window->getCombo (1).setSelectedId (PluginRoutingComponent::disabledItemId, juce::sendNotificationSync);
        EXPECT_EQ (state->getAudioInputRouting (1), -1);

        fhtest::pumpFor (50ms);   // the messages of the writes above are delivered
        int messages = 0;
        struct Counter : SafeChangeListener
        {
            explicit Counter (int& n) : count (n) {}
            void changeListenerCallback (SafeChangeBroadcaster*) override { ++count; }
            int& count;
        } counter (messages);
        state->addChangeListener (&counter);
        state->setAudioInputRouting (6, 3);
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return window->getCombo (6).getText() == "Pre FX R"; }, 2s));
        fhtest::pumpFor (50ms);
        EXPECT_EQ (messages, 1) << "the window wrote nothing back";
        state->removeChangeListener (&counter);
    }

    // Without a processor the window shows the message and nothing else; a
    // processor that goes while the window is open makes it read and write nothing.
    TEST_F (SidechainWindowTest, AProcessorAlreadyGone)
    {
        {
            auto window = makeWindow (nullptr);
            EXPECT_EQ (window->getPairCount(), 0);
            EXPECT_FALSE (window->getHeading().isVisible());
            const auto image = window->createComponentSnapshot (window->getLocalBounds());
            int light = 0;   // the message's pixels in the body's middle row band
            for (int x = 40; x < 290; ++x)
                for (int y = 110; y < 130; ++y)
                    light += image.getPixelAt (x, y).getBrightness() > 0.5f ? 1 : 0;
            EXPECT_GT (light, 50);
        }

        auto state = BusCountProcessor::makeState();
        auto processor = std::make_unique<BusCountProcessor> (4, state);
        auto window = makeWindow (processor.get());
        fhtest::pumpFor (30ms);
        processor.reset();
        window->getCombo (2).setSelectedId (101, juce::sendNotificationSync);
        EXPECT_EQ (state->getAudioInputRouting (2), -1);
        state->setAudioInputRouting (3, 2);
        fhtest::pumpFor (50ms);
        EXPECT_EQ (window->getCombo (3).getText(), "Disabled") << "no reads once the processor is gone";
        window.reset();
        state->setAudioInputRouting (3, 1);   // nobody listens any more
        fhtest::pumpFor (30ms);
    }

    // The header button opens the window in a pop-up measured from its screen
    // place and the content's scale, with the product processor's four pairs;
    // the close tab ends it with 1234.
    TEST_F (SidechainWindowTest, ThePopUpsScreenAreaAndCloseResult)
    {
        for (const int scale : { 120, 140 })
        {
            auto& h = make (plugin, [scale] (SynthPluginState& s) { s.setIntProperty (PluginStateIds::uiScale, scale); });
            auto& button = h.content().getSidechainButton();
            h.click (button);
            PluginRoutingComponent* window = nullptr;
            ASSERT_TRUE (h.pumpUntil ([&] { return findPopup (&window) != nullptr; })) << scale;
            auto& box = *findPopup<PluginRoutingComponent>();
            const float s = (float) scale / 100.0f;
            const auto at = button.getScreenPosition();
            const R expected (juce::roundToInt ((float) at.x - 308.0f * s), juce::roundToInt ((float) at.y - 4.0f * s),
                              juce::roundToInt (342.0f * s), juce::roundToInt (220.0f * s));
            EXPECT_EQ (box.getScreenBounds(), expected) << scale;
            EXPECT_NE (box.getPeer(), nullptr);
            if (scale == 120)
            {
                EXPECT_EQ (expected.getWidth(), 410);
                EXPECT_EQ (expected.getHeight(), 264);
                EXPECT_EQ (at.x - expected.getX(), 370);
                EXPECT_EQ (at.y - expected.getY(), 5);
            }
            EXPECT_EQ (window->getPairCount(), 4);
            EXPECT_EQ (window->getWidth(), 332);
            EXPECT_EQ (window->getHeight(), 210);
            h.writeScreenshot ("sidechain-window-" + juce::String (scale));

            const auto result = watchResult (box);
            h.click (window->getCloseButton());
            EXPECT_TRUE (h.pumpUntil ([&] { return *result == PluginRoutingComponent::closeResult
                                                   && findPopup<PluginRoutingComponent>() == nullptr; }))
                << scale;
        }
    }
}   // namespace
}   // namespace editortest
