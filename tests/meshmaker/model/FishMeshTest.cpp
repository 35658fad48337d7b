// The fish mesh: its triangle counts, indices, normals, texture coordinates,
// mirror symmetry, and the closed body of a fish with the default section.

#include "FishMesh.h"
#include "PgxBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>

namespace {

struct MeshCase {
    const char* name;
    test::FishShape shape;
};

std::vector<MeshCase> Cases() {
    auto with = [](auto change) {
        test::FishShape s;
        change(s);
        return s;
    };
    return {
        {"every part", {}},
        {"body only", with([](auto& s) {
             s.tailColumns = s.dorsalColumns = s.analColumns = s.ventralColumns = s.whiskerColumns =
                 0;
             s.pectoral = s.eye = false;
         })},
        {"N=1", with([](auto& s) { s.n = 1; })},
        {"N=10, 250 columns, full strips", with([](auto& s) {
             s.n = 10, s.columns = 250;
             s.tailColumns = s.dorsalColumns = s.analColumns = s.ventralColumns = s.whiskerColumns =
                 25;
         })},
        {"single-column strips", with([](auto& s) {
             s.tailColumns = s.dorsalColumns = s.analColumns = s.ventralColumns = s.whiskerColumns =
                 1;
         })},
        {"two body columns", with([](auto& s) { s.columns = 2; })},
        {"flat body", with([](auto& s) { s.flat = true; })},
    };
}

int Quads(int last) {
    return last > 0 ? std::max(0, (last + 1) / 2 - 1) : 0;
}

// The triangles each part must have, from the file's counts alone. The
// shaped fish's head and tail columns are points: each quad beside them
// keeps one triangle of its two on each side, and a body of only those two
// columns is a line, with none.
std::map<FishPart, int> ExpectedTriangles(const PgxFile& f) {
    std::map<FishPart, int> t;
    t[FishPart::Body] = f.columns() > 2 ? 4 * f.n * (f.columns() - 1) - 4 * f.n : 0;
    t[FishPart::Tail] = 4 * Quads(f.tailLast);
    t[FishPart::Dorsal] = 4 * Quads(f.dorsalLast);
    t[FishPart::Anal] = 4 * Quads(f.analLast);
    t[FishPart::Ventral] = 8 * Quads(f.ventralLast);
    t[FishPart::Whisker] = 8 * Quads(f.whiskerByte);
    t[FishPart::Pectoral] = f.hasPectoral() ? 8 : 0;
    t[FishPart::Eye] = f.hasEye() ? 2 * EyeSegments * (2 * EyeRings - 1) : 0;
    return t;
}

quint32 Bits(float f) {
    quint32 b;
    std::memcpy(&b, &f, 4);
    return b;
}

double Area(const FishMesh& mesh, const MeshTriangle& t) {
    const auto& a = mesh.vertices[t.corners[0]].position;
    const auto& b = mesh.vertices[t.corners[1]].position;
    const auto& c = mesh.vertices[t.corners[2]].position;
    const double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
    const double w[3] = {double(c[0]) - a[0], double(c[1]) - a[1], double(c[2]) - a[2]};
    const double n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                         u[0] * w[1] - u[1] * w[0]};
    return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) / 2;
}

using Key = std::array<quint32, 3>; // a position by its bits, -0.0 taken as +0.0
Key KeyOf(std::array<float, 3> p) {
    for (float& c : p)
        if (c == 0) c = 0;
    return {Bits(p[0]), Bits(p[1]), Bits(p[2])};
}

// A triangle as its three positions, rotated so that the smallest comes first
// (the winding kept).
std::array<Key, 3> Canonical(std::array<Key, 3> t) {
    std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
    return t;
}

} // namespace

