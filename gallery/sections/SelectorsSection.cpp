#include "GallerySection.h"

#include "ui/widgets/CustomTabButtons.h"
#include "ui/widgets/SeparatedTabs.h"
#include "ui/widgets/selectors/Selectors.h"

namespace gallery
{
namespace
{
// Five instances side by side in hues 1, 4, 7, 10 and 13, each as wide as
// given (the per-hue cells are too narrow for these rows).
template <typename Make>
std::unique_ptr<juce::Component> inHues (int width, Make make)
{
    auto strip = std::make_unique<Strip>();
    for (int i = 0; i < 5; ++i)
    {
        auto selector = make (i);
        selector->setHue (1 + 3 * i);
        strip->add (std::move (selector), width);
    }
    return strip;
}

const GallerySection::Registrar selectors { GallerySection {
    "Selectors and separated tabs",
    52,
    {
        { "TriggerModeSelector (hues 1, 4, 7, 10, 13)", 24, [] (int) {
              return inHues (190, [] (int i) {
                  auto s = std::make_unique<TriggerModeSelector>();
                  s->setSelectedIndex (i % 5);
                  return s;
              });
          },
          true },
        { "SelectFilterType (analog track)", 20, [] (int) {
              return inHues (190, [] (int i) {
                  const std::vector<int> ids { 0, 2, 4, 5, 9, 6, 10, 7 };
                  auto s = std::make_unique<corvanel::SelectFilterType> (ids);
                  s->setSelectedType (ids[(size_t) (i * 3) % ids.size()], false);
                  return s;
              });
          },
          true },
        { "SelectFilterType (effects, digital)", 20, [] (int) {
              return inHues (190, [] (int i) {
                  const std::vector<int> ids = i % 2 == 0 ? std::vector<int> { 16, 13, 15, 14, 11, 12, 17, 7 } : std::vector<int> { 0, 4, 8 };
                  auto s = std::make_unique<corvanel::SelectFilterType> (ids);
                  s->setSelectedType (ids[(size_t) i % ids.size()], false);
                  return s;
              });
          },
          true },
        { "SelectLFOWaveform", 20, [] (int) {
              return inHues (154, [] (int i) {
                  auto s = std::make_unique<SelectLFOWaveform>();
                  s->setSelectedWaveform ((i * 2) % 7, false);
                  return s;
              });
          },
          true },
        { "BankButtons", 20, [] (int) {
              return inHues (190, [] (int i) {
                  auto s = std::make_unique<BankButtons>();
                  s->setSelectedBank ((i * 3) % 8);
                  return s;
              });
          },
          true },
        { "BassDrumSharpWaveformSelector", 44, [] (int hue) {
              auto s = std::make_unique<BassDrumSharpWaveformSelector>();
              s->setSelectedIndex (hue % 5);
              return std::unique_ptr<juce::Component> (std::move (s));
          } },
        { "BassDrumWaveformSelector", 50, [] (int hue) {
              auto s = std::make_unique<BassDrumWaveformSelector>();
              s->setSelectedIndex (hue % 3);
              return std::unique_ptr<juce::Component> (std::move (s));
          } },
        { "SeparatedTabButtonBar + SeparatedTabbedComponent", 90, [] (int) {
              struct Demo : juce::Component
              {
                  Demo()
                  {
                      for (auto name : { "Kit Editor", "Sound Browser" })
                      {
                          auto* b = new CustomSectionTabButton (name);
                          b->setRadioGroupId (3);
                          b->setClickingTogglesState (true);
                          b->setConnectedEdges (juce::Button::ConnectedOnBottom);
                          b->setComponentID ("SectionBtn");
                          bar.addButton (b);
                      }
                      for (auto text : { "kit editor view", "sound browser view" })
                      {
                          auto* content = new juce::Label ({}, text);
                          tabs.contents.add (content);
                          tabs.addChildComponent (content);
                      }
                      bar.setSelectedIndex (1);
                      tabs.setCurrentTab (1);
                      addAndMakeVisible (bar);
                      addAndMakeVisible (tabs);
                  }
                  void resized() override
                  {
                      bar.setBounds (0, 0, getWidth(), 28);
                      tabs.setBounds (0, 30, 400, getHeight() - 30);
                  }
                  SeparatedTabButtonBar bar;
                  SeparatedTabbedComponent tabs;
              };
              return std::unique_ptr<juce::Component> (std::make_unique<Demo>());
          },
          true },
    },
} };
} // namespace
} // namespace gallery
