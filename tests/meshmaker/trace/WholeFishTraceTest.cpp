// The whole fish traced at once: on the painted corpus (how much of each
// fish the model covers, seen from the side, and whether each painted fin
// became a fin), and on small pictures painted here for the cases that the
// corpus does not show (no fish, a fish that cannot be separated, margins,
// large pictures, what the trace keeps of the fish it starts from).

#include "WholeFishTrace.h"
#include "FrontSection.h"
#include "Numbers.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "Picture.h"
#include "StripBuilders.h"
#include "Texts.h"
#include "TraceMeasure.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

EditorPicture Opened(const QImage& image) {
    EditorPicture p;
    p.PictureBitmap = image.convertToFormat(QImage::Format_RGB32);
    p.PicMaxX = image.width() - 1;
    p.PicMaxY = image.height() - 1;
    return p;
}

// A fish painted in code: an ellipse of a body on water, the fins that
// `behind` paints in the body's colour behind it, an eye where `eye` says.
QImage PaintedFish(int width, int height, const QRectF& body,
                   const std::function<void(QPainter&)>& behind = {}, QPointF eye = {},
                   double eyeRadius = 0) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 110, 190));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 130, 40));
    if (behind) behind(p);
    p.setBrush(QColor(240, 130, 40));
    p.drawEllipse(body);
    p.setBrush(QColor(20, 20, 30));
    if (eyeRadius > 0) p.drawEllipse(eye, eyeRadius, eyeRadius);
    return image;
}

template <typename Array> bool Finite(const Array& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Everything the editor relies on in a fish it is given: the lists within
// their capacities with their end markers, every value finite, the
// settings within the ranges of their controls, the ranges inside the
// picture, and a file the reader takes.
void ExpectEditorCanTakeIt(const Fish& s, const EditorPicture& p, const char* what,
                           bool fishInEveryColumn = true) {
    SCOPED_TRACE(what);
    auto list = [&](const auto& xs, int last, int capacity) {
        EXPECT_TRUE(last >= -1 && last <= capacity - 2) << last;
        if (last != 0) {
            EXPECT_TRUE(last == -1 || last % 2 == 1) << last;
            EXPECT_EQ(xs[size_t(last) + 1], -1.0);
        }
    };
    list(s.BodyX, s.BodyLast, BodyCapacity);
    list(s.TailX, s.TailLast, StripCapacity);
    list(s.DorsalX, s.DorsalLast, StripCapacity);
    list(s.VentralX, s.VentralLast, StripCapacity);
    list(s.AnalX, s.AnalLast, StripCapacity);
    EXPECT_GE(s.BodyLast, 1);
    for (const auto* a : {&s.TailX, &s.TailY, &s.DorsalX, &s.DorsalY, &s.VentralX, &s.VentralY,
                          &s.VentralZ, &s.AnalX, &s.AnalY})
        EXPECT_TRUE(Finite(*a));
    EXPECT_TRUE(Finite(s.BodyX) && Finite(s.BodyY) && Finite(s.SectionY) && Finite(s.SectionZ) &&
                Finite(s.TopX) && Finite(s.TopW));
    for (double v : {s.EyeX, s.EyeY, s.EyeZ, s.EyeRadius, s.EyeBulge, s.SectionMaxZ, s.TopPeakX})
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(s.TailPosition >= 1 && s.TailPosition <= std::max(1, p.PicMaxX - 1));
    EXPECT_TRUE(s.Thickness >= 1 && s.Thickness <= std::max(1, 8 * p.PicMaxX / 10));
    EXPECT_TRUE(s.PeakPosition >= s.PeakMin && s.PeakPosition <= s.PeakMax);
    EXPECT_TRUE(s.Divisions >= 1 && s.Divisions <= MaxDivisions);
    for (int m = 1; m <= 5; ++m)
        EXPECT_TRUE(s.Steps[size_t(m)] >= 1 && s.Steps[size_t(m)] <= std::max(1, p.PicMaxX / 3))
            << "step " << m << " " << s.Steps[size_t(m)];
    for (const RangeRect* r : {&s.DorsalRange, &s.VentralRange, &s.AnalRange}) {
        EXPECT_TRUE(r->x0 <= r->x1 && r->y0 <= r->y1);
        EXPECT_TRUE(r->x0 >= 0 && r->x1 <= p.PicMaxX && r->y0 >= 0 && r->y1 <= p.PicMaxY);
    }
    // The body's columns run left to right, and none is pure background
    // (a column without fish would span the whole picture).
    for (int k = 2; k <= s.BodyLast; k += 2) EXPECT_LT(s.BodyX[size_t(k) - 2], s.BodyX[size_t(k)]);
    for (int k = 0; k <= s.BodyLast && fishInEveryColumn; k += 2)
        EXPECT_TRUE(IsFishPixel(p.PictureBitmap, int(s.BodyX[size_t(k)]), int(s.BodyY[size_t(k)])))
            << "column " << s.BodyX[size_t(k)];
    PgxError error;
    const QByteArray pgx = BuildPgxBytes(s, p);
    EXPECT_TRUE(ReadPgx(pgx, &error).has_value()) << error.text().toStdString();
    EXPECT_EQ(pgx.size(), PgxFileSize(s));
}

const QString Corpus = QStringLiteral(TRACE_CORPUS_DIR);

} // namespace

