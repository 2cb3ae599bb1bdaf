#include "fontconversion.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

QFont FontFromRecord(const FontRecord& record)
{
    const LogFont& lf = record.logFont;
    QFont font(QString::fromUtf8(lf.lfFaceName.c_str()));
    font.setStyleHint(QFont::SansSerif);
    int pixels = 0;
    if (lf.lfHeight < 0) {
        pixels = -lf.lfHeight;
    } else if (lf.lfHeight > 0) {
        pixels = std::max(1, static_cast<int>(std::lround(lf.lfHeight * 0.8)));
    }
    if (pixels > 0) {
        font.setPixelSize(std::min(pixels, 400));
    }
    // LOGFONT weights and Qt 6 weights share the OpenType scale (400 normal, 700 bold);
    // 0 means the default.
    font.setWeight(lf.lfWeight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(lf.lfWeight, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

FontRecord RecordFromFont(const QFont& font, std::uint32_t colour)
{
    FontRecord record;
    record.colour = colour;
    LogFont& lf = record.logFont;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize()
                                            : static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    lf.lfHeight = -pixels;
    lf.lfWeight = static_cast<std::int32_t>(font.weight());
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.lfOutPrecision = 4;  // TrueType precision, as the default font has
    lf.lfFaceName = FitFaceName(font.family().toStdString());
    return record;
}
