#include "ui/widgets/selectors/TagButtons.h"

#include "model/tables/MachineTables.h"
#include "ui/widgets/HueChildren.h"

juce::StringArray tagNamesFromMask (std::uint32_t mask)
{
    return soundTagNamesOfMask (mask);
}

TagButtons::TagButtons()
{
    for (int i = 0; i < numTags; ++i)
    {
        auto button = std::make_unique<ColorfulActionButton> (soundTagNames[i], juce::String());
        button->setClickingTogglesState (true);
        button->setComponentID ({});
        button->setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight
                                   | juce::Button::ConnectedOnTop | juce::Button::ConnectedOnBottom);
        button->addListener (this);
        button->setTooltip (TRANS ("List sounds tagged with this description. Click to activate/deactivate."));
        button->setHue (HasHue::defaultHue);
        button->setOpaque (true);
        addAndMakeVisible (*button);
        buttons.push_back (std::move (button));
    }
    setOpaque (true);
}

TagButtons::~TagButtons() = default;

void TagButtons::setSelectedTags (std::uint32_t mask)
{
    tagMask = mask;
    for (int i = 0; i < numTags; ++i)
        buttons[static_cast<std::size_t> (i)]->setToggleState ((mask >> i) & 1u, juce::dontSendNotification);
}

void TagButtons::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff1e1e1e));
}

void TagButtons::resized()
{
    const int columns = wideLayout ? 8 : 4;
    const int rows = numTags / columns;
    const int cellWidth = juce::roundToInt ((float) getWidth() / (float) columns) - 2;
    const int cellHeight = juce::roundToInt ((float) getHeight() / (float) rows) - 2;

    int y = 0;
    int heightLeft = getHeight();
    for (int row = 0; row < rows; ++row)
    {
        const int rowHeight = juce::jmin (heightLeft, cellHeight);
        const int top = juce::jmin (rowHeight, 2);
        int x = 0;
        int widthLeft = getWidth();
        for (int column = 0; column < columns; ++column)
        {
            const int w = juce::jmax (0, juce::jmin (widthLeft, cellWidth));
            buttons[static_cast<std::size_t> (row * columns + column)]->setBounds (x, y + top, w, juce::jmax (0, rowHeight - top));
            widthLeft -= w;
            const int gap = juce::jmax (0, juce::jmin (widthLeft, 2));
            widthLeft -= gap;
            x += w + gap;
        }
        y += juce::jmax (0, rowHeight);
        heightLeft -= juce::jmax (0, rowHeight);
    }
}

void TagButtons::buttonClicked (juce::Button*)
{
    std::uint32_t mask = 0;
    for (int i = 0; i < numTags; ++i)
        if (buttons[static_cast<std::size_t> (i)]->getToggleState())
            mask |= 1u << i;
    tagMask = mask;
    sendChangeMessage ({});
}

void TagButtons::setHue (int newHue)
{
    HasHue::setHue (newHue);
    passHueToChildren (*this, newHue);
}
