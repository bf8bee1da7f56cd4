#pragma once

#include "ui/widgets/modal/ModalDismissal.h"

// A borderless modal box placed exactly where the caller says, closed by a
// click outside it, Escape or the dismiss command. Message thread only.
class QuickModal : public juce::Component
{
public:
    QuickModal (juce::Component& content, juce::Rectangle<int> area);

    void dismiss() { ModalDismissal::postDismiss (*this); }

    bool hitTest (int x, int y) override { return outline.contains (static_cast<float> (x), static_cast<float> (y)); }
    void paint (juce::Graphics&) override {}
    void resized() override;
    void moved() override { refreshPath(); }
    void childBoundsChanged (juce::Component*) override {}
    void inputAttemptWhenModal() override;
    void handleCommandMessage (int commandId) override { ModalDismissal::handleCommand (*this, commandId); }
    bool keyPressed (const juce::KeyPress& key) override;

    const juce::Path& getOutline() const { return outline; }

    bool dismissalMouseClicksAreAlwaysConsumed = false;
    float gap = 4.0f;

private:
    void refreshPath();

    juce::Component& content;
    juce::Path outline;
    juce::Rectangle<int> targetArea;
    juce::Image background;
};

// Launches a QuickModal and owns it with its content; the modal manager
// deletes it once the box has closed. Closes the box when another program's
// window comes to the front (checked every 200 ms). Message thread only.
class QuickModalCallback : public juce::ModalComponentManager::Callback, public juce::Timer
{
public:
    QuickModalCallback (std::unique_ptr<juce::Component> content, juce::Rectangle<int> area,
                        std::shared_ptr<ForegroundProbe> probe = ModalDismissal::defaultProbe());

    void modalStateFinished (int) override {}
    void timerCallback() override;

    QuickModal& getBox() { return box; }

private:
    std::unique_ptr<juce::Component> content;
    QuickModal box;
    std::shared_ptr<ForegroundProbe> foreground;
};
