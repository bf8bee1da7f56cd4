#include "model/storage/UpgradeTables.h"

#include <algorithm>
#include <cmath>

namespace Vantu::upgradeTables
{
const std::uint8_t overdriveCurve[128] = {
    0, 1, 1, 2, 3, 4, 4, 5, 6, 6, 7, 8, 8, 9, 10, 11, 11, 12, 13, 13, 14, 15, 16, 16, 17, 18, 18, 19, 20, 21, 21, 22,
    23, 23, 24, 25, 25, 26, 27, 28, 28, 29, 30, 30, 31, 32, 33, 33, 34, 35, 35, 36, 37, 37, 38, 39, 40, 40, 41, 42, 42, 43,
    44, 45, 45, 46, 47, 47, 48, 49, 49, 50, 51, 52, 52, 53, 54, 54, 55, 56, 57, 57, 58, 59, 59, 60, 61, 62, 62, 63, 64, 64,
    65, 66, 66, 67, 68, 69, 69, 70, 71, 71, 72, 73, 74, 74, 75, 76, 76, 77, 78, 78, 79, 80, 81, 81, 82, 83, 83, 84, 85, 86,
    86, 87, 88, 88, 89, 90,
};

const std::uint8_t ampDecayTable[128] = {
    0, 3, 4, 5, 6, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16, 17, 17, 18, 18, 19, 19, 20, 20,
    21, 21, 22, 22, 23, 23, 24, 24, 25, 26, 26, 27, 27, 28, 28, 29, 30, 30, 31, 31, 32, 33, 33, 34, 35, 35, 36, 37, 38, 38,
    39, 40, 41, 41, 42, 43, 44, 45, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 66, 67,
    68, 69, 71, 72, 73, 74, 76, 77, 79, 80, 81, 83, 84, 86, 87, 89, 91, 92, 94, 96, 97, 99, 101, 103, 105, 106, 108, 110,
    112, 114, 116, 118, 120, 123, 125, 127,
};

namespace
{
// The old envelope ran its attack over the old hold time; the new one has
// separate attack and hold stages. The new attack follows the old hold along
// a saturating curve whose span grows with the old attack; the new hold takes
// what the old hold had beyond the old attack.
constexpr int attackCurveHolds[] = { 0, 8, 16, 24, 32, 40 };
constexpr int attackCurveAt32[] = { 20, 39, 50, 58, 66, 73 };

double attackShape (int hold)   // 0 at hold 0, 1 from hold 40 on
{
    if (hold >= 40)
        return 1.0;
    const int i = hold / 8;
    const double f = (hold - attackCurveHolds[i]) / 8.0;
    const double v = attackCurveAt32[i] + f * (attackCurveAt32[i + 1] - attackCurveAt32[i]);
    return (v - 20.0) / 53.0;
}

int newAttack (int attack, int hold)
{
    if (attack == 0)
        return 0;
    const double low = attack >= 8 ? 20.0 : attack * 2.5;
    // span: 53 at attack 32, 102 at attack 127
    const double span = 102.0 * std::pow (attack / 127.0, 0.4747);
    const double top = std::min (122.0, low + span);
    return std::clamp (int (std::lround (low + (top - low) * attackShape (hold))), 0, 122);
}

int newHold (int attack, int hold)
{
    if (attack == 0)
    {
        constexpr int firstHolds[] = { 9, 10, 12, 13, 14, 15, 16, 17 };
        if (hold < 8)
            return firstHolds[hold];
        return std::min (127, 17 + int (std::lround ((hold - 7) * 110.0 / 120.0)));
    }
    if (hold <= attack)
        return 0;
    return std::min (127, int (std::lround ((hold - attack) * 127.0 / 88.0)));
}

struct AmpTables
{
    std::uint8_t attack[128][128];
    std::uint8_t hold[128][128];

    AmpTables()
    {
        for (int a = 0; a < 128; ++a)
            for (int h = 0; h < 128; ++h)
            {
                attack[a][h] = static_cast<std::uint8_t> (newAttack (a, h));
                hold[a][h] = static_cast<std::uint8_t> (newHold (a, h));
            }
    }
};

const AmpTables& ampTables()
{
    static const AmpTables tables;
    return tables;
}
} // namespace

const std::uint8_t (&ampAttackTable)[128][128] = ampTables().attack;
const std::uint8_t (&ampHoldTable)[128][128] = ampTables().hold;

int convertLfoDestinationV0 (int destination) noexcept
{
    if (destination >= 0 && destination <= 43)
        return destination;
    if (destination == 44)
        return 26;
    if (destination >= 45 && destination <= 51)
        return destination - 1;
    return 0;
}
} // namespace Vantu::upgradeTables
