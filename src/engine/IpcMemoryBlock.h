#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace CorvanelIpcMessages
{
// A received payload that typed reads are taken from the front of. A read past the
// end yields zeros for the missing bytes and never fails; remaining() lets a decoder
// check lengths before it trusts them.
class IpcMemoryBlock
{
public:
    IpcMemoryBlock() = default;
    IpcMemoryBlock (const void* data, std::size_t size);

    std::uint16_t readU16();
    std::uint32_t readU32();
    std::uint64_t readU64();
    // u32 byte count, then one character per byte (code point = byte value); a zero
    // byte ends the text early but all counted bytes are consumed.
    juce::String readString();

    // Removes up to n bytes from the front.
    void skip (std::size_t n);

    std::size_t remaining() const noexcept { return bytes.size() - position; }
    std::size_t size() const noexcept { return bytes.size(); }
    const std::uint8_t* data() const noexcept { return bytes.data(); }

    // The first u32 of the whole payload (0 when shorter), without consuming anything.
    std::uint32_t peekType() const noexcept;

private:
    void readInto (void* out, std::size_t n);

    std::vector<std::uint8_t> bytes;
    std::size_t position = 0;
};
} // namespace CorvanelIpcMessages
