// TReportListView's private data and the helpers its TReportListView*.cpp files share.
#pragma once

#include "VEK_replist.h"

#include <memory>
#include <vector>

namespace vek {

// Attribute bits in the string array: a row or column is selected, a row is disabled.
inline constexpr quint8 SelectedBit = 0x80;
inline constexpr quint8 DisabledBit = 0x40;

// Everything of a report list that Assign copies from another one.
struct ReportListSettings {
    // per data column
    std::vector<TAlignment> colAlignment;
    std::vector<bool> columnEditable, columnIsPwd;
    std::vector<int> colOrder; // display position -> data column (0-based)
    // headers and the empty list
    TAlignment headerAlignment = taCenter;
    QString emptyMsg;
    bool comHdVis = false, colHdVis = true;
    int comHdHgt = 20, colHdHgt = 20;
    bool fixedColOne = false;
    // colors and highlight
    TColor hiLgtColor = 0xCC9966, hiLgtTextColor = 0xFFFFFF, colorNormal = 0x002000;
    TColor rColorNormal = 0xFFFFFF, rColorShaded = 0xF0EFE8;
    TColor colHdTxtColor = clBtnText, comHdColor = clBtnFace, comHdTxtColor = clBtnText;
    TColor disabledBkgdColor = 0xF0F0F0, disabledTextColor = 0xC0C0C0;
    TColor colorEmptyMsg = clWindowText;
    TColor selRowColor = 0x94BAED, selRowTextColor = 0x800000;
    TColor selColColor = clBlack, selColTextColor = clBlack;
    TColor selBothColor = clBlack, selBothTextColor = clBlack;
    bool hiLgtBold = false;
    int hiLgtRow = 0, hiLgtColumn = 0, rowColPattern = 1;
    TColor interRowColor = 0x0000FF;
    int interRowWidth = 3, interRowIndi = 0;
    bool showEmptyCBx = true, roCheckMarks = false;
    // interaction
    bool autoAdvance = false, sortEnabled = true, ctrlForMultiSel = true;
    int rowSelectMode = 1;
};

struct TReportListView::Private : ReportListSettings {
    std::unique_ptr<TRLData> data = std::make_unique<TRLData>(nullptr);
    // Painting is suppressed from construction until the window exists;
    // suppressedByCaller keeps a caller's own suppression across that moment.
    bool suppressPaint = true, suppressedByCaller = false;
    // The rows shown, as data rows in presented order, while a filter hides some
    // (`filtered`); without a filter grid row h + i shows data row i + 1. Rebuilt when
    // the string array's layout stamp moves.
    std::vector<int> shownRows;
    bool filtered = false;
    quint64 shownStamp = ~quint64(0);
    int shownOfRows = -1;
    // Anchor of Shift+click range selection (data row).
    int selectAnchor = 1;
    // Where the mouse was last seen (a double click carries no position).
    int lastMouseX = 0, lastMouseY = 0;
};

// The colors and styles of one data cell.
struct TReportListView::CellStyle {
    TColor Pen, Brush, Font;
    TFontStyles Styles;
};

// Suppresses painting for its lifetime; restoring false repaints once.
class TReportListView::PaintBatch {
public:
    explicit PaintBatch(TReportListView* view) : FView(view), FSaved(view->d->suppressPaint)
    {
        view->d->suppressPaint = true;
    }
    ~PaintBatch() { FView->RestoreSuppressPaint(FSaved); }
    PaintBatch(const PaintBatch&) = delete;
    PaintBatch& operator=(const PaintBatch&) = delete;

private:
    TReportListView* FView;
    bool FSaved;
};

template <typename T> void TReportListView::SetupValue(T& field, T value)
{
    field = value;
    Repaint();
    ChangedSetup();
}

namespace replist {

// Sends the accessibility events of the list's changes (replist_accessible.cpp).
void AnnounceChanges(TReportListView* list);

} // namespace replist

} // namespace vek
