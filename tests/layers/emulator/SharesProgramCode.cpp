#include "engine/FhAsyncDataHeader.h"
