#include "FailureMessages.h"

#include "CombinedFileHeader.h"
#include "Paths.h"
#include "Texts.h"

QString DescribeInEnglish(const FileOutcome& outcome) {
    const QString path = ShownPath(outcome.Path);
    const QString expected = QString::number(outcome.Expected);
    const QString actual = QString::number(outcome.Actual);
    switch (outcome.Error) {
    case FileError::None:
        return Texts::DoneInEnglish;
    case FileError::NotCombined:
        return Texts::NotCombinedInEnglish.arg(path);
    case FileError::ShortHeader:
        return Texts::ShortHeaderInEnglish.arg(path);
    case FileError::LengthMismatch:
        return Texts::LengthMismatchInEnglish.arg(path, expected, actual);
    case FileError::CannotRead:
        return Texts::CannotReadInEnglish.arg(path);
    case FileError::SourceChanged:
        return Texts::SourceChangedInEnglish.arg(path, expected, actual);
    case FileError::SourceTooLarge:
        return Texts::TooLargeInEnglish.arg(path, actual, QString::number(MaxMemberLength));
    case FileError::CannotWrite:
        return Texts::CannotWriteInEnglish.arg(path);
    }
    return {};
}

QString DescribeInJapanese(const FileOutcome& outcome) {
    const QString path = ShownPath(outcome.Path);
    switch (outcome.Error) {
    case FileError::None:
        return {};
    case FileError::NotCombined:
        return Texts::NoMagic.arg(path);
    case FileError::ShortHeader:
        return Texts::ShortHeader.arg(path);
    case FileError::LengthMismatch:
        return Texts::LengthsDisagree.arg(path, QString::number(outcome.Expected),
                                          QString::number(outcome.Actual));
    case FileError::CannotRead:
        return Texts::CannotRead.arg(path);
    case FileError::SourceChanged:
        return Texts::SizeChanged.arg(path);
    case FileError::SourceTooLarge:
        return Texts::TooLarge.arg(path);
    case FileError::CannotWrite:
        return Texts::CannotWrite.arg(path);
    }
    return {};
}
