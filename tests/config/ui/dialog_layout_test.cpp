// Every configuration window is laid out without overlapping controls, for
// every system type.  With GV_GRAB_DIR set, each window is also saved as a
// PNG there for a look by eye.
#include <gtest/gtest.h>

#include "config/FirstRun.h"
#include "config/ui/FindComms.h"
#include "config/ui/ProgramSetup.h"
#include "config/ui/frmSplash.h"
#include "config/ui/CALIBRATION.h"
#include "config/ui/ChannelFlagEditors.h"
#include "config/ui/Pickers.h"
#include "config/ui/setupHARDWAREchannels.h"
#include "shared/ConfigFiles.h"
#include "platform/MessageBoxes.h"
#include "shared/Global_Declarations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Visible controls (labels, buttons, boxes) whose rectangles, in window
// coordinates, intersect.
QStringList overlaps(QWidget* window)
{
    QList<QWidget*> leaves;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
            // parts of a composite control (the line edit of a combo box) do not count
            if (qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            leaves.push_back(w);
        }
    }
    QStringList out;
    for (int i = 0; i < leaves.size(); ++i) {
        const QRect a(leaves[i]->mapTo(window, QPoint(0, 0)), leaves[i]->size());
        for (int j = i + 1; j < leaves.size(); ++j) {
            const QRect b(leaves[j]->mapTo(window, QPoint(0, 0)), leaves[j]->size());
            if (a.intersects(b))
                out << QStringLiteral("%1 / %2").arg(leaves[i]->objectName(), leaves[j]->objectName());
        }
    }
    return out;
}

void check(QWidget* w, const QString& name)
{
    w->show();
    QTest::qWait(1);
    const QStringList o = overlaps(w);
    EXPECT_TRUE(o.isEmpty()) << name.toStdString() << ": " << o.join(", ").toStdString();
    const QByteArray dir = qgetenv("GV_GRAB_DIR");
    if (!dir.isEmpty())
        w->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    w->hide();
}

struct Quiet {
    Quiet() { gv::setMessageHook([](const gv::ShownMessage&) {}); }
    ~Quiet() { gv::setMessageHook({}); }
};

} // namespace

TEST(DialogLayout, Splash)
{
    QTemporaryDir dir;
    gv::Global_Declarations g;
    Quiet q;
    frmSplash s(g, dir.path());
    check(&s, "frmSplash");
}

TEST(DialogLayout, SettingsAndPortFinder)
{
    QTemporaryDir dir;
    gv::createMissingFiles(dir.path().toStdString());
    gv::Global_Declarations g;
    Quiet q;
    ProgramSetup p(g, dir.path());
    check(&p, "ProgramSetup");
    FindComms f(g, dir.path());
    check(&f, "FindComms");
}

TEST(DialogLayout, Pickers)
{
    gv::Global_Declarations g;
    g.InputText = "WINDMILL AMPS";
    ColourCHART c(g);
    check(&c, "ColourCHART");
    TextInput t(g);
    check(&t, "TextInput");
    XMLcodeINPUT x(g);
    check(&x, "XMLcodeINPUT");
}

TEST(DialogLayout, ChannelEditorsAndCalibrationForEverySystemType)
{
    QTemporaryDir dir;
    gv::createMissingFiles(dir.path().toStdString());
    Quiet q;
    for (int type = 0; type <= 8; ++type) {
        gv::Global_Declarations g;
        gv::loadConfiguration(g, dir.path().toStdString());
        g.SystemType = static_cast<std::int16_t>(type);
        const QString t = QString::number(type);
        setupHARDWAREchannels h(g, dir.path());
        check(&h, "setupHARDWAREchannels_" + t);
        setupDISPLAYchannels d(g, dir.path());
        check(&d, "setupDISPLAYchannels_" + t);
        setupGRAPHINGchannels gr(g, dir.path());
        check(&gr, "setupGRAPHINGchannels_" + t);
        setupLOGGINGchannels l(g, dir.path());
        check(&l, "setupLOGGINGchannels_" + t);

        QFile hw(dir.filePath("hardware.cfg"));
        ASSERT_TRUE(hw.open(QIODevice::WriteOnly | QIODevice::Truncate));
        hw.write(QByteArray("<SystemType>") + QByteArray::number(type) + "</SystemType>\r\n");
        hw.close();
        CALIBRATION c(g, dir.path());
        check(&c, "CALIBRATION_" + t);
    }
}
