#pragma once

#include "model/Kit.h"
#include "realtime/BoundedQueue.h"
#include "standalone/components/DeviceSelector.h"
#include "ui/widgets/Panel.h"

#include <juce_gui_basics/juce_gui_basics.h>
