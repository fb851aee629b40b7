#include "gui/document/TNewCircle.h"

#include "FuInputDriver.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/TDocument.h"
#include "core/objects/TFc.h"
#include "core/plot/TGlobColors.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/TColorGrid.h"
#include "gui/document/TFuInputEditor.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

bool HasFocus(QDialog* dlg, QWidget* w) {
    QWidget* f = dlg->focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

QStringList History(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Answers the error box that comes up once the current event loop has ended and the next one runs (the box
// after a loan of the graph window) and keeps its text. Clear *pending when no box can come any more.
void AnswerBoxAfter(QDialog* dlg, std::shared_ptr<QString> text, std::shared_ptr<bool> pending) {
    QTimer::singleShot(0, [dlg, text, pending] {
        if (!*pending) return;
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || box == dlg) return;
        QStringList lines;
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (!label->text().isEmpty()) lines << label->text();
        *text = lines.join('\n');
        box->done(QDialog::Accepted);
    });
}

} // namespace

TEST(NewCircle, OkRefusesTheFirstBadBoxOfItsPageOnly) {
    ResetBuiltInTexts();
    struct Row {
        int Page;
        TCircleBox Bad;
        bool Refused;
        std::vector<TCircleBox> Remembered; // the boxes checked before it
    };
    const Row rows[] = {
        {CirclePageRadius, TCircleBox::RComboBox0, true, {TCircleBox::X0ComboBox0, TCircleBox::Y0ComboBox0}},
        {CirclePagePoint, TCircleBox::X1ComboBox, true, {TCircleBox::X0ComboBox, TCircleBox::Y0ComboBox}},
        // A bad text on the other page is no concern of this page's OK.
        {CirclePagePoint, TCircleBox::RComboBox0, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "page " << row.Page << ", bad box " << static_cast<int>(row.Bad));
        TNewCircle dlg;
        TCircleData data;
        data.DataPage = row.Page;
        QString error;
        bool stillOpen = false, focused = false;
        OnNextModal([&](QDialog*) {
            dlg.Box(row.Bad)->setEditText("1+");
            error = ErrorFrom(&dlg, [&] { dlg.OKButton(row.Page)->click(); });
            stillOpen = dlg.isVisible();
            focused = HasFocus(&dlg, dlg.Box(row.Bad));
            if (stillOpen) QTest::keyClick(dlg.focusWidget(), Qt::Key_Escape);
        });
        const bool accepted = dlg.Run(data);
        if (row.Refused) {
            EXPECT_EQ(error, "Помилка у виразі!");
            EXPECT_TRUE(stillOpen);
            EXPECT_TRUE(focused);
            EXPECT_FALSE(accepted) << "Escape cancels";
            EXPECT_TRUE(History(dlg.Box(row.Bad)).isEmpty());
            for (TCircleBox box : row.Remembered)
                EXPECT_EQ(History(dlg.Box(box)), QStringList{"0"}) << static_cast<int>(box);
        } else {
            EXPECT_EQ(error, "");
            EXPECT_TRUE(accepted);
        }
    }
}

TEST(NewCircle, OkOnThePointPageGivesThatPageAndItsTexts) {
    TNewCircle dlg;
    TCircleData data; // page 0 shown first
    OnNextModal([&](QDialog*) {
        EXPECT_EQ(dlg.PageControl()->currentIndex(), CirclePageRadius);
        dlg.PageControl()->setCurrentIndex(CirclePagePoint);
        dlg.Box(TCircleBox::X0ComboBox)->setEditText("1");
        dlg.Box(TCircleBox::Y0ComboBox)->setEditText("P1");
        dlg.Box(TCircleBox::X1ComboBox)->setEditText("4");
        dlg.Box(TCircleBox::Y1ComboBox)->setEditText("-2");
        dlg.WLineSpinEdit()->setValue(3);
        dlg.BuildCheckBox()->setChecked(false);
        dlg.OKButton(CirclePagePoint)->click();
    });
    ASSERT_TRUE(dlg.Run(data));
    EXPECT_EQ(data.DataPage, CirclePagePoint);
    EXPECT_EQ(data.X1Text, "1");
    EXPECT_EQ(data.Y1Text, "P1");
    EXPECT_EQ(data.X2Text, "4");
    EXPECT_EQ(data.Y2Text, "-2");
    EXPECT_EQ(data.WLine, 3);
    EXPECT_FALSE(data.GBuild);
    EXPECT_EQ(History(dlg.Box(TCircleBox::Y0ComboBox)), QStringList{"P1"});

    SCOPED_TRACE("the next run opens on the page it is given, and Cancel reports the page left on");
    data.DataPage = CirclePagePoint;
    OnNextModal([&](QDialog*) {
        EXPECT_EQ(dlg.PageControl()->currentIndex(), CirclePagePoint);
        dlg.PageControl()->setCurrentIndex(CirclePageRadius);
        dlg.CancelButton(CirclePageRadius)->click();
    });
    EXPECT_FALSE(dlg.Run(data));
    EXPECT_EQ(data.DataPage, CirclePageRadius);
}

TEST(NewCircleEditor, EditTakesTheCentreAndRadiusIntoTheCircle) {
    ResetBuiltInTexts();
    InstallObjectEditor(nullptr);
    TNewCircle* dlg = CircleDialog();
    ASSERT_NE(dlg, nullptr);
    TFc circle("X*X+Y*Y-1", "-1", "1", "-1", "1", clRed);
    bool filledFromObject = false;
    OnNextModal([&](QDialog* modal) {
        EXPECT_EQ(modal, dlg);
        filledFromObject = dlg->Box(TCircleBox::RComboBox0)->currentText() == "1" &&
                           dlg->Box(TCircleBox::X1ComboBox)->currentText() == "1" &&
                           dlg->ColorGrid()->ForegroundIndex() == GlobColors().ColorIndex(clRed);
        dlg->Box(TCircleBox::X0ComboBox0)->setEditText("2");
        dlg->Box(TCircleBox::Y0ComboBox0)->setEditText("-3");
        dlg->Box(TCircleBox::RComboBox0)->setEditText("1");
        TColorGrid* grid = dlg->ColorGrid();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(GlobColors().ColorIndex(clBlue)).center());
        dlg->OKButton(CirclePageRadius)->click();
    });
    ASSERT_TRUE(circle.Edit());
    EXPECT_TRUE(filledFromObject);
    EXPECT_EQ(circle.Caption(), "Коло з центром (2,-3) і радіусом  1");
    EXPECT_EQ(circle.Color, clBlue);
}

