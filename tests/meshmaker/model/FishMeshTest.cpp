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

// The triangles each part must have, from the file's counts alone.
std::map<FishPart, int> ExpectedTriangles(const PgxFile& f) {
    std::map<FishPart, int> t;
    t[FishPart::Body] = 4 * f.n * (f.columns() - 1);
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
    // The grid comes first, in the file's order and bits (-0.0 stays -0.0).
    for (size_t g = 0; g < file.grid.size(); ++g)
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(Bits(mesh.vertices[g].position[c]), Bits(file.grid[g][c])) << g;
    // Off the middle plane, a body vertex has its row's normal.
    const int rows = file.rows();
    const MeshVertex& middle = mesh.vertices[size_t(5 * rows + 2)];
    EXPECT_EQ(middle.normal, file.normals[2]);
    // A vertex on the top row near the head, shared by both halves, looks up
    // and forward, not across the plane.
    const MeshVertex& top = mesh.vertices[size_t(1 * rows + 0)];
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
    // vertices' normals (faces of no area have no direction to agree with).
    const FishMesh mesh = BuildFishMesh(test::ShapedFish());
    const PartRange& r = mesh.range(FishPart::Body);
    double volume = 0;
    int faces = 0, agreeing = 0;
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
        const bool hasArea = n[0] != 0 || n[1] != 0 || n[2] != 0; // the pointed head has none
        faces += hasArea;
        agreeing += hasArea && dot > 0;
    }
    EXPECT_GT(volume, 0);
    EXPECT_GT(faces, r.triangleCount / 2);
    EXPECT_EQ(agreeing, faces);
}
