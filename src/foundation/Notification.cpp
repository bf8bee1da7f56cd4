#include "foundation/Notification.h"

#include "foundation/Logger.h"

#include <array>
#include <utility>

Notification::Notification (TextFunction textFunctionToUse,
                            int severityToUse,
                            std::vector<Response> responsesToUse,
                            bool keepWhenInactiveToUse,
                            TimerFunction timerFunctionToUse,
                            ResponseHandler responseHandlerToUse)
    : severity (severityToUse),
      responses (std::move (responsesToUse)),
      textFunction (std::move (textFunctionToUse)),
      timerFunction (std::move (timerFunctionToUse)),
      responseHandler (std::move (responseHandlerToUse)),
      keepWhenInactive (keepWhenInactiveToUse)
{
}

Notification::Notification (const juce::String& text, int severityToUse, std::vector<Response> responsesToUse, bool keepWhenInactiveToUse)
    : Notification ([text] { return text; }, severityToUse, std::move (responsesToUse), keepWhenInactiveToUse)
{
}

Notification::~Notification() = default;

void Notification::activate()
{
    if (active.exchange (true))
        return;

    responseGiven = false;
    sendChangeMessage (NotificationMessages::activate.toString());
}

void Notification::deactivate()
{
    if (! active.exchange (false))
        return;

    sendChangeMessage (NotificationMessages::deactivate.toString());
}

void Notification::setResponse (Response response)
{
    // Claimed before the handler runs, so that a handler (or a second press)
    // that answers again cannot deliver a second answer.
    if (responseGiven.exchange (true))
    {
        FH_LOG (spdlog::level::warn, "Response already given");
        return;
    }

    if (responseHandler)
        responseHandler (response);

    const std::lock_guard<std::mutex> lock (promiseLock);

    try
    {
        promise.set_value (response);
    }
    catch (const std::future_error& e)
    {
        FH_LOG (spdlog::level::err, "Exception when trying to set promise: {}", e.what());
    }
}

std::future<Notification::Response> Notification::renewPromise()
{
    std::promise<Response> fresh;
    auto future = fresh.get_future();

    std::promise<Response> abandoned;
    {
        const std::lock_guard<std::mutex> lock (promiseLock);
        std::swap (promise, fresh);
        abandoned = std::move (fresh);
    }
    // Destroying the old promise here, outside the lock, breaks it for its waiter.
    return future;
}

juce::String Notification::severityCaption (int severityToShow)
{
    static constexpr std::array<const char*, 4> captions { "Error", "Question", "Warning", "Info" };
    return juce::isPositiveAndBelow (severityToShow, (int) captions.size()) ? captions[(size_t) severityToShow] : "";
}

juce::String Notification::responseCaption (Response response)
{
    static constexpr std::array<const char*, 8> captions {
        "Ok", "Cancel", "Yes", "No", "Close", "Dismiss", "Plugin State", "Device State"
    };
    const int index = static_cast<int> (response);
    return juce::isPositiveAndBelow (index, (int) captions.size()) ? captions[(size_t) index] : "";
}
