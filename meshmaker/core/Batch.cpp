#include "Batch.h"

#include "Dialogs.h"
#include "PgxWriter.h"
#include "TForm1.h"
#include "TForm3.h"

#include <QFileInfo>

#include <map>
#include <optional>
#include <vector>

namespace {

// Without a window, messages are kept: the last one explains a failure.
class BatchDialogs : public Dialogs {
public:
    QString OpenFileName(const QString&) override { return {}; }
    void ShowMessage(const QString& text) override { last = text; }
    QString last;
};

struct OptionShape {
    int minValues, maxValues; // comma-separated integers
};

const std::map<QString, OptionShape> Shapes = {
    {"--tail-x", {1, 1}},    {"--step", {1, 1}},     {"--dorsal", {4, 4}},  {"--ventral", {4, 4}},
    {"--anal", {4, 4}},      {"--pectoral", {6, 6}}, {"--whisker", {4, 4}}, {"--divisions", {1, 1}},
    {"--thickness", {1, 1}}, {"--peak", {1, 1}},     {"--eye", {3, 5}},
};

struct BatchOptions {
    QString picture, output;
    std::map<QString, std::vector<int>> values;
    std::optional<std::vector<int>> get(const QString& name) const {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

// A click on the magnified view this far out gives the radius; far larger
// radii than any picture are refused rather than overflowing the click.
constexpr int MaxEyeRadius = 100000;

struct UsageError {
    QString why;
};

std::vector<int> ParseValues(const QString& name, const QString& text, OptionShape shape) {
    const QStringList parts = text.split(u',');
    if (parts.size() < shape.minValues || parts.size() > shape.maxValues)
        throw UsageError{
            QStringLiteral("%1 takes %2 comma-separated integers")
                .arg(name,
                     shape.minValues == shape.maxValues
                         ? QString::number(shape.minValues)
                         : QStringLiteral("%1 to %2").arg(shape.minValues).arg(shape.maxValues))};
    std::vector<int> values;
    for (const QString& part : parts) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok, 10);
        if (!ok) throw UsageError{QStringLiteral("%1: '%2' is not an integer").arg(name, part)};
        values.push_back(v);
    }
    return values;
}

BatchOptions ParseBatchOptions(const QStringList& args) {
    BatchOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QStringLiteral("-o")) {
            if (i + 1 >= args.size()) throw UsageError{QStringLiteral("-o needs a file name")};
            o.output = args[++i];
        } else if (auto it = Shapes.find(a); it != Shapes.end()) {
            if (i + 1 >= args.size()) throw UsageError{QStringLiteral("%1 needs a value").arg(a)};
            o.values[a] = ParseValues(a, args[++i], it->second);
        } else if (a.startsWith(u'-') && a.size() > 1) {
            throw UsageError{QStringLiteral("unknown option %1").arg(a)};
        } else if (o.picture.isEmpty()) {
            o.picture = a;
        } else {
            throw UsageError{QStringLiteral("more than one picture: %1").arg(a)};
        }
    }
    if (o.picture.isEmpty()) throw UsageError{QStringLiteral("no picture given")};
    if (auto eye = o.get("--eye"); eye && ((*eye)[2] < 0 || (*eye)[2] > MaxEyeRadius))
        throw UsageError{
            QStringLiteral("--eye: the radius must be 0 to %1 pixels").arg(MaxEyeRadius)};
    return o;
}

constexpr MouseState LeftHeld{false, false, false, true, false, false};
constexpr MouseState NothingHeld{};

// A press and a release of the left button on the side view (view pixels are
// picture pixels at zoom 1).
void Drag(TForm1& f, int x0, int y0, int x1, int y1) {
    f.Image1MouseDown(MouseButton::Left, LeftHeld, x0, y0);
    f.Image1MouseUp(MouseButton::Left, NothingHeld, x1, y1);
}

void ApplyStep(TForm1& f, const std::optional<std::vector<int>>& step) {
    if (!step) return;
    f.Edit1.Text = QString::number((*step)[0]);
    f.Edit1Exit();
}

QString Summary(const EditorState& s, const QString& path) {
    auto columns = [](int last) { return last > 0 ? (last + 1) / 2 : 0; };
    return QStringLiteral("%1: body %2 columns x %3 rows; tail %4, dorsal %5, anal %6, ventral %7, "
                          "whisker %8 columns; pectoral fin %9; eye %10; %11 bytes")
        .arg(QFileInfo(path).fileName())
        .arg(s.BodyColumns())
        .arg(s.N() + 1)
        .arg(columns(s.TailLast))
        .arg(columns(s.DorsalLast))
        .arg(columns(s.AnalLast))
        .arg(columns(s.VentralLast))
        .arg(columns(s.WhiskerLast))
        .arg(s.PectoralDone ? QStringLiteral("yes") : QStringLiteral("no"))
        .arg(s.EyeSolid ? QStringLiteral("yes") : QStringLiteral("no"))
        .arg(PgxFileSize(s));
}

} // namespace

