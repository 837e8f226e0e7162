#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

namespace {

constexpr int kDialogFontPoints = 8;

// Faces a program asks for when it wants every character equally wide.
bool IsFixedPitchName(const QString& family) {
    static const std::array<QString, 8> kNames = {
        QStringLiteral("courier"),   QStringLiteral("courier new"),    QStringLiteral("consolas"),
        QStringLiteral("monospace"), QStringLiteral("lucida console"), QStringLiteral("fixedsys"),
        QStringLiteral("terminal"),  QStringLiteral("monaco"),
    };
    return std::find(kNames.begin(), kNames.end(), family.trimmed().toLower()) != kNames.end();
}

int PixelHeight(int points) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen == nullptr ? 96.0 : screen->logicalDotsPerInchY();
    return static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

bool ShowsFixedPitch(const QFont& font) {
    return QFontInfo(font).fixedPitch();
}

// A fixed-pitch family that is really installed: the platform's fixed-pitch font when the
// font database vouches for it, else the first installed family that does.
QString InstalledFixedPitchFamily() {
    const QFont platformFixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (ShowsFixedPitch(platformFixed)) {
        return platformFixed.family();
    }
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            return family;
        }
    }
    return platformFixed.family();
}

}  // namespace

// The desktop's own face at 8 points: forms are laid out in fixed pixels for a dialog font of
// that size, and the desktop's usual 10 points would cut the captions of narrow fields.
QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kDialogFontPoints);
    return font;
}

// The font matcher's substitute for a missing fixed-pitch face is kept only when it is
// fixed-pitch too.
std::optional<QFont> MakeFont(const QString& family, int points) {
    if (points < 1 || PixelHeight(points) < 1) {
        return std::nullopt;
    }
    QFont font(family);
    font.setPixelSize(PixelHeight(points));
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    if (IsFixedPitchName(family)) {
        font.setStyleHint(QFont::TypeWriter);
        if (!ShowsFixedPitch(font)) {
            font.setFamily(InstalledFixedPitchFamily());
        }
    }
    return font;
}

}  // namespace quillmoor::toolkit::qt
