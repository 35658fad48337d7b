// The archiver dialog's logic without widgets: the handlers of its buttons;
// the dialog's window (gui/ArchiverWindow) forwards to it.

#include "CPgpackDlg.h"

#include "FailureMessages.h"
#include "PackCombinedFile.h"
#include "Paths.h"
#include "ReadCombinedFile.h"
#include "Settings.h"
#include "SplitCombinedFile.h"
#include "Texts.h"

#include <QDir>

#include <algorithm>

CPgpackDlg::CPgpackDlg(Dialogs& dialogs) : Controls(ArchiverDialogTemplate()), dialogs_(dialogs) {}

DialogControl& CPgpackDlg::Control(int id) {
    return *std::find_if(Controls.begin(), Controls.end(),
                         [id](const DialogControl& c) { return c.Id == id; });
}

const DialogControl& CPgpackDlg::Control(int id) const {
    return const_cast<CPgpackDlg*>(this)->Control(id);
}

void CPgpackDlg::SetField(int id, const QString& path) {
    Control(id).Text = ShownPath(path);
}

void CPgpackDlg::Message(const QString& text) {
    dialogs_.MessageBox(text, Texts::ProgramName, MessageButtons::Ok, MessageIcon::None);
}

void CPgpackDlg::ReportFailure(const FileOutcome& outcome) {
    if (outcome.Ok()) return;
    dialogs_.MessageBox(DescribeInJapanese(outcome), Texts::ProgramName, MessageButtons::Ok,
                        MessageIcon::Warning);
}

void CPgpackDlg::OnInitDialog() {
    // Field 1001 is filled from m_strMeshEdit, still empty: its change derives nothing.
    SetField(ControlId::MeshPath, m_strMeshEdit);
    OnMeshTextChanged();

    m_strWorkDir = WithTrailingSeparator(QDir::currentPath());
    if (const std::optional<QString> dataDir = ReadDataDirectory()) {
        m_strDataDir = *dataDir;
    } else {
        // The program works on: packing then writes into the current directory.
        dialogs_.MessageBox(Texts::RegistryMissing(), Texts::ProgramName, MessageButtons::Ok,
                            MessageIcon::Warning);
    }
    SetField(ControlId::WorkDirectory, m_strWorkDir);
    SetField(ControlId::DataDirectory, m_strDataDir);
}

void CPgpackDlg::OnChooseMesh() {
    const QString chosen = FromUserPath(dialogs_.OpenFileName(Texts::MeshFilter(), m_strWorkDir));
    if (!chosen.isEmpty()) MeshChosen(chosen);
}

void CPgpackDlg::MeshChosen(const QString& chosen) {
    m_strMeshPath = m_strMeshEdit = chosen;
    SetField(ControlId::MeshPath, m_strMeshPath);
    OnMeshTextChanged(); // the field's change event, before the working directory moves
    m_strWorkDir = DirectoryPart(m_strMeshPath);
    SetField(ControlId::WorkDirectory, m_strWorkDir);
}

void CPgpackDlg::OnMeshTextChanged() {
    // Derived from the mesh last chosen, whatever has been typed into the field.
    if (m_strMeshEdit.isEmpty()) return;
    const MemberPaths derived = ModelFiles(StripExtension(m_strMeshEdit));

    m_strBodyTexPath = derived[MemberKind::BodyTexture];
    if (SourceFileExists(m_strBodyTexPath))
        SetField(ControlId::BodyTexturePath, m_strBodyTexPath);
    else
        Message(Texts::NoBodyTexture());

    m_strFinTexPath = derived[MemberKind::FinTexture];
    SetField(ControlId::FinTexturePath,
             SourceFileExists(m_strFinTexPath) ? m_strFinTexPath : QString());

    m_strEyeTexPath = derived[MemberKind::EyeTexture];
    if (SourceFileExists(m_strEyeTexPath)) {
        SetField(ControlId::EyeTexturePath, m_strEyeTexPath);
    } else if (Control(ControlId::KeepEyeTexture).Checked) {
        // Keep the eye texture the field shows (one chosen earlier, or typed).
        m_strEyeTexPath = FromUserPath(Control(ControlId::EyeTexturePath).Text);
    } else {
        SetField(ControlId::EyeTexturePath, QString());
    }
}

void CPgpackDlg::OnChooseEyeTexture() {
    const QString chosen =
        FromUserPath(dialogs_.OpenFileName(Texts::EyeTextureFilter(), m_strWorkDir));
    if (chosen.isEmpty()) return;
    m_strEyeTexPath = chosen;
    SetField(ControlId::EyeTexturePath, m_strEyeTexPath);
    m_strWorkDir = DirectoryPart(m_strEyeTexPath);
    SetField(ControlId::WorkDirectory, m_strWorkDir);
}

void CPgpackDlg::OnChooseCombined() {
    const QString chosen =
        FromUserPath(dialogs_.OpenFileName(Texts::CombinedFilter(), m_strDataDir));
    if (!chosen.isEmpty()) CombinedChosen(chosen);
}

void CPgpackDlg::CombinedChosen(const QString& chosen) {
    m_strCombinedPath = chosen;
    SetField(ControlId::CombinedPath, m_strCombinedPath);
}

