#include <gtest/gtest.h>

#include "platform/PictureBox.h"

using gv::PictureBox;

TEST(PictureBox, UserScaleMapsCornersAndBack)
{
    PictureBox box;
    box.resize(200, 100);
    box.setScale(0, 0, 1000, 50);
    EXPECT_EQ(box.toPixel(1000, 50), QPointF(200, 100));
    EXPECT_EQ(box.toPixel(500, 25), QPointF(100, 50));
    const QPointF u = box.toUser(QPointF(50, 20));
    EXPECT_DOUBLE_EQ(u.x(), 250);
    EXPECT_DOUBLE_EQ(u.y(), 10);
}

TEST(PictureBox, DegenerateScaleNeverDividesByZero)
{
    PictureBox box;
    box.resize(100, 100);
    box.setScale(0, 0, 0, std::nan(""));
    EXPECT_EQ(box.scaleWidth(), 1);
    EXPECT_EQ(box.scaleHeight(), 1);
    box.line(0, 0, 1, 1, Qt::red);
    box.line(0, std::nan(""), 1, 1, Qt::red);
    EXPECT_EQ(box.shapeCount(), 1) << "non-finite points are not drawn";
}

TEST(PictureBox, DrawingSurvivesResizeAndBackColourClears)
{
    PictureBox box;
    box.resize(100, 100);
    box.setScaleSize(10, 10);
    box.setBackColour(Qt::black);
    box.line(0, 5, 10, 5, Qt::red, 3);
    box.resize(300, 200);
    const QImage img = box.render();
    ASSERT_EQ(img.size(), QSize(300, 200));
    EXPECT_EQ(QColor(img.pixel(150, 100)), QColor(Qt::red)) << "line redrawn at the new size";
    EXPECT_EQ(QColor(img.pixel(150, 10)), QColor(Qt::black));
    box.setBackColour(Qt::white);
    EXPECT_EQ(box.shapeCount(), 0);
}

TEST(PictureBox, WindowsColourValues)
{
    EXPECT_EQ(gv::colourFromBGR(255), QColor(255, 0, 0));
    EXPECT_EQ(gv::colourFromBGR(16711680), QColor(0, 0, 255));
    EXPECT_EQ(gv::colourFromBGR(65280), QColor(0, 255, 0));
}

#include <QPrinterInfo>
#include <QTemporaryDir>

#include "platform/Printing.h"

TEST(Printing, WithoutPrinterThePageGoesToTheFallbackPdfAndSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    QTemporaryDir dir;
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString pdf = dir.filePath("page.pdf");
    const gv::PrintOutcome out = gv::printImage(image, pdf);
    EXPECT_TRUE(out.ok);
    EXPECT_TRUE(out.savedAsPdf);
    EXPECT_EQ(out.output, pdf);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);

    const gv::PrintOutcome failed = gv::printImage(image, dir.filePath("no/such/folder/page.pdf"));
    EXPECT_FALSE(failed.ok) << "a PDF that could not be written is not reported as printed";
}
