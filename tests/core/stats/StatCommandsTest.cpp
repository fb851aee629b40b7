#include "core/stats/StatCommands.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/TObjectList.h"
#include "core/objects/TFs.h"
#include "support/LongDoubleNear.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// A sample by points with the given variants and counts.
std::unique_ptr<TFs> ByPoints(std::initializer_list<std::pair<Real, int>> variants) {
    auto s = std::make_unique<TFs>(clRed);
    for (const auto& [x, f] : variants)
        s->Variants.AddVariant(f, x);
    s->LoadSample();
    s->CalcBounds(TMasshImage());
    return s;
}

// A sample by intervals of the given raw values on [a, b] in k intervals.
std::unique_ptr<TFs> ByIntervals(std::initializer_list<Real> values, const char* a, const char* b, int k) {
    auto s = std::make_unique<TFs>(clRed);
    for (Real x : values)
        s->Sample.AddNumber(x);
    s->Sample.Sort();
    s->Variants = CountVariants(s->Sample);
    s->Smodel = SampleByIntervals;
    s->RangeA.SetFormula(a);
    s->RangeB.SetFormula(b);
    s->K = k;
    s->CalcBounds(TMasshImage());
    return s;
}

TFuncs Selection(std::initializer_list<TFn*> objects) {
    TFuncs f;
    f.Items = objects;
    return f;
}
} // namespace

TEST(StatCommands, FrequencyTableOfBothModels) {
    ResetBuiltInTexts();
    const auto points = ByPoints({{1, 1}, {2, 2}, {3, 1}});
    EXPECT_EQ(FrequencyTable(Selection({points.get()})),
              (std::vector<std::vector<std::string>>{{"x", "n", "Накопич. n", "Pn*", "Накопич. Pn*"},
                                                     {"1", "1", "1", "0.25", "0.25"},
                                                     {"2", "2", "3", "0.5", "0.75"},
                                                     {"3", "1", "4", "0.25", "1"},
                                                     {"", "", "", "", ""}}));
    SetDigits(2); // the table keeps 4 digits
    const auto intervals = ByIntervals({0.1L, 0.2L, 0.7L}, "0", "1", 3);
    EXPECT_EQ(FrequencyTable(Selection({intervals.get()})),
              (std::vector<std::vector<std::string>>{{"Відрізок", "n", "Накопич. n", "Pn*", "Накопич. Pn*"},
                                                     {"0 - 0.3333", "2", "2", "0.6667", "0.6667"},
                                                     {"0.3333 - 0.6667", "0", "2", "0", "0.6667"},
                                                     {"0.6667 - 1", "1", "3", "0.3333", "1"},
                                                     {"", "", "", "", ""}}));
    SetDigits(4);
    TFn function("X", "0", "1", clRed);
    EXPECT_TRUE(FrequencyTable(Selection({&function})).empty());
}

TEST(StatCommands, NormalDensityIsAppendedWithoutBecomingCurrent) {
    SetDigits(4);
    TObjectList list;
    list.Append(ByIntervals({1, 2, 2, 3}, "0", "4", 2), true);
    list.Append(std::make_unique<TFn>("X", "-5", "5", clRed), false);
    list.SetCurrent(0);
    TMasshImage image;
    TFuncs selection = Selection({&list.Object(0)});
    EXPECT_EQ(NormalDensity(selection, list, image), 2);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Current(), 0);
    EXPECT_TRUE(list[2].Checked);
    EXPECT_TRUE(list.Modified);
    const TFn& density = list.Object(2);
    EXPECT_EQ(density.FormulaText(), "1/(Sqrt(2*Pi)*0.8165)*Exp(-(x-(2))^2/(2*(0.8165)^2))");
    EXPECT_EQ(list[2].Caption, "Y(X)=" + density.FormulaText());
    EXPECT_EQ(density.RangeA.FormulaText(), "0");
    EXPECT_EQ(density.RangeB.FormulaText(), "4");
    EXPECT_LD_NEAR(density.YOf(2), 1 / (std::sqrt(2 * 3.14159265358979323846L) * 0.8165L), 1e-15L);

    // A large mean keeps the formula readable: the exponent gets its sign.
    const auto far = ByPoints({{12345, 1}, {12346, 1}});
    TFuncs farSelection = Selection({far.get()});
    EXPECT_EQ(NormalDensityFormula(*far), "1/(Sqrt(2*Pi)*0.7071)*Exp(-(x-(1.235E+04))^2/(2*(0.7071)^2))");
    TFn function("X", "0", "1", clRed);
    EXPECT_EQ(NormalDensity(Selection({&function}), list, image), -1);
    EXPECT_EQ(list.Count(), 3);
}