void CPgpackDlg::OnFileGiven(const QString& path) {
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(FromUserPath(path)));
    if (absolute.endsWith(CombinedSuffix, Qt::CaseInsensitive))
        CombinedChosen(absolute);
    else
        MeshChosen(absolute);
}

void CPgpackDlg::OnCreateCombined() {
    // Nothing to pack yet: refused without a word (a missing body texture
    // was reported when the mesh was chosen).
    if (!SourceFileExists(m_strMeshPath) || !SourceFileExists(m_strBodyTexPath)) return;

    MemberPaths sources;
    sources[MemberKind::Mesh] = m_strMeshPath;
    sources[MemberKind::BodyTexture] = m_strBodyTexPath;
    sources[MemberKind::FinTexture] = m_strFinTexPath;
    sources[MemberKind::EyeTexture] = m_strEyeTexPath;
    CombinedFileHeader header;
    if (const FileOutcome measured = BuildCombinedHeader(sources, header); !measured.Ok()) {
        ReportFailure(measured);
        return;
    }

    const QString output = m_strDataDir + BaseName(m_strMeshPath) + CombinedSuffix;
    // Whatever the answers would be, a source is never written over.
    if (const FileOutcome same = CheckOutputIsNoSource(sources, output); !same.Ok()) {
        ReportFailure(same);
        return;
    }
    const bool exists = FileExists(output);
    if (exists) {
        const QString shown = ShownPath(output);
        if (dialogs_.MessageBox(Texts::RemakeQuestion().arg(shown), Texts::ArchiveCaption(),
                                MessageButtons::OkCancel,
                                MessageIcon::None) == MessageAnswer::Cancel)
            return;
        if (dialogs_.MessageBox(Texts::MakeInQuestion().arg(shown, ShownPath(m_strDataDir)),
                                Texts::ArchiveCaption(), MessageButtons::OkCancel,
                                MessageIcon::None) == MessageAnswer::Cancel)
            return;
    }

    // Replaced only when the user was asked; an output that appears after
    // the look above is kept.
    const FileOutcome written =
        WriteCombinedFile(sources, header, output, exists ? Replacing::Allow : Replacing::Refuse);
    if (written.Error == FileError::CannotWrite || written.Error == FileError::TargetExists) {
        Message(WithSystemReason(Texts::OutputCannotOpen(), written));
        return;
    }
    if (!written.Ok()) {
        ReportFailure(written);
        return;
    }
    Message(Texts::Made().arg(ShownPath(output)));
}

void CPgpackDlg::OnSplitCombined() {
    if (!SourceFileExists(m_strCombinedPath)) {
        Message(Texts::NoFile());
        return;
    }
    // A file that is not well formed is refused before anything changes.
    CombinedFileHeader header;
    if (const FileOutcome checked = ReadCombinedHeader(m_strCombinedPath, header); !checked.Ok()) {
        ReportFailure(checked);
        return;
    }

    const MemberPaths targets = ModelFiles(m_strWorkDir + BaseName(m_strCombinedPath));
    if (const FileOutcome same = CheckNoTargetIsTheFile(m_strCombinedPath, header, targets);
        !same.Ok()) {
        ReportFailure(same);
        return;
    }
    m_strBodyTexPath = targets[MemberKind::BodyTexture];
    m_strFinTexPath = targets[MemberKind::FinTexture];
    m_strEyeTexPath = targets[MemberKind::EyeTexture];
    m_strMeshPath = targets[MemberKind::Mesh];

    const auto ask = [this](MemberKind kind) {
        const QString question[] = {Texts::BodyTextureExists(), Texts::FinTextureExists(),
                                    Texts::EyeTextureExists(), Texts::MeshExists()};
        return dialogs_.MessageBox(question[static_cast<int>(kind)], QString(),
                                   MessageButtons::OkCancel, MessageIcon::None) == MessageAnswer::Ok
                   ? SplitDecision::Write
                   : SplitDecision::Skip;
    };
    std::array<MemberFate, 4> fates;
    const FileOutcome split = SplitCombinedFile(m_strCombinedPath, targets, ask, &fates);

    // The fields show the files that a following pack will take. Field 1001
    // is set without deriving again: the derivation would report a missing
    // body texture or bring back an eye texture chosen earlier. The mesh
    // becomes the field's own value, so that typing in the field later
    // derives the textures of this mesh.
    m_strMeshEdit = m_strMeshPath;
    SetField(ControlId::MeshPath, m_strMeshPath);
    SetField(ControlId::BodyTexturePath, m_strBodyTexPath);
    SetField(ControlId::FinTexturePath,
             SourceFileExists(m_strFinTexPath) ? m_strFinTexPath : QString());
    SetField(ControlId::EyeTexturePath,
             SourceFileExists(m_strEyeTexPath) ? m_strEyeTexPath : QString());

    if (!split.Ok()) {
        ReportFailure(split);
        return;
    }
    // A file whose members are all empty gives nothing; the message says so.
    const bool nothing = std::all_of(fates.begin(), fates.end(),
                                     [](MemberFate fate) { return fate == MemberFate::Absent; });
    Message(nothing ? Texts::MessageWithDetail().arg(Texts::Separated(), Texts::NothingSeparated())
                    : Texts::Separated());
}

bool CPgpackDlg::OnSysCommand(int command) {
    if ((command & 0xFFF0) != VersionCommand) return false;
    dialogs_.ShowVersionDialog();
    return true;
}
