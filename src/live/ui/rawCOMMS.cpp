#include "live/ui/rawCOMMS.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "live/RawRows.h"
#include "platform/Twips.h"

using gv::twips;

namespace {
// Rows keep the CR LF that ends each full piece; it is not drawn.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        QString s = QStyledItemDelegate::displayText(value, locale);
        s.remove(QChar('\r'));
        s.remove(QChar('\n'));
        s.remove(QChar::LineSeparator);
        return s;
    }
};
} // namespace

rawCOMMS::rawCOMMS(gv::Global_Declarations& g, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("RAW data string");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* menu = new QMenuBar(this);
    exit = menu->addAction("EXIT");
    pause = menu->addAction("Pause");
    layout->setMenuBar(menu);

    ListView1 = new QTreeWidget(this);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setItemDelegate(new RowDelegate(ListView1));
    QFont mono("Courier New");
    mono.setStyleHint(QFont::Monospace);
    ListView1->setFont(mono);
    layout->addWidget(ListView1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(exit, &QAction::triggered, this, &rawCOMMS::exit_Click);
    connect(pause, &QAction::triggered, this, &rawCOMMS::pause_Click);
    connect(Timer1, &QTimer::timeout, this, &rawCOMMS::Timer1_Timer);

    resize(twips(8000) + 40, 420);
    Form_Load();
}

void rawCOMMS::exit_Click() { close(); }

void rawCOMMS::Form_Load()
{
    Timer1->start();
    ListView1->clear();
    // A one-twip first column hides the item text; the rows show in "RAW DATA".
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({QString(), "RAW DATA"});
    ListView1->header()->setMinimumSectionSize(0);
    ListView1->setColumnWidth(0, twips(1));
    ListView1->setColumnWidth(1, twips(8000));
}

void rawCOMMS::pause_Click()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        pause->setText("Resume");
    } else {
        Timer1->start();
        pause->setText("Pause");
    }
}

void rawCOMMS::Timer1_Timer()
{
    ListView1->clear();
    // The message is kept byte for byte: one byte, one character.
    for (const std::string& row : gv::rawMessageRows(g_.LastMessage)) {
        auto* item = new QTreeWidgetItem(ListView1);
        item->setText(1, QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size())));
    }
}

QString rawCOMMS::rowText(int i) const
{
    const QTreeWidgetItem* item = ListView1->topLevelItem(i);
    return item ? item->text(1) : QString();
}

int rawCOMMS::rowCountShown() const { return ListView1->topLevelItemCount(); }
