// VEK_replist.h: the report list. TRLData holds the data (a table of short texts for a
// million rows and more, with named, formatted and check-marked columns) and exchanges it
// as XML documents, HTML tables and clipboard text; TReportListView is the grid that shows
// it. The class comments below describe each; the document format is this:
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
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/core/component.h>
#include <frame/core/errors.h>
#include <frame/data/stringarray.h>
#include <frame/grid/grid.h>

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;
class QTextStream;

namespace vek {

/// How a column shows check marks.
enum TCheckMode : int {
    cmNone = 0,  ///< plain values
    cmBox = 1,   ///< each cell checked or not
    cmRadio = 2, ///< at most one checked cell in the column
};

/// The elements of a report list document.
enum TRepListXmlTag : int {
    xmlNumCols = 0,       ///< number of columns
    xmlNumRows = 1,       ///< number of rows
    xmlColName = 2,       ///< a column name
    xmlCheckedColumn = 3, ///< a column with check marks
    xmlCommonHd = 4,      ///< the common header
    xmlColumnFormat = 5,  ///< a column format
    xmlCell = 6,          ///< a cell
    xmlComment = 7,       ///< the comment
    xmlEndReplist = 8,    ///< end of the list
    xmlInvalid = 9,       ///< an element that is none of these
};

/// The element name of a tag ("" for xmlInvalid) and the tag of an element name.
VEK_EXPORT QString RepListXmlTagName(TRepListXmlTag Tag);
VEK_EXPORT TRepListXmlTag RepListXmlTagOf(QStringView Name);

/// How FilterAndSort reads its filter expression.
enum TFilterMode : int {
    fmSimple = 0,  ///< blank-separated words, each found in some filter column
    fmBoolean = 1, ///< words and "phrases" with AND, OR, NOT, parentheses; side by side = AND
    fmGrep = 2,    ///< a regular expression found in some filter column (^ and $ per cell)
};

/// Failures of TRLData.
class VEK_EXPORT EVEKRLDataError : public EVEKError {
public:
    using EVEKError::EVEKError;
};

/// A file or stream that cannot be opened or read.
class VEK_EXPORT EInOutError : public std::runtime_error {
public:
    /// An error with this message.
    explicit EInOutError(const QString& message);
    /// The message as text.
    QString Message() const { return QString::fromUtf8(what()); }
};

/// Called for each cell (and, with Row 0, each header name) before ExportHTMLTable writes
/// it; the handler may change Text.
using TBeforeHTMLExportEvent =
    std::function<void(TObject* Sender, QString& Text, int Col, int Row)>;

/// The data of a report list: a table of short texts with named, formatted and
/// optionally check-marked columns, a common header, a comment and a data identifier.
///
/// The texts live in the public TStringArray Strings (see frame/data/stringarray.h for
/// the storage, the hidden per-row column 0 and the sort order). Check columns
/// (ColumnCheckMode cmBox or cmRadio) store a flag character in front of each value:
/// "X" checked, " " unchecked. Elem shows and takes the value without the flag;
/// ElemChecked reads and writes the flag. A cmRadio column has at most one checked cell.
class VEK_EXPORT TRLData : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns NOTIFY changed)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows NOTIFY changed)
    Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader)

