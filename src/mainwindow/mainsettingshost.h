#pragma once

#include "desktopassociations.h"
#include "settingshost.h"

#include <QPointer>
#include <QWidget>

class WindowSettings;
class ModalDialogs;

// The main window as the settings dialog sees it (over WindowSettings): its settings, the user's file
// associations, the font dialog, and the list's font, colours and run options.
class MainSettingsHost final : public SettingsHost {
public:
    MainSettingsHost(WindowSettings& settings, QWidget& window, ModalDialogs& dialogs);

    [[nodiscard]] const Settings& CurrentSettings() const override;
    [[nodiscard]] bool IsAssociated(const QString& extension) const override;
    void RegisterDocumentType(QWidget* parent) override;
    void SetSfvAssociation(bool enable) override;
    void SetMd5Association(bool enable) override;
    [[nodiscard]] std::optional<FontRecord> ChooseListFont(QWidget* parent, const FontRecord& initial) override;
    void ApplyListFont(const FontRecord& record) override;
    void ApplyHeaderFont() override;
    void RefreshListLayout() override;
    void SetRowColours(const ListViewColorRecord& colours) override;
    void SetFlags(std::int32_t savePosition, std::int32_t fullRowSelect, std::int32_t autoScroll) override;
    void SetSizeType(std::int32_t sizeType) override;

private:
    // "Register update failed." once per OK when an association could not be changed.
    void ReportAssociationFailure();

    WindowSettings& m_settings;
    QWidget& m_window;
    ModalDialogs& m_dialogs;
    DesktopAssociations m_associations;
    QPointer<QWidget> m_parent;  // what the dialog's OK reports over
    bool m_failureShown = false;
};
