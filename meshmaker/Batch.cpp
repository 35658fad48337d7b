// meshmaker --batch: the options read and checked, then played on a TForm1
// without views, tool by tool in the tool table's order; main.cpp runs it.

#include "Batch.h"

#include "AtomicFile.h"
#include "BodyTexture.h"
#include "Dialogs.h"
#include "EditingSession.h"
#include "FileIdentity.h"
#include "ModelCommands.h"
#include "PgxOutputPath.h"
#include "PgxWriter.h"
#include "TForm1.h"
#include "TForm3.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>

#include <map>
#include <optional>
#include <vector>

namespace {

// Without a window, messages are kept: the last one explains a failure.
class BatchDialogs : public Dialogs {
public:
    QString OpenFileName(const QString&) override { return {}; }
    // On one line: a message and its reason.
    void ShowMessage(const QString& text) override {
        last = text;
        last.replace(u'\n', QStringLiteral(": "));
    }
    bool AskYesNo(const QString&) override { return false; } // the batch asks nothing
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
    QStringList exports;    // 3-D models written as well, in the order given
    bool mirror = false;    // flip the picture as it is loaded
    bool texture = false;   // write the body texture beside the PGX file
    bool overwrite = false; // the texture and an OBJ's side files may replace existing files
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
        throw UsageError{Texts::OptionTakesIntegers().arg(
            name, shape.minValues == shape.maxValues
                      ? QString::number(shape.minValues)
                      : Texts::IntegerCountRange().arg(shape.minValues).arg(shape.maxValues))};
    std::vector<int> values;
    for (const QString& part : parts) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok, 10);
        if (!ok) throw UsageError{Texts::NotAnInteger().arg(name, part)};
        values.push_back(v);
    }
    return values;
}

BatchOptions ParseBatchOptions(const QStringList& args) {
    BatchOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QStringLiteral("-o")) {
            if (i + 1 >= args.size()) throw UsageError{Texts::OutputNeedsName()};
            o.output = args[++i];
        } else if (a == QStringLiteral("--export")) {
            if (i + 1 >= args.size()) throw UsageError{Texts::OptionNeedsValue().arg(a)};
            const QString out = args[++i];
            if (!IsModelExportPath(out)) throw UsageError{Texts::ExportKind().arg(out)};
            o.exports << out;
        } else if (a == QStringLiteral("--mirror")) {
            o.mirror = true;
        } else if (a == QStringLiteral("--texture")) {
            o.texture = true;
        } else if (a == QStringLiteral("--overwrite")) {
            o.overwrite = true;
        } else if (auto it = Shapes.find(a); it != Shapes.end()) {
            if (i + 1 >= args.size()) throw UsageError{Texts::OptionNeedsValue().arg(a)};
            o.values[a] = ParseValues(a, args[++i], it->second);
        } else if (a.startsWith(u'-') && a.size() > 1) {
            throw UsageError{Texts::UnknownOption().arg(a)};
        } else if (o.picture.isEmpty()) {
            o.picture = a;
        } else {
            throw UsageError{Texts::MoreThanOnePicture().arg(a)};
        }
    }
    if (o.picture.isEmpty()) throw UsageError{Texts::NoPicture()};
    if (auto eye = o.get("--eye"); eye && ((*eye)[2] < 0 || (*eye)[2] > MaxEyeRadius))
        throw UsageError{Texts::EyeRadiusRange().arg(MaxEyeRadius)};
    return o;
}

constexpr MouseState LeftHeld{false, false, false, true, false, false};
constexpr MouseState NothingHeld{};

// Each action is one event of the editor, ended as the window ends it.
template <typename Action> void Do(TForm1& f, Action&& action) {
    action();
    f.AfterEvent();
}

// A click on a tool's button, as its row in the tool table says.
void Use(TForm1& f, Tool tool) {
    Do(f, [&] { f.ClickTool(tool); });
}

// A number typed into a field, which the user then leaves.
void Type(TForm1& f, Edit& field, int value, void (TForm1::*leave)()) {
    ShowNumber(field, value);
    Do(f, [&] { (f.*leave)(); });
}

// A press and a release of the left button on the side view (view pixels are
// picture pixels at zoom 1).
void Drag(TForm1& f, int x0, int y0, int x1, int y1) {
    Do(f, [&] { f.Image1MouseDown(MouseButton::Left, LeftHeld, x0, y0); });
    Do(f, [&] { f.Image1MouseUp(MouseButton::Left, NothingHeld, x1, y1); });
}

