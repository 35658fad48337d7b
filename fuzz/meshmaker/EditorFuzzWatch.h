#pragma once
// A watcher of the editor fuzz target's sessions, for programs that run the
// target outside the fuzzing engine and want to see what each session did
// (editor_digest.cpp hashes it). The fuzzing engine sets none.

#include <QImage>
#include <QString>

class TForm1;

namespace editorfuzz {

class Watch {
public:
    virtual ~Watch() = default;
    // After every event of a session, the walks through the undo history included.
    virtual void AfterEvent(const TForm1& form) = 0;
    // After the disk button has saved beside the picture (the files may be missing).
    virtual void Saved(const QString& pgxPath, const QString& sessionPath) = 0;
    // A part of a view, as the window would paint it.
    virtual void Rendered(const QImage& view) = 0;
    // A message the editor showed.
    virtual void Shown(const QString& message) = 0;
};

// The watcher of the sessions that run now; none in the fuzzing engine.
inline Watch* watch = nullptr;

} // namespace editorfuzz
