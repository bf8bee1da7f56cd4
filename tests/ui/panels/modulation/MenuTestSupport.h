#pragma once

#include "model/Kit.h"
#include "ui/panels/modulation/ModalMenuShow.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace menutest
{
// Every int value of a kit, its effects block and its twelve sounds, taken at
// construction; writes() lists what differs since, as "T3 Sound_Lfo1Dest=4864"
// ("FX ..." for the effects block, "KIT ..." for the kit itself). Tests start
// from values that differ from what they expect to be written.
class KitValueRecorder
{
public:
    explicit KitValueRecorder (Vantu::Kit& kitToWatch) : kit (kitToWatch) { before = snapshot(); }

    std::vector<std::string> writes() const
    {
        std::vector<std::string> out;
        for (const auto& [key, value] : snapshot())
            if (auto it = before.find (key); it == before.end() || it->second != value)
                out.push_back (key + "=" + std::to_string (value));
        return out;
    }

private:
    std::map<std::string, int> snapshot() const
    {
        std::map<std::string, int> values;
        auto add = [&values] (const std::string& label, const MachineDataObject& object) {
            for (const auto& id : object.getRegistrationOrder())
                if (int v = 0; object.getValue (id, v))
                    values[label + " " + id.toString().toStdString()] = v;
        };
        add ("KIT", kit);
        add ("FX", kit.getFx());
        for (int t = 0; t < Vantu::Kit::numTracks; ++t)
            add ("T" + std::to_string (t + 1), *kit.getSound (t));
        return values;
    }

    Vantu::Kit& kit;
    std::map<std::string, int> before;
};

// A menu as lines: "<id> <text>" for an item, followed by " [disabled]" or
// " [ticked]" where it applies; "---" for a separator; "<text> >" for a
// submenu, its items following indented by two blanks.
inline void describeMenu (const juce::PopupMenu& menu, std::vector<std::string>& out, const std::string& indent = {})
{
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();
        if (item.isSeparator)
        {
            out.push_back (indent + "---");
            continue;
        }
        std::string line = indent;
        if (item.subMenu != nullptr)
            line += item.text.toStdString() + " >";
        else
            line += std::to_string (item.itemID) + " " + item.text.toStdString();
        if (! item.isEnabled)
            line += " [disabled]";
        if (item.isTicked)
            line += " [ticked]";
        out.push_back (line);
        if (item.subMenu != nullptr)
            describeMenu (*item.subMenu, out, indent + "  ");
    }
}

inline std::vector<std::string> describeMenu (const juce::PopupMenu& menu)
{
    std::vector<std::string> out;
    describeMenu (menu, out);
    return out;
}

// Replaces the modal step of the parameter menus for its lifetime: each
// opening is described into `shown` and answered by `answer`.
class ScopedModalStep
{
public:
    explicit ScopedModalStep (std::function<int()> answerToGive = [] { return 0; })
        : answer (std::move (answerToGive)),
          previous (ModalMenuShow::replace ([this] (juce::PopupMenu& menu) {
              shown.push_back (describeMenu (menu));
              return answer();
          }))
    {
    }

    ~ScopedModalStep() { ModalMenuShow::replace (std::move (previous)); }

    std::function<int()> answer;
    std::vector<std::vector<std::string>> shown;

private:
    ModalMenuShow::Step previous;
};
} // namespace menutest
