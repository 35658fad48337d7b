// The PGX file of a fish, beside its reader in this room; the editor's save,
// the batch and the 3-D view's model make it.

#include "PgxWriter.h"

#include "Numbers.h"
#include "PgxFormat.h"
#include "PgxReader.h"
#include "PixelRules.h"

#include <QtEndian>

#include <cstring>

namespace {

class ByteWriter {
public:
    explicit ByteWriter(qint64 reserve) { bytes_.reserve(reserve); }
    void u8(quint8 v) { bytes_.append(char(v)); }
    void i16(int v) { raw(qToLittleEndian(quint16(v & 0xFFFF))); }
    void u32(quint32 v) { raw(qToLittleEndian(v)); }
    void f32(float v) {
        quint32 bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void vertex(float x, float y, float z) {
        f32(x);
        f32(y);
        f32(z);
    }
    void text(const char* s, int n) { bytes_.append(s, n); }
    QByteArray take() { return std::move(bytes_); }

private:
    template <typename T> void raw(T v) {
        bytes_.append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    QByteArray bytes_;
};

using Pgx::FileColour;
using Pgx::FileUnit;
using Transform = Pgx::Transform;

void WriteStrip(ByteWriter& w, const Transform& t, const StripArray& xs, const StripArray& ys,
                int last) {
    for (int k = 0; k <= last; ++k) w.vertex(t.x(xs[k]), t.y(ys[k]), 0.0f);
}

int BodyColumnsInFile(const Fish& s) {
    return std::max(0, (s.BodyLast + 1) / 2);
}

} // namespace

qint64 PgxFileSize(const Fish& s) {
    Pgx::Counts c;
    c.columns = BodyColumnsInFile(s);
    c.divisions = s.N();
    c.tailLast = s.TailLast, c.dorsalLast = s.DorsalLast, c.analLast = s.AnalLast;
    c.ventralLast = s.VentralLast, c.whiskerLast = s.WhiskerLast;
    c.pectoral = s.PectoralDone, c.eye = s.EyeSolid;
    return Pgx::FileSize(c);
}

QByteArray BuildPgxBytes(const Fish& s, const EditorPicture& picture) {
    const int n = s.N();
    const int c = BodyColumnsInFile(s);
    const int width = picture.PictureBitmap.width(), height = picture.PictureBitmap.height();
    const int tailRoot = s.TailPosition;
    ByteWriter w(PgxFileSize(s));

    // Head
    w.text(Pgx::Magic, Pgx::MagicSize);
    w.u8(0);
    w.u8(s.EyeSolid ? 1 : 0);
    w.u8(s.PectoralDone ? 0 : 1);
    w.u8(s.WhiskerLast > 0 ? quint8(s.WhiskerLast & 0xFF) : 0);
    w.u32(FileColour(RgbAt(picture.PictureBitmap, 0, 0)));
    for (int v : {width, height, tailRoot, c - 1, n, c * (n + 1), s.TailLast, s.DorsalLast,
                  s.VentralLast, s.AnalLast})
        w.i16(v);
    w.f32(float((width - 1) - tailRoot / 100.0));

    // Section normals
    for (int j = 0; j <= n; ++j)
        w.vertex(s.SectionNormals[j][0], s.SectionNormals[j][1], s.SectionNormals[j][2]);

    // Body grid: each column divided in the proportions of the front section,
    // thickened by the section scaled to the column's top-view width.
    const Transform t = Transform::ForPicture(width, height);
    const double span = s.SectionY[n] - s.SectionY[0];
    const double peakWidth = s.TopW[std::clamp(s.TopPeakIndex, 0, TopCapacity - 1)];
    for (int i = 0; i < c; ++i) {
        const double top = s.BodyY[2 * i], bottom = s.BodyY[2 * i + 1];
        const double ratio = i < TopCapacity ? RatioOrZero(s.TopW[i], peakWidth) : 0.0;
        const bool flat = i == 0 || i == c - 1;
        for (int j = 0; j <= n; ++j) {
            // With no section span the rows divide the column evenly.
            const double share = span != 0 ? (s.SectionY[j] - s.SectionY[0]) / span : double(j) / n;
            const double g = share * (bottom - top);
            const float z = flat ? 0.0f : Transform::z(ratio * s.SectionZ[j]);
            w.vertex(t.x(s.BodyX[2 * i]), t.y(top + g), z);
        }
    }

    // Fin strips: tail, dorsal, anal, then ventral (the header lists ventral before anal).
    if (s.TailLast > 0) WriteStrip(w, t, s.TailX, s.TailY, s.TailLast);
    if (s.DorsalLast > 0) WriteStrip(w, t, s.DorsalX, s.DorsalY, s.DorsalLast);
    if (s.AnalLast > 0) WriteStrip(w, t, s.AnalX, s.AnalY, s.AnalLast);
    if (s.VentralLast > 0)
        for (int k = 0; k <= s.VentralLast; ++k)
            w.vertex(t.x(s.VentralX[k]), t.y(s.VentralY[k]), Transform::z(s.VentralZ[k]));

    // Pectoral fin: a quad whose first corner lies half a pixel below the first click.
    if (s.PectoralDone) {
        w.vertex(t.x(s.PectoralX[0]), t.y(s.PectoralY[0] + 0.5), Transform::z(s.PectoralZ[0]));
        for (int k = 0; k < 3; ++k)
            w.vertex(t.x(s.PectoralX[k]), t.y(s.PectoralY[k]), Transform::z(s.PectoralZ[k]));
    }

    // Whiskers: each end stands out from the body side as far as it hangs below its body point.
    if (s.WhiskerLast > 0)
        for (int k = 0; k <= s.WhiskerLast; ++k) {
            const float z =
                k % 2 == 0 ? 0.0f : float(s.WhiskerY[k - 1] / FileUnit - s.WhiskerY[k] / FileUnit);
            w.vertex(t.x(s.WhiskerX[k]), t.y(s.WhiskerY[k]), z);
        }

    // Eye: centre, then size (radius, bulge) as plain values, then the rear colour.
    if (s.EyeSolid) {
        w.vertex(t.x(s.EyeX), t.y(s.EyeY), Transform::z(s.EyeZ));
        w.vertex(float(s.EyeRadius / FileUnit), float(s.EyeBulge / FileUnit), 0.0f);
        w.u32(FileColour(s.EyeRearColour));
    }
    return w.take();
}

QString PgxRefusal(const Fish& fish, const EditorPicture& picture) {
    PgxError error;
    if (ReadPgx(BuildPgxBytes(fish, picture), &error)) return QString();
    return error.text();
}
