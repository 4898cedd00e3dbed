#pragma once
// The help window: lists one of the five help text files of the program
// folder (general help on opening, the others from the menu bar) and runs the
// help-text code maker.

#include <QDialog>
#include <QString>

#include "help/HelpFiles.h"

class QAction;
class QMenuBar;
class QTreeWidget;

class info : public QDialog {
    Q_OBJECT
public:
    // Opens on the general help of the program folder.
    explicit info(QWidget* parent = nullptr);
    // The same over another folder (tests, or a folder chosen by the caller).
    info(const QString& programFolder, QWidget* parent);

    // The controls, named as the window's designer named them.
    QMenuBar* menuBar = nullptr;
    QAction* hardware = nullptr;
    QAction* graphing = nullptr;
    QAction* credits = nullptr;
    QAction* myinfo = nullptr;
    QAction* codeMaker = nullptr;
    QTreeWidget* ListView1 = nullptr;

    // Lines of the file last read, line 0 included.
    const std::vector<std::string>& lineStore() const { return lineStore_; }

public slots:
    void Form_Load();
    void hardware_Click();
    void graphing_Click();
    void credits_Click();
    void myinfo_Click();
    void codeMaker_Click();

private:
    void build();
    void showView(gv::HelpViewId id);

    QString folder_;
    std::vector<std::string> lineStore_;
};
