// The framework widgets' drawing operations that the look and feel replaces:
// flat fills, square corners, 1-pixel outlines.
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/lookandfeel/LookAndFeelCorvanel_DocumentWindowButton.h"

namespace
{
using UI = juce::LookAndFeel_V4::ColourScheme::UIColour;

juce::Path shapeFromPoints (std::initializer_list<juce::Point<float>> points)
{
    juce::Path p;
    bool first = true;
    for (auto pt : points)
    {
        if (first)
            p.startNewSubPath (pt);
        else
            p.lineTo (pt);
        first = false;
    }
    p.closeSubPath();
    p.setUsingNonZeroWinding (true);
    return p;
}

juce::Path fittedIntoDoubleWidthBox (juce::Path shape, float height)
{
    shape.applyTransform (shape.getTransformToScaleToFit (0.0f, 0.0f, 2.0f * height, height, true));
    return shape;
}

bool isInsideAlertWindow (juce::Component& c)
{
    return c.findParentComponentOfClass<juce::AlertWindow>() != nullptr;
}

bool hasFocusInside (juce::Component& c)
{
    return c.hasKeyboardFocus (true);
}

// The framework tab text, laid out along the tab and rotated for vertical bars.
void drawFrameworkTabText (juce::TabBarButton& button, juce::Graphics& g, juce::Colour colour, const juce::Font& font,
                           bool fitted)
{
    auto area = button.getTextArea().toFloat();
    auto length = area.getWidth(), depth = area.getHeight();
    if (button.getTabbedButtonBar().isVertical())
        std::swap (length, depth);

    juce::AffineTransform t;
    switch (button.getTabbedButtonBar().getOrientation())
    {
        case juce::TabbedButtonBar::TabsAtLeft: t = t.rotated (juce::MathConstants<float>::pi * -0.5f).translated (area.getX(), area.getBottom()); break;
        case juce::TabbedButtonBar::TabsAtRight: t = t.rotated (juce::MathConstants<float>::pi * 0.5f).translated (area.getRight(), area.getY()); break;
        default: t = t.translated (area.getX(), area.getY()); break;
    }

    juce::Graphics::ScopedSaveState state (g);
    g.setColour (colour);
    g.setFont (font);
    g.addTransform (t);
    if (fitted)
        g.drawFittedText (button.getButtonText().trim(), 0, 0, static_cast<int> (length), static_cast<int> (depth),
                          juce::Justification::centred, juce::jmax (1, static_cast<int> (depth) / 12));
    else
        g.drawText (button.getButtonText().trim(), juce::Rectangle<float> (length, depth), juce::Justification::centred, false);
}

juce::Colour frameworkTabTextColour (juce::TabBarButton& button, juce::LookAndFeel& lf, bool isMouseOver, bool isMouseDown,
                                     bool alphaAlways)
{
    const int id = button.isFrontTab() ? juce::TabbedButtonBar::frontTextColourId : juce::TabbedButtonBar::tabTextColourId;
    const auto alpha = button.isEnabled() ? ((isMouseOver || isMouseDown) ? 1.0f : 0.8f) : 0.3f;
    auto& bar = button.getTabbedButtonBar();
    if (bar.isColourSpecified (id) || lf.isColourSpecified (id))
    {
        const auto c = bar.findColour (id);
        return alphaAlways ? c.withMultipliedAlpha (alpha) : c;
    }
    return button.getTabBackgroundColour().contrasting (1.0f).withMultipliedAlpha (alpha);
}

juce::TextLayout tooltipLayout (const juce::String& text)
{
    juce::AttributedString s;
    s.setJustification (juce::Justification::centred);
    s.append (text, juce::Font (10.0f), juce::Colours::black);
    juce::TextLayout layout;
    layout.createLayoutWithBalancedLineLengths (s, 400.0f);
    return layout;
}
} // namespace

//==============================================================================
// Shapes

juce::Path LookAndFeelCorvanel::getTickShape (float height)
{
    return fittedIntoDoubleWidthBox (shapeFromPoints ({ { 6.33815f, 4.6474f }, { 7.74855f, 3.9422f }, { 9.71965f, 7.88439f },
                                                        { 8.30925f, 7.88439f }, { 12.2514f, 0.0f }, { 13.6618f, 0.705201f },
                                                        { 9.01445f, 10.0f } }),
                                     height);
}