// A part drawn with a rectangle: its tool, then a drag from corner to corner.
void DrawRectangle(TForm1& f, Tool tool, const std::vector<int>& corners) {
    Use(f, tool);
    Drag(f, corners[0], corners[1], corners[2], corners[3]);
}

void ApplyStep(TForm1& f, const std::optional<std::vector<int>>& step) {
    if (step) Type(f, f.Edit1, (*step)[0], &TForm1::Edit1Exit);
}

QString Summary(const Fish& s, const QString& path) {
    auto columns = [](int last) { return last > 0 ? (last + 1) / 2 : 0; };
    return Texts::BatchSummary()
        .arg(QFileInfo(path).fileName())
        .arg(s.BodyColumns())
        .arg(s.N() + 1)
        .arg(columns(s.TailLast))
        .arg(columns(s.DorsalLast))
        .arg(columns(s.AnalLast))
        .arg(columns(s.VentralLast))
        .arg(columns(s.WhiskerLast))
        .arg(s.PectoralDone ? Texts::Yes() : Texts::No())
        .arg(s.EyeSolid ? Texts::Yes() : Texts::No())
        .arg(PgxFileSize(s));
}

// An export named by its extension alone (".glb", ".obj") goes beside the
// PGX file under its name, so that one option serves every picture of a
// run: koi.pgx gives koi.glb.
QString ExportPath(const QString& given, const QString& pgxPath) {
    if (given.compare(QStringLiteral(".glb"), Qt::CaseInsensitive) != 0 &&
        given.compare(QStringLiteral(".obj"), Qt::CaseInsensitive) != 0)
        return given;
    const QFileInfo pgx(pgxPath);
    return pgx.dir().filePath(pgx.completeBaseName() + given.toLower());
}

} // namespace

QString BatchUsage() {
    return Texts::BatchUsage();
}

