// The report list unit: TRLData, the data of a report list with its exchange formats,
// and TReportListView, the grid that shows it.
//
// TRLData: the data of a report list, a table of short texts with named, formatted and
// optionally check-marked columns, a common header, a comment and a data identifier.
// The texts live in the public TStringArray Strings; see frame/data/stringarray.h for the
// storage, the hidden per-row column 0 and the sort order.
//
// Check columns (ColumnCheckMode cmBox or cmRadio) store a flag character in front of each
// value: "X" checked, " " unchecked. Elem shows and takes the value without the flag;
// ElemChecked reads and writes the flag. A cmRadio column has at most one checked cell.
//
// Report list document (SaveAsXMLFile, WriteToXMLStream, ...), UTF-8 XML:
//
//   <?xml version="1.0" encoding="UTF-8"?>            (written when CreateHeader is true)
//   <replist id="DATAID" suite="tarnwheel" version="1">
//     <numcols>3</numcols>
//     <numrows>2</numrows>
//     <commonhd>common header</commonhd>
//     <comment>comment</comment>
//     <colname col="1" attr="128">C-1</colname>        one per column, attr when not 0
//     <colformat col="1">[s][100]</colformat>          non-empty formats only
//     <checkedcolumn col="2" mode="box"/>              check columns only (box or radio)
//     <row attr="64">                                  one per row, attr when not 0
//       <cell col="0">hidden text</cell>               non-empty cells only, stored text
//       <cell col="2" hex="1">0041000D</cell>          text holding characters XML cannot
//     </row>                                           carry: UTF-16 units in hex
//     <endreplist/>
//   </replist>
//
// Rows are written in the order presented. The opening element is always written on one
// line of its own, which is what CheckIfValidReplist looks for. Readers accept exactly
// this layout (with any whitespace between elements) and read all or nothing: a document
// that is malformed, truncated, has unknown elements, a DTD, cells outside the declared
// size, a row or column count that disagrees with the elements, texts longer than a cell
// holds, or a different data identifier leaves the data unchanged and gives false.
//
// TReportListView: a grid that shows a TRLData as a report list, with up to two header
// rows (a common header band and the column headers), an optional fixed first column,
// a display order of the columns, and per-column alignment, password masking and
// editability. Rows and columns are numbered from 1 in the data's terms; the grid's own
// rows include the header rows.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/core/component.h>
#include <frame/core/errors.h>
#include <frame/data/stringarray.h>
#include <frame/grid/grid.h>

#include <QList>
#include <QString>
#include <vector>

class QIODevice;
class QTextStream;

namespace vek {

// How a column shows check marks.
enum TCheckMode : int {
    cmNone = 0,  // plain values
    cmBox = 1,   // each cell checked or not
    cmRadio = 2, // at most one checked cell in the column
};

// The elements of a report list document.
enum TRepListXmlTag : int {
    xmlNumCols = 0,       // number of columns
    xmlNumRows = 1,       // number of rows
    xmlColName = 2,       // a column name
    xmlCheckedColumn = 3, // a column with check marks
    xmlCommonHd = 4,      // the common header
    xmlColumnFormat = 5,  // a column format
    xmlCell = 6,          // a cell
    xmlComment = 7,       // the comment
    xmlEndReplist = 8,    // end of the list
    xmlInvalid = 9,       // an element that is none of these
};

// The element name of a tag ("" for xmlInvalid) and the tag of an element name.
VEK_EXPORT QString RepListXmlTagName(TRepListXmlTag Tag);
VEK_EXPORT TRepListXmlTag RepListXmlTagOf(QStringView Name);

// Failures of TRLData.
class VEK_EXPORT EVEKRLDataError : public EVEKError {
public:
    using EVEKError::EVEKError;
};

// A file or stream that cannot be opened or read.
class VEK_EXPORT EInOutError : public std::runtime_error {
public:
    explicit EInOutError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// Called for each cell (and, with Row 0, each header name) before ExportHTMLTable writes
// it; the handler may change Text.
using TBeforeHTMLExportEvent =
    std::function<void(TObject* Sender, QString& Text, int Col, int Row)>;

class VEK_EXPORT TRLData : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
    Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader)

public:
    static constexpr int MaxNameLength = 50;   // column names
    static constexpr int MaxFormatLength = 80; // column formats

    // One column named C-1, no rows. Raises EVEKRLDataError when memory runs out.
    explicit TRLData(QObject* owner = nullptr);
    ~TRLData() override;

