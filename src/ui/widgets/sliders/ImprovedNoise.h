#pragma once

// Three-dimensional gradient noise of the improved algorithm (quintic fade,
// twelve gradient directions picked through a fixed permutation of 0 .. 255,
// repeated to 512). Results lie in about [-1, 1]. Pure; any thread.
namespace ImprovedNoise
{
double noise (double x, double y, double z);

// The fixed permutation (256 entries) that the hashing uses.
const int* permutation();
} // namespace ImprovedNoise
