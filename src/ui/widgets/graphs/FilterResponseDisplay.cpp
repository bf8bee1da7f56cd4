#include "ui/widgets/graphs/FilterResponseDisplay.h"

namespace corvanel
{
FilterResponseDisplay::FilterResponseDisplay()
{
    addMouseListener (&controlPoint, true);
    controlPoint.addChangeListener (this);
    addChildComponent (controlPoint);
    setOpaque (true);
}

FilterResponseDisplay::~FilterResponseDisplay()
{
    controlPoint.removeChangeListener (this);
    removeMouseListener (&controlPoint);
}

bool FilterResponseDisplay::acceptDeviceValue()
{
    if (isDragInProgress())
        return false;
    valuesArrived = true;
    return true;
}

void FilterResponseDisplay::setCutoff (float deviceValue)
{
    if (! acceptDeviceValue())
        return;
    cutoff = deviceValue / 256.0f;
    controlPoint.setX (cutoff);
    refresh();
}

void FilterResponseDisplay::refresh()
{
    rebuildResponsePath();
    repaint();
}

void FilterResponseDisplay::resized()
{
    controlPoint.coverWith128UnitScale (getLocalBounds());
    // A path built for another size would no longer span the display.
    if (valuesArrived)
        rebuildResponsePath();
}
}   // namespace corvanel
