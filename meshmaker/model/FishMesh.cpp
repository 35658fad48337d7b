// A PGX file's fish as triangles: the one place for that rule; the 3-D view,
// the glTF and OBJ exports and --info take this mesh.

#include "FishMesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

using Vec3 = std::array<double, 3>;
using Face = std::array<int, 3>; // corners, indices into one piece's points

Vec3 ToVec(const std::array<float, 3>& v) {
    return {v[0], v[1], v[2]};
}
Vec3 Minus(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
void AddTo(Vec3& sum, const Vec3& v) {
    for (int c = 0; c < 3; ++c) sum[c] += v[c];
}
// Twice the face's area along its normal: the weight of the face in a vertex normal.
Vec3 FaceNormal(const Vec3& a, const Vec3& b, const Vec3& c) {
    return Cross(Minus(b, a), Minus(c, a));
}

// The unit vector along v, or nothing when v has no usable direction.
std::optional<std::array<float, 3>> Unit(const Vec3& v) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (!(length > 1e-12) || !std::isfinite(length)) return std::nullopt;
    return std::array<float, 3>{float(v[0] / length), float(v[1] / length), float(v[2] / length)};
}

std::array<float, 3> Mirrored(std::array<float, 3> v) {
    v[2] = -v[2];
    return v;
}

bool OnMiddlePlane(const PgxVertex& v) {
    return v[2] == 0.0f; // +0.0 and -0.0 alike
}

double Dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Whether a face, by its FaceNormal, has an area anything could show.
bool HasArea(const Vec3& faceNormal) {
    // Half the normal's length is the area; compared squared.
    return Dot(faceNormal, faceNormal) >= 4 * LeastTriangleArea * LeastTriangleArea;
}

// Two rows of a body column closer than this (file units, 1/200 of a picture
// pixel) are one point: rounding alone parts the rows of a column of no
// height, and a triangle between such rows and the next column, at least a
// pixel away, would have less than LeastTriangleArea.
constexpr double OnePointApart = 1e-4;

double SquaredDistance(const std::array<float, 3>& a, const std::array<float, 3>& b) {
    const Vec3 d = Minus(ToVec(a), ToVec(b));
    return Dot(d, d);
}

// Neighbouring rows of a body column at least this far apart (file units),
// on one vertical plane as the editor writes them, make every triangle with
// the next column, dx away, at least CloseRows * |dx| / 2 in area: two of its
// corners lie on the plane, the third dx off it. Only the triangles of
// columns with rows closer than this or off one plane, or of columns closer
// together than 4 * LeastTriangleArea / CloseRows (a fifth of a pixel, twice
// what the area needs), have their area measured.
constexpr double CloseRows = 1e-3;

class MeshBuilder {
public:
    explicit MeshBuilder(const PgxFile& file)
        : file_(file), transform_(Pgx::Transform::ForPicture(file.width, file.height)) {}

    FishMesh build() {
        // Room for every part at once: at most two copies of the grid, four of
        // each strip and of the pectoral quad, two eyes.
        size_t strips = 0;
        for (const auto* strip :
             {&file_.tail, &file_.dorsal, &file_.anal, &file_.ventral, &file_.whiskers})
            strips += strip->size();
        const size_t eye = 1 + size_t(EyeSegments) * EyeRings;
        mesh_.vertices.reserve(2 * file_.grid.size() + 4 * (strips + file_.pectoral.size()) +
                               2 * eye);
        mesh_.triangles.reserve(4 * file_.grid.size() + 4 * (strips + file_.pectoral.size()) +
                                4 * eye);
        for (FishPart part : FishParts) {
            PartRange& range = mesh_.parts[size_t(part)];
            range.firstVertex = int(mesh_.vertices.size());
            range.firstTriangle = int(mesh_.triangles.size());
            addPart(part);
            range.vertexCount = int(mesh_.vertices.size()) - range.firstVertex;
            range.triangleCount = int(mesh_.triangles.size()) - range.firstTriangle;
        }
        dropUnusedVertices();
        return std::move(mesh_);
    }

private:
    void addPart(FishPart part) {
        switch (part) {
        case FishPart::Body:
            return addBody();
        case FishPart::Tail:
            return addStrip(part, file_.tail, false);
        case FishPart::Dorsal:
            return addStrip(part, file_.dorsal, false);
        case FishPart::Anal:
            return addStrip(part, file_.anal, false);
        case FishPart::Ventral:
            return addStrip(part, file_.ventral, true);
        case FishPart::Whisker:
            return addStrip(part, file_.whiskers, true);
        case FishPart::Pectoral:
            if (file_.pectoral.size() == 4)
                addTwoFaced(part, overTheBody(file_.pectoral), {{0, 1, 2}, {0, 2, 3}}, true);
            return;
        case FishPart::Eye:
            if (file_.eye.size() == 2) {
                addEye(false);
                addEye(true);
            }
            return;
        }
    }

