// The program of this build as a child process on the virtual audio device against
// the engine emulator in this process: the screenshot command starts it, pictures
// its window and settings dialog and quits it cleanly.
#include "ProgramProcess.h"
#include "ShellFixture.h"

#include "foundation/GlobalPreferences.h"

using namespace standalonetest;

namespace
{
class StandaloneProgram : public fhtest::AppTest
{
protected:
    StandaloneProgram()
    {
        fhemu::EmulatorSession::Settings settings;
        settings.messagePort = 0;
        engine = std::make_unique<fhemu::EmulatorSession> (settings);
        if (engine->start())
            engine->addDevice (fhemu::EmulatorSession::virtualKolvane (0x5ca1), false);
    }
    ~StandaloneProgram() override { engine->stop(); }

    std::unique_ptr<fhemu::EmulatorSession> engine;
};
} // namespace

TEST_F (StandaloneProgram, TheScreenshotCommandPicturesTheWindowAndTheDialogAndQuits)
{
    const ScopedEnvironment virtualAudio (corvanel::VirtualAudioDeviceType::environmentVariable, "1");
    {
        // The program logs at info level.
        GlobalPreferences preferences (true, false);
        preferences.setLogLevel ("info");
    }
    const auto folder = tempHome.home().getChildFile ("shots");
    ProgramProcess program ({ FH_PROGRAM_PATH, "--screenshot", folder.getFullPathName().toStdString(), "--port",
                              std::to_string (engine->getMessagePort()) });
    ASSERT_TRUE (program.isStarted());
    EXPECT_EQ (program.waitForExit (30000), 0) << program.output();

    const auto windowPicture = folder.getChildFile ("window.png");
    const auto settingsPicture = folder.getChildFile ("settings.png");
    EXPECT_TRUE (program.hasLine (windowPicture.getFullPathName().toStdString())) << program.output();
    EXPECT_TRUE (program.hasLine (settingsPicture.getFullPathName().toStdString())) << program.output();
    const auto window = juce::ImageFileFormat::loadFrom (windowPicture);
    const auto dialog = juce::ImageFileFormat::loadFrom (settingsPicture);
    ASSERT_TRUE (window.isValid());
    ASSERT_TRUE (dialog.isValid());
    EXPECT_GT (window.getWidth(), 400);
    EXPECT_GT (window.getHeight(), 300);
    EXPECT_GE (dialog.getWidth(), 500);
    // The virtual device is open: no notification strip under the title bar.
    const int titleBar = 26;
    EXPECT_NE (window.getPixelAt (window.getWidth() - 3, titleBar + 3).getARGB(), 0xFFFAFAD2u);
    // The editor draws itself through OpenGL, yet shows in the picture: its area is
    // not the window's black but the editor's own grey.
    const auto editorPixel = window.getPixelAt (window.getWidth() / 2, window.getHeight() / 2);
    EXPECT_NE (editorPixel.getARGB(), 0xFF000000u);
    EXPECT_GT (editorPixel.getBrightness(), 0.05f);

    // The program opened its log, stored its settings at the end and said goodbye.
    const auto root = tempHome.appDataRoot();
    const auto logs = root.findChildFiles (juce::File::findFiles, false, "Kolvane_standalone*.log");
    ASSERT_EQ (logs.size(), 1);
    const auto log = logs[0].loadFileAsString();
    EXPECT_TRUE (log.contains ("Fernhollow version: 2.1.5.4"));
    EXPECT_TRUE (log.contains ("Main window is showing"));
    EXPECT_TRUE (log.contains ("About to shutdown. Goodbye!"));
    const auto settings = juce::parseXML (root.getChildFile ("Standalone/Kolvane.settings"));
    ASSERT_NE (settings, nullptr);
    juce::StringArray keys;
    for (auto* value : settings->getChildWithTagNameIterator ("VALUE"))
        keys.add (value->getStringAttribute ("name"));
    // ("audioSetup" only once a setup was chosen in the dialog.)
    for (const auto* key : { "shouldMuteInput", "windowX", "windowY" })
        EXPECT_TRUE (keys.contains (key)) << key << " in " << keys.joinIntoString (", ");
}

TEST_F (StandaloneProgram, WithoutADisplayItSaysSoAndEnds)
{
    const ScopedEnvironment noDisplay ("DISPLAY", "");
    ProgramProcess program ({ FH_PROGRAM_PATH, "--port", std::to_string (engine->getMessagePort()) });
    ASSERT_TRUE (program.isStarted());
    EXPECT_EQ (program.waitForExit (10000), 1);
}

TEST_F (StandaloneProgram, AnUnknownOptionIsRefused)
{
    ProgramProcess program ({ FH_PROGRAM_PATH, "--frobnicate" });
    ASSERT_TRUE (program.isStarted());
    EXPECT_EQ (program.waitForExit (10000), 2);
    ProgramProcess badPort ({ FH_PROGRAM_PATH, "--port", "99999" });
    EXPECT_EQ (badPort.waitForExit (10000), 2);
}
