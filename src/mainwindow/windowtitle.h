#pragma once

#include <QString>

// The version text shown in the title and the About box.
inline constexpr char kVersionText[] = "1.3";

// "Tallyfox 1.3", or "Tallyfox 1.3 - <list path>" once a list has been opened. The
// texts are meant for QWidget::setWindowTitle: a "[*]" in the path is doubled, so Qt
// shows it as written instead of taking it for the modified-document mark.
[[nodiscard]] QString MainWindowTitle();
[[nodiscard]] QString MainWindowTitle(const QString& listPath);
