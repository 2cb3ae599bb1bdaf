#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The window's texts in the user's language: Tallyfox's own translation and Qt's (the
// standard buttons and dialogs), each the first found for the locale's UI languages.
// English is the source language and needs none. Installed into the application for as
// long as the object lives.
class UiTranslations {
public:
    UiTranslations(const QLocale& locale, const QStringList& folders);
    ~UiTranslations();
    UiTranslations(const UiTranslations&) = delete;
    UiTranslations& operator=(const UiTranslations&) = delete;

    // Whether Tallyfox's own translation for the locale was found.
    [[nodiscard]] bool HasOwnTranslation() const noexcept { return m_ownLoaded; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    bool m_ownLoaded = false;
    bool m_qtLoaded = false;
};

// Where the program's translations are: translations/ beside it (a build folder), then
// ../share/tallyfox/translations (installed, wherever the prefix is).
[[nodiscard]] QStringList TranslationFolders(const QString& programFolder);