    // The texts, column 0 and the attribute bytes (owned).
    TStringArray* Strings = nullptr;

    // Number of columns, at least 1 (smaller values give 1). New columns are named
    // "C-" + number, have no format and no check marks; existing ones keep theirs.
    int NrOfColumns() const { return FNrOfCols; }
    void SetNrOfColumns(int value);
    // Number of rows, at least 0 (negative values give 0); cells of remaining rows stay.
    int NrOfRows() const { return FNrOfRows; }
    void SetNrOfRows(int value);
    // The caption above all columns.
    QString CommonHeader() const { return FCommonHeader; }
    void SetCommonHeader(const QString& value);
    QString Comment() const { return FComment; }
    void SetComment(const QString& value) { FComment = value; }
    // Written into and checked in report list documents.
    QString DataID() const { return FDataID; }
    void SetDataID(const QString& value) { FDataID = value; }

    // Column and direction of the last Sort (-1: unsorted; true: ascending).
    int LastSortColumn() const { return FSortColumn; }
    bool LastSortOrder() const { return FSortOrder; }
    // Tie-breaking column of the last Sort (-1: none).
    int SecondarySortColumn() const { return FSortColumnSec; }
    void SetSecondarySortColumn(int value) { FSortColumnSec = value; }
    // Alternates the direction of header-click sorts of the grid control.
    bool SortToggle() const { return FSortToggle; }
    void SetSortToggle(bool value) { FSortToggle = value; }

    // The visible value of a cell, columns 0..NrOfColumns, rows 1..NrOfRows ("" outside);
    // in a check column without its flag. Writes outside are ignored; in a check column a
    // write keeps the flag.
    QString Elem(int ACol, int ARow) const;
    void SetElem(int ACol, int ARow, const QString& value);
    // Whether a cell of a check column is checked; writing in a cmRadio column clears the
    // column's other flags first.
    bool ElemChecked(int ACol, int ARow) const;
    void SetElemChecked(int ACol, int ARow, bool value);
    // The visible value as a number (0 for a text that is none).
    double AsNumber(int ACol, int ARow) const;
    // The value meant for an empty cell of column ACol in row ARow, from the column format
    // ("[i][80]rix3" numbers the rows 001, 002, ...; "[s][80]$pwd$8" invents a password).
    QString DefaultValue(int ACol, int ARow) const;

    // Column properties, columns 1..NrOfColumns ("" / cmNone / false outside, writes
    // there ignored). Names are cut to 50 characters, formats to 80.
    QString ColumnFormat(int ColNr) const;
    void SetColumnFormat(int ColNr, const QString& value);
    TCheckMode ColumnCheckMode(int ColNr) const;
    void SetColumnCheckMode(int ColNr, TCheckMode value);
    QString Header(int ColNr) const;
    void SetHeader(int ColNr, const QString& value);
    // True for cmBox columns; writing sets cmBox or cmNone.
    bool IsCheckedColumn(int ColNr) const;
    void SetIsCheckedColumn(int ColNr, bool value);

    // The highest-numbered column whose name equals Head (or contains it, with
    // PartialMatch), ignoring case; -1 when none does.
    int ColumnIndex(const QString& Head, bool PartialMatch) const;

