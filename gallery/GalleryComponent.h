#pragma once

#include "GallerySection.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

namespace gallery
{
// Every registered section: a heading line, then its rows; a per-hue row shows
// one cell per hue under the hue's swatch in the top line.
class GalleryComponent : public juce::Component
{
public:
    static constexpr int nameWidth = 150;
    static constexpr int cellWidth = 108;
    static constexpr int cellGap = 4;
    static constexpr int numHues = 17;

    GalleryComponent();

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    struct PlacedRow
    {
        juce::String name;
        int y = 0;
        int height = 0;
        bool isHeading = false;
        std::vector<std::unique_ptr<juce::Component>> cells;
        bool wide = false;
    };

    std::vector<PlacedRow> rows;
};
} // namespace gallery
