// File names inside the messages the operator sees.
#pragma once

#include <string>

#include "base/GbkUtf8.h"

namespace corvane {

// The messages of the core are GBK text, but this platform names files in UTF-8.
// Converts a file name for use inside such a message; a name that is not valid
// UTF-8 (or has no GBK form) keeps its bytes as they are.
std::string FileNameForMessage(const std::string& fileName);

}  // namespace corvane
