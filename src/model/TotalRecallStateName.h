#pragma once

#include "model/TotalRecallSessionState.h"

#include <cstdint>

// The name of a total-recall state number (0..12); "error" for any other value.
const char* totalRecallStateName (std::uint8_t state) noexcept;

inline const char* totalRecallStateName (TotalRecallSessionState state) noexcept
{
    return totalRecallStateName (static_cast<std::uint8_t> (state));
}
