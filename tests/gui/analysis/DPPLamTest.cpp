#include "gui/analysis/TDPPLam.h"

#include "../document/FuInputDriver.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/TDocument.h"
#include "core/objects/TFl.h"
#include "core/plot/TGlobColors.h"
#include "gui/app/MessageDlg.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TFl> Diamond() {
    auto line = std::make_unique<TFl>(clBlue);
    TTableData data = line->TableData();
    data.Rows = {{"1", "0"}, {"0", "1"}, {"-1", "0"}, {"0", "-1"}};
    line->TakeTableData(data);
    return line;
}

// The vertex as the user reads it, a value below 1e-15 (rounding of an exact 0) shown as 0.
QString Vertex(const TFn& f, int i) {
    const auto& line = static_cast<const TFl&>(f);
    auto text = [](Real v) { return FloatStr(std::fabs(v) < 1e-15L ? 0 : v); };
    return QString::fromStdString(text(line.XYList.X(i)) + ";" + text(line.XYList.Y(i)));
}
// Answers the first message box that comes up over `over` while it lives, and keeps its text.
class TBoxAnswerer {
public:
    explicit TBoxAnswerer(QWidget* over) : m_over(over) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || box == m_over || !Text.isEmpty()) return;
            QStringList lines;
            for (const QLabel* label : box->findChildren<QLabel*>())
                if (!label->text().isEmpty()) lines << label->text();
            Text = lines.join('\n');
            box->done(QDialog::Accepted);
        });
        m_timer.start(10);
    }
    QString Text;

private:
    QWidget* m_over;
    QTimer m_timer;
};
} // namespace

TEST(DPPLam, PagesMakeNewLinesAndTheVectorComesFromTheGraph) {
    ResetBuiltInTexts();
    GlobColors() = TGlobColors();
    TDocument doc;
    TGr gr(doc);
    gr.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gr));
    doc.Objects.Append(Diamond(), true);
    TDPPLam dlg(doc, &gr);
    int appended = 0;
    dlg.OnAppended = [&] { ++appended; };

    OnNextModal([&](QDialog*) {
        dlg.PageControl()->setCurrentIndex(1);
        dlg.Box(TTransformBox::AngComboBox)->setEditText("Pi");
        dlg.DegreesButton()->setChecked(true); // the angle follows the unit
        EXPECT_EQ(dlg.Box(TTransformBox::AngComboBox)->currentText(), "180");
        dlg.Box(TTransformBox::AngComboBox)->setEditText("90");
        dlg.OKButton(TTransformKind::Rotate)->click();
    });
    dlg.Open();
    ASSERT_EQ(doc.Objects.Count(), 2);
    EXPECT_EQ(appended, 1);
    EXPECT_EQ(Vertex(doc.Objects.Object(1), 0), "0;1");
    EXPECT_EQ(Vertex(doc.Objects.Object(1), 3), "1;0");
    EXPECT_EQ(doc.Objects.Object(1).Color, clMaroon);

    QPoint a(100, 120), b(140, 60);
    QString error;
    OnNextModal([&](QDialog*) {
        dlg.PageControl()->setCurrentIndex(2);
        QTimer::singleShot(0, [&] {
            if (!gr.Borrowed()) return;
            QTest::mouseClick(gr.Surface(), Qt::LeftButton, {}, a);
            QTest::mouseClick(gr.Surface(), Qt::LeftButton, {}, b);
            gr.OKBtn()->click();
        });
        dlg.VectorButton()->click();
        EXPECT_EQ(dlg.Box(TTransformBox::X0CBP)->currentText(), Q(FloatStr(gr.I().ScrToX(a.x()))));
        EXPECT_EQ(dlg.Box(TTransformBox::YCB)->currentText(), Q(FloatStr(gr.I().ScrToY(b.y()))));
        EXPECT_TRUE(gr.Points().Empty());
        // No point marked: the boxes stay and the user is told.
        QTimer::singleShot(0, [&] {
            if (gr.Borrowed()) gr.OKBtn()->click();
        });
        {
            TBoxAnswerer answerer(&dlg);
            dlg.VectorButton()->click();
            error = answerer.Text;
        }
        dlg.Box(TTransformBox::X0CBP)->setEditText("0");
        dlg.Box(TTransformBox::Y0CBP)->setEditText("0");
        dlg.Box(TTransformBox::XCB)->setEditText("2");
        dlg.Box(TTransformBox::YCB)->setEditText("1+");
        EXPECT_EQ(ErrorFrom(&dlg, [&] { dlg.OKButton(TTransformKind::Translate)->click(); }),
                  "Помилка у виразі!");
        dlg.Box(TTransformBox::YCB)->setEditText("3");
        dlg.OKButton(TTransformKind::Translate)->click();
    });
    dlg.Open();
    EXPECT_EQ(error, "Необхідно відмітити 1  або 2 точки!");
    ASSERT_EQ(doc.Objects.Count(), 3);
    EXPECT_EQ(Vertex(doc.Objects.Object(2), 0), "3;3");
    EXPECT_EQ(gr.I().Coord(), CoordType::ctDec);

    SCOPED_TRACE("another kind current: nothing opens, and a dialog that finds one on activation hides");
    doc.Objects.Append(std::make_unique<TFn>("X", "-1", "1", clRed), true);
    dlg.Open();
    EXPECT_EQ(doc.Objects.Count(), 4);
    doc.Objects.SetCurrent(0);
    QString refusal;
    OnNextModal([&](QDialog*) {
        doc.Objects.SetCurrent(3);
        TBoxAnswerer answerer(&dlg);
        dlg.activateWindow(); // as when the user comes back to it
        for (int waited = 0; dlg.isVisible() && waited < 3000; waited += 10)
            QTest::qWait(10);
        refusal = answerer.Text;
        if (dlg.isVisible()) dlg.reject();
    });
    dlg.Open();
    EXPECT_EQ(refusal, "Активним у списку об\"єктів повинен бути об\"єкт \"Ламана\"!");
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(doc.Objects.Count(), 4);
}
