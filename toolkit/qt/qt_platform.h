#pragma once

// The core's Platform over Qt 6 Widgets: every native object is a QWidget (or a QFont owned
// here), named by its address.

#include <QFont>
#include <QPointer>
#include <list>
#include <string>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

class QtPlatform final : public Platform {
public:
    explicit QtPlatform(Happenings& happenings);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void DescribeProgram(const std::string& name, const std::string& iconResource) override;
    NativeId OpenWindow(Placement outer, const std::u16string& title) override;
    void CloseWindow(NativeId window) override;
    NativeId CreateGadget(NativeId parent, const GadgetRequest& request) override;
    void DestroyGadget(NativeId gadget) override;
    NativeId InsertTab(NativeId panel, int index, const std::u16string& caption) override;
    void ShowPage(NativeId page, bool shown) override;
    bool InsertItem(NativeId list, int index, const std::u16string& text) override;
    void RemoveItem(NativeId list, int index) override;
    void ClearSelection(NativeId list) override;
    void SetText(NativeId gadget, const std::u16string& text) override;
    std::u16string Text(NativeId gadget) const override;
    bool ReadOnly(NativeId gadget) const override;
    bool EditedSinceSet(NativeId editor) const override;
    EditorView View(NativeId editor) const override;
    void SetView(NativeId editor, const EditorView& view) override;
    int State(NativeId gadget) const override;
    void SetAccessibleName(NativeId gadget, const std::u16string& name) override;
    void SetColour(NativeId gadget, ColourType type, Colour colour) override;
    Colour DesktopTextColour(NativeId gadget) const override;
    bool HighContrastOn() const override;
    NativeId LoadFont(const std::u16string& family, int points) override;
    void ReleaseFont(NativeId font) override;
    void SetFont(NativeId gadget, FontChoice choice, NativeId loadedFont) override;
    void Focus(NativeId gadget, FocusCause cause) override;
    NativeId FocusedObject() const override;
    int DragDistance() const override;
    Answer AskYesNo(const std::u16string& title, const std::u16string& text) override;
    void HandleInput(bool wait) override;

private:
    Happenings& happenings_;
    QPointer<QObject> inputFilter_;
    QFont defaultFont_;
    std::string iconResource_;
    std::list<QFont> fonts_;
};

}  // namespace quillmoor::toolkit::qt
