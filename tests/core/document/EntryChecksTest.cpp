#include "core/document/EntryChecks.h"

#include "core/base/MessageTable.h"
#include "core/formula/ParamTable.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

// Readable failures (found by the test framework next to the enum).
static std::ostream& operator<<(std::ostream& os, TFuBox box) {
    static const char* const names[] = {"None",   "FyEdit", "FxEdit", "AxEdit",
                                        "BxEdit", "AyEdit", "ByEdit", "BGPEdit"};
    return os << names[static_cast<int>(box)];
}

namespace {

// The dialog as an explicit function fills it: Y(X)=X on [-5, 5], quality 100.
TFuInputData Explicit() {
    return TFuInputData{};
}

TFuInputData Parametric() {
    TFuInputData d;
    d.FxVisible = true;
    return d;
}

TFuInputData Implicit() {
    TFuInputData d;
    d.AyByVisible = true;
    d.QualityVisible = false;
    d.PrecisionVisible = true;
    d.LineWidthVisible = false;
    return d;
}

using B = TFuBox;

} // namespace

TEST(EntryChecks, MessagesAreTheDialogsTexts) {
    ResetBuiltInTexts();
    EXPECT_EQ(Msg(msg::FuInputExpressionError), "Помилка у виразі!");
    EXPECT_EQ(Msg(msg::FuInputInterval), "Неправильний відрізок задання!");
    EXPECT_EQ(Msg(msg::NerExpressionError), "Помилка у виразі!");
    EXPECT_EQ(Msg(msg::RngInputExpressionError), "Помилка у виразі!");
    EXPECT_EQ(Msg(msg::RngInputInterval), "Неправильно задано відрізок!");
    EXPECT_EQ(Msg(msg::BrokLongVertexNumbers), "Неправильно задано номери вершин!");
}

TEST(EntryChecks, FuInputRefusesTheFirstShownBadBox) {
    enum class Kind { Explicit, Parametric, Implicit };
    using Text = std::pair<std::string TFuInputData::*, const char*>;
    struct Row {
        const char* Reason;
        Kind Of;
        std::vector<Text> Typed;
        TFuBox Failed;
        int Message;
        std::vector<TFuBox> Passed;
    };
    const std::vector<B> allExplicit{B::FyEdit, B::AxEdit, B::BxEdit, B::BGPEdit};
    const std::vector<B> allImplicit{B::FyEdit, B::AxEdit, B::BxEdit, B::AyEdit, B::ByEdit};
    const int expr = msg::FuInputExpressionError, interval = msg::FuInputInterval, none = msg::None;
    const auto Fy = &TFuInputData::FyText;
    const auto Fx = &TFuInputData::FxText;
    const auto A = &TFuInputData::AText;
    const auto Bx = &TFuInputData::BText;
    const auto Ay = &TFuInputData::AyText;
    const auto By = &TFuInputData::ByText;
    const auto Q = &TFuInputData::QualityText;
    // clang-format off
    const Row rows[] = {
        {"defaults pass", Kind::Explicit, {}, B::None, none, allExplicit},
        {"a function needs its parentheses", Kind::Explicit, {{Fy, "SIN X"}}, B::FyEdit, expr, {}},
        {"bounds and quality may be expressions", Kind::Explicit,
         {{A, "-2*PI"}, {Bx, "P1+1"}, {Q, "10*5"}}, B::None, none, allExplicit},
        {"hidden second row is not looked at", Kind::Explicit, {{Fx, "SIN X"}}, B::None, none, allExplicit},
        {"shown second row is", Kind::Parametric, {{Fx, "SIN X"}}, B::FxEdit, expr, {B::FyEdit}},
        {"B after A", Kind::Explicit, {{A, "("}, {Bx, "5+"}}, B::AxEdit, expr, {B::FyEdit}},
        {"quality last", Kind::Explicit, {{Q, "*"}}, B::BGPEdit, expr, {B::FyEdit, B::AxEdit, B::BxEdit}},
        {"A above B", Kind::Explicit, {{A, "5"}, {Bx, "-5"}}, B::AxEdit, interval, allExplicit},
        {"A equal to B", Kind::Explicit, {{A, "2"}, {Bx, "1+1"}}, B::AxEdit, interval, allExplicit},
        {"a bound without a value is no interval", Kind::Explicit, {{Bx, "1/0"}}, B::AxEdit, interval,
         allExplicit},
        {"implicit: y bounds compiled before the interval test", Kind::Implicit, {{By, "Y+"}}, B::ByEdit, expr,
         {B::FyEdit, B::AxEdit, B::BxEdit, B::AyEdit}},
        {"implicit: hidden quality is not looked at", Kind::Implicit, {{Q, "*"}}, B::None, none, allImplicit},
        {"implicit: Ay above By", Kind::Implicit, {{Ay, "1"}, {By, "0"}}, B::AyEdit, interval, allImplicit},
        {"hidden y bounds left by another kind do not refuse", Kind::Explicit, {{Ay, "1"}, {By, "0"}}, B::None,
         none, allExplicit},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        TFuInputData data = row.Of == Kind::Explicit     ? Explicit()
                            : row.Of == Kind::Parametric ? Parametric()
                                                         : Implicit();
        for (const Text& t : row.Typed)
            data.*t.first = t.second;
        const TEntryCheck<TFuBox> check = CheckFuInput(data);
        EXPECT_EQ(check.Failed, row.Failed);
        EXPECT_EQ(check.Message, row.Message);
        EXPECT_EQ(check.Ok(), row.Message == msg::None);
        EXPECT_EQ(check.Passed, row.Passed);
    }
}

