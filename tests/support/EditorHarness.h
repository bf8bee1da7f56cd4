#pragma once

// The GUI test harness: the program's real editor on the real processor, built
// through the plug-in factory against the engine emulator, in a window of its
// own under the test display (Xvfb), driven through its real peer.
//
// Typical use (inside a test that derives from fhtest::AppTest, which gives
// the test its own HOME and a message thread):
//
//     fhtest::EditorHarness::Options options;
//     options.wrapper = juce::AudioProcessor::wrapperType_VST3;   // a plug-in wrapper
//     options.pluginState = [] (SynthPluginState& s) { s.setIntProperty (PluginStateIds::uiScale, 140); };
//     fhtest::EditorHarness h (options);
//     h.click (*h.findByText ("Sound Browser"));
//     EXPECT_EQ (h.processor().getVolatileState().getSelectedTrack(), -1);
//
// Building (constructor), in this order:
//   1. Global.settings of the current HOME is written: "DisableOpenGL" on
//      unless options.openGL, "ShowWelcomeScreen" = options.showWelcomeScreen,
//      then options.preferences may set more.
//   2. With options.startEngine the emulator starts on a free loopback port and
//      lists its virtual Kolvane (uid kDeviceUid); otherwise the processor is
//      pointed at a port where nothing listens.
//   3. The wrapper type is set where the framework's processor and the code
//      that asks for the host's wrapper read it
//      (juce::PluginHostType::jucePlugInClientCurrentWrapperType, which the
//      factory hands to juce::AudioProcessor::setTypeOfNextNewPlugin), so the
//      processor and the editor see the same wrapper; it is reset afterwards.
//   4. The processor comes from createPluginProcessor; with the engine, the
//      harness waits until the device is open and its whole model is read.
//   5. options.pluginState may change the plug-in state ("UIScale",
//      "OpenedKeyboard", ...), then the editor is made through the
//      processor's editor hook, put on the desktop (options.onDesktop) and
//      the message loop runs until the scale selector's first change has
//      resized it.
// Failures throw std::runtime_error with the reason.
//
// The harness contains no assertions; tests assert on what it returns.
// Message thread only. Built with JUCE_MODAL_LOOPS_PERMITTED=1: code that
// shows a menu synchronously runs a modal loop in which the harness's
// pop-up watcher still works.
#include "support/TestEnvironment.h"

#include "EmulatorSession.h"
#include "VirtualProject.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class GlobalPreferences;
class MachineDataObject;
class MainContentComponent;
class PluginAudioProcessorEditor;
class SynthPluginState;
class VantuAudioProcessor;

namespace fhtest
{
class EditorHarness
{
public:
    static constexpr std::uint64_t kDeviceUid = 0xc0ffee;

    struct Options
    {
        juce::AudioProcessor::WrapperType wrapper = juce::AudioProcessor::wrapperType_Standalone;
        bool startEngine = true;          // the emulator with the virtual Kolvane, whole model read
        bool openGL = false;              // false: "DisableOpenGL" on
        bool showWelcomeScreen = false;   // "ShowWelcomeScreen"
        bool onDesktop = true;            // the editor in a window of its own (a real peer)
        bool ownHome = false;             // a temporary HOME of the harness's own (programs, not tests)
        juce::Point<int> position { 40, 40 };
        std::function<void (GlobalPreferences&)> preferences;   // more global settings, before the processor
        std::function<void (SynthPluginState&)> pluginState;    // the plug-in state, before the editor
    };

    EditorHarness();   // the default options
    explicit EditorHarness (Options options);
    ~EditorHarness();

    EditorHarness (const EditorHarness&) = delete;
    EditorHarness& operator= (const EditorHarness&) = delete;

    // --- The parts --------------------------------------------------------
    VantuAudioProcessor& processor() { return *vantu; }
    PluginAudioProcessorEditor& editor() { return *editorComponent; }
    MainContentComponent& content();
    bool hasEngine() const { return engineStarted; }
    fhemu::EmulatorSession& engine() { return *emulator; }
    // The emulator's open virtual Kolvane (null without the engine).
    fhemu::EmulatorSession::OpenDevice* device();
    fhemu::VirtualProject& project();   // the virtual Kolvane's project (needs the engine)

    // Deletes the editor (the processor stays), e.g. to build a second one.
    void closeEditor();
    // Builds a new editor on the same processor (after closeEditor).
    void openEditor();

    // --- Time -------------------------------------------------------------
    // One data-update poll (every value listener of the GUI), then the
    // message loop for a moment.
    void tick();
    // Runs the message loop until the condition holds (true) or the time is up (false).
    bool pumpUntil (const std::function<bool()>& condition,
                    std::chrono::milliseconds timeout = std::chrono::seconds (5));
    void pumpFor (std::chrono::milliseconds duration);

