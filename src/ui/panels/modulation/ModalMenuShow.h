#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The modal step of the parameter menus: shows a built menu synchronously at
// the mouse position and returns the chosen item id, 0 when the menu was
// dismissed. One replaceable function, so that tests can look at the built
// menu and answer with an item id instead of opening a window.
namespace ModalMenuShow
{
    using Step = std::function<int (juce::PopupMenu& menu)>;

    // Message thread. Runs the replacement when one is set, else the
    // framework's modal show with its default options. The caller's objects
    // may be destroyed while it runs (the modal loop dispatches messages).
    int show (juce::PopupMenu& menu);

    // Message thread. Installs a replacement (an empty function restores the
    // real show) and returns the one it replaces.
    Step replace (Step replacement);
}
