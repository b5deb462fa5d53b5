// The report list page's row editor demo: a small list whose column formats use every
// kind of field of the row editor, with an "Edit row..." button.
#pragma once

class QWidget;

/// The demo under parent.
QWidget* CreateRowEditorDemo(QWidget* parent);
