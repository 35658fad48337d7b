#pragma once
// The archiver dialog without its widgets: the members it works on, what
// each control shows, and the handlers of its buttons and fields. The window
// forwards every event to a handler and then shows Controls.

#include "DialogTemplate.h"
#include "Dialogs.h"
#include "FileOutcome.h"

#include <QString>

#include <vector>

class CPgpackDlg {
public:
    explicit CPgpackDlg(Dialogs& dialogs);

    // Paths in the program's form ('/' inside); the fields show them with the
    // platform's separator.
    QString m_strWorkDir;     // working directory, always ending in a separator
    QString m_strDataDir;     // data directory, ending in a separator; empty if unknown
    QString m_strMeshPath;    // the mesh to pack
    QString m_strBodyTexPath; // the textures to pack
    QString m_strFinTexPath;
    QString m_strEyeTexPath;
    QString m_strCombinedPath; // the combined file to split
    QString m_strMeshEdit;     // the last mesh chosen; field 1001's own value

    // Every control in tab order, with what it shows now.
    std::vector<DialogControl> Controls;
    DialogControl& Control(int id);
    const DialogControl& Control(int id) const;

    // Before the dialog is first shown: working and data directories.
    void OnInitDialog();
    // Button 1000: choose a mesh; derives its textures.
    void OnChooseMesh();
    // Any change of field 1001, by the program or by typing.
    void OnMeshTextChanged();
    // Button 1005: choose an eye texture.
    void OnChooseEyeTexture();
    // Button 1012: choose a combined file.
    void OnChooseCombined();
    // Button 1002: pack the mesh and its textures into the data directory.
    void OnCreateCombined();
    // Button 1003: split the combined file into the working directory.
    void OnSplitCombined();
    // A file given to the program (a file manager opening it): a PGDAF file
    // is chosen as button 1012 chooses one, anything else as the mesh, as
    // button 1000 chooses it.
    void OnFileGiven(const QString& path);
    // A window-menu command; true when it was the version entry.
    bool OnSysCommand(int command);

private:
    void MeshChosen(const QString& path);
    void CombinedChosen(const QString& path);
    void SetField(int id, const QString& path);
    void Message(const QString& text);
    // The dialog's message for a failed read or write.
    void ReportFailure(const FileOutcome& outcome);

    Dialogs& dialogs_;
};
