#pragma once

#include <cstdint>

// The name of a total-recall state number (0..12); "error" for any other value.
const char* totalRecallStateName (std::uint8_t state) noexcept;
