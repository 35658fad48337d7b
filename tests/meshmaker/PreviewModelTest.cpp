// The model the 3-D view shows, without OpenGL: the mesh of the bytes a
// save writes, the fish of a drag in progress, the texture, the grid's edges
// and the scene the camera frames.

#include "PreviewModel.h"
#include "FishMesh.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "TForm1.h"
#include "TestSupport.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <set>

using test::Picture;

namespace {

constexpr MouseState Left{.Left = true};
constexpr MouseState None{};

// The fish of the side-view tests: body rows 20..40 up to x 90, a tail
// behind it, a dorsal fin on the back and fins below.
struct Editor : test::OpenedEditor {
    Editor()
        : OpenedEditor(Picture(121, 61,
                               {QRect(0, 20, 91, 21), QRect(91, 10, 29, 41), QRect(40, 12, 20, 8),
                                QRect(65, 41, 12, 8), QRect(20, 41, 10, 6)})) {}
    void Press(int x, int y) {
        Do([&] { form.Image1MouseDown(MouseButton::Left, Left, x, y); });
    }
    void Release(int x, int y) {
        Do([&] { form.Image1MouseUp(MouseButton::Left, None, x, y); });
    }
    void Drag(int x0, int y0, int x1, int y1) { Press(x0, y0), Release(x1, y1); }
};

bool SameMesh(const FishMesh& a, const FishMesh& b) {
    if (a.vertices.size() != b.vertices.size() || a.triangles.size() != b.triangles.size())
        return false;
    for (size_t i = 0; i < a.vertices.size(); ++i)
        if (a.vertices[i].position != b.vertices[i].position ||
            a.vertices[i].normal != b.vertices[i].normal ||
            a.vertices[i].texCoord != b.vertices[i].texCoord)
            return false;
    for (size_t i = 0; i < a.triangles.size(); ++i)
        if (a.triangles[i].corners != b.triangles[i].corners ||
            a.triangles[i].part != b.triangles[i].part)
            return false;
    return true;
}

} // namespace

TEST(PreviewModel, IsTheMeshOfTheFileASaveWrites) {
    Editor e;
    e.Do([&] { e.form.SpeedButton6Click(); });
    e.Drag(40, 8, 62, 20); // the dorsal fin
    e.Do([&] { e.form.SpeedButton10Click(); });
    const PreviewModel model = PreviewOfFish(e.form.Current(), e.form.Picture);
    ASSERT_TRUE(model.hasMesh) << model.problem.toStdString();

    const QString path = e.dir.filePath("saved.pgx");
    ASSERT_TRUE(e.form.SavePgx(path));
    const auto saved = ReadPgxFile(path);
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(SameMesh(model.mesh, BuildFishMesh(*saved)));
    EXPECT_GT(model.mesh.range(FishPart::Dorsal).triangleCount, 0);
    EXPECT_EQ(model.pictureWidth, 121);
    EXPECT_EQ(model.pictureHeight, 61);
    EXPECT_EQ(model.background, saved->background);
    EXPECT_EQ(model.picture.cacheKey(), e.form.Picture.PictureBitmap.cacheKey());
}

TEST(PreviewModel, WithoutAPictureThereIsNothingToShow) {
    test::OpenedEditor e;
    const PreviewModel model = PreviewOfFish(e.form.Current(), e.form.Picture);
    EXPECT_FALSE(model.hasMesh);
    EXPECT_TRUE(model.mesh.vertices.empty());
    EXPECT_EQ(model.problem, Texts::PreviewNoPicture());
}

