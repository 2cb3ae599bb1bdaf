#pragma once

#include "themeadapter.h"

#include <QDialog>

// The About box: "About Tallyfox", the program's icon, "Tallyfox Version 1.3" and OK.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

private:
    ThemeAdapter m_theme;  // the OK button draws through it
};