TEST(FishMesh, CountsIndicesNormalsAndTextureCoordinates) {
    for (const MeshCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const PgxFile file = test::ShapedFish(c.shape);
        ASSERT_TRUE(ReadPgx(test::BuildPgx(file))) << "the fixture is a valid file";
        const FishMesh mesh = BuildFishMesh(file);
        const auto expected = ExpectedTriangles(file);

        int vertexEnd = 0, triangleEnd = 0;
        for (FishPart part : FishParts) {
            SCOPED_TRACE(FishPartName(part));
            const PartRange& r = mesh.range(part);
            EXPECT_EQ(r.triangleCount, expected.at(part));
            EXPECT_EQ(r.firstVertex, vertexEnd);
            EXPECT_EQ(r.firstTriangle, triangleEnd);
            if (r.triangleCount == 0) {
                EXPECT_EQ(r.vertexCount, 0);
            }
            vertexEnd += r.vertexCount;
            triangleEnd += r.triangleCount;
            for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t) {
                const MeshTriangle& tri = mesh.triangles[size_t(t)];
                EXPECT_EQ(tri.part, part);
                for (quint32 corner : tri.corners) {
                    EXPECT_GE(corner, quint32(r.firstVertex));
                    EXPECT_LT(corner, quint32(r.firstVertex + r.vertexCount));
                }
            }
        }
        EXPECT_EQ(size_t(vertexEnd), mesh.vertices.size());
        EXPECT_EQ(size_t(triangleEnd), mesh.triangles.size());

        for (const MeshTriangle& tri : mesh.triangles)
            ASSERT_GE(Area(mesh, tri), LeastTriangleArea) << FishPartName(tri.part);

        const Pgx::Transform t = Pgx::Transform::ForPicture(file.width, file.height);
        for (const MeshVertex& v : mesh.vertices) {
            const auto& n = v.normal;
            EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0, 1e-6);
            for (float p : v.position) EXPECT_TRUE(std::isfinite(p));
            EXPECT_FLOAT_EQ(v.texCoord[0], float(t.pictureX(v.position[0]) / file.width));
            EXPECT_FLOAT_EQ(v.texCoord[1], float(t.pictureY(v.position[1]) / file.height));
        }
    }
}

TEST(FishMesh, BodyKeepsTheFilesPositionsAndNormalsOnItsSide) {
    const PgxFile file = test::ShapedFish();
    const FishMesh mesh = BuildFishMesh(file);
    // The grid comes first, in the file's order and bits (-0.0 stays -0.0);
    // the pointed head and tail column are each one vertex, their first row.
    const int rows = file.rows(), columns = file.columns();
    std::vector<size_t> gridVertex;
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j)
            if (j == 0 || (i > 0 && i < columns - 1)) gridVertex.push_back(size_t(i * rows + j));
    for (size_t k = 0; k < gridVertex.size(); ++k)
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(Bits(mesh.vertices[k].position[c]), Bits(file.grid[gridVertex[k]][c])) << k;
    auto meshIndex = [&](int i, int j) {
        return size_t(std::find(gridVertex.begin(), gridVertex.end(), size_t(i * rows + j)) -
                      gridVertex.begin());
    };
    // Off the middle plane, a body vertex has its row's normal.
    const MeshVertex& middle = mesh.vertices[meshIndex(5, 2)];
    EXPECT_EQ(middle.normal, file.normals[2]);
    // A vertex on the top row near the head, shared by both halves, looks up
    // and forward, not across the plane.
    const MeshVertex& top = mesh.vertices[meshIndex(1, 0)];
    EXPECT_EQ(top.normal[2], 0.0f);
    EXPECT_GT(top.normal[1], 0.5f);
    EXPECT_LT(top.normal[0], 0.0f);
}

TEST(FishMesh, TheWholeFishIsItsOwnMirrorImage) {
    for (const MeshCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const FishMesh mesh = BuildFishMesh(test::ShapedFish(c.shape));
        for (FishPart part : FishParts) {
            SCOPED_TRACE(FishPartName(part));
            const PartRange& r = mesh.range(part);
            std::multiset<std::array<Key, 3>> triangles, mirrored;
            for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t) {
                const auto& corners = mesh.triangles[size_t(t)].corners;
                std::array<Key, 3> tri, mirror;
                for (int k = 0; k < 3; ++k) {
                    auto p = mesh.vertices[corners[size_t(k)]].position;
                    tri[size_t(k)] = KeyOf(p);
                    p[2] = -p[2];
                    mirror[size_t(2 - k)] = KeyOf(p); // a mirror turns the winding round
                }
                triangles.insert(Canonical(tri));
                mirrored.insert(Canonical(mirror));
            }
            EXPECT_TRUE(triangles == mirrored);
        }
    }
}