QString BatchUsage() {
    return QStringLiteral(
        "usage: meshmaker --batch PICTURE.bmp [options]\n"
        "  --tail-x E                 tail position (where the body ends)\n"
        "  --step P                   horizontal step in pixels (body, tail, ventral fin)\n"
        "  --dorsal X0,Y0,X1,Y1       dorsal fin rectangle\n"
        "  --ventral X0,Y0,X1,Y1      ventral fin rectangle\n"
        "  --anal X0,Y0,X1,Y1         anal fin rectangle\n"
        "  --pectoral X0,Y0,X1,Y1,X2,Y2  the three pectoral fin points\n"
        "  --whisker X0,Y0,X1,Y1      whisker drag (press, release)\n"
        "  --divisions N              vertical divisions (1..10)\n"
        "  --thickness S              body thickness setting\n"
        "  --peak X                   x of the widest point seen from above\n"
        "  --eye X,Y,R[,SHAPE[,POSITION]]  eye centre, radius, shape 1..30, position 0..300\n"
        "  -o OUT.pgx                 where to write (default: beside the picture)\n"
        "Coordinates are picture pixels.\n");
}

int RunBatch(const QStringList& args, QTextStream& out, QTextStream& err) {
    BatchOptions o;
    try {
        o = ParseBatchOptions(args);
    } catch (const UsageError& e) {
        err << "meshmaker: " << e.why << "\n" << BatchUsage();
        err.flush();
        return ExitUsage;
    }

    BatchDialogs dialogs;
    TForm1 f(dialogs);
    if (!QFileInfo(o.picture).isFile()) {
        err << "meshmaker: " << o.picture << ": no such file\n";
        return ExitFailed;
    }
    if (!f.OpenPicture(o.picture).isEmpty()) {
        err << "meshmaker: " << dialogs.last << "\n";
        return ExitFailed;
    }

    if (auto v = o.get("--tail-x")) f.SetScrollBar1Position((*v)[0]);
    const auto step = o.get("--step");
    if (step) {
        f.SpeedButton5Click();
        ApplyStep(f, step);
    }
    f.SpeedButton4Click();
    ApplyStep(f, step);
    if (auto v = o.get("--dorsal")) {
        f.SpeedButton6Click();
        Drag(f, (*v)[0], (*v)[1], (*v)[2], (*v)[3]);
    }
    if (auto v = o.get("--ventral")) {
        f.SpeedButton7Click();
        Drag(f, (*v)[0], (*v)[1], (*v)[2], (*v)[3]);
        ApplyStep(f, step);
    }
    if (auto v = o.get("--anal")) {
        f.SpeedButton8Click();
        Drag(f, (*v)[0], (*v)[1], (*v)[2], (*v)[3]);
    }
    if (auto v = o.get("--pectoral")) {
        f.SpeedButton9Click();
        for (int k = 0; k < 3; ++k)
            Drag(f, (*v)[2 * k], (*v)[2 * k + 1], (*v)[2 * k], (*v)[2 * k + 1]);
    }
    if (auto v = o.get("--whisker")) {
        f.Button1Click();
        Drag(f, (*v)[0], (*v)[1], (*v)[2], (*v)[3]);
    }
    if (auto v = o.get("--divisions")) {
        f.Edit2.Text = QString::number((*v)[0]);
        f.Edit2Exit();
    }
    f.SpeedButton10Click();
    if (auto v = o.get("--thickness")) f.SetScrollBar2Position((*v)[0]);
    if (auto v = o.get("--peak")) f.SetScrollBar4Position((*v)[0]);
    if (auto v = o.get("--eye")) {
        const std::vector<int>& e = *v;
        f.SpeedButton13Click();
        f.Image1MouseUp(MouseButton::Left, NothingHeld, e[0], e[1]);
        TForm3& eye = f.Form3();
        eye.SetScrollBar1Position(e.size() > 3 ? e[3] : 10);
        eye.SetScrollBar2Position(e.size() > 4 ? e[4] : 100);
        eye.Image1MouseUp(MouseButton::Left, 100 + 5 * e[2], 100);
        eye.Button1Click();
    }

    const QString path =
        QFileInfo(o.output.isEmpty() ? PgxOutputPath(f.State.PicturePath) : o.output)
            .absoluteFilePath();
    if (!f.SavePgx(path)) {
        err << "meshmaker: " << path << ": " << dialogs.last << "\n";
        return ExitFailed;
    }
    out << path << "\n";
    out.flush();
    err << Summary(f.State, path) << "\n";
    return ExitOk;
}
