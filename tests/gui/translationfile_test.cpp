// The German translation file: every text of the window's sources is in it, translated,
// with the same placeholders.

#include "tempdir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

namespace {

struct TsMessage {
    QString context;
    QString source;
    QStringList translations;  // one, or one per plural form
    QString type;              // "unfinished", "vanished", "obsolete" or empty
};

std::vector<TsMessage> ReadTsFile(const QString& path)
{
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!numerus) {
                messages.back().translations.append(xml.readElementText());
            }
        } else if (xml.name() == QLatin1String("numerusform") && !messages.empty()) {
            messages.back().translations.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The placeholders of a text (%1, %n, printf's %s and %d), sorted.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n|s|d|L\\d+)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found.append(match.captured());
    }
    found.sort();
    return found;
}

std::string Name(const TsMessage& message)
{
    return (message.context + QLatin1String(": ") + message.source).toStdString();
}

TEST(GermanTranslation, EveryTextIsTranslatedWithItsPlaceholders)
{
    const std::vector<TsMessage> messages = ReadTsFile(QStringLiteral(TALLYFOX_TS_DE));
    ASSERT_GT(messages.size(), 100U);
    for (const TsMessage& message : messages) {
        EXPECT_TRUE(message.type.isEmpty()) << Name(message) << " is " << message.type.toStdString();
        EXPECT_FALSE(message.translations.isEmpty()) << Name(message) << " has no translation";
        for (const QString& translation : message.translations) {
            EXPECT_FALSE(translation.trimmed().isEmpty()) << Name(message) << " has an empty translation";
            EXPECT_EQ(Placeholders(translation), Placeholders(message.source)) << Name(message);
        }
    }
}

// lupdate over the sources into a scratch file: every text it finds must be in the
// translation file, so a text added to the window without a translation is caught.
TEST(GermanTranslation, HoldsEveryTextOfTheSources)
{
    TempDir dir;
    const QString scratch = QString::fromStdString(dir.Folder() + "scan_de.ts");
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none")};
    for (const char* folder : {"app", "browser", "controls", "dialogs", "mainwindow"}) {
        arguments.append(QStringLiteral(TALLYFOX_SOURCE_DIR "/src/") + QLatin1String(folder));
    }
    arguments << QStringLiteral("-ts") << scratch;
    QProcess lupdate;
    lupdate.start(QStringLiteral(TALLYFOX_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QSet<QString> translated;
    for (const TsMessage& message : ReadTsFile(QStringLiteral(TALLYFOX_TS_DE))) {
        translated.insert(message.context + QLatin1Char('\n') + message.source);
    }
    const std::vector<TsMessage> found = ReadTsFile(scratch);
    ASSERT_GT(found.size(), 100U);
    for (const TsMessage& message : found) {
        EXPECT_TRUE(translated.contains(message.context + QLatin1Char('\n') + message.source))
            << Name(message) << " is not in translations/tallyfox_de.ts (scripts/update-translations.sh)";
    }
}

}  // namespace
