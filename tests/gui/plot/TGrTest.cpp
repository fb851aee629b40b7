#include "gui/plot/TGr.h"

#include "core/base/NumberText.h"
#include "core/document/TDocument.h"
#include "core/plot/MasshZoom.h"
#include "gui/app/TAns.h"
#include "gui/plot/TDLabelDlg.h"
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphTool.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <memory>

namespace {
QRgb Rgb(TColor c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// The answers one a line, readable in a failure.
std::string Joined(const QStringList& lines) {
    return lines.join('\n').toStdString();
}
std::string Joined(const TAns& ans) {
    return Joined(ans.Lines());
}

// Runs the action once the next modal window (dialog or borrowed graph) is up.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

class TGrTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_gr = std::make_unique<TGr>(m_doc);
        m_gr->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_gr.get()));
        ASSERT_GT(Gr().I().Width(), 100);
        ASSERT_GT(Gr().I().Height(), 100);
    }

    TGr& Gr() { return *m_gr; }
    QWidget* Surface() { return m_gr->Surface(); }

    // A mouse move with no button held (QTest only moves the cursor then).
    void Hover(QWidget* w, QPoint p) {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void Hover(QPoint p) { Hover(Surface(), p); }

    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Surface(), to);
        QTest::mouseRelease(Surface(), Qt::LeftButton, {}, to);
    }

    std::string Status(const char* name) { return m_gr->findChild<QLabel*>(name)->text().toStdString(); }

    TDocument m_doc;
    std::unique_ptr<TGr> m_gr;
};
} // namespace

TEST_F(TGrTest, ZoomsOnlyToARectangleOfAtLeast31By31Pixels) {
    struct Row {
        const char* what;
        QPoint from, to;
        bool zooms;
    } rows[] = {
        {"31 x 31", {50, 50}, {81, 81}, true},
        {"31 x 31 dragged up and left", {90, 90}, {59, 59}, true},
        {"30 x 100", {50, 50}, {80, 150}, false},
        {"100 x 30", {20, 50}, {120, 80}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Gr().BegMasshClick();
        const TMasshImage& i = Gr().I();
        const TMassh expected{std::min(i.ScrToX(r.from.x()), i.ScrToX(r.to.x())),
                              std::max(i.ScrToX(r.from.x()), i.ScrToX(r.to.x())),
                              std::min(i.ScrToY(r.from.y()), i.ScrToY(r.to.y())),
                              std::max(i.ScrToY(r.from.y()), i.ScrToY(r.to.y()))};
        const QImage before = Gr().Bitmap();
        Drag(r.from, r.to);
        EXPECT_EQ(i.Massh() == expected, r.zooms);
        if (!r.zooms) {
            EXPECT_EQ(i.Massh(), InitialMassh);
            EXPECT_FALSE(Gr().RectShown());
            EXPECT_EQ(Gr().Bitmap(), before) << "the zoom rectangle is left on the graph";
        }
        EXPECT_EQ(Gr().MouseMode(), TGr::DecCross);
    }
}

TEST_F(TGrTest, PreviousScaleTwiceReturnsAndTheWheelZoomsAboutTheMouse) {
    int changes = 0;
    QObject::connect(&Gr(), &TGr::MasshChanged, [&changes] { ++changes; });
    const TMassh first = Gr().I().Massh();
    Drag({40, 40}, {120, 120});
    const TMassh zoomed = Gr().I().Massh();
    ASSERT_NE(zoomed, first);
    Gr().OldMasshClick();
    EXPECT_EQ(Gr().I().Massh(), first);
    Gr().OldMasshClick();
    EXPECT_EQ(Gr().I().Massh(), zoomed);
    EXPECT_EQ(changes, 3);

    Gr().BegMasshClick();
    const QPoint at(60, 40);
    const Real x = Gr().I().ScrToX(at.x()), y = Gr().I().ScrToY(at.y());
    QWheelEvent wheel(QPointF(at), QPointF(Surface()->mapToGlobal(at)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Surface(), &wheel);
    const TMassh& m = Gr().I().Massh();
    EXPECT_NEAR(double(m.XMax - m.XMin), 5, 1e-12);
    EXPECT_NEAR(double(m.YMax - m.YMin), 5, 1e-12);
    EXPECT_NEAR(double(Gr().I().ScrToX(at.x())), double(x), 1e-12) << "the point under the mouse stays";
    EXPECT_NEAR(double(Gr().I().ScrToY(at.y())), double(y), 1e-12);
    Gr().OldMasshClick();
    EXPECT_EQ(Gr().I().Massh(), InitialMassh);
}

TEST_F(TGrTest, RecordsAClickOnlyWhilePressAndReleaseAreUnder8PixelsApart) {
    struct Row {
        QPoint move;
        bool recorded;
    } rows[] = {
        {{0, 0}, true}, {{7, 7}, true}, {{8, 0}, false}, {{0, 8}, false}, {{-8, 3}, false},
    };
    Gr().RecPopup()->trigger();
    ASSERT_TRUE(Gr().RecPopup()->isChecked());
    const QPoint down(100, 90);
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.move.x() << "," << r.move.y());
        Gr().ClrPopup()->trigger();
        Drag(down, down + r.move);
        ASSERT_EQ(Gr().Points().PointCount(), r.recorded ? 1 : 0);
        if (!r.recorded) continue;
        // The point is where the button went down.
        EXPECT_EQ(Gr().Points().Cell(TPointList::XCol, 1), FloatStr(Gr().I().ScrToX(down.x())));
        EXPECT_EQ(Gr().Points().Cell(TPointList::YCol, 1), FloatStr(Gr().I().ScrToY(down.y())));
        auto* sg = Gr().findChild<QTableWidget*>("SG");
        EXPECT_EQ(sg->rowCount(), 2);
        EXPECT_EQ(sg->item(0, 0)->text(), "1");
    }

    Gr().ClrPopup()->trigger();
    Gr().RecPopup()->trigger();
    Drag(down, down);
    EXPECT_TRUE(Gr().Points().Empty()) << "recording is off";
}

