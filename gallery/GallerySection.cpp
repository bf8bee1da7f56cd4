#include "GallerySection.h"

#include "ui/lookandfeel/CorvanelFonts.h"

#include <algorithm>

namespace gallery
{
namespace
{
std::vector<GallerySection>& registry()
{
    static std::vector<GallerySection> sections;
    return sections;
}
} // namespace

GallerySection::Registrar::Registrar (GallerySection section)
{
    registry().push_back (std::move (section));
}

std::vector<GallerySection> registeredSections()
{
    auto sections = registry();
    std::stable_sort (sections.begin(), sections.end(), [] (const auto& a, const auto& b) { return a.order < b.order; });
    return sections;
}

Strip& Strip::add (std::unique_ptr<juce::Component> component, int width)
{
    addAndMakeVisible (*component);
    items.emplace_back (std::move (component), width);
    return *this;
}

void Strip::resized()
{
    constexpr int gap = 4;
    int fixed = 0, flexible = 0;
    for (const auto& [component, width] : items)
    {
        fixed += width;
        flexible += width == 0 ? 1 : 0;
    }

    const auto room = getWidth() - fixed - gap * juce::jmax (0, static_cast<int> (items.size()) - 1);
    const auto share = flexible > 0 ? juce::jmax (0, room / flexible) : 0;

    int x = 0;
    for (auto& [component, width] : items)
    {
        const auto w = width > 0 ? width : share;
        component->setBounds (x, 0, w, getHeight());
        x += w + gap;
    }
}

namespace
{
constexpr int captionHeight = 13;
}

Captioned::Captioned (juce::String text, std::unique_ptr<juce::Component> c, std::function<void()> after)
    : caption (std::move (text)), content (std::move (c)), afterLayout (std::move (after))
{
    addAndMakeVisible (*content);
}

void Captioned::resized()
{
    content->setBounds (getLocalBounds().withTrimmedTop (captionHeight));
    if (afterLayout)
        afterLayout();
}

void Captioned::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xFFB4B4B4));
    g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 9.0f));
    g.drawText (caption, 2, 0, getWidth() - 4, captionHeight, juce::Justification::centredLeft, true);
}

std::unique_ptr<juce::Component> captioned (juce::String text, std::unique_ptr<juce::Component> content)
{
    return std::make_unique<Captioned> (std::move (text), std::move (content));
}
} // namespace gallery
