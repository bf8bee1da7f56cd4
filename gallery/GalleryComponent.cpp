#include "GalleryComponent.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/Panel.h"

namespace gallery
{
namespace
{
constexpr int swatchHeight = 34;
constexpr int headingHeight = 26;
constexpr int rowGap = 6;
constexpr int margin = 8;

// One widget in a panel of one hue; the panel hands the hue to the widget.
struct Cell : corvanel::Panel
{
    void resized() override
    {
        if (widget != nullptr)
            widget->setBounds (getLocalBounds());
    }

    std::unique_ptr<juce::Component> widget;
};
} // namespace

GalleryComponent::GalleryComponent()
{
    int y = margin + swatchHeight + rowGap;

    for (const auto& section : registeredSections())
    {
        PlacedRow heading;
        heading.name = section.title;
        heading.y = y;
        heading.height = headingHeight;
        heading.isHeading = true;
        rows.push_back (std::move (heading));
        y += headingHeight + rowGap;

        for (const auto& row : section.rows)
        {
            PlacedRow placed;
            placed.name = row.name;
            placed.y = y;
            placed.height = row.height;
            placed.wide = row.wide;

            const auto count = row.wide ? 1 : numHues;
            for (int i = 0; i < count; ++i)
            {
                const auto hue = row.wide ? -1 : i;
                auto cell = std::make_unique<Cell>();
                cell->widget = row.make (hue);
                if (cell->widget != nullptr)
                    cell->addAndMakeVisible (*cell->widget);
                if (hue >= 0)
                    cell->setHue (hue);
                addAndMakeVisible (*cell);
                placed.cells.push_back (std::move (cell));
            }

            rows.push_back (std::move (placed));
            y += row.height + rowGap;
        }
    }

    setSize (margin * 2 + nameWidth + numHues * (cellWidth + cellGap), y + margin);
}

void GalleryComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));

    auto* lf = dynamic_cast<LookAndFeelCorvanel*> (&getLookAndFeel());

    // Hue swatches: the four shades of every palette entry with its number.
    for (int hue = 0; hue < numHues; ++hue)
    {
        const auto x = margin + nameWidth + hue * (cellWidth + cellGap);
        if (lf != nullptr)
        {
            const auto& shades = lf->getHueColours (hue);
            const juce::Colour colours[] { shades.bright, shades.mid, shades.dark, shades.darkest };
            for (int i = 0; i < 4; ++i)
            {
                g.setColour (colours[i]);
                g.fillRect (x + i * cellWidth / 4, margin + 16, cellWidth / 4, swatchHeight - 16);
            }
        }
        g.setColour (juce::Colour (0xFFF0F0F0));
        g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f));
        g.drawText ("Hue " + juce::String (hue), x, margin, cellWidth, 14, juce::Justification::centredLeft);
    }

    for (const auto& row : rows)
    {
        if (row.isHeading)
        {
            g.setColour (juce::Colour (0xFF2B2B2B));
            g.fillRect (margin, row.y, getWidth() - 2 * margin, row.height);
            g.setColour (juce::Colour (0xFFF0F0F0));
            g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text65, 12.0f));
            g.drawText (row.name, margin + 6, row.y, getWidth(), row.height, juce::Justification::centredLeft);
        }
        else
        {
            g.setColour (juce::Colour (0xFFA0A0A0));
            g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
            g.drawFittedText (row.name, margin, row.y, nameWidth - 6, row.height, juce::Justification::centredLeft, 3, 1.0f);
        }
    }
}

void GalleryComponent::resized()
{
    for (auto& row : rows)
    {
        for (size_t i = 0; i < row.cells.size(); ++i)
        {
            auto& cell = *row.cells[i];
            const auto x = margin + nameWidth + static_cast<int> (i) * (cellWidth + cellGap);
            const auto width = row.wide ? getWidth() - x - margin : cellWidth;
            cell.setBounds (x, row.y, width, row.height);
        }
    }
}
} // namespace gallery