juce::Path LookAndFeelCorvanel::getCrossShape (float height)
{
    return fittedIntoDoubleWidthBox (shapeFromPoints ({ { 127.6f, 0.0f }, { 141.8f, 14.2f }, { 85.0f, 70.9f }, { 141.7f, 127.6f },
                                                        { 127.5f, 141.8f }, { 70.9f, 85.0f }, { 14.2f, 141.7f }, { 0.0f, 127.6f },
                                                        { 56.7f, 70.9f }, { 0.0f, 14.2f }, { 14.2f, 0.0f }, { 70.9f, 56.7f } }),
                                     height);
}

//==============================================================================
// Scroll bars, buttons, tick boxes, text editors

int LookAndFeelCorvanel::getDefaultScrollbarWidth() { return 6; }

void LookAndFeelCorvanel::drawScrollbar (juce::Graphics& g, juce::ScrollBar& bar, int x, int y, int width, int height,
                                         bool isVertical, int thumbStart, int thumbSize, bool isMouseOver, bool)
{
    g.setColour (bar.findColour (juce::ScrollBar::backgroundColourId));
    g.fillRect (x, y, width, height);

    auto thumb = bar.findColour (juce::ScrollBar::thumbColourId);
    if (isMouseOver)
    {
        const auto lift = [] (juce::uint8 c) { return static_cast<juce::uint8> (255 - (255 - c) * 0.8f); };
        thumb = juce::Colour (lift (thumb.getRed()), lift (thumb.getGreen()), lift (thumb.getBlue()), thumb.getAlpha());
    }
    g.setColour (thumb);
    if (isVertical)
        g.fillRect (x, thumbStart, width, thumbSize);
    else
        g.fillRect (thumbStart, y, thumbSize, height);
}

void LookAndFeelCorvanel::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& background,
                                                bool isHighlighted, bool isDown)
{
    auto base = background.withMultipliedSaturation (hasFocusInside (button) ? 1.3f : 0.9f);
    const bool parentDisabled = button.getParentComponent() != nullptr && ! button.getParentComponent()->isEnabled();
    if (! button.isEnabled() || parentDisabled)
        base = base.withMultipliedAlpha (0.5f);
    if (isDown)
        base = base.contrasting (0.2f);
    else if (isHighlighted)
        base = base.contrasting (0.05f);

    const auto area = juce::Rectangle<float> (0.5f, 0.5f, static_cast<float> (button.getWidth()) - 1.0f,
                                              static_cast<float> (button.getHeight()) - 1.0f);
    g.setColour (base);
    g.fillRect (area);
    g.setColour (button.findColour (juce::ComboBox::outlineColourId));
    g.drawRect (area, 1.0f);
}

void LookAndFeelCorvanel::drawTickBox (juce::Graphics& g, juce::Component& component, float x, float y, float w, float h,
                                       bool ticked, bool, bool, bool)
{
    const juce::Rectangle<float> box (x, y, w, h);
    g.setColour (component.findColour (juce::ToggleButton::tickDisabledColourId));
    g.drawRect (box, 1.0f);
    if (ticked)
    {
        const auto tick = getTickShape (1.0f);
        const auto target = box.reduced (4.0f, 5.0f);
        g.setColour (component.findColour (juce::ToggleButton::tickColourId));
        g.fillPath (tick, tick.getTransformToScaleToFit (target, false));
    }
}

void LookAndFeelCorvanel::fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor& editor)
{
    if (isInsideAlertWindow (editor))
    {
        g.fillAll (editor.findColour (juce::TextEditor::backgroundColourId));
        g.setColour (editor.findColour (juce::TextEditor::outlineColourId));
        g.fillRect (0, height - 1, width, 1);
        return;
    }
    g.fillAll (findColour (juce::TextEditor::backgroundColourId));
}

void LookAndFeelCorvanel::drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor)
{
    const bool parentDisabled = editor.getParentComponent() != nullptr && ! editor.getParentComponent()->isEnabled();
    if (isInsideAlertWindow (editor) || ! editor.isEnabled() || parentDisabled)
        return;
    const bool focused = hasFocusInside (editor) && ! editor.isReadOnly();
    g.setColour (editor.findColour (focused ? juce::TextEditor::focusedOutlineColourId : juce::TextEditor::outlineColourId));
    g.drawRect (0, 0, width, height, 1);
}

int LookAndFeelCorvanel::getAlertWindowButtonHeight() { return 40; }

//==============================================================================
// Menus

void LookAndFeelCorvanel::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.fillAll (findColour (juce::PopupMenu::backgroundColourId));
    g.setColour (findColour (juce::PopupMenu::textColourId).withAlpha (0.6f));
    g.drawRect (0, 0, width, height, 1);
}