// The pick buttons lend the graph window; the user clicks on it and presses O&K.
TEST(NewCirclePick, MarkedPointsFillTheBoxesOrAreAskedFor) {
    ResetBuiltInTexts();
    TDocument doc;
    TGr gr(doc);
    gr.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gr));
    const QPoint clicks[] = {{40, 50}, {90, 60}, {120, 140}};
    struct Row {
        int Page;
        int Clicks;
        const char* Message; // empty when the points are taken
    };
    const Row rows[] = {
        {CirclePageRadius, 0, "Необхідно відмітити на графіку точку!"},
        {CirclePagePoint, 1, "Необхідно відмітити на графіку 2 точки!"},
        {CirclePageRadius, 2, ""}, // one point kept: the later click
        {CirclePagePoint, 2, ""},
        {CirclePagePoint, 3, ""}, // two kept: the first click dropped
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "page " << row.Page << ", " << row.Clicks << " clicks");
        TNewCircle dlg;
        dlg.SetGraphWindow(&gr);
        // A point left from before the loan must not count.
        gr.Points().Add(1, 1, 0);
        gr.PointsChanged();
        TCircleData data;
        data.DataPage = row.Page;
        const std::vector<TCircleBox> boxes = CircleBoxes(row.Page);
        QStringList expected; // the box texts after picking
        for (TCircleBox box : boxes)
            expected << Q(CircleBoxText(data, box));
        auto message = std::make_shared<QString>();
        auto pending = std::make_shared<bool>(true);
        bool borrowed = false;
        QStringList after;

        OnNextModal([&](QDialog*) {
            QTimer::singleShot(0, [&] {
                borrowed = QApplication::activeModalWidget() == &gr && gr.Borrowed();
                if (!borrowed) return;
                for (int i = 0; i < row.Clicks; ++i)
                    QTest::mouseClick(gr.Surface(), Qt::LeftButton, {}, clicks[i]);
                if (!*row.Message) {
                    const int first = row.Clicks - (row.Page == CirclePagePoint ? 2 : 1);
                    expected.clear();
                    for (int i = first; i < row.Clicks; ++i) {
                        expected << Q(FloatStr(gr.I().ScrToX(clicks[i].x())))
                                 << Q(FloatStr(gr.I().ScrToY(clicks[i].y())));
                    }
                    if (row.Page == CirclePageRadius) expected << "1"; // the radius stays
                }
                AnswerBoxAfter(&dlg, message, pending);
                gr.OKBtn()->click();
            });
            dlg.PickButton(row.Page)->click();
            *pending = false;
            for (TCircleBox box : boxes)
                after << dlg.Box(box)->currentText();
            dlg.reject();
        });
        dlg.Run(data);

        EXPECT_TRUE(borrowed);
        EXPECT_EQ(*message, row.Message);
        EXPECT_EQ(after, expected);
        EXPECT_FALSE(gr.Borrowed());
        EXPECT_TRUE(gr.Points().Empty()) << "the list is cleared after picking";
        EXPECT_EQ(gr.I().MaxPoints, 0);
    }
}
