#include "processor/LibraryRemovalQuestion.h"

#include "foundation/Logger.h"
#include "processor/CommonAudioProcessor.h"

#include <atomic>
#include <exception>

namespace LibraryRemovalQuestion
{
namespace
{
    // A job-pool thread: removes the slots that were not protected, one removal and
    // one bank request each, while the processor exists.
    void removeSlots (const juce::WeakReference<CommonAudioProcessor>& processor, const std::vector<Slot>& slots)
    {
        try
        {
            for (const auto& s : slots)
            {
                if (s.writeProtected)
                    continue;
                auto* p = processor.get();
                if (p == nullptr)
                    return;
                p->getDeviceInterface().getSoundLibrary().removeSound (juce::jlimit (0, SoundListing::maxListedSlot, s.slot));
            }
        }
        catch (const std::exception& e)
        {
            FH_LOG (spdlog::level::err, "Error: {}", e.what());
        }
        catch (...)
        {
            FH_LOG (spdlog::level::err, "Unexpected exception!");
        }
    }
} // namespace

bool ask (CommonAudioProcessor& processor, const juce::String& question, const char* jobName, std::vector<Slot> slots)
{
    auto listed = std::make_shared<std::atomic<bool>> (false);
    juce::WeakReference<CommonAudioProcessor> weak (&processor);
    const std::string name (jobName);

    // Message thread: the user's first answer.
    auto onAnswer = [listed, weak, name, slots = std::move (slots)] (Notification::Response response) {
        if (! listed->load() || response != Notification::Yes)
            return;
        if (auto* p = weak.get())
            p->addJob (name, [weak, slots] (juce::ThreadPoolJob*) { removeSlots (weak, slots); });
    };

    auto notification = std::make_shared<Notification> ([question] { return question; }, Notification::Question,
                                                         std::vector<Notification::Response> { Notification::Yes, Notification::No },
                                                         false, Notification::TimerFunction {}, std::move (onAnswer));
    const bool isListed = processor.getNotificationManager().addNotificationWithResponse (notification) != nullptr;
    listed->store (isListed);
    return isListed;
}

juce::String oneSoundQuestion()
{
    return "Are you sure you want to delete this sound from your library?";
}

juce::String selectedSoundsQuestion (int count)
{
    return "Are you sure you want to delete the " + juce::String (count) + " selected sounds from your +Trunx Library?";
}
} // namespace LibraryRemovalQuestion
