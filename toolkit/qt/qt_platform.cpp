// The core's Platform over Qt 6 Widgets.

#include "toolkit/qt/qt_platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <list>

namespace quillmoor::toolkit {

namespace qt {

namespace {

constexpr const char* kToolkitObject = "quillmoorToolkitObject";

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

QWidget* MakeKind(QWidget& parent, const GadgetRequest& request, Happenings& happenings) {
    switch (request.kind) {
        case GadgetKind::Panel:
            return MakePanel(parent, happenings);
        case GadgetKind::Text:
            return MakeTextField(parent, request, happenings);
        case GadgetKind::List:
            return MakeList(parent, happenings);
        case GadgetKind::Check:
        case GadgetKind::Button:
            return MakeButton(parent, request, happenings);
        case GadgetKind::Editor:
            return MakeEditor(parent);
    }
    return nullptr;
}

class QtPlatform final : public Platform {
public:
    explicit QtPlatform(Happenings& happenings)
        : happenings_(happenings),
          inputFilter_(InstallInputFilter(happenings)),
          defaultFont_(DialogFont()) {
        QApplication::setFont(defaultFont_);
        ExposeFormWindowsAsWindows();
    }
    ~QtPlatform() override { delete inputFilter_.data(); }
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void DescribeProgram(const std::string& name, const std::string& iconResource) override {
        if (!name.empty()) {
            NameProgram(name);
        }
        iconResource_ = iconResource;
    }

    NativeId OpenWindow(Placement outer, const std::u16string& title) override {
        return IdOf(qt::OpenFormWindow(happenings_, outer, ToQString(title), iconResource_));
    }

    void CloseWindow(NativeId window) override { delete WidgetOf(window); }

    // Every gadget takes the focus when clicked and by Tab.
    NativeId CreateGadget(NativeId parent, const GadgetRequest& request) override {
        QWidget* widget = MakeKind(*WidgetOf(parent), request, happenings_);
        const Placement& place = request.placement;
        widget->setGeometry(place.x, place.y, place.width, place.height);
        widget->setFocusPolicy(Qt::StrongFocus);
        MarkToolkitObject(*widget);
        widget->show();
        return IdOf(widget);
    }

    void DestroyGadget(NativeId gadget) override { delete WidgetOf(gadget); }

    NativeId InsertTab(NativeId panel, int index, const std::u16string& caption) override {
        auto* page = new QWidget();
        As<QTabWidget>(panel)->insertTab(index, page, ToQString(caption));
        return IdOf(page);
    }

    // Qt's panel shows and hides its pages itself; a page not shown is also disabled, so that
    // its widgets take no input.
    void ShowPage(NativeId page, bool shown) override { WidgetOf(page)->setEnabled(shown); }

    bool InsertItem(NativeId list, int index, const std::u16string& text) override {
        As<QListWidget>(list)->insertItem(index, ToQString(text));
        return true;
    }

    void RemoveItem(NativeId list, int index) override {
        delete As<QListWidget>(list)->takeItem(index);
    }

    // The current item goes too: a single-selection list selects the neighbour of its current
    // item when that item is removed, even an unselected one.
    void ClearSelection(NativeId list) override {
        As<QListWidget>(list)->selectionModel()->clear();
    }

    // The editor's document takes '\r', "\r\n" and '\n' alike as the end of a line.
    void SetText(NativeId gadget, const std::u16string& text) override {
        if (auto* field = As<QLineEdit>(gadget)) {
            field->setText(ToQString(text));
            field->setCursorPosition(0);
        } else if (auto* editor = As<QPlainTextEdit>(gadget)) {
            editor->setPlainText(ToQString(text));
        }
    }

    std::u16string Text(NativeId gadget) const override {
        if (const auto* field = As<QLineEdit>(gadget)) {
            return FromQString(field->text());
        }
        if (const auto* editor = As<QPlainTextEdit>(gadget)) {
            return FromQString(editor->document()->toRawText());
        }
        return {};
    }

