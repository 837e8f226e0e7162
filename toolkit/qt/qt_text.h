#pragma once

// Conversion between the toolkit's Windows-1252 byte strings and Qt's strings, at the edge of
// every operation that passes text.

#include <QString>
#include <string>

namespace quillmoor::toolkit::qt {

QString ToQString(const std::string& bytes);
// Characters with no Windows-1252 form become "?", one per code point.
std::string FromQString(const QString& text);

// Editor text: "\r", "\r\n" and "\n" each end one line.
QString EditorTextToQString(const std::string& bytes);
// Every line end, paragraph or line separator alike, comes back as a lone "\r".
std::string EditorTextFromQString(const QString& rawDocumentText);

}  // namespace quillmoor::toolkit::qt
