#pragma once

#include <cstddef>
#include <cstdint>

namespace Corvanel
{
// An abstract byte sink.
class AbstractOutputStream
{
public:
    virtual ~AbstractOutputStream() = default;

    virtual bool writeByte (std::uint8_t byte) = 0;
    virtual bool flush() = 0;

    // Writes the bytes one by one, stopping at the first failure.
    virtual bool write (const std::uint8_t* data, std::size_t length)
    {
        for (std::size_t i = 0; i < length; ++i)
            if (! writeByte (data[i]))
                return false;
        return true;
    }

    // Operations of byte sinks that this stream family does not support.
    virtual void setPosition (std::size_t) {}
    virtual void reset() {}
    virtual bool isSeekable() const { return false; }
    virtual bool isOpen() const { return true; }
};
} // namespace Corvanel
