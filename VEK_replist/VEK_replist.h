// The report list unit: TRLData, the data of a report list, and its exchange formats.
#pragma once

#include "RLData.h"
#include "ReportListView.h"
