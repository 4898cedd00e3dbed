#include "config/ui/FindComms.h"

#include "platform/PortProbe.h"
#include "shared/Global_Declarations.h"
#include "shared/TaggedText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

FindComms::FindComms(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : QDialog(parent), g_(g), folder_(programFolder)
{
    setWindowTitle(QStringLiteral("FindComms"));
    setModal(true);

    FindPORTS = new QPushButton(QStringLiteral("find ports"), this);
    FindPORTS->setObjectName(QStringLiteral("FindPORTS"));
    ExitFindCOMM = new QPushButton(QStringLiteral("Exit"), this);
    ExitFindCOMM->setObjectName(QStringLiteral("ExitFindCOMM"));
    ExitFindCOMM->setAutoDefault(false);
    FindPORTS->setAutoDefault(false);
    Label2 = new QLabel(QStringLiteral("select port"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    cbocomm = new QComboBox(this);
    cbocomm->setObjectName(QStringLiteral("cbocomm"));
    Label3 = new QLabel(QStringLiteral("port selected"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    SelectedPort = new QLineEdit(this);
    SelectedPort->setObjectName(QStringLiteral("SelectedPort"));
    Label1 = new QLabel(QStringLiteral("ports available"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    AvailablePORTS = new QPlainTextEdit(this);
    AvailablePORTS->setObjectName(QStringLiteral("AvailablePORTS"));
    AvailablePORTS->setReadOnly(true);
    AvailablePORTS->setFixedHeight(150);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(cbocomm, 1, 0);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(SelectedPort, 3, 0);
    grid->addWidget(FindPORTS, 5, 0);
    grid->setRowStretch(4, 1);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(AvailablePORTS, 1, 1, 5, 1);
    grid->addWidget(ExitFindCOMM, 6, 0, 1, 2);
    grid->setColumnMinimumWidth(0, 120);
    grid->setColumnMinimumWidth(1, 120);

    connect(FindPORTS, &QPushButton::clicked, this, &FindComms::FindPORTS_Click);
    connect(ExitFindCOMM, &QPushButton::clicked, this, &FindComms::ExitFindCOMM_Click);
    connect(cbocomm, qOverload<int>(&QComboBox::activated), this, &FindComms::cbocomm_Click);
}

void FindComms::FindPORTS_Click()
{
    FindPORTS->setEnabled(false);
    ExitFindCOMM->setText(QStringLiteral("Please wait until ports are found"));
    ExitFindCOMM->repaint();
    cbocomm->clear();
    available_.clear();
    AvailablePORTS->setPlainText(QString());

    for (int n = 1; n <= 16; ++n) {
        if (gv::commAvailable(n, folder_)) {
            cbocomm->addItem(QString::number(n));
            available_ += QStringLiteral("\r\n") + QString::number(n);
        }
    }
    AvailablePORTS->setPlainText(QString(available_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    FindPORTS->setEnabled(true);
    if (cbocomm->count() == 0) {
        // Nothing to pick: the window returns to its opening state.
        ExitFindCOMM->setText(QStringLiteral("Exit"));
        return;
    }
    // The lowest port found is picked as if the user had chosen it.
    cbocomm->setCurrentIndex(0);
    cbocomm_Click(0);
    ExitFindCOMM->setText(QStringLiteral("Save"));
}

void FindComms::cbocomm_Click(int index)
{
    const QString text = cbocomm->itemText(index);
    SelectedPort->setText(text);
    g_.Port = gv::leadingNumber(text.toStdString());
}

void FindComms::ExitFindCOMM_Click()
{
    accept();
}
