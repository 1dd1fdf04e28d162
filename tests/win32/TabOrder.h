#pragma once

#include <array>
#include <string>
#include <vector>

#include "Probe.h"
#include "quiz/PairIndex.h"
#include "window/FormLayout.h"

using FinishedPairs = std::array<bool, quiz::kPairCount>;

// The option button Tab lands on in a frame with nothing checked: the first
// enabled one in tab index order; the window itself if none is enabled.
form::ControlId FirstOption(form::ControlId frame, const FinishedPairs& finished);

// The controls Tab visits after the feedback box, as names, until it comes back.
std::string TabSequence(const Probe& probe);
std::string ExpectedTabSequence(const std::vector<form::ControlId>& stops);
