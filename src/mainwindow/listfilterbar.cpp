#include "listfilterbar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

ListFilterBar::ListFilterBar(QWidget* parent)
    : QWidget(parent), m_choice(new QComboBox(this)), m_text(new QLineEdit(this))
{
    setObjectName(QStringLiteral("listFilterBar"));
    m_choice->setObjectName(QStringLiteral("listFilterChoice"));
    m_text->setObjectName(QStringLiteral("listFilterText"));
    m_choice->addItem(tr("All files"), static_cast<int>(RowFilter::All));
    m_choice->addItem(tr("Only problems (bad and missing)"), static_cast<int>(RowFilter::Problems));
    m_choice->addItem(tr("Names containing"), static_cast<int>(RowFilter::NameText));
    m_choice->setAccessibleName(tr("Show"));
    m_text->setPlaceholderText(tr("Part of a file name"));
    m_text->setAccessibleName(tr("Name filter"));
    m_text->setClearButtonEnabled(true);

    auto* label = new QLabel(tr("&Show:"), this);
    label->setBuddy(m_choice);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addWidget(m_choice);
    layout->addWidget(m_text, 1);

    connect(m_choice, &QComboBox::currentIndexChanged, this, [this] {
        if (Filter() == RowFilter::NameText && isVisible()) {
            m_text->setFocus();
        }
        Announce();
    });
    // The box is always open for typing: typing in it picks "Names containing".
    connect(m_text, &QLineEdit::textEdited, this, [this] {
        if (Filter() != RowFilter::NameText) {
            SetFilter(RowFilter::NameText);
        }
    });
    connect(m_text, &QLineEdit::textChanged, this, [this] {
        if (Filter() == RowFilter::NameText) {
            Announce();
        }
    });
}

RowFilter ListFilterBar::Filter() const
{
    return static_cast<RowFilter>(m_choice->currentData().toInt());
}

QString ListFilterBar::NameText() const
{
    return Filter() == RowFilter::NameText ? m_text->text() : QString();
}

void ListFilterBar::SetFilter(RowFilter filter)
{
    const int index = m_choice->findData(static_cast<int>(filter));
    if (index >= 0) {
        m_choice->setCurrentIndex(index);
    }
}

void ListFilterBar::Announce()
{
    emit FilterChanged(Filter(), NameText());
}
