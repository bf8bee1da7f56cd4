#pragma once

#include "support/TestEnvironment.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <gtest/gtest.h>

#include <string>

namespace uitest
{
// A message thread with the program's look and feel installed as the default
// look and feel (so every font resolves to the built-in faces).
class LookAndFeelTest : public fhtest::AppTest
{
protected:
    LookAndFeelTest()
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
        juce::Typeface::clearTypefaceCache();
    }

    ~LookAndFeelTest() override
    {
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
        juce::Typeface::clearTypefaceCache();
    }

    LookAndFeelCorvanel lookAndFeel;
};

// Paints the component (and its children) into a fresh transparent image.
inline juce::Image render (juce::Component& component)
{
    juce::Image image (juce::Image::ARGB, juce::jmax (1, component.getWidth()), juce::jmax (1, component.getHeight()), true);
    juce::Graphics g (image);
    component.paintEntireComponent (g, false);
    return image;
}

inline juce::uint32 pixel (const juce::Image& image, int x, int y)
{
    return image.getPixelAt (x, y).getARGB();
}

// Channels within one step of each other (alpha blending rounds).
inline ::testing::AssertionResult nearColour (juce::uint32 actual, juce::uint32 expected, int tolerance = 2)
{
    for (int shift = 0; shift < 32; shift += 8)
    {
        const auto a = static_cast<int> ((actual >> shift) & 0xFF);
        const auto e = static_cast<int> ((expected >> shift) & 0xFF);
        if (std::abs (a - e) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "colour 0x" << actual << " is not 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

// A piece of a parameterised test's name, readable in test lists: letters and
// digits are kept, a minus sign becomes "Minus", everything else is dropped;
// "Empty" when nothing is left.
inline std::string testNamePart (const std::string& text)
{
    std::string out;
    for (const char c : text)
    {
        if (c == '-')
            out += "Minus";
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out += c;
    }
    return out.empty() ? std::string ("Empty") : out;
}

inline std::string testNamePart (int value) { return testNamePart (std::to_string (value)); }

// A mouse event of the main mouse source on the component with the given modifiers.
inline juce::MouseEvent mouseEvent (juce::Component& component, juce::ModifierKeys mods, juce::Point<float> position = { 5.0f, 5.0f })
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                             juce::MouseInputSource::defaultTiltY, &component, &component, now, position, now, 1, false);
}

// A full click (down then up) with the given button modifier.
inline void click (juce::Component& component, juce::ModifierKeys mods)
{
    component.mouseDown (mouseEvent (component, mods));
    component.mouseUp (mouseEvent (component, mods));
}
} // namespace uitest
