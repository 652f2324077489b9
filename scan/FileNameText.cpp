#include "scan/FileNameText.h"

#include <stdexcept>

namespace corvane {

std::string FileNameForMessage(const std::string& fileName) {
    // Plain ASCII reads the same in both encodings.
    if (IsAsciiText(fileName)) return fileName;
    try {
        return FromUtf8(fileName, "GB18030").value_or(fileName);
    } catch (const std::runtime_error&) {
        return fileName;
    }
}

}  // namespace corvane