// What each picture of the corpus reaches (the README lists the figures and
// the command that prints them); the floors lie a little below, so that a
// change that makes a picture worse is seen. The eel's fins run along its
// whole back and belly as a low fringe that the outline alone does not tell
// from the body: they are not expected to become fins.
TEST(WholeFishTrace, CoversEveryPaintedFishOfTheCorpus) {
    const struct Floor {
        double iou, masked;
        int finsPresent;
    } floors[] = {{0.92, 0.98, 4}, {0.92, 0.98, 4}, {0.98, 0.98, 0}, {0.99, 0.99, 3},
                  {0.96, 0.99, 4}, {0.95, 0.98, 6}, {0.88, 0.97, 4}, {0.92, 0.98, 4},
                  {0.92, 0.97, 3}, {0.92, 0.98, 4}, {0.87, 0.98, 4}, {0.92, 0.97, 4},
                  {0.92, 0.92, 4}, {0.89, 0.98, 4}, {0.98, 0.98, 0}, {0.98, 0.98, 2}};
    const std::vector<test::CorpusPicture> corpus = test::ReadCorpus(Corpus);
    ASSERT_EQ(corpus.size(), std::size(floors)) << "the corpus in " << Corpus.toStdString();
    QTemporaryDir work;
    double sum = 0;
    for (size_t k = 0; k < corpus.size(); ++k) {
        SCOPED_TRACE(corpus[k].name.toStdString());
        const test::Measurement m = test::MeasureTrace(corpus[k], Corpus, work.path());
        ASSERT_TRUE(m.loaded && m.traced && m.separated);
        EXPECT_GE(m.iou, floors[k].iou);
        EXPECT_GE(m.maskedIou, floors[k].masked);
        EXPECT_GE(m.finsPresent(), floors[k].finsPresent);
        ExpectEditorCanTakeIt(m.fish, m.picture, "the traced fish");
        EXPECT_TRUE(m.fish.EyeSolid) << "every fish of the corpus has a dark eye";
        sum += m.iou;
    }
    EXPECT_GE(sum / double(corpus.size()), 0.93) << "the mean side IoU";
}

TEST(WholeFishTrace, BodyDepthIsATenthToAHalfOfItsLengthWhereTheFishIsSo) {
    // The body without its fins: a carp-like fish, a shark, a sprite, a tuna.
    const std::map<QString, bool> fishLike = {
        {"fish", true}, {"shark", true}, {"sprite", true}, {"tuna", true}, {"trout_right", true}};
    QTemporaryDir work;
    for (const auto& e : test::ReadCorpus(Corpus)) {
        if (!fishLike.count(e.name)) continue;
        const test::Measurement m = test::MeasureTrace(e, Corpus, work.path());
        EXPECT_TRUE(m.depthShare >= 0.1 && m.depthShare <= 0.5)
            << e.name.toStdString() << " " << m.depthShare;
        EXPECT_TRUE(m.widthShare >= 0.1 && m.widthShare <= 0.5)
            << e.name.toStdString() << " " << m.widthShare;
    }
}

