#pragma once

#include "support/EditorHarness.h"

#include <functional>
#include <vector>

namespace editorsnap
{
// One named view of the editor: what to set before the editor is built and
// what to do to it before the picture is taken.
struct EditorView
{
    const char* name;
    const char* description;
    std::function<void (fhtest::EditorHarness::Options&)> configure;   // may be empty
    std::function<void (fhtest::EditorHarness&)> show;                 // may be empty
};

// Every view, in the order --list and --all use.
const std::vector<EditorView>& editorViews();
}   // namespace editorsnap
