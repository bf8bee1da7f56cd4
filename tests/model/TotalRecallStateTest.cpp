#include "model/TotalRecallState.h"
#include "model/TotalRecallStateName.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
struct RecordingRecallListener : TotalRecallState::Listener
{
    RecordingRecallListener (std::string nameToUse, std::vector<std::string>& logToUse, TotalRecallState& stateToUse)
        : name (std::move (nameToUse)), log (logToUse), state (stateToUse) {}

    void stateChanged() override
    {
        log.push_back (name + " state " + std::to_string (state.getState()));
        if (onState)
            onState();
    }
    void sessionIdChanged() override { log.push_back (name + " id " + std::to_string (state.getSessionId())); }
    void imageChanged() override { log.push_back (name + " image " + std::to_string (state.getImage().getSize())); }

    std::string name;
    std::vector<std::string>& log;
    TotalRecallState& state;
    std::function<void()> onState;
};
} // namespace

TEST (TotalRecallStateNameTest, EveryStateHasItsNameAndOtherValuesAreErrors)
{
    const std::vector<std::pair<int, std::string>> cases {
        { 0, "UNKNOWN_STATE" }, { 1, "NO_SESSION" }, { 2, "SESSION_ACTIVE" }, { 3, "SESSION_ABORT" },
        { 4, "CREATE_NEW_SESSION_REQUEST" }, { 5, "CREATE_NEW_SESSION_WAITING_USER_INPUT" },
        { 6, "CREATE_NEW_SESSION_ACCEPTED_WAITING_FOR_SYNC" }, { 7, "RECALL_SESSION_REQUEST" },
        { 8, "RECALL_SESSION_WAITING_USER_INPUT" }, { 9, "RECALL_SESSION_ACCEPTED_HOST_IS_MASTER_WAITING_FOR_SYNC" },
        { 10, "RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC" }, { 11, "SYNC_IN_PROGRESS_HOST_TO_DEVICE" },
        { 12, "SYNC_IN_PROGRESS_DEVICE_TO_HOST" }, { 13, "error" }, { 255, "error" },
    };
    for (const auto& [state, name] : cases)
        EXPECT_EQ (totalRecallStateName ((std::uint8_t) state), name) << state;
}

TEST (TotalRecallStateTest, SettersStoreLogAndCallListenersLastToFirst)
{
    fhtest::ScopedLogCapture capture;
    TotalRecallState state;
    std::vector<std::string> log;
    RecordingRecallListener first ("first", log, state), second ("second", log, state);
    state.addListener (&first);
    state.addListener (&second);

    state.setState (7);
    state.setSessionId (-42);
    juce::MemoryBlock image (100, true);
    state.setImage (image);

    EXPECT_EQ (log, (std::vector<std::string> { "second state 7", "first state 7", "second id -42", "first id -42",
                                                "second image 100", "first image 100" }));
    EXPECT_TRUE (capture.contains ("New total recall state received from machine: state=RECALL_SESSION_REQUEST"));
    EXPECT_TRUE (capture.contains ("New total recall session ID received from machine: id=-42"));
    EXPECT_EQ (state.getImage(), image);
}

TEST (TotalRecallStateTest, AListenerMayRemoveItselfOrOthersDuringItsNotification)
{
    TotalRecallState state;
    std::vector<std::string> log;
    RecordingRecallListener a ("a", log, state), b ("b", log, state), c ("c", log, state);
    state.addListener (&a);
    state.addListener (&b);
    state.addListener (&c);

    // c (called first) removes itself and b: the walk carries on with a.
    c.onState = [&] { state.removeListener (&c); state.removeListener (&b); };
    state.setState (1);
    EXPECT_EQ (log, (std::vector<std::string> { "c state 1", "a state 1" }));

    // The last listener removing itself ends the walk.
    log.clear();
    a.onState = [&] { state.removeListener (&a); };
    state.setState (2);
    state.setState (3);
    EXPECT_EQ (log, (std::vector<std::string> { "a state 2" }));
}

TEST (TotalRecallStateTest, ASetterMayBeCalledWithTheLockAlreadyHeld)
{
    TotalRecallState state;
    std::vector<std::string> log;
    RecordingRecallListener listener ("l", log, state);
    state.addListener (&listener);
    {
        const juce::ScopedLock sl (state.getLock());
        state.setState (5);
    }
    EXPECT_EQ (log, (std::vector<std::string> { "l state 5" }));
}
