// The numbered text menu on the console.
#include <cstring>

#include "console_fixture.h"

namespace {

const std::string prompt = utf8(u8"\n      番号を選んでください ---> ");

// What the menu shows before its first prompt.
std::string screen(const std::string& title, const std::vector<std::string>& choices) {
    std::string text;
    for (int i = 0; i < 25; ++i) text += "    \n";
    text += "      " + title + "\n\n";
    for (std::size_t i = 0; i < choices.size(); ++i) {
        text += "   " + std::to_string(i + 1) + ". " + choices[i] + "\n";
    }
    text += utf8(u8"   0. 終了\n");
    return text + prompt;
}

int count_of(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

using Menu = ConsoleStreams;

TEST_F(Menu, ShowsTitleChoicesEndAndPrompt) {
    const char items[][menu_item_size] = {"T", "A", "B"};
    set_input("2\n");
    EXPECT_EQ(text_menu(items, 2), 2);
    EXPECT_EQ(contents(menu), screen("T", {"A", "B"}));
    EXPECT_EQ(contents(out), "");  // the menu is not written to the output stream
}

TEST_F(Menu, ShiftJisTextsReachTheConsoleConverted) {
    const char items[][menu_item_size] = {"ベース回路", "固定バイアス"};
    set_input("1\n");
    EXPECT_EQ(text_menu(items, 1), 1);
    EXPECT_EQ(contents(menu), screen(utf8(u8"ベース回路"), {utf8(u8"固定バイアス")}));
}

TEST_F(Menu, CountZeroShowsOnlyTitleEndAndPrompt) {
    const char items[][menu_item_size] = {"Title"};
    set_input("0\n");
    EXPECT_EQ(text_menu(items, 0), 0);
    EXPECT_EQ(contents(menu), screen("Title", {}));
}

// The number read, and how often the prompt was shown: a number out of range is read again
// without a new prompt; input that is no number is dropped to the end of its line and the
// prompt is shown again; the end of the input ends the menu with 0.
TEST_F(Menu, Answers) {
    struct Case {
        int count;
        const char* input;
        int result;
        int prompts;
    };
    const Case cases[] = {
        {0, "0\n", 0, 1},      {0, "5\n0\n", 0, 1},
        {3, "3\n", 3, 1},      {3, "-1\n12\n2\n", 2, 1},
        {3, "  1", 1, 1},      {3, "123\n", 3, 1},  // two digits at most: 12, then 3
        {3, "abc\n2\n", 2, 2}, {3, "x\ny y y\n1\n", 1, 3},
        {3, "5x\n1\n", 1, 2},  {3, "-\n2\n", 2, 2},
        {3, "", 0, 1},         {3, "\n\n", 0, 1},
        {3, "abc", 0, 2},      {3, "7", 0, 1},
        {9, "09\n", 9, 1},     {-1, "1\n0\n", 0, 1},  // a negative count counts as 0
        {-5, "", 0, 1},
    };
    const char items[][menu_item_size] = {"T", "A", "B", "C", "D", "E", "F", "G", "H", "I"};
    for (const Case& c : cases) {
        restart();
        set_input(c.input);
        EXPECT_EQ(text_menu(items, c.count), c.result) << '"' << c.input << '"';
        EXPECT_EQ(count_of(contents(menu), prompt), c.prompts) << '"' << c.input << '"';
    }
}

TEST_F(Menu, NegativeCountShowsTheMenuOfCountZero) {
    const char items[][menu_item_size] = {"T", "A"};
    set_input("0\n");
    text_menu(items, -3);
    EXPECT_EQ(contents(menu), screen("T", {}));
}

// A text that fills its whole field without a terminator ends at the end of the field.
TEST_F(Menu, TextsEndAtTheirFields) {
    char items[3][menu_item_size];
    std::memset(items[0], 'T', menu_item_size);
    std::memset(items[1], 'A', menu_item_size);
    std::memset(items[2], 'B', menu_item_size);
    set_input("1\n");
    EXPECT_EQ(text_menu(items, 1), 1);
    EXPECT_EQ(contents(menu),
              screen(std::string(menu_item_size, 'T'), {std::string(menu_item_size, 'A')}));
}

}  // namespace
