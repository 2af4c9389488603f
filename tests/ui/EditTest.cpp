// The typing limit of text fields, counted in code page 932 bytes.
#include <gtest/gtest.h>

#include "ui/core/Widgets.h"

namespace {

struct Row {
    int limit;
    const char* current;
    const char* proposed;
    bool accepted;
};

class EditAccepts : public ::testing::TestWithParam<Row> {};

TEST_P(EditAccepts, ByBytes) {
    const Row r = GetParam();
    ui::Edit e("e");
    e.setMaxBytes(r.limit);
    e.setText(r.current);
    EXPECT_EQ(e.accepts(r.proposed), r.accepted) << r.current << " -> " << r.proposed;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditAccepts,
    ::testing::Values(
        Row{4, "", "abcd", true}, Row{4, "abcd", "abcde", false}, Row{4, "", "ああ", true},  // two bytes each
        Row{4, "ああ", "ああa", false}, Row{3, "", "ｱｲｳ", true},  // half-width kana: one byte each
        Row{3, "ｱｲｳ", "ｱｲｳｴ", false}, Row{3, "ab", "abあ", false},
        Row{0, "", "no limit at all, any length", true}, Row{4, "", "😀", false},  // not in the code page
        Row{0, "", "한", false}, Row{4, "abcdefgh", "abcdefg", true},  // deleting from a longer program text
        Row{4, "abcdefgh", "abcdefghi", false}));

TEST(Edit, UserEditRunsOnChangeAndEnterRunsOnEnter) {
    ui::Edit e("e");
    std::string seen;
    int entered = 0;
    e.onChange = [&] { seen = e.text(); };
    e.onEnter = [&] { ++entered; };
    e.userEdited("タイトル");
    e.userEntered();
    EXPECT_EQ(seen, "タイトル");
    EXPECT_EQ(entered, 1);
}

}  // namespace
