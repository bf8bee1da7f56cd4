#include "resources/fonts/FontCorvanelGlyphs.h"

#include <cmath>
#include <functional>
#include <initializer_list>

namespace FontCorvanelGlyphs
{
namespace
{
using Point = juce::Point<float>;

constexpr float twoPi = juce::MathConstants<float>::twoPi;
constexpr float lineWidth = 7.0f;
constexpr float ascent = 0.8f;   // of the font height; the design square spans ascent + descent

juce::Path stroked (const juce::Path& centreLine, float thickness = lineWidth)
{
    juce::Path outline;
    juce::PathStrokeType (thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath (outline, centreLine);
    return outline;
}

juce::Path polyline (std::initializer_list<Point> points)
{
    juce::Path path;
    bool first = true;

    for (auto p : points)
    {
        if (first)
            path.startNewSubPath (p);
        else
            path.lineTo (p);
        first = false;
    }

    return path;
}

// The line y = f(x) for x from x0 to x1, sampled finely enough to look smooth.
juce::Path graph (float x0, float x1, const std::function<float (float)>& f, int steps = 64)
{
    juce::Path path;
    path.startNewSubPath (x0, f (x0));

    for (int i = 1; i <= steps; ++i)
    {
        const auto x = x0 + (x1 - x0) * static_cast<float> (i) / static_cast<float> (steps);
        path.lineTo (x, f (x));
    }

    return path;
}

// One cycle over x 10 .. 90: t runs from 0 to 1.
juce::Path wave (const std::function<float (float)>& f)
{
    return graph (10.0f, 90.0f, [&f] (float x) { return f ((x - 10.0f) / 80.0f); });
}

float smoothStep (float x, float from, float to)
{
    const auto t = juce::jlimit (0.0f, 1.0f, (x - from) / (to - from));
    return t * t * (3.0f - 2.0f * t);
}

float bump (float x, float centre, float width)
{
    const auto d = (x - centre) / width;
    return std::exp (-d * d);
}

// Filter responses: level 38 is the pass band, 86 the stop band.
constexpr float pass = 38.0f;
constexpr float stop = 86.0f;

juce::Path response (const std::function<float (float)>& f)
{
    return stroked (graph (8.0f, 92.0f, f));
}

float lowPass1 (float x) { return pass + (stop - pass) * smoothStep (x, 30.0f, 96.0f); }
float lowPass2 (float x) { return pass + (stop - pass) * smoothStep (x, 56.0f, 80.0f) - 16.0f * bump (x, 55.0f, 6.0f); }

juce::Path circle (float cx, float cy, float r)
{
    juce::Path path;
    path.addEllipse (cx - r, cy - r, 2.0f * r, 2.0f * r);
    return path;
}

juce::Path ring (float cx, float cy, float r, float thickness = lineWidth)
{
    return stroked (circle (cx, cy, r), thickness);
}

juce::Path combined (std::initializer_list<juce::Path> parts)
{
    juce::Path path;
    for (const auto& part : parts)
        path.addPath (part);
    path.setUsingNonZeroWinding (true);
    return path;
}

juce::Path roundedSquare (float x, float y, float size, float corner)
{
    juce::Path path;
    path.addRoundedRectangle (x, y, size, size, corner);
    return path;
}

struct Glyph
{
    juce::juce_wchar character;
    const char* meaning;
    std::function<juce::Path()> draw;
};

const std::vector<Glyph>& glyphs()
{
    static const std::vector<Glyph> all {
        // Filter responses
        { 'j', "low pass", [] { return response (lowPass1); } },
        { 'k', "2-pole low pass, 12 dB/oct", [] { return response (lowPass2); } },
        { 'h', "1-pole high pass", [] { return response ([] (float x) { return lowPass1 (100.0f - x); }); } },
        { 'i', "2-pole high pass", [] { return response ([] (float x) { return lowPass2 (100.0f - x); }); } },
        { 'f', "band pass", [] { return response ([] (float x) { return stop - 56.0f * bump (x, 50.0f, 15.0f); }); } },
        { 'e', "band stop, notch", [] { return response ([] (float x) { return pass + 50.0f * bump (x, 50.0f, 8.0f); }); } },
        { 'l', "peak, equaliser", [] { return response ([] (float x) { return 60.0f - 38.0f * bump (x, 50.0f, 9.0f); }); } },
        { '@', "low shelf", [] { return response ([] (float x) { return 32.0f + 36.0f * smoothStep (x, 34.0f, 66.0f); }); } },
        { '0', "high shelf", [] { return response ([] (float x) { return 68.0f - 36.0f * smoothStep (x, 34.0f, 66.0f); }); } },
        { '=', "double notch", [] { return response ([] (float x) { return pass + 48.0f * (bump (x, 33.0f, 6.0f) + bump (x, 67.0f, 6.0f)); }); } },
        { '>', "low pass with notch", [] { return response ([] (float x) { return pass + 44.0f * bump (x, 36.0f, 6.0f) + (stop - pass) * smoothStep (x, 60.0f, 90.0f); }); } },

        // Waveforms
        { 'X', "sine", [] { return stroked (wave ([] (float t) { return 50.0f - 30.0f * std::sin (twoPi * t); })); } },
        { 'S', "asymmetric sine", [] {
              return stroked (wave ([] (float t) {
                  return t < 0.6f ? 50.0f - 34.0f * std::sin (juce::MathConstants<float>::pi * t / 0.6f)
                                  : 50.0f + 18.0f * std::sin (juce::MathConstants<float>::pi * (t - 0.6f) / 0.4f);
              }));
          } },
        { 'y', "triangle", [] { return stroked (polyline ({ { 10, 50 }, { 30, 20 }, { 70, 80 }, { 90, 50 } })); } },
        { 'Y', "sine-saw", [] {
              auto path = graph (10.0f, 50.0f, [] (float x) { return 50.0f - 30.0f * std::sin (twoPi * (x - 10.0f) / 80.0f); });
              path.lineTo (50.0f, 80.0f);
              path.lineTo (90.0f, 20.0f);
              path.lineTo (90.0f, 50.0f);
              return stroked (path);
          } },
        { '~', "saw", [] { return stroked (polyline ({ { 10, 20 }, { 50, 80 }, { 50, 20 }, { 90, 80 } })); } },
        { '[', "square", [] { return stroked (polyline ({ { 10, 80 }, { 10, 20 }, { 50, 20 }, { 50, 80 }, { 90, 80 }, { 90, 20 } })); } },
        { 'a', "ring modulator", [] {
              return combined ({ ring (50, 50, 32),
                                 stroked (polyline ({ { 28, 28 }, { 72, 72 } })),
                                 stroked (polyline ({ { 72, 28 }, { 28, 72 } })) });
          } },
        { 'z', "exponential", [] {
              auto path = graph (10.0f, 90.0f, [] (float x) {
                  const auto t = (x - 10.0f) / 80.0f;
                  return 80.0f - 60.0f * (std::exp (3.0f * t) - 1.0f) / (std::exp (3.0f) - 1.0f);
              });
              path.lineTo (90.0f, 80.0f);
              return stroked (path);
          } },
        { '{', "ramp", [] { return stroked (polyline ({ { 10, 80 }, { 62, 20 }, { 90, 20 } })); } },
        { 'B', "random (sample and hold)", [] {
              return stroked (polyline ({ { 10, 56 }, { 24, 56 }, { 24, 28 }, { 40, 28 }, { 40, 78 }, { 56, 78 },
                                          { 56, 40 }, { 72, 40 }, { 72, 64 }, { 90, 64 } }));
          } },
        { ':', "rectified sine", [] { return stroked (wave ([] (float t) { return 74.0f - 50.0f * std::abs (std::sin (twoPi * t)); })); } },
        { ';', "pulse", [] {
              return stroked (polyline ({ { 10, 76 }, { 28, 76 }, { 28, 24 }, { 40, 24 }, { 40, 76 }, { 68, 76 },
                                          { 68, 24 }, { 80, 24 }, { 80, 76 }, { 90, 76 } }));
          } },
        { 'Z', "sine at double rate", [] { return stroked (wave ([] (float t) { return 50.0f - 30.0f * std::sin (2.0f * twoPi * t); })); } },
        { 'W', "rounded square", [] {
              return stroked (wave ([] (float t) { return 50.0f - 30.0f * std::tanh (4.0f * std::sin (twoPi * t)) / std::tanh (4.0f); }));
          } },
        { 'q', "click", [] { return stroked (polyline ({ { 10, 56 }, { 36, 56 }, { 44, 16 }, { 54, 86 }, { 62, 56 }, { 90, 56 } })); } },
        { 'n', "noise", [] {
              return stroked (polyline ({ { 10, 52 }, { 16, 30 }, { 22, 66 }, { 28, 40 }, { 34, 78 }, { 40, 24 }, { 46, 58 },
                                          { 52, 36 }, { 58, 72 }, { 64, 28 }, { 70, 62 }, { 76, 44 }, { 82, 70 }, { 90, 48 } }),
                              5.0f);
          } },

        // Envelope modes
        { '?', "attack-hold-decay", [] { return stroked (polyline ({ { 10, 82 }, { 26, 20 }, { 50, 20 }, { 90, 82 } })); } },
        { 'E', "attack-hold-decay upside down", [] { return stroked (polyline ({ { 10, 20 }, { 26, 82 }, { 50, 82 }, { 90, 20 } })); } },
        { '<', "attack-decay-sustain-release", [] {
              return stroked (polyline ({ { 10, 82 }, { 24, 20 }, { 40, 48 }, { 70, 48 }, { 90, 82 } }));
          } },

        // Symbols
        { 'A', "audio capture", [] { return combined ({ ring (50, 50, 34), circle (50, 50, 18) }); } },
        { 's', "trash bin", [] {
              juce::Path body;
              body.startNewSubPath (25, 32);
              body.lineTo (31, 88);
              body.lineTo (69, 88);
              body.lineTo (75, 32);
              return combined ({ stroked (polyline ({ { 16, 24 }, { 84, 24 } })),
                                 stroked (polyline ({ { 40, 24 }, { 40, 13 }, { 60, 13 }, { 60, 24 } }), 6.0f),
                                 stroked (body),
                                 stroked (polyline ({ { 43, 42 }, { 44, 78 } }), 5.0f),
                                 stroked (polyline ({ { 57, 42 }, { 56, 78 } }), 5.0f) });
          } },
        { 'r', "keyboard", [] {
              juce::Path frame;
              frame.addRectangle (8, 24, 84, 52);
              auto path = stroked (frame, 6.0f);
              for (int i = 1; i < 6; ++i)
              {
                  const auto x = 8.0f + 84.0f * static_cast<float> (i) / 6.0f;
                  path.addPath (stroked (polyline ({ { x, 52 }, { x, 76 } }), 3.0f));
              }
              for (int i : { 1, 2, 4, 5 })
              {
                  const auto x = 8.0f + 84.0f * static_cast<float> (i) / 6.0f;
                  path.addRectangle (x - 5.0f, 24.0f, 10.0f, 28.0f);
              }
              path.setUsingNonZeroWinding (true);
              return path;
          } },
        { 'C', "pads", [] {
              juce::Path path;
              for (int row = 0; row < 3; ++row)
                  for (int column = 0; column < 3; ++column)
                      path.addPath (roundedSquare (10.0f + 29.0f * static_cast<float> (column),
                                                   10.0f + 29.0f * static_cast<float> (row), 22.0f, 4.0f));
              return path;
          } },
        { '4', "positive polarity", [] {
              return combined ({ ring (50, 50, 38, 6.0f),
                                 stroked (polyline ({ { 30, 50 }, { 70, 50 } }), 9.0f),
                                 stroked (polyline ({ { 50, 30 }, { 50, 70 } }), 9.0f) });
          } },
        { '5', "negative polarity", [] {
              return combined ({ ring (50, 50, 38, 6.0f), stroked (polyline ({ { 30, 50 }, { 70, 50 } }), 9.0f) });
          } },
    };

    return all;
}
} // namespace

const std::vector<GlyphInfo>& catalogue()
{
    static const std::vector<GlyphInfo> infos = [] {
        std::vector<GlyphInfo> result;
        for (const auto& glyph : glyphs())
            result.push_back ({ glyph.character, glyph.meaning });
        return result;
    }();

    return infos;
}

juce::Path designOutline (juce::juce_wchar character)
{
    for (const auto& glyph : glyphs())
        if (glyph.character == character)
            return glyph.draw();

    return {};
}

juce::Typeface::Ptr createTypeface()
{
    auto typeface = new juce::CustomTypeface();
    typeface->setCharacteristics (familyName, "Regular", ascent, ' ');

    // Design units (0 .. 100, y down) to font units (height 1.0, baseline at 0).
    const auto toFontUnits = juce::AffineTransform::scale (0.01f).translated (0.0f, -ascent);

    typeface->addGlyph (' ', {}, 1.0f);

    for (const auto& glyph : glyphs())
    {
        auto path = glyph.draw();
        path.applyTransform (toFontUnits);
        typeface->addGlyph (glyph.character, path, 1.0f);
    }

    return juce::Typeface::Ptr (typeface);
}
} // namespace FontCorvanelGlyphs
