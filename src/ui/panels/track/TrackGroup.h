#pragma once

#include <vector>

// The machine group of a track: 0 for T9..T11 (analog drums), 1 for T12
// (analog hats, cymbals, cowbells), 2 for every other index (T1..T8, the
// digital tracks; negative and out-of-range indexes too).
int trackGroup (int trackIndex);

// The machine types whose panels a track's machine host builds, in the order
// it builds them. Group 0 holds the hand clap (21) too; group 2 has no
// disabled machine (34). Any group other than 0 and 1 is group 2.
const std::vector<int>& machinePanelTypes (int group);
