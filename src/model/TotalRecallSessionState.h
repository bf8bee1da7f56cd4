#pragma once

#include <cstdint>

// The device's total-recall session states, as the device reports them and as a
// total-recall command asks the device to enter them.
enum class TotalRecallSessionState : std::uint8_t
{
    UNKNOWN_STATE = 0,
    NO_SESSION = 1,
    SESSION_ACTIVE = 2,
    SESSION_ABORT = 3,
    CREATE_NEW_SESSION_REQUEST = 4,
    CREATE_NEW_SESSION_WAITING_USER_INPUT = 5,
    CREATE_NEW_SESSION_ACCEPTED_WAITING_FOR_SYNC = 6,
    RECALL_SESSION_REQUEST = 7,
    RECALL_SESSION_WAITING_USER_INPUT = 8,
    RECALL_SESSION_ACCEPTED_HOST_IS_MASTER_WAITING_FOR_SYNC = 9,
    RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC = 10,
    SYNC_IN_PROGRESS_HOST_TO_DEVICE = 11,
    SYNC_IN_PROGRESS_DEVICE_TO_HOST = 12
};
