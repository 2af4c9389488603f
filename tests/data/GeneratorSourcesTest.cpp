// The generators' source readers: what they accept and the mistakes they refuse with a located message.
#include <gtest/gtest.h>

#include <string>

#include "tools/gen/CourseSource.h"
#include "tools/gen/Palette.h"
#include "tools/gen/ShapeScript.h"
#include "tools/gen/ToyTable.h"
#include "tools/gen/WaveFile.h"

namespace {

std::string grid(const std::string& row18 = "..........", const std::string& row1 = "o.........") {
    std::string g = row1 + "\n";
    for (int row = 2; row <= 20; ++row) g += (row == 18 ? row18 : std::string("..........")) + "\n";
    return g;
}

std::string stage(int index, const std::string& body) {
    return "stage " + std::to_string(index) + "\ntitle: T\nauthor: A\n" + body;
}

TEST(CourseSource, ReadsStagesWithCommentsAndBlankLines) {
    const auto stages = gen::parseCourseSource(
        "; course\n\n" + stage(0, grid()) + "\n" + stage(1, grid("..........", "#x?E......")), "c");
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[0].title, "T");
    EXPECT_EQ(stages[0].grid.at(1, 1), 1);
    EXPECT_EQ(stages[1].grid.at(1, 1), 13);
    EXPECT_EQ(stages[1].grid.at(2, 1), 14);
    EXPECT_EQ(stages[1].grid.at(3, 1), 29);
    EXPECT_EQ(stages[1].grid.at(4, 1), 28);
    EXPECT_EQ(stages[1].grid.at(0, 1), 0) << "margins stay empty";
}

TEST(ToyTable, FillsAll513SlotsAndSplitsTheRecipe) {
    const auto toys = gen::parseToyTable("# header\n3\tgu\t5\tflower:pink\tabout\n", "t");
    ASSERT_EQ(toys.size(), 513u);
    EXPECT_EQ(toys[3].name, "gu");
    EXPECT_EQ(toys[3].rarity, 5);
    EXPECT_EQ(toys[3].kind, "flower");
    EXPECT_EQ(toys[3].colour, "pink");
    EXPECT_TRUE(toys[4].name.empty());
    EXPECT_EQ(toys[512].rarity, 0);
}

TEST(ShapeScript, ReadsBlocksAndOutlineFlags) {
    const auto d = gen::parseShapeScript(
        "shape a ; note\ncircle 1 2 3 main\n!rect 0 0 4 4 #102030\nend\n"
        "picture p 10 20\npoly 0 0 1 0 1 1 red.dark\nend\n",
        "s");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].shapes.size(), 2u);
    EXPECT_TRUE(d[0].shapes[0].outlined);
    EXPECT_FALSE(d[0].shapes[1].outlined);
    EXPECT_EQ(d[1].width, 10);
    EXPECT_EQ(d[1].height, 20);
    EXPECT_EQ(d[1].shapes[0].args.size(), 6u);
}

enum class Parser { Course, Toys, Shapes };

struct BadSource {
    Parser parser;
    const char* what;
    std::string text;
    const char* message;  // part of the expected error
};

class SourceErrors : public testing::TestWithParam<BadSource> {};

