// The total-recall panel against the emulator's total-recall session: what it
// shows per stored keys and session state, the commands each button sends to
// the device and the keys it writes, the automatic-sync switch, the pop-up's
// screen area and the tab closing it.
#include "EditorTestSupport.h"
#include "HeaderPopupTestSupport.h"

#include "ui/editor/TotalRecallComponent.h"

namespace editortest
{
namespace
{
    using R = juce::Rectangle<int>;
    using State = TotalRecallSessionState;

    fhemu::Bytes command (std::uint8_t type, std::uint32_t id)
    {
        return { type, (std::uint8_t) (id >> 24), (std::uint8_t) (id >> 16), (std::uint8_t) (id >> 8), (std::uint8_t) id };
    }

    class TotalRecallPanelTest : public EditorTest
    {
    protected:
        ~TotalRecallPanelTest() override
        {
            if (harness != nullptr)
                harness->closeModalPopups();
        }

        fhtest::EditorHarness& open (std::function<void (SynthPluginState&)> state = {}, int scale = 100)
        {
            auto& h = make (plugin, [state, scale] (SynthPluginState& s) {
                s.setIntProperty (PluginStateIds::uiScale, scale);
                if (state)
                    state (s);
            });
            return h;
        }

        TotalRecallComponent& openPanel()
        {
            auto& h = *harness;
            h.click (h.content().getTotalRecallButton());
            TotalRecallComponent* panel = nullptr;
            if (! h.pumpUntil ([&] { return findPopup (&panel) != nullptr; }))
                throw std::runtime_error ("the total-recall panel did not open");
            return *panel;
        }

        std::vector<fhemu::Bytes> commandsSince (std::size_t mark)
        {
            std::vector<fhemu::Bytes> out;
            for (const auto& t : harness->writesSince (mark))
                if (t.header.command == 0x50)
                    out.push_back (t.payload);
            return out;
        }

        SynthPluginState& state() { return *harness->processor().getPluginState(); }
    };

    bool showing (juce::Component& c)
    {
        return c.isVisible();
    }

    // The new session id: 64-bit arithmetic, the low 32 bits kept, never 0.
    TEST_F (TotalRecallPanelTest, NewSessionIds)
    {
        EXPECT_EQ (TotalRecallComponent::newSessionId (0), 1) << "0 would mean no session";
        const std::int64_t now = 1796900000000;   // late 2026
        const auto expected = (std::int32_t) (std::uint32_t) (((std::uint64_t) now * 25214903917ull + 11ull) >> 16);
        EXPECT_EQ (TotalRecallComponent::newSessionId (now), expected);
        EXPECT_NE (TotalRecallComponent::newSessionId (now), TotalRecallComponent::newSessionId (now + 1));
    }

    // Without stored data only the heading, "ENABLE NOW" and the description;
    // "ENABLE NOW" offers a new session to the device and stores its id; the
    // device accepts, its image comes over and the panel turns to "SYNC NOW"
    // with an active session; "SYNC NOW" asks for the image again;
    // "DISABLE" ends it all.
    TEST_F (TotalRecallPanelTest, EnableSyncAndDisableAgainstTheDevice)
    {
        auto& h = open();
        auto& panel = openPanel();
        EXPECT_EQ (panel.getHeading().getText(), "DEVICE STATE TOTAL RECALL");
        EXPECT_EQ (panel.getSyncButton().getButtonText(), "ENABLE NOW");
        EXPECT_EQ (panel.getDescription().getText(),
                   "The device state can optionally be stored and managed by the plugin, for Total Recall.");
        for (auto* c : std::initializer_list<juce::Component*> { &panel.getDisableButton(), &panel.getAutoSyncSwitch(),
                                                                 &panel.getStatus(), &panel.getLamp(),
                                                                 &panel.getReactivateButton() })
            EXPECT_FALSE (showing (*c));
        EXPECT_TRUE (showing (panel.getSyncButton()));
        h.writeScreenshot ("total-recall-empty");

        auto mark = h.markWrites();
        h.click (panel.getSyncButton());
        const int id = state().getIntProperty (PluginStateIds::totalRecallSessionId, 0);
        EXPECT_NE (id, 0);
        EXPECT_TRUE (h.pumpUntil ([&] { return ! commandsSince (mark).empty(); }));
        EXPECT_EQ (commandsSince (mark).front(), command (4, (std::uint32_t) id));
        EXPECT_EQ (h.processor().getTotalRecallManager().getPendingState(),
                   State::RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC);

        ASSERT_TRUE (h.pumpUntil ([&] {
            return panel.getSyncButton().getButtonText() == "SYNC NOW" && panel.isSessionActive()
                && panel.getStatus().getText() == "Total Recall session is active in the device!";
        }, 15s));
        EXPECT_EQ (h.project().getSessionId(), (std::uint32_t) id);
        EXPECT_TRUE (state().hasTotalRecallData());
        EXPECT_TRUE (panel.getDescription().getText().startsWith (
            "Total Recall is enabled. The device state was last synced at "));
        EXPECT_EQ (panel.getLamp().state, 1);
        EXPECT_TRUE (panel.getReactivateButton().isEnabled());
        for (auto* c : std::initializer_list<juce::Component*> { &panel.getDisableButton(), &panel.getAutoSyncSwitch(),
                                                                 &panel.getStatus(), &panel.getLamp(),
                                                                 &panel.getReactivateButton() })
            EXPECT_TRUE (showing (*c));
        h.writeScreenshot ("total-recall-active");

        // "SYNC NOW": the device's session id, then the project fetch (a read of the image).
        mark = h.markWrites();
        const auto imageReads = [&] {
            int n = 0;
            for (const auto& t : h.device()->dataServer.received().transactions())
                n += t.header.command == 0x20 && t.header.subType == 27 ? 1 : 0;
            return n;
        };
        const int readsBefore = imageReads();
        h.click (panel.getSyncButton());
        EXPECT_TRUE (h.pumpUntil ([&] { return ! commandsSince (mark).empty() && imageReads() > readsBefore; }));
        EXPECT_EQ (commandsSince (mark).front(), command (12, (std::uint32_t) id));

        // "DISABLE": no session, no image, no time stamp; the device hears {3, 0}.
        ASSERT_TRUE (h.pumpUntil ([&] { return panel.isSessionActive(); }, 10s));
        mark = h.markWrites();
        h.click (panel.getDisableButton());
        EXPECT_EQ (state().getIntProperty (PluginStateIds::totalRecallSessionId, -1), 0);
        EXPECT_FALSE (state().hasTotalRecallData());
        EXPECT_EQ (state().getInt64Property (PluginStateIds::totalRecallTimestamp, -1), 0);
        EXPECT_TRUE (h.pumpUntil ([&] { return ! commandsSince (mark).empty(); }));
        EXPECT_EQ (commandsSince (mark), (std::vector<fhemu::Bytes> { command (3, 0) }));
        EXPECT_TRUE (h.pumpUntil ([&] {
            return panel.getSyncButton().getButtonText() == "ENABLE NOW" && ! panel.getDisableButton().isVisible()
                && h.project().getSessionId() == 0;
        }));
    }