TEST_F(TGrTest, WithMaxPointsTwoAThirdClickDropsTheFirstPoint) {
    Gr().RecPopup()->trigger();
    Gr().I().MaxPoints = 2;
    for (QPoint p : {QPoint(30, 30), QPoint(60, 60), QPoint(90, 90)})
        QTest::mouseClick(Surface(), Qt::LeftButton, {}, p);
    const TPointList& points = Gr().Points();
    ASSERT_EQ(points.PointCount(), 2);
    EXPECT_EQ(points.Cell(TPointList::XCol, 1), FloatStr(Gr().I().ScrToX(60)));
    EXPECT_EQ(points.Cell(TPointList::XCol, 2), FloatStr(Gr().I().ScrToX(90)));
}

TEST_F(TGrTest, ArrowKeysMoveTheCrossAndWrapAtTheEdges) {
    const int w = Gr().I().Width(), h = Gr().I().Height();
    struct Row {
        const char* what;
        QPoint start;
        Qt::Key key;
        TPoint after;
    } rows[] = {
        {"left from column 0", {0, 10}, Qt::Key_Left, {w, 10}},
        {"right to column Width", {w - 1, 10}, Qt::Key_Right, {w, 10}},
        {"right from column Width", {w, 10}, Qt::Key_Right, {0, 10}},
        {"up from row 0", {10, 0}, Qt::Key_Up, {10, h}},
        {"down inside", {10, 10}, Qt::Key_Down, {10, 11}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Hover(r.start);
        QTest::keyClick(Surface(), r.key);
        EXPECT_EQ(Gr().CrossPos(), r.after);
        EXPECT_TRUE(Gr().CrossShown());
    }
}

TEST_F(TGrTest, KeyboardRecordsAtTheCrossAndDeleteOfTheOnlyPointEmptiesTheList) {
    Gr().RecPopup()->trigger();
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, QPoint(20, 20));
    Hover({70, 50}); // the cross now lies far from where the last click was
    QTest::keyClick(Surface(), Qt::Key_Return);
    ASSERT_EQ(Gr().Points().PointCount(), 2);
    EXPECT_EQ(Gr().Points().Cell(TPointList::XCol, 2), FloatStr(Gr().I().ScrToX(70)));

    QTest::keyClick(Surface(), Qt::Key_Delete);
    EXPECT_EQ(Gr().Points().PointCount(), 1);
    QTest::keyClick(Surface(), Qt::Key_Delete);
    EXPECT_TRUE(Gr().Points().Empty());
    EXPECT_EQ(Gr().Points().RowCount(), 2);
    auto* sg = Gr().findChild<QTableWidget*>("SG");
    ASSERT_EQ(sg->rowCount(), 1);
    EXPECT_EQ(sg->item(0, TPointList::XCol)->text(), "");
}

