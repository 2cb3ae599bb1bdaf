#pragma once

// A settings host that records, in order, every call the settings dialog makes, with
// its arguments; its associations follow the real rules over a store in memory.

#include "fileassociations.h"
#include "memorystore.h"
#include "settingshost.h"

#include <QString>
#include <QStringList>

#include <optional>

class RecordingHost final : public SettingsHost {
public:
    [[nodiscard]] const Settings& CurrentSettings() const override { return settings; }
    [[nodiscard]] bool IsAssociated(const QString& extension) const override
    {
        return associations.IsAssociated(extension.toStdString());
    }
    void RegisterDocumentType(QWidget*) override
    {
        calls.append(QStringLiteral("RegisterDocumentType"));
        (void)associations.RegisterDocumentType();
    }
    void SetSfvAssociation(bool enable) override
    {
        calls.append(QStringLiteral("SetSfvAssociation %1").arg(enable));
        associations.SetSfvAssociation(enable);
    }
    void SetMd5Association(bool enable) override
    {
        calls.append(QStringLiteral("SetMd5Association %1").arg(enable));
        associations.SetMd5Association(enable);
    }
    [[nodiscard]] std::optional<FontRecord> ChooseListFont(QWidget*, const FontRecord& initial) override
    {
        calls.append(QStringLiteral("ChooseListFont %1").arg(QString::fromStdString(initial.logFont.lfFaceName)));
        return fontAnswer;
    }
    void ApplyListFont(const FontRecord& record) override
    {
        calls.append(QStringLiteral("ApplyListFont %1").arg(QString::fromStdString(record.logFont.lfFaceName)));
        settings.listFont = record;
    }
    void ApplyHeaderFont() override { calls.append(QStringLiteral("ApplyHeaderFont")); }
    void RefreshListLayout() override { calls.append(QStringLiteral("RefreshListLayout")); }
    void SetRowColours(const ListViewColorRecord& colours) override
    {
        calls.append(QStringLiteral("SetRowColours %1 %2").arg(colours.firstColour, 6, 16, QLatin1Char('0'))
                         .arg(colours.secondColour, 6, 16, QLatin1Char('0')));
        settings.rowColours = colours;
    }
    void SetFlags(std::int32_t savePosition, std::int32_t fullRowSelect, std::int32_t autoScroll) override
    {
        calls.append(QStringLiteral("SetFlags %1 %2 %3").arg(savePosition).arg(fullRowSelect).arg(autoScroll));
        settings.windowPos.savePosition = savePosition;
        settings.fullRowSelect = fullRowSelect;
        settings.autoScroll = autoScroll;
    }
    void SetSizeType(std::int32_t sizeType) override
    {
        calls.append(QStringLiteral("SetSizeType %1").arg(sizeType));
        settings.sizeType = sizeType;
    }

    Settings settings;
    MemoryStore store;
    FileAssociations associations{store};
    std::optional<FontRecord> fontAnswer;  // what the font dialog answers; nothing: cancelled
    QStringList calls;
};

// A font record that differs from the default one by its face.
inline FontRecord FontNamed(const std::string& face)
{
    FontRecord record = DefaultFontRecord();
    record.logFont.lfFaceName = face;
    return record;
}
