// What a file operation's outcome says to the user, in the dialog and on the
// command line.

#include "FailureMessages.h"

#include "CombinedFileHeader.h"
#include "Paths.h"
#include "Texts.h"

namespace {

QString EntryInEnglish(EntryKind entry) {
    switch (entry) {
    case EntryKind::Folder:
        return Texts::EntryFolder();
    case EntryKind::Fifo:
        return Texts::EntryFifo();
    case EntryKind::Device:
        return Texts::EntryDevice();
    case EntryKind::Socket:
        return Texts::EntrySocket();
    case EntryKind::Missing:
    case EntryKind::Regular:
    case EntryKind::Other:
        break;
    }
    return Texts::EntryOther();
}

QString Reason(const FileOutcome& outcome) {
    return SystemReason(outcome.SystemError);
}

} // namespace

QString DescribeInEnglish(const FileOutcome& outcome) {
    const QString path = ShownPath(outcome.Path);
    const QString expected = QString::number(outcome.Expected);
    const QString actual = QString::number(outcome.Actual);
    switch (outcome.Error) {
    case FileError::None:
        return Texts::DoneInEnglish();
    case FileError::NotCombined:
        return Texts::NotCombinedInEnglish().arg(path);
    case FileError::ShortHeader:
        return Texts::ShortHeaderInEnglish().arg(path);
    case FileError::LengthMismatch:
        return Texts::LengthMismatchInEnglish().arg(path, expected, actual);
    case FileError::CannotRead:
        return Texts::CannotReadInEnglish().arg(path, Reason(outcome));
    case FileError::SourceChanged:
        return Texts::SourceChangedInEnglish().arg(path, expected, actual);
    case FileError::SourceTooLarge:
        return Texts::TooLargeInEnglish().arg(path, actual, QString::number(MaxMemberLength));
    case FileError::CannotWrite:
        return Texts::CannotWriteInEnglish().arg(path, Reason(outcome));
    case FileError::NotRegular:
        return Texts::NotRegularInEnglish().arg(path, EntryInEnglish(outcome.Entry));
    case FileError::SameFile:
        return Texts::SameFileInEnglish().arg(path, ShownPath(outcome.OtherPath));
    case FileError::TargetExists:
        return Texts::AppearedInEnglish().arg(path);
    }
    return {};
}

QString DescribeInJapanese(const FileOutcome& outcome) {
    const QString path = ShownPath(outcome.Path);
    QString text;
    switch (outcome.Error) {
    case FileError::None:
        return {};
    case FileError::NotCombined:
        text = Texts::NoMagic().arg(path);
        break;
    case FileError::ShortHeader:
        text = Texts::ShortHeader().arg(path);
        break;
    case FileError::LengthMismatch:
        text = Texts::LengthsDisagree().arg(path, QString::number(outcome.Expected),
                                            QString::number(outcome.Actual));
        break;
    case FileError::CannotRead:
        text = Texts::CannotRead().arg(path);
        break;
    case FileError::SourceChanged:
        text = Texts::SizeChanged().arg(path);
        break;
    case FileError::SourceTooLarge:
        text = Texts::TooLarge().arg(path);
        break;
    case FileError::CannotWrite:
    case FileError::TargetExists:
        text = Texts::CannotWrite().arg(path);
        break;
    case FileError::NotRegular:
        text = Texts::NotRegular().arg(path);
        break;
    case FileError::SameFile:
        text = Texts::SameFile().arg(path, ShownPath(outcome.OtherPath));
        break;
    }
    return WithSystemReason(text, outcome);
}

QString WithSystemReason(const QString& text, const FileOutcome& outcome) {
    if (outcome.SystemError == 0) return text;
    return Texts::MessageWithDetail().arg(text, Reason(outcome));
}
