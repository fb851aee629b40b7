// The program as it starts with a settings folder of its own: the default language file it writes, the
// languages it offers, and the settings it keeps between runs.
#include "core/app/Calculator.h"
#include "core/app/ProgramFolders.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/formula/ParamTable.h"
#include "gui/app/LanguageWalk.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/QtTranslation.h"
#include "gui/app/TCalcForm.h"
#include "gui/app/TNVOpsDlg.h"
#include "gui/app/T__Main.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"

#include "../document/FuInputDriver.h"
#include "TempFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string SourceLanguageFile = std::string(VORN1_SOURCE_DIR) + "/lang/" + DefaultLanguageFile;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool HasCyrillic(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0xD0 && c <= 0xD3) return true;
    return false;
}

class ProgramStart : public ::testing::Test {
protected:
    void SetUp() override {
        ResetBuiltInTexts();
        SetDigits(DefaultDigitsSetting);
        ParamTable().ResetForNewDocument();
        SetProgramFolders({"", m_settings.path.string()});
    }
    void TearDown() override {
        m_main.reset();
        SetProgramFolders({});
        ResetBuiltInTexts();
        SetDigits(DefaultDigitsSetting);
        InstallQtTranslation(*qApp, "none");
        ParamTable().ResetForNewDocument();
    }
    T__Main& Start() {
        m_main.reset();
        m_main = std::make_unique<T__Main>();
        m_main->Start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
        return *m_main;
    }
    // Closing writes the settings; the next run reads them.
    T__Main& Restart() {
        EXPECT_TRUE(m_main->close());
        return Start();
    }
    // Chooses the language and the precision in "Налагодження параметрів програми...".
    void ChooseOptions(const QString& language, int digits) {
        OnNextModal([&](QDialog*) {
            TNVOpsDlg* dlg = m_main->OpsDlg();
            ASSERT_GE(dlg->LangCombo()->findText(language), 0) << language.toStdString();
            dlg->LangCombo()->setCurrentText(language);
            dlg->PointsEdit()->setValue(digits);
            dlg->OKBtn()->click();
        });
        m_main->Action("G1OpsItem")->trigger();
    }

    TempFolder m_settings;
    std::unique_ptr<T__Main> m_main;
};

TEST_F(ProgramStart, TheDefaultLanguageFileHoldsEveryTextOfTheProgram) {
    Start();
    const std::string written = Slurp(m_settings / DefaultLanguageFile);
    if (qEnvironmentVariableIsSet("VORN1_UPDATE_LANGUAGE_FILE")) std::ofstream(SourceLanguageFile) << written;
    EXPECT_EQ(written, Slurp(SourceLanguageFile))
        << "The texts of the windows changed. Run VORN1_UPDATE_LANGUAGE_FILE=1 build/tests/gui_tests "
           "--gtest_filter='ProgramStart.TheDefaultLanguageFile*' to write lang/Vorn1ukr.lng anew, then give "
           "every new key its English text in lang/Vorn1eng.lng.";
}

TEST_F(ProgramStart, ATranslatedCopyIsOfferedAfterARestartAndChangesEveryTextAtOnce) {
    Start();
    // The teacher copies the default file and translates every text: here each gets a mark.
    IniFile copy;
    ASSERT_TRUE(LoadConfigFile(copy, m_settings / DefaultLanguageFile));
    for (const std::string& section : copy.Sections())
        for (const std::string& key : copy.Keys(section))
            if (section != "INFO" || (key != "Language" && key != "AppName" && key != "HelpFile"))
                copy.WriteString(section, key, "~" + copy.ReadString(section, key, ""));
    copy.WriteString("INFO", "Language", "Тестова");
    ASSERT_TRUE(copy.SaveAs(m_settings / "Vorn1tst.lng"));

    Restart();
    ChooseOptions("Тестова", DefaultDigitsSetting);
    EXPECT_EQ(m_main->Language(), "Тестова");
    int menuTexts = 0;
    for (const QAction* a : m_main->findChildren<QAction*>())
        if (!a->objectName().isEmpty() && a->text().size() > 1) {
            ++menuTexts;
            EXPECT_TRUE(a->text().startsWith('~')) << a->objectName().toStdString();
        }
    for (const QMenu* m : m_main->findChildren<QMenu*>())
        if (m->title().size() > 1) EXPECT_TRUE(m->title().startsWith('~')) << m->objectName().toStdString();
    EXPECT_GT(menuTexts, 60);
    EXPECT_EQ(m_main->GrWindow()->windowTitle(), "~Графік");
    EXPECT_EQ(m_main->CalcForm()->windowTitle(), "~Калькулятор");
    EXPECT_EQ(Msg(msg::CalcExpressionError), "~Помилка у виразі!");
    std::unique_ptr<QDialog> box(CreateMessageDialog("?", TMsgDlgType::mtConfirmation, mbYesNoCancel));
    EXPECT_EQ(box->windowTitle(), "~Підтвердження");
    EXPECT_EQ(box->findChild<QPushButton*>("Yes")->text(), "~Так");

    // Back to the default file, every text is as built in.
    ChooseOptions(DefaultLanguageName, DefaultDigitsSetting);
    EXPECT_EQ(CurrentTexts().ToText(), Slurp(m_settings / DefaultLanguageFile));
}

