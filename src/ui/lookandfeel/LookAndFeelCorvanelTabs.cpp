// Drawing and measuring of the program's own tab bar (MyTabbedButtonBar).
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace
{
constexpr int frontOutlineId = 0x1005814;
constexpr int tabOutlineId = 0x1005812;
constexpr int frontTextId = 0x1005815;
constexpr int tabTextId = 0x1005813;

// The tab's text colour: a colour set for the front or other tabs on the bar
// or in the look and feel, else the contrast of the tab colour. The alpha
// factor applies to the contrast colour, or to every colour when asked.
juce::Colour tabTextColour (MyTabBarButton& button, juce::LookAndFeel& lf, bool isMouseOver, bool isMouseDown,
                            bool alphaAlways)
{
    auto& bar = button.getTabbedButtonBar();
    const int id = button.isFrontTab() ? frontTextId : tabTextId;
    const auto alpha = button.isEnabled() ? ((isMouseOver || isMouseDown) ? 1.0f : 0.8f) : 0.3f;
    if (bar.isColourSpecified (id))
        return alphaAlways ? bar.findColour (id).withMultipliedAlpha (alpha) : bar.findColour (id);
    if (lf.isColourSpecified (id))
        return alphaAlways ? lf.findColour (id).withMultipliedAlpha (alpha) : lf.findColour (id);
    return button.getTabBackgroundColour().contrasting (1.0f).withMultipliedAlpha (alpha);
}

// The transform that puts text laid out along the tab into the text area.
juce::AffineTransform textTransform (MyTabBarButton& button, juce::Rectangle<float> area, float& length, float& depth)
{
    length = area.getWidth();
    depth = area.getHeight();
    if (button.getTabbedButtonBar().isVertical())
        std::swap (length, depth);
    switch (button.getTabbedButtonBar().getOrientation())
    {
        case MyTabbedButtonBar::TabsAtLeft:
            return juce::AffineTransform::rotation (juce::MathConstants<float>::pi * -0.5f).translated (area.getX(), area.getBottom());
        case MyTabbedButtonBar::TabsAtRight:
            return juce::AffineTransform::rotation (juce::MathConstants<float>::pi * 0.5f).translated (area.getRight(), area.getY());
        default:
            return juce::AffineTransform::translation (area.getX(), area.getY());
    }
}
} // namespace

int LookAndFeelCorvanel::getTabButtonSpaceAroundImage (MyTabbedButtonBar&) { return 0; }

int LookAndFeelCorvanel::getTabButtonOverlap (MyTabbedButtonBar&, int) { return -4; }

int LookAndFeelCorvanel::getTabButtonBestWidth (MyTabBarButton& button, int depth)
{
    return juce::jlimit (2 * depth, 8 * depth, 8 * button.getButtonText().length() + 14);
}

juce::Rectangle<int> LookAndFeelCorvanel::getTabButtonExtraComponentBounds (const MyTabBarButton& button,
                                                                            juce::Rectangle<int>& textArea,
                                                                            juce::Component& comp)
{
    if (button.getTabbedButtonBar().isVertical())
        return textArea.removeFromBottom (comp.getHeight());
    return textArea.removeFromRight (comp.getWidth());
}

void LookAndFeelCorvanel::drawTabButton (MyTabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown)
{
    const auto area = button.getActiveArea();
    const bool front = button.isFrontTab();
    if (front)
    {
        g.setColour (juce::Colour (0xff1e1e1e));
        g.fillRect (area);
    }

    const auto orientation = button.getTabbedButtonBar().getOrientation();
    g.setColour (button.findColour (front ? frontOutlineId : tabOutlineId));
    if (orientation != MyTabbedButtonBar::TabsAtBottom)
        g.fillRect (area.getX(), area.getY(), area.getWidth(), 1);
    if (orientation != MyTabbedButtonBar::TabsAtTop)
        g.fillRect (area.getX(), area.getBottom() - 1, area.getWidth(), 1);
    if (orientation != MyTabbedButtonBar::TabsAtRight)
        g.fillRect (area.getX(), area.getY(), 1, area.getHeight());
    if (orientation != MyTabbedButtonBar::TabsAtLeft)
        g.fillRect (area.getRight() - 1, area.getY(), 1, area.getHeight());

    float length = 0.0f, depth = 0.0f;
    const auto t = textTransform (button, button.getTextArea().toFloat(), length, depth);
    auto font = CorvanelFonts::atHeight (CorvanelFonts::text55, 11.0f);
    font.setUnderline (button.hasKeyboardFocus (false));
    g.setColour (tabTextColour (button, *this, isMouseOver, isMouseDown, false));
    g.setFont (font);
    juce::Graphics::ScopedSaveState state (g);
    g.addTransform (t);
    g.drawText (button.getButtonText().trim(), juce::Rectangle<float> (0.0f, 0.0f, length, depth),
                juce::Justification::centred, false);
}

void LookAndFeelCorvanel::drawTabButtonText (MyTabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown)
{
    float length = 0.0f, depth = 0.0f;
    const auto t = textTransform (button, button.getTextArea().toFloat(), length, depth);
    auto font = CorvanelFonts::atPoints (CorvanelFonts::text65, 14.0f).boldened();
    font.setUnderline (button.hasKeyboardFocus (false));
    g.setColour (tabTextColour (button, *this, isMouseOver, isMouseDown, true));
    g.setFont (font);
    juce::Graphics::ScopedSaveState state (g);
    g.addTransform (t);
    g.drawFittedText (button.getButtonText().trim(), 0, 0, static_cast<int> (length), static_cast<int> (depth),
                      juce::Justification::centred, juce::jmax (1, static_cast<int> (depth) / 12));
}

