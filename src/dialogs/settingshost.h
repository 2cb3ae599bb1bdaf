#pragma once

#include "fontrecord.h"
#include "listviewcolorrecord.h"
#include "settings.h"

#include <QString>

#include <cstdint>
#include <optional>

class QWidget;

// What the settings dialog reads and changes in the window that opened it. The
// settings live in that window; the dialog reads them when it opens, applies a chosen
// font at once and writes everything else back step by step when it is confirmed.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    [[nodiscard]] virtual const Settings& CurrentSettings() const = 0;

    // The file associations: ".sfv" or ".md5".
    [[nodiscard]] virtual bool IsAssociated(const QString& extension) const = 0;
    // Shows "Register update failed." over `parent` when the document type cannot be written.
    virtual void RegisterDocumentType(QWidget* parent) = 0;
    virtual void SetSfvAssociation(bool enable) = 0;
    virtual void SetMd5Association(bool enable) = 0;

    // The font dialog for the list font and its text colour; nothing when cancelled.
    [[nodiscard]] virtual std::optional<FontRecord> ChooseListFont(QWidget* parent, const FontRecord& initial) = 0;
    virtual void ApplyListFont(const FontRecord& record) = 0;
    // Sets the header's own font again, so a list font never reaches the header.
    virtual void ApplyHeaderFont() = 0;
    virtual void RefreshListLayout() = 0;

    virtual void SetRowColours(const ListViewColorRecord& colours) = 0;
    virtual void SetFlags(std::int32_t savePosition, std::int32_t fullRowSelect, std::int32_t autoScroll) = 0;
    virtual void SetSizeType(std::int32_t sizeType) = 0;

protected:
    SettingsHost() = default;
    SettingsHost(const SettingsHost&) = default;
    SettingsHost& operator=(const SettingsHost&) = default;
};
