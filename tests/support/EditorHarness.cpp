#include "support/EditorHarness.h"

#include "foundation/GlobalPreferences.h"
#include "processor/PluginProcessorFactory.h"
#include "processor/SynthPluginState.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/MainContentComponent.h"
#include "ui/editor/PluginAudioProcessorEditor.h"

#include <stdexcept>

namespace fhtest
{
using namespace std::chrono_literals;

namespace
{
    constexpr std::uint8_t readCommand = 0x20;
    constexpr int wholeModelReads = 36;

    int unusedPort()
    {
        juce::StreamingSocket socket;
        socket.createListener (0, "127.0.0.1");
        return socket.getBoundPort();   // closed again when the socket goes
    }

    bool isMenuWindow (juce::Component* c)
    {
        return c != nullptr && c->getName() == "menu" && c->isShowing();
    }

    juce::String accessibleTitle (juce::Component& c)
    {
        if (auto* handler = c.getAccessibilityHandler())
            return handler->getTitle();
        return {};
    }
}   // namespace

// Waits (on the message thread, also inside modal loops) for a menu window to
// show and then picks the armed item.
class EditorHarness::MenuWatcher : private juce::Timer
{
public:
    explicit MenuWatcher (juce::String text) : itemText (std::move (text)) { startTimer (10); }

    bool done = false;

private:
    void timerCallback() override
    {
        auto& desktop = juce::Desktop::getInstance();
        for (int i = desktop.getNumComponents(); --i >= 0;)
        {
            auto* window = desktop.getComponent (i);
            if (! isMenuWindow (window))
                continue;
            stopTimer();
            done = true;
            if (itemText.isEmpty())
            {
                juce::PopupMenu::dismissAllActiveMenus();
                return;
            }
            for (auto* child : window->getChildren())
                if (accessibleTitle (*child) == itemText)
                {
                    // The item's own press action: what a click on it does,
                    // without the menu's pointer polling and focus checks.
                    child->getAccessibilityHandler()->getActions().invoke (juce::AccessibilityActionType::press);
                    return;
                }
            juce::PopupMenu::dismissAllActiveMenus();   // no such item: nothing is picked
            return;
        }
    }

