#include "ui/widgets/modal/CustomCallOutBox.h"

#include <cmath>

CustomCallOutBox::CustomCallOutBox (juce::Component& c, juce::Rectangle<int> area, juce::Component* parent) : content (c)
{
    addAndMakeVisible (content);

    if (parent != nullptr)
    {
        parent->addChildComponent (this);
        updatePosition (area, parent->getLocalBounds());
        setVisible (true);
    }
    else
    {
        setAlwaysOnTop (true);
        if (auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForPoint (area.getCentre()))
            updatePosition (area, display->userArea);
        addToDesktop (juce::ComponentPeer::windowIsTemporary);
    }
}

int CustomCallOutBox::getBorderSize() const
{
    auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel());
    const int lookAndFeelBorder = methods != nullptr ? methods->getCustomCallOutBoxBorderSize (*this) : 20;
    return juce::jmax (lookAndFeelBorder, static_cast<int> (arrowSize));
}

float CustomCallOutBox::contentScale() const
{
    return static_cast<float> (std::sqrt (std::abs (content.getTransform().getDeterminant())));
}

void CustomCallOutBox::updatePosition (juce::Rectangle<int> area, juce::Rectangle<int> available)
{
    targetArea = area;
    availableArea = available;

    const auto s = contentScale();
    const auto border = static_cast<float> (getBorderSize());
    const auto margin = (border + gap) * s;
    juce::Rectangle<int> newBounds (juce::roundToInt (content.getWidth() * s + 2.0f * margin),
                                    juce::roundToInt (content.getHeight() * s + 2.0f * margin));

    const auto hw = static_cast<float> (newBounds.getWidth() / 2);
    const auto hh = static_cast<float> (newBounds.getHeight() / 2);
    const auto hwReduced = hw - 2.0f * border * s;
    const auto hhReduced = hh - 2.0f * border * s;
    const auto indent = (border - arrowSize) * s;

    const juce::Point<float> targets[4] = { { static_cast<float> (area.getCentreX()), static_cast<float> (area.getBottom()) },
                                            { static_cast<float> (area.getRight()), static_cast<float> (area.getCentreY()) },
                                            { static_cast<float> (area.getX()), static_cast<float> (area.getCentreY()) },
                                            { static_cast<float> (area.getCentreX()), static_cast<float> (area.getY()) } };

    const juce::Line<float> lines[4] = {
        { targets[0].translated (-hwReduced, hh - indent), targets[0].translated (hwReduced, hh - indent) },
        { targets[1].translated (hw - indent, -hhReduced), targets[1].translated (hw - indent, hhReduced) },
        { targets[2].translated (-(hw - indent), -hhReduced), targets[2].translated (-(hw - indent), hhReduced) },
        { targets[3].translated (-hwReduced, -(hh - indent)), targets[3].translated (hwReduced, -(hh - indent)) }
    };

    const auto centreArea = available.reduced (static_cast<int> (hw), static_cast<int> (hh)).toFloat();
    const auto areaCentre = area.getCentre().toFloat();

    float nearest = 1.0e9f;
    for (int i = 0; i < 4; ++i)
    {
        const juce::Line<float> clamped (centreArea.getConstrainedPoint (lines[i].getStart()),
                                         centreArea.getConstrainedPoint (lines[i].getEnd()));
        const auto centre = clamped.findNearestPointTo (areaCentre);
        auto cost = centre.getDistanceFrom (targets[i]);
        if (! centreArea.intersects (lines[i]))
            cost += 1000.0f;

        if (cost < nearest)
        {
            nearest = cost;
            targetPoint = targets[i];
            newBounds.setPosition (static_cast<int> (centre.x - hw), static_cast<int> (centre.y - hh));
        }
    }

    setBounds (newBounds);
}

void CustomCallOutBox::resized()
{
    const auto offset = static_cast<int> (static_cast<float> (getBorderSize()) + gap);
    content.setTopLeftPosition (offset, offset);
    refreshPath();
}

void CustomCallOutBox::refreshPath()
{
    repaint();
    background = {};
    outline.clear();
    const auto s = contentScale();
    outline.addBubble (getLocalArea (&content, content.getLocalBounds().toFloat()).expanded (gap * s),
                       getLocalBounds().toFloat(), targetPoint - getPosition().toFloat(), 0.0f, arrowSize * s * 0.7f);
}

void CustomCallOutBox::paint (juce::Graphics& g)
{
    if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
        methods->drawCustomCallOutBoxBackground (*this, g, outline, background);
}

void CustomCallOutBox::inputAttemptWhenModal()
{
    ModalDismissal::outsideClick (*this, targetArea, dismissalMouseClicksAreAlwaysConsumed);
}

bool CustomCallOutBox::keyPressed (const juce::KeyPress& key)
{
    if (key.isKeyCode (juce::KeyPress::escapeKey))
    {
        inputAttemptWhenModal();
        return true;
    }
    return false;
}

CustomCallOutBoxCallback::CustomCallOutBoxCallback (std::unique_ptr<juce::Component> c, juce::Rectangle<int> area,
                                                    juce::Component* parent, std::shared_ptr<ForegroundProbe> probe)
    : content (std::move (c)), box (*content, area, parent), foreground (std::move (probe))
{
    box.setVisible (true);
    box.enterModalState (true, this, false);
    startTimer (200);
}

void CustomCallOutBoxCallback::timerCallback()
{
    if (foreground != nullptr && foreground->foregroundOwner() == ForegroundProbe::Owner::otherProcess)
        box.dismiss();
}
