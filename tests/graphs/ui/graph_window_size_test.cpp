// The six graph windows on a laptop screen: each shrinks to 1340 x 680 with
// every control whole, inside the window and clear of its neighbours; each
// opens no larger than the screen's free area; and the series boxes show
// their indicator, ticked or not, on every channel colour.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <filesystem>
#include <functional>
#include <memory>

#include "graphs/graph_window_fixture.h"
#include "graphs/multichannel/ui/GraphCC.h"
#include "graphs/multichannel/ui/GraphCC_QF.h"
#include "graphs/multichannel/ui/GraphML.h"
#include "graphs/multichannel/ui/GraphRE.h"
#include "graphs/windmill/ui/GraphDEMO.h"
#include "graphs/windmill/ui/GraphGV.h"
#include "support/message_recorder.h"

namespace {

// The offscreen platform the tests run on takes its screen from a file named
// before the application starts: a 1366 x 768 laptop screen less a 40-pixel
// panel.
const bool laptopScreen = [] {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" GV_SOURCE_DIR "/tests/graphs/ui/laptop_screen.json");
    return true;
}();

// A site of system type 8 whose program folder lies as deep as a user's data
// folder, with long channel names and dark and light channel colours.
struct Site : gvtest::GraphSite {
    std::string deepFolder;
    Site()
    {
        deepFolder = dir.file("home/someone/.local/share/Gyrovane/Gyrovane");
        std::filesystem::create_directories(deepFolder + "/logs");
        std::filesystem::create_directories(deepFolder + "/Excel");
        g.SystemType = 8;
        const qint32 colours[] = {0x000000, 0xFF0000, 0x0000FF, 0xFF00FF, 0x008000,
                                  0xFFFFFF, 0x00FFFF, 0x808080, 0x800000};
        for (int ch = 1; ch <= 24; ++ch) {
            const auto c = static_cast<size_t>(ch);
            g.ChannelName[c] = "CHANNEL " + std::to_string(ch) + " POWER";
            g.LineColour[c] = colours[c % 9];
            g.enableGRAPHING[c] = ch % 2;
        }
        g.ChannelName[1] = "NORTH WINDMILL ON THE HILL BY THE SHED";
        g.ChannelName[17] = "WATER HEATER IN THE LAUNDRY AND THE BATHROOM";
        g.ChannelName[19] = "GRID IMPORT METER AT THE STREET";
    }
    QString folder() const { return QString::fromStdString(deepFolder); }
};

using Maker = std::function<std::unique_ptr<GraphWindowBase>(Site&, QWidget* owner)>;
template <class W> Maker make()
{
    return [](Site& s, QWidget* owner) -> std::unique_ptr<GraphWindowBase> {
        return std::make_unique<W>(s.g, s.folder(), owner);
    };
}
const std::vector<std::pair<const char*, Maker>>& sixWindows()
{
    static const std::vector<std::pair<const char*, Maker>> all = {
        {"GraphGV", make<GraphGV>()}, {"GraphDEMO", make<GraphDEMO>()}, {"GraphRE", make<GraphRE>()},
        {"GraphML", make<GraphML>()}, {"GraphCC", make<GraphCC>()},     {"GraphCC_QF", make<GraphCC_QF>()}};
    return all;
}

void shoot(QWidget& w, const QString& name)
{
    QApplication::processEvents();
    QDir().mkpath(GV_BINARY_DIR "/screens");
    w.grab().save(QString(GV_BINARY_DIR "/screens/") + name);
}

// The smallest size a layout may give a control: its own minimum where set,
// else its smallest size hint, nothing in a direction it ignores.
QSize leastSize(const QWidget* c)
{
    const auto least = [](int own, QSizePolicy::Policy policy, int hint) {
        return own > 0 ? own : policy == QSizePolicy::Ignored ? 0 : hint;
    };
    const QSizePolicy p = c->sizePolicy();
    return {least(c->minimumWidth(), p.horizontalPolicy(), c->minimumSizeHint().width()),
            least(c->minimumHeight(), p.verticalPolicy(), c->minimumSizeHint().height())};
}

// Every visible control under parent (the contents of group boxes too) lies
// inside its parent, at no less than its smallest size, and clear of each of
// its visible siblings.
void expectWholeAndApart(const QWidget* parent, const QString& where)
{
    std::vector<const QWidget*> shown;
    for (const QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!c->isWindow() && c->isVisible())
            shown.push_back(c);
    for (size_t i = 0; i < shown.size(); ++i) {
        const QWidget* c = shown[i];
        const QString name = where + "/" + c->objectName() + " (" + c->metaObject()->className() + ")";
        EXPECT_TRUE(parent->rect().contains(c->geometry())) << name.toStdString();
        EXPECT_GE(c->width(), leastSize(c).width()) << name.toStdString();
        EXPECT_GE(c->height(), leastSize(c).height()) << name.toStdString();
        for (size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(c->geometry().intersects(shown[j]->geometry()))
                << name.toStdString() << " overlaps " << shown[j]->objectName().toStdString();
        if (qobject_cast<const QGroupBox*>(c))
            expectWholeAndApart(c, name);
    }
}

// Share of the indicator's pixels that are near white, and whether its
// centre is dark.
struct IndicatorLook {
    double light = 0;
    bool darkCentre = false;
};
IndicatorLook indicatorOf(QCheckBox* box)
{
    QStyleOptionButton opt;
    opt.initFrom(box);
    const QRect r = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box);
    const QImage img = box->grab().toImage();
    int light = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (QColor(img.pixel(x, y)).lightness() >= 230)
                ++light;
    const QColor centre(img.pixel(r.center()));
    return {static_cast<double>(light) / (r.width() * r.height()), centre.lightness() < 80};
}

} // namespace