public:
    static constexpr int MaxNameLength = 50;   ///< column names
    static constexpr int MaxFormatLength = 80; ///< column formats

    /// One column named C-1, no rows. Raises EVEKRLDataError when memory runs out.
    explicit TRLData(QObject* owner = nullptr);
    ~TRLData() override;

    /// The texts, column 0 and the attribute bytes (owned). The data sets its OnChange,
    /// OnPercentDone and OnBeforeSortExchange; replacing OnChange silences changed().
    TStringArray* Strings = nullptr;

    /// Number of columns, at least 1 (smaller values give 1); default 1. New columns are
    /// named "C-" + number, have no format and no check marks; existing ones keep theirs.
    /// Raises EVEKError when the string array cannot be resized (the count stays).
    int NrOfColumns() const;
    void SetNrOfColumns(int value);
    /// Number of rows, at least 0 (negative values give 0); default 0. Cells of remaining
    /// rows stay. Raises EVEKError when the string array cannot be resized.
    int NrOfRows() const;
    void SetNrOfRows(int value);
    /// The caption above all columns; default "Vek Report Listview".
    QString CommonHeader() const;
    void SetCommonHeader(const QString& value);
    /// Free text kept with the data (and in its documents); default empty.
    QString Comment() const;
    void SetComment(const QString& value);
    /// Written into and checked in report list documents; default empty.
    QString DataID() const;
    void SetDataID(const QString& value);

    /// Column of the last Sort; -1 (the default) while unsorted.
    int LastSortColumn() const;
    /// Direction of the last Sort; true (the default) for ascending.
    bool LastSortOrder() const;
    /// Tie-breaking column of the last Sort; -1 (the default) for none.
    int SecondarySortColumn() const;
    void SetSecondarySortColumn(int value);
    /// Alternates the direction of header-click sorts of the grid control; default true.
    bool SortToggle() const;
    void SetSortToggle(bool value);

    /// The visible value of a cell, columns 0..NrOfColumns, rows 1..NrOfRows ("" outside);
    /// in a check column without its flag. Writes outside are ignored; in a check column
    /// a write keeps the flag.
    QString Elem(int ACol, int ARow) const;
    void SetElem(int ACol, int ARow, const QString& value);
    /// Whether a cell of a check column is checked (false outside); writing in a cmRadio
    /// column clears the column's other flags first.
    bool ElemChecked(int ACol, int ARow) const;
    void SetElemChecked(int ACol, int ARow, bool value);
    /// The visible value as a number (0 for a text that is none).
    double AsNumber(int ACol, int ARow) const;
    /// The value meant for an empty cell of column ACol in row ARow, from the column
    /// format ("[i][80]rix3" numbers the rows 001, 002, ...; "[s][80]$pwd$8" invents a
    /// password); "" without a default.
    QString DefaultValue(int ACol, int ARow) const;

    // Column properties, columns 1..NrOfColumns ("" / cmNone / false outside, writes
    // there ignored).
    /// The column format, cut to 80 characters; default empty.
    QString ColumnFormat(int ColNr) const;
    void SetColumnFormat(int ColNr, const QString& value);
    /// How the column shows check marks; default cmNone. Changing it adds or removes
    /// the flags of the column's non-empty cells (cmBox to cmRadio clears them all),
    /// without a change notification per cell.
    TCheckMode ColumnCheckMode(int ColNr) const;
    void SetColumnCheckMode(int ColNr, TCheckMode value);
    /// The column name, cut to 50 characters; default "C-" + number.
    QString Header(int ColNr) const;
    void SetHeader(int ColNr, const QString& value);
    /// True for cmBox columns; writing sets cmBox or cmNone.
    bool IsCheckedColumn(int ColNr) const;
    void SetIsCheckedColumn(int ColNr, bool value);

    /// The highest-numbered column whose name equals Head (or contains it, with
    /// PartialMatch), ignoring case; -1 when none does.
    int ColumnIndex(const QString& Head, bool PartialMatch) const;

    /// Copies a range as text to the clipboard: values separated by Separator, rows
    /// ended by a line feed, with AddHeader the column names and an empty line first.
    /// Column and row numbers are not checked: outside the table a value reads as empty.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         const QString& Separator);
    /// As above with tabs (UseTabs) or in fixed-width fields, each column one character
    /// wider than its longest stored text (or name, with AddHeader).
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs);

    /// Every cell of columns 1..NrOfColumns gets the value s; check cells keep their
    /// state.
    void Fill(const QString& s);
    /// Empties every cell and resets names, formats and check modes; the size stays.
    void Clear();
    /// Copies the cells of row Source (columns 0..NrOfColumns) and its attribute byte to
    /// row Target (both 1..NrOfRows, else nothing happens).
    void CopyRow(int Source, int Target);
    /// Removes row r (the last row is emptied instead). Commits the sort order first.
    void RemoveRow(int r);
    /// Removes the rows whose values are empty in every column 0..NrOfColumns.
    void RemoveEmptyRows();

    // Check marks. The column forms take a column 1..NrOfColumns.
    /// The first checked row of a check column; 0 when none is.
    int FirstCheckedElemInCol(int ColNr) const;
    /// The first check column checked in a row; 0 when none is.
    int FirstCheckedElemInRow(int RowNr) const;
    /// Checked cells of a check column (0 for other columns).
    int CountCheckedElemsInCol(int Column) const;
    /// Checked cells of a row.
    int CountCheckedElemsInRow(int Row) const;
    /// Checks or unchecks every cell of a cmBox column (other columns: nothing).
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    /// Inverts every check mark of a cmBox column (other columns: nothing).
    void InvertAllCheckmarksOfCol(int Column);

    /// Orders the rows by column Col, ties by ColSec (-1: none); see TStringArray::Sort.
    void Sort(int Col, int ColSec, bool Ascending);
    /// Returns to the stored order; both sort columns become -1.
    void UnSort();

    /// Copies everything of another TRLData: size, cells, attributes, order, names,
    /// formats, check modes, texts and the OnBeforeSortExchange handler. Raises
    /// EVEKRLDataError when memory runs out (the data is then unchanged).
    void Assign(const TPersistent* Source) override;

    // Report list documents (layout at the top of this file). Writers return false when
    // writing failed; SaveAsXMLFile then leaves an existing file untouched. Readers
    // return whether a document (with the identifier DataID, when not empty) was read;
    // on false the data is unchanged.
    /// Writes a document into a file.
    bool SaveAsXMLFile(const QString& FName, const QString& DataID);
    /// Writes a document into a stream; CreateHeader adds the XML declaration.
    bool WriteToXMLStream(QIODevice* OutStream, bool CreateHeader, const QString& DataID);
    /// Writes into a text file already open for writing, at its position, so that a
    /// document can sit among other text. CreateHeader adds the XML declaration.
    bool WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID);
    /// Reads a document from a file.
    bool LoadFromXMLFile(const QString& FName, const QString& DataID);
    /// Reads the document at the stream's position.
    bool ReadFromXMLStream(QIODevice* InStream, const QString& DataID);
    /// Reads a document from a string.
    bool ReadFromXMLString(const QString& InString, const QString& DataID);
    /// Reads the next document from a text file already open for reading and leaves the
    /// file positioned after the document's last line.
    bool ReadFromOpenXMLFile(QTextStream& F, const QString& DataID);

    /// Reads the lines of a text file into column Column (0..NrOfColumns) from row
    /// FirstRow (at least 1) on, adding rows as needed. Returns the number of lines read,
    /// or -1 when the column does not exist or the file cannot be read.
    int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);

    /// Writes rows LoR..HiR of columns LoC..HiC (limited to the table) as an HTML5
    /// document with one table. A non-empty ColumnSelection lists the columns to write,
    /// in that order (columns outside LoC..HiC are skipped). Border, CellSpacing and
    /// Cellpadding are pixel sizes; the class names apply to header cells, data cells and
    /// the table when not empty. Returns false when the file could not be written.
    bool ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                         const QList<int>& ColumnSelection, int Border, int CellSpacing,
                         int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                         const QString& CellClass, const QString& TableClass);

    /// Called during sorting for each cell text (the handler may give a different sort
    /// text); Sender is this TRLData.
    TBeforeSortExchgEvent OnBeforeSortExchange;
    /// Called for each cell text of an HTML export.
    TBeforeHTMLExportEvent OnBeforeHTMLExport;
    /// Progress of sorting, document writing and the HTML export; before percentDone.
    TOnPercentDoneEvent OnPercentDone;

Q_SIGNALS:
    /// Cells, size or row order changed (the string array's change notification: once
    /// per cell write, never for names, formats, headers or a check mode change).
    void changed();
    /// Progress of sorting, document writing and the HTML export, 0..100.
    void percentDone(int percent);

protected:

private:
    friend class TRLDataDocument;
    struct Private;

    bool ContainsColumn(int col) const;
    bool ContainsCell(int col, int row) const;
    bool IsCheckColumn(int col) const;
    static bool IsCheckedText(QStringView stored);
    static QString DefaultName(int col);
    QString ErrorText(const QString& reason) const;
    void UpdateFeedbackCounts();
    void StartProgress();
    void ReportProgress(qint64 done);
    void PercentDone(int percent);
    void SetFlag(int col, int row, bool checked);
    void ClearFlagsOfCol(int col);
    void ConnectStrings();
    void AdoptDocument(TRLData& Read, const QString& DataID);
    void CopyText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                  const QString& Separator, bool FixedWidth);

    std::unique_ptr<Private> d;
};

