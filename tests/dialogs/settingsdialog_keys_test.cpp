// The settings dialog from the keyboard alone: each accelerator reaches its control,
// Enter confirms and Escape cancels.

#include "recordinghost.h"
#include "settingsdialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <functional>

namespace {

// A shown, active dialog: accelerators go to the active window only.
class ActiveDialog {
public:
    explicit ActiveDialog(RecordingHost& host) : dialog(host)
    {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    [[nodiscard]] QCheckBox* Box(const char* name) const
    {
        return dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    // A button's accelerator clicks it a moment later, as the button shows itself pressed.
    void Alt(Qt::Key key) { QTest::keyClick(&dialog, key, Qt::AltModifier); }
    [[nodiscard]] static bool Eventually(const std::function<bool()>& condition)
    {
        return QTest::qWaitFor(condition, 5000);
    }

    SettingsDialog dialog;
};

TEST(SettingsDialogKeys, EachAcceleratorReachesItsControl)
{
    RecordingHost host;
    host.settings.fullRowSelect = 0;
    host.settings.autoScroll = 0;
    host.fontAnswer = FontNamed("Chosen");
    ActiveDialog active(host);

    const std::pair<Qt::Key, const char*> boxes[] = {{Qt::Key_S, "sfvBox"},
                                                     {Qt::Key_M, "md5Box"},
                                                     {Qt::Key_W, "fullRowSelectBox"},
                                                     {Qt::Key_T, "autoScrollBox"},
                                                     {Qt::Key_A, "savePositionBox"}};
    for (const auto& [key, name] : boxes) {
        QCheckBox* box = active.Box(name);
        ASSERT_NE(box, nullptr) << name;
        ASSERT_FALSE(box->isChecked()) << name;
        active.Alt(key);
        EXPECT_TRUE(ActiveDialog::Eventually([box] { return box->isChecked(); })) << name;
        EXPECT_EQ(QApplication::focusWidget(), box) << name;
    }

    active.Alt(Qt::Key_P);  // the label's accelerator focuses the size box
    auto* size = active.dialog.findChild<QComboBox*>(QStringLiteral("sizeTypeBox"));
    EXPECT_EQ(QApplication::focusWidget(), size);
    QTest::keyClick(size, Qt::Key_Down);
    EXPECT_EQ(size->currentIndex(), SettingsDialog::kSizeKb);

    active.Alt(Qt::Key_F);
    EXPECT_TRUE(
        ActiveDialog::Eventually([&host] { return host.calls.contains(QStringLiteral("ApplyListFont Chosen")); }));

    active.Alt(Qt::Key_O);
    EXPECT_TRUE(ActiveDialog::Eventually([&active] { return !active.dialog.isVisible(); }));
    EXPECT_EQ(active.dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(host.calls.contains(QStringLiteral("SetFlags 1 1 1")));
    EXPECT_TRUE(host.calls.contains(QStringLiteral("SetSizeType 1")));
}

TEST(SettingsDialogKeys, TabVisitsTheControlsInTheOrderTheyAreListed)
{
    RecordingHost host;
    ActiveDialog active(host);
    active.Box("sfvBox")->setFocus();
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (QStringList{"sfvBox", "md5Box", "fullRowSelectBox", "autoScrollBox", "fontButton", "sizeTypeBox",
                                    "colour1Picker", "colour2Picker", "savePositionBox", "okButton", "cancelButton"}));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("sfvBox"));
}

TEST(SettingsDialogKeys, EnterConfirmsAndAltCCancels)
{
    {
        RecordingHost host;
        ActiveDialog active(host);
        QTest::keyClick(active.Box("md5Box"), Qt::Key_Return);
        EXPECT_EQ(active.dialog.result(), QDialog::Accepted);
        EXPECT_EQ(host.calls.value(0), QStringLiteral("RegisterDocumentType"));
    }
    {
        RecordingHost host;
        ActiveDialog active(host);
        active.Alt(Qt::Key_C);
        EXPECT_TRUE(ActiveDialog::Eventually([&active] { return !active.dialog.isVisible(); }));
        EXPECT_EQ(active.dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(host.calls.contains(QStringLiteral("RegisterDocumentType")));
    }
}

}  // namespace
