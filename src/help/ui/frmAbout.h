#pragma once
// The about box: application title, version, a description of the program
// and a button that starts the system's own information tool.

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace gv {
class RegistryLookup;
}

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // `registry` is where the system-information tool is looked up; by
    // default the platform's own store.
    explicit frmAbout(QWidget* parent = nullptr, const gv::RegistryLookup* registry = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    // Two separator lines: under the title and version, and above the
    // disclaimer and the buttons.
    std::array<QFrame*, 2> Line1{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    static QString applicationTitle();
    static QString versionText();

public slots:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Finds and starts the system-information tool, or says it is unavailable.
    void StartSysInfo();

private:
    void build();

    const gv::RegistryLookup* registry_;
};