TEST_P(SourceErrors, AreRefusedNamingTheSourceAndLine) {
    const auto& p = GetParam();
    try {
        switch (p.parser) {
            case Parser::Course:
                gen::parseCourseSource(p.text, "src");
                break;
            case Parser::Toys:
                gen::parseToyTable(p.text, "src");
                break;
            case Parser::Shapes:
                gen::parseShapeScript(p.text, "src");
                break;
        }
        FAIL() << "accepted";
    } catch (const std::runtime_error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find(p.message), std::string::npos) << what;
        EXPECT_EQ(what.rfind("src:", 0), 0u) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Gen, SourceErrors,
    testing::Values(
        BadSource{Parser::Course, "index", stage(1, grid()), "'stage 0' expected"},
        BadSource{Parser::Course, "title", "stage 0\nname: T\n", "'title: <text>' expected"},
        BadSource{Parser::Course, "short row", stage(0, "ooo\n"), "exactly 10 characters"},
        BadSource{Parser::Course, "unknown", stage(0, grid("..........", "Z.........")),
                  "unknown block character 'Z'"},
        BadSource{Parser::Course, "bar code", stage(0, grid("..........", " .........")),
                  "unknown block character ' '"},
        BadSource{Parser::Course, "bar row", stage(0, grid("....o.....")), "bar row (18) must be empty"},
        BadSource{Parser::Course, "truncated", stage(0, "..........\n"), "unexpected end"},
        BadSource{Parser::Toys, "fields", "1\ta\t2\tx:red\n", "5 tab-separated fields"},
        BadSource{Parser::Toys, "last slot", "512\ta\t2\tx:red\td\n", "outside 0..511"},
        BadSource{Parser::Toys, "twice", "1\ta\t2\tx:red\td\n1\tb\t2\tx:red\td\n", "given twice"},
        BadSource{Parser::Toys, "same name", "1\ta\t2\tx:red\td\n2\ta\t2\tx:red\td\n", "used twice"},
        BadSource{Parser::Toys, "rarity", "1\ta\t11\tx:red\td\n", "rarity outside 1..10"},
        BadSource{Parser::Toys, "recipe", "1\ta\t2\tflower\td\n", "kind:colour"},
        BadSource{Parser::Shapes, "unknown", "shape a\nsquare 1 2 3 main\nend\n", "unknown shape"},
        BadSource{Parser::Shapes, "count", "shape a\ncircle 1 2 main\nend\n", "wrong number of values"},
        BadSource{Parser::Shapes, "odd polygon", "shape a\npoly 0 0 1 0 1 1 2 main\nend\n", "x y pairs"},
        BadSource{Parser::Shapes, "number", "shape a\ncircle 1 b 3 main\nend\n", "number expected"},
        BadSource{Parser::Shapes, "no end", "shape a\ncircle 1 2 3 main\n", "'end' missing"},
        BadSource{Parser::Shapes, "outside", "circle 1 2 3 main\n", "outside a block"}),
    [](const auto& info) {
        std::string n = std::string(info.param.parser == Parser::Course ? "course_"
                                    : info.param.parser == Parser::Toys ? "toys_"
                                                                        : "shapes_") +
                        info.param.what;
        for (auto& c : n)
            if (c == ' ') c = '_';
        return n;
    });

TEST(Palette, ResolvesRolesNamesAndHexAndRefusesTheRest) {
    const auto pink = gen::paletteNamed("pink");
    EXPECT_EQ(gen::resolveColour("main", pink), pink.main);
    EXPECT_EQ(gen::resolveColour("accent", pink), pink.accent);
    EXPECT_EQ(gen::resolveColour("#ff8001", pink), (base::Colour{255, 128, 1}));
    EXPECT_EQ(gen::resolveColour("red.dark", pink), gen::paletteNamed("red").dark);
    EXPECT_THROW(gen::resolveColour("#ff80", pink), std::runtime_error);
    EXPECT_THROW(gen::resolveColour("teal", pink), std::runtime_error);
    EXPECT_THROW(gen::resolveColour("red.shiny", pink), std::runtime_error);
}

TEST(WaveFile, WritesHeaderSizesAndPadsAnOddDataChunk) {
    gen::Sound s{"x.wav", {11025, 8, 1}, {0.0f, 1.0f, -1.0f}, {}};
    const std::string b = gen::encodeWave(s);
    ASSERT_EQ(b.size(), 44u + 4u);  // three samples and one pad byte
    EXPECT_EQ(static_cast<unsigned char>(b[40]), 3u) << "data size counts the samples only";
    EXPECT_EQ(static_cast<unsigned char>(b[4]), 40u) << "RIFF size includes the pad";
    EXPECT_EQ(static_cast<unsigned char>(b[44]), 128u);
    EXPECT_EQ(static_cast<unsigned char>(b[45]), 255u);
    EXPECT_EQ(static_cast<unsigned char>(b[46]), 1u);

    gen::Sound st{"y.wav", {22050, 16, 2}, {0.5f}, {-0.5f}};
    const std::string c = gen::encodeWave(st);
    ASSERT_EQ(c.size(), 48u);
    EXPECT_EQ(static_cast<unsigned char>(c[32]), 4u) << "block align of 16-bit stereo";
}

}  // namespace