    const juce::String itemText;
};

EditorHarness::EditorHarness() : EditorHarness (Options())
{
}

EditorHarness::EditorHarness (Options optionsToUse) : options (std::move (optionsToUse))
{
    if (options.ownHome)
        home = std::make_unique<ScopedTempHome>();

    {
        GlobalPreferences preferences (true, false);
        preferences.setDisableOpenGL (! options.openGL);
        preferences.setShowWelcomeScreen (options.showWelcomeScreen);
        if (options.preferences)
            options.preferences (preferences);
    }

    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = 0;
    emulator = std::make_unique<fhemu::EmulatorSession> (settings);
    if (options.startEngine)
    {
        if (! emulator->start())
            throw std::runtime_error ("the engine emulator did not start");
        emulator->addDevice (fhemu::EmulatorSession::virtualKolvane (kDeviceUid), false);
        engineStarted = true;
    }

    buildProcessor();
    if (options.pluginState)
        options.pluginState (*vantu->getPluginState());
    openEditor();
}

EditorHarness::~EditorHarness()
{
    menuWatcher.reset();
    juce::PopupMenu::dismissAllActiveMenus();
    closeEditor();
    owner.reset();
    vantu = nullptr;
    if (emulator != nullptr)
        emulator->stop();
    juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Undefined;
    fhtest::pumpFor (0ms);
}

void EditorHarness::buildProcessor()
{
    EngineClientOptions client;
    client.messagePort = engineStarted ? emulator->getMessagePort() : unusedPort();
    client.responseTimeout = 3000ms;

    // The factory hands this to juce::AudioProcessor::setTypeOfNextNewPlugin;
    // code that asks for the host's wrapper (juce::PluginHostType::getPluginLoadedAs) reads it too.
    juce::PluginHostType::jucePlugInClientCurrentWrapperType = options.wrapper;
    owner = createPluginProcessor (client, juce::PluginHostType::UnknownHost);
    vantu = dynamic_cast<VantuAudioProcessor*> (owner.get());
    if (vantu == nullptr)
        throw std::runtime_error ("the plug-in factory made no VantuAudioProcessor");

    if (engineStarted)
    {
        const bool ready = fhtest::pumpUntil (
            [&] {
                auto* open = emulator->openDevice (kDeviceUid);
                if (open == nullptr || ! vantu->getEngineClient().isDeviceOpen())
                    return false;
                int reads = 0;
                for (const auto& t : open->dataServer.received().transactions())
                    reads += t.header.command == readCommand ? 1 : 0;
                return reads >= wholeModelReads && vantu->getNumDeviceJobs() == 0
                    && vantu->getAsyncDataWorker().pendingRequestCount() == 0;
            },
            20000ms);
        if (! ready)
            throw std::runtime_error ("the virtual Kolvane's model was not read in time");
    }
}

void EditorHarness::openEditor()
{
    if (editorComponent != nullptr)
        return;
    installPluginEditor();
    editorComponent.reset (dynamic_cast<PluginAudioProcessorEditor*> (vantu->createEditorIfNeeded()));
    if (editorComponent == nullptr)
        throw std::runtime_error ("the processor's editor hook made no PluginAudioProcessorEditor");

    if (options.onDesktop)
    {
        editorComponent->setTopLeftPosition (options.position);
        editorComponent->addToDesktop (juce::ComponentPeer::windowAppearsOnTaskbar);
        editorComponent->setVisible (true);
    }

    // The scale selector's first selection arrives asynchronously and sizes the editor.
    auto& state = *vantu->getPluginState();
    const int scale = MainContentComponent::normalisedScale (state.getIntProperty (PluginStateIds::uiScale, 100));
    fhtest::pumpUntil (
        [&] {
            return state.getIntProperty (PluginStateIds::uiScale, 100) == scale
                && editorComponent->getWidth()
                == juce::roundToInt (std::ceil (1200.0f * static_cast<float> (scale) / 100.0f));
        },
        2000ms);
    fhtest::pumpFor (30ms);
}

void EditorHarness::closeEditor()
{
    if (editorComponent == nullptr)
        return;
    editorComponent->setVisible (false);
    if (editorComponent->isOnDesktop())
        editorComponent->removeFromDesktop();
    editorComponent.reset();
    fhtest::pumpFor (0ms);
}

MainContentComponent& EditorHarness::content()
{
    return editorComponent->getContent();
}

fhemu::EmulatorSession::OpenDevice* EditorHarness::device()
{
    return engineStarted ? emulator->openDevice (kDeviceUid) : nullptr;
}

fhemu::VirtualProject& EditorHarness::project()
{
    auto* open = device();
    if (open == nullptr || open->device == nullptr)
        throw std::runtime_error ("no virtual Kolvane is open");
    return open->device->getProject();
}

void EditorHarness::tick()
{
    vantu->getMachineDataUpdateTimer()->timerCallback();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
}

bool EditorHarness::pumpUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    return fhtest::pumpUntil (condition, timeout);
}

void EditorHarness::pumpFor (std::chrono::milliseconds duration)
{
    fhtest::pumpFor (duration);
}

bool EditorHarness::announce (const std::vector<fhemu::DeviceNotification>& notifications)
{
    auto* open = device();
    return open != nullptr && open->device != nullptr && open->device->announce (notifications);
}

void EditorHarness::showFromDevice (MachineDataObject& object, const juce::Identifier& id, int value)
{
    object.setValueFromMachine (id, value, false);
}

std::vector<fhemu::RecordedTransaction> EditorHarness::allTransactions (fhemu::EmulatorSession::OpenDevice& open)
{
    return open.dataServer.received().transactions();
}

std::size_t EditorHarness::markWrites()
{
    auto* open = device();
    return open != nullptr ? allTransactions (*open).size() : 0;
}