    quint32 addVertex(const std::array<float, 3>& position, const std::array<float, 3>& normal) {
        // The picture point the position came from, over the picture's size.
        const float u = float(transform_.pictureX(position[0]) / file_.width);
        const float v = float(transform_.pictureY(position[1]) / file_.height);
        mesh_.vertices.push_back({position, normal, {u, v}});
        return quint32(mesh_.vertices.size() - 1);
    }

    void addTriangle(quint32 a, quint32 b, quint32 c, FishPart part) {
        mesh_.triangles.push_back({{a, b, c}, part});
    }

    // The body grid and its mirror; a vertex on the middle plane serves both.
    void addBody() {
        const int columns = file_.columns(), rows = file_.rows();
        if (columns < 2) return;
        const auto grid = [&](int i, int j) { return size_t(i) * rows + j; };
        const size_t count = file_.grid.size();
        const quint32 base = quint32(mesh_.vertices.size());

        // Indices: the file's half in the file's order, then the mirror of
        // every vertex off the plane.
        std::vector<quint32> front(count), back(count);
        for (size_t g = 0; g < count; ++g) front[g] = base + quint32(g);
        quint32 next = base + quint32(count);
        for (size_t g = 0; g < count; ++g)
            back[g] = OnMiddlePlane(file_.grid[g]) ? front[g] : next++;

        // Every body vertex at the file's own floats (-0.0 included), the
        // mirror by negation.
        std::vector<std::array<float, 3>> points(next - base);
        for (size_t g = 0; g < count; ++g) {
            points[front[g] - base] = file_.grid[g];
            if (back[g] != front[g]) points[back[g] - base] = Mirrored(file_.grid[g]);
        }
        // Neighbouring rows of a column at one point are one vertex (a column
        // of no height, at a pointed head or tail), so the triangles that then
        // have two corners alike can be left out and the surface stays closed.
        std::vector<quint32> same(points.size());
        for (size_t k = 0; k < same.size(); ++k) same[k] = quint32(k);
        std::vector<char> measured(size_t(columns), 0), welded(size_t(columns), 0);
        // The two halves' rows are as far apart as the file's, mirrored.
        for (int i = 0; i < columns; ++i)
            for (int j = 1; j < rows; ++j) {
                const size_t upper = grid(i, j - 1), lower = grid(i, j);
                const PgxVertex &p = file_.grid[upper], &q = file_.grid[lower];
                if (p[0] != q[0]) measured[size_t(i)] = 1;
                // Rows further apart in height than CloseRows are not close:
                // the common case, decided at once.
                if (std::abs(double(p[1]) - q[1]) >= CloseRows) continue;
                const double apart = SquaredDistance(p, q);
                if (apart < CloseRows * CloseRows) measured[size_t(i)] = 1;
                if (apart >= OnePointApart * OnePointApart) continue;
                welded[size_t(i)] = 1;
                for (const std::vector<quint32>* half : {&front, &back})
                    same[(*half)[lower] - base] = same[(*half)[upper] - base];
            }

        // The faces, in body-local vertex numbers. Between two columns with
        // no rows at one point, each on one vertical plane, with rows and
        // columns far enough apart, every face has an area and uses its
        // corners as they are (a plain pair of columns); elsewhere each face
        // is checked, and the vertices that a face uses are marked.
        std::vector<Face> faces;
        faces.reserve(size_t(4) * (columns - 1) * (rows - 1));
        std::vector<char> plain(size_t(columns), 0), used(points.size(), 0);
        const auto checkedFace = [&](quint32 a, quint32 b, quint32 c) {
            const Face f = {int(same[a - base]), int(same[b - base]), int(same[c - base])};
            if (f[0] == f[1] || f[1] == f[2] || f[2] == f[0]) return; // its rows are one point
            if (!HasArea(FaceNormal(ToVec(points[size_t(f[0])]), ToVec(points[size_t(f[1])]),
                                    ToVec(points[size_t(f[2])]))))
                return;
            faces.push_back(f);
            used[size_t(f[0])] = used[size_t(f[1])] = used[size_t(f[2])] = 1;
        };
        // Where each pair of neighbouring columns' faces begins, for
        // bodySurface; the body's triangles are its faces in this order.
        columnFaces_.assign(size_t(columns), 0);
        for (int i = 0; i + 1 < columns; ++i) {
            columnFaces_[size_t(i)] =
                mesh_.parts[size_t(FishPart::Body)].firstTriangle + int(faces.size());
            const double dx = double(file_.grid[grid(i + 1, 0)][0]) - file_.grid[grid(i, 0)][0];
            plain[size_t(i)] = !welded[size_t(i)] && !welded[size_t(i) + 1] &&
                               !measured[size_t(i)] && !measured[size_t(i) + 1] &&
                               std::abs(dx) * CloseRows >= 4 * LeastTriangleArea;
            for (int j = 0; j + 1 < rows; ++j) {
                const size_t a = grid(i, j), b = grid(i, j + 1), c = grid(i + 1, j),
                             d = grid(i + 1, j + 1);
                const auto flat = [&](size_t p, size_t q, size_t r) {
                    return back[p] == front[p] && back[q] == front[q] && back[r] == front[r];
                };
                // Split along b-c unless that leaves a triangle lying flat on
                // the middle plane (the corner quads at the head and the tail),
                // which the mirror would double.
                const bool otherDiagonal =
                    (flat(a, c, b) || flat(c, d, b)) && !flat(a, c, d) && !flat(a, d, b);
                const std::array<std::array<size_t, 3>, 2> quad =
                    otherDiagonal ? std::array<std::array<size_t, 3>, 2>{{{a, c, d}, {a, d, b}}}
                                  : std::array<std::array<size_t, 3>, 2>{{{a, c, b}, {c, d, b}}};
                for (const auto& t : quad) {
                    if (plain[size_t(i)]) {
                        faces.push_back({int(front[t[0]] - base), int(front[t[1]] - base),
                                         int(front[t[2]] - base)});
                        faces.push_back({int(back[t[0]] - base), int(back[t[2]] - base),
                                         int(back[t[1]] - base)});
                    } else {
                        checkedFace(front[t[0]], front[t[1]], front[t[2]]);
                        checkedFace(back[t[0]], back[t[2]], back[t[1]]);
                    }
                }
            }
        }
        columnFaces_.back() = mesh_.parts[size_t(FishPart::Body)].firstTriangle + int(faces.size());

        // Then the sum of the face normals round each vertex.
        // Row normals once per row: the file's, and the same with z dropped
        // for the vertices on the plane.
        const size_t rowCount = size_t(rows);
        std::vector<std::optional<std::array<float, 3>>> rowNormal(rowCount),
            rowAlongPlane(rowCount);
        for (int j = 0; j < rows; ++j) {
            Vec3 n = ToVec(file_.normals[size_t(j)]);
            rowNormal[size_t(j)] = Unit(n);
            n[2] = 0;
            rowAlongPlane[size_t(j)] = Unit(n);
        }

        // The face normals round a vertex, only where they are needed: on the
        // plane, and where the row's normal has no direction.
        std::vector<char> needsFaces(points.size(), 0);
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j) {
                const size_t g = grid(i, j);
                if (back[g] == front[g] || !rowNormal[size_t(j)])
                    needsFaces[front[g] - base] = needsFaces[back[g] - base] = 1;
            }
        std::vector<Vec3> faceSums(points.size(), Vec3{});
        for (const Face& f : faces) {
            if (!needsFaces[f[0]] && !needsFaces[f[1]] && !needsFaces[f[2]]) continue;
            const Vec3 n =
                FaceNormal(ToVec(points[f[0]]), ToVec(points[f[1]]), ToVec(points[f[2]]));
            for (int corner : f)
                if (needsFaces[corner]) AddTo(faceSums[corner], n);
        }

