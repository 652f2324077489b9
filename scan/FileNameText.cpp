#include "scan/FileNameText.h"

namespace corvane {

std::string FileNameForMessage(const std::string& fileName) {
    // Plain ASCII reads the same in both encodings.
    if (IsAsciiText(fileName)) return fileName;
    try {
        return FromUtf8(fileName, "GB18030").value_or(fileName);
    } catch (const ConversionUnavailable& e) {
        // The name is part of a message about another failure, which must not be lost
        // to this one: it goes out as it is.
        WriteFailure("file name in a message", e.what());
        return fileName;
    }
}

}  // namespace corvane
