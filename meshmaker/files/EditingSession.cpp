// The editing session's JSON: written with every save (TForm1File.cpp, the
// batch) and read, checked field by field, when a picture opens again.

#include "EditingSession.h"

#include "PictureFacts.h"
#include "Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <type_traits>

namespace {

const QString FormatName = QStringLiteral("meshmaker editing session");
const QString NegativeZero = QStringLiteral("-0");

// The document's own keys, each with the session version that brought it.
struct DocumentKey {
    const char* Key;
    int Since;
};
constexpr DocumentKey DocumentKeys[] = {{"format", 1}, {"version", 1}, {"picture", 1}, {"fish", 1}};

// Whether a session of this version holds a key of the document.
bool IsDocumentKey(const QString& key, int version) {
    for (const DocumentKey& k : DocumentKeys)
        if (key == QLatin1String(k.Key)) return k.Since <= version;
    return false;
}

// Whether a session of this version holds a key of the fish.
bool IsFishKey(const QString& key, int version) {
    bool known = false;
    VisitFishFields([&](const char* name, auto, int since) {
        known |= since <= version && key == QLatin1String(name);
    });
    return known;
}

// ---------------------------------------------------------------- writing

bool IsZero(double v) {
    return std::bit_cast<std::uint64_t>(v) == 0;
}
bool IsZero(float v) {
    return std::bit_cast<std::uint32_t>(v) == 0;
}
bool IsZero(int v) {
    return v == 0;
}
template <typename T, std::size_t N> bool IsZero(const std::array<T, N>& a) {
    return std::all_of(a.begin(), a.end(), [](const T& v) { return IsZero(v); });
}

QJsonValue ToJson(double v) {
    if (v == 0 && std::signbit(v)) return NegativeZero;
    return v;
}
QJsonValue ToJson(float v) {
    return ToJson(double(v));
}
QJsonValue ToJson(int v) {
    return v;
}
QJsonValue ToJson(unsigned v) {
    return qint64(v);
}
QJsonValue ToJson(bool v) {
    return v;
}
QJsonValue ToJson(const RangeRect& r) {
    return QJsonObject{{"x0", r.x0}, {"y0", r.y0}, {"x1", r.x1}, {"y1", r.y1}};
}
template <typename T, std::size_t N> QJsonValue ToJson(const std::array<T, N>& a) {
    std::size_t used = N;
    while (used > 0 && IsZero(a[used - 1])) --used;
    QJsonArray out;
    for (std::size_t i = 0; i < used; ++i) out.append(ToJson(a[i]));
    return out;
}

// ---------------------------------------------------------------- reading

// Reads values field by field and keeps the first reason for refusing.
class FieldReader {
public:
    bool Ok() const { return why_.isEmpty(); }
    const QString& Why() const { return why_; }
    void Refuse(const QString& why) {
        if (why_.isEmpty()) why_ = why;
    }

