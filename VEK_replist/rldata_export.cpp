// TRLData: plain text on the clipboard, lines of a text file into a column, and the HTML
// table export.
#include "rldata_p.h"

#include <frame/core/application.h>
#include <frame/baselib/files.h>
#include <frame/baselib/strutils.h>

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>

namespace vek {

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              const QString& Separator)
{
    CopyText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator, false);
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              bool UseTabs)
{
    CopyText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, QStringLiteral("\t"), !UseTabs);
}

void TRLData::CopyText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const QString& Separator, bool FixedWidth)
{
    // fixed width: each column one wider than its longest stored text (flag included)
    std::vector<int> widths;
    if (FixedWidth) {
        for (int c = LeftCol; c <= RightCol; ++c) {
            qsizetype w = AddHeader ? Header(c).size() : 0;
            for (int r = TopRow; r <= BottomRow; ++r)
                w = std::max(w, ContainsCell(c, r) ? Strings->CellView(c, r).size() : 0);
            widths.push_back(int(std::min<qsizetype>(w, 255)) + 1);
        }
    }
    QString text;
    const auto appendLine = [&](const auto& valueOf) {
        for (int c = LeftCol; c <= RightCol; ++c) {
            const QString value = valueOf(c);
            if (FixedWidth)
                text += LeftString(value, widths[std::size_t(c - LeftCol)]);
            else
                text += c < RightCol ? value + Separator : value;
        }
    };
    if (AddHeader) {
        appendLine([this](int c) { return Header(c); });
        text += QStringLiteral("\n\n");
    }
    for (int r = TopRow; r <= BottomRow; ++r) {
        appendLine([this, r](int c) { return Elem(c, r); });
        text += u'\n';
    }
    Clipboard()->SetAsText(text);
}

int TRLData::LoadLinesFromFile(int Column, int FirstRow, const QString& FName)
{
    if (Column < 0 || Column > d->nrOfCols)
        return -1;
    QFile file(FName);
    if (!OpenRegularFileForReading(file, QIODevice::Text))
        return -1;
    QTextStream in(&file);
    QStringList lines;
    QString line;
    while (in.readLineInto(&line))
        lines.append(line);
    if (in.status() != QTextStream::Ok)
        return -1;
    // Rows are added for the lines read only: an empty file changes nothing.
    if (lines.isEmpty())
        return 0;
    const int first = std::max(FirstRow, 1);
    const qint64 lastRow = qint64(first) + lines.size() - 1;
    if (lastRow > INT_MAX - 1)
        return -1;
    if (lastRow > d->nrOfRows)
        SetNrOfRows(int(lastRow));
    for (qsizetype i = 0; i < lines.size(); ++i)
        SetElem(Column, first + int(i), lines[i]);
    return int(lines.size());
}

namespace {

QString HtmlEscaped(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&': escaped += QStringLiteral("&amp;"); break;
        case '<': escaped += QStringLiteral("&lt;"); break;
        case '>': escaped += QStringLiteral("&gt;"); break;
        case '"': escaped += QStringLiteral("&quot;"); break;
        case '\'': escaped += QStringLiteral("&#39;"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString ClassAttribute(const QString& name)
{
    return name.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(HtmlEscaped(name));
}

} // namespace

bool TRLData::ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                              const QList<int>& ColumnSelection, int Border, int CellSpacing,
                              int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                              const QString& CellClass, const QString& TableClass)
{
    const int loC = std::max(LoC, 1), hiC = std::min(HiC, d->nrOfCols);
    const int loR = std::max(LoR, 1), hiR = std::min(HiR, d->nrOfRows);
    QList<int> columns;
    for (int c : ColumnSelection)
        if (c >= loC && c <= hiC)
            columns.append(c);
    if (ColumnSelection.isEmpty())
        for (int c = loC; c <= hiC; ++c)
            columns.append(c);
    const auto cellText = [this](QString text, int col, int row) {
        if (OnBeforeHTMLExport)
            OnBeforeHTMLExport(this, text, col, row);
        return HtmlEscaped(text);
    };

    QSaveFile file(FName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    const int border = std::max(Border, 0), spacing = std::max(CellSpacing, 0);
    const int padding = std::max(Cellpadding, 0);
    // HTML5 has no table presentation attributes: the sizes become a style sheet
    out << "<!DOCTYPE html>\n<html lang=\"" << QLocale().bcp47Name() << "\">\n<head>\n"
        << "<meta charset=\"utf-8\">\n<title>"
        << HtmlEscaped(d->commonHeader) << "</title>\n<style>\n"
        << "table.vek-replist { border-collapse: separate; border-spacing: " << spacing << "px; "
        << "border: " << border << "px solid; }\n"
        << "table.vek-replist th, table.vek-replist td { padding: " << padding << "px; "
        << "border: " << (border > 0 ? 1 : 0) << "px solid; }\n</style>\n</head>\n<body>\n"
        << "<table class=\"vek-replist" << (TableClass.isEmpty() ? QString() : u' ' + HtmlEscaped(TableClass))
        << "\">\n";
    if (IncludeHeader) {
        out << "<thead>\n<tr>";
        for (int c : columns)
            out << "<th" << ClassAttribute(HeadClass) << ">" << cellText(Header(c), c, 0) << "</th>";
        out << "</tr>\n</thead>\n";
    }
    out << "<tbody>\n";
    StartProgress();
    const qint64 cellsPerRow = d->nrOfCols + 1;
    for (int r = loR; r <= hiR; ++r) {
        out << "<tr>";
        for (int c : columns)
            out << "<td" << ClassAttribute(CellClass) << ">" << cellText(Elem(c, r), c, r) << "</td>";
        out << "</tr>\n";
        ReportProgress(qint64(r - loR + 1) * cellsPerRow * d->nrOfRows / std::max(hiR - loR + 1, 1));
    }
    out << "</tbody>\n</table>\n</body>\n</html>\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.commit();
}

} // namespace vek
