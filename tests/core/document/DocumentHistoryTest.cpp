#include "core/document/DocumentHistory.h"

#include "core/document/FixParams.h"
#include "core/document/ObjectDefaults.h"
#include "core/document/ObjectRemoval.h"
#include "core/formula/ParamTable.h"
#include "core/plot/MasshZoom.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct DocumentHistoryTest : ::testing::Test {
    void SetUp() override {
        ParamTable().ResetForNewDocument();
        ApplyGraphWindowDefaults(image);
        image.SetSize(400, 300);
    }
    void TearDown() override { ParamTable().ResetForNewDocument(); }
    TDocumentParts Parts() { return {doc, image, labels}; }
    void AddFunction(const std::string& formula) {
        auto f = std::make_unique<TFn>(formula, "-5", "5", clRed);
        f->CalcBounds(image);
        doc.Objects.Append(std::move(f), true);
    }

    TDocument doc;
    TMasshImage image;
    TGList labels;
};

// One of the edits the program's commands make, chosen by the generator.
void RandomEdit(std::mt19937& rng, TDocument& doc, TMasshImage& image, TGList& labels) {
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    TObjectList& list = doc.Objects;
    const int count = list.Count();
    switch (pick(12)) {
    case 0: { // "Створити" with a kind's defaults
        const auto kind = static_cast<ObjKind>(pick(ObjKindCount));
        if (!CanCreateObject(kind)) break;
        std::unique_ptr<TFn> object = CreateDefaultObject(kind, static_cast<TColor>(rng() & 0xFFFFFF));
        object->CalcBounds(image);
        list.Append(std::move(object), pick(2) == 0);
        break;
    }
    case 1: {
        const char* const formulas[] = {"P1*X^2+P2", "SIN(P3*X)", "X/P1", "ABS(X)-P2"};
        auto f = std::make_unique<TFn>(formulas[pick(4)], "-P1", "5", clBlue);
        f->CalcBounds(image);
        list.Append(std::move(f), true);
        break;
    }
    case 2:
        if (count == 0) break;
        list.SetCurrent(pick(count));
        pick(3) == 0 ? RemoveCheckedOrCurrent(doc)
        : pick(2)    ? RemoveCurrentObject(doc)
                     : RemoveLastObject(doc);
        break;
    case 3:
        if (count > 0) list[pick(count)].Checked ^= true;
        break;
    case 4: // a parameter stepped or typed, the objects tabulated again
        ParamTable()[1 + pick(3)].Value = pick(41) / 4.0L - 5;
        list.RecalcAll(image);
        break;
    case 5:
        if (labels.Count() > 1 && pick(3) == 0)
            labels.Delete(pick(labels.Count()));
        else
            labels.AddLabel(pick(11) - 5, pick(11) - 5, "A" + std::to_string(pick(100)), pick(2) == 0);
        break;
    case 6: image.SetMassh(pick(2) ? ShrunkMassh(image.Massh()) : GrownMassh(image.Massh())); break;
    case 7: image.SetCoord(image.Coord() == CoordType::ctDec ? CoordType::ctPolar : CoordType::ctDec); break;
    case 8:
        if (count > 0) list.SetCurrent(pick(count));
        FixParams(doc, image);
        break;
    case 9: // "Змінити..." on the current object
        if (TFn* f = list.CurrentObject()) {
            f->Color = static_cast<TColor>(rng() & 0xFFFFFF);
            f->GBuild = !f->GBuild;
            list.UpdateCaption(list.Current());
        }
        break;
    case 10: image.SetMasshAuto(!image.MasshAuto()); break;
    case 11: image.grXName = pick(2) ? "T" : "X"; break;
    }
    // Choosing another entry is no change of the document, but the history notes it.
    if (list.Count() > 0 && pick(4) == 0) list.SetCurrent(pick(list.Count()));
}

} // namespace

TEST_F(DocumentHistoryTest, UndoingEveryStepOfARandomEditingGivesTheSavedBytesBackAndRedoingGivesTheEnd) {
    for (const unsigned seed : {1u, 7u, 2024u}) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        ParamTable().ResetForNewDocument();
        doc.Objects.Clear();
        labels.Clear();
        image.SetMassh(InitialMassh);
        AddFunction("P1*X");
        labels.AddLabel(1, 2, "start", true);

        TDocumentHistory history(Parts());
        const std::string original = DocumentText(Parts());
        std::vector<TDocumentHistory::TChange> steps;
        for (int i = 0; i < 50; ++i) {
            RandomEdit(rng, doc, image, labels);
            if (auto change = history.TakeChange()) steps.push_back(*change);
        }
        ASSERT_GT(steps.size(), 35u);
        const std::string final = DocumentText(Parts());
        EXPECT_EQ(steps.back().After->Text, final);

        for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
            history.Restore(*step->Before);
            ASSERT_EQ(DocumentText(Parts()), step->Before->Text) << "undoing step " << steps.rend() - step;
            EXPECT_EQ(doc.Objects.Current(), step->Before->Current);
            EXPECT_FALSE(history.TakeChange()) << "a restore is no new step";
        }
        EXPECT_EQ(DocumentText(Parts()), original);
        for (const auto& step : steps) {
            history.Restore(*step.After);
            ASSERT_EQ(DocumentText(Parts()), step.After->Text);
        }
        EXPECT_EQ(DocumentText(Parts()), final);
    }
}

TEST_F(DocumentHistoryTest, RestoringTouchesOnlyWhatDiffers) {
    AddFunction("X");
    AddFunction("P1*X");
    TFn* kept = &doc.Objects.Object(0);
    doc.ShadeList.Items = {kept};
    image.SetMassh(ShrunkMassh(InitialMassh));
    TDocumentHistory history(Parts());

    ParamTable()[1].Value = 3;
    doc.Objects.RecalcAll(image);
    labels.AddLabel(0, 0, "L", false);
    const auto change = history.TakeChange();
    ASSERT_TRUE(change);
    history.Restore(*change->Before);
    EXPECT_EQ(ParamTable()[1].Value, 1);
    EXPECT_EQ(doc.Objects.Object(1).MaxY, 5) << "the object follows the parameter restored";
    EXPECT_TRUE(labels.Empty());
    EXPECT_EQ(image.OldMassh(), InitialMassh) << "the window did not change: the previous one is kept";
    EXPECT_EQ(&doc.Objects.Object(0), kept);
    EXPECT_EQ(doc.ShadeList.Count(), 1) << "the shaded system keeps its objects";

    // Undoing a removal brings the object back in its place; the others stay the objects they were.
    RemoveCurrentObject(doc); // P1*X, the last
    doc.Objects[0].Checked = false;
    const auto removal = history.TakeChange();
    ASSERT_TRUE(removal);
    history.Restore(*removal->Before);
    ASSERT_EQ(doc.Objects.Count(), 2);
    EXPECT_EQ(&doc.Objects.Object(0), kept);
    EXPECT_TRUE(doc.Objects[0].Checked);
    EXPECT_EQ(doc.Objects[1].Caption, "Y(X)=P1*X");
    EXPECT_EQ(doc.Objects.Current(), 1);
    EXPECT_TRUE(ParamTable()[1].Used);
}
