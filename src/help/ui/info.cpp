#include "help/ui/info.h"

#include <QAction>
#include <QHeaderView>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "help/CodeMaker.h"
#include "platform/Captions.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"
#include "platform/Twips.h"

namespace {

// Rows arrive as UTF-8, already converted from the files' code page.
QString lineText(const std::string& text) { return QString::fromStdString(text); }

QString pathText(const std::string& path) { return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())); }

} // namespace

info::info(QWidget* parent)
    : info(gv::programFolder(), parent)
{
}

info::info(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , folder_(programFolder)
{
    build();
    Form_Load();
}

void info::build()
{
    setObjectName("info");
    setWindowTitle("Help File");

    menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    hardware = menuBar->addAction("Hardware SETUP");
    graphing = menuBar->addAction("graphing SETUP");
    credits = menuBar->addAction("Credits");
    myinfo = menuBar->addAction("ABOUT");
    codeMaker = menuBar->addAction(gv::literalCaption("Make help & credit files"));
    connect(hardware, &QAction::triggered, this, &info::hardware_Click);
    connect(graphing, &QAction::triggered, this, &info::graphing_Click);
    connect(credits, &QAction::triggered, this, &info::credits_Click);
    connect(myinfo, &QAction::triggered, this, &info::myinfo_Click);
    connect(codeMaker, &QAction::triggered, this, &info::codeMaker_Click);

    // A report-style list: an all but invisible first column and the text
    // column under the view's heading.
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName("ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setMinimumSectionSize(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(ListView1);

    resize(gv::twips(8000) + 40, gv::twips(6000));
}

void info::showView(gv::HelpViewId id)
{
    const gv::HelpView& view = gv::helpView(id);

    ListView1->clear();
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({QString(), QString::fromLatin1(view.heading)});
    ListView1->setColumnWidth(0, gv::twips(1));
    ListView1->setColumnWidth(1, gv::twips(8000));

    const gv::HelpFileRows file = gv::readHelpView(folder_.toStdString(), id);
    switch (file.status) {
    case gv::HelpFileRows::Status::Missing:
        gv::showMessage(this, QString::fromLatin1(view.missingMessage));
        return;
    case gv::HelpFileRows::Status::Unreadable:
        gv::showMessage(this, "The file " + pathText(file.path) + " could not be read");
        return;
    case gv::HelpFileRows::Status::Shown:
        break;
    }

    lineStore_ = file.store;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(file.rows.size()));
    for (const std::string& row : file.rows) {
        auto* item = new QTreeWidgetItem();
        item->setText(1, lineText(row));
        items.append(item);
    }
    ListView1->addTopLevelItems(items);
}

void info::Form_Load() { showView(gv::HelpViewId::General); }
void info::hardware_Click() { showView(gv::HelpViewId::Hardware); }
void info::graphing_Click() { showView(gv::HelpViewId::Graphing); }
void info::credits_Click() { showView(gv::HelpViewId::Credits); }
void info::myinfo_Click() { showView(gv::HelpViewId::MyInfo); }

void info::codeMaker_Click()
{
    const gv::CodeMakerResult result = gv::runCodeMaker(folder_.toStdString());
    switch (result.status) {
    case gv::CodeMakerResult::Status::NoInput:
    case gv::CodeMakerResult::Status::Written:
        break;
    case gv::CodeMakerResult::Status::ReadFailed:
        gv::showMessage(this, "The file " + pathText(result.path) + " could not be read");
        break;
    case gv::CodeMakerResult::Status::WriteFailed:
        gv::showMessage(this, "The file " + pathText(result.path) + " could not be written");
        break;
    }
}
