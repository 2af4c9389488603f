// The programs' command line: files, --help, --version, wrong use.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "base/ProgramOptions.h"
#include "base/Translation.h"

namespace {

struct Parsed {
    std::optional<int> code;
    std::string out, err;
};

Parsed parse(base::ProgramOptions& o, std::vector<const char*> words) {
    words.insert(words.begin(), "prog");
    std::ostringstream out, err;
    Parsed r;
    r.code = o.parse(static_cast<int>(words.size()), words.data(), out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

base::ProgramOptions runnerLike() {
    base::ProgramOptions o("prog", "Does things.");
    o.addFiles("FILE", 1, "a file");
    return o;
}

TEST(ProgramOptions, NothingGivenGoesOn) {
    auto o = runnerLike();
    const Parsed r = parse(o, {});
    EXPECT_FALSE(r.code);
    EXPECT_TRUE(o.files().empty());
    EXPECT_EQ(r.out + r.err, "");
}

TEST(ProgramOptions, OneFileIsTakenEvenWithADashAfterTheEndOfOptions) {
    auto o = runnerLike();
    EXPECT_FALSE(parse(o, {"my stage.usr"}).code);
    EXPECT_EQ(o.files(), std::vector<std::string>{"my stage.usr"});
    EXPECT_FALSE(parse(o, {"--", "-odd.usr"}).code);
    EXPECT_EQ(o.files(), std::vector<std::string>{"-odd.usr"});
    EXPECT_FALSE(parse(o, {"-"}).code) << "a lone dash is a name";
}

TEST(ProgramOptions, HelpAndVersionAnswerOnStandardOutput) {
    auto o = runnerLike();
    Parsed r = parse(o, {"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("Usage: prog [OPTION]... [FILE]\nDoes things.\n", 0), 0u);
    EXPECT_NE(r.out.find("  --version  show the version and exit\n"), std::string::npos);
    EXPECT_NE(r.out.find("  FILE       a file\n"), std::string::npos);
    r = parse(o, {"x.usr", "--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "prog " ZORBAN_TEST_VERSION "\n");
}

TEST(ProgramOptions, WrongUseGetsTheUsageOnStandardErrorAndCode2) {
    auto o = runnerLike();
    for (const std::vector<const char*>& words :
         {std::vector<const char*>{"--nope"}, {"-x"}, {"a.usr", "b.usr"}, {"--help", "--nope"}}) {
        const Parsed r = parse(o, words);
        EXPECT_EQ(r.code, 2) << words[0];
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Usage: prog"), std::string::npos);
    }
    base::ProgramOptions none("game", "G.");
    const Parsed r = parse(none, {"file.usr"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err.rfind("game: no file is taken: file.usr\nUsage: game [OPTION]...\n", 0), 0u);
}

TEST(ProgramOptions, OptionsWithValues) {
    auto o = runnerLike();
    o.addOption("--replay", {"MOVES", "FILE"}, "replays");
    EXPECT_FALSE(parse(o, {"--replay", "m.txt", "s.usr"}).code);
    EXPECT_TRUE(o.has("--replay"));
    EXPECT_EQ(o.values("--replay"), (std::vector<std::string>{"m.txt", "s.usr"}));
    EXPECT_TRUE(o.files().empty());
    const Parsed r = parse(o, {"--replay", "m.txt"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("--replay needs FILE"), std::string::npos);
    EXPECT_FALSE(parse(o, {}).code);
    EXPECT_FALSE(o.has("--replay")) << "a new parse forgets the last";
    EXPECT_NE(o.usage().find("  --replay MOVES FILE  replays\n"), std::string::npos);
}

TEST(ProgramOptions, HelpOfSeveralLinesAndManyFiles) {
    base::ProgramOptions o("prog", "Does things.");
    o.addFiles("FILE", 3, "files");
    o.addOption("--long", {}, "first line\nsecond line");
    const std::string usage = o.usage();
    EXPECT_EQ(usage.rfind("Usage: prog [OPTION]... [FILE]...\n", 0), 0u);
    EXPECT_NE(usage.find("  --long     first line\n             second line\n"), std::string::npos);
}

// The players' programs speak the player's language in every line they write, the faults too.
TEST(ProgramOptions, TranslatedWordsReachTheUsageAndTheFaults) {
    base::setTranslator([](const char*, const char* text) { return "[" + std::string(text) + "]"; }, "xx");
    base::ProgramOptions o("prog", "Does things.", base::ProgramOptions::Words::translated());
    base::setTranslator(nullptr, "ja");
    o.addFiles("FILE", 1, "a file");
    o.addOption("--replay", {"MOVES"}, "replays");
    const std::string usage = o.usage();
    EXPECT_EQ(usage.rfind("[使い方: prog [OPTION]...] [FILE]\n", 0), 0u) << usage;
    EXPECT_NE(usage.find("  --help          [このヘルプを表示して終了します]\n"), std::string::npos) << usage;
    for (const auto& [words, fault] : std::vector<std::pair<std::vector<const char*>, std::string>>{
             {{"--nope"}, "prog: [--nope というオプションはありません]\n"},
             {{"--replay"}, "prog: [--replay には MOVES が要ります]\n"},
             {{"a", "b"}, "prog: [ファイルが多すぎます: b]\n"}}) {
        const Parsed r = parse(o, words);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err.rfind(fault + "[使い方:", 0), 0u) << r.err;
    }
}

}  // namespace
