#include "ui/widgets/modal/QuickModal.h"

#include <cmath>

QuickModal::QuickModal (juce::Component& c, juce::Rectangle<int> area) : content (c)
{
    addAndMakeVisible (content);
    setOpaque (false);
    setAlwaysOnTop (true);
    setBounds (area);
    addToDesktop (juce::ComponentPeer::windowIsTemporary);
}

void QuickModal::resized()
{
    content.setTopLeftPosition (static_cast<int> (gap), static_cast<int> (gap));
    refreshPath();
}

void QuickModal::refreshPath()
{
    repaint();
    background = {};
    outline.clear();
    const auto t = content.getTransform();
    const auto s = std::sqrt (std::abs (t.getDeterminant()));
    outline.addRectangle (getLocalArea (&content, content.getLocalBounds().toFloat()).expanded (gap * s));
}

void QuickModal::inputAttemptWhenModal()
{
    ModalDismissal::outsideClick (*this, targetArea, dismissalMouseClicksAreAlwaysConsumed);
}

bool QuickModal::keyPressed (const juce::KeyPress& key)
{
    if (key.isKeyCode (juce::KeyPress::escapeKey))
    {
        inputAttemptWhenModal();
        return true;
    }
    return false;
}

QuickModalCallback::QuickModalCallback (std::unique_ptr<juce::Component> c, juce::Rectangle<int> area,
                                        std::shared_ptr<ForegroundProbe> probe)
    : content (std::move (c)), box (*content, area), foreground (std::move (probe))
{
    box.setVisible (true);
    box.enterModalState (true, this, false);
    startTimer (200);
}

void QuickModalCallback::timerCallback()
{
    if (foreground != nullptr && foreground->foregroundOwner() == ForegroundProbe::Owner::otherProcess)
        box.dismiss();
}
