#include "ui/widgets/Panel.h"

namespace corvanel
{
void Panel::setHue (int newHue)
{
    HasHue::setHue (newHue);

    for (auto* child : getChildren())
        if (auto* tinted = dynamic_cast<HasHue*> (child))
            tinted->setHue (newHue);

    repaint();
}
} // namespace corvanel
