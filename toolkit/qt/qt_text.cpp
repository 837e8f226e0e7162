#include "toolkit/qt/qt_text.h"

#include <QChar>
#include <QList>

#include "toolkit/windows1252.h"

namespace quillmoor::toolkit::qt {

QString ToQString(const std::string& bytes) {
    const std::u32string codePoints = DecodeWindows1252(bytes);
    return QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size()));
}

std::string FromQString(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(codePoints.size()));
    for (const uint codePoint : codePoints) {
        bytes.push_back(EncodeWindows1252(static_cast<char32_t>(codePoint)));
    }
    return bytes;
}

QString EditorTextToQString(const std::string& bytes) {
    std::string lines;
    lines.reserve(bytes.size());
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        if (bytes[index] == '\r') {
            lines.push_back('\n');
            if (index + 1 < bytes.size() && bytes[index + 1] == '\n') {
                ++index;
            }
        } else {
            lines.push_back(bytes[index]);
        }
    }
    return ToQString(lines);
}

std::string EditorTextFromQString(const QString& rawDocumentText) {
    QString text = rawDocumentText;
    for (QChar& character : text) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator ||
            character == u'\n') {
            character = u'\r';
        }
    }
    return FromQString(text);
}

}  // namespace quillmoor::toolkit::qt
