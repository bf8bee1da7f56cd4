#include "engine/IpcMemoryBlock.h"

#include <algorithm>
#include <cstring>

namespace CorvanelIpcMessages
{
IpcMemoryBlock::IpcMemoryBlock (const void* data, std::size_t size)
    : bytes (static_cast<const std::uint8_t*> (data), static_cast<const std::uint8_t*> (data) + size)
{
}

void IpcMemoryBlock::readInto (void* out, std::size_t n)
{
    std::memset (out, 0, n);
    const auto available = std::min (n, remaining());
    if (available > 0)
        std::memcpy (out, bytes.data() + position, available);
    position += available;
}

void IpcMemoryBlock::skip (std::size_t n)
{
    position += std::min (n, remaining());
}

std::uint16_t IpcMemoryBlock::readU16()
{
    std::uint8_t b[2];
    readInto (b, sizeof (b));
    return static_cast<std::uint16_t> (b[0] | (b[1] << 8));
}

std::uint32_t IpcMemoryBlock::readU32()
{
    std::uint8_t b[4];
    readInto (b, sizeof (b));
    return static_cast<std::uint32_t> (b[0]) | (static_cast<std::uint32_t> (b[1]) << 8)
         | (static_cast<std::uint32_t> (b[2]) << 16) | (static_cast<std::uint32_t> (b[3]) << 24);
}

std::uint64_t IpcMemoryBlock::readU64()
{
    const std::uint64_t low = readU32();
    const std::uint64_t high = readU32();
    return low | (high << 32);
}

juce::String IpcMemoryBlock::readString()
{
    const auto count = static_cast<std::size_t> (readU32());
    const auto available = std::min (count, remaining());
    juce::String text;
    text.preallocateBytes (available);
    for (std::size_t i = 0; i < available; ++i)
    {
        const auto c = bytes[position + i];
        if (c == 0)
            break;
        text += juce::String::charToString (static_cast<juce::juce_wchar> (c));
    }
    position += available;
    return text;
}

std::uint32_t IpcMemoryBlock::peekType() const noexcept
{
    if (bytes.size() < 4)
        return 0;
    return static_cast<std::uint32_t> (bytes[0]) | (static_cast<std::uint32_t> (bytes[1]) << 8)
         | (static_cast<std::uint32_t> (bytes[2]) << 16) | (static_cast<std::uint32_t> (bytes[3]) << 24);
}
} // namespace CorvanelIpcMessages
