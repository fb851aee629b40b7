#include "gui/app/TAns.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>

TEST(Ans, LinesAccumulateInOrderUntilCleared) {
    TAns ans;
    EXPECT_TRUE(ans.Lines().isEmpty());
    ans.AnsAdd(""); // an empty first line is a line too
    ans.AnsAdd("Мода=3");
    ans.AddSeparator();
    EXPECT_EQ(ans.Lines(), QStringList({"", "Мода=3", "____________________________________"}));
    EXPECT_EQ(std::string(AnswerSeparatorLine).size(), 36u);

    ans.Clear();
    EXPECT_TRUE(ans.Lines().isEmpty());
    ans.AnsAdd("x");
    EXPECT_EQ(ans.Lines(), QStringList({"x"}));
    // Emptied from outside, the memo starts again without a stray empty line.
    ans.AnsAdd("y");
    ans.AnsMemo()->clear();
    ans.AnsAdd("z");
    EXPECT_EQ(ans.Lines(), QStringList({"z"}));
    EXPECT_TRUE(ans.AnsMemo()->isReadOnly());
}

TEST(Ans, OnlyResizesOfTheShownWindowCount) {
    TAns ans;
    int count = 0;
    QObject::connect(&ans, &TAns::Resized, [&count] { ++count; });
    ans.resize(300, 200);
    EXPECT_FALSE(ans.WasResized);
    ans.show();
    ans.resize(320, 240);
    EXPECT_TRUE(ans.WasResized);
    EXPECT_GE(count, 1);
}
