#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>

namespace gv {

namespace {
MessageHook& messageHook()
{
    static MessageHook hook;
    return hook;
}
DialogHook& dialogHook()
{
    static DialogHook hook;
    return hook;
}
} // namespace

void setMessageHook(MessageHook hook) { messageHook() = std::move(hook); }
void setDialogHook(DialogHook hook) { dialogHook() = std::move(hook); }

void showMessage(QWidget* parent, const QString& text, const QString& title)
{
    const QString caption = title.isEmpty() ? QCoreApplication::applicationName() : title;
    if (messageHook()) {
        messageHook()(ShownMessage{text, caption});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

int execDialog(QDialog* dialog)
{
    if (dialogHook())
        return dialogHook()(dialog);
    return dialog->exec();
}

} // namespace gv
