#pragma once

#include "fontrecord.h"
#include "themeadapter.h"

#include <QDialog>

class ColourPicker;
class ThemedButton;
class QCheckBox;
class QComboBox;
class SettingsHost;

// "Tallyfox - Settings": the two file associations, the checksum list's look (full-row
// selection, auto-scroll, font, the two row colours, the size display) and whether the
// window position is saved on exit. Every control starts from the host. A font chosen
// with "&Font" reaches the list at once; Cancel (Escape, closing the window) puts back
// the font the list had when the dialog opened and touches nothing else. OK writes the
// rest back in a fixed order: the document type, the .sfv and .md5 associations, the
// row colours, the list layout, the three flags, the size display mode.
class SettingsDialog final : public QDialog {
    Q_OBJECT

public:
    // Size display modes, in the order of the size box's items.
    static constexpr int kSizeAuto = 0;
    static constexpr int kSizeKb = 1;
    static constexpr int kSizeBytes = 2;

    explicit SettingsDialog(SettingsHost& host, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void BuildControls();
    void LoadFromHost();
    void SetUpThemedButton(ThemedButton* button);
    void OnFont();

    SettingsHost& m_host;
    FontRecord m_fontAtOpen;  // put back by Cancel
    ThemeAdapter m_theme;     // shared by the three themed buttons

    QCheckBox* m_sfv = nullptr;
    QCheckBox* m_md5 = nullptr;
    QCheckBox* m_fullRowSelect = nullptr;
    QCheckBox* m_autoScroll = nullptr;
    ThemedButton* m_font = nullptr;
    QComboBox* m_sizeType = nullptr;
    ColourPicker* m_colour1 = nullptr;
    ColourPicker* m_colour2 = nullptr;
    QCheckBox* m_savePosition = nullptr;
    ThemedButton* m_ok = nullptr;
    ThemedButton* m_cancel = nullptr;
};
