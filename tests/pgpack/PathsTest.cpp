// The path helpers: only the last extension goes, and dots in folder names
// or at the start of a name never cut.

#include "Paths.h"
#include "ModelFiles.h"
#include "TestSupport.h"

namespace {

struct PathCase {
    const char* name;
    const char* path;
    const char* stripped;
    const char* base;
    const char* directory;
};

class PathHelpersTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathHelpersTest, SplitThePathByItsLastSeparatorAndDot) {
    const PathCase& c = GetParam();
    EXPECT_EQ(StripExtension(c.path), QString(c.stripped));
    EXPECT_EQ(BaseName(c.path), QString(c.base));
    EXPECT_EQ(DirectoryPart(c.path), QString(c.directory));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathHelpersTest,
    ::testing::Values(
        PathCase{"Plain", "/fish/koi.pgx", "/fish/koi", "koi", "/fish/"},
        PathCase{"TwoDots", "/fish/koi.big.pgx", "/fish/koi.big", "koi.big", "/fish/"},
        PathCase{"DotInFolderOnly", "/fi.sh/koi", "/fi.sh/koi", "koi", "/fi.sh/"},
        PathCase{"DotInFolderAndName", "/fi.sh/koi.PGX", "/fi.sh/koi", "koi", "/fi.sh/"},
        PathCase{"ExtensionOnly", "/fish/.pgx", "/fish/", "", "/fish/"},
        PathCase{"LeadingDot", ".pgx", ".pgx", ".pgx", ""},
        PathCase{"NoFolder", "koi.pgdaf", "koi", "koi", ""}, PathCase{"Root", "/", "/", "", "/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModelFilesTest, MemberNamesFollowTheModelName) {
    const MemberPaths files = ModelFiles(StripExtension("/fi.sh/koi.big.pgx"));
    EXPECT_EQ(files[MemberKind::BodyTexture], "/fi.sh/koi.big_tx.bmp");
    EXPECT_EQ(files[MemberKind::FinTexture], "/fi.sh/koi.big_fintx.bmp");
    EXPECT_EQ(files[MemberKind::EyeTexture], "/fi.sh/koi.big_eyetx.bmp");
    EXPECT_EQ(files[MemberKind::Mesh], "/fi.sh/koi.big.pgx");
    EXPECT_EQ(BaseName("/fi.sh/koi.big.pgx") + CombinedSuffix, "koi.big.pgdaf");
}

class ExistenceTest : public ScratchTest {};

TEST_F(ExistenceTest, AFolderExistsButIsNoSource) {
    WriteBytes(Path("koi.pgx"), "x");
    const QString folder = Folder("koi_tx.bmp").chopped(1);
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(Path("none.pgx")));
    EXPECT_TRUE(FileExists(Path("koi.pgx")));
    EXPECT_TRUE(FileExists(folder));
    EXPECT_FALSE(SourceFileExists(""));
    EXPECT_TRUE(SourceFileExists(Path("koi.pgx")));
    EXPECT_FALSE(SourceFileExists(folder));
}

TEST(SeparatorTest, ADirectoryGetsOneTrailingSeparator) {
    EXPECT_EQ(WithTrailingSeparator("/data"), "/data/");
    EXPECT_EQ(WithTrailingSeparator("/data/"), "/data/");
    EXPECT_EQ(WithTrailingSeparator(""), "");
}

} // namespace
