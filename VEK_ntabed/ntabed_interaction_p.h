// The state of the user's interaction with a table editor (its menus, the heading and
// comment editors, the last clicks and selection) and the reading of typed numbers.
#pragma once

#include "VEK_ntabed.h"

#include <array>
#include <optional>

class QLineEdit;
class QPlainTextEdit;

namespace vek::ntabed {

// The face of the comment editor and of the corner while it is open: white on teal.
constexpr TColor CommentColor = 0x808000;

// What a typed text stores in a cell of an ordinary column: the number, read with a
// comma or a point as the decimal sign after blanks are trimmed; nothing for an empty
// text, other text or a number beyond the double range.
std::optional<double> ParseEntry(const QString& text);

// The state of the user's interaction with a table editor: its two popup menus, the
// header and comment editors, and what the last clicks and selection were.
struct Interaction {
    static constexpr int DataItemCount = 12, HeaderItemCount = 5, SubItemCount = 4;
    // Marking submenus, in the order of the data menu's first four items.
    enum Marking { MarkA, MarkB, UnmarkA, UnmarkB };
    // The cells a marking command works on: the selected ones, every cell of their
    // columns, of their rows, or of the table.
    enum Scope { Range, Columns, Rows, All };

    TPopupMenu* dataPopup = nullptr;
    TPopupMenu* headerPopup = nullptr;
    std::array<TMenuItem*, DataItemCount> dataItems{};
    std::array<TMenuItem*, HeaderItemCount> headerItems{};
    std::array<std::array<TMenuItem*, SubItemCount>, 4> subItems{}; // by Marking
    int dataMask = 0xFFF, headerMask = 0x1F;

    // The cell under the last press, and the cell of the last press that hit a cell (a
    // second press on the same cell edits it).
    TGridCoord clickedCell{-1, -1};
    TGridCoord lastPressedCell{-1, -1};
    // The selection as last reported, so that a report is made only for a change.
    TGridRect lastSelection{-1, -1, -1, -1};
    // The header cell outlined while the header menu is open, and where that menu opened.
    std::optional<TGridCoord> outlinedCell;
    QPoint headerPopupAt;

    // The heading editor, created when first needed; what it edits while open.
    QLineEdit* headingEditor = nullptr;
    enum HeadingTarget { ColumnName, ColumnAttribute, RowName, RowAttribute };
    HeadingTarget headingTarget = ColumnName;
    int headingIndex = 0;
    bool headingOpen = false;
    // The comment editor, created when first needed.
    QPlainTextEdit* commentEditor = nullptr;
    bool commentOpen = false;
};

} // namespace vek::ntabed
