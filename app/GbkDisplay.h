// Turning the GBK bytes of logs and catalogues into text a widget can show, and
// text typed into a control back into such bytes.
//
// The core never decodes anything; only what a control displays (or takes) passes
// through here, decoded by the core's converter (base/GbkUtf8.h) as strict GBK.
// Nothing a log holds may break the view: a byte that begins no GBK character becomes
// U+FFFD and a zero byte becomes the visible U+2400.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace corvane::app {

// For one line of a list cell or a memo: characters that would start a new line
// (CR, LF, U+2028, U+2029) become U+2424, so one finding stays one line.
QString FromGbkLine(std::string_view bytes);

// For message texts: CR LF and a lone CR become LF, the line break Qt shows.
QString FromGbkText(std::string_view bytes);

inline QString FromGbkLine(const QByteArray& bytes) {
    return FromGbkLine(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Text typed in a control as the GBK bytes the logs and catalogues hold, by the same
// GBK table the views decode with, so that what is shown is found again.
std::string ToGbkText(const QString& text);

// Row data keeps the exact bytes so they reach the core unchanged.
inline QByteArray ToByteArray(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToStdString(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace corvane::app
