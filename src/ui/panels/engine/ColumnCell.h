#pragma once

// The place of one column of a parameter panel's control band: its left edge,
// the top of the band and the column's width, in the panel's coordinates.
struct ColumnCell
{
    int x = 0;
    int top = 0;
    int width = 0;
};