    // Copies a range as text to the clipboard: values separated by Separator, rows ended by
    // a line feed, with AddHeader the column names and an empty line first. Column and row
    // numbers are not checked: outside the table a value reads as empty.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         const QString& Separator);
    // As above with tabs (UseTabs) or in fixed-width fields, each column one character
    // wider than its longest stored text (or name, with AddHeader).
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs);

    // Every cell of columns 1..NrOfColumns gets the value s; check cells keep their state.
    void Fill(const QString& s);
    // Empties every cell and resets names, formats and check modes; the size stays.
    void Clear();
    // Copies the cells of row Source (columns 0..NrOfColumns) and its attribute byte to
    // row Target.
    void CopyRow(int Source, int Target);
    // Removes row r (the last row is emptied instead). Commits the sort order first.
    void RemoveRow(int r);
    // Removes the rows whose values are empty in every column 0..NrOfColumns.
    void RemoveEmptyRows();

    // Check marks. The column forms take a column 1..NrOfColumns.
    int FirstCheckedElemInCol(int ColNr) const;
    int FirstCheckedElemInRow(int RowNr) const;
    int CountCheckedElemsInCol(int Column) const;
    int CountCheckedElemsInRow(int Row) const;
    // cmBox columns only.
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    void InvertAllCheckmarksOfCol(int Column);

    // Orders the rows by column Col, ties by ColSec (-1: none); see TStringArray::Sort.
    void Sort(int Col, int ColSec, bool Ascending);
    // Returns to the stored order; both sort columns become -1.
    void UnSort();

    // Copies everything of another TRLData: size, cells, attributes, order, names,
    // formats, check modes, texts and the OnBeforeSortExchange handler.
    void Assign(const TPersistent* Source) override;

    // Report list documents (layout at the top of this file). Writers return false when
    // writing failed; SaveAsXMLFile then leaves an existing file untouched. Readers return
    // whether a document (with the identifier DataID, when not empty) was read; on false
    // the data is unchanged.
    bool SaveAsXMLFile(const QString& FName, const QString& DataID);
    bool WriteToXMLStream(QIODevice* OutStream, bool CreateHeader, const QString& DataID);
    // Writes into a text file already open for writing, at its position, so that a
    // document can sit among other text. CreateHeader adds the XML declaration.
    bool WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID);
    bool LoadFromXMLFile(const QString& FName, const QString& DataID);
    // Reads the document at the stream's position.
    bool ReadFromXMLStream(QIODevice* InStream, const QString& DataID);
    bool ReadFromXMLString(const QString& InString, const QString& DataID);
    // Reads the next document from a text file already open for reading and leaves the
    // file positioned after the document's last line.
    bool ReadFromOpenXMLFile(QTextStream& F, const QString& DataID);

    // Reads the lines of a text file into column Column (0..NrOfColumns) from row FirstRow
    // (at least 1) on, adding rows as needed. Returns the number of lines read, or -1 when
    // the column does not exist or the file cannot be read.
    int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);

    // Writes rows LoR..HiR of columns LoC..HiC (limited to the table) as an HTML5 document
    // with one table. A non-empty ColumnSelection lists the columns to write, in that
    // order (columns outside LoC..HiC are skipped). Border, CellSpacing and Cellpadding
    // are pixel sizes; the class names apply to header cells, data cells and the table
    // when not empty. Returns false when the file could not be written.
    bool ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                         const QList<int>& ColumnSelection, int Border, int CellSpacing,
                         int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                         const QString& CellClass, const QString& TableClass);

    // Called during sorting for each cell text; Sender is this TRLData.
    TBeforeSortExchgEvent OnBeforeSortExchange;
    TBeforeHTMLExportEvent OnBeforeHTMLExport;
    // Progress of sorting, document writing and the HTML export.
    TOnPercentDoneEvent OnPercentDone;

protected:
    void AssignTo(TPersistent* Dest) const override;

private:
    friend class TRLDataDocument;

    struct Column {
        QString Name;
        QString Format;
        TCheckMode CheckMode = cmNone;
    };

    bool ContainsColumn(int col) const { return col >= 1 && col <= FNrOfCols; }
    bool ContainsCell(int col, int row) const;
    bool IsCheckColumn(int col) const;
    static bool IsCheckedText(QStringView stored);
    static QString DefaultName(int col);
    QString ErrorText(const QString& reason) const;
    void UpdateFeedbackCounts();
    void StartProgress() { FLastPercent = -1; FLastStep = -1; }
    void ReportProgress(qint64 done);
    void SetFlag(int col, int row, bool checked);
    void ClearFlagsOfCol(int col);
    void ConnectStrings();
    void AdoptDocument(TRLData& Read, const QString& DataID);
    void CopyText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                  const QString& Separator, bool FixedWidth);

    QString FComment;
    std::vector<Column> FColumns; // entry 0 is column 1
    QString FCommonHeader;
    int FNrOfCols = 1;
    int FNrOfRows = 0;
    int FSortColumn = -1;
    int FSortColumnSec = -1;
    bool FSortOrder = true;
    QString FDataID;
    bool FSortToggle = true;
    int FFeedbkNumCells = 1;
    int FFeedbkStep = 1;
    int FLastPercent = -1; // of the running operation
    qint64 FLastStep = -1;
};

// Whether the file (or the stream, from its position) holds the opening element of a
// report list document, with the identifier DataID when that is not empty (case is
// ignored). Raises EInOutError when the file cannot be opened or read. A stream that is
// not sequential is set back to where it was.
VEK_EXPORT bool CheckIfValidReplist(const QString& FName, const QString& DataID);
VEK_EXPORT bool CheckIfValidReplist(QIODevice* Stream, const QString& DataID);

} // namespace vek


