#pragma once

#include "ui/widgets/knobs/ListKnob.h"

#include <functional>
#include <string>
#include <vector>

// Value formatters: what a list knob shows for its position (0 .. its
// maximum) instead of a number. The argument is truncated toward zero to an
// int first. Formatters hold no mutable state; any thread may call them.
using TextFormatter = std::function<juce::String (double)>;
using IconFormatter = std::function<juce::Path (double)>;

// 2 to the power (n mod 12): "1" .. "512", then "1k", "2k".
extern const TextFormatter multiplierFormatter;
// The group of n / 12: 0 a cross, 1 a dot, 2 a fork; other groups empty.
extern const IconFormatter multiplierIconFormatter;
// The whole part of n x 100 / 64 ("100" at 64, "198" at 127).
extern const TextFormatter percentOf64Formatter;
// "Inf" at 127, else n.
extern const TextFormatter infAtMaxFormatter;
// envelopeTimeToText of n: "0.00" .. "11.0", empty outside 0 .. 127.
extern const TextFormatter overdriveFormatter;

// The text formatter of a list of items: the item at the truncated value for
// 0 <= value < item count, else the empty text. Owns its copy of the items.
TextFormatter makeListItemFormatter (const std::vector<std::string>& items);

// Builds a list knob in place at where: the caption as its name, positions 0
// to the last item's index, the item texts, no icon.
void makeListKnob (ListKnob* where, const std::string& caption, const std::vector<std::string>& items);
