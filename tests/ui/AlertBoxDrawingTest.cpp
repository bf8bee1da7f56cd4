#include "UiTestSupport.h"

namespace
{
using uitest::LookAndFeelTest;
using uitest::nearColour;
using uitest::pixel;

constexpr juce::uint32 outline = 0xff405060;
constexpr juce::uint32 background = 0xff102030;
constexpr juce::uint32 messageColour = 0xff00ff00;   // a colour neither the box nor any icon uses

bool isMessagePixel (juce::Colour c) { return c.getGreen() > 200 && c.getRed() < 60 && c.getBlue() < 60; }

// The left and top edges of the message text drawn into the image.
juce::Point<int> messageTopLeft (const juce::Image& image)
{
    int left = image.getWidth(), top = image.getHeight();
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (isMessagePixel (image.getPixelAt (x, y)))
            {
                left = juce::jmin (left, x);
                top = juce::jmin (top, y);
            }
    return { left, top };
}

struct AlertCase
{
    const char* name;
    juce::MessageBoxIconType icon;
    int height;
    int buttons;
    bool textEditor;
    int textAreaHeight;
    int expectedIconSize;   // 0: no icon drawn
};

// The message starts at x = 1 + the icon size whenever an icon is drawn.
TEST_F (LookAndFeelTest, AlertBoxPlacesTheMessageAfterTheIconAndDrawsTheFrameInTheAlertColours)
{
    const AlertCase cases[] = {
        { "no icon", juce::MessageBoxIconType::NoIcon, 200, 2, false, 150, 0 },
        { "warning, full size", juce::MessageBoxIconType::WarningIcon, 200, 2, false, 150, 130 },
        { "info, low box", juce::MessageBoxIconType::InfoIcon, 60, 1, false, 50, 78 },          // 58 + 20
        { "question, three buttons", juce::MessageBoxIconType::QuestionIcon, 200, 3, false, 40, 90 },   // 40 + 50
        { "warning, text editor", juce::MessageBoxIconType::WarningIcon, 200, 1, true, 60, 110 },       // 60 + 50
        { "info, two buttons ignore the text area", juce::MessageBoxIconType::InfoIcon, 200, 2, false, 20, 130 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::AlertWindow alert ("Title", "Message", c.icon);
        for (int i = 0; i < c.buttons; ++i)
            alert.addButton ("B" + juce::String (i), i);
        if (c.textEditor)
            alert.addTextEditor ("name", "text");
        alert.setColour (juce::AlertWindow::outlineColourId, juce::Colour (outline));
        alert.setColour (juce::AlertWindow::backgroundColourId, juce::Colour (background));
        alert.setSize (400, c.height);

        juce::AttributedString text;
        text.append ("MMMM", lookAndFeel.getAlertWindowMessageFont(), juce::Colour (messageColour));
        juce::TextLayout layout;
        layout.createLayout (text, 200.0f);

        juce::Image image (juce::Image::ARGB, alert.getWidth(), alert.getHeight(), true);
        {
            juce::Graphics g (image);
            lookAndFeel.drawAlertBox (g, alert, { 10, 10, 380, c.textAreaHeight }, layout);
        }

        const auto topLeft = messageTopLeft (image);
        const auto expectedX = 1 + c.expectedIconSize;
        EXPECT_GE (topLeft.x, expectedX);
        EXPECT_LE (topLeft.x, expectedX + 4);   // the glyph's own side bearing
        EXPECT_GE (topLeft.y, 30);
        EXPECT_LE (topLeft.y, 40);

        EXPECT_TRUE (nearColour (pixel (image, 0, c.height / 2), outline));
        EXPECT_TRUE (nearColour (pixel (image, 395, c.height - 5), background));

        // The icon: a red triangle for a warning, a teal circle otherwise,
        // hanging over the top-left corner by a tenth of its size.
        if (c.expectedIconSize > 0)
        {
            const auto s = static_cast<float> (c.expectedIconSize);
            const auto x = juce::roundToInt (-s / 10.0f + 0.2f * s);
            const auto y = juce::roundToInt (-s / 10.0f + 0.8f * s);
            const auto tint = c.icon == juce::MessageBoxIconType::WarningIcon ? juce::Colour (0x66ff2a00)
                                                                               : juce::Colour (0xff00b0b9).withAlpha (0.4f);
            EXPECT_TRUE (nearColour (pixel (image, x, y), juce::Colour (background).overlaidWith (tint).getARGB(), 3));
            EXPECT_TRUE (nearColour (pixel (image, juce::roundToInt (s) + 4, 20), background));
        }
        else
        {
            EXPECT_TRUE (nearColour (pixel (image, 20, 100), background));
        }
    }
}

// A long message in a live alert window: the window leaves room for the
// framework's 80-pixel icon column only, so the message moves back left as
// far as its longest line needs to stay whole, but not into that column.
TEST_F (LookAndFeelTest, LiveAlertWindowKeepsTheLongestLineOfTheMessageWhole)
{
    lookAndFeel.setColour (juce::AlertWindow::textColourId, juce::Colour (messageColour));

    struct MessageCase
    {
        const char* message;
        bool startsAfterFullIcon;
    };
    const MessageCase cases[] = {
        { "Short.", true },
        { "The engine is not running. Start it, then press Retry to connect to the device again.", false },
        { "A very long message that goes on and on about the state of the device, the engine, the audio "
          "interface and every other thing that might matter to the user when something went wrong during the start.",
          false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.message);
        juce::AlertWindow alert ("Engine not found", c.message, juce::MessageBoxIconType::WarningIcon);
        alert.addButton ("Retry", 1);
        alert.addButton ("Cancel", 0);

        // The buttons are not drawn: only the box and its message.
        juce::Image image (juce::Image::ARGB, alert.getWidth(), alert.getHeight(), true);
        {
            juce::Graphics g (image);
            static_cast<juce::Component&> (alert).paint (g);
        }

        int right = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (isMessagePixel (image.getPixelAt (x, y)))
                    right = juce::jmax (right, x);

        const auto left = messageTopLeft (image).x;
        if (c.startsAfterFullIcon)
        {
            EXPECT_GE (left, 131);
            EXPECT_LE (left, 135);
        }
        else
        {
            EXPECT_GE (left, 81);
        }
        EXPECT_LE (right, alert.getWidth() - 10);
    }
}

// A live alert window drawn by the look and feel: its buttons are the alert
// button height and answer with their result codes.
TEST_F (LookAndFeelTest, LiveAlertWindowButtonsAreFortyPixelsHighAndReturnTheirResult)
{
    juce::AlertWindow alert ("Engine not found", "Please start the engine and try again.",
                             juce::MessageBoxIconType::WarningIcon);
    alert.addButton ("Retry", 1);
    alert.addButton ("Cancel", 0);

    ASSERT_EQ (alert.getNumButtons(), 2);
    juce::Button* retry = nullptr;
    for (auto* child : alert.getChildren())
        if (auto* button = dynamic_cast<juce::TextButton*> (child))
        {
            EXPECT_EQ (button->getHeight(), 40);
            if (button->getButtonText() == "Retry")
                retry = button;
        }
    ASSERT_NE (retry, nullptr);

    int result = -1;
    alert.enterModalState (false, juce::ModalCallbackFunction::create ([&result] (int r) { result = r; }));
    retry->triggerClick();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return result != -1; }, std::chrono::seconds (10)));
    EXPECT_EQ (result, 1);

    // The whole window paints without complaint and shows its frame.
    const auto image = uitest::render (alert);
    EXPECT_TRUE (nearColour (pixel (image, alert.getWidth() / 2, alert.getHeight() - 3),
                             alert.findColour (juce::AlertWindow::backgroundColourId).getARGB()));
}
} // namespace