TEST(FishMesh, ABodyWithZeroDepthAtItsEdgesIsClosed) {
    for (const MeshCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const FishMesh mesh = BuildFishMesh(test::ShapedFish(c.shape));
        const PartRange& r = mesh.range(FishPart::Body);
        std::map<std::pair<quint32, quint32>, int> edges;
        for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t) {
            const auto& v = mesh.triangles[size_t(t)].corners;
            for (int k = 0; k < 3; ++k) ++edges[std::minmax(v[size_t(k)], v[size_t((k + 1) % 3)])];
        }
        const bool everyEdgeTwice =
            !edges.empty() &&
            std::all_of(edges.begin(), edges.end(), [](const auto& e) { return e.second == 2; });
        // A section with depth closes the body; a flat one (N = 1, no top
        // view yet, or only the two end columns) is a sheet seen from both sides.
        const bool thick = c.shape.n > 1 && !c.shape.flat && c.shape.columns > 2;
        EXPECT_EQ(everyEdgeTwice, thick);
        EXPECT_EQ(IsClosedSurface(mesh, FishPart::Body), thick);
    }
}

TEST(FishMesh, ClosedBodyFacesOutward) {
    // Outward: the signed volume of a closed surface wound counter-clockwise
    // from outside is positive, and each face's normal agrees with its
    // vertices' normals (every face has an area, so a direction).
    const FishMesh mesh = BuildFishMesh(test::ShapedFish());
    const PartRange& r = mesh.range(FishPart::Body);
    double volume = 0;
    int agreeing = 0;
    for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t) {
        const auto& c = mesh.triangles[size_t(t)].corners;
        const auto& a = mesh.vertices[c[0]].position;
        const auto& b = mesh.vertices[c[1]].position;
        const auto& d = mesh.vertices[c[2]].position;
        volume += (double(a[0]) * (double(b[1]) * d[2] - double(b[2]) * d[1]) -
                   double(a[1]) * (double(b[0]) * d[2] - double(b[2]) * d[0]) +
                   double(a[2]) * (double(b[0]) * d[1] - double(b[1]) * d[0])) /
                  6;
        const std::array<double, 3> u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]},
                                    w = {d[0] - a[0], d[1] - a[1], d[2] - a[2]};
        const std::array<double, 3> n = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                                         u[0] * w[1] - u[1] * w[0]};
        double dot = 0;
        for (quint32 k : c)
            for (int i = 0; i < 3; ++i) dot += n[size_t(i)] * mesh.vertices[k].normal[size_t(i)];
        agreeing += dot > 0;
    }
    EXPECT_GT(volume, 0);
    EXPECT_EQ(agreeing, r.triangleCount);
}

namespace {

// The z of the body's surface on the file's side at (x, y): the outermost of
// the body triangles on that side that cover the point; 0 where none does.
double SurfaceZ(const FishMesh& mesh, double x, double y) {
    const PartRange& r = mesh.range(FishPart::Body);
    double outermost = 0;
    for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t) {
        const auto& c = mesh.triangles[size_t(t)].corners;
        const auto& a = mesh.vertices[c[0]].position;
        const auto& b = mesh.vertices[c[1]].position;
        const auto& d = mesh.vertices[c[2]].position;
        if (a[2] > 0 || b[2] > 0 || d[2] > 0) continue;
        const double det = (b[0] - a[0]) * (d[1] - a[1]) - (d[0] - a[0]) * (b[1] - a[1]);
        if (det == 0) continue;
        const double wa = ((b[0] - x) * (d[1] - y) - (d[0] - x) * (b[1] - y)) / det;
        const double wb = ((d[0] - x) * (a[1] - y) - (a[0] - x) * (d[1] - y)) / det;
        if (wa < -1e-9 || wb < -1e-9 || 1 - wa - wb < -1e-9) continue;
        outermost = std::min(outermost, wa * a[2] + wb * b[2] + (1 - wa - wb) * d[2]);
    }
    return outermost;
}

} // namespace

