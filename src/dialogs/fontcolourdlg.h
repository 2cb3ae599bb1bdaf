#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class CColourPicker;
class QFontDialog;

// A font and the colour its text is drawn in.
struct FontChoice {
    QFont font;
    QColor colour;
};

// The font dialog of the checksum list: the platform's font chooser (family, style,
// size, strike-out and underline effects) with a text colour below it, as one dialog.
class CFontColourDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CFontColourDlg(const FontChoice& initial, QWidget* parent = nullptr);

    [[nodiscard]] FontChoice Choice() const;

private:
    QFontDialog* m_fonts;
    CColourPicker* m_colour;
};