/// Whether the file (or the stream, from its position) holds the opening element of a
/// report list document, with the identifier DataID when that is not empty (case is
/// ignored). Raises EInOutError when the file cannot be opened or read. A stream that is
/// not sequential is set back to where it was.
VEK_EXPORT bool CheckIfValidReplist(const QString& FName, const QString& DataID);
VEK_EXPORT bool CheckIfValidReplist(QIODevice* Stream, const QString& DataID);

class RowFilter; // internal: a compiled filter expression

/// Lets a handler replace the column format that the row editor builds the field of cell
/// (Col, Row) from.
using TRequestEditFormatEvent =
    std::function<void(TObject* Sender, int Col, int Row, QString& Format)>;

/// Failures of TReportListView.
class VEK_EXPORT EVEKRepListError : public EVEKError {
public:
    using EVEKError::EVEKError;
};

/// Lets a handler restyle one data cell before it is drawn (ACol/ARow: data column and
/// row).
using TRenderCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor& PenColor,
                       TColor& BrushColor, TColor& FontColor, TFontStyles& FontStyles,
                       QString& Text)>;

/// Called by FilterAndSort for each data row (in the new order): Found starts true and
/// CombineWithInternalSearch loAND; the row is shown when
/// ApplyLogicOp(CombineWithInternalSearch, internal match, Found) holds. So loAND lets the
/// handler veto rows, loOR add rows, loANDNOT drop the rows it marks Found.
using TBeforeFilterEvent = std::function<void(TObject* Sender, int Row, bool& Found,
                                              TLogicOp& CombineWithInternalSearch)>;

/// Before (State: the state the click asks for; the handler may change it) and after
/// (State: the negation of the final state, as it was before the click) a click toggles
/// the check mark of data cell (Col, Row).
using TCheckStateChangeEvent =
    std::function<void(TObject* Sender, bool& State, int Col, int Row)>;

/// A grid that shows a TRLData as a report list: up to two header rows (a common header
/// band and the column headers), an optional fixed first column, a display order of the
/// columns, per-column alignment, password masking and editability, banded rows,
/// selected, highlighted and disabled rows and columns, check boxes and radio buttons.
///
/// Rows and columns are numbered from 1 in the data's terms; the grid's own rows include
/// the header rows. Setters of the look repaint at once; cell writes only mark the list,
/// so a loop of writes costs one paint.
class VEK_EXPORT TReportListView : public TCustomDrawGrid {
    Q_OBJECT
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns NOTIFY setupChanged)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows NOTIFY setupChanged)
    Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader NOTIFY changed)
    Q_PROPERTY(bool CommonHeaderVisible READ CommonHeaderVisible WRITE SetCommonHeaderVisible
                   NOTIFY changed)
    Q_PROPERTY(int CommonHeaderHeight READ CommonHeaderHeight WRITE SetCommonHeaderHeight
                   NOTIFY changed)
    Q_PROPERTY(vek::TAlignment CommonHeaderAlignment READ CommonHeaderAlignment
                   WRITE SetCommonHeaderAlignment NOTIFY changed)
    Q_PROPERTY(bool ColumnHeadersVisible READ ColumnHeadersVisible WRITE SetColumnHeadersVisible
                   NOTIFY changed)
    Q_PROPERTY(int ColumnHeadersHeight READ ColumnHeadersHeight WRITE SetColumnHeadersHeight
                   NOTIFY changed)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow NOTIFY topLeftChanged)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol NOTIFY topLeftChanged)
    Q_PROPERTY(QString EmptyMessage READ EmptyMessage WRITE SetEmptyMessage NOTIFY setupChanged)
    Q_PROPERTY(bool FixedFirstColumn READ FixedFirstColumn WRITE SetFixedFirstColumn
                   NOTIFY changed)
    // One QColor property per color (Designer shows a color picker); the TColor accessors
    // stay the C++ API.
    Q_PROPERTY(QColor ColorHigh READ qColorHigh WRITE setQColorHigh RESET resetColorHigh
                   NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorHighText READ qColorHighText WRITE setQColorHighText
                   RESET resetColorHighText NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorText READ qColorText WRITE setQColorText RESET resetColorText
                   NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorBkgdNormal READ qColorBkgdNormal WRITE setQColorBkgdNormal
                   RESET resetColorBkgdNormal NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorBkgdShaded READ qColorBkgdShaded WRITE setQColorBkgdShaded
                   RESET resetColorBkgdShaded NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorColumnHd READ qColorColumnHd WRITE setQColorColumnHd
                   RESET resetColorColumnHd NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorColumnHdText READ qColorColumnHdText WRITE setQColorColumnHdText
                   RESET resetColorColumnHdText NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorCommonHd READ qColorCommonHd WRITE setQColorCommonHd
                   RESET resetColorCommonHd NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorCommonHdText READ qColorCommonHdText WRITE setQColorCommonHdText
                   RESET resetColorCommonHdText NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorDisabledBkgd READ qColorDisabledBkgd WRITE setQColorDisabledBkgd
                   RESET resetColorDisabledBkgd NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorDisabledText READ qColorDisabledText WRITE setQColorDisabledText
                   RESET resetColorDisabledText NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorEmptyMsg READ qColorEmptyMsg WRITE setQColorEmptyMsg
                   RESET resetColorEmptyMsg NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorSelectedRow READ qColorSelectedRow WRITE setQColorSelectedRow
                   RESET resetColorSelectedRow NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorSelectedRowText READ qColorSelectedRowText
                   WRITE setQColorSelectedRowText RESET resetColorSelectedRowText
                   NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorSelectedCol READ qColorSelectedCol WRITE setQColorSelectedCol
                   RESET resetColorSelectedCol NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorSelectedColText READ qColorSelectedColText
                   WRITE setQColorSelectedColText RESET resetColorSelectedColText
                   NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorSelectedBoth READ qColorSelectedBoth WRITE setQColorSelectedBoth
                   RESET resetColorSelectedBoth NOTIFY setupChanged)
    Q_PROPERTY(QColor ColorSelectedBothText READ qColorSelectedBothText
                   WRITE setQColorSelectedBothText RESET resetColorSelectedBothText
                   NOTIFY setupChanged)
    Q_PROPERTY(QColor InterRowIndicatorColor READ qInterRowIndicatorColor
                   WRITE setQInterRowIndicatorColor RESET resetInterRowIndicatorColor
                   NOTIFY setupChanged)
    Q_PROPERTY(int HighLightRow READ HighLightRow WRITE SetHighLightRow NOTIFY setupChanged)
    Q_PROPERTY(int HighLightColumn READ HighLightColumn WRITE SetHighLightColumn
                   NOTIFY setupChanged)
    Q_PROPERTY(bool HighLightBold READ HighLightBold WRITE SetHighLightBold NOTIFY setupChanged)
    Q_PROPERTY(int RowColPattern READ RowColPattern WRITE SetRowColPattern NOTIFY setupChanged)
    Q_PROPERTY(int InterRowIndicatorWidth READ InterRowIndicatorWidth
                   WRITE SetInterRowIndicatorWidth NOTIFY setupChanged)
    Q_PROPERTY(bool ShowEmptyCheckBoxes READ ShowEmptyCheckBoxes WRITE SetShowEmptyCheckBoxes)
    Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
    Q_PROPERTY(int RowSelectMode READ RowSelectMode WRITE SetRowSelectMode)
    Q_PROPERTY(bool SortEnabled READ SortEnabled WRITE SetSortEnabled)
    Q_PROPERTY(bool UseCtrlForMultiSel READ UseCtrlForMultiSel WRITE SetUseCtrlForMultiSel)