void LookAndFeelCorvanel::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator,
                                             bool isActive, bool isHighlighted, bool isTicked, bool hasSubMenu,
                                             const juce::String& text, const juce::String& shortcutKeyText,
                                             const juce::Drawable*, const juce::Colour*)
{
    if (isSeparator)
    {
        auto r = area.reduced (5, 0);
        r.removeFromTop (juce::roundToInt (static_cast<float> (r.getHeight()) * 0.5f - 0.5f));
        g.setColour (findColour (juce::PopupMenu::textColourId).withAlpha (0.3f));
        g.fillRect (r.removeFromTop (1));
        return;
    }

    auto r = area.reduced (1);
    if (isHighlighted && isActive)
    {
        g.setColour (juce::Colour (0xff646464));
        g.fillRect (r);
    }
    r.reduce (juce::jmin (5, area.getWidth() / 20), 0);

    const auto colour = isTicked ? juce::Colour (0xfff0f0f0) : juce::Colour (0xffa0a0a0);
    const auto font = CorvanelFonts::atPoints (isTicked ? CorvanelFonts::text75 : CorvanelFonts::text55, 10.0f);

    if (hasSubMenu)
    {
        const auto arrowH = 0.6f * getPopupMenuFont().getAscent();
        const auto x = static_cast<float> (r.removeFromRight (static_cast<int> (arrowH)).getX());
        const auto halfH = static_cast<float> (r.getCentreY());
        juce::Path path;
        path.startNewSubPath (x, halfH - arrowH * 0.5f);
        path.lineTo (x + arrowH * 0.6f, halfH);
        path.lineTo (x, halfH + arrowH * 0.5f);
        g.setColour (colour);
        g.strokePath (path, juce::PathStrokeType (2.0f));
    }

    r.reduce (3, 0);
    g.setColour (colour);
    g.setFont (font);
    g.drawFittedText (text, r, juce::Justification::centredLeft, 1);
    if (shortcutKeyText.isNotEmpty())
        g.drawText (shortcutKeyText, r, juce::Justification::centredRight, true);
}

void LookAndFeelCorvanel::getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardHeight,
                                                     int& idealWidth, int& idealHeight)
{
    if (isSeparator)
    {
        idealWidth = 50;
        idealHeight = standardHeight > 0 ? standardHeight / 10 : 10;
        return;
    }
    auto font = getPopupMenuFont();
    if (standardHeight > 0 && font.getHeight() > static_cast<float> (standardHeight) / 1.3f)
        font.setHeight (static_cast<float> (standardHeight) / 1.3f);
    idealHeight = standardHeight > 0 ? standardHeight : juce::roundToInt (font.getHeight() * 1.3f);
    idealWidth = static_cast<int> (std::ceil (font.getStringWidthFloat (text))) + idealHeight * 2;
}

int LookAndFeelCorvanel::getPopupMenuBorderSize() { return 1; }

void LookAndFeelCorvanel::drawMenuBarBackground (juce::Graphics& g, int width, int height, bool, juce::MenuBarComponent& bar)
{
    const auto c = bar.findColour (juce::TextButton::buttonColourId).withAlpha (0.4f);
    g.setColour (c);
    g.fillRect (0, 1, width, height - 2);
    g.setColour (c.contrasting (0.15f));
    g.fillRect (0, 0, width, 1);
    g.fillRect (0, height - 1, width, 1);
}

//==============================================================================
// Tooltips

juce::Rectangle<int> LookAndFeelCorvanel::getTooltipBounds (const juce::String& tipText, juce::Point<int> screenPos,
                                                            juce::Rectangle<int> parentArea)
{
    const auto layout = tooltipLayout (tipText);
    const auto w = static_cast<int> (layout.getWidth() + 14.0f);
    const auto h = static_cast<int> (layout.getHeight() + 6.0f);
    return juce::Rectangle<int> (screenPos.x, screenPos.y + 24, w, h).constrainedWithin (parentArea);
}

void LookAndFeelCorvanel::drawTooltip (juce::Graphics& g, const juce::String& text, int width, int height)
{
    g.setColour (findColour (juce::TooltipWindow::backgroundColourId));
    g.fillRect (0, 0, width, height);
    g.setColour (findColour (juce::TooltipWindow::outlineColourId));
    g.drawRect (juce::Rectangle<float> (0.5f, 0.5f, static_cast<float> (width) - 1.0f, static_cast<float> (height) - 1.0f), 1.0f);

    juce::AttributedString s;
    s.setJustification (juce::Justification::centred);
    s.append (text, juce::Font (10.0f), findColour (juce::TooltipWindow::textColourId));
    juce::TextLayout layout;
    layout.createLayoutWithBalancedLineLengths (s, 400.0f);
    layout.draw (g, juce::Rectangle<float> (static_cast<float> (width), static_cast<float> (height)));
}

