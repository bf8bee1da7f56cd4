#include "ui/widgets/graphs/EnvelopePath.h"

#include "resources/icons/IconPaths.h"

namespace
{
using Point = juce::Point<float>;

// The decay form: a steep start that flattens out towards q.
void decayCurveTo (juce::Path& path, Point p, Point q)
{
    const auto dx = q.x - p.x;
    const auto dy = q.y - p.y;
    path.cubicTo (p.x + 0.23f * dx, p.y + 0.66f * dy, q.x - 0.62f * dx, q.y, q.x, q.y);
}

// The attack form, from the current point to the peak k2 (k1 is the start).
void attackCurveTo (juce::Path& path, Point k1, Point k2)
{
    path.cubicTo (k1.x + 0.5f * (k2.x - k1.x), k1.y, k2.x, k2.y - 0.3f * (k2.y - k1.y), k2.x, k2.y);
}

GraphPoint handleAt (Point p, bool visible, bool isLevelPoint = false)
{
    GraphPoint point;
    point.x = p.x;
    point.y = p.y;
    point.size = 6.0f;
    point.isLevelPoint = isLevelPoint;
    point.visible = visible;
    return point;
}

void lines (juce::Path& path, std::initializer_list<Point> points)
{
    for (const auto& p : points)
        path.lineTo (p);
}
} // namespace

EnvelopePath buildEnvelopePath (const EnvDataInfDecayInfRelease& data, bool infiniteRelease, bool infiniteDecay)
{
    EnvelopePath result;
    const int type = data.envelopeType;
    if (type < 0 || type > 7)
        return result;

    const auto d = static_cast<float> (data.delay) / 127.0f;
    const auto a = static_cast<float> (data.attack) / 127.0f;
    const auto c = static_cast<float> (data.decay) / 127.0f;
    const auto s = static_cast<float> (data.sustain) / 127.0f;
    const auto r = static_cast<float> (data.release) / 127.0f;

    const Point k1 { 0.0f, 1.0f };
    const Point k0 { 0.125f * d, 1.0f };
    auto& path = result.path;
    path.startNewSubPath (k1);
    path.lineTo (k0);

    // Handle positions: delay, attack, decay, sustain, release.
    Point attackAt, decayAt, sustainAt, releaseAt;
    bool hasDecayAndSustainHandles = true;

    if (type <= 3)
    {
        const Point k2 { k0.x + 0.25f * a, 0.0f };
        const Point k6 { k2.x + (data.noHold ? 0.0f : 0.125f), 0.0f };
        Point k3 { 2.0f, 0.0f }, k4 { 2.0f, 0.0f }, k5 { 2.0f, 0.0f };
        if (! infiniteDecay)
        {
            k3 = { k6.x + 0.25f * c, 1.0f - s };
            k4 = { 0.7f, 1.0f - s };
            k5 = infiniteRelease ? Point { 2.0f, 1.0f - s } : Point { 0.7f + r * (data.noHold ? 0.315f : 0.29f), 1.0f };
        }

        switch (type)
        {
            case 0: lines (path, { k2, k3, k4, k5 }); break;
            case 1:
                lines (path, { k2, k6 });
                decayCurveTo (path, k6, k3);
                path.lineTo (k4);
                decayCurveTo (path, k4, k5);
                break;
            case 2:
                attackCurveTo (path, k1, k2);
                lines (path, { k3, k4, k5 });
                break;
            default:
                attackCurveTo (path, k1, k2);
                decayCurveTo (path, k2, k3);
                path.lineTo (k4);
                decayCurveTo (path, k4, k5);
                break;
        }
        attackAt = k2;
        decayAt = k3;
        sustainAt = { (k3.x + k4.x) / 2.0f, k4.y };
        releaseAt = k5;
    }
    else if (type <= 5)
    {
        const Point k2 { k0.x, 0.0f };
        const Point k3 { k2.x + 0.25f * a, 0.0f };
        const Point k4 { k3.x + 0.25f * c, 1.0f - s };
        const Point k5 { 0.7f, 1.0f - s };
        const Point k6 = infiniteRelease ? Point { 2.0f, 1.0f - s } : Point { 0.7f + 0.315f * r, 1.0f };

        if (type == 4)
        {
            lines (path, { k2, k3, k4, k5, k6 });
        }
        else
        {
            lines (path, { k2, k3 });
            decayCurveTo (path, k3, k4);
            path.lineTo (k5);
            decayCurveTo (path, k5, k6);
        }
        attackAt = k3;
        decayAt = k4;
        sustainAt = { (k4.x + k5.x) / 2.0f, k5.y };
        releaseAt = k6;
    }
    else
    {
        const Point k2 { k0.x + 0.25f * a, 0.0f };
        const Point k3 = k2;
        const Point k4 { k3.x + 0.25f * s, 0.0f };
        const Point k5 = infiniteRelease ? Point { 2.0f, 0.0f } : Point { k4.x + 0.315f * r, 1.0f };

        lines (path, { k2, k3, k4 });
        if (type == 6)
            path.lineTo (k5);
        else
            decayCurveTo (path, k4, k5);   // the curved variant: the release falls like a decay

        attackAt = k2;
        decayAt = k3;
        sustainAt = { (k3.x + k4.x) / 2.0f, k4.y };
        releaseAt = k5;
        hasDecayAndSustainHandles = false;
    }

    if (infiniteRelease)
        path.lineTo (2.0f, 1.0f);

    result.handles = {
        handleAt (k0, false),
        handleAt (attackAt, true),
        handleAt (decayAt, hasDecayAndSustainHandles),
        handleAt (sustainAt, hasDecayAndSustainHandles, true),
        handleAt (releaseAt, ! infiniteRelease),
    };
    return result;
}