void LookAndFeelCorvanel::drawTabbedButtonBarBackground (MyTabbedButtonBar&, juce::Graphics&) {}

void LookAndFeelCorvanel::drawTabAreaBehindFrontButton (MyTabbedButtonBar& bar, juce::Graphics& g, int w, int h)
{
    g.setColour (bar.findColour (frontOutlineId));
    switch (bar.getOrientation())
    {
        case MyTabbedButtonBar::TabsAtTop:    g.fillRect (0, h - 1, w, 1); break;
        case MyTabbedButtonBar::TabsAtBottom: g.fillRect (0, 0, w, 1); break;
        case MyTabbedButtonBar::TabsAtLeft:   g.fillRect (w - 1, 0, 1, h); break;
        case MyTabbedButtonBar::TabsAtRight:  g.fillRect (0, 0, 1, h); break;
    }
}

void LookAndFeelCorvanel::createTabButtonShape (MyTabBarButton& button, juce::Path& p, bool, bool)
{
    const auto area = button.getActiveArea();
    const auto w = static_cast<float> (area.getWidth());
    const auto h = static_cast<float> (area.getHeight());
    const auto indent = static_cast<float> (getTabButtonOverlap (button.getTabbedButtonBar(), static_cast<int> (button.getTabbedButtonBar().isVertical() ? w : h)));
    const float overhang = 4.0f;

    switch (button.getTabbedButtonBar().getOrientation())
    {
        case MyTabbedButtonBar::TabsAtLeft:
            p.startNewSubPath (w, 0.0f);
            p.lineTo (0.0f, indent);
            p.lineTo (0.0f, h - indent);
            p.lineTo (w, h);
            p.lineTo (w + overhang, h + overhang);
            p.lineTo (w + overhang, -overhang);
            break;
        case MyTabbedButtonBar::TabsAtRight:
            p.startNewSubPath (0.0f, 0.0f);
            p.lineTo (w, indent);
            p.lineTo (w, h - indent);
            p.lineTo (0.0f, h);
            p.lineTo (-overhang, h + overhang);
            p.lineTo (-overhang, -overhang);
            break;
        case MyTabbedButtonBar::TabsAtBottom:
            p.startNewSubPath (0.0f, 0.0f);
            p.lineTo (indent, h);
            p.lineTo (w - indent, h);
            p.lineTo (w, 0.0f);
            p.lineTo (w + overhang, -overhang);
            p.lineTo (-overhang, -overhang);
            break;
        case MyTabbedButtonBar::TabsAtTop:
            p.startNewSubPath (0.0f, h);
            p.lineTo (indent, 0.0f);
            p.lineTo (w - indent, 0.0f);
            p.lineTo (w, h);
            p.lineTo (w + overhang, h + overhang);
            p.lineTo (-overhang, h + overhang);
            break;
    }
    p.closeSubPath();
    p = p.createPathWithRoundedCorners (8.0f);
}

void LookAndFeelCorvanel::fillTabButtonShape (MyTabBarButton& button, juce::Graphics& g, const juce::Path& path, bool, bool)
{
    const auto tabColour = button.getTabBackgroundColour();
    const bool front = button.isFrontTab();
    g.setColour (front ? tabColour : tabColour.withMultipliedAlpha (0.9f));
    g.fillPath (path);
    g.setColour (button.findColour (front ? frontOutlineId : tabOutlineId).withMultipliedAlpha (button.isEnabled() ? 1.0f : 0.5f));
    g.strokePath (path, juce::PathStrokeType (front ? 1.0f : 0.5f));
}

juce::Button* LookAndFeelCorvanel::createTabBarExtrasButton (MyTabbedButtonBar&)
{
    const float thickness = 7.0f, indent = 22.0f;
    juce::Path p;
    p.addEllipse (-10.0f, -10.0f, 120.0f, 120.0f);
    juce::DrawablePath ellipse;
    ellipse.setPath (p);
    ellipse.setFill (juce::Colour (0x99ffffff));

    p.clear();
    p.addEllipse (0.0f, 0.0f, 100.0f, 100.0f);
    p.addRectangle (indent, 50.0f - thickness, 100.0f - indent * 2.0f, thickness * 2.0f);
    p.addRectangle (50.0f - thickness, indent, thickness * 2.0f, 50.0f - indent - thickness);
    p.addRectangle (50.0f - thickness, 50.0f + thickness, thickness * 2.0f, 50.0f - indent - thickness);
    p.setUsingNonZeroWinding (false);
    juce::DrawablePath plus;
    plus.setPath (p);
    plus.setFill (juce::Colour (0x59000000));

    juce::DrawableComposite normalImage;
    normalImage.addAndMakeVisible (ellipse.createCopy().release());
    normalImage.addAndMakeVisible (plus.createCopy().release());
    plus.setFill (juce::Colour (0xcc000000));
    juce::DrawableComposite overImage;
    overImage.addAndMakeVisible (ellipse.createCopy().release());
    overImage.addAndMakeVisible (plus.createCopy().release());

    auto* button = new juce::DrawableButton ("tabs", juce::DrawableButton::ImageFitted);
    button->setImages (&normalImage, &overImage, nullptr);
    return button;
}
