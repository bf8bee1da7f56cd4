#include "ui/widgets/modal/ModalDismissal.h"

#include "foundation/Logger.h"

std::shared_ptr<ForegroundProbe> ModalDismissal::defaultProbe()
{
    static auto probe = [] {
        auto created = ForegroundProbe::createForThisSystem();
        if (const auto problem = created->unavailableBecause(); ! problem.empty())
            FH_LOG (spdlog::level::info, "Foreground check unavailable: {}", problem);
        return created;
    }();
    return probe;
}
