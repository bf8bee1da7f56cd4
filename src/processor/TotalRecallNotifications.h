#pragma once

#include "foundation/Notification.h"
#include "model/TotalRecallSessionState.h"

#include <memory>

class TotalRecallManager;

// The info notification's text for a total-recall state.
juce::String totalRecallInfoText (TotalRecallSessionState state);

// The info notification: what the session is doing while the device or the user
// is busy with it (states 5, 6 and 8 to 12), hidden otherwise; its text follows
// the state. Holds the manager weakly: empty text and hidden once it is gone.
std::shared_ptr<Notification> makeTotalRecallInfoNotification (std::weak_ptr<TotalRecallManager> manager);

// The question of a recall that both sides can win: "Plugin State", "Device
// State" or "Cancel"; dropped by the notification manager once hidden.
std::shared_ptr<Notification> makeTotalRecallQuestion();