TEST(WholeFishTrace, SetsTheStateTheToolsWouldSet) {
    const EditorPicture p = Opened(PaintedFish(
        400, 200, QRectF(20, 50, 280, 100),
        [](QPainter& g) {
            g.drawPolygon(QPolygonF({QPointF(280, 100), QPointF(390, 30), QPointF(390, 170)}));
            g.drawPolygon(QPolygonF({QPointF(120, 60), QPointF(150, 10), QPointF(200, 60)}));
        },
        QPointF(60, 90), 6));
    Fish start;
    start.PectoralDone = true;
    start.PectoralX = {90, 120, 100};
    start.PectoralY = {110, 112, 130};
    start.WhiskerLast = 3;
    start.WhiskerX = {30, 30, 40, 40, -1};
    const WholeFishTrace t = TraceWholeFish(p, start);
    ASSERT_TRUE(t.traced && t.separated);
    const Fish& s = t.fish;
    ExpectEditorCanTakeIt(s, p, "a fish with a tail and a dorsal fin");
    EXPECT_TRUE(s.BodyDone && s.TailDone && s.DorsalDone && s.FrontOn && s.TopViewOn);
    EXPECT_FALSE(s.VentralDone || s.AnalDone);
    EXPECT_EQ(s.VentralLast, 0);
    EXPECT_EQ(s.AnalLast, 0);
    // The body from the snout to the tail root, the tail on to the fish's end.
    EXPECT_EQ(s.BodyX[0], 20);
    EXPECT_NEAR(s.TailPosition, 290, 15);
    EXPECT_EQ(s.BodyX[size_t(s.BodyLast)], s.TailPosition);
    EXPECT_NEAR(s.TailX[size_t(s.TailLast)], 389.9, 1.0);
    // The dorsal fin's range is the box round it, its strip each column's edge.
    EXPECT_NEAR(s.DorsalRange.y0, 10, 2);
    EXPECT_NEAR(s.DorsalRange.x0, 125, 10);
    EXPECT_NEAR(s.DorsalRange.x1, 195, 10);
    double highest = 1e9;
    for (int k = 0; k <= s.DorsalLast; k += 2) highest = std::min(highest, s.DorsalY[size_t(k)]);
    EXPECT_LE(highest, 20);
    // The section and the top view as the front tool builds them, with the
    // stated thickness: half-thickness a quarter of the tallest column.
    EXPECT_EQ(s.FrontColumn, ChooseFrontColumn(s));
    const double tallest = s.BodyY[size_t(s.FrontColumn) + 1] - s.BodyY[size_t(s.FrontColumn)];
    EXPECT_NEAR(s.Thickness * s.Thickness / 100.0, tallest / 4, 2.0);
    EXPECT_EQ(s.Divisions, std::clamp(int(tallest) / 8, 4, 10));
    // The eye: the dark disc.
    EXPECT_TRUE(s.EyeSolid && s.EyeConfirmed);
    EXPECT_NEAR(s.EyeX, 60, 1.5);
    EXPECT_NEAR(s.EyeY, 90, 1.5);
    EXPECT_NEAR(s.EyeRadius, 6, 1.5);
    // The pectoral fin and the whisker are the tools' business: kept.
    EXPECT_TRUE(s.PectoralDone);
    EXPECT_EQ(s.PectoralX, start.PectoralX);
    EXPECT_EQ(s.WhiskerLast, 3);
}

TEST(WholeFishTrace, HandlesPicturesWithoutASeparableFish) {
    QImage noise(120, 80, QImage::Format_RGB32);
    QRandomGenerator random(26);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xFF000000u);
    QImage stick(200, 100, QImage::Format_RGB32);
    stick.fill(Qt::white);
    QPainter(&stick).fillRect(QRect(10, 50, 180, 1), Qt::black);

    const struct Case {
        const char* what;
        QImage image;
        bool traced, separated;
        QString message;
    } cases[] = {
        {"water only", PaintedFish(60, 40, QRectF()), false, false, Texts::NoFishInPicture()},
        {"no background round it", noise, true, false,
         Texts::FishNotSeparated().arg(Texts::NoBackgroundRoundFish())},
        {"no part thicker than the rest", stick, true, false,
         Texts::FishNotSeparated().arg(Texts::NoTrunk())},
        {"a fish with no fins", PaintedFish(300, 120, QRectF(20, 20, 260, 80)), true, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EditorPicture p = Opened(c.image);
        Fish start;
        start.BodyLast = 3;
        start.BodyX = {0, 0, 5, 5, -1};
        const WholeFishTrace t = TraceWholeFish(p, start);
        EXPECT_EQ(t.traced, c.traced);
        EXPECT_EQ(t.separated, c.separated);
        if (!c.message.isEmpty()) {
            EXPECT_TRUE(t.messages.contains(c.message)) << t.messages.join('\n').toStdString();
        }
        if (!t.traced) {
            EXPECT_TRUE(t.fish == start) << "nothing changed";
            continue;
        }
        ExpectEditorCanTakeIt(t.fish, p, c.what);
        // The body alone: no fin, never a wrong one.
        EXPECT_FALSE(t.fish.DorsalDone || t.fish.VentralDone || t.fish.AnalDone);
        if (!c.separated) {
            EXPECT_FALSE(t.fish.TailDone);
        }
    }
}

