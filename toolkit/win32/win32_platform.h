#pragma once

// The core's Platform over plain Win32: every window and widget is named by its HWND, every
// font by the ScaledFont kept here.

#include <list>
#include <map>
#include <memory>
#include <string>

#include "toolkit/core/platform.h"
#include "toolkit/win32/containers.h"
#include "toolkit/win32/control.h"
#include "toolkit/win32/scaled_font.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

class Win32Platform final : public Platform, private FormListener {
public:
    explicit Win32Platform(Happenings& happenings);
    ~Win32Platform() override = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

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
    void CloseRequested(HWND form) override;
    bool OuterSizeForDpi(HWND form, int dpi, SIZE& size) override;
    void DpiChanged(HWND form, int dpi, const RECT& suggested) override;
    void DesktopColoursChanged() override;

    // The control of that kind, or nullptr when the gadget is none of ours or of another kind.
    template <typename Kind>
    Kind* ControlAt(NativeId gadget) const {
        const auto found = controls_.find(reinterpret_cast<HWND>(gadget));
        return found == controls_.end() ? nullptr : dynamic_cast<Kind*>(found->second.get());
    }
    // Drops the records of controls whose windows are gone.
    void ForgetDestroyed();

    Happenings& happenings_;
    ScaledFont dialogFont_;
    ScaledFont systemFont_;
    std::list<ScaledFont> fonts_;
    // Each form with the placement it was laid out for.
    std::map<HWND, Placement> forms_;
    std::map<HWND, std::unique_ptr<Control>> controls_;
};

}  // namespace quillmoor::toolkit::win32
