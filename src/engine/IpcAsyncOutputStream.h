#pragma once

#include "engine/AbstractOutputStream.h"

#include <cstdint>
#include <vector>

// Collects transactions into frames of at most 1023 bytes: every flush sends
// what is buffered as one frame through the target.
//
// Bytes buffered for one connection never reach another: the target reports a
// connection generation that changes whenever the connection is opened or
// closed; a transaction that begins, and a flush, under a new generation first
// throws away whatever was buffered under the old one.
class IpcAsyncOutputStream : public Corvanel::AbstractOutputStream
{
public:
    static constexpr std::size_t capacity = 1023;

    // Where the frames go (the remote device client writes one frame on the
    // asynchronous-data socket per call). Called on the thread that flushes.
    class AsyncInterface
    {
    public:
        virtual ~AsyncInterface() = default;
        virtual bool sendAsyncData (const std::uint8_t* data, unsigned length) = 0;

        // Changes whenever the connection behind this interface is opened or
        // closed. A target that cannot tell returns a constant.
        virtual std::uint32_t connectionGeneration() const { return 0; }
    };

    explicit IpcAsyncOutputStream (AsyncInterface* target);
    ~IpcAsyncOutputStream() override;

    IpcAsyncOutputStream (const IpcAsyncOutputStream&) = delete;
    IpcAsyncOutputStream& operator= (const IpcAsyncOutputStream&) = delete;

    bool writeByte (std::uint8_t byte) override;
    bool write (const std::uint8_t* data, std::size_t length) override;
    bool flush() override;

    // Call before writing a transaction: drops bytes left from an earlier connection.
    void beginTransaction();

    std::size_t getNumBuffered() const { return buffer.size(); }
    std::size_t getFreeSpace() const { return capacity - buffer.size(); }

    // Throws away what was buffered after the first `mark` bytes (a transaction
    // whose writing failed), so that a retry neither duplicates nor garbles it.
    void discardFrom (std::size_t mark);
    void clear() { buffer.clear(); }

private:
    bool dropIfStale();

    AsyncInterface* target;
    std::vector<std::uint8_t> buffer;
    std::uint32_t generation = 0;
};