TEST(GraphWindowSize, EachWindowOpensWithinTheScreenAndShrinksWithEveryControlWhole)
{
    ASSERT_TRUE(laptopScreen) << "the test needs the offscreen platform";
    gvtest::Messages msgs;
    Site site;
    QWidget owner; // the main window, as the menus open them
    owner.show();
    for (const auto& [name, makeWindow] : sixWindows()) {
        SCOPED_TRACE(name);
        auto w = makeWindow(site, &owner);
        w->show();
        QApplication::processEvents();
        const QRect free = w->screen()->availableGeometry();
        EXPECT_EQ(free.size(), QSize(1366, 728));
        EXPECT_TRUE(free.contains(w->frameGeometry()))
            << w->frameGeometry().width() << "x" << w->frameGeometry().height();
        EXPECT_GE(w->width(), 1180) << "the normal width fits this screen";
        shoot(*w, QString(name) + "_normal.png");

        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(least.width(), 1340);
        EXPECT_LE(least.height(), 680);
        w->resize(least);
        shoot(*w, QString(name) + "_smallest.png");
        EXPECT_EQ(w->size(), least);
        expectWholeAndApart(w.get(), name);
    }
}

TEST(GraphWindowSize, SeriesBoxesShowTheirIndicatorOnEveryColour)
{
    gvtest::Messages msgs;
    Site site;
    GraphRE re(site.g, site.folder());
    GraphGV gv(site.g, site.folder());
    for (GraphWindowBase* w : {static_cast<GraphWindowBase*>(&re), static_cast<GraphWindowBase*>(&gv)}) {
        w->show();
        for (QCheckBox* box : w->seriesBoxes)
            box->setChecked(false);
        shoot(*w, w->objectName() + "_unticked.png");
        for (QCheckBox* box : w->seriesBoxes) {
            const IndicatorLook off = indicatorOf(box);
            EXPECT_GT(off.light, 0.5) << box->objectName().toStdString() << " unticked";
            EXPECT_FALSE(off.darkCentre) << box->objectName().toStdString() << " unticked";
        }
        for (size_t s = 0; s < w->seriesBoxes.size(); s += 2)
            w->seriesBoxes[s]->setChecked(true);
        shoot(*w, w->objectName() + "_ticked.png");
        for (size_t s = 0; s < w->seriesBoxes.size(); s += 2) {
            const IndicatorLook on = indicatorOf(w->seriesBoxes[s]);
            EXPECT_TRUE(on.darkCentre) << w->seriesBoxes[s]->objectName().toStdString() << " ticked";
            EXPECT_GT(on.light, 0.2) << w->seriesBoxes[s]->objectName().toStdString() << " ticked";
        }
    }
}
