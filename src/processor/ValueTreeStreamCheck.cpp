#include "processor/ValueTreeStreamCheck.h"

#include <cstdint>

namespace
{
constexpr int maxDepth = 64;

// The value markers of the framework's stream format.
enum Marker : std::uint8_t
{
    markerInt = 1,
    markerBoolTrue = 2,
    markerBoolFalse = 3,
    markerDouble = 4,
    markerString = 5,
    markerInt64 = 6,
    markerArray = 7,
    markerBinary = 8
};

class Reader
{
public:
    Reader (const std::uint8_t* d, std::size_t n) : data (d), end (n) {}

    std::size_t remaining() const { return end - pos; }
    bool atEnd() const { return pos == end; }

    bool byte (std::uint8_t& out)
    {
        if (pos >= end)
            return false;
        out = data[pos++];
        return true;
    }

    bool skip (std::size_t n)
    {
        if (n > remaining())
            return false;
        pos += n;
        return true;
    }

    // A string that ends with a zero byte; false when it does not, or when empty
    // and nonEmpty is asked.
    bool string (bool nonEmpty)
    {
        const auto start = pos;
        while (pos < end && data[pos] != 0)
            ++pos;
        if (pos == end)
            return false;
        ++pos;
        return ! nonEmpty || pos - start > 1;
    }

    // The framework's compressed int: a size byte (bit 7 the sign, 1..4 bytes follow).
    bool compressedInt (std::int64_t& out)
    {
        std::uint8_t size = 0;
        if (! byte (size))
            return false;
        const int numBytes = size & 0x7f;
        if (numBytes > 4 || static_cast<std::size_t> (numBytes) > remaining())
            return false;
        std::uint32_t value = 0;
        for (int i = 0; i < numBytes; ++i)
            value |= static_cast<std::uint32_t> (data[pos++]) << (8 * i);
        out = (size & 0x80) != 0 ? -static_cast<std::int64_t> (value) : static_cast<std::int64_t> (value);
        return true;
    }

    // A count that must be non-negative and no larger than the bytes left.
    bool count (std::int64_t& out)
    {
        return compressedInt (out) && out >= 0 && static_cast<std::size_t> (out) <= remaining();
    }

private:
    const std::uint8_t* data;
    std::size_t end;
    std::size_t pos = 0;
};

bool value (Reader& reader, int depth);

bool valueBody (Reader& reader, std::size_t numBytes, int depth)
{
    std::uint8_t marker = 0;
    if (! reader.byte (marker))
        return false;
    const std::size_t bodyBytes = numBytes - 1;
    switch (marker)
    {
        // The framework reads these by their own widths, whatever the size says.
        case markerInt:       return bodyBytes == 4 && reader.skip (bodyBytes);
        case markerInt64:
        case markerDouble:    return bodyBytes == 8 && reader.skip (bodyBytes);
        case markerBoolTrue:
        case markerBoolFalse: return bodyBytes == 0;
        case markerArray:
        {
            // The elements are read by their own sizes and must fill this value exactly.
            const auto before = reader.remaining();
            std::int64_t elements = 0;
            if (depth >= maxDepth || ! reader.count (elements) || static_cast<std::size_t> (elements) > bodyBytes)
                return false;
            for (std::int64_t i = 0; i < elements; ++i)
                if (! value (reader, depth + 1))
                    return false;
            return before - reader.remaining() == bodyBytes;
        }
        default:              return reader.skip (bodyBytes);
    }
}

bool value (Reader& reader, int depth)
{
    std::int64_t numBytes = 0;
    if (! reader.count (numBytes))
        return false;
    return numBytes == 0 || valueBody (reader, static_cast<std::size_t> (numBytes), depth);
}

bool tree (Reader& reader, int depth)
{
    if (depth >= maxDepth || ! reader.string (true))
        return false;

    std::int64_t properties = 0;
    if (! reader.count (properties))
        return false;
    for (std::int64_t i = 0; i < properties; ++i)
        if (! reader.string (true) || ! value (reader, depth))
            return false;

    std::int64_t children = 0;
    if (! reader.count (children))
        return false;
    for (std::int64_t i = 0; i < children; ++i)
        if (! tree (reader, depth + 1))
            return false;
    return true;
}
} // namespace

bool isWellFormedValueTreeStream (const void* data, std::size_t size)
{
    if (data == nullptr || size == 0)
        return false;
    Reader reader (static_cast<const std::uint8_t*> (data), size);
    return tree (reader, 0);
}
