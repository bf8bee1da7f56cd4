#pragma once

#include <juce_core/juce_core.h>

// What an owner drives of a parameter's right-click menu.
class ModulationPopupMenuIfc
{
public:
    virtual ~ModulationPopupMenuIfc() = default;

    // The parameter the menu is opened for; the null identifier until set.
    virtual const juce::Identifier& getParameterId() const = 0;
    virtual void setParameterId (const juce::Identifier& id) = 0;

    // The parameter's destination index times 256, set by the opener before each opening.
    virtual void setDestinationValue (int value) = 0;

    // Builds the menu, shows it modally, applies a chosen modulation source and
    // returns the chosen item id (0 when dismissed). Message thread.
    virtual int showMenu() = 0;
};
