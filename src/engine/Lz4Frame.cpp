#include "engine/Lz4Frame.h"

#include "foundation/Logger.h"

#include <lz4frame.h>

#include <algorithm>
#include <memory>

namespace
{
    constexpr std::size_t inputStep = 1024;
    constexpr std::size_t minimumOutputArea = 65544;

    LZ4F_preferences_t framePreferences()
    {
        LZ4F_preferences_t prefs {};
        prefs.frameInfo.blockSizeID = LZ4F_max64KB;
        prefs.frameInfo.blockMode = LZ4F_blockLinked;
        prefs.frameInfo.contentChecksumFlag = LZ4F_noContentChecksum;
        prefs.frameInfo.blockChecksumFlag = LZ4F_noBlockChecksum;
        prefs.frameInfo.contentSize = 0;
        prefs.compressionLevel = 0;
        prefs.autoFlush = 0;
        return prefs;
    }

    std::size_t blockBufferSize (LZ4F_blockSizeID_t id)
    {
        switch (id)
        {
            case LZ4F_max256KB: return 256 * 1024;
            case LZ4F_max1MB:   return 1024 * 1024;
            case LZ4F_max4MB:   return 4 * 1024 * 1024;
            default:            return 64 * 1024;
        }
    }
}

Lz4FrameCompressor::Lz4FrameCompressor()
{
    LZ4F_cctx* ctx = nullptr;
    if (LZ4F_isError (LZ4F_createCompressionContext (&ctx, LZ4F_VERSION)))
        ctx = nullptr;
    context = ctx;

    const auto prefs = framePreferences();
    outputArea.resize (std::max ({ minimumOutputArea,
                                   LZ4F_compressBound (inputStep, &prefs),
                                   LZ4F_compressBound (0, &prefs) }));
}

Lz4FrameCompressor::~Lz4FrameCompressor()
{
    if (context != nullptr)
        LZ4F_freeCompressionContext (context);
}

bool Lz4FrameCompressor::compress (const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& out)
{
    out.clear();
    if (context == nullptr || (data == nullptr && length > 0))
        return false;

    const auto prefs = framePreferences();
    auto* area = outputArea.data();
    const auto areaSize = outputArea.size();

    auto append = [&] (std::size_t result)
    {
        if (LZ4F_isError (result))
            return false;
        out.insert (out.end(), area, area + result);
        return true;
    };

    if (! append (LZ4F_compressBegin (context, area, areaSize, &prefs)))
    {
        out.clear();
        return false;
    }

    for (std::size_t pos = 0; pos < length; pos += inputStep)
    {
        const auto n = std::min (inputStep, length - pos);
        if (! append (LZ4F_compressUpdate (context, area, areaSize, data + pos, n, nullptr)))
        {
            out.clear();
            return false;
        }
    }

    if (! append (LZ4F_compressEnd (context, area, areaSize, nullptr)))
    {
        out.clear();
        return false;
    }
    return true;
}

bool lz4CompressFrame (const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& out)
{
    Lz4FrameCompressor compressor;
    return compressor.compress (data, length, out);
}

bool lz4DecompressFrame (const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& out, std::size_t maxOutput)
{
    out.clear();
    if (data == nullptr || length == 0)
        return false;

    LZ4F_dctx* raw = nullptr;
    if (LZ4F_isError (LZ4F_createDecompressionContext (&raw, LZ4F_VERSION)))
        return false;
    std::unique_ptr<LZ4F_dctx, decltype (&LZ4F_freeDecompressionContext)> context (raw, &LZ4F_freeDecompressionContext);

    auto fail = [&out]
    {
        out.clear();
        return false;
    };

    LZ4F_frameInfo_t info {};
    std::size_t consumed = std::min (length, inputStep);
    auto hint = LZ4F_getFrameInfo (context.get(), &info, data, &consumed);
    if (LZ4F_isError (hint))
        return fail();

    std::vector<std::uint8_t> block (blockBufferSize (info.blockSizeID));
    std::size_t pos = consumed;
    bool complete = (hint == 0);

    while (! complete)
    {
        std::size_t inSize = std::min (inputStep, length - pos);
        std::size_t outSize = block.size();
        hint = LZ4F_decompress (context.get(), block.data(), &outSize, data + pos, &inSize, nullptr);
        if (LZ4F_isError (hint))
            return fail();
        if (inSize == 0 && outSize == 0)
            break;   // input used up before the frame ended

        if (out.size() + outSize > maxOutput)
        {
            FH_LOG (spdlog::level::err, "Decompressed payload exceeds {} bytes; refused", maxOutput);
            return fail();
        }
        out.insert (out.end(), block.data(), block.data() + outSize);
        pos += inSize;
        complete = (hint == 0);
    }

    // The frame must end exactly where the input does.
    if (! complete || pos != length)
        return fail();
    return true;
}
