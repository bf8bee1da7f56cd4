#include "EmuLz4.h"

#include <lz4frame.h>

#include <cstring>

namespace fhemu::lz4
{
std::optional<Bytes> compress (const Bytes& data)
{
    LZ4F_preferences_t prefs;
    std::memset (&prefs, 0, sizeof (prefs));
    prefs.frameInfo.blockSizeID = LZ4F_max64KB;

    Bytes out (LZ4F_compressFrameBound (data.size(), &prefs));
    const auto written = LZ4F_compressFrame (out.data(), out.size(), data.data(), data.size(), &prefs);
    if (LZ4F_isError (written))
        return std::nullopt;
    out.resize (written);
    return out;
}

std::optional<Bytes> decompress (const std::uint8_t* data, std::size_t length, std::size_t limit)
{
    LZ4F_dctx* ctx = nullptr;
    if (LZ4F_isError (LZ4F_createDecompressionContext (&ctx, LZ4F_VERSION)))
        return std::nullopt;

    Bytes out;
    Bytes block (256 * 1024);
    std::size_t pos = 0;
    bool done = false;
    bool failed = false;

    while (! done && ! failed)
    {
        std::size_t srcSize = length - pos;
        std::size_t dstSize = block.size();
        const auto hint = LZ4F_decompress (ctx, block.data(), &dstSize, data + pos, &srcSize, nullptr);
        if (LZ4F_isError (hint) || (srcSize == 0 && dstSize == 0) || out.size() + dstSize > limit)
        {
            failed = true;
            break;
        }
        out.insert (out.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t> (dstSize));
        pos += srcSize;
        done = (hint == 0);
    }

    LZ4F_freeDecompressionContext (ctx);
    if (failed || pos != length)
        return std::nullopt;
    return out;
}
} // namespace fhemu::lz4
