#include "processor/BusChannelMap.h"

std::vector<BusChannelMapEntry> makeBusChannelMap (int busCount, const std::set<int>& stereoBuses)
{
    std::vector<BusChannelMapEntry> map;
    int next = 0;
    for (int bus = 0; bus < busCount; ++bus)
    {
        const bool stereo = stereoBuses.count (bus) > 0;
        map.push_back ({ next, stereo });
        next += stereo ? 2 : 1;
    }
    return map;
}