std::vector<fhemu::RecordedTransaction> EditorHarness::writesSince (std::size_t mark)
{
    std::vector<fhemu::RecordedTransaction> out;
    auto* open = device();
    if (open == nullptr)
        return out;
    const auto all = allTransactions (*open);
    for (std::size_t i = mark; i < all.size(); ++i)
        if (all[i].header.command != readCommand)
            out.push_back (all[i]);
    return out;
}

void EditorHarness::visit (juce::Component* root, const std::function<bool (juce::Component&)>& visitor)
{
    std::function<bool (juce::Component&)> walk = [&] (juce::Component& c) {
        if (visitor (c))
            return true;
        for (auto* child : c.getChildren())
            if (walk (*child))
                return true;
        return false;
    };
    if (root == nullptr)
        root = editorComponent.get();
    if (root != nullptr)
        walk (*root);
}

juce::Component* EditorHarness::findByName (const juce::String& name, juce::Component* root)
{
    juce::Component* found = nullptr;
    visit (root, [&] (juce::Component& c) { return (found = c.getName() == name ? &c : nullptr) != nullptr; });
    return found;
}

juce::Component* EditorHarness::findById (const juce::String& componentId, juce::Component* root)
{
    juce::Component* found = nullptr;
    visit (root,
           [&] (juce::Component& c) { return (found = c.getComponentID() == componentId ? &c : nullptr) != nullptr; });
    return found;
}

juce::Component* EditorHarness::findByText (const juce::String& text, juce::Component* root)
{
    juce::Component* found = nullptr;
    visit (root, [&] (juce::Component& c) {
        juce::String shown;
        if (auto* button = dynamic_cast<juce::Button*> (&c))
            shown = button->getButtonText();
        else if (auto* label = dynamic_cast<juce::Label*> (&c))
            shown = label->getText();
        else if (auto* box = dynamic_cast<juce::ComboBox*> (&c))
            shown = box->getText();
        else if (auto* editor = dynamic_cast<juce::TextEditor*> (&c))
            shown = editor->getText();
        else
            return false;
        return (found = shown == text ? &c : nullptr) != nullptr;
    });
    return found;
}

juce::Rectangle<int> EditorHarness::boundsInContent (juce::Component& component)
{
    return content().getLocalArea (&component, component.getLocalBounds());
}

bool EditorHarness::isShowing (juce::Component& component)
{
    for (auto* c = &component; c != nullptr; c = c->getParentComponent())
        if (! c->isVisible())
            return false;
    return ! component.getBounds().isEmpty();
}

void EditorHarness::sendMouse (juce::Component& component, juce::Point<float> at, juce::ModifierKeys mods)
{
    auto* peer = component.getPeer();
    if (peer == nullptr)
        throw std::runtime_error ("the component is not in a window: " + component.getName().toStdString());
    const auto inPeer = peer->getComponent().getLocalPoint (&component, at);
    juce::ModifierKeys::currentModifiers = mods;
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, inPeer, mods,
                            juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                            juce::Time::currentTimeMillis());
}

void EditorHarness::mouseMove (juce::Component& component, std::optional<juce::Point<float>> at)
{
    sendMouse (component, at.value_or (component.getLocalBounds().toFloat().getCentre()),
               juce::ModifierKeys::currentModifiers.withoutMouseButtons());
}

void EditorHarness::mouseDown (juce::Component& component, juce::ModifierKeys buttons,
                               std::optional<juce::Point<float>> at)
{
    sendMouse (component, at.value_or (component.getLocalBounds().toFloat().getCentre()), buttons);
}

void EditorHarness::mouseDrag (juce::Component& component, juce::ModifierKeys buttons, juce::Point<float> at)
{
    sendMouse (component, at, buttons);
}

void EditorHarness::mouseUp (juce::Component& component, std::optional<juce::Point<float>> at, juce::ModifierKeys keys)
{
    sendMouse (component, at.value_or (component.getLocalBounds().toFloat().getCentre()), keys.withoutMouseButtons());
}

