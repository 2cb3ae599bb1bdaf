#pragma once

#include <QWidget>

class FolderTreeView;
class QComboBox;
class QPushButton;

// The left half of the browser: the path box with its "&GO " button above the folder
// tree. Enter in the box or the button asks to go to the typed path; Ctrl+L puts the
// focus in the box.
class FolderTreePane final : public QWidget {
    Q_OBJECT

public:
    explicit FolderTreePane(QWidget* parent = nullptr);

    [[nodiscard]] FolderTreeView* Tree() const noexcept { return m_tree; }
    [[nodiscard]] QComboBox* PathBox() const noexcept { return m_pathBox; }
    [[nodiscard]] QPushButton* GoButton() const noexcept { return m_goButton; }
    [[nodiscard]] QString TypedPath() const;
    void SetPathText(const QString& path);
    void FocusPathBox();

signals:
    void NavigateRequested(const QString& path);

private:
    QComboBox* m_pathBox;
    QPushButton* m_goButton;
    FolderTreeView* m_tree;
};
