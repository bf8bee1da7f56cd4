#pragma once

#include "engine/FhAsyncDataHeader.h"
#include "engine/IpcAsyncOutputStream.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace enginetest
{
// A transport that keeps every frame in memory and fails on request.
class FakeTransport : public IpcAsyncOutputStream::AsyncInterface
{
public:
    bool sendAsyncData (const std::uint8_t* data, unsigned length) override
    {
        std::lock_guard<std::mutex> l (lock);
        ++attempts;
        if (successesBeforeFailing > 0)
        {
            --successesBeforeFailing;
        }
        else if (failures > 0)
        {
            --failures;
            return false;
        }
        frames.emplace_back (data, data + length);
        return true;
    }

    std::uint32_t connectionGeneration() const override { return generation.load(); }

    // The next `failing` frames fail (after `passing` more have gone through).
    void failNext (int failing, int passing = 0)
    {
        std::lock_guard<std::mutex> l (lock);
        failures = failing;
        successesBeforeFailing = passing;
    }

    std::vector<std::vector<std::uint8_t>> sent() const
    {
        std::lock_guard<std::mutex> l (lock);
        return frames;
    }

    std::atomic<std::uint32_t> generation { 0 };
    int attempts = 0;

private:
    mutable std::mutex lock;
    int failures = 0;
    int successesBeforeFailing = 0;
    std::vector<std::vector<std::uint8_t>> frames;
};

// The transactions lying back to back in one frame (headers only, for checking layout).
inline std::vector<FhAsyncDataHeader> headersInFrame (const std::vector<std::uint8_t>& frame)
{
    std::vector<FhAsyncDataHeader> headers;
    std::size_t pos = 0;
    while (pos + FhAsyncDataHeader::size <= frame.size())
    {
        const auto h = FhAsyncDataHeader::fromWire (frame.data() + pos);
        headers.push_back (h);
        pos += FhAsyncDataHeader::size + h.chunkLength;
    }
    return headers;
}
} // namespace enginetest
