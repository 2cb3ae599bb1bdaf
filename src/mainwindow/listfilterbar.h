#pragma once

#include "checksumlistproxy.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

// The small bar over the checksum list that chooses which rows it shows: all, only
// the problems (Bad and Missing), or those whose name contains the typed text.
class ListFilterBar final : public QWidget {
    Q_OBJECT

public:
    explicit ListFilterBar(QWidget* parent = nullptr);

    [[nodiscard]] RowFilter Filter() const;
    [[nodiscard]] QString NameText() const;
    // Chooses a filter as the user would (FilterChanged follows).
    void SetFilter(RowFilter filter);

    [[nodiscard]] QComboBox* Choice() const noexcept { return m_choice; }
    [[nodiscard]] QLineEdit* TextEdit() const noexcept { return m_text; }

signals:
    void FilterChanged(RowFilter filter, const QString& nameText);

private:
    void Announce();

    QComboBox* m_choice;
    QLineEdit* m_text;
};
