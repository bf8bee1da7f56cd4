#include "model/DeviceText.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace
{
    juce::String fromCodePoints (std::initializer_list<juce::juce_wchar> chars)
    {
        juce::String s;
        for (auto c : chars)
            s += juce::String::charToString (c);
        return s;
    }
}

TEST (DeviceText, CharacterSetHasTheDocumentedSize)
{
    int count = 0;
    for (int b = 0; b < 256; ++b)
        count += isDeviceCharacter (static_cast<std::uint8_t> (b)) ? 1 : 0;
    EXPECT_EQ (count, 104);
}

TEST (DeviceText, EncodeCases)
{
    const std::pair<juce::String, std::string> cases[] = {
        { "KICK 909 V2", "KICK 909 V2" },
        { "a/b", "a/b" },
        { "A:B*C|D?E", "A?B?C?D?E" },
        { "\"<>\\", "????" },
        { fromCodePoints ({ 0xDC, 0xE9, 0x20AC }), std::string ("\xDC??", 3) },
        { fromCodePoints ({ 'A', 0x2012, 0x2013, 0x2014, 0x2015, 'B' }), "A----B" },
        { fromCodePoints ({ 0x2053 }), "~" },
        { fromCodePoints ({ 0x201A, 0x0178, 0xFF, 0x1F600, '\t' }), "?????" },   // Windows-1252 letters, emoji, control
        { "", "" },
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ (encodeDeviceText (text), bytes) << text;
}

TEST (DeviceText, DecodeCases)
{
    EXPECT_EQ (decodeDeviceText (std::string ("\x80\x9F\xFF\x00\x22", 5)), "?????");
    EXPECT_EQ (decodeDeviceText ("\xDC"), fromCodePoints ({ 0xDC }));
    EXPECT_EQ (decodeDeviceText (std::string ("A\0B", 3)), "A?B");   // a zero byte is no terminator here
    EXPECT_EQ (decodeDeviceText (""), "");
}

TEST (DeviceText, RoundTripsKeepLengthAndDeviceCharacters)
{
    std::string every;
    for (int b = 0; b < 256; ++b)
        every.push_back (static_cast<char> (b));
    const auto decoded = decodeDeviceText (every);
    ASSERT_EQ (decoded.length(), 256);
    const auto reencoded = encodeDeviceText (decoded);
    ASSERT_EQ (reencoded.size(), 256u);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ (static_cast<std::uint8_t> (reencoded[static_cast<std::size_t> (b)]),
                   isDeviceCharacter (static_cast<std::uint8_t> (b)) ? b : 0x3F) << b;

    // What the data objects do with a name: upper-case, then encode.
    const auto name = fromCodePoints ({ 0xC4, 0xD6, 0xDC, 'm', 'i', 'x', ' ', 0x2013, ' ', 0xE9 }).toUpperCase();
    EXPECT_EQ (encodeDeviceText (name), std::string ("\xC4\xD6\xDCMIX - ?", 10));
    EXPECT_EQ (decodeDeviceText (encodeDeviceText (name)), fromCodePoints ({ 0xC4, 0xD6, 0xDC, 'M', 'I', 'X', ' ', '-', ' ', '?' }));
}

TEST (DeviceText, MapsFollowWindows1252AndTheDashRules)
{
    const auto& maps = getDeviceCharsetMaps();
    EXPECT_EQ (&maps, &getDeviceCharsetMaps());
    EXPECT_EQ (maps.byteToChar[0x80], 0x20AC);
    EXPECT_EQ (maps.byteToChar[0x96], 0x2013);
    EXPECT_EQ (maps.byteToChar[0x41], 0x41);
    EXPECT_EQ (maps.byteToChar[0xFE], 0xFE);
    EXPECT_EQ (maps.charToByte.at (0x20AC), 0x80);
    EXPECT_EQ (maps.charToByte.at (0x2013), 0x2D);   // the dash rule replaces the Windows-1252 entry
    EXPECT_EQ (maps.charToByte.at (0x2053), 0x7E);
    EXPECT_EQ (maps.charToByte.count (0xFF), 0u);
}
