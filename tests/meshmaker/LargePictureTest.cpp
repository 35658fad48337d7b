// A large fish goes through the whole editor: opened, traced, zoomed to x8,
// drawn and saved, without the views ever taking zoom-sized memory.

#include "PgxReader.h"
#include "TForm1.h"
#include "TestSupport.h"
#include "Views.h"

#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <fstream>

namespace {

long ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4096 / (1024 * 1024);
}

} // namespace

TEST(LargePicture, A6000By4000FishOpensTracesZoomsAndSaves) {
    QTemporaryDir dir;
    QImage picture(6000, 4000, QImage::Format_RGB888);
    picture.fill(QColor(48, 112, 192));
    {
        QPainter p(&picture);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 128, 32));
        p.drawEllipse(QRect(0, 1000, 4800, 2000));
        p.drawPolygon(QPolygon({QPoint(4400, 2000), QPoint(5990, 400), QPoint(5990, 3600)}));
    }
    const QString path = dir.filePath("large.bmp");
    ASSERT_TRUE(picture.save(path, "BMP"));
    picture = QImage();

    test::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ASSERT_TRUE(form.OpenPicture(path).isEmpty());
    form.SpeedButton4Click();
    form.SpeedButton6Click();
    form.Image1MouseDown(MouseButton::Left, {.Left = true}, 1500, 500);
    form.Image1MouseUp(MouseButton::Left, {}, 3000, 1500);
    form.SpeedButton10Click();
    const QRect view(20000, 12000, 1200, 800);
    (void)RenderSideView(form, view);
    const long atX1 = ResidentMegabytes();

    form.x81Click();
    EXPECT_EQ(form.Image1.Geometry.size(), QSize(5999 * 8, 3999 * 8));
    for (int i = 0; i < 3; ++i) {
        const QImage side = RenderSideView(form, view.translated(i * 1200, 0));
        EXPECT_EQ(side.size(), view.size());
        (void)RenderFrontView(form, QRect(0, 0, 1200, 800));
        (void)RenderTopView(form, QRect(0, 0, 1200, 800));
    }
    // A zoomed side view alone would be 6 GB; only the asked rectangles are made.
    EXPECT_LT(ResidentMegabytes() - atX1, 64);

    ASSERT_TRUE(form.SavePgx(dir.filePath("large.pgx")));
    const auto pgx = ReadPgxFile(dir.filePath("large.pgx"));
    ASSERT_TRUE(pgx);
    EXPECT_EQ(pgx->width, 6000);
    EXPECT_GT(pgx->dorsalLast, 0);
}