//==============================================================================
// Windows

void LookAndFeelCorvanel::drawCornerResizer (juce::Graphics& g, int w, int h, bool, bool)
{
    const auto fw = static_cast<float> (w), fh = static_cast<float> (h);
    const auto thickness = juce::jmin (fw, fh * 0.05f);
    g.setColour (juce::Colour (0xff555555));
    for (float i = 0.0f; i < 1.0f; i += 0.3f)
        g.drawLine (fw * i, fh + 1.0f, fw + 1.0f, fh * i, thickness);
}

void LookAndFeelCorvanel::drawDocumentWindowTitleBar (juce::DocumentWindow& window, juce::Graphics& g, int w, int h,
                                                      int titleSpaceX, int titleSpaceW, const juce::Image* icon,
                                                      bool drawTitleTextOnLeft)
{
    if (w * h == 0)
        return;

    const bool isActive = window.isActiveWindow();
    g.setColour (window.findColour (juce::DocumentWindow::backgroundColourId));
    g.fillAll();

    juce::Font font (static_cast<float> (h) * 0.65f, juce::Font::plain);
    g.setFont (font);

    int textW = font.getStringWidth (window.getName());
    int iconW = 0, iconH = 0;
    if (icon != nullptr)
    {
        iconH = static_cast<int> (font.getHeight());
        iconW = icon->getWidth() * iconH / icon->getHeight() + 4;
    }
    textW = juce::jmin (titleSpaceW, textW + iconW);
    int textX = drawTitleTextOnLeft ? titleSpaceX : juce::jmax (titleSpaceX, (w - textW) / 2);
    if (textX + textW > titleSpaceX + titleSpaceW)
        textX = titleSpaceX + titleSpaceW - textW;

    if (icon != nullptr)
    {
        g.setOpacity (isActive ? 1.0f : 0.6f);
        g.drawImageWithin (*icon, textX, (h - iconH) / 2, iconW, iconH, juce::RectanglePlacement::centred, false);
        textX += iconW;
        textW -= iconW;
    }

    g.setColour (juce::Colour (0xff1e1e1e));   // the title is always dark on the bar
    g.drawText (window.getName(), textX, 0, textW, h, juce::Justification::centredLeft, true);
}

juce::Button* LookAndFeelCorvanel::createDocumentWindowButton (int buttonType)
{
    const juce::Colour colour (0xff1e1e1e);
    juce::Path shape;
    const float thickness = 0.15f;

    if (buttonType == juce::DocumentWindow::closeButton)
    {
        shape.addLineSegment ({ 0.0f, 0.0f, 1.0f, 1.0f }, thickness);
        shape.addLineSegment ({ 1.0f, 0.0f, 0.0f, 1.0f }, thickness);
        return new LookAndFeelCorvanel_DocumentWindowButton ("close", colour, shape, shape);
    }
    if (buttonType == juce::DocumentWindow::minimiseButton)
    {
        shape.addLineSegment ({ 0.0f, 0.5f, 1.0f, 0.5f }, thickness);
        return new LookAndFeelCorvanel_DocumentWindowButton ("minimise", colour, shape, shape);
    }
    if (buttonType == juce::DocumentWindow::maximiseButton)
    {
        shape.addLineSegment ({ 0.5f, 0.0f, 0.5f, 1.0f }, thickness);
        shape.addLineSegment ({ 0.0f, 0.5f, 1.0f, 0.5f }, thickness);

        juce::Path outline;
        outline.startNewSubPath (45.0f, 100.0f);
        outline.lineTo (0.0f, 100.0f);
        outline.lineTo (0.0f, 0.0f);
        outline.lineTo (100.0f, 0.0f);
        outline.lineTo (100.0f, 45.0f);
        outline.addRectangle (45.0f, 45.0f, 100.0f, 100.0f);
        juce::Path toggled;
        juce::PathStrokeType (30.0f).createStrokedPath (toggled, outline);
        return new LookAndFeelCorvanel_DocumentWindowButton ("maximise", colour, shape, toggled);
    }
    return nullptr;
}

//==============================================================================
// Framework tab bars

int LookAndFeelCorvanel::getTabButtonOverlap (int) { return 1; }

