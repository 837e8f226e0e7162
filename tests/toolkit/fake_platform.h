#pragma once

// A platform without a display for the core's tests: it hands out ids, keeps what a list or a
// text field would hold, and records what the core asks of it; a test plays the user by
// reporting happenings to the core.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/core/platform.h"
#include "toolkit/core/readable_colours.h"

namespace quillmoor::toolkit {

class FakePlatform final : public Platform {
public:
    std::string program;
    std::vector<std::string> pageCalls;  // "+7" shown, "-7" hidden
    std::vector<NativeId> destroyed;
    std::map<NativeId, std::vector<std::u16string>> items;
    std::map<NativeId, int> states;
    std::map<NativeId, std::u16string> texts;
    std::map<NativeId, std::u16string> accessibleNames;
    std::set<NativeId> readOnly;
    std::map<NativeId, EditorView> views;  // as last set, or as the user left them
    std::map<NativeId, NativeId> parents;
    std::map<NativeId, GadgetColours> colours;  // as last set
    Colour desktopText = RGB(0, 0, 0);
    bool highContrast = false;
    NativeId focused = 0;
    bool refuse = false;
    int made = 0;  // native objects asked for, refused ones included
    std::function<void()> pendingInput;
    // Reports what a native widget says of a change made to it, as its signals would.
    std::function<void(NativeId)> echo = [](NativeId) {};

    void DescribeProgram(const std::string& name, const std::string&) override { program = name; }
    NativeId OpenWindow(Placement, const std::u16string&) override { return Make(); }
    void CloseWindow(NativeId window) override { destroyed.push_back(window); }
    NativeId CreateGadget(NativeId parent, const GadgetRequest&) override {
        const NativeId gadget = Make();
        parents[gadget] = parent;
        return gadget;
    }
    void DestroyGadget(NativeId gadget) override { destroyed.push_back(gadget); }
    NativeId InsertTab(NativeId panel, int, const std::u16string&) override {
        echo(panel);
        return Make();
    }
    void ShowPage(NativeId page, bool shown) override {
        pageCalls.push_back((shown ? "+" : "-") + std::to_string(page));
    }
    bool InsertItem(NativeId list, int index, const std::u16string& text) override {
        if (!refuse) {
            items[list].insert(items[list].begin() + index, text);
            echo(list);
        }
        return !refuse;
    }
    void RemoveItem(NativeId list, int index) override {
        items[list].erase(items[list].begin() + index);
    }
    void ClearSelection(NativeId list) override { states[list] = -1; }
    void SetText(NativeId gadget, const std::u16string& text) override {
        texts[gadget] = text;
        echo(gadget);
    }
    std::u16string Text(NativeId gadget) const override {
        return texts.contains(gadget) ? texts.at(gadget) : std::u16string();
    }
    bool ReadOnly(NativeId gadget) const override { return readOnly.contains(gadget); }
    bool EditedSinceSet(NativeId) const override { return false; }
    EditorView View(NativeId editor) const override {
        return views.contains(editor) ? views.at(editor) : EditorView{};
    }
    void SetView(NativeId editor, const EditorView& view) override { views[editor] = view; }
    int State(NativeId gadget) const override {
        return states.contains(gadget) ? states.at(gadget) : -1;
    }
    void SetAccessibleName(NativeId gadget, const std::u16string& name) override {
        accessibleNames[gadget] = name;
        echo(gadget);
    }
    void SetColours(NativeId gadget, Colour text, Colour background) override {
        colours[gadget] = {text, background};
    }
    Colour DesktopTextColour(NativeId) const override { return desktopText; }
    bool HighContrastOn() const override { return highContrast; }
    NativeId LoadFont(const std::u16string&, int) override { return Make(); }
    void ReleaseFont(NativeId) override {}
    void SetFont(NativeId, FontChoice, NativeId) override {}
    void Focus(NativeId gadget, FocusCause) override {
        focused = gadget;
        echo(gadget);
    }
    NativeId FocusedObject() const override { return focused; }
    int DragDistance() const override { return 4; }
    Answer AskYesNo(const std::u16string&, const std::u16string&) override { return Answer::Yes; }
    void HandleInput(bool) override {
        if (pendingInput) {
            std::exchange(pendingInput, {})();
        }
    }

private:
    NativeId Make() {
        ++made;
        return refuse ? 0 : ++lastId_;
    }
    NativeId lastId_ = 100;
};

}  // namespace quillmoor::toolkit
