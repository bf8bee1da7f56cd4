#include "ui/widgets/ComponentSnapshot.h"

#include "foundation/Logger.h"
#include "platform/AppDataPaths.h"

#include <cmath>

namespace
{
constexpr int pngBufferSize = 16384;

juce::Image renderAtScale (juce::Component& component, float scale)
{
    const auto transform = juce::AffineTransform::scale (scale);
    const auto area = component.getLocalBounds().toFloat().transformedBy (transform).getSmallestIntegerContainer();

    juce::Image image (juce::Image::ARGB, area.getWidth(), area.getHeight(), true, juce::NativeImageType());
    juce::Graphics g (image);
    g.addTransform (transform);
    component.paintEntireComponent (g, false);
    return image;
}
} // namespace

juce::File saveComponentSnapshot (juce::Component& component, juce::String name, float targetWidth)
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (component.getWidth() <= 0 || component.getHeight() <= 0 || ! std::isfinite (targetWidth) || targetWidth < 1.0f)
    {
        FH_LOG (spdlog::level::err, "Snapshot of a {}x{} component at width {} not taken",
                component.getWidth(), component.getHeight(), targetWidth);
        return {};
    }

    const float scale = targetWidth / (float) component.getWidth();
    const auto image = renderAtScale (component, scale);

    const auto folder = AppDataPaths::documentsFolder();
    auto file = folder.getNonexistentChildFile (juce::File::createLegalFileName (name), ".png", true);

    if (file.exists())
        file.deleteFile();

    bool written = false;
    {
        juce::FileOutputStream stream (file, pngBufferSize);
        written = stream.openedOk() && juce::PNGImageFormat().writeImageToStream (image, stream);
        if (written)
        {
            stream.flush();
            written = stream.getStatus().wasOk();
        }
    }

    if (! written)
    {
        FH_LOG (spdlog::level::err, "Failed to save snapshot {}", file.getFullPathName().toStdString());
        file.deleteFile();
        return {};
    }

    FH_LOG (spdlog::level::info, "Snapshot saved: {} ({}x{})", file.getFullPathName().toStdString(),
            image.getWidth(), image.getHeight());
    return file;
}
