#include "ui/widgets/combobox/CustomComboBox.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace juce
{
CustomComboBox::CustomComboBox (const String& componentName)
    : Component (componentName), noChoicesMessage (TRANS ("(no choices)"))
{
    setRepaintsOnMouseActivity (true);
    lookAndFeelChanged();
    currentId.addListener (this);
}

CustomComboBox::~CustomComboBox()
{
    currentId.removeListener (this);
    if (menuActive)
    {
        menuActive = false;
        PopupMenu::dismissAllActiveMenus();
    }
    label.reset();
}

//------------------------------------------------------------------------------
const PopupMenu::Item* CustomComboBox::getItemForId (int itemId) const
{
    if (itemId != 0)
        for (PopupMenu::MenuItemIterator iterator (currentMenu, true); iterator.next();)
        {
            auto& item = iterator.getItem();
            if (item.itemID == itemId)
                return &item;
        }
    return nullptr;
}

const PopupMenu::Item* CustomComboBox::getItemForIndex (int index) const
{
    int n = 0;
    for (PopupMenu::MenuItemIterator iterator (currentMenu, true); iterator.next();)
    {
        auto& item = iterator.getItem();
        if (item.itemID != 0)
            if (n++ == index)
                return &item;
    }
    return nullptr;
}

int CustomComboBox::getNumItems() const
{
    int n = 0;
    for (PopupMenu::MenuItemIterator iterator (currentMenu, true); iterator.next();)
        if (iterator.getItem().itemID != 0)
            ++n;
    return n;
}

int CustomComboBox::getSelectedId() const
{
    const auto id = static_cast<int> (currentId.getValue());
    if (auto* item = getItemForId (id))
        if (label != nullptr && label->getText() == item->text)
            return id;
    return 0;
}

int CustomComboBox::getSelectedItemIndex() const
{
    const auto id = static_cast<int> (currentId.getValue());
    if (id == 0)
        return -1;
    int n = 0;
    for (PopupMenu::MenuItemIterator iterator (currentMenu, true); iterator.next();)
    {
        auto& item = iterator.getItem();
        if (item.itemID == 0)
            continue;
        if (item.itemID == id)
            return (label != nullptr && label->getText() == item.text) ? n : -1;
        ++n;
    }
    return -1;
}

void CustomComboBox::setSelectedId (int newItemId, NotificationType notification)
{
    auto* item = getItemForId (newItemId);
    const auto newText = item != nullptr ? item->text : String();

    if (lastCurrentId != newItemId || label->getText() != newText)
    {
        label->setText (newText, dontSendNotification);
        lastCurrentId = newItemId;
        currentId = newItemId;
        repaint();
        sendChange (notification);
    }
}

void CustomComboBox::sendChange (NotificationType notification)
{
    if (notification == dontSendNotification)
        return;
    triggerAsyncUpdate();
    if (notification == sendNotificationSync)
        handleUpdateNowIfNeeded();
}

void CustomComboBox::handleAsyncUpdate()
{
    Component::BailOutChecker checker (this);
    listeners.callChecked (checker, [this] (Listener& l) { l.comboBoxChanged (this); });
    if (checker.shouldBailOut())
        return;

    if (auto* handler = getAccessibilityHandler())
        handler->notifyAccessibilityEvent (AccessibilityEvent::valueChanged);
}

void CustomComboBox::setTextWhenNothingSelected (const String& text)
{
    if (textWhenNothingSelected != text)
    {
        textWhenNothingSelected = text;
        repaint();
    }
}

void CustomComboBox::addListener (Listener* listener)
{
    listeners.add (listener);   // the list refuses duplicates
}

void CustomComboBox::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

void CustomComboBox::setTooltip (const String& newTooltip)
{
    SettableTooltipClient::setTooltip (newTooltip);
    label->setTooltip (newTooltip);
}

String CustomComboBox::getTooltip()
{
    return label->getTooltip();
}

//------------------------------------------------------------------------------
void CustomComboBox::lookAndFeelChanged()
{
    repaint();

    std::unique_ptr<Label> newLabel;
    if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
        newLabel.reset (methods->createCustomComboBoxTextBox (*this));
    if (newLabel == nullptr)
        newLabel = std::make_unique<Label>();

    if (label != nullptr)
    {
        newLabel->setEditable (label->isEditable(), false, false);
        newLabel->setJustificationType (label->getJustificationType());
        newLabel->setTooltip (label->getTooltip());
        newLabel->setText (label->getText(), dontSendNotification);
    }
    label = std::move (newLabel);

    addAndMakeVisible (label.get());

    const int newEditableState = label->isEditable() ? 2 : 1;
    if (newEditableState != labelEditableState)
    {
        labelEditableState = newEditableState;
        setWantsKeyboardFocus (labelEditableState == 1);
    }

    label->addListener (this);
    label->addMouseListener (this, false);
    // A label that only shows the choice is read through the box itself.
    label->setAccessible (labelEditableState == 2);

    label->setColour (Label::backgroundColourId, Colours::transparentBlack);
    label->setColour (Label::textColourId, findColour (ComboBox::textColourId));
    label->setColour (TextEditor::textColourId, findColour (ComboBox::textColourId));
    label->setColour (TextEditor::backgroundColourId, Colours::transparentBlack);
    label->setColour (TextEditor::highlightColourId, findColour (TextEditor::highlightColourId));
    label->setColour (TextEditor::outlineColourId, Colours::transparentBlack);

    resized();
}

void CustomComboBox::colourChanged() { lookAndFeelChanged(); }
void CustomComboBox::parentHierarchyChanged() { lookAndFeelChanged(); }
void CustomComboBox::enablementChanged() { repaint(); }
void CustomComboBox::focusGained (FocusChangeType) { repaint(); }
void CustomComboBox::focusLost (FocusChangeType) { repaint(); }

void CustomComboBox::resized()
{
    if (getHeight() > 0 && getWidth() > 0)
        if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
            methods->positionCustomComboBoxText (*this, *label);
}

void CustomComboBox::setHue (int newHue)
{
    HasHue::setHue (newHue);
    applyHueColours();
    repaint();
}

void CustomComboBox::applyHueColours()
{
    if (findLookAndFeelCorvanel (*this) != nullptr)
    {
        const auto shade = HuePalette::shades (hue).bright;
        // Only a changed colour rebuilds the label (through colourChanged).
        setColour (ComboBox::textColourId, shade);
        label->setColour (CorvanelColourIds::smallLabelText, shade);
    }
}

void CustomComboBox::paint (Graphics& g)
{
    applyHueColours();

    if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
        methods->drawCustomComboBox (g, getWidth(), getHeight(), isButtonDown, label->getRight(), 0,
                                     getWidth() - label->getRight(), getHeight(), *this);

    if (textWhenNothingSelected.isNotEmpty() && label->getText().isEmpty() && ! label->isBeingEdited())
    {
        auto* laf = findLookAndFeelCorvanel (*this);
        g.setColour (findColour (ComboBox::textColourId));
        g.setFont (laf != nullptr ? laf->getPopupMenuFont().withHeight (10.0f) : Font (10.0f));
        auto area = label->getBounds();
        area.setX (area.getX() + 9);
        area.setWidth (jmax (0, area.getWidth() - 9));
        g.drawFittedText (textWhenNothingSelected, area, Justification::centredLeft, 1, 1.0f);
    }
}

//------------------------------------------------------------------------------
void CustomComboBox::showPopupIfNotActive()
{
    if (menuActive)
        return;
    menuActive = true;
    // Later, so that a mouse event that closed another pop-up lets it close first.
    MessageManager::callAsync ([safe = SafePointer<CustomComboBox> (this)] {
        if (safe != nullptr)
            safe->showPopup();
    });
    repaint();
}

void CustomComboBox::hidePopup()
{
    if (menuActive)
    {
        menuActive = false;
        PopupMenu::dismissAllActiveMenus();
        repaint();
    }
}

PopupMenu CustomComboBox::createMenuToShow()
{
    bool hasItems = false;
    for (PopupMenu::MenuItemIterator iterator (currentMenu, false); iterator.next();)
        if (! iterator.getItem().isSeparator)
            hasItems = true;

    PopupMenu menu;
    if (hasItems)
    {
        const auto selected = getSelectedId();
        for (PopupMenu::MenuItemIterator iterator (currentMenu, true); iterator.next();)
        {
            auto& item = iterator.getItem();
            if (item.itemID != 0)
                item.isTicked = (item.itemID == selected);
        }
        menu = currentMenu;
    }
    else
    {
        menu.addItem (1, noChoicesMessage, false, false);
    }
    return menu;
}

void CustomComboBox::showPopup()
{
    if (! menuActive)
        menuActive = true;

    auto menu = createMenuToShow();
    const auto selected = getSelectedId();
    menu.setLookAndFeel (&getLookAndFeel());
    const auto options = PopupMenu::Options()
                             .withTargetComponent (this)
                             .withTargetScreenArea (getScreenBounds())
                             .withItemThatMustBeVisible (selected)
                             .withMinimumWidth (getWidth())
                             .withMaximumNumColumns (1)
                             .withStandardItemHeight (label->getHeight());

    menu.showMenuAsync (options, [safe = SafePointer<CustomComboBox> (this)] (int result) {
        if (safe == nullptr)
            return;
        safe->hidePopup();
        if (result != 0)
            safe->setSelectedId (result, sendNotificationAsync);
    });
}

//------------------------------------------------------------------------------
void CustomComboBox::mouseDown (const MouseEvent& e)
{
    beginDragAutoRepeat (300);
    isButtonDown = isEnabled() && ! e.mods.isPopupMenu();
    if (isButtonDown && (e.eventComponent == this || ! label->isEditable()))
        showPopupIfNotActive();
}

void CustomComboBox::mouseDrag (const MouseEvent& e)
{
    beginDragAutoRepeat (50);
    if (isButtonDown && e.mouseWasDraggedSinceMouseDown())
        showPopupIfNotActive();
}

void CustomComboBox::mouseUp (const MouseEvent& e2)
{
    if (! isButtonDown)
        return;
    isButtonDown = false;
    repaint();

    const auto e = e2.getEventRelativeTo (this);
    if (reallyContains (e.getPosition(), true) && (e2.eventComponent == this || ! label->isEditable()))
        showPopupIfNotActive();
}

bool CustomComboBox::keyPressed (const KeyPress& key)
{
    const auto mods = key.getModifiers();
    if (mods.isShiftDown() || mods.isCtrlDown() || mods.isAltDown())
        return false;
    if (key == KeyPress::returnKey)
    {
        showPopupIfNotActive();
        return true;
    }
    if (key == KeyPress::upKey || key == KeyPress::leftKey)
    {
        nudgeSelectedItem (-1);
        return true;
    }
    if (key == KeyPress::downKey || key == KeyPress::rightKey)
    {
        nudgeSelectedItem (1);
        return true;
    }
    return false;
}

bool CustomComboBox::keyStateChanged (bool isKeyDown)
{
    return isKeyDown
        && (KeyPress::isKeyCurrentlyDown (KeyPress::upKey) || KeyPress::isKeyCurrentlyDown (KeyPress::leftKey)
            || KeyPress::isKeyCurrentlyDown (KeyPress::downKey) || KeyPress::isKeyCurrentlyDown (KeyPress::rightKey));
}

void CustomComboBox::nudgeSelectedItem (int delta)
{
    const auto numItems = getNumItems();
    for (int i = getSelectedItemIndex() + delta; i >= 0 && i < numItems; i += delta)
    {
        auto* item = getItemForIndex (i);
        if (item != nullptr && item->isEnabled)
        {
            setSelectedId (item->itemID, sendNotificationAsync);
            return;
        }
    }
}

void CustomComboBox::labelTextChanged (Label*)
{
    triggerAsyncUpdate();
}

void CustomComboBox::valueChanged (Value&)
{
    if (lastCurrentId != static_cast<int> (currentId.getValue()))
        setSelectedId (currentId.getValue(), sendNotificationAsync);
}

//------------------------------------------------------------------------------
namespace
{
class CustomComboBoxAccessibilityHandler : public AccessibilityHandler
{
public:
    explicit CustomComboBoxAccessibilityHandler (CustomComboBox& boxToWrap)
        : AccessibilityHandler (boxToWrap, AccessibilityRole::comboBox, actionsFor (boxToWrap),
                                { std::make_unique<ShownTextValue> (boxToWrap) }),
          box (boxToWrap)
    {
    }

    AccessibleState getCurrentState() const override
    {
        const auto state = AccessibilityHandler::getCurrentState().withExpandable();
        return box.isPopupActive() ? state.withExpanded() : state.withCollapsed();
    }

    // A box without a title of its own is announced by what it shows.
    String getTitle() const override { return box.getTitle().isNotEmpty() ? box.getTitle() : box.getText(); }
    String getHelp() const override { return box.getTooltip(); }

private:
    class ShownTextValue : public AccessibilityTextValueInterface
    {
    public:
        explicit ShownTextValue (CustomComboBox& b) : box (b) {}
        bool isReadOnly() const override { return true; }
        String getCurrentValueAsString() const override { return box.getText(); }
        void setValueAsString (const String&) override {}

    private:
        CustomComboBox& box;
    };

    // Both open the pop-up once; a request while it is open changes nothing.
    static AccessibilityActions actionsFor (CustomComboBox& box)
    {
        return AccessibilityActions()
            .addAction (AccessibilityActionType::press, [&box] { box.showPopupIfNotActive(); })
            .addAction (AccessibilityActionType::showMenu, [&box] { box.showPopupIfNotActive(); });
    }

    CustomComboBox& box;
};
} // namespace

std::unique_ptr<AccessibilityHandler> CustomComboBox::createAccessibilityHandler()
{
    return std::make_unique<CustomComboBoxAccessibilityHandler> (*this);
}
} // namespace juce
