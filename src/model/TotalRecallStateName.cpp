#include "model/TotalRecallStateName.h"

#include <array>

const char* totalRecallStateName (std::uint8_t state) noexcept
{
    static constexpr std::array<const char*, 13> names {
        "UNKNOWN_STATE",
        "NO_SESSION",
        "SESSION_ACTIVE",
        "SESSION_ABORT",
        "CREATE_NEW_SESSION_REQUEST",
        "CREATE_NEW_SESSION_WAITING_USER_INPUT",
        "CREATE_NEW_SESSION_ACCEPTED_WAITING_FOR_SYNC",
        "RECALL_SESSION_REQUEST",
        "RECALL_SESSION_WAITING_USER_INPUT",
        "RECALL_SESSION_ACCEPTED_HOST_IS_MASTER_WAITING_FOR_SYNC",
        "RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC",
        "SYNC_IN_PROGRESS_HOST_TO_DEVICE",
        "SYNC_IN_PROGRESS_DEVICE_TO_HOST",
    };
    return state < names.size() ? names[state] : "error";
}
