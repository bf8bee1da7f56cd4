#pragma once

#include "engine/FhAsyncDataHeader.h"

#include <cstdint>
#include <vector>

// One complete received transaction: the host-order header (of the first chunk
// for a long transaction) and the payload, decompressed when it arrived as an
// LZ4 frame. When that decompression failed the payload is empty and
// `undecodable` is set: such a payload is never used as data.
struct ReceivedTransaction
{
    FhAsyncDataHeader header;
    std::vector<std::uint8_t> payload;
    bool undecodable = false;
};
