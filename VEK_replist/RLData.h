// TRLData: the data of a report list, a table of short texts with named, formatted and
// optionally check-marked columns, a common header, a comment and a data identifier.
// The texts live in the public TStringArray Strings; see frame/stringarray.h for the
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
#pragma once

#include <frame/component.h>
#include <frame/errors.h>
#include <frame/stringarray.h>

#include <QList>
#include <QString>

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
