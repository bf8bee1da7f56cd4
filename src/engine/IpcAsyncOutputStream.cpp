#include "engine/IpcAsyncOutputStream.h"

#include "foundation/Logger.h"

#include <algorithm>

IpcAsyncOutputStream::IpcAsyncOutputStream (AsyncInterface* t) : target (t)
{
    buffer.reserve (capacity);
    if (target != nullptr)
        generation = target->connectionGeneration();
}

IpcAsyncOutputStream::~IpcAsyncOutputStream()
{
    if (! buffer.empty() && target != nullptr && ! dropIfStale())
        target->sendAsyncData (buffer.data(), static_cast<unsigned> (buffer.size()));
}

bool IpcAsyncOutputStream::dropIfStale()
{
    if (target == nullptr)
        return false;

    const auto current = target->connectionGeneration();
    if (current == generation)
        return false;

    generation = current;
    if (! buffer.empty())
    {
        FH_LOG (spdlog::level::debug, "Dropped {} bytes buffered for a previous connection", buffer.size());
        buffer.clear();
        return true;
    }
    return false;
}

void IpcAsyncOutputStream::beginTransaction()
{
    dropIfStale();
}

bool IpcAsyncOutputStream::writeByte (std::uint8_t byte)
{
    if (buffer.size() >= capacity && ! flush())
        return false;

    buffer.push_back (byte);
    return buffer.size() < capacity || flush();
}

bool IpcAsyncOutputStream::write (const std::uint8_t* data, std::size_t length)
{
    while (length > 0)
    {
        if (buffer.size() >= capacity && ! flush())
            return false;

        const auto n = std::min (length, capacity - buffer.size());
        buffer.insert (buffer.end(), data, data + n);
        data += n;
        length -= n;

        if (buffer.size() >= capacity && ! flush())
            return false;
    }
    return true;
}

bool IpcAsyncOutputStream::flush()
{
    if (buffer.empty())
        return true;

    // What was buffered for a connection that has gone since is not sent anywhere.
    if (dropIfStale())
        return false;

    if (target == nullptr || ! target->sendAsyncData (buffer.data(), static_cast<unsigned> (buffer.size())))
        return false;

    buffer.clear();
    return true;
}

void IpcAsyncOutputStream::discardFrom (std::size_t mark)
{
    if (buffer.size() > mark)
        buffer.resize (mark);
}
