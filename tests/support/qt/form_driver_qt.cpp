// The form driver over Qt: real input through QTest, read-back from the widgets themselves and
// from what assistive technology is told, each widget's accessible interface as Qt's bridge to
// the platform's screen readers reads it.

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "tests/support/drawn_pixels.h"
#include "tests/support/form_driver.h"
#include "tests/support/qt/native_widgets.h"
#include "toolkit/qt/qt_platform.h"

namespace quillmoor::test {

namespace {

Qt::KeyboardModifiers QtModifiers(Modifiers modifiers) {
    Qt::KeyboardModifiers qt;
    qt.setFlag(Qt::ShiftModifier, (modifiers & kShift) != 0);
    qt.setFlag(Qt::ControlModifier, (modifiers & kControl) != 0);
    qt.setFlag(Qt::AltModifier, (modifiers & kAlt) != 0);
    return qt;
}

Qt::Key QtKey(Key key) {
    // In the order of Key.
    constexpr Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Tab,       Qt::Key_Backtab,
                                 Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Home,      Qt::Key_End,
                                 Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Backspace, Qt::Key_Space,
                                 Qt::Key_A,      Qt::Key_C,      Qt::Key_X,         Qt::Key_J,
                                 Qt::Key_N};
    static_assert(std::size(kKeys) == static_cast<std::size_t>(Key::N) + 1);
    return kKeys[static_cast<std::size_t>(key)];
}

Qt::MouseButton QtButton(Button button) {
    return button == Button::Left ? Qt::LeftButton : Qt::RightButton;
}

QString FromUcs4(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

QPoint QtPoint(Point point) {
    return {point.x, point.y};
}

QTabWidget* PanelWidget(int panel) {
    return qobject_cast<QTabWidget*>(GadgetWidget(panel));
}

QListWidget* ListWidget(int list) {
    return qobject_cast<QListWidget*>(GadgetWidget(list));
}

// Where mouse input lands: a scroll area's viewport, the widget itself otherwise.
QWidget* MouseTarget(int gadget) {
    QWidget* widget = GadgetWidget(gadget);
    if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(widget)) {
        return scrollArea->viewport();
    }
    return widget;
}

QWidget* KeyTarget() {
    QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused : QApplication::activeWindow();
}

Accessible AccessibleOfWidget(QWidget* widget) {
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    using Role = std::pair<QAccessible::Role, AccessibleRole>;
    const Role roles[] = {{QAccessible::Window, AccessibleRole::Window},
                          {QAccessible::EditableText, AccessibleRole::Text},
                          {QAccessible::List, AccessibleRole::List},
                          {QAccessible::PushButton, AccessibleRole::PushButton},
                          {QAccessible::CheckBox, AccessibleRole::CheckBox}};
    const auto* role = std::ranges::find(roles, accessible->role(), &Role::first);
    return {accessible->text(QAccessible::Name).toStdString(),
            role == std::end(roles) ? AccessibleRole::Other : role->second};
}

}  // namespace

bool ActivateWindow(int window) {
    return ActivateShownWindow(*WindowWidget(window));
}

bool IsWindowActive(int window) {
    return WindowWidget(window)->isActiveWindow();
}

bool IsWindowVisible(int window) {
    return WindowWidget(window)->isVisible();
}

void RequestClose(int window) {
    WindowWidget(window)->close();
}

struct OtherProgram::Window {
    QWidget widget;
    bool active = false;
};

OtherProgram::OtherProgram() : window_(std::make_unique<Window>()) {
    window_->widget.show();
    window_->active = ActivateShownWindow(window_->widget);
}

OtherProgram::~OtherProgram() = default;

bool OtherProgram::IsActive() const {
    return window_->active;
}

// Near-white text on near-black fields and a deeper selection, as the desktops' dark themes
// have them.
struct DarkDesktop::Saved {
    QPalette palette;
};