TEST(FishMesh, FinStripsHaveNoFlatOrFoldedTriangles) {
    // The dorsal strip's lower points on the body outline, as traced; where
    // the outline already reaches the fin's edge a column is one point. The
    // anal strip's fin edge crosses over the body outline in its middle
    // column, so its quads fold.
    PgxFile file = test::ShapedFish();
    const Pgx::Transform t = Pgx::Transform::ForPicture(file.width, file.height);
    file.dorsal[1] = file.dorsal[0];             // column 0: one point
    file.dorsal[5] = file.dorsal[4];             // column 2: one point
    std::swap(file.anal[2][1], file.anal[3][1]); // column 1 upside down
    file.anal[3][1] = float(file.anal[3][1] + t.y(0) - t.y(30));
    const FishMesh mesh = BuildFishMesh(file);
    for (FishPart part : {FishPart::Tail, FishPart::Dorsal, FishPart::Anal, FishPart::Ventral,
                          FishPart::Whisker, FishPart::Pectoral}) {
        SCOPED_TRACE(FishPartName(part));
        const PartRange& r = mesh.range(part);
        ASSERT_GT(r.triangleCount, 0);
        // Each face of a piece has triangles of its own vertices; every
        // triangle looks as its vertices' normals do, and so as its face does.
        for (int k = r.firstTriangle; k < r.firstTriangle + r.triangleCount; ++k) {
            const MeshTriangle& tri = mesh.triangles[size_t(k)];
            ASSERT_GE(Area(mesh, tri), LeastTriangleArea);
            const auto& a = mesh.vertices[tri.corners[0]].position;
            const auto& b = mesh.vertices[tri.corners[1]].position;
            const auto& c = mesh.vertices[tri.corners[2]].position;
            const double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
            const double w[3] = {double(c[0]) - a[0], double(c[1]) - a[1], double(c[2]) - a[2]};
            const double n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                                 u[0] * w[1] - u[1] * w[0]};
            for (quint32 v : tri.corners) {
                const auto& vn = mesh.vertices[v].normal;
                EXPECT_GT(n[0] * vn[0] + n[1] * vn[1] + n[2] * vn[2], 0) << k;
            }
        }
    }
    // Each of the dorsal strip's 3 quads has a column that is one point and
    // keeps one of its two triangles, on each face.
    EXPECT_EQ(mesh.range(FishPart::Dorsal).triangleCount, 6);
    // The folded anal strip is all there, each face looking one way.
    EXPECT_EQ(mesh.range(FishPart::Anal).triangleCount, 8);
    const PartRange& anal = mesh.range(FishPart::Anal);
    int towardsMinusZ = 0;
    for (int k = anal.firstVertex; k < anal.firstVertex + anal.vertexCount; ++k)
        towardsMinusZ += mesh.vertices[size_t(k)].normal[2] < 0;
    EXPECT_EQ(towardsMinusZ, anal.vertexCount / 2);
}

TEST(FishMesh, TheEyeAndThePectoralFinStandOutOfTheBody) {
    PgxFile file = test::ShapedFish();
    const Pgx::Transform t = Pgx::Transform::ForPicture(file.width, file.height);
    // The shaped fish's eye centre is outside its body (depth 30 over a
    // body about 18 deep there) and stays where it is; moved in to depth 5
    // it is set on the surface.
    for (double depth : {30.0, 5.0}) {
        SCOPED_TRACE(depth);
        file.eye[0][2] = Pgx::Transform::z(depth);
        const FishMesh mesh = BuildFishMesh(file);
        const PartRange& eye = mesh.range(FishPart::Eye);
        const MeshVertex& apex = mesh.vertices[size_t(eye.firstVertex)];
        const double surface = SurfaceZ(mesh, t.x(45), t.y(82));
        ASSERT_LT(surface, -0.2);
        const double base = depth == 30 ? -0.6 : surface;
        EXPECT_NEAR(apex.position[2], base - 4 / 50.0, 1e-6); // the bulge stands out from it
        EXPECT_FLOAT_EQ(apex.position[0], t.x(45));
    }
    // The shaped fish's pectoral fin lies inside its body (root at depth 0,
    // corners at 20 and 10 over a body about 35 deep): each corner now
    // stands out from the surface under it by its own depth.
    const FishMesh mesh = BuildFishMesh(file);
    const PartRange& fin = mesh.range(FishPart::Pectoral);
    ASSERT_EQ(fin.vertexCount, 16);
    const std::array<double, 4> depth = {0, 0, 20, 10};
    for (int k = 0; k < 4; ++k) {
        const MeshVertex& v = mesh.vertices[size_t(fin.firstVertex + k)];
        const double surface = SurfaceZ(mesh, v.position[0], v.position[1]);
        EXPECT_LT(surface, -0.2) << k;
        EXPECT_NEAR(v.position[2], surface - depth[size_t(k)] / 50, 1e-5) << k;
    }
}