int RunBatch(const QStringList& args, QTextStream& out, QTextStream& err) {
    BatchOptions o;
    try {
        o = ParseBatchOptions(args);
    } catch (const UsageError& e) {
        err << Texts::CommandError().arg(e.why) << BatchUsage();
        err.flush();
        return ExitUsage;
    }

    BatchDialogs dialogs;
    TForm1 f(dialogs, TForm1::Views::None);
    if (!QFileInfo(o.picture).isFile()) {
        err << Texts::CommandError().arg(Texts::NoSuchFile().arg(o.picture));
        return ExitFailed;
    }
    // The written files are known before anything is read: an existing
    // texture without --overwrite, or a target that is the picture itself,
    // refuses the run before any file is touched.
    const QString path =
        QFileInfo(o.output.isEmpty() ? PgxOutputPath(o.picture) : o.output).absoluteFilePath();
    const QString texturePath = o.texture ? BodyTexturePath(path) : QString();
    for (const QString& target : {path, texturePath})
        if (!target.isEmpty() && SameFile(target, o.picture)) {
            err << Texts::CommandError().arg(Texts::TargetIsPicture().arg(target, o.picture));
            return ExitFailed;
        }
    if (o.texture && !o.overwrite && QFileInfo::exists(texturePath)) {
        err << Texts::CommandError().arg(Texts::TextureExistsInBatch().arg(texturePath));
        return ExitFailed;
    }

    if (o.mirror) Do(f, [&] { f.FlipHorizontallyClick(); });
    // Every recipe starts from a new fish, whatever session lies beside the picture.
    if (!f.OpenPicture(o.picture, TForm1::Session::Ignore).isEmpty()) {
        err << Texts::CommandError().arg(dialogs.last);
        return ExitFailed;
    }
    f.AfterEvent();

    if (auto v = o.get("--tail-x")) Do(f, [&] { f.SetScrollBar1Position((*v)[0]); });
    // The tools in the order of the tool panel. The body is traced anew
    // only for a step of its own; the tail, and the ventral fin once drawn,
    // are sliced with the step.
    const auto step = o.get("--step");
    if (step) {
        Use(f, Tool::Body);
        ApplyStep(f, step);
    }
    Use(f, Tool::Tail);
    ApplyStep(f, step);
    if (auto v = o.get("--dorsal")) DrawRectangle(f, Tool::Dorsal, *v);
    if (auto v = o.get("--ventral")) {
        DrawRectangle(f, Tool::Ventral, *v);
        ApplyStep(f, step);
    }
    if (auto v = o.get("--anal")) DrawRectangle(f, Tool::Anal, *v);
    if (auto v = o.get("--pectoral")) {
        Use(f, Tool::Pectoral);
        for (int k = 0; k < 3; ++k)
            Drag(f, (*v)[2 * k], (*v)[2 * k + 1], (*v)[2 * k], (*v)[2 * k + 1]);
    }
    if (auto v = o.get("--whisker")) DrawRectangle(f, Tool::Whisker, *v);
    if (auto v = o.get("--divisions")) Type(f, f.Edit2, (*v)[0], &TForm1::Edit2Exit);
    Use(f, Tool::Front);
    if (auto v = o.get("--thickness")) Do(f, [&] { f.SetScrollBar2Position((*v)[0]); });
    if (auto v = o.get("--peak")) Do(f, [&] { f.SetScrollBar4Position((*v)[0]); });
    if (auto v = o.get("--eye")) {
        const std::vector<int>& e = *v;
        TForm3& eye = f.Form3();
        Use(f, Tool::Eye);
        Do(f, [&] { f.Image1MouseUp(MouseButton::Left, NothingHeld, e[0], e[1]); });
        Do(f, [&] { eye.SetScrollBar1Position(e.size() > 3 ? e[3] : DefaultEyeShape); });
        Do(f, [&] { eye.SetScrollBar2Position(e.size() > 4 ? e[4] : DefaultEyePosition); });
        Do(f, [&] { eye.Image1MouseUp(MouseButton::Left, 100 + 5 * e[2], 100); });
        Do(f, [&] { eye.Button1Click(); });
    }

    if (!f.SavePgx(path)) {
        err << Texts::CommandError().arg(Texts::FileFailed().arg(path, dialogs.last));
        return ExitFailed;
    }
    out << path << "\n";
    out.flush();
    err << Summary(f.Current(), path) << "\n";
    if (o.texture) {
        const QByteArray bytes = BodyTextureBytes(f.Picture);
        NewFileOutcome outcome = NewFileOutcome::Failed;
        QString why = Texts::PictureOutOfMemory();
        if (!bytes.isEmpty())
            outcome = o.overwrite
                          ? (WriteFileAtomically(texturePath, bytes, &why) ? NewFileOutcome::Written
                                                                           : NewFileOutcome::Failed)
                          : WriteNewFileAtomically(texturePath, bytes, &why);
        if (outcome != NewFileOutcome::Written) {
            err << Texts::CommandError().arg(
                outcome == NewFileOutcome::Exists
                    ? Texts::TextureExistsInBatch().arg(texturePath)
                    : Texts::FileFailed().arg(Texts::TextureSaveFailed().arg(texturePath), why));
            return ExitFailed;
        }
        out << texturePath << "\n";
        out.flush();
    }
    // The exports are made from the bytes just saved, so they show that file.
    const QByteArray saved = BuildPgxBytes(f.Current(), f.Picture);
    for (const QString& model : o.exports) {
        const int status = ExportModel(saved, f.Picture.PictureBitmap, ExportPath(model, path), out,
                                       err, {f.Picture.PicturePath, path}, o.overwrite);
        if (status != ExitOk) return status;
    }
    return ExitOk;
}

std::optional<BatchPlan> PlanBatch(const QStringList& args, const QString& base, QString* why) {
    BatchOptions o;
    try {
        o = ParseBatchOptions(args);
    } catch (const UsageError& e) {
        if (why) *why = e.why;
        return std::nullopt;
    }
    const QDir folder(base);
    const QString picture = folder.absoluteFilePath(o.picture);
    const QString path = QDir::cleanPath(
        folder.absoluteFilePath(o.output.isEmpty() ? PgxOutputPath(picture) : o.output));
    BatchPlan plan{o.picture, {path, SessionPath(path)}};
    if (o.texture) plan.outputs << BodyTexturePath(path);
    for (const QString& model : o.exports) {
        const QString exported = QDir::cleanPath(folder.absoluteFilePath(ExportPath(model, path)));
        plan.outputs << exported;
        // An OBJ's library and pictures, which other OBJ names can share.
        if (exported.endsWith(QStringLiteral(".obj"), Qt::CaseInsensitive)) {
            const ObjSidePaths side = ObjSideFiles(exported);
            plan.outputs << side.mtl << side.bodyPng << side.finsPng;
        }
    }
    return plan;
}

bool BatchOptionTakesValue(const QString& word) {
    return word == QStringLiteral("-o") || word == QStringLiteral("--export") ||
           Shapes.count(word) > 0;
}
