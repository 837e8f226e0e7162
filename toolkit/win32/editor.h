#pragma once

// An editor gadget: a rich edit control (rich_edit.h) kept to plain paragraphs, which paints
// itself in the colours it is given.

#include <string>

#include "toolkit/win32/control.h"

namespace quillmoor::toolkit::win32 {

class Editor final : public Control {
public:
    Editor(HWND window, Placement placement, Happenings& happenings, ScaledFont& font);

    void SetText(const std::wstring& text) override;
    std::wstring Text() const override;
    // Whether the user changed the text since it was last set.
    bool EditedSinceSet() const;
    Platform::EditorView View() const;
    void SetView(const Platform::EditorView& view);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ShowColour(ColourType changed) override;
    void ApplyColours() const;

    // Shift+Return was handled; the character made of that key is still to come.
    bool shiftReturnCharComing_ = false;
};

}  // namespace quillmoor::toolkit::win32
