#pragma once

#include "ui/lookandfeel/HuePalette.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/CustomTabButtons.h"
#include "ui/widgets/StaticPanel.h"
#include "ui/widgets/knobs/BaseKnob.h"
#include "ui/widgets/knobs/FadeSlider.h"
#include "ui/widgets/combobox/CustomComboBox.h"
#include "ui/widgets/modal/CustomCallOutBox.h"
#include "ui/widgets/tabs/MyTabbedButtonBar.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// The single look and feel of the GUI: flat fills, square corners, 1-pixel
// outlines on a near-black ground. Hands out the hue palette (HuePalette.h),
// holds the colour scheme and the colour table, resolves every font to the built-in faces, and
// implements the drawing interfaces of the program's own widgets.
// Message thread only.
class LookAndFeelCorvanel : public juce::LookAndFeel_V4,
                            public ActionButton::LookAndFeelMethods,
                            public FontButton::LookAndFeelMethods,
                            public CustomTabButton::LookAndFeelMethods,
                            public CustomSectionTabButton::LookAndFeelMethods,
                            public CustomCallOutBox::LookAndFeelMethods,
                            public BaseKnob::LookAndFeelMethods,
                            public FadeSlider::LookAndFeelMethods,
                            public Corvanel::StaticPanel::LookAndFeelMethods,
                            public MyTabbedButtonBar::LookAndFeelMethods,
                            public juce::CustomComboBox::LookAndFeelMethods
{
public:
    static constexpr int numHues = HuePalette::numHues;

    LookAndFeelCorvanel();
    ~LookAndFeelCorvanel() override;

    // The palette entry of a hue 0 .. 16; any other value (negative ones
    // included) gives entry 15, which is fully transparent.
    const HueColours& getHueColours (int hue) const { return HuePalette::shades (hue); }

    const juce::LookAndFeel_V4::ColourScheme& getCorvanelColourScheme() const { return colourScheme; }
    float getStandardTextSize() const { return standardTextSize; }

    // Fonts
    juce::Typeface::Ptr getTypefaceForFont (const juce::Font& font) override;
    juce::Font getAlertWindowTitleFont() override;
    juce::Font getAlertWindowMessageFont() override;
    juce::Font getAlertWindowFont() override;
    juce::Font getPopupMenuFont() override;
    juce::Font getMenuBarFont (juce::MenuBarComponent&, int itemIndex, const juce::String& itemText) override;
    juce::Font getComboBoxFont (juce::ComboBox&) override;

    // Drawing interfaces of the program's widgets
    void drawActionButton (juce::Graphics& g, ActionButton& button, bool isHighlighted, bool isDown) override;
    void drawCustomTabButton (juce::Graphics& g, CustomTabButton& button, bool isHighlighted, bool isDown) override;
    void drawCustomSectionTabButton (juce::Graphics& g, CustomSectionTabButton& button, bool isHighlighted,
                                     bool isDown) override;
    void drawStaticPanel (juce::Graphics& g, Corvanel::StaticPanel& panel, bool isMouseOver) override;

    // Knobs, the fade slider and the linear (vertical) sliders: KnobDrawing.cpp
    void drawKnobBody (juce::Graphics& g, BaseKnob& knob, bool isMouseOver, bool isMouseButtonDown) override;
    void drawUnipolarValueArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver, bool isMouseButtonDown) override;
    void drawBipolarValueArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver, bool isMouseButtonDown) override;
    void drawModulationAmountArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver) override;
    void drawModulationRangeArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver) override;
    void drawFadeSlider (juce::Graphics& g, FadeSlider& slider, bool isMouseOver, bool isMouseButtonDown) override;
    void drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos, float minSliderPos,
                           float maxSliderPos, juce::Slider::SliderStyle style, juce::Slider& slider) override;

    // Framework widgets
    juce::Path getTickShape (float height) override;
    juce::Path getCrossShape (float height) override;
    int getDefaultScrollbarWidth() override;
    void drawScrollbar (juce::Graphics& g, juce::ScrollBar& bar, int x, int y, int width, int height, bool isVertical,
                        int thumbStart, int thumbSize, bool isMouseOver, bool isMouseDown) override;
    void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& background, bool isHighlighted,
                               bool isDown) override;
    void drawTickBox (juce::Graphics& g, juce::Component& component, float x, float y, float w, float h, bool ticked,
                      bool isEnabled, bool isHighlighted, bool isDown) override;
    void fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
    void drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
    int getAlertWindowButtonHeight() override;
    void drawPopupMenuBackground (juce::Graphics& g, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;
    void getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardHeight, int& idealWidth,
                                    int& idealHeight) override;
    int getPopupMenuBorderSize() override;
    void drawMenuBarBackground (juce::Graphics& g, int width, int height, bool isMouseOverBar,
                                juce::MenuBarComponent& bar) override;
    juce::Rectangle<int> getTooltipBounds (const juce::String& tipText, juce::Point<int> screenPos,
                                           juce::Rectangle<int> parentArea) override;
    void drawTooltip (juce::Graphics& g, const juce::String& text, int width, int height) override;
    void drawCornerResizer (juce::Graphics& g, int w, int h, bool isMouseOver, bool isMouseDragging) override;
    void drawDocumentWindowTitleBar (juce::DocumentWindow& window, juce::Graphics& g, int w, int h, int titleSpaceX,
                                     int titleSpaceW, const juce::Image* icon, bool drawTitleTextOnLeft) override;
    juce::Button* createDocumentWindowButton (int buttonType) override;
    int getTabButtonOverlap (int depth) override;
    void drawTabButton (juce::TabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown) override;
    void drawTabButtonText (juce::TabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown) override;
    void drawTabAreaBehindFrontButton (juce::TabbedButtonBar& bar, juce::Graphics& g, int w, int h) override;
    void drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent& header) override;
    void drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent& header, const juce::String& columnName,
                                int columnId, int width, int height, bool isMouseOver, bool isMouseDown,
                                int columnFlags) override;
    void drawCallOutBoxBackground (juce::CallOutBox& box, juce::Graphics& g, const juce::Path& path,
                                   juce::Image& cachedImage) override;
    void paintToolbarBackground (juce::Graphics& g, int width, int height, juce::Toolbar& toolbar) override;
    void drawStretchableLayoutResizerBar (juce::Graphics& g, int w, int h, bool isVerticalBar, bool isMouseOver,
                                          bool isMouseDragging) override;

    // Alert windows: LookAndFeelCorvanelAlerts.cpp
    void drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                       juce::TextLayout& textLayout) override;

    // Menu bar items, concertina headers, progress bars: LookAndFeelCorvanelHeadersAndBars.cpp
    void drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex, const juce::String& itemText,
                          bool isMouseOverItem, bool isMenuOpen, bool isMouseOverBar,
                          juce::MenuBarComponent& menuBar) override;
    void drawConcertinaPanelHeader (juce::Graphics& g, const juce::Rectangle<int>& area, bool isMouseOver,
                                    bool isMouseDown, juce::ConcertinaPanel& concertina, juce::Component& panel) override;
    void drawProgressBar (juce::Graphics& g, juce::ProgressBar& progressBar, int width, int height, double progress,
                          const juce::String& textToShow) override;

    // Slider buttons and text boxes: LookAndFeelCorvanelSliderParts.cpp
    juce::Button* createSliderButton (juce::Slider& slider, bool isIncrement) override;
    juce::Label* createSliderTextBox (juce::Slider& slider) override;

    // File browsers: LookAndFeelCorvanelFileBrowser.cpp
    juce::Button* createFileBrowserGoUpButton() override;
    void layoutFileBrowserComponent (juce::FileBrowserComponent& browser, juce::DirectoryContentsDisplayComponent* fileList,
                                     juce::FilePreviewComponent* preview, juce::ComboBox* currentPathBox,
                                     juce::TextEditor* filenameBox, juce::Button* goUpButton) override;
    void drawFileBrowserRow (juce::Graphics& g, int width, int height, const juce::File& file,
                             const juce::String& filename, juce::Image* icon, const juce::String& fileSizeDescription,
                             const juce::String& fileTimeDescription, bool isDirectory, bool isItemSelected,
                             int itemIndex, juce::DirectoryContentsDisplayComponent& list) override;

    // Call-out boxes
    void drawCustomCallOutBoxBackground (CustomCallOutBox& box, juce::Graphics& g, const juce::Path& outline,
                                         juce::Image& cachedBackground) override;
    int getCustomCallOutBoxBorderSize (const CustomCallOutBox& box) override;

    // Combo boxes, the framework's and the program's own
    void drawComboBox (juce::Graphics& g, int width, int height, bool isButtonDown, int buttonX, int buttonY,
                       int buttonW, int buttonH, juce::ComboBox& box) override;
    void positionComboBoxText (juce::ComboBox& box, juce::Label& label) override;
    void drawCustomComboBox (juce::Graphics& g, int width, int height, bool isButtonDown, int buttonX, int buttonY,
                             int buttonW, int buttonH, juce::CustomComboBox& box) override;
    juce::Font getCustomComboBoxFont (juce::CustomComboBox& box) override;
    juce::Label* createCustomComboBoxTextBox (juce::CustomComboBox& box) override;
    void positionCustomComboBoxText (juce::CustomComboBox& box, juce::Label& label) override;

    // The program's own tab bar (the framework tab bar's operations of the
    // same names stay visible next to them)
    using juce::LookAndFeel_V4::getTabButtonSpaceAroundImage;
    using juce::LookAndFeel_V4::getTabButtonBestWidth;
    using juce::LookAndFeel_V4::getTabButtonExtraComponentBounds;
    using juce::LookAndFeel_V4::drawTabbedButtonBarBackground;
    using juce::LookAndFeel_V4::createTabButtonShape;
    using juce::LookAndFeel_V4::fillTabButtonShape;
    using juce::LookAndFeel_V4::createTabBarExtrasButton;
    int getTabButtonSpaceAroundImage (MyTabbedButtonBar& bar) override;
    int getTabButtonOverlap (MyTabbedButtonBar& bar, int depth) override;
    int getTabButtonBestWidth (MyTabBarButton& button, int depth) override;
    juce::Rectangle<int> getTabButtonExtraComponentBounds (const MyTabBarButton& button, juce::Rectangle<int>& textArea,
                                                           juce::Component& extraComp) override;
    void drawTabButton (MyTabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown) override;
    void drawTabButtonText (MyTabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown) override;
    void drawTabbedButtonBarBackground (MyTabbedButtonBar& bar, juce::Graphics& g) override;
    void drawTabAreaBehindFrontButton (MyTabbedButtonBar& bar, juce::Graphics& g, int w, int h) override;
    void createTabButtonShape (MyTabBarButton& button, juce::Path& path, bool isMouseOver, bool isMouseDown) override;
    void fillTabButtonShape (MyTabBarButton& button, juce::Graphics& g, const juce::Path& path, bool isMouseOver,
                             bool isMouseDown) override;
    juce::Button* createTabBarExtrasButton (MyTabbedButtonBar& bar) override;

    // Shared drawing operations, called by widgets that find this look and feel.
    void drawPlainLabel (juce::Graphics& g, juce::Label& label, juce::Colour background, juce::Colour textColour);
    void drawFontButton (juce::Graphics& g, FontButton& button, bool isHighlighted, bool isDown, int backgroundColourId,
                         int textColourId) override;
    void fillButtonRect (juce::Graphics& g, juce::Rectangle<int> area, juce::Colour colour, bool isHighlighted,
                         bool isDown);
    void drawButtonText (juce::Graphics& g, juce::Button& button, const juce::Font& font, juce::Colour colour,
                         bool isHighlighted, bool isDown, juce::Justification justification);

    // Colour helpers shared by the widget drawings: every channel moved 2/7 of
    // the way to white (lighten) or to black (darken), alpha kept.
    static juce::Colour lighten (juce::Colour c) { return c.brighter (0.4f); }
    static juce::Colour darken (juce::Colour c) { return c.darker (0.4f); }

private:
    void makeColourScheme();
    void initialiseColours();

    float standardTextSize = 10.0f;
    juce::LookAndFeel_V4::ColourScheme colourScheme { juce::LookAndFeel_V4::getDarkColourScheme() };
};

// The program's look and feel when it is the given component's, else null.
inline LookAndFeelCorvanel* findLookAndFeelCorvanel (juce::Component& component)
{
    return dynamic_cast<LookAndFeelCorvanel*> (&component.getLookAndFeel());
}