namespace vek {

// Failures of TReportListView.
class VEK_EXPORT EVEKRepListError : public EVEKError {
public:
    using EVEKError::EVEKError;
};

// Lets a handler restyle one data cell before it is drawn (ACol/ARow: data column and row).
using TRenderCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor& PenColor,
                       TColor& BrushColor, TColor& FontColor, TFontStyles& FontStyles,
                       QString& Text)>;

class VEK_EXPORT TReportListView : public TCustomDrawGrid {
    Q_OBJECT
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
    Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader)
    Q_PROPERTY(bool CommonHeaderVisible READ CommonHeaderVisible WRITE SetCommonHeaderVisible)
    Q_PROPERTY(int CommonHeaderHeight READ CommonHeaderHeight WRITE SetCommonHeaderHeight)
    Q_PROPERTY(bool ColumnHeadersVisible READ ColumnHeadersVisible WRITE SetColumnHeadersVisible)
    Q_PROPERTY(int ColumnHeadersHeight READ ColumnHeadersHeight WRITE SetColumnHeadersHeight)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol)
    Q_PROPERTY(QString EmptyMessage READ EmptyMessage WRITE SetEmptyMessage)
    Q_PROPERTY(bool FixedFirstColumn READ FixedFirstColumn WRITE SetFixedFirstColumn)
    Q_PROPERTY(quint32 ColorHigh READ ColorHigh WRITE SetColorHigh)
    Q_PROPERTY(quint32 ColorHighText READ ColorHighText WRITE SetColorHighText)
    Q_PROPERTY(quint32 ColorText READ ColorText WRITE SetColorText)
    Q_PROPERTY(quint32 ColorBkgdNormal READ ColorBkgdNormal WRITE SetColorBkgdNormal)
    Q_PROPERTY(quint32 ColorBkgdShaded READ ColorBkgdShaded WRITE SetColorBkgdShaded)
    Q_PROPERTY(quint32 ColorColumnHd READ ColorColumnHd WRITE SetColorColumnHd)
    Q_PROPERTY(quint32 ColorColumnHdText READ ColorColumnHdText WRITE SetColorColumnHdText)
    Q_PROPERTY(quint32 ColorCommonHd READ ColorCommonHd WRITE SetColorCommonHd)
    Q_PROPERTY(quint32 ColorCommonHdText READ ColorCommonHdText WRITE SetColorCommonHdText)
    Q_PROPERTY(quint32 ColorDisabledBkgd READ ColorDisabledBkgd WRITE SetColorDisabledBkgd)
    Q_PROPERTY(quint32 ColorDisabledText READ ColorDisabledText WRITE SetColorDisabledText)
    Q_PROPERTY(quint32 ColorEmptyMsg READ ColorEmptyMsg WRITE SetColorEmptyMsg)
    Q_PROPERTY(quint32 ColorSelectedRow READ ColorSelectedRow WRITE SetColorSelectedRow)
    Q_PROPERTY(quint32 ColorSelectedRowText READ ColorSelectedRowText WRITE SetColorSelectedRowText)
    Q_PROPERTY(quint32 ColorSelectedCol READ ColorSelectedCol WRITE SetColorSelectedCol)
    Q_PROPERTY(quint32 ColorSelectedColText READ ColorSelectedColText WRITE SetColorSelectedColText)
    Q_PROPERTY(quint32 ColorSelectedBoth READ ColorSelectedBoth WRITE SetColorSelectedBoth)
    Q_PROPERTY(quint32 ColorSelectedBothText READ ColorSelectedBothText WRITE SetColorSelectedBothText)
    Q_PROPERTY(quint32 InterRowIndicatorColor READ InterRowIndicatorColor WRITE SetInterRowIndicatorColor)
    Q_PROPERTY(int HighLightRow READ HighLightRow WRITE SetHighLightRow)
    Q_PROPERTY(int HighLightColumn READ HighLightColumn WRITE SetHighLightColumn)
    Q_PROPERTY(int RowColPattern READ RowColPattern WRITE SetRowColPattern)
    Q_PROPERTY(int InterRowIndicatorWidth READ InterRowIndicatorWidth WRITE SetInterRowIndicatorWidth)
    Q_PROPERTY(bool HighLightBold READ HighLightBold WRITE SetHighLightBold)
    Q_PROPERTY(bool ShowEmptyCheckBoxes READ ShowEmptyCheckBoxes WRITE SetShowEmptyCheckBoxes)
    Q_PROPERTY(vek::TAlignment CommonHeaderAlignment READ CommonHeaderAlignment
                   WRITE SetCommonHeaderAlignment)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
    Q_PROPERTY(int RowSelectMode READ RowSelectMode WRITE SetRowSelectMode)
    Q_PROPERTY(bool SortEnabled READ SortEnabled WRITE SetSortEnabled)
    Q_PROPERTY(bool UseCtrlForMultiSel READ UseCtrlForMultiSel WRITE SetUseCtrlForMultiSel)

