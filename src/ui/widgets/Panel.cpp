#include "ui/widgets/Panel.h"
#include "ui/widgets/HueChildren.h"

namespace corvanel
{
void Panel::setHue (int newHue)
{
    HasHue::setHue (newHue);

    passHueToChildren (*this, newHue);

    repaint();
}
} // namespace corvanel
