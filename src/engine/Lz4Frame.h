#pragma once

#include "engine/EngineLimits.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct LZ4F_cctx_s;

// Compresses payloads as single LZ4 frames (64 KB linked blocks, no checksums,
// no content size). One compressor per sender; not shared between threads.
class Lz4FrameCompressor
{
public:
    Lz4FrameCompressor();
    ~Lz4FrameCompressor();

    Lz4FrameCompressor (const Lz4FrameCompressor&) = delete;
    Lz4FrameCompressor& operator= (const Lz4FrameCompressor&) = delete;

    // False when the compression context could not be created.
    bool isValid() const { return context != nullptr; }

    // Replaces `out` with the frame. Any library error fails the whole compression.
    bool compress (const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& out);

private:
    LZ4F_cctx_s* context = nullptr;
    std::vector<std::uint8_t> outputArea;
};

// Same as Lz4FrameCompressor::compress with a compressor of its own.
bool lz4CompressFrame (const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& out);

// Decompresses exactly one LZ4 frame that uses up the whole input. Output
// above maxOutput bytes is refused (a frame from the wire may claim anything).
// On failure `out` is empty and the result false.
bool lz4DecompressFrame (const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& out,
                         std::size_t maxOutput = EngineLimits::maxTransactionLength);
