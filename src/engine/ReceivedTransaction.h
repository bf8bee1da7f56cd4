#pragma once

#include "engine/FhAsyncDataHeader.h"

#include <cstdint>
#include <vector>

// One complete received transaction: the host-order header (of the first chunk
// for a long transaction) and the payload, decompressed when it arrived as an
// LZ4 frame (empty when that decompression failed).
struct ReceivedTransaction
{
    FhAsyncDataHeader header;
    std::vector<std::uint8_t> payload;
};