// A drag in progress: the fish the view shows is the fish the release makes,
// and the document does not move until the release.
TEST(DragPreview, IsTheFishTheReleaseMakesAndChangesNothingBeforeIt) {
    struct Case {
        const char* name;
        void (*setUp)(Editor&);
        ToolMode mode;
        int point;
        QPoint moveBy;
        bool movesAcross; // the point follows the mouse sideways too
    } cases[] = {
        {"body",
         [](Editor& e) { e.Do([&] { e.form.SpeedButton5Click(); }); },
         Editing(Tool::Body),
         2,
         {4, -7},
         false},
        {"tail",
         [](Editor& e) { e.Do([&] { e.form.SpeedButton4Click(); }); },
         Editing(Tool::Tail),
         2,
         {0, 5},
         false},
        {"dorsal edge",
         [](Editor& e) {
             e.Do([&] { e.form.SpeedButton6Click(); });
             e.Drag(40, 8, 62, 20);
         },
         Editing(Tool::Dorsal),
         2,
         {3, -4},
         true},
        {"anal edge",
         [](Editor& e) {
             e.Do([&] { e.form.SpeedButton8Click(); });
             e.Drag(64, 38, 78, 50);
         },
         Editing(Tool::Anal),
         3,
         {-2, 3},
         true},
        {"pectoral corner",
         [](Editor& e) {
             e.Do([&] { e.form.SpeedButton9Click(); });
             e.Release(20, 30), e.Release(40, 32), e.Release(30, 38);
         },
         Editing(Tool::Pectoral),
         1,
         {5, 4},
         true},
        {"whisker end",
         [](Editor& e) {
             e.Do([&] { e.form.Button1Click(); });
             e.Drag(0, 45, 40, 50);
         },
         Editing(Tool::Whisker),
         1,
         {0, 6},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor e;
        c.setUp(e);
        ASSERT_EQ(e.ui.Mode, c.mode);
        const auto list = PointsOf(e.form.Current(), RowOf(c.mode.Tool).Part);
        ASSERT_LE(c.point, list.Last);
        const QPoint at(int(list.X[c.point]), int(list.Y[c.point]));
        e.Press(at.x(), at.y());
        ASSERT_EQ(e.ui.PickedPoint, c.point);

        const Fish before = e.form.Current();
        const int revision = e.form.Document.Revision();
        const QPoint to = at + c.moveBy;
        const auto dragged = e.form.FishWithDragAt(to.x(), to.y());
        ASSERT_TRUE(dragged.has_value());
        EXPECT_FALSE(e.form.AfterEvent()) << "the fish itself did not change";
        EXPECT_EQ(e.form.Document.Revision(), revision);
        EXPECT_TRUE(e.form.Current() == before);
        const auto moved = PointsOf(*dragged, RowOf(c.mode.Tool).Part);
        EXPECT_EQ(moved.Y[c.point], to.y());
        EXPECT_EQ(moved.X[c.point], c.movesAcross ? to.x() : at.x());

        e.Release(to.x(), to.y());
        EXPECT_EQ(e.form.Document.Revision(), revision + 1);
        EXPECT_TRUE(e.form.Current() == *dragged);
        EXPECT_FALSE(e.form.FishWithDragAt(to.x(), to.y()).has_value()) << "the drag has ended";
    }
}

TEST(DragPreview, ClampsAsTheReleaseDoesAndFollowsTheZoom) {
    Editor e;
    e.Do([&] { e.form.SpeedButton5Click(); });
    e.Do([&] { e.form.x41Click(); });
    e.Press(15 * 4, 20 * 4); // body point 2 at (15, 20)
    ASSERT_EQ(e.ui.PickedPoint, 2);
    const auto inside = e.form.FishWithDragAt(15 * 4, 26 * 4 + 1);
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(inside->BodyY[2], 26);
    const auto below = e.form.FishWithDragAt(15 * 4, 40000);
    ASSERT_TRUE(below.has_value());
    EXPECT_EQ(below->BodyY[2], e.form.Picture.PicMaxY - 1);
    e.Release(15 * 4, 40000);
    EXPECT_TRUE(e.form.Current() == *below);
}

TEST(DragPreview, NothingWithoutAPickedPoint) {
    test::OpenedEditor empty;
    EXPECT_FALSE(empty.form.FishWithDragAt(10, 10).has_value()) << "no picture";
    Editor e;
    e.Do([&] { e.form.SpeedButton5Click(); });
    e.Press(60, 5); // no point there
    EXPECT_EQ(e.ui.PickedPoint, std::nullopt);
    EXPECT_FALSE(e.form.FishWithDragAt(60, 10).has_value());
    e.Do([&] { e.form.SpeedButton6Click(); }); // waiting for the dorsal rectangle
    EXPECT_FALSE(e.form.FishWithDragAt(60, 10).has_value());
}

TEST(MeshEdges, EveryEdgeOnceSmallerIndexFirst) {
    FishMesh quad;
    quad.vertices.resize(4);
    quad.triangles = {{{0, 1, 2}, FishPart::Body}, {{2, 3, 0}, FishPart::Body}};
    const auto edges = MeshEdges(quad);
    const std::vector<std::array<quint32, 2>> expected = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {2, 3}};
    EXPECT_EQ(edges, expected);

    // On a whole fish: each edge of each triangle is there, and only those.
    Editor e;
    const PreviewModel model = PreviewOfFish(e.form.Current(), e.form.Picture);
    const auto fishEdges = MeshEdges(model.mesh);
    std::set<std::array<quint32, 2>> fromTriangles;
    for (const MeshTriangle& t : model.mesh.triangles)
        for (int k = 0; k < 3; ++k) {
            const quint32 a = t.corners[size_t(k)], b = t.corners[size_t((k + 1) % 3)];
            fromTriangles.insert({std::min(a, b), std::max(a, b)});
        }
    using EdgeSet = std::set<std::array<quint32, 2>>;
    EXPECT_EQ(EdgeSet(fishEdges.begin(), fishEdges.end()), fromTriangles);
    EXPECT_EQ(fishEdges.size(), fromTriangles.size());
}

TEST(SceneOf, ThePictureRectangleAndTheMesh) {
    Editor e;
    e.Do([&] { e.form.SpeedButton10Click(); }); // the front section gives the body its depth
    const PreviewModel model = PreviewOfFish(e.form.Current(), e.form.Picture);
    const SceneBox box = SceneOf(model);
    // 121 x 61 pixels are 2.42 x 1.22 file units round the centre.
    EXPECT_FLOAT_EQ(box.min.x(), -1.21f);
    EXPECT_FLOAT_EQ(box.max.y(), 0.61f);
    for (const MeshVertex& v : model.mesh.vertices)
        for (int k = 0; k < 3; ++k) {
            EXPECT_LE(box.min[k], v.position[size_t(k)]);
            EXPECT_GE(box.max[k], v.position[size_t(k)]);
        }
    EXPECT_LT(box.min.z(), 0.0f) << "the body has depth";
    EXPECT_FLOAT_EQ(box.min.z(), -box.max.z()) << "the mirrored half";
}
