#pragma once

#include <cstdint>

// A total-recall command as the processor's total-recall logic builds it:
// command type at byte 0, session id in host order at bytes 1..4 (unaligned).
#pragma pack(push, 1)
struct TotalRecallCommand
{
    std::uint8_t commandType = 0;
    std::int32_t sessionId = 0;
};
#pragma pack(pop)

static_assert (sizeof (TotalRecallCommand) == 5);
