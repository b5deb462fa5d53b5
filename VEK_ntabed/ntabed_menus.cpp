// TNTabEd's two built-in popup menus: the data menu over the cells and the header menu
// over names and attributes. Their items, masks and captions, and how each opens.
#include "ntabed_p.h"

namespace vek {

namespace {

using Command = void (TNTabEd::*)(TObject*);
using ntabed::Interaction;

// The captions are the editor's own texts, translated in its context (vek::TNTabEd).
struct ItemSpec {
    const char* caption;
    Command command; // none for the items that open a submenu
};

constexpr ItemSpec DataItems[Interaction::DataItemCount] = {
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Mark as type A"), nullptr},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Mark as type B"), nullptr},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Unmark type A"), nullptr},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Unmark type B"), nullptr},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Unmark All"), &TNTabEd::PopupMenuClickUnMarkAll},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Clear"), &TNTabEd::PopupMenuClickClear},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Copy"), &TNTabEd::PopupMenuClickCopy},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Paste"), &TNTabEd::PopupMenuClickPaste},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Data Read-Only"), &TNTabEd::PopupMenuClickEdit},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Extract from Clipboard"),
     &TNTabEd::PopupMenuClickExtClip},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Select All"), &TNTabEd::PopupMenuClickSelAll},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Toggle Empty State"),
     &TNTabEd::PopupMenuClickEmptyCells},
};

// Items 3 to 5 get their commands when the menu opens, for a column or a row.
constexpr ItemSpec HeaderItems[Interaction::HeaderItemCount] = {
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Edit Heading"), &TNTabEd::PopupMenuClickChangeID},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Change Precision"),
     &TNTabEd::PopupMenuClickPrecision},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Select.."), nullptr},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Insert.."), nullptr},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Delete.."), nullptr},
};

// Whole captions for each, so that a translation is free in its word order.
struct HeaderVariant {
    const char *columnCaption, *rowCaption;
    Command column, row;
};

constexpr HeaderVariant HeaderVariants[3] = {
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Select Column"),
     QT_TRANSLATE_NOOP("vek::TNTabEd", "Select Row"), &TNTabEd::PopupMenuClickSelectCol,
     &TNTabEd::PopupMenuClickSelectRow},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Insert Column"),
     QT_TRANSLATE_NOOP("vek::TNTabEd", "Insert Row"), &TNTabEd::PopupMenuClickInsertCol,
     &TNTabEd::PopupMenuClickInsertRow},
    {QT_TRANSLATE_NOOP("vek::TNTabEd", "Delete Column"),
     QT_TRANSLATE_NOOP("vek::TNTabEd", "Delete Row"), &TNTabEd::PopupMenuClickDeleteCol,
     &TNTabEd::PopupMenuClickDeleteRow},
};

constexpr const char* SubItemCaptions[Interaction::SubItemCount] = {
    QT_TRANSLATE_NOOP("vek::TNTabEd", "Range"), QT_TRANSLATE_NOOP("vek::TNTabEd", "Column"),
    QT_TRANSLATE_NOOP("vek::TNTabEd", "Row"), QT_TRANSLATE_NOOP("vek::TNTabEd", "All")};
constexpr const char* SubItemPrefixes[4] = {"M1It", "M2It", "U1It", "U2It"};

// The marking commands by submenu (Interaction::Marking) and item (range, column, row,
// all).
constexpr Command MarkingCommands[4][Interaction::SubItemCount] = {
    {&TNTabEd::PopupMenuClickMarkARange, &TNTabEd::PopupMenuClickMarkACol,
     &TNTabEd::PopupMenuClickMarkARow, &TNTabEd::PopupMenuClickMarkAAll},
    {&TNTabEd::PopupMenuClickMarkBRange, &TNTabEd::PopupMenuClickMarkBCol,
     &TNTabEd::PopupMenuClickMarkBRow, &TNTabEd::PopupMenuClickMarkBAll},
    {&TNTabEd::PopupMenuClickUnMarkARange, &TNTabEd::PopupMenuClickUnMarkACol,
     &TNTabEd::PopupMenuClickUnMarkARow, &TNTabEd::PopupMenuClickUnMarkAAll},
    {&TNTabEd::PopupMenuClickUnMarkBRange, &TNTabEd::PopupMenuClickUnMarkBCol,
     &TNTabEd::PopupMenuClickUnMarkBRow, &TNTabEd::PopupMenuClickUnMarkBAll},
};

constexpr int PasteItem = 8, ReadOnlyItem = 9;
// The data menu's items that write cells, offered only while the data may change.
constexpr int WritingItems[] = {6, PasteItem, 10, 12};
constexpr int ChangePrecisionItem = 2;

