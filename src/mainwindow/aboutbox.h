#pragma once

#include "themeadapter.h"

#include <QDialog>

// The About box: "About Tallyfox", the program's icon, "Tallyfox Version 1.3" and OK.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    // Room a title bar takes besides its caption: the window icon and three buttons.
    static constexpr int kCaptionChrome = 4 * 32;

    explicit AboutBox(QWidget* parent = nullptr);

private:
    ThemeAdapter m_theme;  // the OK button draws through it
};
