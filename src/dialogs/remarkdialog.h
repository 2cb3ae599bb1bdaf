#pragma once

#include <QDialog>

// The small pop-up without caption or buttons that says "Generate SFV Remark..." while
// the head of an SFV list is written. It centres itself on its owner when shown.
class RemarkDialog final : public QDialog {
    Q_OBJECT

public:
    explicit RemarkDialog(QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
};