namespace
{
void fitTo (juce::Path& path, float width, float height)
{
    const auto bounds = path.getBounds();
    const auto sx = bounds.getWidth() > 0.0f ? width / bounds.getWidth() : 1.0f;
    const auto sy = bounds.getHeight() > 0.0f ? height / bounds.getHeight() : 1.0f;
    path.applyTransform (juce::AffineTransform::translation (-bounds.getX(), -bounds.getY()).scaled (sx, sy));
}
} // namespace

EnvelopePath makeLfoWaveformPath (int shape)
{
    EnvelopePath result;
    auto& path = result.path;
    switch (shape)
    {
        case 0:
            path.startNewSubPath (0.0f, 0.5f);
            lines (path, { { 0.25f, 0.0f }, { 0.5f, 0.5f }, { 0.75f, 1.0f }, { 1.0f, 0.5f } });
            fitTo (path, 1.0f, 1.0f);
            break;
        case 1:
            path.startNewSubPath (0.0f, 0.5f);
            for (float x = 0.0f; x < 1.0f; x += 0.02f)
                path.lineTo (x, 0.5f - std::sin (6.28f * x));
            fitTo (path, 1.0f, 1.0f);
            break;
        case 2:
            path.startNewSubPath (0.0f, 0.5f);
            lines (path, { { 0.0f, 0.0f }, { 0.5f, 0.0f }, { 0.5f, 0.5f } });
            path.startNewSubPath (0.5f, 0.5f);
            lines (path, { { 0.5f, 1.0f }, { 1.0f, 1.0f }, { 1.0f, 0.5f } });
            fitTo (path, 1.0f, 1.0f);
            break;
        case 3:
            path.startNewSubPath (0.0f, 0.5f);
            lines (path, { { 0.0f, 0.0f }, { 0.5f, 0.5f } });
            path.startNewSubPath (0.5f, 0.5f);
            lines (path, { { 1.0f, 1.0f }, { 1.0f, 0.5f } });
            fitTo (path, 1.0f, 1.0f);
            break;
        case 4:
            path.startNewSubPath (0.0f, 0.98f);
            path.lineTo (0.0f, 0.0f);
            path.cubicTo (0.0f, 0.98f, 0.5f, 0.98f, 1.0f, 0.98f);
            fitTo (path, 1.0f, 0.5f);
            break;
        case 5:
            path.startNewSubPath (0.0f, 1.0f);
            lines (path, { { 0.5f, 0.0f }, { 0.5f, 0.98f }, { 1.0f, 0.98f } });
            fitTo (path, 1.0f, 0.5f);
            break;
        case 6:
            path = IconPaths::randomWaveform();
            fitTo (path, 1.0f, 1.0f);
            break;
        default:
            return result;
    }
    path.applyTransform (juce::AffineTransform::translation (1.0f, 0.0f));
    return result;
}
