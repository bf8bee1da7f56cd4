#pragma once

#include "UiTestSupport.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace graphtest
{
// A mouse event on the component at position, with the button having gone
// down at downPosition (so drag distances are position - downPosition).
inline juce::MouseEvent at (juce::Component& component, juce::Point<float> position, juce::Point<float> downPosition,
                            juce::ModifierKeys mods = {})
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                             juce::MouseInputSource::defaultTiltY, &component, &component, now, downPosition, now, 1,
                             position != downPosition);
}

inline juce::MouseEvent at (juce::Component& component, juce::Point<float> position)
{
    return at (component, position, position);
}

// One element of a path: its kind and end point.
struct Element
{
    enum Kind
    {
        start,
        line,
        quadratic,
        cubic,
        close
    } kind;
    juce::Point<float> point;
};

inline std::vector<Element> elements (const juce::Path& path)
{
    std::vector<Element> result;
    juce::Path::Iterator it (path);
    while (it.next())
    {
        switch (it.elementType)
        {
            case juce::Path::Iterator::startNewSubPath: result.push_back ({ Element::start, { it.x1, it.y1 } }); break;
            case juce::Path::Iterator::lineTo: result.push_back ({ Element::line, { it.x1, it.y1 } }); break;
            case juce::Path::Iterator::quadraticTo: result.push_back ({ Element::quadratic, { it.x2, it.y2 } }); break;
            case juce::Path::Iterator::cubicTo: result.push_back ({ Element::cubic, { it.x3, it.y3 } }); break;
            case juce::Path::Iterator::closePath: result.push_back ({ Element::close, {} }); break;
        }
    }
    return result;
}

// Compares a path against the expected elements within a tolerance.
inline ::testing::AssertionResult pathIs (const juce::Path& path, const std::vector<Element>& expected, float tolerance = 1e-4f)
{
    const auto actual = elements (path);
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "path has " << actual.size() << " elements, expected " << expected.size();
    for (size_t i = 0; i < actual.size(); ++i)
    {
        if (actual[i].kind != expected[i].kind)
            return ::testing::AssertionFailure() << "element " << i << " is of kind " << actual[i].kind << ", expected "
                                                 << expected[i].kind;
        if (actual[i].point.getDistanceFrom (expected[i].point) > tolerance)
            return ::testing::AssertionFailure() << "element " << i << " ends at (" << actual[i].point.x << ", "
                                                 << actual[i].point.y << "), expected (" << expected[i].point.x << ", "
                                                 << expected[i].point.y << ")";
    }
    return ::testing::AssertionSuccess();
}

inline Element S (float x, float y) { return { Element::start, { x, y } }; }
inline Element L (float x, float y) { return { Element::line, { x, y } }; }
inline Element Q (float x, float y) { return { Element::quadratic, { x, y } }; }
inline Element C (float x, float y) { return { Element::cubic, { x, y } }; }
} // namespace graphtest
