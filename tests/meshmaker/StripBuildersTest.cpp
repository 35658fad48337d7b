#include "StripBuilders.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using test::FishOn;
using test::Picture;

namespace {

template <typename Array> std::vector<double> Xs(const Array& xs, int last) {
    std::vector<double> out;
    for (int k = 0; k <= last; k += 2) out.push_back(xs[k]);
    return out;
}

// A fish body from x = 0 to 30 between rows 5 and 14 of a 41 x 21 picture.
QImage Body() {
    return Picture(41, 21, {QRect(0, 5, 31, 10)});
}

} // namespace

TEST(ColumnSlicing, ColumnsLieAtStepsAndEndAtTheEnd) {
    struct Case {
        int start, end, step;
        std::vector<int> columns;
    } cases[] = {
        {0, 20, 8, {0, 8, 16, 20}}, // a shorter last interval
        {0, 16, 8, {0, 8, 16}},     // end a multiple of the step
        {0, 0, 8, {0}},             // one column at the end itself
        {5, 12, 0, {5, 8, 11, 12}}, // a step of 0 counts as 3
        {10, 11, 4, {10, 11}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SliceColumns(c.start, c.end, c.step, BodyMaxColumns), c.columns)
            << c.start << ".." << c.end << " step " << c.step;
}

TEST(ColumnSlicing, TooSmallAStepIsRaisedToFitTheList) {
    auto count = [](int length, int step) { return (length + step - 1) / step + 1; };
    for (int end : {249, 250, 1000, 32766}) {
        const auto xs = SliceColumns(0, end, 1, BodyMaxColumns);
        ASSERT_LE(int(xs.size()), BodyMaxColumns) << end;
        EXPECT_EQ(xs.back(), end);
        const int step = xs[1] - xs[0];
        EXPECT_EQ(int(xs.size()), count(end, step));
        if (step > 1) {
            EXPECT_GT(count(end, step - 1), BodyMaxColumns) << "not the smallest step for " << end;
        }
    }
    EXPECT_EQ(SliceColumns(0, 24, 1, StripMaxColumns).size(), 25u); // 0..24 fits exactly
}

TEST(BodyOutline, ScansEachColumnDownAndUpForTheFirstFishPixel) {
    auto [pic, s] = test::FishOn(Body());
    BuildBodyOutline(s, pic, 30);
    EXPECT_EQ(s.BodyLast, 9);
    EXPECT_EQ(Xs(s.BodyX, s.BodyLast), (std::vector<double>{0, 8, 16, 24, 30}));
    for (int k = 0; k <= s.BodyLast; k += 2) {
        EXPECT_EQ(s.BodyY[k], 5);
        EXPECT_EQ(s.BodyY[k + 1], 14);
        EXPECT_EQ(s.BodyX[k + 1], s.BodyX[k]);
    }
    EXPECT_EQ(s.BodyX[s.BodyLast + 1], -1.0);
    EXPECT_TRUE(s.BodyDone);
}

TEST(BodyOutline, EmptyColumnsAndTheLastRow) {
    // Column 0 is background; column 8 has fish only in the last row, which is never examined.
    QImage picture = Picture(41, 21, {QRect(8, 20, 1, 1), QRect(16, 3, 1, 2)});
    auto [pic, s] = test::FishOn(picture);
    BuildBodyOutline(s, pic, 16);
    ASSERT_EQ(s.BodyLast, 5);
    EXPECT_EQ(s.BodyY[0], 0);
    EXPECT_EQ(s.BodyY[1], 20);
    EXPECT_EQ(s.BodyY[2], 0);
    EXPECT_EQ(s.BodyY[3], 20);
    EXPECT_EQ(s.BodyY[4], 3);
    EXPECT_EQ(s.BodyY[5], 4);
}

TEST(BodyOutline, TailPositionZeroGivesOneColumn) {
    auto [pic, s] = test::FishOn(Body());
    BuildBodyOutline(s, pic, 0);
    EXPECT_EQ(s.BodyLast, 1);
    EXPECT_EQ(s.BodyX[2], -1.0);
}

TEST(BodyOutline, DoesNothingWhileDoneOrWithoutPicture) {
    auto [pic, s] = test::FishOn(Body());
    s.BodyDone = true;
    s.BodyLast = 3;
    BuildBodyOutline(s, pic, 30);
    EXPECT_EQ(s.BodyLast, 3);

    Fish empty;
    BuildBodyOutline(empty, EditorPicture(), 30);
    EXPECT_FALSE(empty.BodyDone);
    EXPECT_EQ(empty.BodyLast, 0);
}

TEST(TailStrip, TakesOverTheLastBodyColumnAndEndsALittleLeft) {
    // Body up to x = 30, rows 5..14; tail fin rows 2..18 from 31 on.
    auto [pic, s] = test::FishOn(Picture(41, 21, {QRect(0, 5, 31, 10), QRect(31, 2, 10, 17)}), 4);
    BuildBodyOutline(s, pic, 30);
    s.BodyY[s.BodyLast - 1] = 6; // a user edit of the last body column
    BuildTailStrip(s, pic, 30);
    EXPECT_EQ(s.TailLast, 7);
    EXPECT_EQ(Xs(s.TailX, s.TailLast), (std::vector<double>{30, 34, 38, 40 - 0.1}));
    EXPECT_EQ(s.TailX[7], 40 - 0.1);
    EXPECT_EQ(s.TailY[0], 6); // copied from the body, not traced
    EXPECT_EQ(s.TailY[1], 14);
    EXPECT_EQ(s.TailY[2], 2);
    EXPECT_EQ(s.TailY[3], 18);
    EXPECT_EQ(s.TailX[8], -1.0);
    EXPECT_TRUE(s.TailDone);
}

TEST(DorsalStrip, ReusesBodyColumnsAndTakesTheFinEdgeAtTheRectanglesRightSide) {
    // A dorsal fin above the body: rows 2..4 at x 17..19, between two body columns.
    auto [pic, s] = test::FishOn(Picture(41, 21, {QRect(0, 5, 31, 10), QRect(17, 2, 3, 3)}));
    BuildBodyOutline(s, pic, 30);
    s.DorsalRange = {10, 0, 18, 10};
    BuildDorsalStrip(s, pic);
    // Last column at or left of 10 (x 8) to the first right of 18 (x 24).
    ASSERT_EQ(s.DorsalLast, 5);
    EXPECT_EQ(Xs(s.DorsalX, 5), (std::vector<double>{8, 16, 24}));
    EXPECT_DOUBLE_EQ(s.DorsalY[0], 5 - 0.1); // the first column has almost no height
    EXPECT_EQ(s.DorsalY[2], 2);              // found in picture column 18 ...
    EXPECT_EQ(s.DorsalY[4], 2);              // ... for every column, even x 24 outside the fin
    for (int k = 1; k <= 5; k += 2) EXPECT_EQ(s.DorsalY[k], 5); // body top
    EXPECT_TRUE(s.DorsalDone);
}

TEST(DorsalStrip, WithoutFinPixelsTheEdgeIsTheBodyEdge) {
    auto [pic, s] = test::FishOn(Body());
    BuildBodyOutline(s, pic, 30);
    s.BodyY[4] = 4;                // an edited body top
    s.DorsalRange = {9, 0, 17, 3}; // nothing but water in rows 0..3 of column 17
    BuildDorsalStrip(s, pic);
    ASSERT_EQ(s.DorsalLast, 5);
    EXPECT_EQ(s.DorsalY[2], 4);
    EXPECT_EQ(s.DorsalY[4], 5);
}

TEST(AnalStrip, StartsJustBelowTheBodyAndLowersARangeBelowThePicture) {
    auto [pic, s] = test::FishOn(Picture(41, 21, {QRect(0, 5, 31, 10), QRect(18, 15, 5, 3)}));
    BuildBodyOutline(s, pic, 30);
    s.AnalRange = {17, 12, 22, 40};
    BuildAnalStrip(s, pic);
    EXPECT_EQ(s.AnalRange.y1, 20);
    ASSERT_EQ(s.AnalLast, 3);
    EXPECT_EQ(Xs(s.AnalX, 3), (std::vector<double>{16, 24}));
    EXPECT_DOUBLE_EQ(s.AnalY[1], 14 + 0.1);
    EXPECT_EQ(s.AnalY[3], 17); // scanned upwards from row 20 in column 22
    for (int k = 0; k <= 2; k += 2) EXPECT_EQ(s.AnalY[k], 14);
}

TEST(FinEdgesColumnByColumn, EachStripColumnReadsItsOwnPictureColumn) {
    // A stepped fin above the body (rows 1.. at x 8, rows 3.. at x 16) and
    // one below it (down to row 18 at x 16, row 16 at x 24); body rows 5..14.
    auto [pic, s] =
        test::FishOn(Picture(41, 21,
                             {QRect(0, 5, 31, 10), QRect(8, 1, 1, 4), QRect(16, 3, 1, 2),
                              QRect(16, 15, 1, 4), QRect(24, 15, 1, 2)}));
    BuildBodyOutline(s, pic, 30);
    // The body points corrected off the fins, as the user does.
    for (int k = 0; k <= s.BodyLast; k += 2) s.BodyY[size_t(k)] = 5, s.BodyY[size_t(k) + 1] = 14;
    s.DorsalRange = {8, 0, 16, 10};
    s.AnalRange = {16, 12, 24, 20};
    BuildDorsalStrip(s, pic, FinEdges::PerColumn);
    BuildAnalStrip(s, pic, FinEdges::PerColumn);
    ASSERT_EQ(s.DorsalLast, 5);
    EXPECT_EQ(Xs(s.DorsalX, 5), (std::vector<double>{8, 16, 24}));
    // Upper entries: each column's own fin edge, the body top where there is no fin.
    EXPECT_EQ((std::vector<double>{s.DorsalY[0], s.DorsalY[2], s.DorsalY[4]}),
              (std::vector<double>{1, 3, 5}));
    ASSERT_EQ(s.AnalLast, 5);
    EXPECT_EQ(Xs(s.AnalX, 5), (std::vector<double>{16, 24, 30}));
    EXPECT_EQ((std::vector<double>{s.AnalY[1], s.AnalY[3], s.AnalY[5]}),
              (std::vector<double>{18, 16, 14}));
    for (int k = 0; k <= 4; k += 2) EXPECT_EQ(s.AnalY[k], 14);

    // The tools' rule, by default, reads the one column at the rectangle's right side.
    s.DorsalDone = s.AnalDone = false;
    BuildDorsalStrip(s, pic);
    BuildAnalStrip(s, pic);
    EXPECT_EQ((std::vector<double>{s.DorsalY[0], s.DorsalY[2], s.DorsalY[4]}),
              (std::vector<double>{5 - 0.1, 3, 3}));
    EXPECT_EQ((std::vector<double>{s.AnalY[1], s.AnalY[3], s.AnalY[5]}),
              (std::vector<double>{14 + 0.1, 16, 16}));
}

TEST(FinEdgesColumnByColumn, NoEdgeLiesInsideTheBody) {
    // The body points were moved outward beyond the painted body: a fin edge
    // found inside them is taken at the body's edge, so no strip folds.
    auto [pic, s] = test::FishOn(Body());
    BuildBodyOutline(s, pic, 30);
    for (int k = 0; k <= s.BodyLast; k += 2) s.BodyY[size_t(k)] = 3, s.BodyY[size_t(k) + 1] = 16;
    s.DorsalRange = {0, 0, 30, 10};
    s.AnalRange = {0, 10, 30, 20};
    BuildDorsalStrip(s, pic, FinEdges::PerColumn);
    BuildAnalStrip(s, pic, FinEdges::PerColumn);
    for (int k = 0; k <= s.DorsalLast; k += 2) EXPECT_EQ(s.DorsalY[size_t(k)], 3) << k;
    for (int k = 1; k <= s.AnalLast; k += 2) EXPECT_EQ(s.AnalY[size_t(k)], 16) << k;
}

TEST(TailStrip, CanEndBeforeThePicturesRightEdge) {
    auto [pic, s] = test::FishOn(Picture(41, 21, {QRect(0, 5, 31, 10)}));
    BuildBodyOutline(s, pic, 16);
    BuildTailStrip(s, pic, 16, 30);
    ASSERT_EQ(s.TailLast, 5);
    EXPECT_EQ(Xs(s.TailX, 5), (std::vector<double>{16, 24, 30 - 0.1}));
    EXPECT_EQ(s.TailX[6], -1.0);
    EXPECT_EQ(s.TailY[5], 14); // a column of the fish, not of the water beyond it
}

TEST(ColumnChoice, RangesBeyondTheBodyEndAtItsFirstAndLastColumns) {
    auto [pic, s] = test::FishOn(Body());
    BuildBodyOutline(s, pic, 30);
    struct Case {
        int x0, x1, first, last;
    } cases[] = {
        {0, 5, 0, 1},   // x0 before the second column starts at column 0
        {3, 100, 0, 4}, // x1 beyond the last column ends at the last column
        {8, 8, 1, 2},   // a column's own x: that column to the next
        {30, 40, 4, 4}, // at the last column
        {20, 10, 2, 2}, // reversed
        {25, 2, 3, 1},  // reversed further: empty
    };
    for (const Case& c : cases) {
        const ColumnChoice got = ChooseBodyColumns(s, c.x0, c.x1);
        EXPECT_EQ(got.first, c.first) << c.x0 << ".." << c.x1;
        EXPECT_EQ(got.last, c.last) << c.x0 << ".." << c.x1;
    }
    auto [onePicture, one] = test::FishOn(Body());
    BuildBodyOutline(one, onePicture, 0);
    EXPECT_EQ(ChooseBodyColumns(one, 5, 9).first, 0);
    EXPECT_EQ(ChooseBodyColumns(one, 5, 9).last, 0);
}

TEST(WhiskerStrip, HangsFromTheBodyBottomAndIsEmptyWhenDraggedLeft) {
    auto [pic, s] = test::FishOn(Body());
    BuildBodyOutline(s, pic, 30);
    s.WhiskerRange = {2, 3, 12, 19};
    BuildWhiskerStrip(s, pic);
    ASSERT_EQ(s.WhiskerLast, 5);
    EXPECT_EQ(Xs(s.WhiskerX, 5), (std::vector<double>{0, 8, 16}));
    for (int k = 0; k <= 4; k += 2) {
        EXPECT_EQ(s.WhiskerY[k], 14);
        EXPECT_EQ(s.WhiskerY[k + 1], 19);
    }
    s.WhiskerRange = {20, 3, 2, 19};
    BuildWhiskerStrip(s, pic);
    EXPECT_EQ(s.WhiskerLast, -1);
    EXPECT_EQ(s.WhiskerX[0], -1.0);
}

TEST(VentralStrip, SlicesTheRectangleAndKeepsItsEdgesWhereNoFinIs) {
    auto [pic, s] = test::FishOn(Picture(41, 21, {QRect(12, 15, 4, 3)}), 4);
    s.VentralRange = {10, 13, 18, 19};
    BuildVentralStrip(s, pic);
    ASSERT_EQ(s.VentralLast, 5);
    EXPECT_EQ(Xs(s.VentralX, 5), (std::vector<double>{10, 14, 18}));
    EXPECT_EQ(s.VentralY[0], 13); // column 10: no fin, the rectangle's edges
    EXPECT_EQ(s.VentralY[1], 19);
    EXPECT_EQ(s.VentralY[2], 15);
    EXPECT_EQ(s.VentralY[3], 17);
}

TEST(Capacities, NoListGrowsPastWhatItHolds) {
    // A wide fish and a step of 1: every list is bounded.
    auto [pic, s] = test::FishOn(Picture(2001, 50, {QRect(0, 10, 2001, 30)}), 1);
    BuildBodyOutline(s, pic, 1500);
    EXPECT_LE(s.BodyColumns(), BodyMaxColumns);
    EXPECT_EQ(s.BodyX[s.BodyLast - 1], 1500);
    BuildTailStrip(s, pic, 1500);
    EXPECT_LE(s.TailLast, StripCapacity - 2);
    s.DorsalRange = {0, 0, 2000, 49};
    BuildDorsalStrip(s, pic);
    EXPECT_EQ(s.DorsalLast, 2 * StripMaxColumns - 1);
    s.VentralRange = {0, 0, 2000, 49};
    BuildVentralStrip(s, pic);
    EXPECT_LE(s.VentralLast, StripCapacity - 2);
    EXPECT_EQ(s.VentralX[s.VentralLast], 2000);
}
