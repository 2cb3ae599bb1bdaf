#include "aboutbox.h"

#include "hovercolour.h"
#include "themedbutton.h"
#include "toolbaricons.h"
#include "windowtitle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("About Tallyfox"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(DrawApplicationPicture(32));
    icon->setAccessibleName(tr("Tallyfox"));
    auto* version = new QLabel(tr("Tallyfox Version %1").arg(QLatin1String(kVersionText)), this);
    version->setObjectName(QStringLiteral("aboutVersion"));

    auto* ok = new ThemedButton(tr("OK"), this);
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
    // Wide enough for the caption too, with room for the title bar's icon and buttons:
    // the window manager cuts a caption that does not fit.
    const QFontMetrics captionFont(QApplication::font("QMdiSubWindowTitleBar"));
    layout->addStrut(captionFont.horizontalAdvance(windowTitle()) + kCaptionChrome);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
