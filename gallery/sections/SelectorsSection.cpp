#include "GallerySection.h"

#include "ui/widgets/CustomTabButtons.h"
#include "ui/widgets/SeparatedTabs.h"
#include "ui/widgets/selectors/Selectors.h"

namespace gallery
{
namespace
{
const GallerySection::Registrar selectors { GallerySection {
    "Selectors and separated tabs",
    52,
    {
        { "TriggerModeSelector", 24, [] (int hue) {
              auto s = std::make_unique<TriggerModeSelector>();
              s->setSelectedIndex (hue % 5);
              return std::unique_ptr<juce::Component> (std::move (s));
          } },
        { "SelectFilterType (analog track)", 20, [] (int hue) {
              auto s = std::make_unique<corvanel::SelectFilterType> (std::vector<int> { 0, 2, 4, 5, 9, 6, 10, 7 });
              const int ids[] = { 0, 2, 4, 5, 9, 6, 10, 7 };
              s->setSelectedType (ids[hue % 8], false);
              return std::unique_ptr<juce::Component> (std::move (s));
          } },
        { "SelectFilterType (effects)", 20, [] (int hue) {
              auto s = std::make_unique<corvanel::SelectFilterType> (std::vector<int> { 16, 13, 15, 14, 11, 12, 17, 7 });
              const int ids[] = { 16, 13, 15, 14, 11, 12, 17, 7 };
              s->setSelectedType (ids[hue % 8], false);
              return std::unique_ptr<juce::Component> (std::move (s));
          } },
        { "SelectLFOWaveform", 20, [] (int hue) {
              auto s = std::make_unique<SelectLFOWaveform>();
              s->setSelectedWaveform (hue % 7, false);
              return std::unique_ptr<juce::Component> (std::move (s));
          } },
        { "BankButtons", 20, [] (int hue) {
              auto s = std::make_unique<BankButtons>();
              s->setSelectedBank (hue % 8);
              return std::unique_ptr<juce::Component> (std::move (s));
          } },
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