    void Read(const QJsonValue& v, const QString& name, double& out) {
        if (v.isString() && v.toString() == NegativeZero) {
            out = -0.0;
            return;
        }
        if (!v.isDouble()) return Refuse(Texts::SessionNotANumber().arg(name));
        const double d = v.toDouble();
        if (!std::isfinite(d) || std::abs(d) > MaxSessionMagnitude)
            return Refuse(Texts::SessionOutOfRange().arg(
                name, Texts::SessionMagnitudeRange().arg(MaxSessionMagnitude, 0, 'g')));
        out = d;
    }
    void Read(const QJsonValue& v, const QString& name, float& out) {
        double d = 0;
        Read(v, name, d);
        out = float(d);
    }
    void Read(const QJsonValue& v, const QString& name, int& out) {
        qint64 i = 0;
        if (Integer(v, name, INT_MIN, INT_MAX, i)) out = int(i);
    }
    void Read(const QJsonValue& v, const QString& name, unsigned& out) {
        qint64 i = 0;
        if (Integer(v, name, 0, UINT_MAX, i)) out = unsigned(i);
    }
    void Read(const QJsonValue& v, const QString& name, bool& out) {
        if (!v.isBool()) return Refuse(Texts::SessionNotAFlag().arg(name));
        out = v.toBool();
    }
    void Read(const QJsonValue& v, const QString& name, RangeRect& out) {
        if (!v.isObject()) return Refuse(Texts::SessionNotARectangle().arg(name));
        const QJsonObject o = v.toObject();
        if (o.size() != 4) return Refuse(Texts::SessionNotARectangle().arg(name));
        for (auto [key, corner] :
             {std::pair{"x0", &out.x0}, {"y0", &out.y0}, {"x1", &out.x1}, {"y1", &out.y1}}) {
            const QString keyName = QLatin1String(key);
            if (!o.contains(keyName)) return Refuse(Texts::SessionNotARectangle().arg(name));
            Read(o.value(keyName), Texts::SessionCorner().arg(name, keyName), *corner);
        }
    }
    template <typename T, std::size_t N>
    void Read(const QJsonValue& v, const QString& name, std::array<T, N>& out) {
        if (!v.isArray()) return Refuse(Texts::SessionNotAList().arg(name).arg(N));
        const QJsonArray a = v.toArray();
        if (a.size() > qsizetype(N)) return Refuse(Texts::SessionNotAList().arg(name).arg(N));
        out = {};
        for (qsizetype i = 0; i < a.size() && Ok(); ++i)
            Read(a.at(i), Texts::SessionEntry().arg(name).arg(i), out[std::size_t(i)]);
    }

private:
    bool Integer(const QJsonValue& v, const QString& name, qint64 low, qint64 high, qint64& out) {
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::trunc(d)) {
            Refuse(Texts::SessionNotAWholeNumber().arg(name));
            return false;
        }
        if (d < double(low) || d > double(high)) {
            Refuse(
                Texts::SessionOutOfRange().arg(name).arg(Texts::SessionRange().arg(low).arg(high)));
            return false;
        }
        out = qint64(d);
        return true;
    }
    QString why_;
};

// The counts, indices and settings of a fish as the editor keeps them.
class FishChecker {
public:
    explicit FishChecker(FieldReader& reader) : reader_(reader) {}

    // A column-pair list: last index 0 (none), -1 (built empty) or odd,
    // within the capacity with room for the end marker after it.
    template <typename Array> void List(const char* name, const Array& xs, int last) {
        const int capacity = int(xs.size());
        const bool shape = last == 0 || last == -1 || (last % 2 == 1 && last <= capacity - 2);
        if (!shape) return Refuse(name, Texts::SessionLastIndexRange().arg(capacity - 2));
        if (last != 0 && xs[std::size_t(last + 1)] != -1.0)
            reader_.Refuse(Texts::SessionNoEndMarker().arg(QLatin1String(name)).arg(last + 1));
    }
    void Range(const char* name, qint64 value, qint64 low, qint64 high) {
        if (value < low || value > high) Refuse(name, Texts::SessionRange().arg(low).arg(high));
    }

private:
    void Refuse(const char* name, const QString& range) {
        reader_.Refuse(Texts::SessionOutOfRange().arg(QLatin1String(name), range));
    }
    FieldReader& reader_;
};

void CheckFish(const Fish& f, FieldReader& reader) {
    FishChecker check(reader);
    check.List("BodyLast", f.BodyX, f.BodyLast);
    check.List("TailLast", f.TailX, f.TailLast);
    check.List("DorsalLast", f.DorsalX, f.DorsalLast);
    check.List("VentralLast", f.VentralX, f.VentralLast);
    check.List("AnalLast", f.AnalX, f.AnalLast);
    check.List("WhiskerLast", f.WhiskerX, f.WhiskerLast);
    check.Range("Divisions", f.Divisions, 1, MaxDivisions);
    if (f.FrontColumn != -1) {
        check.Range("FrontColumn", f.FrontColumn, 0, BodyCapacity - 2);
        check.Range("FrontColumn", f.FrontColumn % 2, 0, 0);
    }
    check.Range("VentralHighIndex", f.VentralHighIndex, 0, StripCapacity - 1);
    check.Range("VentralLowIndex", f.VentralLowIndex, 0, StripCapacity - 1);
    check.Range("PectoralOuterIndex", f.PectoralOuterIndex, 0, 2);
    check.Range("TopPeakIndex", f.TopPeakIndex, 0, TopCapacity - 1);
    check.Range("EyeShape", f.EyeShape, MinEyeShape, MaxEyeShape);
    check.Range("EyePosition", f.EyePosition, MinEyePosition, MaxEyePosition);
    check.Range("EyeRearColour", f.EyeRearColour, 0, 0xFFFFFF);
    for (int step : f.Steps) check.Range("Steps", step, 0, INT_MAX);
    check.Range("TailPosition", f.TailPosition, 0, INT_MAX);
    check.Range("Thickness", f.Thickness, 0, INT_MAX);
    check.Range("PeakMin", f.PeakMin, 0, INT_MAX);
    check.Range("PeakMax", f.PeakMax, f.PeakMin, INT_MAX);
    check.Range("PeakPosition", f.PeakPosition, 0, INT_MAX);
}