        std::vector<std::array<float, 3>> normals(points.size());
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j) {
                const size_t g = grid(i, j), k = front[g] - base;
                if (back[g] == front[g]) {
                    Vec3 sum = faceSums[k];
                    sum[2] = 0; // both halves' normals summed
                    if (const auto n = Unit(sum))
                        normals[k] = *n;
                    else
                        normals[k] =
                            rowAlongPlane[size_t(j)].value_or(std::array<float, 3>{0, 1, 0});
                    continue;
                }
                std::array<float, 3> n = {0, 0, -1};
                if (rowNormal[size_t(j)])
                    n = *rowNormal[size_t(j)];
                else if (const auto fromFaces = Unit(faceSums[k]))
                    n = *fromFaces;
                normals[k] = n;
                normals[back[g] - base] = Mirrored(n);
            }

        // Only the vertices a face uses: every one of a column beside a plain
        // pair, and those marked.
        for (int i = 0; i < columns; ++i)
            if ((i > 0 && plain[size_t(i) - 1]) || plain[size_t(i)])
                for (int j = 0; j < rows; ++j)
                    used[front[grid(i, j)] - base] = used[back[grid(i, j)] - base] = 1;
        std::vector<quint32> emitted(points.size(), 0);
        for (size_t k = 0; k < points.size(); ++k)
            if (used[k]) emitted[k] = addVertex(points[k], normals[k]);
        for (const Face& f : faces)
            addTriangle(emitted[size_t(f[0])], emitted[size_t(f[1])], emitted[size_t(f[2])],
                        FishPart::Body);
    }

    // A strip of column pairs: one quad between neighbouring columns.
    void addStrip(FishPart part, const std::vector<PgxVertex>& strip, bool mirrored) {
        const int columns = int(strip.size() / 2);
        if (columns < 2) return;
        std::vector<Face> faces;
        for (int k = 0; k + 1 < columns; ++k) {
            const int a = 2 * k, b = 2 * k + 1, c = 2 * k + 2, d = 2 * k + 3;
            faces.push_back({a, c, b});
            faces.push_back({c, d, b});
        }
        addTwoFaced(part, strip, faces, mirrored);
    }

    // A flat piece: the faces as given and the same faces reversed, each with
    // vertices of its own; with mirrored, once more on the other side. A face
    // without area is left out, and every face is wound to look where the
    // piece looks (a strip whose columns cross folds over itself): a piece in
    // the middle plane looks to -z, another along the sum of its faces'
    // normals.
    void addTwoFaced(FishPart part, const std::vector<PgxVertex>& points,
                     const std::vector<Face>& givenFaces, bool mirrored) {
        std::vector<Face> faces;
        std::vector<Vec3> normals;
        Vec3 total{};
        bool inThePlane = true;
        for (const PgxVertex& p : points) inThePlane = inThePlane && p[2] == 0.0f;
        for (const Face& f : givenFaces) {
            const Vec3 n = FaceNormal(ToVec(points[size_t(f[0])]), ToVec(points[size_t(f[1])]),
                                      ToVec(points[size_t(f[2])]));
            if (!HasArea(n)) continue;
            faces.push_back(f);
            normals.push_back(n);
            AddTo(total, n);
        }
        Vec3 looks = {0, 0, -1};
        if (!inThePlane && Unit(total)) looks = total;
        // The face normals summed round each point, the faces wound to look
        // one way; only the points a face uses are made (a column of one
        // point may have none).
        std::vector<Vec3> sums(points.size(), Vec3{});
        total = Vec3{};
        std::vector<char> used(points.size(), 0);
        for (size_t k = 0; k < faces.size(); ++k) {
            Face& f = faces[k];
            Vec3& n = normals[k];
            if (Dot(n, looks) < 0) {
                std::swap(f[1], f[2]);
                n = {-n[0], -n[1], -n[2]};
            }
            for (int corner : f) {
                AddTo(sums[size_t(corner)], n);
                used[size_t(corner)] = 1;
            }
            AddTo(total, n);
        }

        std::vector<quint32> emitted(points.size(), 0);
        for (bool mirror : {false, true}) {
            if (mirror && !mirrored) break;
            for (bool reversed : {false, true}) {
                // A normal of the faces reversed points the other way; of the
                // mirrored points, wound as they are, it is mirrored and turned
                // (the z axis negated changes the winding's sense).
                const auto turned = [&](const Vec3& n) -> Vec3 {
                    const double a = reversed != mirror ? -1.0 : 1.0, c = reversed ? -1.0 : 1.0;
                    return {a * n[0], a * n[1], c * n[2]};
                };
                // With no area at all, the face the file's side sees first looks to -z.
                const float axis = (reversed != mirror) ? 1.0f : -1.0f;
                const auto whole = Unit(turned(total)).value_or(std::array<float, 3>{0, 0, axis});
                for (size_t k = 0; k < points.size(); ++k)
                    if (used[k])
                        emitted[k] = addVertex(mirror ? Mirrored(points[k]) : points[k],
                                               Unit(turned(sums[k])).value_or(whole));
                for (const Face& f : faces)
                    if (reversed)
                        addTriangle(emitted[size_t(f[0])], emitted[size_t(f[2])],
                                    emitted[size_t(f[1])], part);
                    else
                        addTriangle(emitted[size_t(f[0])], emitted[size_t(f[1])],
                                    emitted[size_t(f[2])], part);
            }
        }
    }

    // The z of the body's surface on the file's side at (x, y): where the
    // file-side triangles of the body pass over the point, the outermost;
    // nothing where the body does not cover it.
    std::optional<double> bodySurface(double x, double y) const {
        std::optional<double> outermost;
        // Only the faces between columns on either side of x can cover it.
        const int rows = file_.rows();
        for (size_t i = 0; i + 1 < columnFaces_.size(); ++i) {
            const float x0 = file_.grid[i * size_t(rows)][0],
                        x1 = file_.grid[(i + 1) * size_t(rows)][0];
            if (x < std::min(x0, x1) || x > std::max(x0, x1)) continue;
            for (int t = columnFaces_[i]; t < columnFaces_[i + 1]; ++t) coverBy(t, x, y, outermost);
        }
        return outermost;
    }

    // Where body triangle t covers (x, y) on the file's side, its z there,
    // if that is further out than outermost.
    void coverBy(int t, double x, double y, std::optional<double>& outermost) const {
        const auto& c = mesh_.triangles[size_t(t)].corners;
        const auto& a = mesh_.vertices[c[0]].position;
        const auto& b = mesh_.vertices[c[1]].position;
        const auto& d = mesh_.vertices[c[2]].position;
        if (a[2] > 0 || b[2] > 0 || d[2] > 0) return; // the mirror's half
        const double det = (double(b[0]) - a[0]) * (double(d[1]) - a[1]) -
                           (double(d[0]) - a[0]) * (double(b[1]) - a[1]);
        if (det == 0) return; // seen edge-on
        const double wa = ((b[0] - x) * (d[1] - y) - (d[0] - x) * (b[1] - y)) / det;
        const double wb = ((d[0] - x) * (a[1] - y) - (a[0] - x) * (d[1] - y)) / det;
        const double wd = 1 - wa - wb;
        constexpr double edge = -1e-9; // a point on a shared edge is on both
        if (wa < edge || wb < edge || wd < edge) return;
        const double z = wa * a[2] + wb * b[2] + wd * d[2];
        if (!outermost || z < *outermost) outermost = z;
    }

    // The pectoral fin's corners with the body under them: a corner inside
    // the body stands out from its surface by its own depth, so the fin grows
    // out of the body's side instead of lying buried in it (the file puts the
    // root at the middle plane, the outer point 0.6 times the thickness
    // setting out, which most bodies are thicker than).
    std::vector<PgxVertex> overTheBody(std::vector<PgxVertex> corners) const {
        for (PgxVertex& p : corners) {
            const auto surface = bodySurface(p[0], p[1]);
            if (surface && p[2] > *surface && p[2] < -*surface)
                p[2] = float(*surface + std::min(double(p[2]), 0.0));
        }
        return corners;
    }

    // Leaves out the vertices that no triangle of their part uses, where a
    // face was left out after its vertices were made (an eye's of no size).
    void dropUnusedVertices() {
        if (!leftOut_) return;
        std::vector<quint32> newIndex(mesh_.vertices.size(), 0);
        std::vector<char> used(mesh_.vertices.size(), 0);
        for (const MeshTriangle& t : mesh_.triangles)
            for (quint32 c : t.corners) used[c] = 1;
        quint32 kept = 0;
        for (PartRange& range : mesh_.parts) {
            const int first = int(kept);
            for (int v = range.firstVertex; v < range.firstVertex + range.vertexCount; ++v)
                if (used[size_t(v)]) {
                    newIndex[size_t(v)] = kept;
                    mesh_.vertices[kept++] = mesh_.vertices[size_t(v)];
                }
            range.firstVertex = first;
            range.vertexCount = int(kept) - first;
        }
        mesh_.vertices.resize(kept);
        for (MeshTriangle& t : mesh_.triangles)
            for (quint32& c : t.corners) c = newIndex[c];
    }

    // A half ellipsoid over the eye centre: rings of points round the axis
    // through the centre along z, standing out by the bulge.
    void addEye(bool mirror) {
        Vec3 centre = ToVec(file_.eye[0]);
        // A centre inside the body is set on its surface, so the eye is seen.
        if (const auto surface = bodySurface(centre[0], centre[1]);
            surface && centre[2] > *surface && centre[2] < -*surface)
            centre[2] = *surface;
        const double radius = file_.eye[1][0], bulge = file_.eye[1][1];
        // The directions round the axis, the same for every ring.
        static const auto directions = [] {
            std::array<std::array<double, 2>, EyeSegments> d{};
            for (int s = 0; s < EyeSegments; ++s)
                d[size_t(s)] = {std::cos(2 * std::numbers::pi * s / EyeSegments),
                                std::sin(2 * std::numbers::pi * s / EyeSegments)};
            return d;
        }();
        auto point = [&](int ring, int segment) {
            const double rho = double(ring) / EyeRings;
            const auto& direction = directions[size_t(segment)];
            const double dx = radius * rho * direction[0], dy = radius * rho * direction[1];
            const double dz = -bulge * std::sqrt(std::max(0.0, 1 - rho * rho));
            // The ellipsoid's normal: the offset divided by the squared half axes.
            const Vec3 n = {dx * bulge * bulge, dy * bulge * bulge, dz * radius * radius};
            std::array<float, 3> p = {float(centre[0] + dx), float(centre[1] + dy),
                                      float(centre[2] + dz)};
            std::array<float, 3> normal = Unit(n).value_or(std::array<float, 3>{0, 0, -1});
            if (mirror) {
                p[2] = -p[2];
                normal = Mirrored(normal);
            }
            return addVertex(p, normal);
        };

        const quint32 apex = point(0, 0);
        std::vector<quint32> rings; // ring r (1..EyeRings), segment s at (r - 1) * EyeSegments + s
        for (int r = 1; r <= EyeRings; ++r)
            for (int s = 0; s < EyeSegments; ++s) rings.push_back(point(r, s));
        auto at = [&](int r, int s) {
            return rings[size_t(r - 1) * EyeSegments + s % EyeSegments];
        };

        // Clockwise in x, y seen from +z faces -z, the file's side.
        auto triangle = [&](quint32 a, quint32 b, quint32 c) {
            if (mirror) std::swap(b, c);
            const auto at = [&](quint32 v) { return ToVec(mesh_.vertices[v].position); };
            if (HasArea(FaceNormal(at(a), at(b), at(c))))
                addTriangle(a, b, c, FishPart::Eye);
            else
                leftOut_ = true;
        };
        for (int s = 0; s < EyeSegments; ++s) triangle(apex, at(1, s + 1), at(1, s));
        for (int r = 1; r < EyeRings; ++r)
            for (int s = 0; s < EyeSegments; ++s) {
                triangle(at(r, s), at(r, s + 1), at(r + 1, s + 1));
                triangle(at(r, s), at(r + 1, s + 1), at(r + 1, s));
            }
    }

    const PgxFile& file_;
    const Pgx::Transform transform_;
    FishMesh mesh_;
    // The first body triangle between columns i and i + 1; the last entry
    // ends the body's. Empty without a body.
    std::vector<int> columnFaces_;
    // Whether a face was left out after its vertices were made.
    bool leftOut_ = false;
};

} // namespace

