#include "ui/panels/engine/ParameterPanel.h"

#include "ui/panels/modulation/ShowModulationPopupMenu.h"

MachineDataObject* ParameterPanel::findTrackObject (Vantu::Kit& kit, int trackIndex)
{
    if (trackIndex == Vantu::Kit::numTracks)
        return &kit.getFx();
    return kit.getSound (trackIndex);
}

ParameterPanel::ParameterPanel (PanelContextIfc& context, int trackIndexToUse, bool lfoTargets, bool midiTargets)
    : ParameterPanel (context, findTrackObject (context.getKit(), trackIndexToUse), trackIndexToUse, lfoTargets, midiTargets)
{
}

ParameterPanel::ParameterPanel (PanelContextIfc& context, MachineDataObject* object, int trackIndexToUse,
                                bool lfoTargets, bool midiTargets)
    : MachineDataObject::Listener<int, MachineDataObject> (&context.getUpdateTimerProvider(), object, {}),
      preferences (context.getPreferences()),
      trackIndex (trackIndexToUse),
      modulationMenu (&context.getKit(), trackIndexToUse, lfoTargets, midiTargets)
{
}

ParameterPanel::~ParameterPanel()
{
    stopTimer();
    removeMouseListener (this);
    bindings.clear();
}

void ParameterPanel::addBinding (std::unique_ptr<ControlBinding> binding)
{
    bindings.push_back (std::move (binding));
}

void ParameterPanel::watch (const std::vector<juce::Identifier>& ids)
{
    rereadList = ids;
    addIdentifiers (ids);
}

void ParameterPanel::applyDefaults()
{
    auto* object = getDataObject();
    if (object == nullptr)
        return;

    for (auto& binding : bindings)
    {
        int defaultValue = 0;
        if (object->getDefaultValue (binding->getIdentifier(), defaultValue))
            binding->setDefaultValue (defaultValue);
    }
}

void ParameterPanel::start (bool withTimer)
{
    removeMouseListener (this);
    addMouseListener (this, true);
    if (withTimer && ! bindings.empty())
        startTimer (fadeIntervalMs);
}

ControlBinding* ParameterPanel::findBindingAt (juce::Point<int> screenPosition) const
{
    for (auto& binding : bindings)
        if (binding->opensMenu())
            for (auto* component : binding->getHitComponents())
                if (component->getScreenBounds().contains (screenPosition))
                    return binding.get();
    return nullptr;
}

std::vector<ControlBinding*> ParameterPanel::findBindings (const juce::Identifier& id) const
{
    std::vector<ControlBinding*> found;
    for (auto& binding : bindings)
        if (binding->getIdentifier() == id)
            found.push_back (binding.get());
    return found;
}

void ParameterPanel::setValueFromDevice (const juce::Identifier& id, int value)
{
    for (auto& binding : bindings)
        if (binding->getIdentifier() == id)
            binding->showDeviceValue (value);
}

void ParameterPanel::valueChanged (MachineDataObject*, const juce::Identifier& id, int value)
{
    setValueFromDevice (id, value);
}

void ParameterPanel::writeFromGui (const juce::Identifier& id, int value)
{
    auto* object = getDataObject();
    if (id.isValid() && object != nullptr)
        object->setValueFromGui (id, value);
}

void ParameterPanel::rereadValues()
{
    auto* object = getDataObject();
    if (object == nullptr)
        return;

    for (const auto& id : rereadList)
    {
        int value = 0;
        bool found = false;
        {
            const std::lock_guard<std::mutex> lock (object->getMutex());
            found = object->getValues().get (id, value);
        }
        if (found)
            setValueFromDevice (id, value);
    }
}

void ParameterPanel::visibilityChanged()
{
    if (isShowing())
        rereadValues();
}

void ParameterPanel::mouseDown (const juce::MouseEvent& e)
{
    if (! e.mods.isRightButtonDown())
        return;

    if (auto* binding = findBindingAt (e.getScreenPosition()))
        openParameterMenu (binding->getIdentifier());
}

void ParameterPanel::openParameterMenu (const juce::Identifier& id)
{
    auto* object = getDataObject();
    if (object == nullptr)
        return;

    modulationMenu.setParameterId (id);
    // Touches nothing of this panel after the menu closes unless it still exists.
    showModulationPopupMenu (*object, modulationMenu, *this);
}

void ParameterPanel::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (backgroundColour));
}

void ParameterPanel::fadeHighlights()
{
    for (auto& binding : bindings)
        binding->fadeHighlight (fadeStep);
}

void ParameterPanel::timerCallback()
{
    fadeHighlights();
}
