#pragma once
// What must hold after every event of the editor, whatever the user did:
// no list past its capacity, every last index consistent with its end
// marker, no NaN or infinity anywhere, and every saved file readable.

#include "EditorPicture.h"
#include "Fish.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "PixelRules.h"
#include "TForm1.h"

#include <QByteArray>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fuzzcheck {

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void Require(bool ok, const char* what) {
    if (!ok) Fail(what);
}

template <typename Array> void RequireFinite(const Array& values, const char* what) {
    for (double v : values) Require(std::isfinite(v), what);
}

// A strip's last index: 0 (never built or cleared), -1 (built empty) or odd
// within the capacity, with the end marker after it.
template <typename Array>
void RequireList(const Array& xs, int last, int capacity, const char* what) {
    Require(last >= -1 && last <= capacity - 2, what);
    if (last != 0) {
        Require(last == -1 || last % 2 == 1, what);
        Require(xs[last + 1] == -1.0, what);
    }
}

inline void CheckFish(const Fish& s) {
    RequireList(s.BodyX, s.BodyLast, BodyCapacity, "body list");
    RequireList(s.TailX, s.TailLast, StripCapacity, "tail list");
    RequireList(s.DorsalX, s.DorsalLast, StripCapacity, "dorsal list");
    RequireList(s.VentralX, s.VentralLast, StripCapacity, "ventral list");
    RequireList(s.AnalX, s.AnalLast, StripCapacity, "anal list");
    RequireList(s.WhiskerX, s.WhiskerLast, StripCapacity, "whisker list");
    Require(s.N() >= 0 && s.N() <= MaxDivisions, "divisions");
    for (const auto* a : {&s.BodyX, &s.BodyY}) RequireFinite(*a, "body values");
    for (const auto* a : {&s.TailX, &s.TailY, &s.DorsalX, &s.DorsalY, &s.VentralX, &s.VentralY,
                          &s.VentralZ, &s.AnalX, &s.AnalY, &s.WhiskerX, &s.WhiskerY})
        RequireFinite(*a, "strip values");
    for (const auto* a : {&s.PectoralX, &s.PectoralY, &s.PectoralZ})
        RequireFinite(*a, "pectoral values");
    RequireFinite(s.SectionY, "section");
    RequireFinite(s.SectionZ, "section");
    RequireFinite(s.TopX, "top view");
    RequireFinite(s.TopW, "top view");
    for (const Normal& n : s.SectionNormals)
        for (float c : n) Require(std::isfinite(c), "normals");
    for (double v : {s.SectionMaxZ, s.TopPeakX, s.EyeX, s.EyeY, s.EyeZ, s.EyeRadius, s.EyeBulge})
        Require(std::isfinite(v), "single values");
}

// The editor at the end of an event: the fish as above, settled, and shown
// by controls that agree with it.
inline void CheckEditor(TForm1& form) {
    CheckFish(form.Current());
    Require(!form.AfterEvent(), "an event settles the fish once");
    const Fish& f = form.Current();
    for (const ScrollBar* bar : {&form.ScrollBar1, &form.ScrollBar2, &form.ScrollBar4})
        Require(bar->Min <= bar->Max && bar->Position >= bar->Min && bar->Position <= bar->Max,
                "scroll positions within their ranges");
    Require(form.ScrollBar1.Position == f.TailPosition && form.ScrollBar2.Position == f.Thickness &&
                form.ScrollBar4.Position == f.PeakPosition,
            "scroll bars show the fish");
    Require(form.CheckBox1.Checked == f.BodyDone && form.CheckBox2.Checked == f.TailDone &&
                form.CheckBox6.Checked == f.PectoralDone && form.CheckBox8.Checked == f.WhiskerOn,
            "check boxes show the fish");
}

// A file position, back in picture pixels, is the editor's value: within
// what rounding to a float once can move it.
inline bool Near(double pixels, double expected) {
    return std::abs(pixels - expected) <= 1e-3 + 1e-5 * std::abs(expected);
}

inline bool PlusZero(float v) {
    return std::bit_cast<quint32>(v) == 0u;
}