public:
    /// Five columns by four rows, column headers shown, the common header hidden.
    /// Raises EVEKRepListError when memory runs out.
    explicit TReportListView(QWidget* parent = nullptr);
    ~TReportListView() override;

    /// The data shown (owned by the control).
    TRLData* RLData() const;

    // ---- size of the list
    /// Number of data columns, at least 1; default 5. New columns take the width of the
    /// former last column, left alignment, no masking and no editing; the display order
    /// becomes the identity. Emits setupChanged.
    int NrOfColumns() const;
    void SetNrOfColumns(int value);
    /// Number of data rows, at least 0; default 4. Clears the selection; the grid keeps
    /// at least one (empty) data row. Emits setupChanged.
    int NrOfRows() const;
    void SetNrOfRows(int value);

    // ---- headers. Each setter below emits changed and repaints.
    /// The caption of the common header band (the data's CommonHeader); lines are
    /// separated by line feeds.
    QString CommonHeader() const;
    void SetCommonHeader(const QString& value);
    /// Alignment of the common header; default taCenter.
    TAlignment CommonHeaderAlignment() const;
    void SetCommonHeaderAlignment(TAlignment value);
    /// Whether the common header band is shown; default false.
    bool CommonHeaderVisible() const;
    void SetCommonHeaderVisible(bool value);
    /// Height of the common header, clamped to 8..127; default 20.
    int CommonHeaderHeight() const;
    void SetCommonHeaderHeight(int value);
    /// Whether the column header row is shown; default true.
    bool ColumnHeadersVisible() const;
    void SetColumnHeadersVisible(bool value);
    /// Height of the column header row, clamped to 8..127; default 20.
    int ColumnHeadersHeight() const;
    void SetColumnHeadersHeight(int value);
    /// Number of visible header rows (0, 1 or 2).
    int CountHeadRows() const;
    /// Lines separated by "|", shown centered when the list has no rows; default empty.
    /// Emits setupChanged.
    QString EmptyMessage() const;
    void SetEmptyMessage(const QString& value);
    /// Makes the first displayed column a fixed (non-scrolling) one; default false. A
    /// list of one column cannot have it: setting it there raises EVEKError and changes
    /// nothing.
    bool FixedFirstColumn() const;
    void SetFixedFirstColumn(bool value);

    /// The grid's default column width; repaints and emits setupChanged.
    void SetDefaultColWidth(int value) override;
    /// The grid's default row height, the header heights kept; repaints and emits
    /// setupChanged.
    void SetDefaultRowHeight(int value) override;

    // ---- view in data terms (1-based)
    /// First data row shown, 1..NrOfRows; default 1.
    int TopRow() const;
    void SetTopRow(int value);
    /// First data column shown, FixedCols + 1..NrOfColumns; default 1.
    int LeftCol() const;
    void SetLeftCol(int value);

    // ---- columns in data terms. Every column number of this class is a data column
    // (1..NrOfColumns), wherever SetColumnOrder shows it; only ColumnOrder itself takes
    // a display position.
    /// Width of the displayed column that shows data column Index (0 outside
    /// 1..NrOfColumns). Writing emits setupChanged, also outside.
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int value);
    /// The data column shown at display position ColNr (0 outside 1..NrOfColumns);
    /// default the identity.
    int ColumnOrder(int ColNr) const;
    /// Sets the data column of every display position; false (and entries outside the
    /// range skipped) unless the list has exactly NrOfColumns valid entries. Widths stay
    /// with their display positions. Does not repaint.
    bool SetColumnOrder(const std::vector<int>& ColList);
    /// Alignment of a data column; default taLeftJustify. A change emits changed.
    TAlignment ColumnAlignment(int ColNr) const;
    void SetColumnAlignment(int ColNr, TAlignment value);
    /// Whether a data column shows "******" instead of its values; default false. A
    /// change emits changed.
    bool ColumnIsPwd(int ColNr) const;
    void SetColumnIsPwd(int ColNr, bool value);
    /// Whether a data column may be edited in place; default false.
    bool ColumnEditable(int ColNr) const;
    void SetColumnEditable(int ColNr, bool value);

    // ---- data access, forwarded to RLData(); see TRLData. Cell writes emit changed (once
    // per cell) and mark the list for repainting.
    /// The visible value of a cell (data column 0..NrOfColumns, row 1..NrOfRows).
    QString Elem(int ACol, int ARow) const;
    void SetElem(int ACol, int ARow, const QString& value);
    /// A column name; writing emits changed and repaints.
    QString Header(int ColNr) const;
    void SetHeader(int ColNr, const QString& value);
    /// Whether a check cell is checked. Writing requires a column in 1..NrOfColumns and
    /// a row in 1..NrOfRows (else ignored).
    bool ElemChecked(int ACol, int ARow) const;
    void SetElemChecked(int ACol, int ARow, bool value);
    /// The visible value as a number (0 for a text that is none).
    double AsNumber(int ACol, int ARow) const;
    /// The value the column format proposes for an empty cell.
    QString DefaultValue(int ACol, int ARow) const;
    /// The column format; writing emits changed and repaints.
    QString ColumnFormat(int ColNr) const;
    void SetColumnFormat(int ColNr, const QString& value);
    /// How a column shows check marks; writing emits changed and repaints.
    TCheckMode ColumnCheckMode(int ColNr) const;
    void SetColumnCheckMode(int ColNr, TCheckMode value);
    /// True for check-box columns; writing emits changed and repaints.
    bool IsCheckedColumn(int ColNr) const;
    void SetIsCheckedColumn(int ColNr, bool value);
    /// The data's comment; default empty.
    QString Comment() const;
    void SetComment(const QString& value);
    /// The data identifier of report list documents; default empty.
    QString DataID() const;
    void SetDataID(const QString& value);
    /// Column of the last sort (-1 while unsorted).
    int LastSortColumn() const;
    /// Direction of the last sort (true: ascending).
    bool LastSortOrder() const;

    // ---- whole-list operations (painting once at the end)
    /// The highest-numbered column named Head (or containing it); -1 when none is.
    int ColumnIndex(const QString& Head, bool PartialMatch) const;
    /// Every value of columns 1..NrOfColumns becomes s; hides the editor first.
    void Fill(const QString& s);
    /// The first checked row of a check column; 0 when none is.
    int FirstCheckedElemInCol(int ColNr) const;
    /// The first check column checked in a row; 0 when none is.
    int FirstCheckedElemInRow(int RowNr) const;
    /// Checked cells of a row.
    int CountCheckedElemsInRow(int Row) const;
    /// Checked cells of the column in enabled rows.
    int CountCheckedElemsInCol(int Column) const;
    /// Checks or unchecks every cell of a check-box column (other columns: nothing).
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    /// Inverts every check mark of a check-box column (other columns: nothing).
    void InvertAllCheckmarksOfCol(int Column);
    /// Orders the rows by column Col, ties by ColSec (-1: none); see TRLData::Sort.
    void Sort(int Col, int ColSec, bool Ascending);
    /// Returns to the stored order.
    void UnSort();

    /// Copies the settings, events and data of another report list.
    void Assign(const TPersistent* Source) override;

    /// Moves and sizes the list, then repaints at once.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    /// Every column and row with the headers and the border, but no more than 36 by 24
    /// text lines of the font (as a scroll area adjusting to its contents), and never
    /// below minimumSizeHint. A new list (five columns, four rows) asks for 328 x 124.
    QSize sizeHint() const override;

    // ---- column widths from the contents
    /// Widest cell text (with IncludeHeader also the column name) plus room for check
    /// marks, the sort arrow and the margins; 9 for a column outside the list.
    int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
    /// Sets the width from the contents plus Addon, at least 4.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    /// As above, and at most MaxWidth.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
    /// Gives column ColIx the client width left by the other columns (at least 16).
    void ExpandColWidth(int ColIx, int RightMargin);
    /// AutoColWidth for every column but ExpandColumn, which takes the rest.
    void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth,
                         int RightMargin);
    /// Selects data row Row alone and scrolls it to the middle of the view.
    void CenterScrollAndSelect(int Row);

    // ---- sorting and filtering. Data row numbers keep addressing the data's rows as
    // presented (sorted); a filter only hides rows from the view.
    /// Tie-breaking column of later sorts, -1 (none, the default) .. NrOfColumns; other
    /// values are ignored. A change raises OnChangeSetup.
    int SecondarySortColumn() const;
    void SetSecondarySortColumn(int value);
    /// Sorts by SortColumn (0..NrOfColumns; -1 keeps the present order) with
    /// SecondarySortColumn, then shows only the rows whose FilterColumns (data columns;
    /// all columns when empty) match FilterExp as FilterMode reads it, OnBeforeFilter
    /// having its say per row. An empty (or blank) expression shows every row. Hidden rows
    /// are neither changed nor deleted: their cells, flags and places in the order stay,
    /// and every data row number still means the same row. The selected row stays
    /// selected when it is still shown. Raises EVEKRepListError for a malformed boolean
    /// expression (the message names the character position) or an invalid regular
    /// expression (Qt's message); the list is then unchanged. The filter stays until the
    /// next FilterAndSort or until the rows are replaced (loading a document, Clear);
    /// rows added later are shown.
    void FilterAndSort(const QString& FilterExp, const QList<int>& FilterColumns,
                       bool IgnoreCase, TFilterMode FilterMode, int SortColumn,
                       bool Ascending);
    /// Rows the view shows (NrOfRows unless a filter hides some).
    int NrOfShownRows() const;
    /// The data row of the current cell, the one the keyboard is on (0 when the list
    /// shows no row).
    int CurrentRow() const;
    /// Whether data row r is shown (false outside 1..NrOfRows).
    bool RowShown(int r) const;

    // ---- row operations (each hides the in-place editor first)
    /// Inserts an empty row before r (1..NrOfRows) or appends one (r > NrOfRows, r then
    /// becomes the new row count); r < 1 inserts nothing. The rows keep their order, but
    /// the list no longer counts as sorted (both sort columns -1). Returns r.
    int InsertRow(int r);
    /// Appends an empty row; returns the new row count.
    int AddRow();
    /// Removes data row r (ignored outside 1..NrOfRows); the only row is emptied instead.
    void RemoveRow(int r);
    /// Removes every row whose values (column 0 included) are all empty.
    void RemoveEmptyRows();
    /// Empties the data (see TRLData::Clear) and resets every column's alignment,
    /// masking, editability and the column order; drops a filter.
    void Clear();

    // ---- selection in bulk; each raises OnSelectedChange once and repaints once
    void SelectAllRows();
    void DeselectAllRows();
    void EnableAllRows();
    void DisableAllRows();
    void SelectAllColumns();
    void DeselectAllColumns();
    /// The first selected row when it is enabled, else 0 (also without rows).
    int FirstSelectedRow() const;
    /// The first selected column; 0 when none is.
    int FirstSelectedColumn() const;
    /// Selected rows (enabled or not), enabled rows, selected columns.
    int NumSelectedRows() const;
    int NumEnabledRows() const;
    int NumSelectedColumns() const;

    // ---- files and the clipboard, as TRLData's operations of the same names; the view
    // follows whatever they change (size, columns, rows shown)
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         const QString& Separator);
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs);
    bool SaveAsXMLFile(const QString& FName, const QString& DataID);
    bool WriteToXMLStream(QIODevice* OutStream, bool CreateHeader, const QString& DataID);
    bool WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID);
    bool LoadFromXMLFile(const QString& FName, const QString& DataID);
    bool ReadFromXMLStream(QIODevice* InStream, const QString& DataID);
    bool ReadFromXMLString(const QString& InString, const QString& DataID);
    bool ReadFromOpenXMLFile(QTextStream& F, const QString& DataID);
    int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);
    bool ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                         const QList<int>& ColumnSelection, int Border, int CellSpacing,
                         int CellPadding, bool IncludeHeader, const QString& HeadClass,
                         const QString& CellClass, const QString& TableClass);

    // ---- row and column flags (kept in the data's attribute bytes); writes mark the
    // list for repainting
    /// Whether data row r is selected (false outside 1..NrOfRows). A write raises
    /// OnSelectedChange.
    bool RowSelected(int r) const;
    void SetRowSelected(int r, bool value);
    /// Whether data row r is enabled (false outside 1..NrOfRows); a disabled row shows
    /// its text grayed, ignores selection and highlight and cannot be edited or checked.
    /// A write raises OnSelectedChange.
    bool RowEnabled(int r) const;
    void SetRowEnabled(int r, bool value);
    /// Whether data column c is selected (false outside 1..NrOfColumns). A write raises
    /// OnSelectedChange.
    bool ColumnSelected(int c) const;
    void SetColumnSelected(int c, bool value);

    // ---- colors and highlight. Unless said otherwise each setter repaints at once and
    // emits setupChanged, even for an unchanged value.
    /// Background of the highlighted row or column; default 0xCC9966.
    TColor ColorHigh() const;
    void SetColorHigh(TColor v);
    VEK_COLOR_PROPERTY(ColorHigh, 0xCC9966)
    /// Text of the highlighted row or column; default 0xFFFFFF.
    TColor ColorHighText() const;
    void SetColorHighText(TColor v);
    VEK_COLOR_PROPERTY(ColorHighText, 0xFFFFFF)
    /// Text of normal cells; default 0x002000.
    TColor ColorText() const;
    void SetColorText(TColor v);
    VEK_COLOR_PROPERTY(ColorText, 0x002000)
    /// Background of the unshaded bands; default 0xFFFFFF.
    TColor ColorBkgdNormal() const;
    void SetColorBkgdNormal(TColor v);
    VEK_COLOR_PROPERTY(ColorBkgdNormal, 0xFFFFFF)
    /// Background of the shaded bands (the first band is shaded); default 0xF0EFE8.
    TColor ColorBkgdShaded() const;
    void SetColorBkgdShaded(TColor v);
    VEK_COLOR_PROPERTY(ColorBkgdShaded, 0xF0EFE8)
    /// The column header row and the fixed first column; the grid's FixedColor, default
    /// clBtnFace.
    TColor ColorColumnHd() const;
    void SetColorColumnHd(TColor v);
    VEK_COLOR_PROPERTY(ColorColumnHd, clBtnFace)
    /// Column header text; default clBtnText, the text color that goes with the header's
    /// clBtnFace in every palette.
    TColor ColorColumnHdText() const;
    void SetColorColumnHdText(TColor v);
    VEK_COLOR_PROPERTY(ColorColumnHdText, clBtnText)
    /// Common header band; default clBtnFace.
    TColor ColorCommonHd() const;
    void SetColorCommonHd(TColor v);
    VEK_COLOR_PROPERTY(ColorCommonHd, clBtnFace)
    /// Common header text; default clBtnText (see ColorColumnHdText).
    TColor ColorCommonHdText() const;
    void SetColorCommonHdText(TColor v);
    VEK_COLOR_PROPERTY(ColorCommonHdText, clBtnText)
    /// Background of disabled rows; default 0xF0F0F0.
    TColor ColorDisabledBkgd() const;
    void SetColorDisabledBkgd(TColor v);
    VEK_COLOR_PROPERTY(ColorDisabledBkgd, 0xF0F0F0)
    /// Text of disabled rows; default 0xC0C0C0.
    TColor ColorDisabledText() const;
    void SetColorDisabledText(TColor v);
    VEK_COLOR_PROPERTY(ColorDisabledText, 0xC0C0C0)
    /// The empty-list message, drawn on the control's Color (clWindow); default
    /// clWindowText. Repaints and emits only when changed.
    TColor ColorEmptyMsg() const;
    void SetColorEmptyMsg(TColor v);
    VEK_COLOR_PROPERTY(ColorEmptyMsg, clWindowText)
    /// Background of selected rows; default 0x94BAED.
    TColor ColorSelectedRow() const;
    void SetColorSelectedRow(TColor v);
    VEK_COLOR_PROPERTY(ColorSelectedRow, 0x94BAED)
    /// Text of selected rows; default 0x800000.
    TColor ColorSelectedRowText() const;
    void SetColorSelectedRowText(TColor v);
    VEK_COLOR_PROPERTY(ColorSelectedRowText, 0x800000)
    /// Background of selected columns; default clBlack.
    TColor ColorSelectedCol() const;
    void SetColorSelectedCol(TColor v);
    VEK_COLOR_PROPERTY(ColorSelectedCol, clBlack)
    /// Text of selected columns; default clBlack.
    TColor ColorSelectedColText() const;
    void SetColorSelectedColText(TColor v);
    VEK_COLOR_PROPERTY(ColorSelectedColText, clBlack)
    /// Background of a cell in a selected row and a selected column; default clBlack.
    TColor ColorSelectedBoth() const;
    void SetColorSelectedBoth(TColor v);
    VEK_COLOR_PROPERTY(ColorSelectedBoth, clBlack)
    /// Text of a cell in a selected row and a selected column; default clBlack.
    TColor ColorSelectedBothText() const;
    void SetColorSelectedBothText(TColor v);
    VEK_COLOR_PROPERTY(ColorSelectedBothText, clBlack)
    /// Highlighted cells in bold; default false.
    bool HighLightBold() const;
    void SetHighLightBold(bool v);
    /// Data row drawn in the highlight colors; 0 (the default) for none.
    int HighLightRow() const;
    void SetHighLightRow(int v);
    /// Data column drawn in the highlight colors; 0 (the default) for none.
    int HighLightColumn() const;
    void SetHighLightColumn(int v);
    /// Rows per background band; 0 or less: no banding. Default 1.
    int RowColPattern() const;
    void SetRowColPattern(int v);
    /// Pen color of the indicator line between rows; default 0x0000FF (red).
    TColor InterRowIndicatorColor() const;
    void SetInterRowIndicatorColor(TColor v);
    VEK_COLOR_PROPERTY(InterRowIndicatorColor, 0x0000FF)
    /// Pen width of the indicator line; default 3.
    int InterRowIndicatorWidth() const;
    void SetInterRowIndicatorWidth(int v);
    /// The indicator line sits above this data row; 0 (the default) for none. Repaints
    /// when changed, without an event.
    int InterRowIndicatorPos() const;
    void SetInterRowIndicatorPos(int v);
    /// Draw a check box also in a check cell without a value; default true. Repaints when
    /// changed, without an event.
    bool ShowEmptyCheckBoxes() const;
    void SetShowEmptyCheckBoxes(bool v);
    /// Read-only check marks are drawn without their box; default false. Repaints when
    /// changed, without an event.
    bool CheckMarksReadOnly() const;
    void SetCheckMarksReadOnly(bool v);

    // ---- interaction settings
    //
    // Mouse: a click on a data row selects it (RowSelectMode); in mode 2 Shift+click
    // gives the rows from the anchor to the clicked one the anchor's selected and
    // disabled flags, Ctrl+click toggles one row, releasing the button right of or below
    // the cells deselects all. A click within 18 pixels of the left edge of a check cell
    // toggles it (OnBeforeCheckedChange, OnCheckedChange). A click on a column header
    // sorts (SortEnabled); a double click on a header border fits the column to its
    // contents. Keys: the navigation keys select the row they reach, Shift+Up/Down
    // extends the selection in mode 2, Ctrl+A selects all rows in mode 2, Space toggles
    // the check mark of the current cell, F2 or Enter edits an editable cell.
    /// Enter moves to the next row and selects it: after an in-place edit, or at once in
    /// a cell that cannot be edited. Default false.
    bool AutoAdvance() const;
    void SetAutoAdvance(bool v);
    /// How clicks select rows: 0 none, 1 (the default) one row, 2 several rows. Any
    /// mode but 2 deselects all rows; mode 0 also moves the grid's current cell out of
    /// the cells. Raises OnSelectedChange.
    int RowSelectMode() const;
    void SetRowSelectMode(int v);
    /// A click on a column header sorts by that column, descending first, then
    /// alternating; default true.
    bool SortEnabled() const;
    void SetSortEnabled(bool v);
    /// In mode 2, Ctrl+click adds single rows to the selection (a plain click selects
    /// one row); off, every plain click toggles its row. Default true.
    bool UseCtrlForMultiSel() const;
    void SetUseCtrlForMultiSel(bool v);
    /// The in-place editor's keys: as the grid's, and Enter advances with AutoAdvance.
    bool EditorKey(int Key, TShiftState Shift) override;

    // ---- row editor dialog
    /// Opens a modal dialog that edits the cells of data row Row together: per column a
    /// right-aligned label with the column name and a field chosen by the column format
    /// "[type][width]default" (see TRLData):
    ///   s        text edit; masked in password columns (ColumnIsPwd)
    ///   c, l     drop-down list with free text (c) or fixed items (l) made of the default
    ///            part split at "|"; "c:N" and "l:N" drop N items down
    ///   d        date/time picker (TDateTimePicker); the type without its "d" is the
    ///            display format in the letters of ParseDateTime (frame/runtime/rtl.h):
    ///            "[ddd.MM.yyyy][120]" shows 24.12.2023
    ///   e f h i  TNumIO with input format itDynamic, itFloat, itHex or itInt
    /// A "#" before the letter shows the field disabled (read-only); other letters get a
    /// label only. Fields are the format's width in pixels wide (200 when missing or below
    /// 1). An empty cell starts with the format's default (DefaultValue's rules, "#"
    /// fields included).
    /// The controls are named "runtime_rlre_" + Label, Edit, CBox, DtPick or NumIO + the
    /// column number; each field's Tag (frame/core/component.h) is its column. Enter in
    /// an editable field closes the dialog as OK.
    /// On OK every field's text is written into its cell, cut to what a cell holds,
    /// painting the list once afterwards. A cell that its field cannot show (a date the
    /// picker cannot read, a number the field refuses, a value missing from a fixed list)
    /// keeps its text unless the user enters a new value, and a picker left untouched
    /// gives back the text it started from. The controls are freed when the dialog ends.
    /// This form: a dialog of its own at screen position (PosLeft, PosTop), captioned
    /// "Editing Row " + Row, with OK and Cancel (81 x 29) at its top right and the first
    /// row of fields 45 pixels down, one row every 25 pixels. Returns mrOk, or mrCancel
    /// (Cancel, Escape, closing the window). Raises EVEKRepListError when Row is not in
    /// 1..NrOfRows. The caption and the button texts are translated in the context
    /// vek::TReportListView when the application installs a translator.
    int EditRowEntries(int Row, int PosLeft, int PosTop);
    /// As above with the given caption and button texts.
    int EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption,
                       const QString& ButOKCaption, const QString& ButCancelCaption);
    /// As above on the application's ContainerForm: the controls are placed from (PosLeft,
    /// PosTop) on it, the form gets no buttons and an empty caption and grows to hold the
    /// controls. The form ends its modal state itself (done(mrOk) for OK, as Enter in a
    /// field does). Returns the form's result. Raises EVEKRepListError when the form is
    /// null or Row is not in 1..NrOfRows.
    int EditRowEntries(int Row, QDialog* ContainerForm, int PosLeft, int PosTop);
    /// Asked for every column when the row editor opens; the handler may replace the
    /// format of the field for (Col, Row). Default: none.
    TRequestEditFormatEvent OnRequestEditFormat;

    // ---- painting control
    /// While set, Paint does nothing; clearing it repaints at once. Set before the
    /// control is first painted, it holds until cleared. Default false.
    bool SuppressPaint() const;
    void SetSuppressPaint(bool value);

    /// The cell under a point: X = data column (grid column + 1); Y = data row, 0
    /// outside, -1 on the column header row, -2 on the common header row.
    TGridCoord MouseCell(int X, int Y) const;

    /// Raises OnChange, then changed.
    void Changed();
    /// Raises OnChangeSetup, then setupChanged.
    void ChangedSetup();
    /// Raises OnSelectedChange, then selectedChanged.
    void ChangedSelection();

    /// Headers, column settings or cells changed; before changed.
    TNotifyEvent OnChange;
    /// Size, colors, highlight, widths or the empty message changed; before
    /// setupChanged.
    TNotifyEvent OnChangeSetup;
    /// The row or column selection changed; before selectedChanged.
    TNotifyEvent OnSelectedChange;
    /// Restyles a data cell before it is drawn.
    TRenderCellEvent OnBeforeRenderCell;
    /// Progress of sorting, document writing and exports; Sender is the control. Before
    /// percentDone.
    TOnPercentDoneEvent OnPercentDone;
    /// Passed on from the data with the control as Sender: each cell text while sorting
    /// (the handler may give a different sort text).
    TBeforeSortExchgEvent OnBeforeSortExchange;
    /// Passed on from the data with the control as Sender: each cell text (and, with Row
    /// 0, each column name) of an HTML export; the handler may change it.
    TBeforeHTMLExportEvent OnBeforeHTMLExport;
    /// Each row's say in FilterAndSort (see TBeforeFilterEvent).
    TBeforeFilterEvent OnBeforeFilter;
    /// A click is about to toggle a check mark: State is the state asked for; a handler
    /// may change it (a radio cell is checked whatever State is).
    TCheckStateChangeEvent OnBeforeCheckedChange;
    /// A click toggled a check mark; before checkedChanged.
    TCheckStateChangeEvent OnCheckedChange;

