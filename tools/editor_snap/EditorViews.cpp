#include "EditorViews.h"
#include "HeaderToolsViews.h"
#include "SoundBrowserViews.h"

#include "foundation/NotificationManager.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/MainContentComponent.h"
#include "ui/editor/VantuKitSoundEditor.h"
#include "ui/panels/fxblock/MasterOverdrivePanel.h"
#include "ui/widgets/StaticPanel.h"

namespace editorsnap
{
namespace
{
    using namespace std::chrono_literals;

    void showNotification (fhtest::EditorHarness& h, const juce::String& text, int severity,
                           std::vector<Notification::Response> responses = {})
    {
        auto n = std::make_shared<Notification> (text, severity, std::move (responses), true);
        h.processor().getNotificationManager().addNotification (n, true);
    }

    void clickSection (fhtest::EditorHarness& h, const juce::String& text)
    {
        if (auto* button = h.findByText (text))
            h.click (*button);
        h.pumpFor (100ms);
    }

    // The kit editor on one of its tabs (0 = T1).
    void showKitEditorTab (fhtest::EditorHarness& h, int tab)
    {
        auto& kit = dynamic_cast<VantuKitSoundEditor&> (h.content().getSection (MainContentComponent::kitEditorSection));
        if (auto* button = kit.getTabs().getTabbedButtonBar().getTabButton (tab))
            h.click (*button);
        h.tick();
        h.pumpFor (100ms);
    }

    // The drive panel in a "DRIVE" section of the effects block's size.
    std::unique_ptr<juce::Component> drivePanelAlone (fhtest::EditorHarness& h)
    {
        auto section = std::make_unique<Corvanel::StaticPanel>();
        auto* panel = new MasterOverdrivePanel (h.processor());
        panel->setHue (14);
        section->setHeading ("DRIVE");
        section->setContent (panel);
        section->setSize (118, 342);
        h.tick();
        return section;
    }
    // The kit editor's "EFFECTS" tab with the device's global-mode mask.
    void showEffectsTab (fhtest::EditorHarness& h, int mask)
    {
        clickSection (h, "EFFECTS");
        if (h.hasEngine())
            h.announce (h.project().setGlobalModeMask (mask));
        h.pumpFor (300ms);
        h.tick();
    }
}   // namespace

const std::vector<EditorView>& editorViews()
{
    // Later parts of the editor add their views here, one row each.
    static const std::vector<EditorView> views {
        { "kit-editor", "the editor as it opens, on the \"Kit Editor\" section (T1)", {}, {} },
        { "kit-editor-t10", "the kit editor on T10 (analog filter)", {}, [] (fhtest::EditorHarness& h) { showKitEditorTab (h, 9); } },
        { "kit-editor-t12", "the kit editor on T12", {}, [] (fhtest::EditorHarness& h) { showKitEditorTab (h, 11); } },
        { "drive-panel", "the effects block's drive panel alone", {}, {}, drivePanelAlone },
        { "sound-browser",
          "the \"Sound Browser\" section",
          {},
          [] (fhtest::EditorHarness& h) { clickSection (h, "Sound Browser"); } },
        { "footer-notifications",
          "an error, a warning and an info in the footer",
          {},
          [] (fhtest::EditorHarness& h) {
              showNotification (h, "Cannot reach the device.", Notification::Error);
              showNotification (h, "The audio buffer is larger than recommended.", Notification::Warning);
              showNotification (h, "A new total-recall session was started.", Notification::Info);
              h.pumpFor (200ms);
          } },
        { "footer-question",
          "a question with its answer buttons in the footer",
          {},
          [] (fhtest::EditorHarness& h) {
              showNotification (h, "The device's project differs from the plug-in's. Which one should be kept?",
                                Notification::Question, { Notification::PluginState, Notification::DeviceState });
              h.pumpFor (200ms);
          } },
        { "sound-browser-filters", "the library filtered by the tag \"Kick\" and the voice \"TRK 1\"", {},
          showBrowserFiltered },
        { "sound-browser-filters-hidden", "the same filters folded away under \"SHOW FILTERS\"", {},
          showBrowserFiltersHidden },
        { "sound-browser-protected", "bank A at its protected, trackless and empty slots", {}, showBrowserProtectedSlots },
        { "sound-browser-drop-colours", "a drum sound held over the track rows: T1 to T8 take it, T9 to T12 do not", {},
          showBrowserDropColours },
        { "sound-browser-delete-question", "three sounds selected and Delete pressed: the question in the footer", {},
          showBrowserDeleteQuestion },
        { "pads-band", "the twelve track pads in the band, pad T3 held", openPadsBand, showPadsBand },
        { "keyboard-band", "the on-screen keyboard in the band, on TRK 3's channel with two keys held",
          openKeyboardBand, showKeyboardBand },
        { "effects",
          "the \"EFFECTS\" tab of the kit editor, no section in global mode",
          {},
          [] (fhtest::EditorHarness& h) { showEffectsTab (h, 0); } },
        { "effects-global",
          "the \"EFFECTS\" tab with its four sections in global mode",
          {},
          [] (fhtest::EditorHarness& h) { showEffectsTab (h, 0xC3); } },
        { "sidechain-window", "the sidechain routing window with the four input pairs", {}, showSidechainWindow,
          editorWithPopup },
        { "sidechain-window-no-bus", "the sidechain routing window where the host gives no input bus", {}, {},
          sidechainWindowWithoutBuses },
        { "total-recall-panel", "the total-recall panel without stored data (plug-in wrappers)", openInPlugin,
          showTotalRecallPanel, editorWithPopup },
        { "total-recall-panel-data", "the total-recall panel after \"ENABLE NOW\": an active session and its data",
          openInPlugin, showTotalRecallPanelWithData, editorWithPopup },
        { "welcome",
          "the welcome screen (plug-in wrappers only)",
          [] (fhtest::EditorHarness::Options& o) { o.showWelcomeScreen = true; },
          {} },
    };
    return views;
}
}   // namespace editorsnap
