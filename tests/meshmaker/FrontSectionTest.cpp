#include "FrontSection.h"
#include "StripBuilders.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using test::FishOn;
using test::Picture;

namespace {

// A body from x = 0 to 40, rows 10..29 of a 61 x 41 picture, traced with step 10.
Fish TracedBody(int n) {
    auto [pic, s] = test::FishOn(Picture(61, 41, {QRect(0, 10, 41, 20)}), 10);
    BuildBodyOutline(s, pic, 40);
    s.Divisions = n;
    s.FrontColumn = 2;
    return s;
}

double Length(const Normal& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

} // namespace

TEST(FrontSection, IsHalfAnEllipseThroughTheChosenColumn) {
    for (int n : {1, 2, 4, 10}) {
        Fish s = TracedBody(n);
        const int S = 20;
        BuildFrontSection(s, S);
        const double top = 10, bottom = 29.2, h = (bottom - top) / 2, mid = (top + bottom) / 2;
        const double m = S * S / 100.0;
        EXPECT_EQ(s.SectionY[0], top) << n;
        EXPECT_EQ(s.SectionY[n], bottom) << n;
        EXPECT_EQ(s.SectionZ[0], 0) << n;
        EXPECT_EQ(s.SectionZ[n], 0) << n;
        for (int j = 1; j < n; ++j) {
            const double dy = (s.SectionY[j] - mid) / h, dz = s.SectionZ[j] / m;
            EXPECT_NEAR(dy * dy + dz * dz, 1.0, 1e-9) << "vertex " << j << " of " << n;
            EXPECT_GT(s.SectionY[j], s.SectionY[j - 1]);
        }
        EXPECT_EQ(s.SectionNormals[0], (Normal{0, 1, 0}));
        EXPECT_EQ(s.SectionNormals[n], (Normal{0, -1, 0}));
        for (int j = 0; j <= n; ++j) {
            EXPECT_EQ(s.SectionNormals[j][0], 0.0f);
            EXPECT_NEAR(Length(s.SectionNormals[j]), 1.0, 1e-6) << j;
        }
    }
}

TEST(FrontSection, TwoDivisionsPutTheMiddleVertexAHairAboveMid) {
    Fish s = TracedBody(2);
    BuildFrontSection(s, 10);
    const double h = (29.2 - 10) / 2, mid = (10 + 29.2) / 2;
    EXPECT_NEAR(mid - s.SectionY[1], h * std::cos(1.570795), 1e-12);
    EXPECT_GT(mid - s.SectionY[1], 0);
    EXPECT_NEAR(s.SectionZ[1], 1.0, 1e-9);
    // Its neighbours lie symmetrically, so its normal points straight in.
    EXPECT_NEAR(s.SectionNormals[1][1], 0.0, 1e-5);
    EXPECT_NEAR(s.SectionNormals[1][2], -1.0, 1e-6);
}

TEST(FrontSection, OneDivisionHasNoDepth) {
    Fish s = TracedBody(1);
    BuildFrontSection(s, 30);
    BuildTopView(s, 40, 20);
    EXPECT_EQ(s.SectionMaxZ, 0);
    for (int i = 0; i < s.BodyColumns(); ++i) EXPECT_EQ(s.TopW[i], 0);
}

TEST(FrontSection, NoColumnMeansNothingChanges) {
    Fish s = TracedBody(4);
    BuildFrontSection(s, 20);
    const Fish before = s;
    for (int column : {-1, 10, 400}) {
        s.FrontColumn = column;
        BuildFrontSection(s, 50);
        EXPECT_EQ(s.SectionY, before.SectionY) << column;
        EXPECT_EQ(s.SectionZ, before.SectionZ) << column;
    }
}

TEST(FrontSection, FinDepthsTiltFromTheirFixedPoint) {
    Fish s = TracedBody(4);
    s.VentralDone = true;
    s.VentralLast = 3;
    s.VentralY = {30, 34, 31, 38};
    s.VentralHighIndex = 0;
    s.VentralLowIndex = 3;
    s.PectoralDone = true;
    s.PectoralX = {10, 14, 20};
    s.PectoralOuterIndex = 2;
    BuildFrontSection(s, 25);
    EXPECT_EQ(s.VentralZ[0], 0);
    EXPECT_DOUBLE_EQ(s.VentralZ[3], 25 / 5.0);
    EXPECT_DOUBLE_EQ(s.VentralZ[1], 4 * 50.0 / 8 / 10);
    EXPECT_EQ(s.PectoralZ[0], 0);
    EXPECT_DOUBLE_EQ(s.PectoralZ[2], 0.6 * 25);

    // Degenerate fins: no height between high and low, no width to the outer point.
    s.VentralY = {30, 30, 30, 30};
    s.PectoralX = {10, 14, 10};
    BuildFrontSection(s, 25);
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(s.VentralZ[k], 0);
    for (double z : s.PectoralZ) EXPECT_TRUE(std::isfinite(z));
    EXPECT_EQ(s.PectoralZ[1], 0);
}

TEST(SectionNormals, ADegenerateVertexTakesTheNearestValidNormal) {
    Fish s = TracedBody(4);
    BuildFrontSection(s, 20);
    s.SectionY[1] = s.SectionY[0]; // vertex 1 dragged onto vertex 0
    s.SectionZ[1] = s.SectionZ[0];
    ComputeSectionNormals(s);
    EXPECT_EQ(s.SectionNormals[1], s.SectionNormals[2]);
    EXPECT_NEAR(Length(s.SectionNormals[2]), 1.0, 1e-6);

    // A flat section: every inner vertex's neighbours cancel out.
    for (int j = 0; j <= 4; ++j) s.SectionZ[j] = 0;
    ComputeSectionNormals(s);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(s.SectionNormals[j], (Normal{0, 0, 1}));
}

TEST(TopView, WidthFallsOffAlongQuarterEllipsesFromThePeak) {
    Fish s = TracedBody(4);
    BuildFrontSection(s, 20);
    BuildTopView(s, 40, 20);
    EXPECT_EQ(s.SectionMaxZ, s.SectionZ[2]);
    EXPECT_EQ(s.TopPeakX, 20);
    ASSERT_EQ(s.BodyColumns(), 5); // x 0, 10, 20, 30, 40
    EXPECT_EQ(s.TopW[0], 0);       // the head end
    EXPECT_EQ(s.TopW[4], 0);       // the body end
    EXPECT_EQ(s.TopW[2], s.SectionMaxZ);
    EXPECT_EQ(s.TopPeakIndex, 2);
    EXPECT_DOUBLE_EQ(s.TopW[1], s.SectionMaxZ * std::sqrt(1 - 100.0 / 400));
    EXPECT_DOUBLE_EQ(s.TopW[3], s.TopW[1]); // equal widths: the first stays the peak
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.TopX[i], 10 * i);
}

