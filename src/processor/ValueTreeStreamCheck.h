#pragma once

#include <cstddef>

// Whether the bytes hold one whole tree in the framework's value-tree stream
// format, with every count (properties, children, value sizes, array elements)
// within the bytes that follow it. The framework's reader trusts those counts
// and reserves memory by them, so a stream is checked before it is read.
bool isWellFormedValueTreeStream (const void* data, std::size_t size);
