#pragma once

#include <QDialog>

// The small pop-up without caption or buttons that says "Generate SFV Remark..." while
// the head of an SFV list is written. It centres itself on its owner when shown.
class CRemarkDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CRemarkDlg(QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
};
