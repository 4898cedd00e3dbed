#include "live/ui/displayRAWdata.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/Twips.h"

using gv::twips;

displayRAWdata::displayRAWdata(gv::Global_Declarations& g, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Form1");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* menu = new QMenuBar(this);
    exitmenu = menu->addAction("Exit");
    pauseMenu = menu->addAction("Pause");
    layout->setMenuBar(menu);

    Text1 = new QLineEdit("Text1", this);
    Text1->setReadOnly(true);
    layout->addWidget(Text1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(exitmenu, &QAction::triggered, this, &displayRAWdata::exitmenu_Click);
    connect(pauseMenu, &QAction::triggered, this, &displayRAWdata::pauseMenu_Click);
    connect(Timer1, &QTimer::timeout, this, &displayRAWdata::Timer1_Timer);

    resize(twips(9000), twips(1200));
    Form_Load();
}

void displayRAWdata::exitmenu_Click() { close(); }

void displayRAWdata::Form_Load()
{
    Timer1->start();
    resize(width(), std::max(twips(1200), minimumSizeHint().height()));
}

void displayRAWdata::pauseMenu_Click()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        pauseMenu->setText("Resume");
    } else {
        Timer1->start();
        pauseMenu->setText("Pause");
    }
}

void displayRAWdata::Timer1_Timer()
{
    Text1->setText(QString::fromLatin1(g_.LastMessage.data(),
                                       static_cast<qsizetype>(g_.LastMessage.size())));
    Text1->setCursorPosition(0); // show the start of the message
}
