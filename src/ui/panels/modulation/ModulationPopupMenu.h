#pragma once

#include "model/MachineDataObject.h"
#include "ui/panels/modulation/ModulationPopupMenuIfc.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace Vantu
{
class Kit;
}

// The right-click menu of a parameter control: the parameter's name (disabled),
// "Reset to default value", and submenus that make the parameter the target of
// the track's (or the effects block's) two LFOs and of the four slots of each
// MIDI performance source. Every item shows what its slot targets when the
// menu is built; a choice writes the parameter's destination index times 256
// into the slot's destination parameter.
//
// Every parameter panel holds one by value. Apart from the parameter
// identifier it keeps nothing between openings; the items are built anew each
// time. The menu never resets the parameter itself: the opener does that when
// showMenu returns resetItemId (showModulationPopupMenu does it all).
//
// Message thread only. As a mouse listener it receives nothing: its callbacks
// are the framework's empty ones and the owning panel takes the clicks.
class ModulationPopupMenu : public juce::MouseListener, public ModulationPopupMenuIfc
{
public:
    static constexpr int fxTrack = 12;

    static constexpr int titleItemId = 99998;
    static constexpr int resetItemId = 99999;
    static constexpr int lfo1ItemId = 20;
    static constexpr int lfo2ItemId = 30;

    // kit: not owned, outlives the menu. track: 0..11 for T1..T12, 12 for the
    // effects block. The flags choose the LFO and the MIDI-source submenus.
    ModulationPopupMenu (Vantu::Kit* kit, int track, bool lfoTargets, bool midiTargets);
    ~ModulationPopupMenu() override;

    const juce::Identifier& getParameterId() const override { return parameterId; }
    void setParameterId (const juce::Identifier& id) override { parameterId = id; }
    void setDestinationValue (int value) override { destinationValue = value; }
    int getDestinationValue() const { return destinationValue; }

    // buildMenu, the modal step, handleMenuResult; returns the chosen item id,
    // 0 when dismissed. When the menu (and so its owner) is destroyed while it
    // is open, nothing more is touched and the result is 0.
    int showMenu() override;

    // Fills the menu: title, separator, reset item, separator, then the LFO and
    // MIDI-source submenus as the flags allow.
    void buildMenu();

    // Writes the parameter's destination index times 256 to the destination
    // parameter of a chosen LFO or MIDI-source item. Nothing for 0 (dismissed),
    // the title, the reset item, any other id, or a parameter that the menu's
    // data object does not register with a destination index.
    void handleMenuResult (int result);

    // The kit's effects block for track 12, else the track's sound (the track
    // clamped to the kit's sounds); null without a kit.
    MachineDataObject* getDataObject() const;

    // The display name of the parameter that the destination parameter
    // currently targets, named for the sound's current machine; empty when it
    // holds no value, targets nothing, or targets another machine's parameter.
    juce::String getDestinationName (const juce::Identifier& destinationId) const;

    // The steps of buildMenu.
    void addLfo1SubMenu();
    void addLfo2SubMenu();
    void addMidiSourceSubMenus();

    // The items of the last build.
    const juce::PopupMenu& getMenu() const { return menu; }

private:
    const juce::Identifier& lfoDestinationId (int lfoItemId) const;
    void addLfoSubMenu (int lfoItemId, const char* name);

    Vantu::Kit* kit;
    int track;
    bool lfoTargets;
    bool midiTargets;
    juce::Identifier parameterId;
    int destinationValue = 0;
    juce::PopupMenu menu;

    JUCE_DECLARE_WEAK_REFERENCEABLE (ModulationPopupMenu)
};
