#pragma once

#include "model/MachineDataObject.h"
#include "processor/PanelContextIfc.h"
#include "ui/panels/engine/ControlBinding.h"
#include "ui/panels/modulation/ModulationPopupMenu.h"
#include "ui/widgets/Panel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <type_traits>
#include <vector>

// The common part of every parameter panel: a corvanel::Panel that watches
// identifiers of one data object on the processor's data-update timer, shows
// device values through its control bindings without echo, writes the user's
// edits through the data object, fades the bindings' highlights every 33 ms,
// shows current values at once when it becomes visible, and opens the
// parameter menu for the control under a right click.
//
// A derived panel builds its widgets, adds one binding per control (in hit
// order), calls watch() and applyDefaults(), then start(). Widgets handed to
// adopt() live until after the bindings; a panel that holds widgets as its own
// members calls releaseBindings() first thing in its destructor. Message
// thread only.
class ParameterPanel : public corvanel::Panel,
                       public MachineDataObject::Listener<int, MachineDataObject>,
                       public ParameterWriter,
                       private juce::Timer
{
public:
    static constexpr int fadeIntervalMs = 33;
    static constexpr float fadeStep = 1.0f / 30.0f;
    static constexpr juce::uint32 backgroundColour = 0xFF1E1E1E;

    // The data object of a track (0..11, clamped) or of the effects block (12).
    static MachineDataObject* findTrackObject (Vantu::Kit& kit, int trackIndex);

    // Registers with the context's data-update timer, watching nothing yet. The
    // flags choose the menu's LFO and MIDI-source submenus.
    ParameterPanel (PanelContextIfc& context, int trackIndex, bool lfoTargets = true, bool midiTargets = true);
    // The same on a data object of the caller's choosing (a track tab's sound; may be null).
    ParameterPanel (PanelContextIfc& context, MachineDataObject* object, int trackIndex, bool lfoTargets = true,
                    bool midiTargets = true);
    ~ParameterPanel() override;

    MachineDataObject* getDataObject() const { return getOwner(); }
    int getTrackIndex() const { return trackIndex; }

    // The binding of a control under a point in screen coordinates: the first in
    // hit order whose component's screen bounds contain it; null when none does.
    ControlBinding* findBindingAt (juce::Point<int> screenPosition) const;

    // The bindings of an identifier (compared by identity), in hit order.
    std::vector<ControlBinding*> findBindings (const juce::Identifier& id) const;

    // Shows a device value on the identifier's controls; others are ignored.
    void setValueFromDevice (const juce::Identifier& id, int value);

    // The parameter menu for an identifier, as a right click opens it: shown
    // modally; "Reset to default value" writes the parameter's default. The
    // panel may be destroyed while the menu is open.
    void openParameterMenu (const juce::Identifier& id);

    ModulationPopupMenu& getModulationMenu() { return modulationMenu; }

    // Message thread, from the data-update timer's poll.
    void valueChanged (MachineDataObject* object, const juce::Identifier& id, int value) override;

    // A user edit of a control: written through the data object, unless the
    // identifier is empty or there is no data object.
    void writeFromGui (const juce::Identifier& id, int value) override;

    // One step of the highlight fade, as the panel's 33 ms timer runs it.
    void fadeHighlights();

    void mouseDown (const juce::MouseEvent& e) override;
    void visibilityChanged() override;
    void paint (juce::Graphics& g) override;

protected:
    void addBinding (std::unique_ptr<ControlBinding> binding);
    void releaseBindings() { bindings.clear(); }

    // Takes ownership of a widget or a custom control for the panel's life.
    template <typename Owned>
    Owned& adopt (std::unique_ptr<Owned> owned)
    {
        auto& result = *owned;
        if constexpr (std::is_base_of_v<juce::Component, Owned>)
            ownedComponents.push_back (std::move (owned));
        else
            ownedControls.push_back (std::move (owned));
        return result;
    }

    // Watches the identifiers (all reported on the next poll) and re-reads them,
    // in this order, whenever the panel becomes visible.
    void watch (const std::vector<juce::Identifier>& ids);

    // Every binding's double-click value from its parameter's default, where the
    // data object has one.
    void applyDefaults();

    // Right clicks from every child reach mouseDown; the highlight fade starts
    // (a panel without highlights may run without the timer).
    void start (bool withTimer = true);

    // The whole set of current values, as on becoming visible.
    void rereadValues();

    GlobalPreferencesIfc& preferences;

private:
    void timerCallback() override;

    const int trackIndex;
    ModulationPopupMenu modulationMenu;
    std::vector<juce::Identifier> rereadList;
    std::vector<std::unique_ptr<CustomColumnControl>> ownedControls;
    std::vector<std::unique_ptr<juce::Component>> ownedComponents;
    std::vector<std::unique_ptr<ControlBinding>> bindings;   // last: gone before what they bind

    JUCE_DECLARE_NON_COPYABLE (ParameterPanel)
};
