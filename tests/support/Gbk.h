// GBK text written as UTF-8 in the test sources.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "scan/FileNameText.h"

namespace corvane::testing_support {

// The GBK bytes of UTF-8 text; throws for text GBK cannot hold.
inline std::string Gbk(std::string_view utf8) {
    const std::optional<std::string> gbk = FromUtf8(std::string(utf8), "GBK");
    if (!gbk) throw std::runtime_error("not GBK: " + std::string(utf8));
    return *gbk;
}

}  // namespace corvane::testing_support
