#pragma once

#include "support/EditorHarness.h"

#include <functional>
#include <memory>
#include <vector>

namespace editorsnap
{
// One named view of the editor: what to set before the editor is built and
// what to do to it before the picture is taken. A view with `alone` pictures
// the component it builds on the harness's processor (a panel on its own, at
// the size it gives it) instead of the editor.
struct EditorView
{
    const char* name;
    const char* description;
    std::function<void (fhtest::EditorHarness::Options&)> configure;   // may be empty
    std::function<void (fhtest::EditorHarness&)> show;                 // may be empty
    std::function<std::unique_ptr<juce::Component> (fhtest::EditorHarness&)> alone = {};
};

// Every view, in the order --list and --all use.
const std::vector<EditorView>& editorViews();
}   // namespace editorsnap
