#pragma once
// Modal OK-only message boxes go through this layer so that headless tests
// can answer them and read their texts.  In normal use a QMessageBox is shown;
// with a test hook installed nothing is shown and the hook records the call.

#include <QString>
#include <functional>

class QWidget;
class QDialog;

namespace gv {

struct ShownMessage {
    QString text;
    QString title;
};

// Shows an OK-only modal message box (title defaults to the application name).
void showMessage(QWidget* parent, const QString& text, const QString& title = QString());

// Test hook: while set, showMessage calls it instead of showing a window.
using MessageHook = std::function<void(const ShownMessage&)>;
void setMessageHook(MessageHook hook);

// Modal dialogs (QDialog::exec) also go through here, so a test can answer
// them: with a dialog hook set, the hook receives the dialog instead of exec()
// running, and its return value is the dialog's result.
using DialogHook = std::function<int(QDialog*)>;
void setDialogHook(DialogHook hook);
int execDialog(QDialog* dialog);

} // namespace gv
