#include "BoxNotation.h"
#include "editor/rules/BoxState.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

using test::ParseBox;
using test::ShowBox;

TEST(BoxState, LineBreaksMoveTheCaretAndClampingKeepsItInside) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    for (const Case& c :
         {Case{"a\r\n|b", "a\n|b"}, Case{"|a\r\nb", "|a\nb"}, Case{"a[\r\nb\r\n]c", "a[\nb\n]c"},
          Case{"\r\n\r\n|", "\n\n|"}, Case{"a\rb|", "a\rb|"}}) {
        EXPECT_EQ(ShowBox(ToShownLineBreaks(ParseBox(c.stored))), c.shown) << c.stored;
        EXPECT_EQ(ShowBox(ToStoredLineBreaks(ParseBox(c.shown))), c.stored) << c.shown;
    }
    // A caret between CR and LF cannot be shown there; it moves past the break.
    EXPECT_EQ(ShowBox(ToShownLineBreaks(BoxState{"a\r\nb", 2, 0})), "a\n|b");
    // Clamping keeps the caret and the selection inside the text.
    EXPECT_EQ(ClampSelection(BoxState{"abc", 7, 2}), (BoxState{"abc", 3, 0}));
    EXPECT_EQ(ClampSelection(BoxState{"abc", -1, 9}), (BoxState{"abc", 0, 3}));
}

} // namespace
} // namespace tabulo