    bool ReadOnly(NativeId gadget) const override {
        return WidgetOf(gadget)->property("readOnly").toBool();
    }

    bool EditedSinceSet(NativeId editor) const override {
        return As<QPlainTextEdit>(editor)->document()->isModified();
    }

    EditorView View(NativeId editor) const override { return ViewOf(*As<QPlainTextEdit>(editor)); }

    void SetView(NativeId editor, const EditorView& view) override {
        qt::SetView(*As<QPlainTextEdit>(editor), view);
    }

    int State(NativeId gadget) const override {
        if (const auto* box = As<QCheckBox>(gadget)) {
            return box->isChecked() ? 1 : 0;
        }
        if (const auto* list = As<QListWidget>(gadget)) {
            const QModelIndexList selected = list->selectionModel()->selectedIndexes();
            return selected.isEmpty() ? -1 : selected.front().row();
        }
        return 0;
    }

    void SetAccessibleName(NativeId gadget, const std::u16string& name) override {
        WidgetOf(gadget)->setAccessibleName(ToQString(name));
    }

    void SetColours(NativeId gadget, Colour text, Colour background) override {
        ShowColours(*WidgetOf(gadget), text, background);
    }

    Colour DesktopTextColour(NativeId gadget) const override {
        return qt::DesktopTextColour(*WidgetOf(gadget));
    }

    // Qt tells of no high-contrast setting: a high-contrast theme reaches it as the desktop's
    // palette, which the colours follow like any other.
    bool HighContrastOn() const override { return false; }

    NativeId LoadFont(const std::u16string& family, int points) override {
        std::optional<QFont> font = MakeFont(ToQString(family), points);
        if (!font) {
            return 0;
        }
        fonts_.push_back(*font);
        return IdOf(&fonts_.back());
    }

    void ReleaseFont(NativeId font) override {
        fonts_.remove_if([font](const QFont& held) { return IdOf(&held) == font; });
    }

    // Widgets keep a copy of the font, and a font change leaves their colours alone.
    void SetFont(NativeId gadget, FontChoice choice, NativeId loadedFont) override {
        WidgetOf(gadget)->setFont(choice == FontChoice::Loaded ? *ObjectOf<QFont>(loadedFont)
                                  : choice == FontChoice::DefaultWidgetFont
                                      ? defaultFont_
                                      : QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    }

    void Focus(NativeId gadget, FocusCause cause) override {
        FocusTargetOf(gadget)->setFocus(cause == FocusCause::TabForward    ? Qt::TabFocusReason
                                        : cause == FocusCause::TabBackward ? Qt::BacktabFocusReason
                                                                           : Qt::OtherFocusReason);
    }

    NativeId FocusedObject() const override { return ToolkitObjectOf(QApplication::focusWidget()); }

    int DragDistance() const override { return QApplication::startDragDistance(); }

    Answer AskYesNo(const std::u16string& title, const std::u16string& text) override {
        return qt::AskYesNo(ToQString(title), ToQString(text));
    }

    // Objects that asked to be deleted later (closed popups) go at once: the toolkit's wait is
    // the program's only event loop.
    void HandleInput(bool wait) override {
        QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents
                                             : QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    Happenings& happenings_;
    QPointer<QObject> inputFilter_;
    QFont defaultFont_;
    std::string iconResource_;
    std::list<QFont> fonts_;
};

}  // namespace

void MarkToolkitObject(QWidget& widget) {
    widget.setProperty(kToolkitObject, true);
}

NativeId ToolkitObjectOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->property(kToolkitObject).toBool()) {
            return IdOf(widget);
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return 0;
}

}  // namespace qt

std::unique_ptr<Platform> StartPlatform(Happenings& happenings, std::string& /*failure*/) {
    qt::StartApplication();
    return std::make_unique<qt::QtPlatform>(happenings);
}

}  // namespace quillmoor::toolkit
