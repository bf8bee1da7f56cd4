#include "model/DeviceText.h"

#include "foundation/Logger.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
    constexpr std::uint8_t replacementByte = 0x3F;   // '?'

    // Windows-1252 in 0x80..0x9F; its five unassigned bytes keep their own number.
    constexpr std::array<juce::juce_wchar, 32> windows1252High {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };

    constexpr std::array<bool, 256> makeDeviceSet()
    {
        std::array<bool, 256> set {};
        for (int b = 0x20; b <= 0x7E; ++b)
            set[static_cast<std::size_t> (b)] = true;
        for (int b : { 0x22, 0x2A, 0x3A, 0x3C, 0x3E, 0x3F, 0x5C, 0x7C })
            set[static_cast<std::size_t> (b)] = false;
        for (int b : { 0xC4, 0xC5, 0xC6, 0xC7, 0xD1, 0xD6, 0xD8, 0xDC, 0xDF,
                       0xE4, 0xE5, 0xE6, 0xE7, 0xF1, 0xF6, 0xF8, 0xFC })
            set[static_cast<std::size_t> (b)] = true;
        return set;
    }

    constexpr std::array<bool, 256> deviceSet = makeDeviceSet();

    DeviceCharsetMaps buildMaps()
    {
        FH_LOG (spdlog::level::info, "Building character encoding conversion maps");

        DeviceCharsetMaps maps;
        for (std::size_t b = 0; b < maps.byteToChar.size(); ++b)
            maps.byteToChar[b] = (b >= 0x80 && b <= 0x9F) ? windows1252High[b - 0x80]
                                                          : static_cast<juce::juce_wchar> (b);

        for (std::size_t b = 0; b < maps.byteToChar.size(); ++b)
            maps.charToByte[maps.byteToChar[b]] = static_cast<std::uint8_t> (b);

        for (juce::juce_wchar dash : { 0x2012, 0x2013, 0x2014, 0x2015 })
            maps.charToByte[dash] = 0x2D;
        maps.charToByte[0x2053] = 0x7E;
        return maps;
    }
}

const DeviceCharsetMaps& getDeviceCharsetMaps()
{
    static const DeviceCharsetMaps maps = buildMaps();
    return maps;
}

bool isDeviceCharacter (std::uint8_t byte) noexcept
{
    return deviceSet[byte];
}

std::string encodeDeviceText (const juce::String& text)
{
    const auto& toByte = getDeviceCharsetMaps().charToByte;

    std::string bytes;
    bytes.reserve (static_cast<std::size_t> (text.length()));
    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        const auto found = toByte.find (p.getAndAdvance());
        const bool mapped = found != toByte.end() && isDeviceCharacter (found->second);
        bytes.push_back (static_cast<char> (mapped ? found->second : replacementByte));
    }
    return bytes;
}

juce::String decodeDeviceText (const std::string& bytes)
{
    getDeviceCharsetMaps();

    std::vector<juce::juce_wchar> chars;
    chars.reserve (bytes.size() + 1);
    for (char c : bytes)
    {
        const auto b = static_cast<std::uint8_t> (c);
        chars.push_back (isDeviceCharacter (b) ? static_cast<juce::juce_wchar> (b) : juce::juce_wchar ('?'));
    }
    chars.push_back (0);
    return juce::String (juce::CharPointer_UTF32 (chars.data()));
}

namespace Vantu
{
void writeDeviceName (const juce::String& name, char (&out)[16])
{
    std::memset (out, 0, sizeof (out));
    const auto bytes = encodeDeviceText (name.toUpperCase());
    std::memcpy (out, bytes.data(), std::min<std::size_t> (bytes.size(), sizeof (out)));
}
}   // namespace Vantu