TEST_F(TGrTest, ReadoutIsCartesianOrPolarWithDegrees) {
    Hover({60, 70});
    EXPECT_TRUE(QRegularExpression("^X=\\S+  Y=\\S+$")
                    .match(QString::fromStdString(Status("CoordStatus")))
                    .hasMatch())
        << Status("CoordStatus");

    Gr().I().SetCoord(CoordType::ctPolar);
    Gr().Redraw();
    // The point (1; 1) of the initial window: 45 degrees.
    const QPoint p(Gr().I().XToScr(1), Gr().I().YToScr(1));
    Hover(p);
    const Real f = Gr().I().ScrToF(p.x(), p.y());
    EXPECT_EQ(Status("CoordStatus"), "R=" + FloatStr(Gr().I().ScrToR(p.x(), p.y())) + "  F=" + FloatStr(f) +
                                         " (" + FloatStr(f * 180 / 3.14159265358979323846L) + "°)");
    EXPECT_NE(Status("CoordStatus").find("°"), std::string::npos);

    // Over a status line the cross goes and the readout is emptied.
    Hover(Gr().findChild<QLabel*>("MasshTopStatus"), {5, 5});
    EXPECT_FALSE(Gr().CrossShown());
    EXPECT_EQ(Status("CoordStatus"), "");
}

TEST_F(TGrTest, XorMarksDrawnAndErasedLeaveTheBitmapAsItWas) {
    Gr().RecPopup()->trigger();
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, QPoint(80, 80));
    for (CoordType coord : {CoordType::ctDec, CoordType::ctPolar}) {
        SCOPED_TRACE(coord == CoordType::ctDec ? "Cartesian" : "polar");
        Gr().I().SetCoord(coord);
        Gr().Redraw();
        const QImage before = Gr().Bitmap();
        Hover({40, 50});
        EXPECT_NE(Gr().Bitmap(), before) << "no cross drawn";
        Hover({41, 52});
        Hover({81, 79}); // over the point: picked with its frame
        EXPECT_EQ(Gr().HitPoint(), 1);
        Hover({120, 30});
        EXPECT_EQ(Gr().HitPoint(), 0);
        Hover(Gr().findChild<QLabel*>("CoordStatus"), {5, 5});
        EXPECT_EQ(Gr().Bitmap(), before);
    }
}

TEST_F(TGrTest, DraggingAPointMovesItAndRecordsNothing) {
    Gr().RecPopup()->trigger();
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, QPoint(50, 50));
    Hover({52, 49});
    ASSERT_EQ(Gr().HitPoint(), 1);
    QTest::mousePress(Surface(), Qt::LeftButton, {}, QPoint(52, 49));
    QTest::mouseMove(Surface(), QPoint(90, 100));
    // While it moves the grid shows every digit.
    EXPECT_EQ(Gr().Points().Cell(TPointList::XCol, 1), PlainNumberText(Gr().I().ScrToX(90)));
    QTest::mouseRelease(Surface(), Qt::LeftButton, {}, QPoint(95, 100));
    ASSERT_EQ(Gr().Points().PointCount(), 1);
    EXPECT_EQ(Gr().Points().Cell(TPointList::XCol, 1), FloatStr(Gr().I().ScrToX(95)));
    EXPECT_EQ(Gr().Points().Cell(TPointList::YCol, 1), FloatStr(Gr().I().ScrToY(100)));
    EXPECT_EQ(Gr().I().Massh(), InitialMassh) << "a drag is no zoom";
}