TEST(WholeFishTrace, BodyStartsAtTheSnoutAndTailEndsAtTheFishsEnd) {
    // A small fish in the middle of a large sheet: no column of the model is
    // water, and the body's points are those of the picture.
    const QImage sheet = PaintedFish(900, 600, QRectF(300, 260, 200, 70), [](QPainter& g) {
        g.drawPolygon(QPolygonF({QPointF(480, 295), QPointF(560, 250), QPointF(560, 340)}));
    });
    const EditorPicture p = Opened(sheet);
    const WholeFishTrace t = TraceWholeFish(p, Fish());
    ASSERT_TRUE(t.traced);
    const Fish& s = t.fish;
    ExpectEditorCanTakeIt(s, p, "a sprite with margins");
    EXPECT_EQ(s.BodyX[0], 300);
    ASSERT_TRUE(s.TailDone);
    EXPECT_NEAR(s.TailX[size_t(s.TailLast)], 560 - 0.1, 1.0);
    for (int k = 0; k <= s.TailLast; k += 2)
        EXPECT_TRUE(
            IsFishPixel(p.PictureBitmap, Nearest(s.TailX[size_t(k)]), Nearest(s.TailY[size_t(k)])))
            << "tail column " << s.TailX[size_t(k)];
}

TEST(WholeFishTrace, LargePicturesAreReadPixelByPixelWhereTheBodyIs) {
    // 3000 pixels wide: the fish is looked at in cells, but each body point
    // is the picture's own first and last fish pixel of its column.
    const QImage big = PaintedFish(3000, 1200, QRectF(100, 300, 2100, 600), [](QPainter& g) {
        g.drawPolygon(QPolygonF({QPointF(2100, 600), QPointF(2900, 200), QPointF(2900, 1000)}));
    });
    const EditorPicture p = Opened(big);
    const WholeFishTrace t = TraceWholeFish(p, Fish());
    ASSERT_TRUE(t.traced);
    const Fish& s = t.fish;
    ExpectEditorCanTakeIt(s, p, "a large fish");
    for (int k = 0; k <= s.BodyLast; k += 2) {
        const int x = int(s.BodyX[size_t(k)]);
        int top = 0;
        while (!IsFishPixel(p.PictureBitmap, x, top)) ++top;
        EXPECT_EQ(s.BodyY[size_t(k)], top) << "column " << x;
    }
}

TEST(WholeFishTrace, TellsAFishThatFacesRight) {
    QTemporaryDir work;
    for (const auto& e : test::ReadCorpus(Corpus)) {
        if (e.name != QStringLiteral("trout_right")) continue;
        test::CorpusPicture unflipped = e;
        unflipped.mirror = false;
        const test::Measurement m = test::MeasureTrace(unflipped, Corpus, work.path());
        EXPECT_TRUE(m.messages.contains(Texts::FishFacesRight()))
            << m.messages.join('\n').toStdString();
        const test::Measurement flipped = test::MeasureTrace(e, Corpus, work.path());
        EXPECT_FALSE(flipped.messages.contains(Texts::FishFacesRight()));
    }
}

TEST(WholeFishTrace, OddPicturesKeepTheEditorsInvariants) {
    // Pictures no fish-painter makes: each is traced to a fish the editor
    // can take, or to nothing.
    std::vector<std::pair<const char*, QImage>> pictures;
    QImage tiny(3, 3, QImage::Format_RGB32);
    tiny.fill(Qt::white);
    tiny.setPixel(1, 1, qRgb(0, 0, 0));
    pictures.push_back({"3 x 3 with one fish pixel", tiny});
    QImage row(200, 3, QImage::Format_RGB32);
    row.fill(Qt::white);
    for (int x = 1; x < 199; ++x) row.setPixel(x, 1, qRgb(0, 0, 0));
    pictures.push_back({"a fish one row tall", row});
    QImage edge(100, 60, QImage::Format_RGB32);
    edge.fill(Qt::white);
    QPainter(&edge).fillRect(QRect(0, 10, 100, 40), Qt::red);
    pictures.push_back({"a fish cut by both sides", edge});
    QImage checker(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            checker.setPixel(x, y, (x / 8 + y / 8) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    pictures.push_back({"a checkerboard", checker});
    QImage wide(32767, 40, QImage::Format_RGB32);
    wide.fill(Qt::white);
    {
        QPainter g(&wide);
        g.setPen(Qt::NoPen);
        g.setBrush(Qt::darkGreen);
        g.drawEllipse(QRectF(10, 5, 32740, 30));
        for (int x = 100; x < 32000; x += 400)
            g.drawPolygon(QPolygonF({QPointF(x, 10), QPointF(x + 100, 1), QPointF(x + 200, 10)}));
    }
    pictures.push_back({"a fish 32767 pixels long with a hundred fins", wide});
    for (const auto& [what, image] : pictures) {
        const EditorPicture p = Opened(image);
        const WholeFishTrace t = TraceWholeFish(p, Fish());
        if (t.traced) ExpectEditorCanTakeIt(t.fish, p, what, false);
    }
}
