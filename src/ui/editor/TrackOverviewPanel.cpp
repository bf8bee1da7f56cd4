#include "ui/editor/TrackOverviewPanel.h"

#include "model/tables/MachineTables.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/SoundDragItem.h"

TrackOverviewPanel::TrackOverviewPanel (VantuAudioProcessor& processor)
{
    setHue (9);
    auto& kit = processor.getDeviceInterface().getKit();
    for (int track = 0; track < Vantu::Kit::numTracks; ++track)
    {
        auto row = std::make_unique<TrackComponent> (processor, Vantu::Kit::trackName (track), kit.getSound (track));
        row->dropCheck = &TrackOverviewPanel::markDropCompatibility;
        addAndMakeVisible (*row);
        rows.push_back (std::move (row));
    }
}

TrackOverviewPanel::~TrackOverviewPanel() = default;

void TrackOverviewPanel::resized()
{
    const int innerWidth = juce::jmax (getWidth() - 12, 0);
    const int innerHeight = juce::jmax (getHeight() - 12, 0);
    const int rowHeight = innerHeight / 3;
    const int columnWidth = innerWidth / 4;

    int y = 6, heightLeft = innerHeight;
    for (int r = 0; r < 3; ++r)
    {
        const int h = juce::jmin (rowHeight, heightLeft);
        int x = 6, widthLeft = innerWidth;
        for (int c = 0; c < 4; ++c)
        {
            const int w = juce::jmin (columnWidth, widthLeft);
            rows[(size_t) (r * 4 + c)]->setBounds (x + 2, y + 2, juce::jmax (w - 4, 0), juce::jmax (h - 4, 0));
            x += w;
            widthLeft -= w;
        }
        y += h;
        heightLeft -= h;
    }
}

void TrackOverviewPanel::markDropCompatibility (const juce::Array<juce::var>& items, int index,
                                                TrackComponent::TrackAndNameComponent& target, int track)
{
    using State = TrackComponent::TrackAndNameComponent::DropState;
    const auto& item = items[index];
    if (! item.isArray() || item.size() < 6)
    {
        target.dropState = State::refused;
    }
    else
    {
        const auto machineType = SoundDragItem::numberOf (item[5]);
        target.dropState = machineType && machineAllowedOnTrack (*machineType, track) ? State::accepted : State::refused;
    }
    target.repaint();
}