DarkDesktop::DarkDesktop() : saved_(new Saved{QApplication::palette()}) {
    QPalette dark = saved_->palette;
    const QColor light(238, 238, 236);
    const QColor face(53, 53, 53);
    const QColor field(45, 45, 45);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, face},
                                       {QPalette::WindowText, light},
                                       {QPalette::Base, field},
                                       {QPalette::Text, light},
                                       {QPalette::Button, face},
                                       {QPalette::ButtonText, light},
                                       {QPalette::Highlight, QColor(21, 83, 158)},
                                       {QPalette::HighlightedText, QColor(Qt::white)}}) {
        dark.setColor(role, colour);
    }
    QApplication::setPalette(dark);
}

DarkDesktop::~DarkDesktop() {
    QApplication::setPalette(saved_->palette);
}

// Near the top of a scroll area, so that a list with items selects its first.
void Click(int gadget, Button button, Modifiers modifiers) {
    QWidget* widget = GadgetWidget(gadget);
    const bool scrolls = qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
    ClickAt(gadget, {4, scrolls ? 4 : widget->height() / 2}, button, modifiers);
}

void ClickAt(int gadget, Point point, Button button, Modifiers modifiers) {
    QTest::mouseClick(MouseTarget(gadget), QtButton(button), QtModifiers(modifiers),
                      QtPoint(point));
}

void ClickTab(int panel, int tab, Button button) {
    QTabBar* bar = PanelWidget(panel)->tabBar();
    QTest::mouseClick(bar, QtButton(button), {}, bar->tabRect(tab).center());
}

void TurnWheelOverTabs(int panel) {
    QTabBar* bar = PanelWidget(panel)->tabBar();
    const QPoint point = bar->tabRect(0).center();
    QWheelEvent wheel(point, bar->mapToGlobal(point), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
}

void ForgetSelection(int list) {
    ListWidget(list)->clearSelection();
}

Point ItemCentre(int list, int index) {
    QListWidget* widget = ListWidget(list);
    const QPoint centre = widget->visualItemRect(widget->item(index)).center();
    return {centre.x(), centre.y()};
}

Point EmptyPartOf(int list) {
    return {5, ListWidget(list)->viewport()->height() - 3};
}

int ItemAt(int list, Point point) {
    QListWidget* widget = ListWidget(list);
    const QListWidgetItem* item = widget->itemAt(QtPoint(point));
    return item == nullptr ? -1 : widget->row(item);
}

void ScrollToItem(int list, int index) {
    ListWidget(list)->scrollToItem(ListWidget(list)->item(index));
}

void ScrollEditorTo(int editor, int line, int sideways) {
    auto* edit = qobject_cast<QPlainTextEdit*>(GadgetWidget(editor));
    edit->verticalScrollBar()->setValue(line);
    edit->horizontalScrollBar()->setValue(sideways);
}

void PressOnList(int list, Point point, Modifiers modifiers) {
    QTest::mousePress(MouseTarget(list), Qt::LeftButton, QtModifiers(modifiers), QtPoint(point));
}

void MoveOnList(int list, Point point) {
    QTest::mouseMove(MouseTarget(list), QtPoint(point));
}

void ReleaseOnList(int list, Point point) {
    QTest::mouseRelease(MouseTarget(list), Qt::LeftButton, {}, QtPoint(point));
}

// QTest::mouseDClick sends the double-click alone, which an item view takes for a first press.
void DoubleClickOnList(int list, Point point) {
    QWidget* area = MouseTarget(list);
    QTest::mouseClick(area, Qt::LeftButton, {}, QtPoint(point));
    QTest::mouseDClick(area, Qt::LeftButton, {}, QtPoint(point));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QtPoint(point));
}

int DragDistance() {
    return QApplication::startDragDistance();
}

void PressKey(Key key, Modifiers modifiers) {
    Qt::KeyboardModifiers qt = QtModifiers(modifiers);
    if (key == Key::KeypadEnter) {
        qt |= Qt::KeypadModifier;
    } else if (key == Key::Backtab) {
        qt |= Qt::ShiftModifier;
    } else if (key == Key::SelectAll || key == Key::Copy || key == Key::Cut) {
        qt |= Qt::ControlModifier;
    }
    QTest::keyClick(KeyTarget(), QtKey(key), qt);
}

