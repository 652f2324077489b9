// The one way to ask slow work to stop.  Whoever may want to stop it (the window when
// it closes or starts something newer, a command on SIGINT, a test) keeps a
// StopSource; the work takes its token by value and checks stop_requested() between
// steps.  Work that sees the request returns at once with its result marked as
// stopped (an outcome value, or an empty optional); stopping is not an error and
// never throws.
#pragma once

#include <stop_token>

namespace corvane {

using StopSource = std::stop_source;
using StopToken = std::stop_token;

}  // namespace corvane
