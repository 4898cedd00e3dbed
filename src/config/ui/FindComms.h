#pragma once
// The serial port finder: probes ports 1 to 16, lists the ones that can be
// opened now and lets the user pick one.  The pick goes straight into the
// shared Port; the settings dialog shows it when this window has closed.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace gv {
struct Global_Declarations;
}

class FindComms : public QDialog {
    Q_OBJECT
public:
    FindComms(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);

    void FindPORTS_Click();
    void cbocomm_Click(int index);
    void ExitFindCOMM_Click();

    // The text of the "ports available" box with its CR LF line ends: an
    // empty first line, then one port number per line.
    QString availablePortsText() const { return available_; }

    QPushButton* FindPORTS = nullptr;
    QPushButton* ExitFindCOMM = nullptr;
    QComboBox* cbocomm = nullptr;
    QLineEdit* SelectedPort = nullptr;
    QPlainTextEdit* AvailablePORTS = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

private:
    gv::Global_Declarations& g_;
    QString folder_;
    QString available_;
};
