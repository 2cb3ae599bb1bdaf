#include "swatchnavigation.h"

#include "colorref.h"
#include "colourtable.h"

namespace {

constexpr int kLastCell = kSwatchColourCount - 1;

// Off the front of the cells: "Automatic", else "More Colours...", else the last cell.
int BeforeFirstCell(SwatchEntries entries)
{
    if (entries.hasDefault) {
        return kDefaultSwatchEntry;
    }
    return entries.hasCustom ? kCustomSwatchEntry : kLastCell;
}

// Off the back of the cells: "More Colours...", else "Automatic", else cell 0.
int AfterLastCell(SwatchEntries entries)
{
    if (entries.hasCustom) {
        return kCustomSwatchEntry;
    }
    return entries.hasDefault ? kDefaultSwatchEntry : 0;
}

bool IsBackward(SwatchKey key)
{
    return key == SwatchKey::Left || key == SwatchKey::Up;
}

int FromCell(int cell, SwatchKey key, SwatchEntries entries)
{
    switch (key) {
    case SwatchKey::Left:
        return cell > 0 ? cell - 1 : BeforeFirstCell(entries);
    case SwatchKey::Up:
        return cell >= kSwatchColumns ? cell - kSwatchColumns : BeforeFirstCell(entries);
    case SwatchKey::Right:
        return cell < kLastCell ? cell + 1 : AfterLastCell(entries);
    case SwatchKey::Down:
        return cell + kSwatchColumns <= kLastCell ? cell + kSwatchColumns : AfterLastCell(entries);
    }
    return cell;
}

}  // namespace

int NextSwatchEntry(int from, SwatchKey key, SwatchEntries entries)
{
    if (from == kDefaultSwatchEntry) {
        if (IsBackward(key)) {
            return entries.hasCustom ? kCustomSwatchEntry : kLastCell;
        }
        return 0;
    }
    if (from == kCustomSwatchEntry) {
        if (IsBackward(key)) {
            return kLastCell;
        }
        return entries.hasDefault ? kDefaultSwatchEntry : 0;
    }
    if (from >= 0 && from <= kLastCell) {
        return FromCell(from, key, entries);
    }
    return IsBackward(key) ? BeforeFirstCell(entries) : AfterLastCell(entries);
}

int ChosenSwatchEntry(std::uint32_t colorRef, SwatchEntries entries)
{
    if (colorRef == kColorRefDefault && entries.hasDefault) {
        return kDefaultSwatchEntry;
    }
    if (const int cell = FindSwatchColour(colorRef); cell >= 0) {
        return cell;
    }
    return entries.hasCustom ? kCustomSwatchEntry : kNoSwatchEntry;
}
