#include "OutputViews.h"

#include <gtest/gtest.h>

#include <string>

using namespace kforge;

TEST(OutputViews, TheSelectorListsTheToolOutputThenTheErrorFiles)
{
    ASSERT_EQ(kOutputViewCount, 4);
    EXPECT_STREQ(kOutputViews[kToolOutputView].name, " Output");
    EXPECT_EQ(kOutputViews[kToolOutputView].errorFile, nullptr);
    const std::pair<std::string, std::string> fileViews[] = {
        {" Compiler", "bcc32.err"}, {" Linker", "ilink32.err"}, {" Library", "tlib.err"}};
    for (int i = 1; i < kOutputViewCount; ++i) {
        EXPECT_EQ(kOutputViews[i].name, fileViews[i - 1].first);
        EXPECT_EQ(kOutputViews[i].errorFile, fileViews[i - 1].second);
    }
}

TEST(OutputViews, AnErrorFileIsShownWholeOnlyWhenItsSecondLineHasText)
{
    const std::string banner = "bcc32: Kiln front-end\r\n";
    const std::pair<std::string, bool> cases[] = {
        {"", false},
        {"bcc32: Kiln front-end", false},                 // no second line
        {banner, false},                                  // an empty second line
        {banner + "   \r\nError x.cpp 1: y\r\n", false},  // a blank second line
        {banner + "Error x.cpp 1: y\r\n", true},
        {banner + "Error x.cpp 1: y", true},  // no line end after it
        {banner + "  note\r\n\r\n", true},
        {"bcc32\nError x.cpp 1: y\n", false},  // LF alone does not end a line
    };
    for (const auto& [content, shown] : cases) {
        EXPECT_EQ(ErrorFileViewText(content), shown ? content : std::string()) << content;
    }
}
