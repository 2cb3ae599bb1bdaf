#include "aboutbox.h"

#include "hovercolour.h"
#include "themedbutton.h"
#include "toolbaricons.h"
#include "windowtitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About Tallyfox"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(DrawApplicationPicture(32));
    auto* version = new QLabel(QStringLiteral("Tallyfox Version %1").arg(QLatin1String(kVersionText)), this);
    version->setObjectName(QStringLiteral("aboutVersion"));

    auto* ok = new CThemedButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("aboutOk"));
    ok->setDefault(true);
    ok->SetThemeAdapter(&m_theme);
    ok->SetColour(0, HoverBackgroundColour(ok->palette().color(QPalette::Button)));
    ok->SetDrawFocusWhenFlat(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addWidget(version, 1, Qt::AlignVCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
