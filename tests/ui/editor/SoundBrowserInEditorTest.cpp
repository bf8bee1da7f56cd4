// The sound browser inside the real editor, driven through its window against
// the emulator's virtual Kolvane: the right-click menu's choices and the delete
// question answered with the footer's buttons.
#include "EditorTestSupport.h"

#include "foundation/NotificationManager.h"
#include "ui/editor/FooterBar.h"
#include "ui/editor/SoundBrowser.h"

namespace editortest
{
namespace
{
    struct Write
    {
        int command, area, argument;
        std::vector<std::uint32_t> words;
        bool operator== (const Write&) const = default;
    };

    void PrintTo (const Write& w, std::ostream* os)
    {
        *os << "{0x" << std::hex << w.command << std::dec << " area " << w.area << " arg " << w.argument << " words";
        for (auto v : w.words)
            *os << " " << v;
        *os << "}";
    }

    class SoundBrowserInEditor : public EditorTest
    {
    protected:
        void SetUp() override
        {
            make (standalone);
            auto* section = harness->findByText ("Sound Browser");
            ASSERT_NE (section, nullptr);
            harness->click (*section);
            browser = harness->find<SoundBrowser>();
            ASSERT_NE (browser, nullptr);
            ASSERT_TRUE (harness->pumpUntil ([&] { return fhtest::EditorHarness::isShowing (table()) && table().getNumRows() == 256; }));
        }

        SoundExplorerTable& table() { return browser->libraryPanel.table; }

        // The middle of a visible row, in the table's coordinates.
        juce::Point<float> onRow (int row)
        {
            const auto* viewport = table().getViewport();
            return { 150.0f, (float) (viewport->getY() + row * SoundExplorerTable::rowHeight + 10 - viewport->getViewPositionY()) };
        }

        // The pool and library commands the device received since the mark.
        std::vector<Write> storageWrites (std::size_t mark, std::size_t atLeast)
        {
            harness->pumpUntil ([&] { return storageOf (harness->writesSince (mark)).size() >= atLeast; }, 3s);
            return storageOf (harness->writesSince (mark));
        }

        static std::vector<Write> storageOf (const std::vector<fhemu::RecordedTransaction>& transactions)
        {
            std::vector<Write> out;
            for (const auto& t : transactions)
            {
                if (t.header.command < 0x42 || t.header.command > 0x45)
                    continue;
                Write w { t.header.command, t.header.subType, t.header.argument, {} };
                for (std::size_t at = 0; at + 4 <= t.payload.size(); at += 4)
                    w.words.push_back ((std::uint32_t (t.payload[at]) << 24) | (std::uint32_t (t.payload[at + 1]) << 16)
                                       | (std::uint32_t (t.payload[at + 2]) << 8) | std::uint32_t (t.payload[at + 3]));
                out.push_back (w);
            }
            return out;
        }

        juce::Button& answerButton (Notification::Response response)
        {
            return harness->content().getFooter().getNotificationView().getAnswerButton (response);
        }

        SoundBrowser* browser = nullptr;
    };

    TEST_F (SoundBrowserInEditor, RightClickMenuLoadsAndCopies)
    {
        const auto mark = harness->markWrites();
        harness->pickFromNextMenu ("Load sound into T3");
        harness->click (table(), juce::ModifierKeys::rightButtonModifier, onRow (7));   // MINOR STAB, a T1-T8 machine
        ASSERT_TRUE (harness->pumpUntil ([&] { return harness->menuPickDone(); }));
        EXPECT_EQ (table().getSelectedRow(), 7);

        harness->pickFromNextMenu ("Load to Sound Pool");
        harness->click (table(), juce::ModifierKeys::rightButtonModifier, onRow (7));
        ASSERT_TRUE (harness->pumpUntil ([&] { return harness->menuPickDone(); }));

        EXPECT_EQ (storageWrites (mark, 2), (std::vector<Write> { { 0x43, 32, 0, { 7, 2 } }, { 0x45, 32, 0, { 7, 1 } } }));
    }

    TEST_F (SoundBrowserInEditor, DeleteIsAnsweredInTheFooter)
    {
        harness->click (table(), juce::ModifierKeys::leftButtonModifier, onRow (5));
        harness->pressKey (juce::KeyPress (juce::KeyPress::deleteKey));
        ASSERT_TRUE (harness->pumpUntil ([&] { return answerButton (Notification::No).isShowing(); }));
        harness->writeScreenshot ("sound-browser-delete-question");
        auto mark = harness->markWrites();
        harness->click (answerButton (Notification::No));
        ASSERT_TRUE (harness->pumpUntil ([&] { return ! answerButton (Notification::No).isShowing(); }));

        harness->click (table(), juce::ModifierKeys::leftButtonModifier, onRow (4));
        harness->pressKey (juce::KeyPress (juce::KeyPress::deleteKey));
        ASSERT_TRUE (harness->pumpUntil ([&] { return answerButton (Notification::Yes).isShowing(); }));
        harness->click (answerButton (Notification::Yes));

        EXPECT_EQ (storageWrites (mark, 1), (std::vector<Write> { { 0x42, 32, 4, {} } }));
        EXPECT_TRUE (harness->pumpUntil ([&] { return ! table().getRows()[4].used; }));
    }
}   // namespace
}   // namespace editortest
