#include "colourtable.h"

#include "colorref.h"

#include <QCoreApplication>

#include <array>

namespace {

struct NamedColour {
    const char* name;
    std::uint32_t colorRef;
};

constexpr std::array<NamedColour, kSwatchColourCount> kColours{{
    {QT_TRANSLATE_NOOP("SwatchPopup", "Black"), ColorRefFromRgb(0, 0, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Brown"), ColorRefFromRgb(165, 42, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Dark Olive Green"), ColorRefFromRgb(0, 64, 64)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Dark Green"), ColorRefFromRgb(0, 85, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Dark Teal"), ColorRefFromRgb(0, 0, 94)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Dark blue"), ColorRefFromRgb(0, 0, 139)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Indigo"), ColorRefFromRgb(75, 0, 130)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Dark grey"), ColorRefFromRgb(40, 40, 40)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Dark red"), ColorRefFromRgb(139, 0, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Orange"), ColorRefFromRgb(255, 104, 32)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Dark yellow"), ColorRefFromRgb(139, 139, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Green"), ColorRefFromRgb(0, 147, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Teal"), ColorRefFromRgb(56, 142, 142)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Blue"), ColorRefFromRgb(0, 0, 255)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Blue-grey"), ColorRefFromRgb(123, 123, 192)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Grey - 40"), ColorRefFromRgb(102, 102, 102)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Red"), ColorRefFromRgb(255, 0, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Light orange"), ColorRefFromRgb(255, 173, 91)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Lime"), ColorRefFromRgb(50, 205, 50)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Sea green"), ColorRefFromRgb(60, 179, 113)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Aqua"), ColorRefFromRgb(127, 255, 212)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Light blue"), ColorRefFromRgb(125, 158, 192)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Violet"), ColorRefFromRgb(128, 0, 128)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Grey - 50"), ColorRefFromRgb(127, 127, 127)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Pink"), ColorRefFromRgb(255, 192, 203)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Gold"), ColorRefFromRgb(255, 215, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Yellow"), ColorRefFromRgb(255, 255, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Bright green"), ColorRefFromRgb(0, 255, 0)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Turquoise"), ColorRefFromRgb(64, 224, 208)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Skyblue"), ColorRefFromRgb(192, 255, 255)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Plum"), ColorRefFromRgb(72, 0, 72)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Light grey"), ColorRefFromRgb(192, 192, 192)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Rose"), ColorRefFromRgb(255, 228, 225)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Tan"), ColorRefFromRgb(210, 180, 140)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Light yellow"), ColorRefFromRgb(255, 255, 224)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Pale green "), ColorRefFromRgb(152, 251, 152)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Pale turquoise"), ColorRefFromRgb(175, 238, 238)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Pale blue"), ColorRefFromRgb(104, 131, 139)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "Lavender"), ColorRefFromRgb(230, 230, 250)},
    {QT_TRANSLATE_NOOP("SwatchPopup", "White"), ColorRefFromRgb(255, 255, 255)},
}};

bool IsCell(int index)
{
    return index >= 0 && index < kSwatchColourCount;
}

}  // namespace

std::uint32_t SwatchColorRef(int index)
{
    return IsCell(index) ? kColours[static_cast<std::size_t>(index)].colorRef : kColorRefDefault;
}

QString SwatchColourName(int index)
{
    return IsCell(index) ? QCoreApplication::translate("SwatchPopup", kColours[static_cast<std::size_t>(index)].name)
                         : QString();
}

int FindSwatchColour(std::uint32_t colorRef)
{
    for (int index = 0; index < kSwatchColourCount; ++index) {
        if (kColours[static_cast<std::size_t>(index)].colorRef == colorRef) {
            return index;
        }
    }
    return -1;
}
