#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

// Hash of a parameter identifier for the data objects' maps. Identifiers are
// pooled, so two identifiers with the same text share one string: the hash is
// taken over the address of that string (64-bit FNV-1a over its eight bytes)
// and equality is juce::Identifier's own identity test. No text is hashed.
struct IdentifierHash
{
    std::size_t operator() (const juce::Identifier& id) const noexcept
    {
        const auto* text = id.getCharPointer().getAddress();
        std::uint64_t address = 0;
        static_assert (sizeof (text) <= sizeof (address));
        std::memcpy (&address, &text, sizeof (text));

        std::uint64_t hash = 14695981039346656037ull;
        for (int i = 0; i < 8; ++i)
        {
            hash ^= (address >> (8 * i)) & 0xffu;
            hash *= 1099511628211ull;
        }
        return static_cast<std::size_t> (hash);
    }
};
