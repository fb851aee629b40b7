#include "core/document/ObjectRemoval.h"
#include "core/document/TDocument.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
// A document of explicit functions "1", "2", ... with the given check marks; the last entry is current.
void Fill(TDocument& doc, const std::vector<bool>& checks) {
    for (std::size_t i = 0; i < checks.size(); ++i)
        doc.Objects.Append(std::make_unique<TFn>(std::to_string(i + 1), "-5", "5", clRed), checks[i]);
}

std::string Formulas(const TDocument& doc) {
    std::string s;
    for (int i = 0; i < doc.Objects.Count(); ++i)
        s += doc.Objects.Object(i).FormulaText();
    return s;
}
} // namespace

TEST(ObjectRemoval, EachRemovalTakesItsEntriesAndChoosesTheNewCurrent) {
    struct Row {
        const char* Reason;
        std::vector<bool> Checks;
        int Current;
        TRemovalResult (*Remove)(TDocument&);
        const char* Left;
        int NewCurrent;
    };
    const Row rows[] = {
        {"checked entries, last becomes current",
         {true, false, true, false},
         1,
         RemoveCheckedOrCurrent,
         "24",
         1},
        {"nothing checked takes the current entry",
         {false, false, false},
         0,
         RemoveCheckedOrCurrent,
         "23",
         1},
        {"last entry", {true, true, true}, 0, RemoveLastObject, "12", 1},
        {"current entry 2 of 4: former entry 3 is current",
         {false, false, false, false},
         1,
         RemoveCurrentObject,
         "134",
         1},
        {"current entry that was last: new last is current",
         {true, true, true},
         2,
         RemoveCurrentObject,
         "12",
         1},
        {"everything", {false, true}, 0, RemoveAllObjects, "", -1},
        {"the only entry", {false}, 0, RemoveCurrentObject, "", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        TDocument doc;
        Fill(doc, row.Checks);
        doc.Objects.SetCurrent(row.Current);
        row.Remove(doc);
        EXPECT_EQ(Formulas(doc), row.Left);
        EXPECT_EQ(doc.Objects.Current(), row.NewCurrent);
        EXPECT_TRUE(doc.Objects.Modified);
    }
}

TEST(ObjectRemoval, ReportsDrawnObjectsAndForgetsSelectionsAndShading) {
    TDocument doc;
    Fill(doc, {true, false, true});
    doc.Objects.Object(1).Drawn = true;
    for (int i = 0; i < 3; ++i) {
        doc.Selection.Items.push_back(&doc.Objects.Object(i));
        doc.ShadeList.Items.push_back(&doc.Objects.Object(i));
    }
    doc.Selection.ShadeRel = '<';

    const TRemovalResult checked = RemoveCheckedOrCurrent(doc);
    EXPECT_EQ(checked.Removed, 2);
    EXPECT_FALSE(checked.RemovedDrawn); // the drawn entry was not checked
    EXPECT_TRUE(doc.Selection.Empty());
    EXPECT_TRUE(doc.ShadeList.Empty());
    EXPECT_EQ(doc.Selection.ShadeRel, 'N');

    EXPECT_TRUE(RemoveLastObject(doc).RemovedDrawn);
}

TEST(ObjectRemoval, EmptyListIsLeftAlone) {
    TDocument doc;
    doc.Selection.ShadeRel = '>';
    for (auto remove : {RemoveCheckedOrCurrent, RemoveLastObject, RemoveCurrentObject, RemoveAllObjects})
        EXPECT_EQ(remove(doc).Removed, 0);
    EXPECT_FALSE(doc.Objects.Modified);
    EXPECT_EQ(doc.Selection.ShadeRel, '>');
}
