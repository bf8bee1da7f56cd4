#pragma once

// The header's pop-ups as tests find them: the QuickModal on the desktop that
// holds a given kind of content, and the result its modal state ends with.
#include "ui/widgets/modal/QuickModal.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace editortest
{
template <typename Content>
QuickModal* findPopup (Content** content = nullptr)
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* box = dynamic_cast<QuickModal*> (desktop.getComponent (i)); box != nullptr && box->isVisible())
            for (auto* child : box->getChildren())
                if (auto* c = dynamic_cast<Content*> (child))
                {
                    if (content != nullptr)
                        *content = c;
                    return box;
                }
    return nullptr;
}

// Records the result the box's modal state ends with (-1 until then).
inline std::shared_ptr<int> watchResult (QuickModal& box)
{
    auto result = std::make_shared<int> (-1);
    juce::ModalComponentManager::getInstance()->attachCallback (
        &box, juce::ModalCallbackFunction::create ([result] (int r) { *result = r; }));
    return result;
}
}   // namespace editortest
