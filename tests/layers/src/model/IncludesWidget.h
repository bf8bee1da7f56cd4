#pragma once

#include "ui/widgets/knobs/BaseKnob.h"
