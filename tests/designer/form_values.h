// The form with one of each control (controls.ui, written by Qt Designer's own code through
// vekcontrols-designer-snapshot --resave) and what the controls must hold once it is
// read, shared by the tests that read it in different ways.
#pragma once

#include <frame/controls/widgetcomponent.h>

#include <QByteArray>
#include <QWidget>

#include <memory>
#include <vector>

namespace vektest {

/// controls.ui as it is stored.
QByteArray FormFile();

/// The form read by QUiLoader (which finds the plugin on the plugin path).
std::unique_ptr<QWidget> LoadWithQUiLoader(const QByteArray& form);

/// The form's controls (the direct children of the form that are controls).
std::vector<vek::TWidgetComponent*> FormControls(QWidget* form);

/// Whether the control is still loading.
bool Loading(const vek::TWidgetComponent* control);

/// Every control of the form has had Loaded and holds the values controls.ui gives it.
void ExpectFormValues(QWidget* form);

} // namespace vektest
