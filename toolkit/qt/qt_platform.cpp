#include "toolkit/qt/qt_platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <algorithm>

#include "toolkit/qt/application.h"
#include "toolkit/qt/colours.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/form_window.h"
#include "toolkit/qt/gadget_watchers.h"
#include "toolkit/qt/input_filter.h"
#include "toolkit/qt/message_box.h"
#include "toolkit/qt/native_objects.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/screen_placement.h"
#include "toolkit/qt/widget_factory.h"
#include "toolkit/qt/window_icon.h"

namespace quillmoor::toolkit {

std::unique_ptr<Platform> StartPlatform(Happenings& happenings, std::string& failure) {
    if (!qt::StartApplication(failure)) {
        return nullptr;
    }
    return std::make_unique<qt::QtPlatform>(happenings);
}

namespace qt {

namespace {

QWidget* WidgetOf(NativeId id) {
    return ObjectOf<QWidget>(id);
}

template <typename Widget>
Widget* As(NativeId id) {
    return qobject_cast<Widget*>(WidgetOf(id));
}

// A panel takes the focus on its tab row.
QWidget* FocusTargetOf(NativeId gadget) {
    if (auto* panel = As<QTabWidget>(gadget)) {
        return panel->tabBar();
    }
    return WidgetOf(gadget);
}

}  // namespace

QtPlatform::QtPlatform(Happenings& happenings)
    : happenings_(happenings),
      inputFilter_(InstallInputFilter(*qApp, happenings)),
      defaultFont_(DialogFont()) {
    QApplication::setFont(defaultFont_);
    ExposeFormWindowsAsWindows();
}

QtPlatform::~QtPlatform() {
    delete inputFilter_.data();
}

void QtPlatform::DescribeProgram(const std::string& name, const std::string& iconResource) {
    if (!name.empty()) {
        NameProgram(name);
    }
    iconResource_ = iconResource;
}

NativeId QtPlatform::OpenWindow(Placement outer, const std::u16string& title) {
    auto* form = new FormWindow(happenings_);
    form->setWindowTitle(ToQString(title));
    form->setWindowIcon(ProgramIcon(iconResource_));
    form->setFixedSize(outer.width, outer.height);
    PlaceWindow(*form, QPoint(outer.x, outer.y));
    // The window itself holds the focus until the user or the caller picks a gadget; without
    // this Qt would hand it to the first gadget when the window becomes active.
    form->setFocus(Qt::OtherFocusReason);
    form->show();
    KeepOnScreen(*form, QPoint(outer.x, outer.y));
    form->activateWindow();
    return IdOf(form);
}

void QtPlatform::CloseWindow(NativeId window) {
    delete WidgetOf(window);
}

NativeId QtPlatform::CreateGadget(NativeId parent, const GadgetRequest& request) {
    QWidget* widget = MakeWidget(*WidgetOf(parent), request);
    WatchGadget(*widget, request.kind, happenings_);
    return IdOf(widget);
}

void QtPlatform::DestroyGadget(NativeId gadget) {
    delete WidgetOf(gadget);
}

NativeId QtPlatform::InsertTab(NativeId panel, int index, const std::u16string& caption) {
    auto* page = new QWidget();
    As<QTabWidget>(panel)->insertTab(index, page, ToQString(caption));
    return IdOf(page);
}

// Qt's panel shows and hides its pages itself; a page not shown is also disabled, so that its
// widgets take no input.
void QtPlatform::ShowPage(NativeId page, bool shown) {
    WidgetOf(page)->setEnabled(shown);
}

bool QtPlatform::InsertItem(NativeId list, int index, const std::u16string& text) {
    As<QListWidget>(list)->insertItem(index, ToQString(text));
    return true;
}

void QtPlatform::RemoveItem(NativeId list, int index) {
    delete As<QListWidget>(list)->takeItem(index);
}

// The current item goes too: a single-selection list selects the neighbour of its current item
// when that item is removed, even an unselected one.
void QtPlatform::ClearSelection(NativeId list) {
    As<QListWidget>(list)->selectionModel()->clear();
}

void QtPlatform::SetText(NativeId gadget, const std::u16string& text) {
    if (auto* field = As<QLineEdit>(gadget)) {
        field->setText(ToQString(text));
        field->setCursorPosition(0);
    } else if (auto* editor = As<QPlainTextEdit>(gadget)) {
        editor->setPlainText(ToQString(text));
    }
}

std::u16string QtPlatform::Text(NativeId gadget) const {
    if (const auto* field = As<QLineEdit>(gadget)) {
        return FromQString(field->text());
    }
    if (const auto* editor = As<QPlainTextEdit>(gadget)) {
        return FromQString(editor->document()->toRawText());
    }
    return {};
}

bool QtPlatform::ReadOnly(NativeId gadget) const {
    return WidgetOf(gadget)->property("readOnly").toBool();
}

bool QtPlatform::EditedSinceSet(NativeId editor) const {
    return As<QPlainTextEdit>(editor)->document()->isModified();
}

// Lines do not wrap, so the vertical scroll bar counts whole lines.
Platform::EditorView QtPlatform::View(NativeId editor) const {
    const auto* edit = As<QPlainTextEdit>(editor);
    const QTextCursor caret = edit->textCursor();
    return {edit->verticalScrollBar()->value(), edit->horizontalScrollBar()->value(),
            caret.blockNumber(), caret.positionInBlock()};
}

void QtPlatform::SetView(NativeId editor, const EditorView& view) {
    auto* edit = As<QPlainTextEdit>(editor);
    const QTextBlock line = edit->document()->findBlockByNumber(view.caretLine);
    QTextCursor caret(line);
    caret.setPosition(line.position() + view.caretColumn);
    edit->setTextCursor(caret);
    edit->verticalScrollBar()->setValue(view.firstLine);
    edit->horizontalScrollBar()->setValue(view.horizontalScroll);
}

int QtPlatform::State(NativeId gadget) const {
    if (const auto* box = As<QCheckBox>(gadget)) {
        return box->isChecked() ? 1 : 0;
    }
    if (const auto* list = As<QListWidget>(gadget)) {
        const QModelIndexList selected = list->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.front().row();
    }
    return 0;
}

void QtPlatform::SetAccessibleName(NativeId gadget, const std::u16string& name) {
    WidgetOf(gadget)->setAccessibleName(ToQString(name));
}

void QtPlatform::SetColour(NativeId gadget, ColourType type, Colour colour) {
    ApplyColour(*WidgetOf(gadget), type, colour);
}

Colour QtPlatform::DesktopTextColour(NativeId gadget) const {
    return qt::DesktopTextColour(*WidgetOf(gadget));
}

// Qt tells no high-contrast setting of its own; a high-contrast theme reaches it as a palette,
// which the core reads like any other.
bool QtPlatform::HighContrastOn() const {
    return false;
}

NativeId QtPlatform::LoadFont(const std::u16string& family, int points) {
    std::optional<QFont> font = MakeFont(ToQString(family), points);
    if (!font) {
        return 0;
    }
    fonts_.push_back(*font);
    return IdOf(&fonts_.back());
}

void QtPlatform::ReleaseFont(NativeId font) {
    fonts_.remove_if([font](const QFont& held) { return IdOf(&held) == font; });
}

// Widgets keep a copy of the font, and a font change leaves their colours alone.
void QtPlatform::SetFont(NativeId gadget, FontChoice choice, NativeId loadedFont) {
    switch (choice) {
        case FontChoice::Loaded:
            WidgetOf(gadget)->setFont(*ObjectOf<QFont>(loadedFont));
            break;
        case FontChoice::DefaultWidgetFont:
            WidgetOf(gadget)->setFont(defaultFont_);
            break;
        case FontChoice::PlainSystemFont:
            WidgetOf(gadget)->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
            break;
    }
}

void QtPlatform::Focus(NativeId gadget, FocusCause cause) {
    const Qt::FocusReason reason = cause == FocusCause::TabForward    ? Qt::TabFocusReason
                                   : cause == FocusCause::TabBackward ? Qt::BacktabFocusReason
                                                                      : Qt::OtherFocusReason;
    FocusTargetOf(gadget)->setFocus(reason);
}

NativeId QtPlatform::FocusedObject() const {
    return ToolkitObjectOf(QApplication::focusWidget());
}

int QtPlatform::DragDistance() const {
    return QApplication::startDragDistance();
}

Answer QtPlatform::AskYesNo(const std::u16string& title, const std::u16string& text) {
    return qt::AskYesNo(ToQString(title), ToQString(text));
}

// Objects that asked to be deleted later (closed popups) go at once: the toolkit's wait is
// the program's only event loop.
void QtPlatform::HandleInput(bool wait) {
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace qt

}  // namespace quillmoor::toolkit
