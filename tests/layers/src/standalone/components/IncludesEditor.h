#pragma once

#include "ui/editor/PluginEditor.h"
