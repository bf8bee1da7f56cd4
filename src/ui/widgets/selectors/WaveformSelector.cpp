#include "ui/widgets/selectors/WaveformSelector.h"

#include "ui/lookandfeel/CorvanelFonts.h"

#include <algorithm>

WaveformSelector::WaveformSelector() = default;

WaveformSelector::~WaveformSelector()
{
    for (auto& button : buttons)
        button->removeListener (this);
}

void WaveformSelector::addButton (const juce::String& glyph)
{
    auto button = std::make_unique<ColourfulFontButton> (glyph, [] (int size) { return getFontCorvanel (static_cast<float> (size)); });
    button->setClickingTogglesState (true);
    button->setRadioGroupId (1);
    button->addListener (this);
    addAndMakeVisible (*button);
    buttons.push_back (std::move (button));
}

void WaveformSelector::setSelectedIndex (int index)
{
    if (index < 0 || index >= getNumButtons())
        return;
    selectedIndex = index;
    buttons[static_cast<size_t> (index)]->setToggleState (true, juce::dontSendNotification);
}

void WaveformSelector::buttonClicked (juce::Button* clicked)
{
    // The button that goes out reports too, before the clicked one: only the lit one counts.
    if (! clicked->getToggleState())
        return;
    const auto found = std::find_if (buttons.begin(), buttons.end(), [clicked] (const auto& b) { return b.get() == clicked; });
    if (found == buttons.end())
        return;
    selectedIndex = static_cast<int> (found - buttons.begin());
    sendChangeMessage();
}

void WaveformSelector::resized()
{
    const int n = getNumButtons();
    if (n == 0)
        return;
    const int rows = (n + 1) / 2;
    const int rowHeight = getHeight() / rows;
    const int width = getWidth();

    int y = 0;
    for (int row = 0; row < rows; ++row)
    {
        const int h = std::min (getHeight() - y, rowHeight);
        int x = 0;
        for (int i = 2 * row; i < std::min (n, 2 * row + 2); ++i)
        {
            const int w = std::min (width - x, width / 2);
            buttons[static_cast<size_t> (i)]->setBounds (x + 1, y + 1, std::max (0, w - 2), std::max (0, h - 2));
            x += w;
        }
        y += h;
    }
}

void WaveformSelector::setHue (int newHue)
{
    HasHue::setHue (newHue);
    for (auto& button : buttons)
        button->setHue (newHue);
}
