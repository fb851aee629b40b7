// The parameter area as a tool sets it up: narrow value column, parameters not in use reset, track bar steps
// that leave the scale alone. (The object list window's settings are tested with the window.)
#include "gui/document/TParamPanel.h"
#include "core/base/NumberText.h"
#include "core/document/ParamPlay.h"
#include "core/formula/ParamTable.h"
#include "gui/document/TParamGrid.h"
#include "support/LongDoubleNear.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ToolParamPanel : ::testing::Test {
    void SetUp() override {
        ParamTable().ResetForNewDocument();
        TParamPanelOptions options;
        options.ValueColumnWidth = TParamPanelOptions::ToolValueWidth;
        options.MarkParams = [this] {
            for (int k : used)
                ParamTable()[k].Used = true;
        };
        options.Unused = TUnusedParams::Reset;
        options.ValueChanged = [this] { ++changes; };
        options.FixScale = [this] { ++scaleFixes; };
        options.TrackFixesScale = false;
        panel = new TParamPanel(std::move(options), &window);
        other = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(panel);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { ParamTable().ResetForNewDocument(); }

    TParamGrid& Grid() const { return *panel->ParamSG(); }
    void TypeIntoCell(int row, const char* text) {
        Grid().setFocus();
        Grid().setCurrentCell(row, 0);
        Grid().editItem(Grid().item(row, 0));
        ASSERT_NE(Grid().Editor(), nullptr);
        Grid().Editor()->selectAll();
        QTest::keyClicks(Grid().Editor(), text);
    }
    // Waits, while events run, until the condition holds or a generous time has passed.
    template <class F> bool WaitFor(F condition) {
        QElapsedTimer clock;
        clock.start();
        while (!condition() && clock.elapsed() < 3000)
            QTest::qWait(20);
        return condition();
    }

    QWidget window;
    TParamPanel* panel = nullptr;
    QLineEdit* other = nullptr;
    std::vector<int> used{1, 3};
    int changes = 0;
    int scaleFixes = 0;
};

} // namespace

TEST_F(ToolParamPanel, RefreshResetsUnusedParametersAndStepsLeaveTheScale) {
    EXPECT_EQ(Grid().columnWidth(0), TParamPanelOptions::ToolValueWidth);
    ParamTable()[1].Value = 2;
    ParamTable()[2] = TParam{7, 0, 10, 1, true}; // in use before, no longer
    panel->Refresh();
    EXPECT_LD_NEAR(ParamTable()[1].Value, 2, 0);
    EXPECT_TRUE(ParamTable()[3].Used);
    EXPECT_FALSE(ParamTable()[2].Used);
    EXPECT_LD_NEAR(ParamTable()[2].Value, 1, 0);
    EXPECT_LD_NEAR(ParamTable()[2].Max, 5, 0);
    EXPECT_EQ(Grid().CellText(0), "2");
    EXPECT_EQ(Grid().CellText(1), "");
    EXPECT_EQ(Grid().CellText(2), "1");
    EXPECT_EQ(changes, 0);

    // A step runs the owner's reaction but does not fix the scale.
    Grid().setCurrentCell(0, 0);
    QTest::mouseClick(panel->RSpeedButton(), Qt::LeftButton);
    EXPECT_EQ(Grid().CellText(0), "2.1");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(scaleFixes, 0);

    // A typed value taken by Enter does both.
    TypeIntoCell(0, "3");
    QTest::keyClick(Grid().Editor(), Qt::Key_Return);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 3, 0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(scaleFixes, 1);
}

TEST_F(ToolParamPanel, HeldStepButtonRepeatsUntilReleased) {
    panel->Refresh();
    Grid().setCurrentCell(0, 0);
    QSlider* track = panel->ParamTrack();
    const int start = track->value();
    QTest::mousePress(panel->LSpeedButton(), Qt::LeftButton);
    EXPECT_TRUE(panel->TrackActive());
    EXPECT_TRUE(panel->BevelParam()->isVisible());
    EXPECT_EQ(panel->Timer()->interval(), TParamPanel::TimerInterval);
    EXPECT_TRUE(WaitFor([&] { return track->value() <= start - 2; }));
    QTest::mouseRelease(panel->LSpeedButton(), Qt::LeftButton);
    EXPECT_EQ(panel->StepDir(), 0);
    EXPECT_FALSE(panel->Timer()->isActive());
    const int released = track->value();
    QTest::qWait(3 * TParamPanel::TimerInterval);
    EXPECT_EQ(track->value(), released);
    EXPECT_LD_NEAR(ParamTable()[1].Value, ParamValueAt(ParamTable()[1], released), 0);
}

TEST_F(ToolParamPanel, HidingTakesWhatWasTypedButNotYetTaken) {
    panel->Refresh();
    TypeIntoCell(0, "4");
    panel->CommitPending();
    EXPECT_LD_NEAR(ParamTable()[1].Value, 4, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(panel->CurParam(), -1);

    panel->MinEdit()->setFocus();
    panel->MinEdit()->selectAll();
    QTest::keyClicks(panel->MinEdit(), "6");
    panel->CommitPending();
    EXPECT_LD_NEAR(ParamTable()[1].Min, 6, 0);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 6, 0); // pulled up into the new range
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Grid().CellText(0), "6");
}

TEST_F(ToolParamPanel, PlayGoesToAndFroUntilStoppedOrAnotherRowIsChosen) {
    ParamTable()[1] = TParam{0, 0, 0.3L, 0.1L, 0};
    panel->Refresh();
    Grid().setCurrentCell(0, 0);
    std::vector<int> positions;
    QObject::connect(panel->PlayTimer(), &QTimer::timeout,
                     [&] { positions.push_back(panel->ParamTrack()->value()); });
    panel->PlaySpeedEdit()->setValue(MaxPlaySpeed);
    EXPECT_EQ(panel->PlayTimer()->interval(), PlayInterval(MaxPlaySpeed));

    other->setFocus(); // playing goes on while the track bar has no focus
    QTest::mouseClick(panel->PlayButton(), Qt::LeftButton);
    EXPECT_TRUE(panel->Playing());
    EXPECT_EQ(panel->PlayButton()->text(), "■");
    ASSERT_TRUE(WaitFor([&] { return positions.size() >= 7; }));
    EXPECT_EQ(std::vector<int>(positions.begin(), positions.begin() + 7),
              (std::vector<int>{1, 2, 3, 2, 1, 0, 1}));
    EXPECT_EQ(Grid().CellText(0), QString::fromStdString(PlainNumberText(ParamTable()[1].Value)));
    EXPECT_GE(changes, 7) << "each step redraws";

    QTest::mouseClick(panel->PlayButton(), Qt::LeftButton);
    EXPECT_FALSE(panel->Playing());
    EXPECT_EQ(panel->PlayButton()->text(), "▶");

    panel->SetPlaying(true);
    Grid().setCurrentCell(2, 0); // p3
    EXPECT_FALSE(panel->Playing()) << "choosing another parameter stops it";
    Grid().setCurrentCell(1, 0); // p2, not in use: nothing to play
    panel->SetPlaying(true);
    EXPECT_FALSE(panel->Playing());
}
