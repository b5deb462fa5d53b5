// The report list page's row editor demo: a small list whose column formats use every
// kind of field of the row editor, with an "Edit row..." button.
#pragma once

#include <functional>

class QWidget;

namespace vek {
class TReportListView;
}

/// The demo under parent; style gives the list the page's look.
QWidget* CreateRowEditorDemo(QWidget* parent,
                             const std::function<void(vek::TReportListView*)>& style);