void LookAndFeelCorvanel::drawTabButton (juce::TabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown)
{
    auto area = button.getActiveArea();
    area.removeFromLeft (4);
    area.removeFromRight (4);
    area.removeFromTop (3);
    if (button.isFrontTab())
    {
        g.setColour (button.getTabBackgroundColour());
        g.fillRect (area);
    }
    auto font = CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f);
    if (button.isFrontTab())
        font = font.boldened();
    font.setUnderline (button.hasKeyboardFocus (false));
    drawFrameworkTabText (button, g, frameworkTabTextColour (button, *this, isMouseOver, isMouseDown, false), font, false);
}

void LookAndFeelCorvanel::drawTabButtonText (juce::TabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown)
{
    auto font = CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f);
    font.setUnderline (button.hasKeyboardFocus (false));
    drawFrameworkTabText (button, g, frameworkTabTextColour (button, *this, isMouseOver, isMouseDown, true), font, true);
}

void LookAndFeelCorvanel::drawTabAreaBehindFrontButton (juce::TabbedButtonBar&, juce::Graphics&, int, int) {}

//==============================================================================
// Table headers, call-outs, toolbars, resizer bars

void LookAndFeelCorvanel::drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent& header)
{
    g.setColour (header.findColour (juce::TableHeaderComponent::outlineColourId));
    int x = 0;
    for (int i = 0; i < header.getNumColumns (true); ++i)
    {
        const auto w = header.getColumnWidth (header.getColumnIdOfIndex (i, true));
        x += w;
        const int lineW = juce::jmin (2, w);
        g.fillRect (x - lineW, 4, lineW, header.getHeight() - 8);
    }
}

void LookAndFeelCorvanel::drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent&, const juce::String& columnName,
                                                 int, int width, int height, bool, bool, int columnFlags)
{
    auto area = juce::Rectangle<int> (width, height).reduced (4, 0);

    if ((columnFlags & (juce::TableHeaderComponent::sortedForwards | juce::TableHeaderComponent::sortedBackwards)) != 0)
    {
        juce::Path arrow;
        const bool forwards = (columnFlags & juce::TableHeaderComponent::sortedForwards) != 0;
        arrow.addTriangle (0.0f, 0.0f, 0.5f, forwards ? -0.8f : 0.8f, 1.0f, 0.0f);
        g.setColour (juce::Colour (0x99000000));
        g.fillPath (arrow, arrow.getTransformToScaleToFit (area.removeFromRight (height / 2).reduced (2).toFloat(), true));
    }

    g.setColour (juce::Colour (0xff656565));
    g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f));
    g.drawFittedText (columnName, area, juce::Justification::centredLeft, 1);
}

void LookAndFeelCorvanel::drawCallOutBoxBackground (juce::CallOutBox& box, juce::Graphics& g, const juce::Path& path,
                                                    juce::Image& cachedImage)
{
    if (cachedImage.isNull())
    {
        cachedImage = juce::Image (juce::Image::ARGB, juce::jmax (1, box.getWidth()), juce::jmax (1, box.getHeight()), true);
        juce::Graphics shadowGraphics (cachedImage);
        juce::DropShadow (juce::Colours::black.withAlpha (0.7f), 8, { 0, 2 }).drawForPath (shadowGraphics, path);
    }
    g.setColour (juce::Colours::black);
    g.drawImageAt (cachedImage, 0, 0);
    g.setColour (colourScheme.getUIColour (UI::widgetBackground).withAlpha (0.8f));
    g.fillPath (path);
    g.setColour (colourScheme.getUIColour (UI::outline).withAlpha (0.8f));
    g.strokePath (path, juce::PathStrokeType (2.0f));
}

void LookAndFeelCorvanel::paintToolbarBackground (juce::Graphics& g, int, int, juce::Toolbar& toolbar)
{
    g.setColour (toolbar.findColour (juce::Toolbar::backgroundColourId));
    g.fillRect (g.getClipBounds());
}

void LookAndFeelCorvanel::drawStretchableLayoutResizerBar (juce::Graphics& g, int w, int h, bool isVerticalBar,
                                                           bool isMouseOver, bool isMouseDragging)
{
    g.setColour (juce::Colour (0xff2b2b2b));
    if (isVerticalBar)
        g.fillRect (w / 2 - 1, 0, 2, h);
    else
        g.fillRect (8, 1, w - 16, h - 2);

    const juce::Rectangle<int> grip ((w - 6) / 2, (h - 34) / 2, 6, 34);
    g.fillRect (grip);
    g.setColour ((isMouseOver || isMouseDragging) ? juce::Colour (0xff646464) : juce::Colour (0xff2b2b2b));
    g.fillRect (grip.reduced (1));
}
