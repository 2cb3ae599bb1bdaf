#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class ColourPicker;
class QFontDialog;

// A font and the colour its text is drawn in.
struct FontChoice {
    QFont font;
    QColor colour;
};

// The font dialog of the checksum list: the platform's font chooser (family, style,
// size, strike-out and underline effects) with a text colour below it, as one dialog.
class FontColourDialog final : public QDialog {
    Q_OBJECT

public:
    explicit FontColourDialog(const FontChoice& initial, QWidget* parent = nullptr);

    [[nodiscard]] FontChoice Choice() const;

private:
    QFontDialog* m_fonts;
    ColourPicker* m_colour;
};
