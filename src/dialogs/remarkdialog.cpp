#include "remarkdialog.h"

#include <QLabel>
#include <QVBoxLayout>

RemarkDialog::RemarkDialog(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("remarkDialog"));
    auto* text = new QLabel(tr("Generate SFV Remark..."), this);
    text->setObjectName(QStringLiteral("remarkText"));
    text->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    setMinimumSize(160, 60);
}

void RemarkDialog::showEvent(QShowEvent* event)
{
    if (const QWidget* owner = parentWidget(); owner != nullptr) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}