TEST_F(TGrTest, LabelEnteredAtTheCrossIsDrawnPickedAndDeleted) {
    Hover({60, 60});
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TDLabelDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Введення мітки на графіку");
        EXPECT_TRUE(dialog->DLabelEdit()->text().isEmpty());
        dialog->PCheckBox()->setChecked(true);
        QTest::keyClicks(dialog->DLabelEdit(), "A1");
        dialog->OKBtn()->click();
    });
    Gr().findChild<QAction*>("N1")->trigger();
    ASSERT_EQ(Gr().Labels().Count(), 1);
    EXPECT_EQ(Gr().Labels().Text(0), "A1");
    EXPECT_TRUE(Gr().Labels().PointFlag(0));
    EXPECT_EQ(Gr().Labels().X(0), Gr().I().ScrToX(60));
    EXPECT_TRUE(Gr().ShowLabels());
    EXPECT_TRUE(Gr().HasLabels());
    EXPECT_EQ(
        Gr().Bitmap().pixel(Gr().I().XToScr(Gr().Labels().X(0)) - 2, Gr().I().YToScr(Gr().Labels().Y(0))),
        Rgb(Gr().I().grAddColor))
        << "the label's point circle";

    Hover({62, 62});
    EXPECT_EQ(Gr().HitPoint(), TGr::LabelHit);
    auto* del = Gr().findChild<QAction*>("DelLabelPopup");
    ASSERT_TRUE(del->isEnabled());
    del->trigger();
    EXPECT_FALSE(Gr().HasLabels());

    // An empty text is kept as a blank, so the label can still be picked.
    WhenModal([](QWidget* modal) { qobject_cast<TDLabelDlg*>(modal)->OKBtn()->click(); });
    Gr().findChild<QAction*>("N1")->trigger();
    ASSERT_EQ(Gr().Labels().Count(), 1);
    EXPECT_EQ(Gr().Labels().Text(0), " ");
}

TEST_F(TGrTest, LabelsOfAnOpenedDocumentShowWithTheGraph) {
    EXPECT_TRUE(Gr().ShowLabels()) << "\"Відображати мітки\" is on at start";
    // Reading a document fills the labels and redraws; nothing else turns them on.
    Gr().Labels().AddLabel(1, 1, "B", true);
    Gr().Redraw();
    const int x = Gr().I().XToScr(1), y = Gr().I().YToScr(1);
    EXPECT_EQ(Gr().Bitmap().pixel(x - 2, y), Rgb(Gr().I().grAddColor)) << "the label's point circle";
    Hover({x + 2, y + 2});
    EXPECT_EQ(Gr().HitPoint(), TGr::LabelHit);
    EXPECT_EQ(Gr().HitLabel(), 0);
}

TEST_F(TGrTest, GraphPopupHoldsItsCommandsInOrder) {
    QStringList names;
    for (const QAction* a : Gr().GraphPopup()->actions())
        if (!a->isSeparator()) names << a->objectName();
    EXPECT_EQ(names.join(' ').toStdString(), "GrBld Clr OldMassh BegMassh MasshView N1 DelLabelPopup "
                                             "DelCrossPopup InsCrossPopup AddCrossPopup Massh");
}

TEST_F(TGrTest, BuildingTheGraphDrawsTheObjectsAndClearingRemovesThem) {
    auto fn = std::make_unique<TFn>("X", "-5", "5", clRed);
    fn->CalcBounds(Gr().I());
    m_doc.Objects.Append(std::move(fn), true);
    const auto onCurve = [this] {
        return Gr().Bitmap().pixel(Gr().I().XToScr(1), Gr().I().YToScr(1)) == Rgb(clRed);
    };
    EXPECT_FALSE(onCurve());
    Gr().GrBldClick();
    EXPECT_TRUE(onCurve());
    EXPECT_TRUE(m_doc.Objects.Object(0).Drawn);
    EXPECT_GT(Gr().I().Massh().XMax, 5) << "the automatic scale leaves a margin";
    Gr().Redraw();
    EXPECT_TRUE(onCurve()) << "built graphs stay in every redraw";
    Gr().ClrClick();
    EXPECT_FALSE(onCurve());
    EXPECT_FALSE(m_doc.Objects.Object(0).Drawn);
}

