#pragma once

#include "engine/AsyncDataType.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

// What a read of result type T asks for and how its answer becomes a T:
//   static constexpr std::uint8_t dataType;
//   static std::shared_ptr<T> make (const void* data, std::size_t size);
// One specialisation per readable record; the records' own layer declares
// theirs (the model's: model/storage/RecordReadTraits.h).
template <typename T>
struct AsyncReadTraits;

// The total-recall image: the payload itself, never empty.
template <>
struct AsyncReadTraits<std::vector<std::uint8_t>>
{
    static constexpr std::uint8_t dataType = AsyncDataType::totalRecallImage;
};

// What a read's future holds: a shared host-order record, or for the
// total-recall image the byte vector itself.
template <typename T>
using AsyncReadResult = std::conditional_t<std::is_same_v<T, std::vector<std::uint8_t>>, T, std::shared_ptr<T>>;
