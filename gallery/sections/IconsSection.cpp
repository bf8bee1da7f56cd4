#include "GallerySection.h"

#include "resources/fonts/FontCorvanelGlyphs.h"
#include "resources/icons/IconPaths.h"
#include "resources/pictures/MakerLogo.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/LogoPart.h"

namespace gallery
{
namespace
{
// Every glyph of the program's icon font with its character and meaning.
class GlyphCatalogue : public juce::Component
{
public:
    static constexpr int columns = 12;
    static constexpr int rowHeight = 56;

    static int heightFor (size_t glyphs) { return static_cast<int> ((glyphs + columns - 1) / columns) * rowHeight; }

    void paint (juce::Graphics& g) override
    {
        const auto& catalogue = FontCorvanelGlyphs::catalogue();
        const auto cellWidth = getWidth() / columns;

        for (size_t i = 0; i < catalogue.size(); ++i)
        {
            const auto x = static_cast<int> (i % columns) * cellWidth;
            const auto y = static_cast<int> (i / columns) * rowHeight;
            const auto& glyph = catalogue[i];

            g.setColour (juce::Colour (0xFF2B2B2B));
            g.fillRect (x + 2, y + 2, cellWidth - 4, rowHeight - 4);
            g.setColour (juce::Colour (0xFFF0F0F0));
            g.setFont (getFontCorvanel (28.0f));
            g.drawText (juce::String::charToString (glyph.character), x + 4, y + 6, 32, 32, juce::Justification::centred);
            g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f));
            g.drawText ("\"" + juce::String::charToString (glyph.character) + "\"", x + 40, y + 6, cellWidth - 44, 14,
                        juce::Justification::centredLeft);
            g.setColour (juce::Colour (0xFFA0A0A0));
            g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 9.0f));
            g.drawFittedText (glyph.meaning, x + 40, y + 20, cellWidth - 44, 30, juce::Justification::topLeft, 3, 1.0f);
        }
    }
};

// The random LFO waveform icon fitted to the cell in the hue's bright shade.
class RandomWaveformIcon : public juce::Component, public HasHue
{
public:
    void paint (juce::Graphics& g) override
    {
        auto* lf = dynamic_cast<LookAndFeelCorvanel*> (&getLookAndFeel());
        if (lf == nullptr)
            return;

        auto path = IconPaths::randomWaveform();
        const auto area = getLocalBounds().toFloat().reduced (6.0f, 4.0f);
        path.applyTransform (path.getTransformToScaleToFit (area, false));
        g.setColour (lf->getHueColours (hue).bright);
        g.strokePath (path, juce::PathStrokeType (2.0f));
    }
};

const GallerySection::Registrar icons { GallerySection {
    "Icons, logo and fonts",
    40,
    {
        { "Random waveform icon", 30, [] (int) { return std::unique_ptr<juce::Component> (std::make_unique<RandomWaveformIcon>()); } },
        { "LogoPart", 38, [] (int) {
              auto logo = std::make_unique<LogoPart>();
              logo->logo = MakerLogo::createDrawable();
              logo->deviceName = "Kolvane";
              return std::unique_ptr<juce::Component> (std::move (logo));
          }, true },
        { "Text faces", 40, [] (int) {
              struct Faces : juce::Component
              {
                  void paint (juce::Graphics& g) override
                  {
                      int x = 0;
                      for (auto* name : { CorvanelFonts::text45, CorvanelFonts::text55, CorvanelFonts::text56,
                                          CorvanelFonts::text65, CorvanelFonts::text66, CorvanelFonts::text75 })
                      {
                          g.setColour (juce::Colour (0xFFF0F0F0));
                          g.setFont (CorvanelFonts::atPoints (name, 14.0f));
                          g.drawText (juce::String (name) + " Aa 0123", x, 0, 300, getHeight(), juce::Justification::centredLeft);
                          x += 310;
                      }
                  }
              };
              return std::unique_ptr<juce::Component> (std::make_unique<Faces>());
          }, true },
        { "FontCorvanel glyphs", GlyphCatalogue::heightFor (FontCorvanelGlyphs::catalogue().size()), [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<GlyphCatalogue>());
          }, true },
    } } };
} // namespace
} // namespace gallery
