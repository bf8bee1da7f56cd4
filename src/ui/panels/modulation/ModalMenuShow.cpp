#include "ui/panels/modulation/ModalMenuShow.h"

namespace ModalMenuShow
{
namespace
{
    Step& replacement()
    {
        static Step step;
        return step;
    }
}

int show (juce::PopupMenu& menu)
{
    // A copy, so that the step may install another one while it runs.
    if (auto step = replacement())
        return step (menu);
    return menu.show();
}

Step replace (Step newReplacement)
{
    auto previous = std::move (replacement());
    replacement() = std::move (newReplacement);
    return previous;
}
}
