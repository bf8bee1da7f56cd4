#include "ui/widgets/SoundNameInputFilter.h"

namespace
{
// Lower-case letters of the device's character set and their capitals; the
// framework's upper-case conversion does not know them.
constexpr std::pair<juce::juce_wchar, juce::juce_wchar> lowerToUpper[] {
    { 0x00E4, 0x00C4 },   // ä Ä
    { 0x00E5, 0x00C5 },   // å Å
    { 0x00E6, 0x00C6 },   // æ Æ
    { 0x00E7, 0x00C7 },   // ç Ç
    { 0x00F1, 0x00D1 },   // ñ Ñ
    { 0x00F6, 0x00D6 },   // ö Ö
    { 0x00F8, 0x00D8 },   // ø Ø
    { 0x00FC, 0x00DC },   // ü Ü
};

constexpr juce::juce_wchar extraAllowed[] { 0x00C5, 0x00C4, 0x00D6, 0x00DC, 0x00DF, 0x00C6, 0x00D8, 0x00C7, 0x00D1 };
} // namespace

bool SoundNameInputFilter::isAllowed (juce::juce_wchar c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;

    if (juce::CharPointer_ASCII ("~!@#$%^&()_+-= ").indexOf (c) >= 0)
        return true;

    for (auto extra : extraAllowed)
        if (c == extra)
            return true;

    return false;
}

juce::String SoundNameInputFilter::filterText (const juce::String& input, int room)
{
    if (room <= 0)
        return {};

    auto text = input;
    for (const auto& [lower, upper] : lowerToUpper)
        text = text.replaceCharacter (lower, upper);

    text = text.toUpperCase();

    juce::String kept;
    for (auto p = text.getCharPointer(); ! p.isEmpty() && kept.length() < room;)
    {
        const auto c = p.getAndAdvance();
        if (isAllowed (c))
            kept += juce::String::charToString (c);
    }

    return kept;
}

juce::String SoundNameInputFilter::filterNewText (juce::TextEditor& editor, const juce::String& newInput)
{
    // The input replaces the selected text, so the selection's characters are
    // free room.
    const auto present = editor.getTotalNumChars() - editor.getHighlightedRegion().getLength();
    return filterText (newInput, maximumLength - present);
}