TEST_F(ProgramStart, EnglishMakesTheWholeInterfaceEnglishAndStaysChosen) {
    std::filesystem::copy_file(std::string(VORN1_SOURCE_DIR) + "/lang/Vorn1eng.lng",
                               m_settings / "Vorn1eng.lng");
    Start();
    ChooseOptions("English", DefaultDigitsSetting);
    const IniFile texts = CurrentTexts();
    for (const std::string& section : texts.Sections())
        for (const std::string& key : texts.Keys(section))
            if (key != "Language")
                EXPECT_FALSE(HasCyrillic(texts.ReadString(section, key, ""))) << section << "/" << key;
    QDialogButtonBox toolkit(QDialogButtonBox::Cancel);
    EXPECT_EQ(toolkit.button(QDialogButtonBox::Cancel)->text(), "Cancel") << "the toolkit's own texts too";

    Restart();
    EXPECT_EQ(m_main->Language(), "English");
    EXPECT_EQ(m_main->findChild<QMenu*>("File1")->title(), "File");
    EXPECT_EQ(m_main->ObjListWindow()->windowTitle(), "Objects");
}

TEST_F(ProgramStart, DigitsSixShowsSixDigitsInTheCalculatorAndTheStatusLines) {
    Start();
    EXPECT_EQ(CalculatorLine("1/3"), "0.3333") << "a first run shows four digits";
    ChooseOptions(DefaultLanguageName, 6);
    TCalcForm* calc = m_main->CalcForm();
    calc->findChild<QLineEdit*>("Ed")->setText("1/3");
    calc->findChild<QPushButton*>("CalcB")->click();
    EXPECT_TRUE(calc->findChild<QPlainTextEdit*>("Rez")->toPlainText().endsWith("0.333333"));
    m_main->Gr()->I().SetMassh({-1 / 3.0L, 1, -1, 1});
    m_main->Gr()->Redraw();
    EXPECT_EQ(m_main->Gr()->findChild<QLabel*>("MasshTopStatus")->text(), "MinX=-0.333333  MaxY=1");
    Restart();
    EXPECT_EQ(Digits(), 6);
}

TEST_F(ProgramStart, WindowsColoursAndFontsSurviveARestart) {
    T__Main& first = Start();
    EXPECT_EQ(first.pos(), QPoint(InitialMainLeft, InitialMainTop));
    EXPECT_EQ(first.Gr()->I().grBackColor, clSilver) << "the settings' defaults, not the window's";
    EXPECT_EQ(first.Gr()->I().grAxeFont.Name, "System");

    first.move(40, 50);
    first.resize(first.width() + 30, first.height() + 20);
    first.GrWindow()->setGeometry(3, 4, 401, 402);
    first.ObjListWindow()->setGeometry(410, 5, 300, 250);
    first.AnsWindow()->setGeometry(410, 260, 300, 140);
    TMasshImage& image = first.Gr()->I();
    image.grBackColor = clYellow;
    image.grMouseColor = clRed;
    image.grXName = "t";
    image.grLabelFont = {"DejaVu Serif", 14};
    first.Gr()->SetMasshVisible(false);
    const QRect place = first.frameGeometry();
    const QSize size = first.size();

    T__Main& second = Restart();
    EXPECT_EQ(second.frameGeometry().topLeft(), place.topLeft());
    EXPECT_EQ(second.size(), size);
    EXPECT_EQ(second.GrWindow()->geometry(), QRect(3, 4, 401, 402));
    EXPECT_EQ(second.ObjListWindow()->geometry(), QRect(410, 5, 300, 250));
    EXPECT_EQ(second.AnsWindow()->geometry(), QRect(410, 260, 300, 140));
    EXPECT_EQ(second.Gr()->I().grBackColor, clYellow);
    EXPECT_EQ(second.Gr()->I().grMouseColor, clRed);
    EXPECT_EQ(second.Gr()->I().grXName, "t");
    EXPECT_EQ(second.Gr()->I().grLabelFont.Name, "DejaVu Serif");
    EXPECT_EQ(second.Gr()->I().grLabelFont.Size, 14);
    EXPECT_FALSE(second.Gr()->MasshVisible());
}

TEST_F(ProgramStart, DamagedSettingsAndLanguageFilesStartWithTheDefaults) {
    std::string noise(1 << 15, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>(i * 7919 % 251);
    m_settings.Write(SettingsFileName, noise);
    m_settings.Write("Vorn1bad.lng", "[INFO]\nAppName=Vorn1\nLanguage=Bad\n" + noise);
    Start();
    EXPECT_EQ(Digits(), DefaultDigitsSetting);
    ChooseOptions("Bad", DefaultDigitsSetting);
    EXPECT_EQ(m_main->findChild<QMenu*>("File1")->title(), "Файл") << "what the file lacks stays built in";
}

} // namespace

TEST_F(ProgramStart, EqualScaleAndTheRecentDocumentsSurviveARestart) {
    T__Main& first = Start();
    first.ApplyExtraSettings({true, {"/school/parabola.vr1", "/school/sine.vr1"}});
    T__Main& second = Restart();
    EXPECT_TRUE(second.Gr()->I().EqualScale());
    EXPECT_EQ(second.ExtraSettings().RecentFiles,
              (std::vector<std::string>{"/school/parabola.vr1", "/school/sine.vr1"}));
    EXPECT_EQ(second.Action("RecentFile2")->text(), "&2 sine.vr1");
}
