#include "UiTestSupport.h"

#include "ui/widgets/LabelNameEditor.h"
#include "ui/widgets/SoundNameInputFilter.h"

namespace
{
struct FilterCase
{
    const char* name;
    juce::String present;      // text already in the editor
    juce::Range<int> selected; // selection the input replaces
    juce::String typed;
    juce::String inserted;
};

juce::String utf8 (const char* text) { return juce::String::fromUTF8 (text); }

std::vector<FilterCase> filterCases()
{
    return {
        { "LowerCaseBecomesUpper", "", {}, "kick drum!", "KICK DRUM!" },
        { "DigitsAndSymbolsStay", "", {}, "~!@#$%^&()_+-= 9", "~!@#$%^&()_+-= 9" },
        { "MappedAccentedLetters", "", {}, utf8 ("\xc3\xa5\xc3\xb6\xc3\xa4\xc3\xa6\xc3\xa7\xc3\xb1\xc3\xb8\xc3\xbc"),
          utf8 ("\xc3\x85\xc3\x96\xc3\x84\xc3\x86\xc3\x87\xc3\x91\xc3\x98\xc3\x9c") },
        { "CapitalAccentedLettersStay", "", {}, utf8 ("\xc3\x85\xc3\x9f"), utf8 ("\xc3\x85\xc3\x9f") },
        { "SharpSStaysUnchanged", "", {}, utf8 ("stra\xc3\x9f" "e"), utf8 ("STRA\xc3\x9f" "E") },
        { "RefusedCharactersDropped", "", {}, utf8 ("a.b,c;d:e'f\"g/h?i\xc3\xa9j\tk\nl*m"), "ABCDEFGHIJKLM" },
        { "PasteOfTwentyKeepsSixteen", "", {}, "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP" },
        { "RoomLeftLimitsInput", "ABCDEFGHIJKLMN", {}, "XYZ", "XY" },
        { "FullNameRefusesTyping", "ABCDEFGHIJKLMNOP", {}, "Q", "" },
        { "DroppedCharactersTakeNoRoom", "ABCDEFGHIJKLMN", {}, "..x.y.z", "XY" },
        // The input replaces the selection, so the selected characters are room.
        { "WholeSelectedNameIsReplaced", "ABCDEFGHIJKLMNOP", { 0, 16 }, "new name", "NEW NAME" },
        { "PartlySelectedName", "ABCDEFGHIJKLMNOP", { 10, 13 }, "wxyz", "WXY" },
        { "EmptyInput", "AB", {}, "", "" },
    };
}

void PrintTo (const FilterCase& c, std::ostream* os) { *os << c.name; }

class SoundNameFilterTest : public fhtest::AppTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P (SoundNameFilterTest, InsertsWhatTheDeviceCanHold)
{
    const auto& c = GetParam();
    juce::TextEditor editor;
    editor.setText (c.present, false);
    editor.setHighlightedRegion (c.selected);

    SoundNameInputFilter filter;
    EXPECT_EQ (filter.filterNewText (editor, c.typed), c.inserted);
}

INSTANTIATE_TEST_SUITE_P (Cases, SoundNameFilterTest, ::testing::ValuesIn (filterCases()),
                          [] (const auto& info) { return std::string (info.param.name); });

class SoundNameEditorTest : public fhtest::AppTest {};

// Typing through the editor: the stored name never exceeds 16 characters.
TEST_F (SoundNameEditorTest, EditorWithFilterKeepsNamesValid)
{
    juce::TextEditor editor;
    SoundNameInputFilter filter;
    editor.setInputFilter (&filter, false);

    editor.insertTextAtCaret ("bass drum 1.");
    EXPECT_EQ (editor.getText(), "BASS DRUM 1");
    editor.insertTextAtCaret (" long tail etc");
    EXPECT_EQ (editor.getText(), "BASS DRUM 1 LONG");
    editor.insertTextAtCaret ("x");
    EXPECT_EQ (editor.getText(), "BASS DRUM 1 LONG");
}
} // namespace
