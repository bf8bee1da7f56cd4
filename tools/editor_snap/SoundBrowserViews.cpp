#include "SoundBrowserViews.h"

#include "ui/editor/SoundBrowser.h"

namespace editorsnap
{
namespace
{
    using namespace std::chrono_literals;

    SoundBrowser* openBrowser (fhtest::EditorHarness& h)
    {
        if (auto* section = h.findByText ("Sound Browser"))
            h.click (*section);
        auto* browser = h.find<SoundBrowser>();
        if (browser != nullptr)
            h.pumpUntil ([browser] { return browser->libraryPanel.table.getNumRows() > 0; }, 3s);
        return browser;
    }
}   // namespace

void showBrowserFiltered (fhtest::EditorHarness& h)
{
    if (auto* browser = openBrowser (h))
    {
        browser->libraryPanel.tagButtons.buttons[0]->triggerClick();     // "Kick"
        h.pumpFor (100ms);
        browser->libraryPanel.voiceButtons.buttons[0]->triggerClick();   // "TRK 1"
        h.pumpFor (200ms);
    }
}

void showBrowserFiltersHidden (fhtest::EditorHarness& h)
{
    showBrowserFiltered (h);
    if (auto* browser = h.find<SoundBrowser>())
    {
        browser->libraryPanel.hideButton.triggerClick();
        h.pumpFor (200ms);
    }
}

void showBrowserProtectedSlots (fhtest::EditorHarness& h)
{
    if (auto* browser = openBrowser (h))
    {
        auto& table = browser->libraryPanel.table;
        table.getViewport()->setViewPosition (0, 36 * SoundExplorerTable::rowHeight);
        table.selectRow (41, true);
        h.pumpFor (100ms);
    }
}

void showBrowserDeleteQuestion (fhtest::EditorHarness& h)
{
    if (auto* browser = openBrowser (h))
    {
        auto& table = browser->libraryPanel.table;
        table.selectRangeOfRows (3, 5);
        table.keyPressed (juce::KeyPress (juce::KeyPress::deleteKey));
        h.pumpFor (300ms);
    }
}
void showBrowserDropColours (fhtest::EditorHarness& h)
{
    if (auto* browser = openBrowser (h))
    {
        // A drum sound of bank A held over every track row: T1 to T8 take it, T9 to T12 do not.
        auto& table = browser->libraryPanel.table;
        table.selectRow (0);
        const auto description = table.getDragSourceDescription (table.getSelectedRows());
        for (int track = 0; track < 12; ++track)
            browser->trackPanel.getRow (track).itemDragEnter ({ description, &table, {} });
        h.tick();
        h.pumpFor (200ms);
    }
}
}   // namespace editorsnap
