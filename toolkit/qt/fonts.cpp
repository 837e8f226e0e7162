#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

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

// Where a fixed-pitch face is missing, the font matcher's substitute is kept only when it is
// fixed-pitch too; otherwise an installed fixed-pitch family stands in, never a proportional one.
QFont MakeFont(const QString& family, int points) {
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

const QFont* FontOfHandle(const qt::WidgetState& state, Handle handle) {
    for (const int number : state.fonts.Numbers()) {
        if (qt::HandleOf(state.fonts.Find(number)) == handle) {
            return state.fonts.Find(number);
        }
    }
    return nullptr;
}

}  // namespace

Handle LoadNumberedFont(int font, const std::string& name, int size) {
    qt::WidgetState* state = qt::Toolkit();
    if (state == nullptr || !decltype(state->fonts)::Accepts(font)) {
        return 0;
    }
    state->fonts.Remove(font);
    if (size < 1 || PixelHeight(size) < 1) {
        return 0;
    }
    state->fonts.Replace(font, std::make_unique<QFont>(MakeFont(qt::ToQString(name), size)));
    return FontHandle(font);
}

Handle FontHandle(int font) {
    const qt::WidgetState* state = qt::Toolkit();
    return state == nullptr ? 0 : qt::HandleOf(state->fonts.Find(font));
}

// A handle that names no loaded font, 0 included, shows the plain system font. Widgets keep a
// copy of the font, and a font change leaves their colours alone.
void AssignGadgetFont(int gadget, Handle fontHandle) {
    const qt::WidgetState* state = qt::Toolkit();
    const qt::GadgetRecord* record = qt::FindGadget(gadget);
    if (state == nullptr || record == nullptr) {
        return;
    }
    if (fontHandle == -1) {
        record->widget->setFont(state->defaultFont);
    } else if (const QFont* loaded = FontOfHandle(*state, fontHandle)) {
        record->widget->setFont(*loaded);
    } else {
        record->widget->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    }
}

}  // namespace quillmoor::toolkit
