// The batch conversion of a corpus of recipes writes, byte for byte, the PGX
// files kept beside them in recipes/expected/. Any change of the editor that
// moves a single byte of a saved file shows up here, named by its recipe.

#include "Batch.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Recipe {
    std::string name;
    QString picture;
    QStringList options;
};

void PrintTo(const Recipe& r, std::ostream* os) {
    *os << r.name;
}

std::vector<Recipe> ReadRecipes() {
    std::vector<Recipe> recipes;
    QFile f(QStringLiteral(RECIPES_DIR "/recipes.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return recipes;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        Recipe r;
        r.name = words.takeFirst().toStdString();
        const QString picture = words.takeFirst();
        r.picture = QFileInfo::exists(QStringLiteral(RECIPES_DIR "/") + picture)
                        ? QStringLiteral(RECIPES_DIR "/") + picture
                        : QStringLiteral(SAMPLES_DIR "/") + picture;
        r.options = words;
        recipes.push_back(r);
    }
    return recipes;
}

class Recipes : public testing::TestWithParam<Recipe> {};

TEST_P(Recipes, WriteTheKeptBytes) {
    const Recipe& r = GetParam();
    QTemporaryDir dir;
    const QString out = dir.filePath("out.pgx");
    QString printed, messages;
    QTextStream o(&printed), e(&messages);
    const int status = RunBatch(QStringList{r.picture} + r.options + QStringList{"-o", out}, o, e);
    e.flush();
    ASSERT_EQ(status, ExitOk) << messages.toStdString();
    const QByteArray expected =
        test::FileBytes(QStringLiteral(RECIPES_DIR "/expected/%1.pgx").arg(r.name.c_str()));
    ASSERT_FALSE(expected.isEmpty());
    const QByteArray written = test::FileBytes(out);
    ASSERT_EQ(written.size(), expected.size());
    for (qsizetype i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], expected[i]) << "first difference at byte " << i;
}

TEST(RecipeCorpus, IsReadable) {
    EXPECT_FALSE(ReadRecipes().empty());
}

INSTANTIATE_TEST_SUITE_P(Kept, Recipes, testing::ValuesIn(ReadRecipes()),
                         [](const testing::TestParamInfo<Recipe>& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

} // namespace