    // --- Device values ----------------------------------------------------
    // The real road: the virtual Kolvane changes its project and announces it,
    // e.g. announce (project().setTrackLevel (2, 20000)); then pumpUntil/tick.
    bool announce (const std::vector<fhemu::DeviceNotification>& notifications);
    // The fast road: the data object's device side stores the value without
    // echo, as the device interface does with a received value. Then tick().
    static void showFromDevice (MachineDataObject& object, const juce::Identifier& id, int value);

    // --- Writes towards the device (the emulator's transaction log) ---------
    // A mark, then the transactions the program sent since, reads (0x20) left out.
    std::size_t markWrites();
    std::vector<fhemu::RecordedTransaction> writesSince (std::size_t mark);

    // --- Finders (the editor's tree, depth first, the editor included) -------
    template <typename T>
    std::vector<T*> findAll (juce::Component* root = nullptr)
    {
        std::vector<T*> out;
        visit (root, [&out] (juce::Component& c) {
            if (auto* t = dynamic_cast<T*> (&c))
                out.push_back (t);
            return false;
        });
        return out;
    }
    template <typename T>
    T* find (juce::Component* root = nullptr, size_t nth = 0)
    {
        auto all = findAll<T> (root);
        return nth < all.size() ? all[nth] : nullptr;
    }
    juce::Component* findByName (const juce::String& name, juce::Component* root = nullptr);
    juce::Component* findById (const juce::String& componentId, juce::Component* root = nullptr);
    // A button's text, a label's text, a combo box's shown text or a text editor's text.
    juce::Component* findByText (const juce::String& text, juce::Component* root = nullptr);
    // The component's bounds in the main content's units (unscaled).
    juce::Rectangle<int> boundsInContent (juce::Component& component);
    // Whether the component and all its parents are visible and it has an area.
    static bool isShowing (juce::Component& component);

    // --- Input through the real peer of the component's window ---------------
    // Positions are in the component's own coordinates (default: its centre).
    void mouseMove (juce::Component& component, std::optional<juce::Point<float>> at = {});
    void mouseDown (juce::Component& component, juce::ModifierKeys buttons = juce::ModifierKeys::leftButtonModifier,
                    std::optional<juce::Point<float>> at = {});
    void mouseDrag (juce::Component& component, juce::ModifierKeys buttons, juce::Point<float> at);
    void mouseUp (juce::Component& component, std::optional<juce::Point<float>> at = {}, juce::ModifierKeys keys = {});
    // Down and up on the component; keyboard modifiers ride along.
    void click (juce::Component& component, juce::ModifierKeys modifiers = juce::ModifierKeys::leftButtonModifier,
                std::optional<juce::Point<float>> at = {});
    // A key press to the editor's window (to its focused component).
    bool pressKey (const juce::KeyPress& key);
    // Moves the editor's window on the screen.
    void moveWindowTo (juce::Point<int> topLeft);

    // --- Pop-ups ------------------------------------------------------------
    // The next pop-up menu that opens gets the item with this text picked (the
    // item's press action, as a click on it does; an item of the top level),
    // or, with an empty text, is dismissed; a text it lacks dismisses it too. Call before the action that opens the
    // menu; works inside synchronous (modal) shows too. Returns once armed.
    void pickFromNextMenu (const juce::String& itemText);
    // Whether the armed pick has happened.
    bool menuPickDone() const;
    // The texts of the items of the menu that is open now (empty when none).
    juce::StringArray openMenuItems();
    bool isMenuOpen();
    // Closes every open menu and leaves every modal component's modal state.
    void closeModalPopups();

    // --- Pictures -----------------------------------------------------------
    // The component (default: the editor) as drawn, at the given scale.
    juce::Image snapshot (juce::Component* component = nullptr, float scale = 1.0f);
    // Writes the snapshot as PNG; false when the file cannot be written.
    bool writePng (const juce::File& file, juce::Component* component = nullptr, float scale = 1.0f);
    // Into $FH_SCREENSHOT_DIR as <name>.png when that variable is set (tests'
    // pictures to look at); true when written or not asked for.
    bool writeScreenshot (const juce::String& name, juce::Component* component = nullptr);

private:
    class MenuWatcher;

    void buildProcessor();
    void visit (juce::Component* root, const std::function<bool (juce::Component&)>& visitor);
    void sendMouse (juce::Component& component, juce::Point<float> at, juce::ModifierKeys mods);
    static std::vector<fhemu::RecordedTransaction> allTransactions (fhemu::EmulatorSession::OpenDevice& open);

    Options options;
    std::unique_ptr<ScopedTempHome> home;
    std::unique_ptr<fhemu::EmulatorSession> emulator;
    bool engineStarted = false;
    std::unique_ptr<juce::AudioProcessor> owner;
    VantuAudioProcessor* vantu = nullptr;
    std::unique_ptr<PluginAudioProcessorEditor> editorComponent;
    std::unique_ptr<MenuWatcher> menuWatcher;
};
}   // namespace fhtest