    // The switch shows the stored key, writes a click
    // and follows a change made elsewhere; "REACTIVATE" is disabled while data
    // is stored without an active session and starts the recall when enabled.
    TEST_F (TotalRecallPanelTest, AutoSyncSwitchAndReactivate)
    {
        juce::MemoryBlock image ("stored image", 12);
        auto& h = open ([&] (SynthPluginState& s) {
            s.setIntProperty (PluginStateIds::totalRecallSessionId, 0x01020304);
            s.setTotalRecallData (image);
            s.setBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, false);
        });
        auto& panel = openPanel();
        EXPECT_EQ (panel.getSyncButton().getButtonText(), "SYNC NOW");
        EXPECT_FALSE (panel.getAutoSyncSwitch().getToggleState()) << "the stored key";
        EXPECT_FALSE (panel.isSessionActive());
        EXPECT_EQ (panel.getStatus().getText(), "Total Recall session is not active in the device!");
        EXPECT_EQ (panel.getLamp().state, 4);
        EXPECT_FALSE (panel.getReactivateButton().isEnabled());

        h.click (panel.getAutoSyncSwitch());
        EXPECT_TRUE (state().getBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, false));
        state().setBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, false);
        EXPECT_TRUE (h.pumpUntil ([&] { return ! panel.getAutoSyncSwitch().getToggleState(); }));

        // Without data the reactivate button is enabled (though hidden).
        state().setIntProperty (PluginStateIds::totalRecallSessionId, 0);
        state().setTotalRecallData ({});
        EXPECT_TRUE (h.pumpUntil ([&] { return panel.getSyncButton().getButtonText() == "ENABLE NOW"; }));
        h.processor().getTotalRecallManager().resetState();   // a session update
        EXPECT_TRUE (h.pumpUntil ([&] { return panel.getReactivateButton().isEnabled(); }));
    }

    // The pop-up lies over the header button at 120 % and 140 %; its tab closes
    // it with 1234.
    TEST_F (TotalRecallPanelTest, ThePopUpsScreenAreaAndTheTabClosingIt)
    {
        for (const int scale : { 120, 140 })
        {
            auto& h = open ({}, scale);
            auto& button = h.content().getTotalRecallButton();
            fhtest::ScopedLogCapture log;
            auto& panel = openPanel();
            EXPECT_EQ (log.count ("User clicked total recall."), 1);
            auto& box = *findPopup<TotalRecallComponent>();
            const float s = (float) scale / 100.0f;
            const auto at = button.getScreenPosition();
            const R expected (juce::roundToInt ((float) at.x - 236.0f * s), juce::roundToInt ((float) at.y - 4.0f * s),
                              juce::roundToInt (302.0f * s), juce::roundToInt (276.0f * s));
            EXPECT_EQ (box.getScreenBounds(), expected) << scale;
            if (scale == 140)
            {
                EXPECT_EQ (expected.getWidth(), 423);
                EXPECT_EQ (expected.getHeight(), 386);
            }
            EXPECT_NE (box.getPeer(), nullptr);
            EXPECT_EQ (panel.getTabButton().getBounds(), R (232, 0, 60, 16));
            EXPECT_EQ (panel.getTabButton().getButtonText(), "Total Recall");
            // The tab lies over the header button.
            EXPECT_LE (std::abs (panel.getTabButton().getScreenPosition().x - at.x), 1) << scale;
            EXPECT_LE (std::abs (panel.getTabButton().getScreenPosition().y - at.y), 1) << scale;

            const auto result = watchResult (box);
            h.click (panel.getTabButton());
            EXPECT_TRUE (h.pumpUntil (
                [&] { return *result == TotalRecallComponent::closeResult && findPopup<TotalRecallComponent>() == nullptr; }))
                << scale;
        }
    }
}   // namespace
}   // namespace editortest
