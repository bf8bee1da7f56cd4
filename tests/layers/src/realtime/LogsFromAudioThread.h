#pragma once

#include "foundation/Logger.h"
