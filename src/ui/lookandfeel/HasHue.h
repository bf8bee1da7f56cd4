#pragma once

// Mix-in of every widget and panel that is tinted by a palette index.
// The base only stores the value; classes that pass the hue on or copy shades
// into their colour ids override setHue. Message thread only.
class HasHue
{
public:
    // The grey entry of the palette: the start value of every hue.
    static constexpr int defaultHue = 9;

    virtual ~HasHue() = default;

    virtual void setHue (int newHue) { hue = newHue; }

    int hue = defaultHue;
};