TEST(EntryChecks, FuInputIntervalFollowsTheParameters) {
    ParamTable()[1].Value = 10;
    TFuInputData data;
    data.BText = "P1";
    EXPECT_TRUE(CheckFuInput(data).Ok());
    ParamTable()[1].Value = -10;
    EXPECT_EQ(CheckFuInput(data).Message, msg::FuInputInterval);
    ParamTable()[1].Value = 1;
}

TEST(EntryChecks, RngInputComparesAfterCompilingBoth) {
    struct Row {
        const char* A;
        const char* B;
        TRngBox Failed;
        int Message;
        std::size_t Passed;
    };
    const Row rows[] = {
        {"0", "PI", TRngBox::None, msg::None, 2},
        {"SIN 1", "(", TRngBox::RngAEdit, msg::RngInputExpressionError, 0},
        {"1", "2+", TRngBox::RngBEdit, msg::RngInputExpressionError, 1},
        {"3", "3", TRngBox::RngAEdit, msg::RngInputInterval, 2},
        {"3", "-3", TRngBox::RngAEdit, msg::RngInputInterval, 2},
        {"1/0", "3", TRngBox::RngAEdit, msg::RngInputInterval, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.A) + " .. " + row.B);
        const TEntryCheck<TRngBox> check = CheckRngInput(row.A, row.B);
        EXPECT_EQ(check.Failed, row.Failed);
        EXPECT_EQ(check.Message, row.Message);
        EXPECT_EQ(check.Passed.size(), row.Passed);
    }
}

TEST(EntryChecks, NerInputNeedsAFormula) {
    EXPECT_TRUE(CheckNerInput("0").Ok());
    EXPECT_TRUE(CheckNerInput("SQRT(2)*P1").Ok());
    const TEntryCheck<TNerBox> bad = CheckNerInput("SIN X");
    EXPECT_EQ(bad.Failed, TNerBox::NerEdit);
    EXPECT_EQ(bad.Message, msg::NerExpressionError);
}

TEST(EntryChecks, OpenBrokenLineRunsForwardsClosedOneAnyWay) {
    struct Row {
        int N1, N2;
        bool Closed;
        bool Ok;
    };
    const Row rows[] = {
        {5, 3, false, false}, {5, 3, true, true}, {3, 5, false, true}, {4, 4, false, true}, // length zero
        {4, 4, true, true}, // the whole closed line
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.N1 << ", " << row.N2 << (row.Closed ? " closed" : " open"));
        const TEntryCheck<TBrokBox> check = CheckBrokLongInput(row.N1, row.N2, row.Closed);
        EXPECT_EQ(check.Ok(), row.Ok);
        EXPECT_EQ(check.Message, row.Ok ? msg::None : msg::BrokLongVertexNumbers);
    }
}

TEST(EntryChecks, HistoryAppendsNewTextsOnce) {
    std::vector<std::string> history;
    EXPECT_TRUE(AddToHistory(history, "X^2"));
    EXPECT_TRUE(AddToHistory(history, "SIN(X)"));
    EXPECT_FALSE(AddToHistory(history, "X^2"));
    EXPECT_FALSE(AddToHistory(history, ""));
    EXPECT_TRUE(AddToHistory(history, "x^2")); // texts are kept as typed
    EXPECT_EQ(history, (std::vector<std::string>{"X^2", "SIN(X)", "x^2"}));
}
