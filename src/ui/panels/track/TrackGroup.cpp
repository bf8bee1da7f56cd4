#include "ui/panels/track/TrackGroup.h"

int trackGroup (int trackIndex)
{
    switch (trackIndex)
    {
        case 8:
        case 9:
        case 10:
            return 0;
        case 11:
            return 1;
        default:
            return 2;
    }
}

const std::vector<int>& machinePanelTypes (int group)
{
    static const std::vector<int> analogDrums { 19, 18, 21, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 39, 32, 33, 35, 34 };
    static const std::vector<int> analogHats { 22, 26, 23, 27, 31, 24, 28, 30, 25, 29, 32, 33, 35, 34 };
    static const std::vector<int> digital { 0, 1, 2, 3, 4, 5, 6, 7, 36, 37, 38, 35 };

    if (group == 0)
        return analogDrums;
    if (group == 1)
        return analogHats;
    return digital;
}
