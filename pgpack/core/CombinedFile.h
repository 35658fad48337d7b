#pragma once
// The combined data file (.pgdaf): one fish model in one file. A 40-byte
// header, then the body, pectoral-fin and eye textures and the mesh, each a
// whole file copied as it is, in that order, with nothing between them and
// nothing after them. All integers are little-endian.
//
//   0  "PGDAF"             5  reserved, zero (3)
//   8  bodyTextureLength  12  finTextureLength  16  eyeTextureLength  20  meshLength
//  24  reserved, zero (12)
//  36  pictureWidth       38  pictureHeight   (bytes 16..19 of the mesh, as they are)
//
// A member of length 0 is absent and takes no bytes.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

inline constexpr qint64 CombinedHeaderSize = 40;

// The members, in the order of the file.
enum class MemberKind { BodyTexture, FinTexture, EyeTexture, Mesh };
inline constexpr std::array<MemberKind, 4> MemberOrder = {
    MemberKind::BodyTexture, MemberKind::FinTexture, MemberKind::EyeTexture, MemberKind::Mesh};

// What follows the model name in the name of each member's own file:
// "_tx.bmp", "_fintx.bmp", "_eyetx.bmp", ".pgx"; and of the combined file.
QString MemberSuffix(MemberKind kind);
inline const QString CombinedSuffix = QStringLiteral(".pgdaf");

// One path per member, indexed by kind.
struct MemberPaths {
    std::array<QString, 4> Paths;
    QString& operator[](MemberKind kind) { return Paths[static_cast<int>(kind)]; }
    const QString& operator[](MemberKind kind) const { return Paths[static_cast<int>(kind)]; }
};

// The member files of a model: prefix + each suffix, where prefix is a
// folder (with its separator) and the model name, or a mesh path without its
// extension.
MemberPaths ModelFiles(const QString& prefix);

struct CombinedFileHeader {
    quint32 bodyTextureLength = 0;
    quint32 finTextureLength = 0;
    quint32 eyeTextureLength = 0;
    quint32 meshLength = 0;
    // Bytes 16..17 and 18..19 of the mesh: the width and height of the
    // picture it was traced on. Copied, never interpreted by the program.
    qint16 pictureWidth = 0;
    qint16 pictureHeight = 0;

    quint32 Length(MemberKind kind) const;
    void SetLength(MemberKind kind, quint32 length);
    // Where a member starts in the file: the header, then every member before it.
    qint64 Offset(MemberKind kind) const;
    // The size of a well-formed file with this header.
    qint64 FileSize() const;

    QByteArray Encode() const;
    // bytes holds at least CombinedHeaderSize bytes.
    static CombinedFileHeader Decode(const char* bytes);
};

// Why an operation on files did not succeed.
enum class FileError {
    None,
    NotCombined,    // Path does not start with "PGDAF"
    ShortHeader,    // Path is shorter than the 40-byte header
    LengthMismatch, // the header announces Expected bytes, Path has Actual
    CannotRead,     // Path could not be opened or read
    SourceChanged,  // Path had Expected bytes when measured and has Actual now
    SourceTooLarge, // Path (Actual bytes) does not fit a 32-bit length field
    CannotWrite,    // Path could not be written
};

struct FileOutcome {
    FileError Error = FileError::None;
    QString Path;
    qint64 Expected = 0;
    qint64 Actual = 0;
    bool Ok() const { return Error == FileError::None; }
};

// The outcome in English, for the command line.
QString DescribeInEnglish(const FileOutcome& outcome);

// Packing, first half: measures the four sources (a source that is missing
// or a folder has length 0) and copies the picture size from the mesh. The
// caller has made sure that the mesh and body exist. Nothing is written.
FileOutcome BuildCombinedHeader(const MemberPaths& sources, CombinedFileHeader& header);

// Packing, second half: writes header and members to output atomically. A
// source whose size is no longer the measured one fails the whole write
// (SourceChanged) and output is left as it was.
FileOutcome WriteCombinedFile(const MemberPaths& sources, const CombinedFileHeader& header,
                              const QString& output);

// Reads the header of path and checks it against the file: the magic, the
// full header, and 40 + the four lengths equal to the file's size.
FileOutcome ReadCombinedHeader(const QString& path, CombinedFileHeader& header);

// A checked combined file, as the list command shows it.
struct CombinedListing {
    CombinedFileHeader Header;
    qint64 FileSize = 0;
};
FileOutcome ListCombinedFile(const QString& path, CombinedListing& listing);

enum class SplitDecision { Write, Skip };
enum class MemberFate { Absent, Written, Skipped };

// Splits path into the four targets. The file is checked whole before
// anything is written; then, for each member that has bytes, in file order,
// decide is asked only when its target exists, and the member is written
// atomically unless the answer is Skip. Members of length 0 leave their
// targets alone. Stops at the first failure (members before it stay written).
// fates, if given, receives what became of each member.
FileOutcome SplitCombinedFile(const QString& path, const MemberPaths& targets,
                              const std::function<SplitDecision(MemberKind)>& decide,
                              std::array<MemberFate, 4>* fates = nullptr);
