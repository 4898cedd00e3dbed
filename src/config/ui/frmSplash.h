#pragma once
// The splash window of every start.  Its load makes sure the program folder
// holds the logs and Excel folders and every configuration and help file,
// writing a default for each missing one; then it waits until the user
// closes it by a click or a key.

#include "config/FirstRun.h"

#include <QDialog>

class QFrame;
class QLabel;

namespace gv {
struct Global_Declarations;
class ClickLabel;
}

class frmSplash : public QDialog {
    Q_OBJECT
public:
    // Runs the first-run work at once (Form_Load).
    frmSplash(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);

    // What the main window calls first at start-up: loads the splash window
    // (doing the first-run work) and shows it modally until the user closes it.
    static void showAtStartup(gv::Global_Declarations& g, const QString& programFolder,
                              QWidget* owner);

    void Form_Load();
    void ABORTBUTTON_Click();

    QFrame* Frame1 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblCopyright = nullptr;  // fixed text, reacts to nothing
    QLabel* lblWarning = nullptr;    // fixed text, reacts to nothing
    QLabel* Label1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    gv::ClickLabel* ABORTBUTTON = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool closesOnClick(QObject* o) const;

    gv::Global_Declarations& g_;
    QString folder_;
};
