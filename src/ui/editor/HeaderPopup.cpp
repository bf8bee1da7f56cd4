#include "ui/editor/HeaderPopup.h"

#include <cmath>

namespace HeaderPopup
{
float scaleOf (const juce::Component& button)
{
    const auto* parent = button.getParentComponent();
    if (parent == nullptr || ! parent->isTransformed())
        return 1.0f;
    return std::sqrt (std::abs (parent->getTransform().getDeterminant()));
}

juce::Rectangle<int> areaFor (const juce::Component& button, int left, int up, int width, int height)
{
    const float s = scaleOf (button);
    const auto at = button.getScreenPosition().toFloat();
    return { juce::roundToInt (at.x - static_cast<float> (left) * s), juce::roundToInt (at.y - static_cast<float> (up) * s),
             juce::roundToInt (static_cast<float> (width) * s), juce::roundToInt (static_cast<float> (height) * s) };
}

QuickModal& show (const juce::Component& button, std::unique_ptr<juce::Component> content, juce::Point<int> contentSize,
                  int left, int up, int width, int height)
{
    content->setSize (contentSize.x, contentSize.y);
    if (const auto* parent = button.getParentComponent())
        content->setTransform (parent->getTransform());
    // Owned by the framework's modal manager, which deletes it once the box closes.
    auto* callback = new QuickModalCallback (std::move (content), areaFor (button, left, up, width, height));
    return callback->getBox();
}

void closeEnclosing (juce::Component& content, int result)
{
    for (auto* parent = content.getParentComponent(); parent != nullptr; parent = parent->getParentComponent())
        if (auto* modal = dynamic_cast<QuickModal*> (parent))
        {
            modal->exitModalState (result);
            modal->setVisible (false);
            return;
        }
}
} // namespace HeaderPopup