TEST(TGrBorrow, DistanceToolReportsClicksAndGivesTheWindowBack) {
    TDocument doc;
    TAns ans;
    QMdiArea area;
    auto* gr = new TGr(doc);
    QMdiSubWindow* frame = area.addSubWindow(gr);
    gr->SetAns(&ans);
    area.resize(600, 600);
    area.show();
    frame->setGeometry(20, 30, 350, 420);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    const QRect geometry = frame->geometry();
    const QPoint click(60, 70);
    std::string x1, y1, distance;

    WhenModal([&](QWidget* modal) {
        EXPECT_EQ(modal, gr);
        EXPECT_TRUE(gr->Borrowed());
        EXPECT_TRUE(gr->OKBtn()->isVisible());
        EXPECT_FALSE(gr->I().MasshAuto()) << "the scale stays put while the tool runs";
        const Real x = gr->I().ScrToX(click.x()), y = gr->I().ScrToY(click.y());
        x1 = FloatStr(x);
        y1 = FloatStr(y);
        distance = FloatStr(std::sqrt(x * x + y * y));
        QMouseEvent move(QEvent::MouseMove, QPointF(click), QPointF(gr->Surface()->mapToGlobal(click)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(gr->Surface(), &move);
        const std::string status = gr->CoordStatusText();
        EXPECT_NE(status.find(" R="), std::string::npos) << status;
        QTest::mouseClick(gr->Surface(), Qt::LeftButton, {}, click);
        EXPECT_EQ(gr->Points().Cell(TPointList::XCol, 1), x1);
        gr->OKBtn()->click();
    });
    gr->StartDistanceTool();

    EXPECT_EQ(Joined(ans),
              Joined({
                  "Обчислення відстані до точки",
                  "x0=0, y0=0",
                  "(Див. вікно \"Графік\")",
                  QString::fromStdString("Відстань між  (0, 0) та (" + x1 + ", " + y1 + ")=" + distance),
                  "Обчислення відстані до точки",
                  QString::fromStdString("x0=" + x1 + ", y0=" + y1),
                  "(Див. вікно \"Графік\")",
                  "Обчислення закінчено",
                  AnswerSeparator,
              }));
    EXPECT_FALSE(gr->Borrowed());
    EXPECT_EQ(gr->parentWidget(), frame);
    EXPECT_EQ(frame->widget(), gr);
    EXPECT_EQ(frame->geometry(), geometry);
    EXPECT_FALSE(gr->OKBtn()->isVisible());
    EXPECT_TRUE(gr->I().MasshAuto());
    EXPECT_TRUE(gr->ShowNPopup()->isChecked());
    EXPECT_TRUE(gr->Points().Empty());
}

TEST(TGrBorrow, ValueToolAppendsGToTheReadout) {
    TDocument doc;
    TAns ans;
    TGr gr(doc);
    gr.SetAns(&ans);
    gr.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gr));
    const TFunc g("X*X+Y*Y-1");
    const QPoint at(40, 50);
    WhenModal([&](QWidget*) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(gr.Surface()->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(gr.Surface(), &move);
        const Real x = gr.I().ScrToX(at.x()), y = gr.I().ScrToY(at.y());
        EXPECT_EQ(gr.CoordStatusText(),
                  "X=" + FloatStr(x) + "  Y=" + FloatStr(y) + " G(x,y)=" + FloatStr(g.Calc(x, y)));
        gr.close(); // closing gives the window back as O&K does
    });
    gr.StartValueTool(g, "X*X+Y*Y-1");
    EXPECT_FALSE(gr.Borrowed());
    EXPECT_EQ(Joined(ans), Joined({"Обчислення значення функції", "0=X*X+Y*Y-1", "(Див. вікно \"Графік\")",
                                   "Обчислення закінчено", AnswerSeparator}));
}

