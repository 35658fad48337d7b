#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QtEndian>

QByteArray Pattern(qsizetype length, int seed) {
    QByteArray bytes(length, Qt::Uninitialized);
    quint32 state = 2654435761u * quint32(seed + 1);
    for (qsizetype i = 0; i < length; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = char(state >> 24);
    }
    return bytes;
}

QByteArray MeshBytes(qsizetype length, qint16 width, qint16 height) {
    QByteArray bytes = Pattern(length, 99);
    bytes.replace(0, 8, "PGDX f00");
    qToLittleEndian<qint16>(width, bytes.data() + 16);
    qToLittleEndian<qint16>(height, bytes.data() + 18);
    return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

bool Exists(const QString& path) {
    return QFileInfo::exists(path);
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

void SetDataDirectory(const std::optional<QString>& dir) {
    QSettings settings(QStringLiteral("Vantel Soft"), QStringLiteral("PelagorDX"));
    if (dir)
        settings.setValue(QStringLiteral("DataDirectory"), *dir);
    else
        settings.remove(QStringLiteral("DataDirectory"));
    settings.sync();
}

void ScratchTest::SetUp() {
    ASSERT_TRUE(scratch_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch_.path()));
}

void ScratchTest::TearDown() {
    QDir::setCurrent(previous_);
}

QString ScratchTest::Path(const QString& name) const {
    return scratch_.path() + u'/' + name;
}

QString ScratchTest::Folder(const QString& name) const {
    QDir(scratch_.path()).mkpath(name);
    return Path(name) + u'/';
}

QString ScriptedDialogs::OpenFileName(const QString& filter, const QString& initialFolder) {
    FileDialogs.push_back({filter, initialFolder});
    if (Files.empty()) {
        ADD_FAILURE() << "an unexpected open-file dialog: " << filter.toStdString();
        return {};
    }
    const QString answer = Files.front();
    Files.pop_front();
    return answer;
}

MessageAnswer ScriptedDialogs::MessageBox(const QString& text, const QString& caption,
                                          MessageButtons buttons, MessageIcon icon) {
    Messages.push_back({text, caption, buttons, icon});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (WhileAsking) WhileAsking();
    if (Answers.empty()) {
        ADD_FAILURE() << "an unexpected question: " << text.toStdString();
        return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

QStringList ScriptedDialogs::Texts() const {
    QStringList texts;
    for (const Shown& shown : Messages) texts << shown.Text;
    return texts;
}

QProcessEnvironment ProgramEnvironment(const QString& configFolder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        env.remove(name);
    env.insert("XDG_CONFIG_HOME", configFolder);
    env.insert("LC_ALL", "C");
    return env;
}

ProgramRun RunProgram(const QStringList& args, const QProcessEnvironment& env, int timeoutMs,
                      const std::function<void()>& childSetup) {
    QProcess process;
    process.setProcessEnvironment(env);
    if (childSetup) process.setChildProcessModifier(childSetup);
    process.start(PGPACK_PROGRAM, args);
    ProgramRun run;
    run.Finished = process.waitForFinished(timeoutMs);
    if (!run.Finished) {
        process.kill();
        process.waitForFinished();
    }
    run.Crashed = process.exitStatus() == QProcess::CrashExit;
    run.ExitCode = process.exitCode();
    run.Out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.Err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
