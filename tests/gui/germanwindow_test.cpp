// The window under a German locale shows the German translation; under an English one
// it keeps its own texts.

#include "uitranslations.h"
#include "checksumlistmodel.h"
#include "statusbarparts.h"
#include "windowharness.h"

#include <gtest/gtest.h>

namespace {

struct WindowTexts {
    QString propertiesTip;
    QString badCounter;
    QString settingsTitle;
    QString goodSize;     // good.txt: 9 bytes
    QString missingSize;  // missing.txt
};

WindowTexts TextsUnder(const QLocale& locale, bool* translated)
{
    const UiTranslations translations(locale, {QStringLiteral(TALLYFOX_QM_FOLDER)});
    *translated = translations.HasOwnTranslation();
    WindowHarness harness;
    WindowTexts texts;
    harness.dialogs.onSettings = [&texts](SettingsDialog& dialog) { texts.settingsTitle = dialog.windowTitle(); };
    MainWindow& window = harness.Start(harness.WriteSmallList());
    EXPECT_TRUE(harness.WaitForRuns(1));
    texts.propertiesTip = harness.window->Toolbar()->Action(CommandId::Properties)->toolTip();
    texts.badCounter = window.StatusBar()->Text(1);
    const ChecksumListModel& model = *window.ListModel();
    texts.goodSize = model.index(0, ChecksumListModel::kSizeColumn).data().toString();
    texts.missingSize = model.index(2, ChecksumListModel::kSizeColumn).data().toString();
    harness.Click(CommandId::Properties);
    return texts;
}

TEST(GermanWindow, ToolbarStatusBarAndSettingsAreInGermanUnderAGermanLocale)
{
    bool translated = false;
    const WindowTexts texts = TextsUnder(QLocale(QLocale::German, QLocale::Germany), &translated);
    ASSERT_TRUE(translated) << "no tallyfox_de.qm in " TALLYFOX_QM_FOLDER;
    EXPECT_TRUE(texts.propertiesTip.startsWith(QStringLiteral("Eigenschaften"))) << texts.propertiesTip.toStdString();
    EXPECT_EQ(texts.badCounter, QStringLiteral("Fehlerhaft: 1"));
    EXPECT_EQ(texts.settingsTitle, QStringLiteral("Tallyfox - Einstellungen"));
    EXPECT_EQ(texts.goodSize, QStringLiteral("9 Bytes"));
    EXPECT_EQ(texts.missingSize, QStringLiteral("Fehlt."));
}

TEST(GermanWindow, EnglishLocaleKeepsTheWindowsOwnTexts)
{
    bool translated = true;
    const WindowTexts texts = TextsUnder(QLocale(QLocale::English, QLocale::UnitedStates), &translated);
    EXPECT_FALSE(translated);
    EXPECT_TRUE(texts.propertiesTip.startsWith(QStringLiteral("Properties"))) << texts.propertiesTip.toStdString();
    EXPECT_EQ(texts.badCounter, QStringLiteral("Bad: 1"));
    EXPECT_EQ(texts.settingsTitle, QStringLiteral("Tallyfox - Settings"));
    EXPECT_EQ(texts.goodSize, QStringLiteral("9 bytes"));
    EXPECT_EQ(texts.missingSize, QStringLiteral("Not Found."));
}

}  // namespace