TEST(TopView, EqualMaximaKeepTheFirstAndAZeroPeakStaysFinite) {
    Fish s = TracedBody(4);
    BuildFrontSection(s, 20);
    BuildTopView(s, 30, 15); // columns 10 and 20 equally far from the peak; 40 lies beyond E
    EXPECT_EQ(s.TopW[4], 0);
    EXPECT_EQ(s.TopW[1], s.TopW[2]);
    EXPECT_EQ(s.TopPeakIndex, 1);
    BuildTopView(s, 40, 0); // peak at the head: A = 0
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(std::isfinite(s.TopW[i])) << i;
    EXPECT_EQ(s.TopW[0], s.SectionMaxZ);
    BuildTopView(s, 40, 40); // peak at the body end: B = 0
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(std::isfinite(s.TopW[i])) << i;
}

TEST(FrontEditorChoices, TallestColumnAndFinExtremes) {
    Fish s = TracedBody(4);
    s.BodyY[3] = 31; // column 1 is the tallest ...
    s.BodyY[5] = 31; // ... and column 2 as tall: the first wins
    EXPECT_EQ(ChooseFrontColumn(s), 2);
    for (int i = 0; i <= s.BodyLast; ++i) s.BodyY[i] = 7;
    EXPECT_EQ(ChooseFrontColumn(s), -1);

    s.VentralLast = 5;
    s.VentralY = {33, 36, 32, 39, 32, 39};
    ChooseVentralIndices(s, 40);
    EXPECT_EQ(s.VentralHighIndex, 2);
    EXPECT_EQ(s.VentralLowIndex, 3);
    s.VentralY = {40, 0,  40,
                  0,  40, 0}; // no upper edge above the last row, no lower edge below row 0
    ChooseVentralIndices(s, 40);
    EXPECT_EQ(s.VentralHighIndex, 0);
    EXPECT_EQ(s.VentralLowIndex, 5);

    s.PectoralX = {10, 20, 15};
    EXPECT_EQ(ChoosePectoralOuterIndex(s), 1);
    s.PectoralX = {10, 20, 21};
    EXPECT_EQ(ChoosePectoralOuterIndex(s), 2);
}