public:
    explicit TReportListView(QWidget* parent = nullptr);
    ~TReportListView() override;

    // The data shown (owned by the control).
    TRLData* RLData() const { return FRLData; }

    // ---- size of the list
    int NrOfColumns() const { return FRLData->NrOfColumns(); }
    // New columns take the width of the former last column, left alignment, no masking
    // and no editing; the display order becomes the identity.
    void SetNrOfColumns(int value);
    int NrOfRows() const { return FRLData->NrOfRows(); }
    // Clears the selection; the grid keeps at least one (empty) data row.
    void SetNrOfRows(int value);

    // ---- headers. Heights are clamped to 8..127.
    QString CommonHeader() const { return FRLData->CommonHeader(); }
    void SetCommonHeader(const QString& value);
    TAlignment CommonHeaderAlignment() const { return FHeaderAlignment; }
    void SetCommonHeaderAlignment(TAlignment value);
    bool CommonHeaderVisible() const { return FComHdVis; }
    void SetCommonHeaderVisible(bool value);
    int CommonHeaderHeight() const { return FComHdHgt; }
    void SetCommonHeaderHeight(int value);
    bool ColumnHeadersVisible() const { return FColHdVis; }
    void SetColumnHeadersVisible(bool value);
    int ColumnHeadersHeight() const { return FColHdHgt; }
    void SetColumnHeadersHeight(int value);
    // Number of visible header rows (0, 1 or 2).
    int CountHeadRows() const { return (FComHdVis ? 1 : 0) + (FColHdVis ? 1 : 0); }
    // Lines separated by "|", shown centered when the list has no rows.
    QString EmptyMessage() const { return FEmptyMsg; }
    void SetEmptyMessage(const QString& value);
    // Makes the first displayed column a fixed (non-scrolling) one.
    bool FixedFirstColumn() const { return FFixedColOne; }
    void SetFixedFirstColumn(bool value);

    // ---- default sizes: the grid's, with the header heights kept
    void SetDefaultColWidth(int value);
    void SetDefaultRowHeight(int value);

    // ---- view in data terms (1-based)
    int TopRow() const { return TCustomGrid::TopRow() - CountHeadRows() + 1; }
    void SetTopRow(int value);
    int LeftCol() const { return TCustomGrid::LeftCol() + 1; }
    void SetLeftCol(int value);

    // ---- columns in data terms
    // Width of the ColNr-th displayed column (0 outside 1..NrOfColumns).
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int value);
    // The data column shown at display position ColNr (0 outside 1..NrOfColumns).
    int ColumnOrder(int ColNr) const;
    // Sets the data column of every display position; false (and entries outside the
    // range skipped) unless the list has exactly NrOfColumns valid entries.
    bool SetColumnOrder(const std::vector<int>& ColList);
    TAlignment ColumnAlignment(int ColNr) const;
    void SetColumnAlignment(int ColNr, TAlignment value);
    bool ColumnIsPwd(int ColNr) const;
    void SetColumnIsPwd(int ColNr, bool value);
    bool ColumnEditable(int ColNr) const;
    void SetColumnEditable(int ColNr, bool value);

    // ---- forwarded data access
    QString Elem(int ACol, int ARow) const { return FRLData->Elem(ACol, ARow); }
    void SetElem(int ACol, int ARow, const QString& value) { FRLData->SetElem(ACol, ARow, value); }
    QString Header(int ColNr) const { return FRLData->Header(ColNr); }
    void SetHeader(int ColNr, const QString& value);

    bool ElemChecked(int ACol, int ARow) const { return FRLData->ElemChecked(ACol, ARow); }
    // Requires a column in 1..NrOfColumns and a row in 1..NrOfRows (else ignored).
    void SetElemChecked(int ACol, int ARow, bool value);
    double AsNumber(int ACol, int ARow) const { return FRLData->AsNumber(ACol, ARow); }
    QString DefaultValue(int ACol, int ARow) const { return FRLData->DefaultValue(ACol, ARow); }
    QString ColumnFormat(int ColNr) const { return FRLData->ColumnFormat(ColNr); }
    void SetColumnFormat(int ColNr, const QString& value);
    TCheckMode ColumnCheckMode(int ColNr) const { return FRLData->ColumnCheckMode(ColNr); }
    void SetColumnCheckMode(int ColNr, TCheckMode value);
    bool IsCheckedColumn(int ColNr) const { return FRLData->IsCheckedColumn(ColNr); }
    void SetIsCheckedColumn(int ColNr, bool value);
    QString Comment() const { return FRLData->Comment(); }
    void SetComment(const QString& value) { FRLData->SetComment(value); }
    QString DataID() const { return FRLData->DataID(); }
    void SetDataID(const QString& value) { FRLData->SetDataID(value); }
    int LastSortColumn() const { return FRLData->LastSortColumn(); }
    bool LastSortOrder() const { return FRLData->LastSortOrder(); }

    // ---- whole-list operations (painting once at the end)
    int ColumnIndex(const QString& Head, bool PartialMatch) const
    {
        return FRLData->ColumnIndex(Head, PartialMatch);
    }
    // Replaces the contents from text; hides the editor first.
    void Fill(const QString& s);
    int FirstCheckedElemInCol(int ColNr) const { return FRLData->FirstCheckedElemInCol(ColNr); }
    int FirstCheckedElemInRow(int RowNr) const { return FRLData->FirstCheckedElemInRow(RowNr); }
    int CountCheckedElemsInRow(int Row) const { return FRLData->CountCheckedElemsInRow(Row); }
    // Checked cells of the column in enabled rows.
    int CountCheckedElemsInCol(int Column) const;
    // Only for check-box columns.
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    void InvertAllCheckmarksOfCol(int Column);
    void Sort(int Col, int ColSec, bool Ascending);
    void UnSort();

    // Copies the settings, events and data of another report list.
    void Assign(const TPersistent* Source) override;

    // The control's enabled state; a disabled list draws its text grayed.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // ---- column widths from the contents
    // Widest cell text (with IncludeHeader also the column name) plus room for check
    // marks, the sort arrow and the margins; 9 for a column outside the list.
    int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
    // Sets the width from the contents plus Addon, at least 4 (and at most MaxWidth).
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
    // Gives column ColIx the client width left by the other columns (at least 16).
    void ExpandColWidth(int ColIx, int RightMargin);
    // AutoColWidth for every column but ExpandColumn, which takes the rest.
    void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth,
                         int RightMargin);
    // Selects data row Row alone and scrolls it to the middle of the view.
    void CenterScrollAndSelect(int Row);

    // ---- row and column flags
    bool RowSelected(int r) const;
    void SetRowSelected(int r, bool value);
    bool RowEnabled(int r) const;
    void SetRowEnabled(int r, bool value);
    bool ColumnSelected(int c) const;
    void SetColumnSelected(int c, bool value);

    // ---- colors and highlight. Each setter repaints at once and raises OnChangeSetup.
    TColor ColorHigh() const { return FHiLgtColor; }
    void SetColorHigh(TColor v) { SetupValue(FHiLgtColor, v); }
    TColor ColorHighText() const { return FHiLgtTextColor; }
    void SetColorHighText(TColor v) { SetupValue(FHiLgtTextColor, v); }
    TColor ColorText() const { return FColorNormal; }
    void SetColorText(TColor v) { SetupValue(FColorNormal, v); }
    TColor ColorBkgdNormal() const { return FRColorNormal; }
    void SetColorBkgdNormal(TColor v) { SetupValue(FRColorNormal, v); }
    TColor ColorBkgdShaded() const { return FRColorShaded; }
    void SetColorBkgdShaded(TColor v) { SetupValue(FRColorShaded, v); }
    // The column header row and the fixed first column share the grid's FixedColor.
    TColor ColorColumnHd() const { return FixedColor(); }
    void SetColorColumnHd(TColor v);
    TColor ColorColumnHdText() const { return FColHdTxtColor; }
    void SetColorColumnHdText(TColor v) { SetupValue(FColHdTxtColor, v); }
    TColor ColorCommonHd() const { return FComHdColor; }
    void SetColorCommonHd(TColor v) { SetupValue(FComHdColor, v); }
    TColor ColorCommonHdText() const { return FComHdTxtColor; }
    void SetColorCommonHdText(TColor v) { SetupValue(FComHdTxtColor, v); }
    TColor ColorDisabledBkgd() const { return FDisabledBkgdColor; }
    void SetColorDisabledBkgd(TColor v) { SetupValue(FDisabledBkgdColor, v); }
    TColor ColorDisabledText() const { return FDisabledTextColor; }
    void SetColorDisabledText(TColor v) { SetupValue(FDisabledTextColor, v); }
    // Repaints only when the color changes.
    TColor ColorEmptyMsg() const { return FColorEmptyMsg; }
    void SetColorEmptyMsg(TColor v);
    TColor ColorSelectedRow() const { return FSelRowColor; }
    void SetColorSelectedRow(TColor v) { SetupValue(FSelRowColor, v); }
    TColor ColorSelectedRowText() const { return FSelRowTextColor; }
    void SetColorSelectedRowText(TColor v) { SetupValue(FSelRowTextColor, v); }
    TColor ColorSelectedCol() const { return FSelColColor; }
    void SetColorSelectedCol(TColor v) { SetupValue(FSelColColor, v); }
    TColor ColorSelectedColText() const { return FSelColTextColor; }
    void SetColorSelectedColText(TColor v) { SetupValue(FSelColTextColor, v); }
    TColor ColorSelectedBoth() const { return FSelBothColor; }
    void SetColorSelectedBoth(TColor v) { SetupValue(FSelBothColor, v); }
    TColor ColorSelectedBothText() const { return FSelBothTextColor; }
    void SetColorSelectedBothText(TColor v) { SetupValue(FSelBothTextColor, v); }
    bool HighLightBold() const { return FHiLgtBold; }
    void SetHighLightBold(bool v) { SetupValue(FHiLgtBold, v); }
    // Data row (column) drawn in the highlight colors; 0 = none.
    int HighLightRow() const { return FHiLgtRow; }
    void SetHighLightRow(int v) { SetupValue(FHiLgtRow, v); }
    int HighLightColumn() const { return FHiLgtColumn; }
    void SetHighLightColumn(int v) { SetupValue(FHiLgtColumn, v); }
    // Rows per background band; 0 or less: no banding.
    int RowColPattern() const { return FRowColPattern; }
    void SetRowColPattern(int v) { SetupValue(FRowColPattern, v); }
    TColor InterRowIndicatorColor() const { return FInterRowColor; }
    void SetInterRowIndicatorColor(TColor v) { SetupValue(FInterRowColor, v); }
    int InterRowIndicatorWidth() const { return FInterRowWidth; }
    void SetInterRowIndicatorWidth(int v) { SetupValue(FInterRowWidth, v); }
    // The indicator line sits above this data row (0: none).
    int InterRowIndicatorPos() const { return FInterRowIndi; }
    void SetInterRowIndicatorPos(int v);
    // Draw a check box also in a check cell without a value.
    bool ShowEmptyCheckBoxes() const { return FShowEmptyCBx; }
    void SetShowEmptyCheckBoxes(bool v);
    // Read-only check marks are drawn without their box.
    bool CheckMarksReadOnly() const { return FROCheckMarks; }
    void SetCheckMarksReadOnly(bool v);

    // ---- interaction settings (used by the mouse and keyboard handling)
    // After an edit, move the editor on to the next cell.
    bool AutoAdvance() const { return FAutoAdvance; }
    void SetAutoAdvance(bool v) { FAutoAdvance = v; }
    // How clicks select rows.
    int RowSelectMode() const { return FRowSelectMode; }
    void SetRowSelectMode(int v) { FRowSelectMode = v; }
    // A click on a column header sorts by that column.
    bool SortEnabled() const { return FSortEnabled; }
    void SetSortEnabled(bool v) { FSortEnabled = v; }
    // Ctrl+click adds single rows to the selection.
    bool UseCtrlForMultiSel() const { return FCtrlForMultiSel; }
    void SetUseCtrlForMultiSel(bool v) { FCtrlForMultiSel = v; }

    // ---- painting control
    // While set, Paint does nothing; clearing it repaints at once. Set before the
    // control is first painted, it holds until cleared.
    bool SuppressPaint() const { return FSuppressPaint; }
    void SetSuppressPaint(bool value);

    // The cell under a point: X = data column (grid column + 1); Y = data row, 0 outside,
    // -1 on the column header row, -2 on the common header row.
    TGridCoord MouseCell(int X, int Y) const;

    void Changed();
    void ChangedSetup();
    void ChangedSelection();

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeSetup;
    TNotifyEvent OnSelectedChange;
    TRenderCellEvent OnBeforeRenderCell;
    // Progress of sorting, document writing and exports; Sender is the control.
    TOnPercentDoneEvent OnPercentDone;
    // Passed on from the data with the control as Sender: each cell text while sorting
    // (the handler may give a different sort text), each cell text of an HTML export.
    TBeforeSortExchgEvent OnBeforeSortExchange;
    TBeforeHTMLExportEvent OnBeforeHTMLExport;

