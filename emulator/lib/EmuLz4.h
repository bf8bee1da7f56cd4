#pragma once

#include "EmuWire.h"

#include <optional>

// LZ4 frames as the engine reads and writes them.
namespace fhemu::lz4
{
// One frame with 64 KB blocks (the library's one-shot call).
std::optional<Bytes> compress (const Bytes& data);

// The frame's content, or nothing when the input is not exactly one valid frame
// or expands beyond the limit.
std::optional<Bytes> decompress (const std::uint8_t* data, std::size_t length, std::size_t limit = 64u * 1024 * 1024);
} // namespace fhemu::lz4
