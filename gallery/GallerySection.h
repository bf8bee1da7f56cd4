#pragma once

#include "ui/widgets/Panel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <vector>

// The gallery's content, collected from the files in sections/. To show a new
// widget, add a file there with a static GallerySection::Registrar; nothing
// else needs to change.
namespace gallery
{
// One line of the gallery. A per-hue row calls make once for every hue 0 .. 16
// and shows the results side by side, each inside a panel of that hue; a wide
// row calls make once (hue -1) and gives it the whole width.
struct GalleryRow
{
    juce::String name;
    int height = 28;
    std::function<std::unique_ptr<juce::Component> (int hue)> make;
    bool wide = false;
};

struct GallerySection
{
    juce::String title;
    int order = 0;   // sections are shown by ascending order
    std::vector<GalleryRow> rows;

    struct Registrar
    {
        explicit Registrar (GallerySection section);
    };
};

// A component with a small caption above it. afterLayout, when given, runs after
// every layout (graphs fit their shape to their size only then).
class Captioned : public juce::Component
{
public:
    Captioned (juce::String text, std::unique_ptr<juce::Component> content, std::function<void()> afterLayout = {});
    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    juce::String caption;
    std::unique_ptr<juce::Component> content;
    std::function<void()> afterLayout;
};

std::unique_ptr<juce::Component> captioned (juce::String text, std::unique_ptr<juce::Component> content);

// Every registered section, sorted by order.
std::vector<GallerySection> registeredSections();

// Lays the given components out side by side with a gap, each as wide as
// asked (0: share what is left equally), vertically filling the strip. A
// panel, so the cell's hue reaches the components.
class Strip : public corvanel::Panel
{
public:
    Strip& add (std::unique_ptr<juce::Component> component, int width = 0);
    void resized() override;

private:
    std::vector<std::pair<std::unique_ptr<juce::Component>, int>> items;
};
} // namespace gallery
