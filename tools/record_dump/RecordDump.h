#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Turns a storage record in wire form into readable text.
namespace recorddump
{
// Record types by name: kit, sound, settings, soundsetup, pool, bank,
// sessionid, pattern.
const std::vector<std::string>& recordTypes();

// Prints a record of the given type to out; false for an unknown type.
// With `read`, kits and sounds are also upgraded and read into their
// in-memory form, which is printed after the stored form (the upgrade's and
// readers' own console messages appear between the two on stdout).
bool dump (const std::string& type, const std::vector<std::uint8_t>& bytes, bool read, std::FILE* out);
} // namespace recorddump
