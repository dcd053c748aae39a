#include "LaunchOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <iterator>
#include <string_view>

namespace scrivlette {
namespace {

// Qt's own options, which QApplication takes out of argv itself; every Qt
// program accepts them, so they are passed over here. These take a value,
// as "-style Fusion" or "-style=Fusion".
constexpr std::string_view qtOptionsWithValue[] = {"platform",
                                                   "platformpluginpath",
                                                   "platformtheme",
                                                   "plugin",
                                                   "qwindowgeometry",
                                                   "geometry",
                                                   "qwindowtitle",
                                                   "title",
                                                   "qwindowicon",
                                                   "icon",
                                                   "display",
                                                   "name",
                                                   "session",
                                                   "style",
                                                   "stylesheet",
                                                   "qmljsdebugger",
                                                   "visual",
                                                   "ncols",
                                                   "im",
                                                   "inputstyle"};
constexpr std::string_view qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb",
                                        "sync",    "testability", "cmap"};

template <std::size_t N> bool among(std::string_view name, const std::string_view (&names)[N]) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The arguments without Qt's options and their values; "--" ends options.
std::vector<std::string> withoutQtOptions(const std::vector<std::string>& arguments) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            kept.insert(kept.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.end());
            break;
        }
        std::string_view name(argument);
        if (name.size() < 2 || name.front() != '-') {
            kept.push_back(argument);
            continue;
        }
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        if (among(name.substr(0, equals), qtOptionsWithValue)) {
            i += equals == std::string_view::npos ? 1 : 0; // the value follows
        } else if (!among(name, qtFlags)) {
            kept.push_back(argument);
        }
    }
    return kept;
}

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

LaunchOptions parseLaunchOptions(const std::vector<std::string>& allArguments,
                                 const std::string& currentDirectory) {
    const std::vector<std::string> arguments = withoutQtOptions(allArguments);
    QCommandLineParser parser;
    // "-stylish" is one mistaken word, as Qt's own options are words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Shows what is inside macOS clipping files (.textClipping, .pictClipping) and "
                "internet locations (.webloc, .mailloc).\nQt's standard options (-style, "
                "-platform, -reverse, ...) are accepted too."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which this
    // program does not take.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QCoreApplication::translate("main", "Show this help.")));
    parser.addVersionOption();
    const QCommandLineOption openLocations(
        QStringLiteral("open-location"),
        QCoreApplication::translate(
            "main", "Open the address of each web or mail location in the desktop's browser or "
                    "mail program, as the Finder does; other files open in the window."));
    parser.addOption(openLocations);
    QCommandLineOption service(QStringLiteral("gapplication-service"));
    service.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(service);
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
    options.openLocations = parser.isSet(openLocations);
    options.serviceOnly = parser.isSet(service);
    for (const std::string& name : fileArguments(arguments)) {
        if (auto url = fileUrl(name, currentDirectory)) {
            options.files.push_back(std::move(*url));
        }
    }
    return options;
}

} // namespace scrivlette
