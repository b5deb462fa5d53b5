// TNTabEd: construction, the table's notifications, the editor's own notifications and
// paint suppression, and the editing settings.
#include "ntabed_p.h"

#include <frame/baselib/strutils.h>
#include <frame/core/change.h>

#include <new>

namespace vek {

TNTabEd::TNTabEd(QWidget* parent) : TCustomGrid(parent), d(std::make_unique<Private>(this))
{
    const Suppression quiet(d.get());
    // The cells can be edited from the start, also from the keyboard, and Tab walks
    // them as in any table view.
    SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
               goEditing | goTabs);
    SetFixedCols(1 + d->colOffset);
    SetDefaultRowHeight(24);
    TCustomGrid::SetColWidths(1, d->attribColWidth);
    TCustomGrid::SetColWidths(0, NameColWidth);
    try {
        d->table = std::make_unique<TDataTable>(nullptr);
        // The grid's 5 x 5 cells less the header lines: 3 columns and 4 rows.
        d->table->Resize(ColCount() - 2, RowCount() - 1);
        d->precisions.assign(std::size_t(d->table->NrOfColumns()), DefaultPrecision);
        d->HookTable();
    } catch (const std::exception&) {
        throw EVEKNTabedError(
            ComponentErrorText(Name(), "failed to initialize table editor (out of memory)"));
    }
    SetColorBackground(clWindow);
    SetColorFixed(clBtnFace);
    d->BuildPopups();
    ntabed::AnnounceChanges(this);
}

TNTabEd::~TNTabEd() = default;

TDataTable* TNTabEd::Data() const { return d->table.get(); }

// The table's notifications: its changes become the editor's, its size the grid's.
void TNTabEd::Private::HookTable()
{
    table->OnChange = [this](TObject*) {
        if (tableMuted)
            return;
        q->ChangedData();
        q->Invalidate();
    };
    table->OnSetupChange = [this](TObject*) {
        if (tableMuted)
            return;
        q->ChangedSetup();
        q->Invalidate();
    };
    table->OnPercentDone = [this](TObject*, int percent) {
        if (q->OnPercentDone)
            q->OnPercentDone(q, percent);
        emit q->percentDone(percent);
    };
    table->OnResize = [this](TObject*, int oldCols, int, int newCols, int newRows) {
        FollowTableSize(oldCols, newCols, newRows);
    };
    // Precisions belong to their columns: a sort that moves columns with their headers
    // takes them along.
    table->OnSortExchange = [this](TObject*, int kind, int, int, int i, int j) {
        if (kind == TDataTable::ekColumnsWithHeaders && i >= 1 && j >= 1 &&
            std::max(i, j) <= int(precisions.size()))
            std::swap(precisions[std::size_t(i - 1)], precisions[std::size_t(j - 1)]);
    };
}

// ---- notifications

void TNTabEd::Private::Fire(const TNotifyEvent& event, void (TNTabEd::*signal)())
{
    if (Suppressed())
        return;
    if (event)
        event(q);
    emit(q->*signal)();
}

void TNTabEd::ChangedData() { d->Fire(OnChange, &TNTabEd::changed); }
void TNTabEd::ChangedSetup() { d->Fire(OnChangeSetup, &TNTabEd::setupChanged); }
void TNTabEd::ChangedHeading() { d->Fire(OnHeadingChanged, &TNTabEd::headingChanged); }
void TNTabEd::ChangedAttrib() { d->Fire(OnAttributeChanged, &TNTabEd::attributeChanged); }
void TNTabEd::ChangedLayout() { d->Fire(OnLayoutChanged, &TNTabEd::layoutChanged); }
void TNTabEd::ChangedCellStates() { d->Fire(OnCellStateChanged, &TNTabEd::cellStateChanged); }

// Qt code hears of selection changes through the grid's selectionChanged signal, which
// reports every change of Selection; this one reports what the editor decides to.
void TNTabEd::ChangedSelection()
{
    if (!d->Suppressed() && OnSelectionChanged)
        OnSelectionChanged(this);
}

bool TNTabEd::SuppressPaint() const { return d->suppressPaint; }

void TNTabEd::SetSuppressPaint(bool value)
{
    if (Change(d->suppressPaint, value) && !value)
        Refresh();
}

// ---- comment and editing settings

QString TNTabEd::Comment() const { return d->table->Comment(); }

void TNTabEd::SetComment(const QString& value)
{
    {
        const MutedTable muted(d.get());
        d->table->SetComment(RemoveControlChars(value));
    }
    ChangedData();
}

bool TNTabEd::DataReadOnly() const { return d->dataReadOnly; }

void TNTabEd::SetDataReadOnly(bool value)
{
    d->dataReadOnly = value;
    if (value) {
        CancelEditing();
        SetOptions(Options() & ~TGridOptions(goEditing));
    } else
        SetOptions(Options() | goEditing);
}

bool TNTabEd::AutoAdvance() const { return d->autoAdvance; }
void TNTabEd::SetAutoAdvance(bool value) { d->autoAdvance = value; }
TOrientation TNTabEd::AutoAdvanceDir() const { return d->autoAdvanceDir; }
void TNTabEd::SetAutoAdvanceDir(TOrientation value) { d->autoAdvanceDir = value; }
bool TNTabEd::BlockInternalPopup() const { return d->blockInternalPopup; }
void TNTabEd::SetBlockInternalPopup(bool value) { d->blockInternalPopup = value; }
bool TNTabEd::CommentEditingAllowed() const { return d->commentEditingAllowed; }
void TNTabEd::SetCommentEditingAllowed(bool value) { d->commentEditingAllowed = value; }
bool TNTabEd::ClipboardUseFullPrec() const { return d->clipboardUseFullPrec; }
void TNTabEd::SetClipboardUseFullPrec(bool value) { d->clipboardUseFullPrec = value; }
int TNTabEd::NomEditDropDownCount() const { return d->nomEditDropDownCount; }
void TNTabEd::SetNomEditDropDownCount(int value)
{
    d->nomEditDropDownCount = value;
    if (auto* list = dynamic_cast<TInplaceEditList*>(InplaceEditor()))
        list->setMaxVisibleItems(value);
}

} // namespace vek