TEST(StatCommands, PearsonRefusesWhatCannotBeCompared) {
    ResetBuiltInTexts();
    const auto points3 = ByPoints({{1, 2}, {2, 3}, {3, 5}});
    const auto points2 = ByPoints({{1, 2}, {2, 3}});
    const auto pointsOther = ByPoints({{1, 2}, {2, 3}, {4, 5}});
    const auto intervals2 = ByIntervals({0.5L, 1.5L}, "0", "2", 2);
    const auto intervals3 = ByIntervals({0.5L, 1.5L}, "0", "2", 3);
    const auto intervalsWide = ByIntervals({0.5L, 1.5L}, "0", "3", 2);
    TFn density("X/2", "0", "2", clRed);
    TFn narrow("1", "0.5", "1.5", clRed);
    TFn heavy("0.6", "0", "2", clRed);  // integral 1.2
    TFn limit("0.55", "0", "2", clRed); // integral 1.1 exactly: accepted
    TFn light("0.45", "0", "2", clRed); // 0.9: accepted
    struct Row {
        const char* why;
        TFn *first, *second;
        std::string message; // empty: accepted
    } rows[] = {
        {"models differ", points3.get(), intervals2.get(), "Не співпадають моделі даних для виборок!"},
        {"variant counts differ", points3.get(), points2.get(),
         "Повинна бути однакова кількість різних варіант у вибірках!"},
        {"variants differ", points3.get(), pointsOther.get(), "Варіанти повинні співпадати!"},
        {"interval counts differ", intervals2.get(), intervals3.get(),
         "Повинна бути однакова кількість інтервалів у вибірках!"},
        {"ranges differ", intervals2.get(), intervalsWide.get(), "Неспівпадання відрізків задання!"},
        {"discrete against a density", points3.get(), &density,
         "Дискретна вибірка не порівнюється з неперервною функцією!"},
        {"the density does not cover the sample", &narrow, intervals2.get(),
         "Неспівпадання відрізків задання!"},
        {"integral 1.2", intervals2.get(), &heavy, "Інтеграл f(x) на [a,b]<>1! (1.2)"},
        {"integral 1.1", intervals2.get(), &limit, ""},
        {"integral 0.9", intervals2.get(), &light, ""},
        {"a density first", &density, intervals2.get(), ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        const TPearsonSetup setup = PreparePearson(Selection({r.first, r.second}));
        ASSERT_TRUE(setup.E);
        EXPECT_EQ(setup.Ready() ? "" : Msg(setup.Message) + setup.Detail, r.message);
    }
    // Not two objects, or no sample among them: nothing at all.
    TFn other("X", "0", "1", clRed);
    for (const TFuncs& s : {Selection({points3.get()}), Selection({&density, &other}),
                            Selection({points3.get(), points3.get(), points3.get()})}) {
        const TPearsonSetup setup = PreparePearson(s);
        EXPECT_FALSE(setup.Ready());
        EXPECT_EQ(setup.Message, msg::None);
    }
}

TEST(StatCommands, PearsonSumsTheTermsAndJudges) {
    ResetBuiltInTexts();
    SetDigits(4);
    const auto e = ByPoints({{1, 2}, {2, 3}, {3, 5}, {4, 0}});
    const auto t = ByPoints({{1, 3}, {2, 3}, {3, 4}, {4, 0}});
    const auto zeros = ByPoints({{1, 0}, {2, 5}, {3, 5}, {4, 0}});
    // 10 * (0.1^2/0.3 + 0 + 0.1^2/0.4 + 0): the empty class adds nothing.
    EXPECT_LD_NEAR(PearsonChiSquare(*e, *t, true), 10 * (0.01L / 0.3L + 0.01L / 0.4L), 1e-15L);
    // Where the theory has no value the term divides by the sample's frequency.
    EXPECT_LD_NEAR(PearsonChiSquare(*e, *zeros, true), 10 * (0.04L / 0.2L + 0.04L / 0.5L), 1e-15L);

    TPearsonSetup setup = PreparePearson(Selection({e.get(), t.get()}));
    ASSERT_TRUE(setup.Ready());
    EXPECT_EQ(setup.KE, 4);
    EXPECT_EQ(RunPearson(setup, {2, 11, 2}).Lines,
              (std::vector<std::string>{"Критерій Пірсона:", "Рівень знач.=0.95", "К-ть степенів свободи=2",
                                        "Xi2 експ.=0.5833", "Xi2 теор.=5.99", "Гіпотеза підтверджується",
                                        AnswerSeparatorLine}));
    // The first sample as the theory: 10 * (0.1^2/0.2 + 0.1^2/0.5).
    EXPECT_EQ(RunPearson(setup, {1, 11, 2}).Lines[3], "Xi2 експ.=0.7");
    EXPECT_EQ(RunPearson(setup, {2, 1, 3}).Lines[5], "Гіпотеза не підтверджується"); // 0.5833 > 0.115
    EXPECT_TRUE(RunPearson(setup, {2, 11, 31}).Lines.empty());

    // Against a density by intervals: t_i is the integral over the interval.
    const auto grouped = ByIntervals({0.5L, 0.5L, 1.5L, 1.5L}, "0", "2", 2);
    TFn density("X/2", "0", "2", clRed);
    setup = PreparePearson(Selection({&density, grouped.get()}));
    ASSERT_TRUE(setup.Ready());
    EXPECT_EQ(setup.E, grouped.get());
    EXPECT_LD_NEAR(PearsonChiSquare(*grouped, density, false), 4 * (0.0625L / 0.25L + 0.0625L / 0.75L),
                   1e-9L);
}
