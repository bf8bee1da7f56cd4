#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace juce
{
// The program's drop-down box: a label showing the chosen item, a pop-up menu
// of items with non-zero integer ids, keyboard and mouse handling and change
// notification. Its colour follows a palette hue and it draws through its own
// look-and-feel interface. Message thread only.
class CustomComboBox : public Component,
                       public SettableTooltipClient,
                       public Label::Listener,
                       public Value::Listener,
                       public AsyncUpdater,
                       public HasHue
{
public:
    explicit CustomComboBox (const String& componentName = {});
    ~CustomComboBox() override;

    // Receives the box's changes on the message thread, from the message loop
    // (or at once for a synchronous notification).
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void comboBoxChanged (CustomComboBox* box) = 0;
    };

    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawCustomComboBox (Graphics&, int width, int height, bool isButtonDown, int buttonX, int buttonY,
                                         int buttonW, int buttonH, CustomComboBox&) = 0;
        virtual Font getCustomComboBoxFont (CustomComboBox&) = 0;
        virtual Label* createCustomComboBoxTextBox (CustomComboBox&) = 0;
        virtual void positionCustomComboBoxText (CustomComboBox&, Label&) = 0;
    };

    virtual void showPopup();
    // The menu the pop-up shows: the items with the selected one ticked, or one
    // disabled "(no choices)" line when there is nothing to choose.
    PopupMenu createMenuToShow();
    void showPopupIfNotActive();
    void hidePopup();
    bool isPopupActive() const noexcept { return menuActive; }

    PopupMenu* getRootMenu() { return &currentMenu; }
    int getNumItems() const;
    int getSelectedId() const;
    int getSelectedItemIndex() const;
    void setSelectedId (int newItemId, NotificationType notification = sendNotificationAsync);
    String getText() const { return label != nullptr ? label->getText() : String(); }

    void setTextWhenNothingSelected (const String& text);
    const String& getTextWhenNothingSelected() const noexcept { return textWhenNothingSelected; }
    const String& getTextWhenNoChoicesAvailable() const noexcept { return noChoicesMessage; }

    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    void setTooltip (const String& newTooltip) override;
    String getTooltip() override;

    Label* getLabel() const noexcept { return label.get(); }
    Value& getSelectedIdAsValue() { return currentId; }

    // Takes the hue's bright shade as the text colour at once.
    void setHue (int newHue) override;

    void paint (Graphics&) override;
    void resized() override;
    void lookAndFeelChanged() override;
    void colourChanged() override;
    void parentHierarchyChanged() override;
    void enablementChanged() override;
    void focusGained (FocusChangeType) override;
    void focusLost (FocusChangeType) override;
    void mouseDown (const MouseEvent&) override;
    void mouseDrag (const MouseEvent&) override;
    void mouseUp (const MouseEvent&) override;
    bool keyPressed (const KeyPress&) override;
    bool keyStateChanged (bool isKeyDown) override;
    void labelTextChanged (Label*) override;
    void valueChanged (Value&) override;
    void handleAsyncUpdate() override;

    // Screen readers see a combo box: its value is the shown text (read only),
    // pressing it or asking for its menu opens the pop-up.
    std::unique_ptr<AccessibilityHandler> createAccessibilityHandler() override;

private:
    const PopupMenu::Item* getItemForId (int itemId) const;
    const PopupMenu::Item* getItemForIndex (int index) const;
    void nudgeSelectedItem (int delta);
    void applyHueColours();
    void sendChange (NotificationType notification);

    PopupMenu currentMenu;
    Value currentId;
    int lastCurrentId = 0;
    bool isButtonDown = false;
    bool menuActive = false;
    ListenerList<Listener> listeners;
    std::unique_ptr<Label> label;
    String textWhenNothingSelected;
    String noChoicesMessage;
    int labelEditableState = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomComboBox)
};
} // namespace juce
