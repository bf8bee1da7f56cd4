#include "GallerySection.h"
#include "MenuDrawing.h"

#include "model/Kit.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/modulation/ModulationPopupMenu.h"

namespace gallery
{
namespace
{
// The widest item of a menu as the look and feel measures it, with room for
// the submenu arrow.
int menuWidth (juce::LookAndFeel& lf, const juce::PopupMenu& menu)
{
    int widest = 60;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        int w = 0, h = 0;
        lf.getIdealPopupMenuItemSize (it.getItem().text, it.getItem().isSeparator, menuItemHeight, w, h);
        widest = juce::jmax (widest, w + 40);
    }
    return widest;
}

// One open menu, and optionally the submenu of one of its items opened beside
// that item, as the cascading menu windows show them.
class OpenMenuPicture : public juce::Component
{
public:
    OpenMenuPicture (juce::PopupMenu menuToShow, int openItemIndex = -1)
        : menu (std::move (menuToShow)), openIndex (openItemIndex)
    {
    }

    void paint (juce::Graphics& g) override
    {
        auto& lf = getLookAndFeel();
        const int width = menuWidth (lf, menu);
        drawMenuInPlace (g, lf, menu, width, menuHeight (menu), openIndex);

        const juce::PopupMenu* subMenu = nullptr;
        int y = 1, index = 0;
        for (juce::PopupMenu::MenuItemIterator it (menu); it.next(); ++index)
        {
            if (index == openIndex)
            {
                subMenu = it.getItem().subMenu.get();
                break;
            }
            y += it.getItem().isSeparator ? menuSeparatorHeight : menuItemHeight;
        }
        if (subMenu == nullptr)
            return;

        g.saveState();
        g.setOrigin (width - 2, y - 1);
        drawMenuInPlace (g, lf, *subMenu, menuWidth (lf, *subMenu), menuHeight (*subMenu), -1);
        g.restoreState();
    }

private:
    juce::PopupMenu menu;
    int openIndex;
};

// The menu of the filter frequency of a BD MODERN track whose LFO1 targets the
// machine's third parameter and whose first MIDI slots target the amp, the
// filter and another machine's parameter (empty brackets), as built for it.
juce::PopupMenu soundParameterMenu()
{
    constexpr int track = 2;
    Vantu::Kit kit { nullptr };
    auto& sound = *kit.getSound (track);
    sound.setValueFromGui (Sound_MachineType, 0);
    sound.setValueFromGui (Sound_Lfo1Dest, 20 * 256);
    sound.setValueFromGui (Vantu::Sound::velocityDestinationId (0), 40 * 256);
    sound.setValueFromGui (Vantu::Sound::velocityDestinationId (1), 28 * 256);
    sound.setValueFromGui (Vantu::Sound::velocityDestinationId (2), 17 * 256);
    sound.setValueFromGui (Vantu::Sound::pitchBendDestinationId (0), 47 * 256);

    ModulationPopupMenu menu (&kit, track, true, true);
    menu.setParameterId (Sound_FilterFrequency);
    menu.buildMenu();
    return menu.getMenu();
}

// The same menu of an effects-block parameter, LFO submenus only.
juce::PopupMenu effectsParameterMenu()
{
    Vantu::Kit kit { nullptr };
    kit.getFx().setValueFromGui (FX_Lfo2Dest, 35 * 256);

    ModulationPopupMenu menu (&kit, ModulationPopupMenu::fxTrack, true, false);
    menu.setParameterId (FX_DelayFeedback);
    menu.buildMenu();
    return menu.getMenu();
}

class OpenMenusRow : public Strip
{
public:
    OpenMenusRow()
    {
        constexpr int velocityIndex = 7, lfo2Index = 5;
        add (captioned ("Filter Frequency of a BD MODERN track, Velocity open",
                        std::make_unique<OpenMenuPicture> (soundParameterMenu(), velocityIndex)), 420);
        add (captioned ("an effects-block parameter (LFO submenus only), LFO2 open",
                        std::make_unique<OpenMenuPicture> (effectsParameterMenu(), lfo2Index)), 420);
    }
};

// Every submenu of the sound parameter's menu on its own.
class SubMenusRow : public Strip
{
public:
    SubMenusRow()
    {
        const auto menu = soundParameterMenu();
        for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
            if (const auto* subMenu = it.getItem().subMenu.get())
                add (captioned (it.getItem().text, std::make_unique<OpenMenuPicture> (*subMenu)));
    }
};

const GallerySection::Registrar parameterMenu { GallerySection {
    "Parameter right-click menu",
    65,
    {
        { "ModulationPopupMenu drawn in place", 190, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<OpenMenusRow>());
          }, true },
        { "Its submenus", 96, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<SubMenusRow>());
          }, true },
    } } };
} // namespace
} // namespace gallery
