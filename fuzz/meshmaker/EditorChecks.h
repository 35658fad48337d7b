#pragma once
// What must hold after every event of the editor, whatever the user did:
// no list past its capacity, every last index consistent with its end
// marker, no NaN or infinity anywhere, and every saved file readable.

#include "Fish.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "TForm1.h"

#include <QByteArray>

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

// A written PGX file: read back block by block, its size as the counts say,
// every float finite.
inline void CheckPgx(const QByteArray& bytes, const Fish& s) {
    PgxError error;
    const auto f = ReadPgx(bytes, &error);
    if (!f) std::fprintf(stderr, "%s\n", qPrintable(error.text()));
    Require(f.has_value(), "PGX file readable");
    Require(bytes.size() == PgxFileSize(s), "PGX size formula");
    for (const auto* block : {&f->normals, &f->grid, &f->tail, &f->dorsal, &f->anal, &f->ventral,
                              &f->pectoral, &f->whiskers, &f->eye})
        for (const auto& v : *block)
            for (float c : v) Require(std::isfinite(c), "PGX floats finite");
}

} // namespace fuzzcheck
