#pragma once
// Where the controls of an editor page stand. Every place of the page (the
// tab sheet, its sub-pages, its group boxes) keeps its items in the order
// they were added; Arrange sets them in columns, top to bottom, a new
// column when the next item would pass the bottom, captions right of the
// column's left edge and controls aligned behind the widest caption. A
// group box is sized by its own items; sub-pages fill what the page's own
// items leave at the right.

#include "controls/plot/editor/EditorPageRows.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TLabel;
class TTabSheet;
class TPageControl;

namespace korvan::plot::editor {

class EditorPageLayout {
public:
    EditorPageLayout(TCustomForm& form, TTabSheet& sheet, const KindPage& page);
    ~EditorPageLayout();
    EditorPageLayout(const EditorPageLayout&) = delete;
    EditorPageLayout& operator=(const EditorPageLayout&) = delete;

    // The container of a place, made with its parents on first use.
    TWinControl* Container(std::string_view path);
    // An item of a place: a control, with an optional caption before it
    // (the caption's text is the row's), and a partner shown right of it
    // (an up-down, a picker).
    void Add(std::string_view path, TControl* control, std::string_view caption = {},
             TControl* partner = nullptr);
    // Four controls (each with an optional partner) as a cross: top in the
    // middle of the first line, left and right on the second, bottom on
    // the third.
    struct CrossArm {
        TControl* control = nullptr;
        TControl* partner = nullptr;
    };
    void AddCross(std::string_view path, CrossArm left, CrossArm top, CrossArm right, CrossArm bottom);
    // The list with its Add and Remove buttons, at the sheet's left.
    void SetListArea(TControl* list, TControl* addButton, TControl* removeButton);
    void Arrange();

private:
    struct Node;
    Node& NodeOf(std::string_view path);
    const PlaceSpec* Declared(std::string_view path) const;
    std::string_view ParentOf(std::string_view path) const;

    TCustomForm& form_;
    TTabSheet& sheet_;
    const KindPage& page_;
    std::vector<std::unique_ptr<Node>> nodes_;
    TControl* list_ = nullptr;
    TControl* add_ = nullptr;
    TControl* remove_ = nullptr;
};

// The width of a text in the form's font.
int TextWidthOf(const TControl& control, std::string_view text);

} // namespace korvan::plot::editor
