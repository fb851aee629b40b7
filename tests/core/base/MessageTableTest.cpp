#include "core/base/MessageTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MessageTable, HoldsTheBuiltInTextsWithTheirTrailingBlanks) {
    ResetBuiltInTexts();
    EXPECT_EQ(MessageTable().size(), 130u);
    const struct {
        msg::Id id;
        const char* text;
    } rows[] = {
        {msg::DistanceOpening, "Обчислення відстані до точки"},
        {msg::DistanceOpeningSeeGraph, "(Див. вікно \"Графік\")"},
        {msg::SampleSize, "Об'єм вибірки="},
        {msg::SampleAAboveSmallest, "A повинно бути не більше "},
        {msg::IntegralValue, "Значення інтеграла:          "},
        {msg::DistanceBetween, "Відстань між "},
        {msg::LabelsGridPoint, "Точка"},
        {msg::IntegralUnsettled, "Увага: значення не усталилося, інтеграл може бути розбіжним!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(Msg(row.id), row.text);
    }
    EXPECT_EQ(Msg(msg::None), "");
    EXPECT_EQ(Msg(msg::Count), "");
}

// Entries that share a text are told apart by the place that shows them; each name must still land on its
// text.
TEST(MessageTable, NamesOfRepeatedTextsLandOnThatText) {
    ResetBuiltInTexts();
    const struct {
        const char* text;
        std::vector<msg::Id> ids;
    } groups[] = {
        {"Помилка у виразі!",
         {msg::CalcExpressionError, msg::SampleBoundsExpressionError, msg::FuInputExpressionError,
          msg::GraphOpsExpressionError, msg::BrokenTransformExpressionError, msg::NerExpressionError,
          msg::RngInputExpressionError, msg::CircleExpressionError}},
        {"Помилка в записі числа!", {msg::TableNumberError, msg::ParamNumberError}},
        {"Помилка у числі (виразі)!", {msg::DerivXError, msg::DerivDxError}},
        {"(Див. вікно \"Графік\")",
         {msg::DistanceOpeningSeeGraph, msg::ValueOpeningSeeGraph, msg::DistanceNextSeeGraph}},
        {"Обчислення закінчено", {msg::DistanceFinished, msg::ValueFinished}},
        {"Мало даних!", {msg::SampleGridTooFewRows, msg::SampleGridTooFewData}},
        {"Відкрити файл", {msg::DocumentOpenTitle, msg::TableOpenTitle, msg::SampleOpenTitle}},
        {"Запис файлу на диск", {msg::TableSaveTitle, msg::SampleSaveTitle}},
        {"Текстові файли (*.txt)|*.txt|Всі файли (*.*)|*.*",
         {msg::TableOpenFilter, msg::TableSaveFilter, msg::SampleOpenFilter, msg::SampleSaveFilter}},
        {"Гістограма", {msg::FreqHistogram, msg::SampleHistogram}},
        {"Полігон", {msg::FreqPolygon, msg::SamplePolygon}},
        {"Площа поверхні тіла обертання:       ", {msg::IntegralSurfaceOx, msg::IntegralSurfaceOy}},
    };
    for (const auto& group : groups) {
        SCOPED_TRACE(group.text);
        for (msg::Id id : group.ids)
            EXPECT_EQ(Msg(id), group.text) << "entry " << static_cast<int>(id);
    }
}

TEST(MessageTable, ReplacedTextsComeBackOnReset) {
    MessageTable()[msg::CalcExpressionError] = "Error in expression!";
    ButtonCaptions()[0] = "Yes";
    DialogCaptions()[1] = "Error";
    EXPECT_EQ(Msg(msg::CalcExpressionError), "Error in expression!");
    ResetBuiltInTexts();
    EXPECT_EQ(Msg(msg::CalcExpressionError), "Помилка у виразі!");
    EXPECT_EQ(ButtonCaptions()[0], "Так");
    EXPECT_EQ(ButtonCaptions()[3], "Скасувати");
    EXPECT_EQ(ButtonCaptions()[10], "Help");
    EXPECT_EQ(DialogCaptions()[1], "Помилка");
    EXPECT_EQ(DialogCaptions()[3], "Підтвердження");
    EXPECT_EQ(DialogCaptions()[4], "");
}

} // namespace
