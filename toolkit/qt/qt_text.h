#pragma once

// The core hands texts over as UTF-16, which is what QString holds: the conversion is a copy.

#include <QString>
#include <string>

namespace quillmoor::toolkit::qt {

inline QString ToQString(const std::u16string& text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.constData()),
            static_cast<std::size_t>(text.size())};
}

}  // namespace quillmoor::toolkit::qt