// A written PGX file: read back block by block with the project's reader,
// its size as the counts say, and every value what the editor holds: the
// picture's real size, the counts and flags, and each vertex, taken back
// to picture pixels, the point of the fish it was made from.
inline void CheckPgx(const QByteArray& bytes, const Fish& s, const EditorPicture& picture) {
    PgxError error;
    const auto f = ReadPgx(bytes, &error);
    if (!f) std::fprintf(stderr, "%s\n", qPrintable(error.text()));
    Require(f.has_value(), "PGX file readable");
    Require(bytes.size() == PgxFileSize(s), "PGX size formula");

    const int width = picture.PictureBitmap.width(), height = picture.PictureBitmap.height();
    Require(f->width == width && f->height == height, "the picture's real size in the file");
    Require(f->tailRoot == s.TailPosition && f->tailRoot > 0 && f->tailRoot < width,
            "the tail column inside the picture");
    Require(f->columns() == s.BodyColumns() && f->n == s.N(), "the body's columns and rows");
    Require(f->tailLast == s.TailLast && f->dorsalLast == s.DorsalLast &&
                f->analLast == s.AnalLast && f->ventralLast == s.VentralLast,
            "the strips' counts");
    Require(f->hasEye() == s.EyeSolid && f->hasPectoral() == s.PectoralDone, "the flags");
    Require(f->background == Pgx::FileColour(RgbAt(picture.PictureBitmap, 0, 0)),
            "the background colour");

    const auto t = Pgx::Transform::ForPicture(width, height);
    auto at = [&](const PgxVertex& v, double x, double y) {
        return Near(t.pictureX(v[0]), x) && Near(t.pictureY(v[1]), y);
    };
    for (int i = 0; i < f->columns(); ++i) {
        Require(at(f->gridAt(i, 0), s.BodyX[2 * i], s.BodyY[2 * i]), "a column's top");
        const bool flat = i == 0 || i == f->columns() - 1;
        for (int j = 0; j <= f->n; ++j) {
            Require(Near(t.pictureX(f->gridAt(i, j)[0]), s.BodyX[2 * i]), "a column's x");
            if (flat) Require(PlusZero(f->gridAt(i, j)[2]), "the end columns on the middle plane");
        }
    }
    const struct {
        const std::vector<PgxVertex>& block;
        const StripArray &xs, &ys;
        const char* what;
    } strips[] = {{f->tail, s.TailX, s.TailY, "the tail"},
                  {f->dorsal, s.DorsalX, s.DorsalY, "the dorsal fin"},
                  {f->anal, s.AnalX, s.AnalY, "the anal fin"},
                  {f->ventral, s.VentralX, s.VentralY, "the ventral fin"},
                  {f->whiskers, s.WhiskerX, s.WhiskerY, "the whiskers"}};
    for (const auto& strip : strips)
        for (size_t k = 0; k < strip.block.size(); ++k)
            Require(at(strip.block[k], strip.xs[k], strip.ys[k]), strip.what);
    for (size_t k = 0; k < f->tail.size(); ++k)
        Require(PlusZero(f->tail[k][2]), "the tail is flat");
    for (size_t k = 0; k < f->ventral.size(); ++k)
        Require(Near(-f->ventral[k][2] * Pgx::FileUnit, s.VentralZ[k]), "the ventral fin's depth");
    for (size_t k = 0; k < f->whiskers.size(); k += 2)
        Require(PlusZero(f->whiskers[k][2]), "a whisker's root on the body");
    if (s.PectoralDone) {
        Require(at(f->pectoral[0], s.PectoralX[0], s.PectoralY[0] + 0.5), "the pectoral fin");
        for (int k = 0; k < 3; ++k)
            Require(at(f->pectoral[k + 1], s.PectoralX[k], s.PectoralY[k]), "the pectoral fin");
    }
    if (s.EyeSolid) {
        Require(at(f->eye[0], s.EyeX, s.EyeY), "the eye's centre");
        Require(Near(-f->eye[0][2] * Pgx::FileUnit, s.EyeZ), "the eye's depth");
        Require(Near(f->eye[1][0] * Pgx::FileUnit, s.EyeRadius) &&
                    Near(f->eye[1][1] * Pgx::FileUnit, s.EyeBulge),
                "the eye's size");
        Require(f->eyeColour == Pgx::FileColour(s.EyeRearColour), "the eye's rear colour");
    }
}

} // namespace fuzzcheck
