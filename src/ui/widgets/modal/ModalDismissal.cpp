#include "ui/widgets/modal/ModalDismissal.h"

std::shared_ptr<ForegroundProbe> ModalDismissal::defaultProbe()
{
    static auto probe = ForegroundProbe::createForThisSystem();
    return probe;
}