void EditorHarness::click (juce::Component& component, juce::ModifierKeys modifiers,
                           std::optional<juce::Point<float>> at)
{
    if (! modifiers.isAnyMouseButtonDown())
        modifiers = modifiers.withFlags (juce::ModifierKeys::leftButtonModifier);
    // The component may go during the click (a menu item, a closing pop-up).
    juce::Component::SafePointer<juce::Component> safe (&component);
    auto* peer = component.getPeer();
    if (peer == nullptr)
        throw std::runtime_error ("the component is not in a window: " + component.getName().toStdString());
    const auto inPeer = peer->getComponent().getLocalPoint (
        &component, at.value_or (component.getLocalBounds().toFloat().getCentre()));
    juce::Component::SafePointer<juce::Component> peerComponent (&peer->getComponent());
    const auto send = [&] (juce::ModifierKeys mods) {
        if (peerComponent == nullptr)
            return;
        if (auto* p = peerComponent->getPeer())
        {
            juce::ModifierKeys::currentModifiers = mods;
            p->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, inPeer, mods,
                                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                 juce::Time::currentTimeMillis());
        }
    };
    send (modifiers.withoutMouseButtons());
    send (modifiers);
    send (modifiers.withoutMouseButtons());
}

bool EditorHarness::pressKey (const juce::KeyPress& key)
{
    auto* peer = editorComponent->getPeer();
    if (peer == nullptr)
        throw std::runtime_error ("the editor is not in a window");
    juce::ModifierKeys::currentModifiers = key.getModifiers();
    const bool used = peer->handleKeyPress (key);
    juce::ModifierKeys::currentModifiers = juce::ModifierKeys();
    return used;
}

void EditorHarness::moveWindowTo (juce::Point<int> topLeft)
{
    editorComponent->setTopLeftPosition (topLeft);
}

void EditorHarness::pickFromNextMenu (const juce::String& itemText)
{
    menuWatcher = std::make_unique<MenuWatcher> (itemText);
}

bool EditorHarness::menuPickDone() const
{
    return menuWatcher != nullptr && menuWatcher->done;
}

juce::StringArray EditorHarness::openMenuItems()
{
    juce::StringArray items;
    auto& desktop = juce::Desktop::getInstance();
    for (int i = desktop.getNumComponents(); --i >= 0;)
        if (auto* window = desktop.getComponent (i); isMenuWindow (window))
        {
            for (auto* child : window->getChildren())
                if (const auto title = accessibleTitle (*child); title.isNotEmpty())
                    items.add (title);
            break;
        }
    return items;
}

bool EditorHarness::isMenuOpen()
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (isMenuWindow (desktop.getComponent (i)))
            return true;
    return false;
}

void EditorHarness::closeModalPopups()
{
    juce::PopupMenu::dismissAllActiveMenus();
    auto* modal = juce::ModalComponentManager::getInstance();
    for (int i = modal->getNumModalComponents(); --i >= 0;)
        if (auto* c = modal->getModalComponent (i))
            c->exitModalState (0);
    fhtest::pumpFor (20ms);
}

juce::Image EditorHarness::snapshot (juce::Component* component, float scale)
{
    auto& c = component != nullptr ? *component : static_cast<juce::Component&> (*editorComponent);
    return c.createComponentSnapshot (c.getLocalBounds(), true, scale);
}

bool EditorHarness::writePng (const juce::File& file, juce::Component* component, float scale)
{
    const auto image = snapshot (component, scale);
    file.deleteFile();
    file.getParentDirectory().createDirectory();
    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}

bool EditorHarness::writeScreenshot (const juce::String& name, juce::Component* component)
{
    const char* folder = std::getenv ("FH_SCREENSHOT_DIR");
    if (folder == nullptr)
        return true;
    return writePng (juce::File (folder).getChildFile (name + ".png"), component);
}
}   // namespace fhtest
