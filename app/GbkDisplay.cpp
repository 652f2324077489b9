#include "GbkDisplay.h"

#include <optional>
#include <utility>

#include "base/GbkUtf8.h"

namespace corvane::app {

namespace {

// The core's converter decodes, so that the window shows what the exports and the
// command line write: strict GBK, one U+FFFD per byte that begins no character.
QString Decode(std::string_view bytes) {
    thread_local std::string utf8;
    utf8.clear();
    GbkToUtf8Converter().Append(bytes, utf8);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QString FromGbkLine(std::string_view bytes) {
    QString text = Decode(bytes);
    for (QChar& c : text) {
        switch (c.unicode()) {
            case 0x0000:
                c = QChar(0x2400);
                break;
            case 0x000A:
            case 0x000D:
            case 0x2028:
            case 0x2029:
                c = QChar(0x2424);
                break;
            default:
                break;
        }
    }
    return text;
}

std::string ToGbkText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string typed(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    if (std::optional<std::string> gbk = FromUtf8(typed, "GBK")) return std::move(*gbk);
    // A character GBK does not have is in no text the window shows; its GB18030 form
    // keeps the rest of what was typed as it is.
    return FromUtf8(typed, "GB18030").value_or(std::string());
}

QString FromGbkText(std::string_view bytes) {
    QString text = Decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar(0x0000), QChar(0x2400));
    return text;
}

}  // namespace corvane::app