TNotifyEvent Run(TNTabEd* tab, Command command)
{
    return [tab, command](TObject* Sender) { (tab->*command)(Sender); };
}

TMenuItem* NewItem(const QString& name, const char* caption, TNTabEd* tab, Command command)
{
    auto* item = new TMenuItem(name, QString(), command ? Run(tab, command) : TNotifyEvent());
    item->SetBuiltInCaption(TNTabEd::staticMetaObject.className(), caption);
    return item;
}

bool BitSet(int mask, int item) { return mask & (1 << (item - 1)); }

TMenuItem* ItemAt(const auto& items, int Index)
{
    return Index >= 1 && Index <= int(items.size()) ? items[std::size_t(Index - 1)] : nullptr;
}

// Captions pass in and out with at most 50 characters, as names do.
QString CaptionAt(const auto& items, int Index)
{
    const TMenuItem* item = ItemAt(items, Index);
    return item ? item->Caption().left(TDataTable::MaxNameLength) : QString();
}

void SetCaptionAt(const auto& items, int Index, const QString& value)
{
    if (TMenuItem* item = ItemAt(items, Index))
        item->SetCaption(value.left(TDataTable::MaxNameLength));
}

} // namespace

// ---- construction

void TNTabEd::Private::BuildPopups()
{
    BuildDataPopup();
    BuildHeaderPopup();
}

void TNTabEd::Private::BuildDataPopup()
{
    ui.dataPopup = new TPopupMenu(q);
    ui.dataPopup->SetName(QStringLiteral("PopupDTAction"));
    ui.dataPopup->OnPopup = Run(q, &TNTabEd::PopupMenuDLoadPopup);
    for (int k = 0; k < Interaction::DataItemCount; ++k) {
        TMenuItem* item = NewItem("DIt" + QString::number(k + 1), DataItems[k].caption, q,
                                  DataItems[k].command);
        ui.dataItems[std::size_t(k)] = item;
        ui.dataPopup->Add(item);
    }
    for (int m = 0; m < 4; ++m)
        for (int i = 0; i < Interaction::SubItemCount; ++i) {
            TMenuItem* sub = NewItem(SubItemPrefixes[m] + QString::number(i + 1),
                                     SubItemCaptions[i], q, MarkingCommands[m][i]);
            ui.subItems[std::size_t(m)][std::size_t(i)] = sub;
            ui.dataItems[std::size_t(m)]->Add(sub);
        }
    ApplyDataMask();
    ui.dataItems[PasteItem - 1]->SetEnabled(false); // nothing copied yet
}

void TNTabEd::Private::BuildHeaderPopup()
{
    ui.headerPopup = new TPopupMenu(q);
    ui.headerPopup->SetName(QStringLiteral("PopupHTAction"));
    for (int k = 0; k < Interaction::HeaderItemCount; ++k) {
        TMenuItem* item = NewItem("HIt" + QString::number(k + 1), HeaderItems[k].caption, q,
                                  HeaderItems[k].command);
        ui.headerItems[std::size_t(k)] = item;
        ui.headerPopup->Add(item);
    }
    // The outline marks the clicked header only while its menu is open.
    QObject::connect(ui.headerPopup, &QMenu::aboutToHide, q, [this] {
        ui.outlinedCell.reset();
        q->Invalidate();
    });
}

// ---- masks and captions

void TNTabEd::Private::ApplyDataMask()
{
    for (int k = 1; k <= Interaction::DataItemCount; ++k)
        ui.dataItems[std::size_t(k - 1)]->SetEnabled(BitSet(ui.dataMask, k));
}

void TNTabEd::Private::ApplyHeaderMask()
{
    for (int k = 1; k <= Interaction::HeaderItemCount; ++k)
        ui.headerItems[std::size_t(k - 1)]->SetEnabled(BitSet(ui.headerMask, k));
}

int TNTabEd::PopupDMask() const { return d->ui.dataMask; }

void TNTabEd::SetPopupDMask(int value)
{
    d->ui.dataMask = value;
    d->ApplyDataMask();
    ChangedSetup();
}

int TNTabEd::PopupHMask() const { return d->ui.headerMask; }

void TNTabEd::SetPopupHMask(int value)
{
    d->ui.headerMask = value;
    d->ApplyHeaderMask();
    ChangedSetup();
}

QString TNTabEd::PopupDCaptions(int Index) const { return CaptionAt(d->ui.dataItems, Index); }
QString TNTabEd::PopupHCaptions(int Index) const { return CaptionAt(d->ui.headerItems, Index); }

void TNTabEd::SetPopupDCaptions(int Index, const QString& value)
{
    SetCaptionAt(d->ui.dataItems, Index, value);
}

