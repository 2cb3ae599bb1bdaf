#include "settingsdialog.h"

#include "colourpicker.h"
#include "hovercolour.h"
#include "settingshost.h"
#include "themedbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

std::int32_t Flag(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

}  // namespace

SettingsDialog::SettingsDialog(SettingsHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_fontAtOpen(host.CurrentSettings().listFont)
{
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(tr("Tallyfox - Settings"));
    BuildControls();
    LoadFromHost();
}

void SettingsDialog::BuildControls()
{
    m_sfv = new QCheckBox(tr("&SFV"), this);
    m_sfv->setObjectName(QStringLiteral("sfvBox"));
    m_md5 = new QCheckBox(tr("&MD5"), this);
    m_md5->setObjectName(QStringLiteral("md5Box"));
    auto* shell = new QGroupBox(tr("-= [ Shell Integration ] =-"), this);
    auto* shellLayout = new QHBoxLayout(shell);
    shellLayout->addWidget(m_sfv);
    shellLayout->addWidget(m_md5);
    shellLayout->addStretch(1);

    m_fullRowSelect = new QCheckBox(tr("Full ro&w select"), this);
    m_fullRowSelect->setObjectName(QStringLiteral("fullRowSelectBox"));
    m_autoScroll = new QCheckBox(tr("Au&to Scroll"), this);
    m_autoScroll->setObjectName(QStringLiteral("autoScrollBox"));
    m_font = new ThemedButton(tr("&Font"), this);
    m_font->setObjectName(QStringLiteral("fontButton"));
    connect(m_font, &QPushButton::clicked, this, &SettingsDialog::OnFont);
    m_sizeType = new QComboBox(this);
    m_sizeType->setObjectName(QStringLiteral("sizeTypeBox"));
    auto* sizeLabel = new QLabel(tr("Dis&play File Size As"), this);
    sizeLabel->setBuddy(m_sizeType);
    m_colour1 = new ColourPicker(this);
    m_colour1->setObjectName(QStringLiteral("colour1Picker"));
    m_colour1->setText(tr("Col1"));
    m_colour1->setAccessibleName(tr("First row colour"));
    m_colour2 = new ColourPicker(this);
    m_colour2->setObjectName(QStringLiteral("colour2Picker"));
    m_colour2->setText(tr("Col2"));
    m_colour2->setAccessibleName(tr("Second row colour"));

    auto* list = new QGroupBox(tr("-= [ ListView ] =-"), this);
    auto* listLayout = new QGridLayout(list);
    listLayout->addWidget(m_fullRowSelect, 0, 0);
    listLayout->addWidget(m_font, 0, 1);
    listLayout->addWidget(m_autoScroll, 1, 0);
    listLayout->addWidget(sizeLabel, 2, 0);
    listLayout->addWidget(m_sizeType, 2, 1);
    auto* colours = new QHBoxLayout;
    colours->addWidget(m_colour1, 1);
    colours->addWidget(m_colour2, 1);
    listLayout->addLayout(colours, 3, 0, 1, 2);
    listLayout->setColumnStretch(0, 1);

    m_savePosition = new QCheckBox(tr("S&ave window position on exit"), this);
    m_savePosition->setObjectName(QStringLiteral("savePositionBox"));
    auto* misc = new QGroupBox(tr("-= [ Misc ] =-"), this);
    auto* miscLayout = new QVBoxLayout(misc);
    miscLayout->addWidget(m_savePosition);

    m_ok = new ThemedButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &SettingsDialog::accept);
    m_cancel = new ThemedButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, &SettingsDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shell);
    layout->addWidget(list);
    layout->addWidget(misc);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order follows the reading order.
    setTabOrder(m_sfv, m_md5);
    setTabOrder(m_md5, m_fullRowSelect);
    setTabOrder(m_fullRowSelect, m_autoScroll);
    setTabOrder(m_autoScroll, m_font);
    setTabOrder(m_font, m_sizeType);
    setTabOrder(m_sizeType, m_colour1);
    setTabOrder(m_colour1, m_colour2);
    setTabOrder(m_colour2, m_savePosition);
    setTabOrder(m_savePosition, m_ok);
    setTabOrder(m_ok, m_cancel);
}

void SettingsDialog::LoadFromHost()
{
    m_md5->setChecked(m_host.IsAssociated(QStringLiteral(".md5")));
    m_sfv->setChecked(m_host.IsAssociated(QStringLiteral(".sfv")));

    const Settings& settings = m_host.CurrentSettings();
    m_savePosition->setChecked(settings.windowPos.savePosition != 0);
    m_fullRowSelect->setChecked(settings.fullRowSelect != 0);
    m_autoScroll->setChecked(settings.autoScroll != 0);

    m_sizeType->addItem(tr("Auto"));
    m_sizeType->addItem(tr("KB"));
    m_sizeType->addItem(tr("Bytes"));
    // A mode outside the three (a hand-edited file) shows as "Auto".
    const int mode = settings.sizeType;
    m_sizeType->setCurrentIndex(mode >= kSizeAuto && mode <= kSizeBytes ? mode : kSizeAuto);

    for (ColourPicker* picker : {m_colour1, m_colour2}) {
        picker->SetLiveTracking(true);
    }
    m_colour1->SetBackgroundColour(settings.rowColours.firstColour);
    m_colour2->SetBackgroundColour(settings.rowColours.secondColour);

    for (ThemedButton* button : {m_ok, m_cancel, m_font}) {
        SetUpThemedButton(button);
    }
}

void SettingsDialog::SetUpThemedButton(ThemedButton* button)
{
    button->SetThemeAdapter(&m_theme);
    button->SetColour(0, HoverBackgroundColour(button->palette().color(QPalette::Button)), false);
    button->SetDrawFocusWhenFlat(true, false);
    button->update();
}

void SettingsDialog::OnFont()
{
    const FontRecord current = m_host.CurrentSettings().listFont;
    const std::optional<FontRecord> chosen = m_host.ChooseListFont(this, current);
    if (!chosen) {
        return;
    }
    m_host.ApplyListFont(*chosen);
    m_host.ApplyHeaderFont();
    m_host.RefreshListLayout();
}

void SettingsDialog::accept()
{
    m_host.RegisterDocumentType(this);
    m_host.SetSfvAssociation(m_sfv->isChecked());
    m_host.SetMd5Association(m_md5->isChecked());
    ListViewColorRecord colours;
    colours.firstColour = m_colour1->BackgroundColour();
    colours.secondColour = m_colour2->BackgroundColour();
    m_host.SetRowColours(colours);
    m_host.RefreshListLayout();
    m_host.SetFlags(Flag(m_savePosition), Flag(m_fullRowSelect), Flag(m_autoScroll));
    m_host.SetSizeType(m_sizeType->currentIndex());
    QDialog::accept();
}

void SettingsDialog::reject()
{
    m_host.ApplyListFont(m_fontAtOpen);
    m_host.ApplyHeaderFont();
    m_host.RefreshListLayout();
    QDialog::reject();
}
