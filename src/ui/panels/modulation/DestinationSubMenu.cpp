#include "ui/panels/modulation/DestinationSubMenu.h"

juce::PopupMenu makeDestinationSubMenu (int firstItemId, const juce::StringArray& names)
{
    juce::PopupMenu subMenu;
    for (int i = 0; i < names.size(); ++i)
        subMenu.addItem (firstItemId + i, "Destination " + juce::String (i + 1) + " (" + names[i] + ")", true, false);
    return subMenu;
}
