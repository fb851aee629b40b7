#include "gui/app/QtTranslation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

TEST(QtTranslation, TheToolkitsOwnButtonsSpeakTheInterfaceLanguage) {
    ASSERT_TRUE(InstallQtTranslation(*qApp, "uk")) << "Debian's qt6-translations-l10n is missing";
    QDialogButtonBox ukrainian(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    EXPECT_EQ(ukrainian.button(QDialogButtonBox::Cancel)->text(), "Скасувати");
    // A language Qt has no translation for takes the previous one away.
    EXPECT_FALSE(InstallQtTranslation(*qApp, "xx"));
    QDialogButtonBox english(QDialogButtonBox::Cancel);
    EXPECT_EQ(english.button(QDialogButtonBox::Cancel)->text(), "Cancel");
}
