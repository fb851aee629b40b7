#include "core/base/MessageTable.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageTable, HoldsTheBuiltInTextsWithTheirTrailingBlanks) {
    ResetBuiltInTexts();
    EXPECT_EQ(MessageTable().size(), 129u);
    const struct {
        int index;
        const char* text;
    } rows[] = {
        {0, "Обчислення відстані до точки"},
        {1, "(Див. вікно \"Графік\")"},
        {13, "Об'єм вибірки="},
        {38, "A повинно бути не більше "},
        {71, "Значення інтеграла:          "},
        {125, "Відстань між "},
        {128, "Точка"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(Msg(row.index), row.text);
    }
    EXPECT_EQ(Msg(-1), "");
    EXPECT_EQ(Msg(MessageCount), "");
}

TEST(MessageTable, ReplacedTextsComeBackOnReset) {
    MessageTable()[7] = "Error in expression!";
    ButtonCaptions()[0] = "Yes";
    DialogCaptions()[1] = "Error";
    EXPECT_EQ(Msg(7), "Error in expression!");
    ResetBuiltInTexts();
    EXPECT_EQ(Msg(7), "Помилка у виразі!");
    EXPECT_EQ(ButtonCaptions()[0], "Так");
    EXPECT_EQ(ButtonCaptions()[3], "Скасувати");
    EXPECT_EQ(ButtonCaptions()[10], "Help");
    EXPECT_EQ(DialogCaptions()[1], "Помилка");
    EXPECT_EQ(DialogCaptions()[3], "Підтвердження");
    EXPECT_EQ(DialogCaptions()[4], "");
}

} // namespace
