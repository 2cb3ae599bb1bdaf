#include "fontcolourdialog.h"

#include "colorref.h"
#include "colourpicker.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

FontColourDialog::FontColourDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent), m_fonts(new QFontDialog(initial.font, this)), m_colour(new ColourPicker(this))
{
    setObjectName(QStringLiteral("fontDialog"));
    setWindowTitle(tr("Font"));

    // The font chooser sits inside this dialog as a plain widget; this dialog's own
    // buttons end it.
    m_fonts->setObjectName(QStringLiteral("fontChooser"));
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setCurrentFont(initial.font);
    // Escape (or Enter) inside the chooser ends the chooser alone: end this dialog too.
    connect(m_fonts, &QDialog::accepted, this, &QDialog::accept);
    connect(m_fonts, &QDialog::rejected, this, &QDialog::reject);

    m_colour->setObjectName(QStringLiteral("fontColourPicker"));
    m_colour->SetBackgroundColour(ColorRefFromColour(initial.colour));
    m_colour->SetDefaultText(QString());  // the text needs a colour of its own
    auto* colourLabel = new QLabel(tr("Co&lour:"), this);
    colourLabel->setBuddy(m_colour);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(m_colour);
    colourRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

FontChoice FontColourDialog::Choice() const
{
    return {m_fonts->currentFont(), ColourFromColorRef(m_colour->BackgroundColour())};
}
