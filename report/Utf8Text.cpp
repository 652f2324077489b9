#include "report/Utf8Text.h"

namespace corvane {

std::string FileNameToUtf8(std::string_view fileName) {
    if (IsUtf8Text(fileName)) return std::string(fileName);
    return GbkToUtf8(fileName);
}

}  // namespace corvane