void TypeText(const std::u32string& text) {
    for (const char32_t character : text) {
        if (character < 128) {
            QTest::keyClick(KeyTarget(), static_cast<char>(character));
        } else {
            QTest::sendKeyEvent(QTest::Click, KeyTarget(), Qt::Key_unknown,
                                FromUcs4(std::u32string(1, character)), Qt::NoModifier);
        }
    }
}

void PasteText(const std::u32string& text) {
    QTest::sendKeyEvent(QTest::Click, KeyTarget(), Qt::Key_unknown, FromUcs4(text), Qt::NoModifier);
}

struct KeyPressCounter::Watch : QObject {
    Watch(QWidget& widget, Qt::Key watched) : QObject(&widget), key(watched) {
        widget.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key) {
            ++presses;
        }
        return false;
    }
    Qt::Key key;
    int presses = 0;
};

KeyPressCounter::KeyPressCounter(int gadget, Key key) {
    QWidget* widget = GadgetWidget(gadget);
    if (auto* panel = qobject_cast<QTabWidget*>(widget)) {
        widget = panel->tabBar();
    }
    watch_ = std::make_unique<Watch>(*widget, QtKey(key));
}

KeyPressCounter::~KeyPressCounter() = default;

int KeyPressCounter::Presses() const {
    return watch_->presses;
}

toolkit::GadgetKind ShownKind(int gadget) {
    using toolkit::GadgetKind;
    const QWidget* widget = GadgetWidget(gadget);
    const std::pair<const char*, GadgetKind> classes[] = {
        {"QTabWidget", GadgetKind::Panel},   {"QLineEdit", GadgetKind::Text},
        {"QCheckBox", GadgetKind::Check},    {"QListWidget", GadgetKind::List},
        {"QPushButton", GadgetKind::Button}, {"QPlainTextEdit", GadgetKind::Editor},
    };
    for (const auto& [name, kind] : classes) {
        if (widget->inherits(name)) {
            return kind;
        }
    }
    ADD_FAILURE() << "gadget " << gadget << " is a " << widget->metaObject()->className();
    return GadgetKind::Button;
}

// The product's own rule, which its captions fit their text by.
bool ShowsWholeText(int gadget) {
    const auto* caption = dynamic_cast<const toolkit::qt::ReadOnlyField*>(GadgetWidget(gadget));
    return caption != nullptr && caption->ShowsWholeText();
}

std::string SelectedText(int gadget) {
    const auto* field = qobject_cast<const QLineEdit*>(GadgetWidget(gadget));
    return field == nullptr ? std::string() : field->selectedText().toStdString();
}

std::string WindowTitle(int window) {
    return WindowWidget(window)->windowTitle().toStdString();
}

std::vector<std::string> TabCaptions(int panel) {
    std::vector<std::string> captions;
    const QTabWidget* widget = PanelWidget(panel);
    for (int tab = 0; tab < widget->count(); ++tab) {
        captions.push_back(widget->tabText(tab).toStdString());
    }
    return captions;
}

std::vector<std::string> ShownItems(int list) {
    std::vector<std::string> items;
    const QListWidget* widget = ListWidget(list);
    for (int row = 0; row < widget->count(); ++row) {
        items.push_back(widget->item(row)->text().toStdString());
    }
    return items;
}

std::string ShownText(int gadget) {
    const QWidget* widget = GadgetWidget(gadget);
    if (const auto* editor = qobject_cast<const QPlainTextEdit*>(widget)) {
        return editor->toPlainText().toStdString();
    }
    return widget->property("text").toString().toStdString();
}

// Lines do not wrap, so the scroll bar counts whole lines.
int FirstVisibleLine(int editor) {
    return qobject_cast<QPlainTextEdit*>(GadgetWidget(editor))->verticalScrollBar()->value();
}

int SidewaysScroll(int editor) {
    return qobject_cast<QPlainTextEdit*>(GadgetWidget(editor))->horizontalScrollBar()->value();
}