Q_SIGNALS:
    /// After OnChange: headers, column settings or cells changed (once per cell write).
    void changed();
    /// After OnChangeSetup: size, colors, highlight, widths or the empty message changed.
    void setupChanged();
    /// After OnSelectedChange.
    void selectedChanged();
    /// After OnPercentDone: progress of a long operation, 0..100.
    void percentDone(int percent);
    /// After OnCheckedChange: a click set data cell (col, row) to checked.
    void checkedChanged(int col, int row, bool checked);
    /// A header click or FilterAndSort changed the order or the rows shown.
    void rowsRearranged();

protected:
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
    void CreateWnd() override;
    void TopLeftChanged() override;
    void FontChanged() override;
    // interaction (TReportListView_mouse.cpp, TReportListView_keys.cpp)
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    // in-place editing (TReportListView_editing.cpp)
    bool SelectCell(int ACol, int ARow) override;
    bool CanEditShow() const override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;

private:
    // Defined in replist_p.h.
    struct Private;
    struct CellStyle;
    class PaintBatch;
    // Reads the shown rows and columns for screen readers (replist_accessible.cpp).
    friend class TReportListViewAccessible;

    // Hooks the data's notifications to the control's repaint and events.
    void ConnectData();
    // The view follows the data (TReportListView_rows.cpp): column arrays and count,
    // the rows shown and the grid's row count, whatever changed them.
    void FollowData();
    void RebuildShownRows();
    int DataRowAt(int GridRow) const;
    int GridRowOf(int DataRow) const;
    int DataColumnAt(int GridCol) const;
    int GridColumnOf(int DataCol) const;
    int SelectedDataRow() const;
    void SelectGridRow(int GridRow);
    void SortByHeaderClick(int GridCol);
    std::unique_ptr<RowFilter> CompiledFilter(const QString& FilterExp,
                                                    TFilterMode FilterMode,
                                                    bool IgnoreCase) const;
    void ApplyFilter(const RowFilter& Filter, const QList<int>& Columns);
    // interaction helpers
    void ToggleCheckMark(int dc, int dr);
    void SelectRowsByClick(TShiftState Shift);
    void SelectCurrentRowOnly();
    void ExtendSelectionTo(int dr);
    bool AutoSizeColumnAtHeaderBorder();
    void SetRowFlag(int r, quint8 bit, bool value);
    template <typename Read> bool ReadInto(Read read);
    void SetAllRowFlags(quint8 bit, bool value);
    void SetAllColumnFlags(quint8 bit, bool value);
    // Grid rows and fixed rows follow the header visibility and NrOfRows.
    void ApplyGeometry();
    void ApplyHeaderHeights();
    bool ContainsColumn(int ColNr) const;
    bool ContainsRow(int r) const;
    void ResizeColumnArrays(int count);
    void Repaint();
    // Puts the suppression back to `saved` after a batch; false repaints once.
    void RestoreSuppressPaint(bool saved);
    // Stores a look setting, repaints and raises OnChangeSetup.
    template <typename T> void SetupValue(T& field, T value);
    // painting (TReportListView_paint.cpp)
    CellStyle DataCellStyle(int ARow, int dc, int dr) const;
    void DrawDataCell(int ACol, int ARow, const TRect& Rect);
    void DrawCheckMark(const TRect& B, TCheckMode mode, bool checked, bool disabledRow,
                       const CellStyle& style);
    void DrawCommonHeader(const TRect& Rect, int R);
    void DrawColumnHeader(int dc, const TRect& Rect, int R);
    void DrawBevel(int Left, int Top, int Right, int Bottom);
    int HeaderBandRight() const;
    void PaintEmptyMessage();
    void PaintInterRowIndicator();

    std::unique_ptr<Private> d;
};

} // namespace vek
