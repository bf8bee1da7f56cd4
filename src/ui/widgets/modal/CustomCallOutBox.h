#pragma once

#include "ui/widgets/modal/ModalDismissal.h"

// A modal call-out box whose arrow points at an area, placed on whichever side
// of the area it fits best; closed like QuickModal. Draws through its
// look-and-feel interface. Message thread only.
class CustomCallOutBox : public juce::Component
{
public:
    // area: in screen coordinates, or the parent's when a parent is given.
    CustomCallOutBox (juce::Component& content, juce::Rectangle<int> area, juce::Component* parent);

    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawCustomCallOutBoxBackground (CustomCallOutBox&, juce::Graphics&, const juce::Path& outline,
                                                     juce::Image& cachedBackground) = 0;
        virtual int getCustomCallOutBoxBorderSize (const CustomCallOutBox&) = 0;
    };

    // Places the box around the area within the available space.
    void updatePosition (juce::Rectangle<int> area, juce::Rectangle<int> available);

    void dismiss() { ModalDismissal::postDismiss (*this); }

    int getBorderSize() const;
    juce::Point<float> getTargetPoint() const { return targetPoint; }
    const juce::Path& getOutline() const { return outline; }

    bool hitTest (int x, int y) override { return outline.contains (static_cast<float> (x), static_cast<float> (y)); }
    void paint (juce::Graphics& g) override;
    void resized() override;
    void moved() override { refreshPath(); }
    void childBoundsChanged (juce::Component*) override { updatePosition (targetArea, availableArea); }
    void inputAttemptWhenModal() override;
    void handleCommandMessage (int commandId) override { ModalDismissal::handleCommand (*this, commandId); }
    bool keyPressed (const juce::KeyPress& key) override;

    float arrowSize = 16.0f;
    bool dismissalMouseClicksAreAlwaysConsumed = false;
    float gap = 4.0f;

private:
    void refreshPath();
    float contentScale() const;

    juce::Component& content;
    juce::Path outline;
    juce::Point<float> targetPoint;
    juce::Rectangle<int> availableArea, targetArea;
    juce::Image background;
};

// Launches a CustomCallOutBox and owns it with its content; as QuickModalCallback.
class CustomCallOutBoxCallback : public juce::ModalComponentManager::Callback, public juce::Timer
{
public:
    CustomCallOutBoxCallback (std::unique_ptr<juce::Component> content, juce::Rectangle<int> area, juce::Component* parent,
                              std::shared_ptr<ForegroundProbe> probe = ModalDismissal::defaultProbe());

    void modalStateFinished (int) override {}
    void timerCallback() override;

    CustomCallOutBox& getBox() { return box; }

private:
    std::unique_ptr<juce::Component> content;
    CustomCallOutBox box;
    std::shared_ptr<ForegroundProbe> foreground;
};
