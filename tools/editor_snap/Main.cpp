// Pictures of the real editor against the engine emulator's virtual Kolvane.
//   fh_editor_snap --list
//   fh_editor_snap --view NAME --out FILE.png [--wrapper standalone|plugin]
//                  [--scale 80|100|120|140] [--band none|keyboard|pads]
//   fh_editor_snap --all DIR [--scale N] [--band B]   every view in both wrappers
// It runs in a temporary HOME of its own. Needs a display:
//   xvfb-run -a -s "-screen 0 1920x1200x24" ./build/tools/editor_snap/fh_editor_snap --all shots
#include "EditorViews.h"

#include "processor/SynthPluginState.h"

#include <iostream>
#include <map>

namespace
{
struct Settings
{
    juce::String view, out, all;
    juce::AudioProcessor::WrapperType wrapper = juce::AudioProcessor::wrapperType_Standalone;
    int scale = 100;
    juce::String band = "none";
};

int usage()
{
    std::cerr
        << "usage: fh_editor_snap --list\n"
           "       fh_editor_snap --view NAME --out FILE.png [--wrapper standalone|plugin] [--scale 80|100|120|140]"
           " [--band none|keyboard|pads]\n"
           "       fh_editor_snap --all DIR [--scale N] [--band B]\n";
    return 2;
}

bool writeView (const editorsnap::EditorView& view, const Settings& settings, juce::AudioProcessor::WrapperType wrapper,
                const juce::File& file)
{
    fhtest::EditorHarness::Options options;
    options.ownHome = true;
    options.wrapper = wrapper;
    options.pluginState = [&settings] (SynthPluginState& s) {
        s.setIntProperty (PluginStateIds::uiScale, settings.scale);
        s.setBoolProperty (PluginStateIds::openedKeyboard, settings.band == "keyboard");
        s.setBoolProperty (PluginStateIds::openedPads, settings.band == "pads");
    };
    if (view.configure)
        view.configure (options);
    try
    {
        fhtest::EditorHarness harness (options);
        if (view.show)
            view.show (harness);
        harness.pumpFor (std::chrono::milliseconds (100));
        std::unique_ptr<juce::Component> alone;
        if (view.alone)
        {
            alone = view.alone (harness);
            harness.pumpFor (std::chrono::milliseconds (100));
        }
        if (! harness.writePng (file, alone.get(), alone != nullptr ? static_cast<float> (settings.scale) / 100.0f : 1.0f))
        {
            std::cerr << "cannot write " << file.getFullPathName() << "\n";
            return false;
        }
    }
    catch (const std::exception& e)
    {
        std::cerr << view.name << ": " << e.what() << "\n";
        return false;
    }
    std::cout << file.getFullPathName() << "\n";
    return true;
}
}   // namespace

int main (int argc, char** argv)
{
    Settings settings;
    bool list = false;
    for (int i = 1; i < argc; ++i)
    {
        const juce::String argument (argv[i]);
        const bool hasValue = i + 1 < argc;
        if (argument == "--list")
            list = true;
        else if (argument == "--view" && hasValue)
            settings.view = argv[++i];
        else if (argument == "--out" && hasValue)
            settings.out = argv[++i];
        else if (argument == "--all" && hasValue)
            settings.all = argv[++i];
        else if (argument == "--wrapper" && hasValue)
        {
            const juce::String w (argv[++i]);
            if (w != "standalone" && w != "plugin")
                return usage();
            settings.wrapper = w == "plugin" ? juce::AudioProcessor::wrapperType_VST3
                                             : juce::AudioProcessor::wrapperType_Standalone;
        }
        else if (argument == "--scale" && hasValue)
            settings.scale = juce::String (argv[++i]).getIntValue();
        else if (argument == "--band" && hasValue)
        {
            settings.band = argv[++i];
            if (settings.band != "none" && settings.band != "keyboard" && settings.band != "pads")
                return usage();
        }
        else
            return usage();
    }

    const auto& views = editorsnap::editorViews();
    if (list)
    {
        for (const auto& v : views)
            std::cout << v.name << "  " << v.description << "\n";
        return 0;
    }
    if (settings.all.isEmpty() && (settings.view.isEmpty() || settings.out.isEmpty()))
        return usage();

    // Count as a standalone JUCE application, so JUCE installs its X error
    // handlers (without them Xlib ends the process on a harmless error).
    juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* { return nullptr; };
    juce::ScopedJuceInitialiser_GUI gui;

    const auto cwd = juce::File::getCurrentWorkingDirectory();
    if (settings.all.isNotEmpty())
    {
        const auto folder = cwd.getChildFile (settings.all);
        folder.createDirectory();
        int failures = 0;
        for (const auto& v : views)
            for (const auto& [wrapper, word] :
                 { std::pair { juce::AudioProcessor::wrapperType_Standalone, "standalone" },
                   std::pair { juce::AudioProcessor::wrapperType_VST3, "plugin" } })
                if (! writeView (v, settings, wrapper,
                                 folder.getChildFile (juce::String (v.name) + "-" + word + ".png")))
                    ++failures;
        return failures == 0 ? 0 : 1;
    }

    for (const auto& v : views)
        if (settings.view == v.name)
            return writeView (v, settings, settings.wrapper, cwd.getChildFile (settings.out)) ? 0 : 1;
    std::cerr << "no view named " << settings.view << " (see --list)\n";
    return 2;
}