protected:
    void AssignTo(TPersistent* Dest) const override;
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
    void CreateWnd() override;
    void TopLeftChanged() override;

private:
    // Hooks the data's notifications to the control's repaint and events.
    void ConnectData();
    // Grid rows and fixed rows follow the header visibility and NrOfRows.
    void ApplyGeometry();
    void ApplyHeaderHeights();
    bool ContainsColumn(int ColNr) const { return ColNr >= 1 && ColNr <= NrOfColumns(); }
    bool ContainsRow(int r) const { return r >= 1 && r <= NrOfRows(); }
    void ResizeColumnArrays(int count);
    void Repaint();
    // Puts the suppression back to `saved` after a batch; false repaints once.
    void RestoreSuppressPaint(bool saved);
    // Suppresses painting for its lifetime; restoring false repaints once.
    class PaintBatch {
    public:
        explicit PaintBatch(TReportListView* view) : FView(view), FSaved(view->FSuppressPaint)
        {
            view->FSuppressPaint = true;
        }
        ~PaintBatch() { FView->RestoreSuppressPaint(FSaved); }
    private:
        TReportListView* FView;
        bool FSaved;
    };
    template <typename T> void SetupValue(T& field, T value)
    {
        field = value;
        Repaint();
        ChangedSetup();
    }
    // painting
    struct CellStyle {
        TColor Pen, Brush, Font;
        TFontStyles Styles;
    };
    CellStyle DataCellStyle(int ARow, int dc, int d) const;
    void DrawDataCell(int ACol, int ARow, const TRect& Rect);
    void DrawCheckMark(const TRect& B, TCheckMode mode, bool checked, bool disabledRow,
                       const CellStyle& style);
    void DrawCommonHeader(const TRect& Rect, int R);
    void DrawColumnHeader(int dc, const TRect& Rect, int R);
    void DrawBevel(int Left, int Top, int Right, int Bottom);
    int HeaderBandRight() const;
    void PaintEmptyMessage();
    void PaintInterRowIndicator();

    TRLData* FRLData = nullptr;
    std::vector<TAlignment> FColAlignment;
    std::vector<bool> FColumnEditable, FColumnIsPwd;
    std::vector<int> FColOrder;
    TAlignment FHeaderAlignment = taCenter;
    QString FEmptyMsg;
    bool FComHdVis = false, FColHdVis = true;
    int FComHdHgt = 20, FColHdHgt = 20;
    bool FFixedColOne = false;
    // Painting is suppressed from construction until the window exists;
    // FSuppressedByCaller keeps a caller's own suppression across that moment.
    bool FSuppressPaint = true, FSuppressedByCaller = false;
    TColor FHiLgtColor = 0xCC9966, FHiLgtTextColor = 0xFFFFFF, FColorNormal = 0x002000;
    TColor FRColorNormal = 0xFFFFFF, FRColorShaded = 0xF0EFE8;
    TColor FColHdTxtColor = clBlack, FComHdColor = clBtnFace, FComHdTxtColor = clBlack;
    TColor FDisabledBkgdColor = 0xF0F0F0, FDisabledTextColor = 0xC0C0C0;
    TColor FColorEmptyMsg = clBlack;
    TColor FSelRowColor = 0x94BAED, FSelRowTextColor = 0x800000;
    TColor FSelColColor = clBlack, FSelColTextColor = clBlack;
    TColor FSelBothColor = clBlack, FSelBothTextColor = clBlack;
    bool FHiLgtBold = false;
    int FHiLgtRow = 0, FHiLgtColumn = 0, FRowColPattern = 1;
    TColor FInterRowColor = 0x0000FF;
    int FInterRowWidth = 3, FInterRowIndi = 0;
    bool FShowEmptyCBx = true, FROCheckMarks = false;
    bool FAutoAdvance = false, FSortEnabled = true, FCtrlForMultiSel = true;
    int FRowSelectMode = 1;
};

} // namespace vek
