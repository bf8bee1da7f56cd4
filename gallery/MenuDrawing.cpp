#include "MenuDrawing.h"

namespace gallery
{
void drawMenuInPlace (juce::Graphics& g, juce::LookAndFeel& lf, const juce::PopupMenu& menu, int width, int height,
                      int highlightedItem)
{
    // The look and feel fills the whole clip region with the background.
    juce::Graphics::ScopedSaveState clip (g);
    g.reduceClipRegion (0, 0, width, height);

    lf.drawPopupMenuBackground (g, width, height);
    int y = 1, index = 0;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();
        const int h = item.isSeparator ? menuSeparatorHeight : menuItemHeight;
        if (auto* custom = item.customComponent.get())
        {
            custom->setBounds (1, y, width - 2, h);
            juce::Graphics::ScopedSaveState at (g);
            g.setOrigin ({ 1, y });
            custom->paintEntireComponent (g, true);
            y += h;
            ++index;
            continue;
        }
        lf.drawPopupMenuItem (g, { 1, y, width - 2, h }, item.isSeparator, item.isEnabled,
                              ! item.isSeparator && index == highlightedItem, item.isTicked, item.subMenu != nullptr,
                              item.text, item.shortcutKeyDescription, nullptr, nullptr);
        y += h;
        ++index;
    }
}

int menuHeight (const juce::PopupMenu& menu)
{
    int height = 2;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        height += it.getItem().isSeparator ? menuSeparatorHeight : menuItemHeight;
    return height;
}
} // namespace gallery