bool IsShown(int gadget) {
    return GadgetWidget(gadget)->isVisible();
}

bool IsEnabled(int gadget) {
    return GadgetWidget(gadget)->isEnabled();
}

int CurrentTab(int panel) {
    return PanelWidget(panel)->currentIndex();
}

bool HasFocusOnTabRow(int panel) {
    return QApplication::focusWidget() == PanelWidget(panel)->tabBar();
}

void ClearFocus(int window) {
    if (QWidget* focused = WindowWidget(window)->focusWidget()) {
        focused->clearFocus();
    }
}

namespace {

Rect GeometryWithin(int gadget, const QWidget* container) {
    QWidget* widget = GadgetWidget(gadget);
    if (widget == nullptr || container == nullptr || widget->parentWidget() != container) {
        return {-1, -1, -1, -1};
    }
    return {widget->x(), widget->y(), widget->width(), widget->height()};
}

}  // namespace

Rect GeometryOnPage(int gadget, int panel, int page) {
    return GeometryWithin(gadget, PanelWidget(panel)->widget(page));
}

Rect GeometryInWindow(int gadget, int window) {
    return GeometryWithin(gadget, WindowWidget(window));
}

struct NativeWatch::Pointer {
    QPointer<QWidget> widget;
};

NativeWatch::NativeWatch(toolkit::Handle handle)
    : pointer_(new Pointer{reinterpret_cast<QWidget*>(handle)}) {}

NativeWatch::~NativeWatch() = default;

bool NativeWatch::IsGone() const {
    return pointer_->widget.isNull();
}

bool IsReadOnly(int gadget) {
    return GadgetWidget(gadget)->property("readOnly").toBool();
}

void SetReadOnly(int gadget, bool readOnly) {
    GadgetWidget(gadget)->setProperty("readOnly", readOnly);
}

int BackgroundColour(int gadget) {
    const QColor colour = GadgetWidget(gadget)->palette().color(QPalette::Active, QPalette::Base);
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

int TextColour(int gadget) {
    const QColor colour = GadgetWidget(gadget)->palette().color(QPalette::Active, QPalette::Text);
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

// A list or editor draws its inside on its viewport.
DrawnColours ColoursDrawn(int gadget) {
    QWidget* widget = GadgetWidget(gadget);
    QImage inside;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        inside = area->viewport()->grab().toImage();
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        // The field's inside, within its frame, less the padding clear of the text, where the
        // corners of a rounded frame reach in.
        QStyleOptionFrame option;
        option.initFrom(field);
        option.rect = field->contentsRect();
        option.lineWidth =
            field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        option.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
        const QRect contents =
            field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
        inside = field->grab(contents.marginsRemoved(QMargins(2, 2, 2, 2))).toImage();
    }
    std::vector<int> pixels;
    for (int y = 0; y < inside.height(); ++y) {
        for (int x = 0; x < inside.width(); ++x) {
            const QRgb pixel = inside.pixel(x, y);
            pixels.push_back(toolkit::RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    return ColoursOfPixels(pixels);
}

int FontPixelHeight(int gadget) {
    return QFontInfo(GadgetWidget(gadget)->font()).pixelSize();
}

bool FontIsFixedPitch(int gadget) {
    return QFontInfo(GadgetWidget(gadget)->font()).fixedPitch();
}

std::vector<int> WindowIconSizes(int window) {
    std::vector<int> sizes;
    for (const QSize& size : WindowWidget(window)->windowIcon().availableSizes()) {
        sizes.push_back(size.width());
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

Rect WindowClientArea(int window) {
    const QWidget* widget = WindowWidget(window);
    return {widget->x(), widget->y(), widget->width(), widget->height()};
}

void WhileWaiting(std::function<void()> action) {
    QTimer::singleShot(0, std::move(action));
}

Accessible AccessibleOf(int gadget) {
    return AccessibleOfWidget(GadgetWidget(gadget));
}

Accessible WindowAccessible(int window) {
    return AccessibleOfWidget(WindowWidget(window));
}

}  // namespace quillmoor::test