SessionReading Refused(const QString& why) {
    SessionReading r;
    r.error = why;
    return r;
}

} // namespace

QString SessionPath(const QString& pgxPath) {
    QString base = pgxPath;
    if (base.endsWith(QStringLiteral(".pgx"), Qt::CaseInsensitive)) base.chop(4);
    return base + QStringLiteral(".session.json");
}

QByteArray BuildSessionBytes(const Fish& fish, const EditorPicture& picture) {
    QJsonObject fields;
    VisitFishFields([&](const char* key, auto member, int) {
        fields.insert(QLatin1String(key), ToJson(fish.*member));
    });
    const QJsonObject root{{"format", FormatName},
                           {"version", SessionVersion},
                           {"picture", FactsOf(picture)},
                           {"fish", fields}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SessionReading ReadSession(const QByteArray& bytes) {
    if (bytes.size() > MaxSessionBytes)
        return Refused(Texts::SessionTooLarge().arg(MaxSessionBytes));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return Refused(Texts::SessionNotJson().arg(parse.errorString()).arg(parse.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")) != QJsonValue(FormatName))
        return Refused(Texts::SessionNotASession());

    const QJsonValue version = root.value(QStringLiteral("version"));
    const double v = version.toDouble();
    if (!version.isDouble() || v != std::trunc(v) || v < 1)
        return Refused(Texts::SessionBadVersion());
    if (v > SessionVersion)
        return Refused(Texts::SessionFutureVersion().arg(v).arg(SessionVersion));
    const int sessionVersion = int(v);
    for (const QString& key : root.keys())
        if (!IsDocumentKey(key, sessionVersion))
            return Refused(Texts::SessionUnknownField().arg(key));
    if (!root.value(QStringLiteral("picture")).isObject())
        return Refused(Texts::SessionMissing().arg(QStringLiteral("picture")));
    if (!root.value(QStringLiteral("fish")).isObject())
        return Refused(Texts::SessionMissing().arg(QStringLiteral("fish")));

    // Every key of the session's version; a field whose key came later keeps
    // the value of a new fish.
    const QJsonObject fields = root.value(QStringLiteral("fish")).toObject();
    Fish fish;
    FieldReader reader;
    int known = 0;
    VisitFishFields([&](const char* name, auto member, int since) {
        if (!reader.Ok() || since > sessionVersion) return;
        const QString key = QLatin1String(name);
        if (!fields.contains(key)) return reader.Refuse(Texts::SessionMissing().arg(key));
        ++known;
        reader.Read(fields.value(key), key, fish.*member);
    });
    if (reader.Ok() && known != fields.size())
        for (const QString& key : fields.keys())
            if (!IsFishKey(key, sessionVersion))
                reader.Refuse(Texts::SessionUnknownField().arg(key));
    if (reader.Ok()) CheckFish(fish, reader);
    if (!reader.Ok()) return Refused(reader.Why());

    SessionReading r;
    r.fish = fish;
    r.picture = root.value(QStringLiteral("picture")).toObject();
    return r;
}

SessionReading ReadSessionFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Refused(file.errorString());
    if (file.size() > MaxSessionBytes)
        return Refused(Texts::SessionTooLarge().arg(MaxSessionBytes));
    const QByteArray bytes = file.read(MaxSessionBytes + 1);
    if (file.error() != QFileDevice::NoError) return Refused(file.errorString());
    return ReadSession(bytes);
}

bool SamePicture(const QJsonObject& facts, const EditorPicture& picture) {
    return facts == FactsOf(picture);
}

void FitRangesToPicture(Fish& fish, const EditorPicture& picture) {
    for (RangeRect* r :
         {&fish.DorsalRange, &fish.VentralRange, &fish.AnalRange, &fish.WhiskerRange}) {
        r->x0 = std::clamp(r->x0, 0, picture.PicMaxX);
        r->x1 = std::clamp(r->x1, 0, picture.PicMaxX);
        r->y0 = std::clamp(r->y0, 0, picture.PicMaxY);
        r->y1 = std::clamp(r->y1, 0, picture.PicMaxY);
    }
}
