#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace scrivlette {
namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

} // namespace

void installTranslations(const QLocale& locale, const QStringList& folders) {
    for (const auto& translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed().clear();
    // Numbers in the language's digits and separators, too.
    QLocale::setDefault(locale);
    // Installed first, asked last: the English forms of counted texts ("1
    // file", "2 files"), under every other language.
    for (const QString& folder : folders) {
        auto english = std::make_unique<QTranslator>();
        if (english->load(QStringLiteral("scrivlette_en"), folder)) {
            install(std::move(english));
            break;
        }
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        install(std::move(qt));
    }
    for (const QString& folder : folders) {
        auto ours = std::make_unique<QTranslator>();
        if (ours->load(locale, QStringLiteral("scrivlette"), QStringLiteral("_"), folder)) {
            install(std::move(ours));
            break;
        }
    }
}

QStringList translationFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("../share/scrivlette/translations")),
            program.filePath(QStringLiteral("translations"))};
}

} // namespace scrivlette