void TNTabEd::SetPopupHCaptions(int Index, const QString& value)
{
    SetCaptionAt(d->ui.headerItems, Index, value);
}

// The marking captions are shared by the A and the B submenu, the unmarking ones
// likewise; the A submenu is read.
QString TNTabEd::PopupMCaptions(int Index) const
{
    return CaptionAt(d->ui.subItems[Interaction::MarkA], Index);
}

QString TNTabEd::PopupUCaptions(int Index) const
{
    return CaptionAt(d->ui.subItems[Interaction::UnmarkA], Index);
}

void TNTabEd::SetPopupMCaptions(int Index, const QString& value)
{
    SetCaptionAt(d->ui.subItems[Interaction::MarkA], Index, value);
    SetCaptionAt(d->ui.subItems[Interaction::MarkB], Index, value);
}

void TNTabEd::SetPopupUCaptions(int Index, const QString& value)
{
    SetCaptionAt(d->ui.subItems[Interaction::UnmarkA], Index, value);
    SetCaptionAt(d->ui.subItems[Interaction::UnmarkB], Index, value);
}

// ---- opening

// Paste needs a filled copy buffer; the commands that write cells wait while the data
// is read-only.
void TNTabEd::PopupMenuDLoadPopup(TObject*)
{
    const Interaction& ui = d->ui;
    for (int item : WritingItems)
        ui.dataItems[std::size_t(item - 1)]->SetEnabled(BitSet(ui.dataMask, item) &&
                                                       !d->dataReadOnly);
    if (!CopyBufferFilled())
        ui.dataItems[PasteItem - 1]->SetEnabled(false);
}

// The menu opens beside the pointer, with the read-only switch showing its state.
void TNTabEd::Private::OpenDataPopup(int X, int Y)
{
    TBitmap box;
    box.LoadFromResourceName(dataReadOnly ? QStringLiteral("CHECKEDBOX")
                                          : QStringLiteral("EMPTYBOX"),
                             q->devicePixelRatioF());
    ui.dataItems[ReadOnlyItem - 1]->SetBitmap(&box);
    if (q->OnBeforePopup)
        q->OnBeforePopup(q, ui.dataPopup);
    const QPoint at = q->mapToGlobal(QPoint(X + 10, Y - 20));
    ui.dataPopup->Popup(at.x(), at.y());
}

// Over a column header the menu offers the column's commands, over a row header the
// row's; the header stays outlined while the menu is open.
void TNTabEd::Private::OpenHeaderPopup()
{
    const TGridCoord cell = ui.clickedCell;
    PrepareHeaderItems(cell.X > colOffset);
    const TRect rect = q->CellRect(cell.X, cell.Y);
    ui.headerPopupAt = q->mapToGlobal(QPoint(rect.Left + 20, rect.Top + 20));
    if (q->OnBeforePopup)
        q->OnBeforePopup(q, ui.headerPopup);
    ShowHeaderPopup();
}

void TNTabEd::Private::PrepareHeaderItems(bool column)
{
    const int mask = ui.headerMask;
    if (BitSet(mask, ChangePrecisionItem))
        ui.headerItems[ChangePrecisionItem - 1]->SetEnabled(column);
    for (int k = 3; k <= Interaction::HeaderItemCount; ++k) {
        TMenuItem* item = ui.headerItems[std::size_t(k - 1)];
        const HeaderVariant& variant = HeaderVariants[k - 3];
        item->SetEnabled(BitSet(mask, k) && (k == 3 || !dataReadOnly));
        item->SetBuiltInCaption(TNTabEd::staticMetaObject.className(),
                                column ? variant.columnCaption : variant.rowCaption);
        item->OnClick = Run(q, column ? variant.column : variant.row);
    }
}

void TNTabEd::Private::ShowHeaderPopup()
{
    ui.outlinedCell = ui.clickedCell;
    q->Refresh();
    ui.headerPopup->Popup(ui.headerPopupAt.x(), ui.headerPopupAt.y());
}

// An inverted frame round the cell, so that it shows on any header color.
void TNTabEd::Private::DrawHeaderOutline()
{
    if (!ui.outlinedCell)
        return;
    const TRect r = q->CellRect(ui.outlinedCell->X, ui.outlinedCell->Y);
    if (r.IsEmpty())
        return;
    canvas->Pen()->SetMode(pmNot);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
    canvas->Pen()->SetMode(pmCopy);
    canvas->Brush()->SetStyle(bsSolid);
}

bool TNTabEd::HeadingEditorOpen() const { return d->ui.headingOpen; }
bool TNTabEd::CommentEditorOpen() const { return d->ui.commentOpen; }

} // namespace vek
