// Drawing and layout of the framework's file browser in the program's colours
// (the program has no file browser of its own).
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace
{
using UI = juce::LookAndFeel_V4::ColourScheme::UIColour;
}

juce::Button* LookAndFeelCorvanel::createFileBrowserGoUpButton()
{
    auto* goUpButton = new juce::DrawableButton ("up", juce::DrawableButton::ImageOnButtonBackground);

    juce::Path arrowPath;
    arrowPath.addArrow ({ 50.0f, 100.0f, 50.0f, 0.0f }, 40.0f, 100.0f, 50.0f);

    juce::DrawablePath arrowImage;
    arrowImage.setFill (juce::Colour (0xff555555));
    arrowImage.setPath (arrowPath);

    goUpButton->setImages (&arrowImage);
    return goUpButton;
}

void LookAndFeelCorvanel::layoutFileBrowserComponent (juce::FileBrowserComponent& browser,
                                                      juce::DirectoryContentsDisplayComponent* fileList,
                                                      juce::FilePreviewComponent* preview, juce::ComboBox* currentPathBox,
                                                      juce::TextEditor* filenameBox, juce::Button* goUpButton)
{
    if (currentPathBox != nullptr)
    {
        currentPathBox->setColour (juce::ComboBox::backgroundColourId, colourScheme.getUIColour (UI::menuBackground));
        currentPathBox->setColour (juce::ComboBox::textColourId, colourScheme.getUIColour (UI::menuText));
        currentPathBox->setColour (juce::ComboBox::arrowColourId, colourScheme.getUIColour (UI::menuText));
    }

    juce::LookAndFeel_V4::layoutFileBrowserComponent (browser, fileList, preview, currentPathBox, filenameBox, goUpButton);
}

void LookAndFeelCorvanel::drawFileBrowserRow (juce::Graphics& g, int width, int height, const juce::File&,
                                              const juce::String& filename, juce::Image* icon,
                                              const juce::String& fileSizeDescription,
                                              const juce::String& fileTimeDescription, bool isDirectory,
                                              bool isItemSelected, int, juce::DirectoryContentsDisplayComponent& list)
{
    // Laid out as the framework's row. The text colour is chosen here for each
    // row rather than stored on the list: changing a colour of the list while
    // it paints would make it repaint itself again and again.
    auto* listComponent = dynamic_cast<juce::Component*> (&list);
    const auto listColour = [&] (int id) { return listComponent != nullptr ? listComponent->findColour (id) : findColour (id); };

    if (isItemSelected)
        g.fillAll (listColour (juce::DirectoryContentsDisplayComponent::highlightColourId));

    constexpr int textX = 32;

    if (icon != nullptr && icon->isValid())
    {
        g.drawImageWithin (*icon, 2, 2, textX - 4, height - 4,
                           juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize, false);
    }
    else if (auto* picture = isDirectory ? getDefaultFolderImage() : getDefaultDocumentFileImage())
    {
        picture->drawWithin (g, juce::Rectangle<float> (2.0f, 2.0f, textX - 4.0f, static_cast<float> (height) - 4.0f),
                             juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize, 1.0f);
    }

    g.setColour (colourScheme.getUIColour (isItemSelected ? UI::highlightedText : UI::menuText));
    g.setFont (static_cast<float> (height) * 0.7f);

    if (width > 450 && ! isDirectory)
    {
        const auto sizeX = juce::roundToInt (static_cast<float> (width) * 0.7f);
        const auto dateX = juce::roundToInt (static_cast<float> (width) * 0.8f);

        g.drawFittedText (filename, textX, 0, sizeX - textX, height, juce::Justification::centredLeft, 1);

        g.setFont (static_cast<float> (height) * 0.5f);
        g.setColour (juce::Colours::darkgrey);
        g.drawFittedText (fileSizeDescription, sizeX, 0, dateX - sizeX - 8, height, juce::Justification::centredRight, 1);
        g.drawFittedText (fileTimeDescription, dateX, 0, width - 8 - dateX, height, juce::Justification::centredRight, 1);
    }
    else
    {
        g.drawFittedText (filename, textX, 0, width - textX, height, juce::Justification::centredLeft, 1);
    }
}
