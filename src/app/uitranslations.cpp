#include "uitranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

UiTranslations::UiTranslations(const QLocale& locale, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (m_own.load(locale, QStringLiteral("tallyfox"), QStringLiteral("_"), folder)) {
            m_ownLoaded = QCoreApplication::installTranslator(&m_own);
            break;
        }
    }
    // Qt's own texts only with ours: a window half in another language helps nobody.
    if (m_ownLoaded && m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_qtLoaded = QCoreApplication::installTranslator(&m_qt);
    }
}

UiTranslations::~UiTranslations()
{
    if (m_qtLoaded) {
        QCoreApplication::removeTranslator(&m_qt);
    }
    if (m_ownLoaded) {
        QCoreApplication::removeTranslator(&m_own);
    }
}

QStringList TranslationFolders(const QString& programFolder)
{
    const QDir folder(programFolder);
    return {folder.filePath(QStringLiteral("translations")),
            QDir::cleanPath(folder.filePath(QStringLiteral("../share/tallyfox/translations")))};
}