const char* FishPartName(FishPart part) {
    switch (part) {
    case FishPart::Body:
        return "body";
    case FishPart::Tail:
        return "tail";
    case FishPart::Dorsal:
        return "dorsal";
    case FishPart::Anal:
        return "anal";
    case FishPart::Ventral:
        return "ventral";
    case FishPart::Pectoral:
        return "pectoral";
    case FishPart::Whisker:
        return "whisker";
    case FishPart::Eye:
        return "eye";
    }
    return "";
}

FishMesh BuildFishMesh(const PgxFile& file) {
    return MeshBuilder(file).build();
}

bool IsClosedSurface(const FishMesh& mesh, FishPart part) {
    const PartRange& range = mesh.range(part);
    if (range.triangleCount == 0) return false;
    // Each edge (a, b), a < b, goes into the bucket of a; a bucket holds the
    // few edges round one vertex, so counting within each is quick. This
    // runs on every rebuild of the 3-D view that changes the triangles.
    const size_t vertices = mesh.vertices.size();
    const auto first = mesh.triangles.begin() + range.firstTriangle;
    const auto last = first + range.triangleCount;
    std::vector<quint32> start(vertices + 1, 0);
    for (auto t = first; t != last; ++t)
        for (int k = 0; k < 3; ++k) {
            const quint32 a = t->corners[size_t(k)], b = t->corners[size_t((k + 1) % 3)];
            if (std::max(a, b) >= vertices) return false;
            ++start[std::min(a, b) + 1];
        }
    for (size_t v = 0; v < vertices; ++v) start[v + 1] += start[v];
    std::vector<quint32> fill(start.begin(), start.end() - 1), other(start[vertices]);
    for (auto t = first; t != last; ++t)
        for (int k = 0; k < 3; ++k) {
            const quint32 a = t->corners[size_t(k)], b = t->corners[size_t((k + 1) % 3)];
            other[fill[std::min(a, b)]++] = std::max(a, b);
        }
    for (size_t v = 0; v < vertices; ++v) {
        const auto begin = other.begin() + start[v], end = other.begin() + start[v + 1];
        std::sort(begin, end);
        for (auto e = begin; e != end;) {
            const auto run = std::find_if(e, end, [&](quint32 b) { return b != *e; });
            if (run - e != 2) return false;
            e = run;
        }
    }
    return true;
}
