// TRLData's private data, shared by TRLData.cpp and the rldata_*.cpp files.
#pragma once

#include "VEK_replist.h"

#include <vector>

namespace vek {

struct TRLData::Private {
    struct Column {
        QString Name;
        QString Format;
        TCheckMode CheckMode = cmNone;
    };

    QString comment;
    std::vector<Column> columns; // entry 0 is column 1
    QString commonHeader = QStringLiteral("Vek Report Listview");
    int nrOfCols = 1;
    int nrOfRows = 0;
    int sortColumn = -1;
    int sortColumnSec = -1;
    bool sortOrder = true;
    QString dataID;
    bool sortToggle = true;
    // progress of the running operation: cells counted, cells per report, last report
    int feedbkNumCells = 1;
    int feedbkStep = 1;
    bool progressWanted = false;
    int lastPercent = -1;
    qint64 lastStep = -1;
};

} // namespace vek
