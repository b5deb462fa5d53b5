// TReportListView: the data's file and clipboard operations under the same names. A read
// may change the size and the columns; the view follows and repaints once.
#include "replist_p.h"

namespace vek {

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow,
                                      bool AddHeader, const QString& Separator)
{
    d->data->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator);
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow,
                                      bool AddHeader, bool UseTabs)
{
    d->data->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs);
}

bool TReportListView::SaveAsXMLFile(const QString& FName, const QString& DataID)
{
    return d->data->SaveAsXMLFile(FName, DataID);
}

bool TReportListView::WriteToXMLStream(QIODevice* OutStream, bool CreateHeader,
                                       const QString& DataID)
{
    return d->data->WriteToXMLStream(OutStream, CreateHeader, DataID);
}

bool TReportListView::WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID)
{
    return d->data->WriteToOpenXMLFile(F, CreateHeader, DataID);
}

// Runs a read with painting held back; after a successful one the view starts afresh
// at the top with the new size.
template <typename Read> bool TReportListView::ReadInto(Read read)
{
    HideEditor();
    PaintBatch batch(this);
    const bool done = read(*d->data);
    if (done) {
        FollowData();
        SetSelection({0, 0, 0, 0});
        SetTopRow(1);
        ChangedSetup();
    }
    return done;
}

bool TReportListView::LoadFromXMLFile(const QString& FName, const QString& DataID)
{
    return ReadInto([&](TRLData& data) { return data.LoadFromXMLFile(FName, DataID); });
}

bool TReportListView::ReadFromXMLStream(QIODevice* InStream, const QString& DataID)
{
    return ReadInto([&](TRLData& data) { return data.ReadFromXMLStream(InStream, DataID); });
}

bool TReportListView::ReadFromXMLString(const QString& InString, const QString& DataID)
{
    return ReadInto([&](TRLData& data) { return data.ReadFromXMLString(InString, DataID); });
}

bool TReportListView::ReadFromOpenXMLFile(QTextStream& F, const QString& DataID)
{
    return ReadInto([&](TRLData& data) { return data.ReadFromOpenXMLFile(F, DataID); });
}

int TReportListView::LoadLinesFromFile(int Column, int FirstRow, const QString& FName)
{
    int lines = -1;
    ReadInto([&](TRLData& data) {
        lines = data.LoadLinesFromFile(Column, FirstRow, FName);
        return lines >= 0;
    });
    return lines;
}

bool TReportListView::ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                                      const QList<int>& ColumnSelection, int Border,
                                      int CellSpacing, int CellPadding, bool IncludeHeader,
                                      const QString& HeadClass, const QString& CellClass,
                                      const QString& TableClass)
{
    return d->data->ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border,
                                    CellSpacing, CellPadding, IncludeHeader, HeadClass,
                                    CellClass, TableClass);
}

} // namespace vek
