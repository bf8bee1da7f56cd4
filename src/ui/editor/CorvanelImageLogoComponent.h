#pragma once

#include "ui/widgets/SvgIcon.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

// The maker's logo in the footer. A mouse release opens the maker's web page
// (also when the press began on the logo and the release happens elsewhere:
// the release is delivered to the logo). Message thread.
class CorvanelImageLogoComponent : public juce::Component
{
public:
    // Opens a page; the default opens it in the default web browser. Tests
    // replace it.
    using UrlLauncher = std::function<void (const juce::URL&)>;

    static constexpr const char* webPage = "https://corvanel.example/";

    CorvanelImageLogoComponent();

    void resized() override;
    void mouseUp (const juce::MouseEvent& e) override;

    const juce::URL url { webPage };
    UrlLauncher launcher;

private:
    std::unique_ptr<SvgIcon> icon;
};