TEST(TGrFrame, SwitchingToAnotherWindowEndsRecordingButALoanDoesNot) {
    TDocument doc;
    QMdiArea area;
    auto* gr = new TGr(doc);
    QMdiSubWindow* grFrame = area.addSubWindow(gr);
    QMdiSubWindow* otherFrame = area.addSubWindow(new QWidget);
    area.resize(700, 600);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    area.setActiveSubWindow(grFrame);
    gr->RecPopup()->trigger();
    area.setActiveSubWindow(otherFrame);
    EXPECT_FALSE(gr->RecPopup()->isChecked());

    // A tool that picks one point with the window's own click handler, as the labels table does.
    struct TPickOne : TGraphTool {
        void Begin(TGr& g) override {
            g.RecPopup()->setChecked(true);
            g.I().MaxPoints = 1;
        }
        void End(TGr& g) override { g.I().MaxPoints = 0; }
        std::vector<std::string> ClosingLines() const override { return {}; }
    } tool;
    area.setActiveSubWindow(grFrame);
    WhenModal([gr](QWidget*) {
        QTest::mouseClick(gr->Surface(), Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseClick(gr->Surface(), Qt::LeftButton, {}, QPoint(50, 40));
        gr->OKBtn()->click();
    });
    gr->Borrow(tool);
    EXPECT_TRUE(gr->RecPopup()->isChecked());
    ASSERT_EQ(gr->Points().PointCount(), 1);
    EXPECT_EQ(gr->Points().Cell(TPointList::XCol, 1), FloatStr(gr->I().ScrToX(50)));
    EXPECT_EQ(grFrame->widget(), gr);
}

TEST_F(TGrTest, MiddleOrCtrlLeftDragMovesTheGraphAndIsOneStepBack) {
    const struct {
        const char* what;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
    } rows[] = {
        {"middle button", Qt::MiddleButton, Qt::NoModifier},
        {"Ctrl and the left button", Qt::LeftButton, Qt::ControlModifier},
    };
    Gr().RecPopup()->setChecked(true); // a click would record a point; a move must not
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Gr().BegMasshClick();
        const TMassh start = Gr().I().Massh();
        const QPoint from(100, 100), via(140, 120), to(60, 150);
        QTest::mousePress(Surface(), r.button, r.modifiers, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(via), QPointF(Surface()->mapToGlobal(via)), Qt::NoButton,
                         r.button, r.modifiers);
        QApplication::sendEvent(Surface(), &move);
        EXPECT_EQ(Gr().I().Massh(), DraggedMassh(Gr().I(), start, {100, 100}, {140, 120})) << "shown at once";
        QTest::mouseRelease(Surface(), r.button, r.modifiers, to);
        EXPECT_EQ(Gr().I().Massh(), DraggedMassh(Gr().I(), start, {100, 100}, {60, 150}));
        EXPECT_EQ(Gr().I().OldMassh(), start) << "the windows in between are no steps";
        EXPECT_FALSE(Gr().RectShown());
        EXPECT_TRUE(Gr().Points().Empty());
        Gr().OldMasshClick();
        EXPECT_EQ(Gr().I().Massh(), start);
    }
}

TEST_F(TGrTest, APinchZoomsAboutTheFingersAndIsOneStepBack) {
    Gr().BegMasshClick();
    const QPoint at(80, 120);
    const Real x = Gr().I().ScrToX(at.x()), y = Gr().I().ScrToY(at.y());
    const auto pinch = [&](Qt::NativeGestureType type, qreal value) {
        QNativeGestureEvent e(type, QPointingDevice::primaryPointingDevice(), 2, QPointF(at), QPointF(at),
                              QPointF(Surface()->mapToGlobal(at)), value, QPointF());
        QApplication::sendEvent(Surface(), &e);
    };
    pinch(Qt::BeginNativeGesture, 0);
    pinch(Qt::ZoomNativeGesture, 0.5);
    pinch(Qt::ZoomNativeGesture, 0.6); // spread to 1.5 x 1.6 = 2.4 times
    const TMassh& m = Gr().I().Massh();
    EXPECT_NEAR(double(m.XMax - m.XMin), 10 / 2.4, 1e-12);
    EXPECT_NEAR(double(Gr().I().ScrToX(at.x())), double(x), 1e-12) << "the point under the fingers stays";
    EXPECT_NEAR(double(Gr().I().ScrToY(at.y())), double(y), 1e-12);
    pinch(Qt::EndNativeGesture, 0);
    EXPECT_EQ(Gr().I().OldMassh(), InitialMassh);
}
