#pragma once

#include "ui/editor/TrackComponent.h"
#include "ui/widgets/Panel.h"

#include <memory>
#include <vector>

class VantuAudioProcessor;

// The sound browser's track area: the twelve track rows, T1 to T4 on top, T5
// to T8 in the middle, T9 to T12 at the bottom. Message thread only.
class TrackOverviewPanel : public corvanel::Panel
{
public:
    explicit TrackOverviewPanel (VantuAudioProcessor& processor);
    ~TrackOverviewPanel() override;

    void resized() override;

    // The drop check of every row: item `index` of a dragged item list is
    // accepted when it names a machine that may run on the track, refused when
    // it does not or has fewer than six elements. The last item checked decides.
    static void markDropCompatibility (const juce::Array<juce::var>& items, int index,
                                       TrackComponent::TrackAndNameComponent& target, int track);

    TrackComponent& getRow (int track) { return *rows[(size_t) track]; }

private:
    std::vector<std::unique_ptr<TrackComponent>> rows;
};
