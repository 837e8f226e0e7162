#include "toolkit/qt/qt_text.h"

#include <QChar>
#include <QList>

#include "toolkit/core/windows1252.h"

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

// The editor receives whole generated classes of megabytes: one pass straight into the QString
// keeps the conversion small beside the editor's own work. Every Windows-1252 character lies in
// the 16-bit range, so each byte becomes exactly one QChar.
QString EditorTextToQString(const std::string& bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* next = text.data();
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        if (bytes[index] == '\r') {
            *next++ = u'\n';
            if (index + 1 < bytes.size() && bytes[index + 1] == '\n') {
                ++index;
            }
        } else {
            const char32_t codePoint =
                CodePointOfWindows1252(static_cast<unsigned char>(bytes[index]));
            *next++ = QChar(static_cast<char16_t>(codePoint));
        }
    }
    text.truncate(next - text.constData());
    return text;
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
