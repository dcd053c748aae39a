#include "LaunchOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

namespace scrivlette {
namespace {

// QCommandLineParser reads text; files are taken from the raw bytes instead,
// in the same order it finds them: every argument that is not an option, and
// everything after "--".
std::vector<std::string> fileArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (optionsEnded || argument.empty() || argument.front() != '-' || argument == "-") {
            files.push_back(argument);
        }
    }
    return files;
}

std::optional<Url> fileUrl(const std::string& name, const std::string& currentDirectory) {
    if (name.starts_with('/')) {
        return Url::fromFilePath(name);
    }
    std::string base = currentDirectory;
    if (!base.ends_with('/')) {
        base += '/';
    }
    return Url::fromFilePath(base + name);
}

} // namespace

LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments,
                                 const std::string& currentDirectory) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Shows what is inside macOS clipping files (.textClipping, .pictClipping) and "
                "internet locations (.webloc, .mailloc)."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which this
    // program does not take.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QCoreApplication::translate("main", "Show this help.")));
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QCoreApplication::translate("main", "Clipping files to open, read together as one drop."),
        QStringLiteral("[FILE...]"));

    QStringList texts{QCoreApplication::applicationName()};
    for (const std::string& argument : arguments) {
        texts << QFile::decodeName(QByteArray::fromStdString(argument));
    }
    LaunchOptions options;
    if (!parser.parse(texts)) {
        options.exit = LaunchOptions::Exit{2, parser.errorText(), true};
        return options;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        options.exit = LaunchOptions::Exit{0, parser.helpText(), false};
        return options;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        options.exit = LaunchOptions::Exit{0,
                                           QCoreApplication::applicationName() + u' ' +
                                               QCoreApplication::applicationVersion() + u'\n',
                                           false};
        return options;
    }
    for (const std::string& name : fileArguments(arguments)) {
        if (auto url = fileUrl(name, currentDirectory)) {
            options.files.push_back(std::move(*url));
        }
    }
    return options;
}

} // namespace scrivlette
