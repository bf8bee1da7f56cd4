#pragma once

// The device's 8-bit text: printable ASCII without " * : < > ? \ |, plus
// seventeen accented Latin letters, each byte standing for the Unicode
// character of the same number. Everything else becomes "?" in both
// directions; lengths are kept (one byte per character and the reverse).
// Upper-casing is left to the callers. Both functions may be called from any
// thread.

#include <juce_core/juce_core.h>

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

struct DeviceCharsetMaps
{
    // Byte -> character for the bytes 0x00..0xFE (Windows-1252 in 0x80..0x9F).
    std::array<juce::juce_wchar, 255> byteToChar {};

    // The inverse, with the four dashes U+2012..U+2015 -> '-' and U+2053 -> '~'.
    std::unordered_map<juce::juce_wchar, std::uint8_t> charToByte;
};

// Built once, on first use, under thread-safe one-time initialisation.
const DeviceCharsetMaps& getDeviceCharsetMaps();

// True for the 104 bytes of the device's character set.
bool isDeviceCharacter (std::uint8_t byte) noexcept;

std::string encodeDeviceText (const juce::String& text);
juce::String decodeDeviceText (const std::string& bytes);

namespace Vantu
{
// A name as the device stores it: upper-cased device text, 16 bytes, zero
// after a shorter name.
void writeDeviceName (const juce::String& name, char (&out)[16]);
}   // namespace Vantu
