#include "GbkDisplay.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace corvane::app {

namespace {

QString Decode(std::string_view bytes) {
    // A decoder holds an incomplete trailing sequence back instead of reporting it,
    // which would silently drop the end of a cut time field.  A line feed after the
    // text forces such a sequence out as U+FFFD and is itself always decoded as one
    // character, which is removed again.
    QByteArray input;
    input.reserve(static_cast<qsizetype>(bytes.size()) + 1);
    input.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
    input.append('\n');
    // Opening a converter costs more than decoding a short cell, and a page decodes
    // thousands of them, so each thread keeps one and resets it.
    thread_local QStringDecoder decoder("GB18030");
    decoder.resetState();
    QString text = decoder.decode(input);
    if (!text.isEmpty() && text.back() == QLatin1Char('\n')) text.chop(1);
    return text;
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
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromGbkText(std::string_view bytes) {
    QString text = Decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar(0x0000), QChar(0x2400));
    return text;
}

}  // namespace corvane::app
