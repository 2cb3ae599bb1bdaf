#include "foldertreepane.h"

#include "foldertreeview.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

FolderTreePane::FolderTreePane(QWidget* parent)
    : QWidget(parent), m_pathBox(new QComboBox(this)), m_goButton(new QPushButton(tr("&GO "), this)),
      m_tree(new FolderTreeView(this))
{
    setObjectName(QStringLiteral("folderTreePane"));
    m_pathBox->setObjectName(QStringLiteral("pathBox"));
    m_pathBox->setAccessibleName(tr("Folder path"));
    m_pathBox->setEditable(true);
    m_pathBox->setInsertPolicy(QComboBox::NoInsert);
    m_pathBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_pathBox->setMinimumContentsLength(4);
    m_goButton->setObjectName(QStringLiteral("goButton"));
    m_goButton->setToolTip(tr("Go to the folder typed in the path box (Ctrl+L)"));
    m_goButton->setAutoDefault(false);

    auto* pathRow = new QHBoxLayout;
    pathRow->setContentsMargins(0, 0, 0, 0);
    pathRow->setSpacing(2);
    pathRow->addWidget(m_pathBox, 1);
    pathRow->addWidget(m_goButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(pathRow);
    layout->addWidget(m_tree, 1);

    connect(m_goButton, &QPushButton::clicked, this, [this] { emit NavigateRequested(TypedPath()); });
    connect(m_pathBox->lineEdit(), &QLineEdit::returnPressed, this, [this] { emit NavigateRequested(TypedPath()); });
    // Active while the pane is shown, from anywhere in its window, as in file managers.
    auto* focusPath = new QShortcut(QKeySequence(tr("Ctrl+L")), this);
    focusPath->setContext(Qt::WindowShortcut);
    connect(focusPath, &QShortcut::activated, this, &FolderTreePane::FocusPathBox);
}

QString FolderTreePane::TypedPath() const
{
    return m_pathBox->currentText();
}

void FolderTreePane::SetPathText(const QString& path)
{
    m_pathBox->setEditText(path);
}

void FolderTreePane::FocusPathBox()
{
    m_pathBox->setFocus(Qt::ShortcutFocusReason);
    m_pathBox->lineEdit()->selectAll();
}
