#pragma once

// What the files of the realisation over Qt 6 Widgets share. Every native object is a QWidget
// (or a QFont the platform holds), named across the seam by its address. Windows and gadgets
// carry a mark, so that input on any of their inner widgets (a list's viewport, a panel's tab
// bar) is traced back to the object the core knows.

#include <QFont>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "toolkit/core/platform.h"

class QPlainTextEdit;

namespace quillmoor::toolkit::qt {

inline NativeId IdOf(const void* object) {
    return reinterpret_cast<NativeId>(object);
}

template <typename Object>
Object* ObjectOf(NativeId id) {
    return reinterpret_cast<Object*>(id);
}

void MarkToolkitObject(QWidget& widget);
// The marked window or gadget that is, or holds, the widget; 0 when none.
NativeId ToolkitObjectOf(const QWidget* widget);

// The core hands texts over as UTF-16, which is what QString holds: the conversion is a copy.
inline QString ToQString(const std::u16string& text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.constData()),
            static_cast<std::size_t>(text.size())};
}

// The one QApplication of the process, started once even when the toolkit is started again.
// Where no platform reaches its display, the program ends with one line on standard error.
void StartApplication();
// Names the program as the desktop knows it: by its desktop entry's name without ".desktop",
// in reverse-DNS form ("org.example.tool") or plain. Windows opened afterwards carry that name
// as their Wayland app id, so that docks show the entry's icon for them and group them with
// its launcher. The application's own name is the last part ("tool"): X11 shows it as the
// class in WM_CLASS, which the entry names as its StartupWMClass.
void NameProgram(const std::string& desktopEntry);

// The font of new widgets.
QFont DialogFont();
// A font of the family at size points, its pixel height scaled by the screen's dots per inch;
// nothing when that height is under one pixel. Where a fixed-pitch face such as "Courier" is
// missing, an installed fixed-pitch family stands in, never a proportional one.
std::optional<QFont> MakeFont(const QString& family, int points);

// Builds the palette of a text field, list or editor anew from the desktop's palette now and
// the two colours given; kDefaultColour leaves one to the desktop.
void ShowColours(QWidget& widget, Colour text, Colour background);
// The colour the desktop gives the widget's text.
Colour DesktopTextColour(const QWidget& widget);

// The toolkit's top-level window, shown and active: its close requests are only reported, so
// that the caller decides whether it goes. The icon comes from the program's resources,
// ":/<iconResource>-16.png", "-32", "-48" and "-256", as many of them as exist.
QWidget* OpenFormWindow(Happenings& happenings, Placement outer, const QString& title,
                        const std::string& iconResource);
// Tells assistive technology, from now on, that each form window is a window with its title as
// its name. Calling it again changes nothing.
void ExposeFormWindowsAsWindows();

// The application-wide filter that sees every event before any widget does: it tells the core
// of each user input as it arrives and offers it every key it can bind first. Deleting the
// filter removes it.
QObject* InstallInputFilter(Happenings& happenings);

// The widget of each gadget kind in parent, reporting what the user does to it.
QWidget* MakePanel(QWidget& parent, Happenings& happenings);
QWidget* MakeTextField(QWidget& parent, const GadgetRequest& request, Happenings& happenings);
QWidget* MakeList(QWidget& parent, Happenings& happenings);
QWidget* MakeButton(QWidget& parent, const GadgetRequest& request, Happenings& happenings);
QWidget* MakeEditor(QWidget& parent);
// The editor's part of the text in view and its caret, as Platform::View and SetView take them.
Platform::EditorView ViewOf(const QPlainTextEdit& editor);
void SetView(QPlainTextEdit& editor, const Platform::EditorView& view);

// A read-only field, the caption of a form. Forms place their captions in fixed pixels chosen
// for a dialog font, and the desktop's face may be wider. Rather than cut a caption, the field
// takes part of the padding beside its text where it needs the room and, where that is not
// enough, draws its text in a narrower cut of its font.
class ReadOnlyField final : public QLineEdit {
public:
    explicit ReadOnlyField(QWidget* parent);
    // Whether the whole text shows: QLineEdit scrolls a text that leaves no pixel and cursor's
    // width free after it, as soon as the cursor moves to its end.
    bool ShowsWholeText() const;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int PaddedWidth() const;
    int WidthNeeded(const QFont& font) const;
    void FitText();
};

// The modal box with the buttons "Ja" (the default) and "Nein", their access keys J and N, and
// no icon, owned by the active window when that is one of the toolkit's.
Answer AskYesNo(const QString& title, const QString& text);

}  // namespace quillmoor::toolkit::qt
