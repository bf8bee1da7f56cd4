#include "foundation/Logger.h"
