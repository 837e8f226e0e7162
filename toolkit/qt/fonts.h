#pragma once

#include <QFont>
#include <QString>
#include <optional>

namespace quillmoor::toolkit::qt {

// A font of the family at size points, its pixel height scaled by the screen's dots per inch;
// nothing when that height is under one pixel. Where a fixed-pitch face such as "Courier" is
// missing, an installed fixed-pitch family stands in, never a proportional one.
std::optional<QFont> MakeFont(const QString& family, int points);

}  // namespace quillmoor::toolkit::qt
