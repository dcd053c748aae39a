#include "../platform/TestSupport.h"
#include "app/LaunchOptions.h"
#include "app/LocationOpening.h"
#include "app/ScrivletteApp.h"
#include "platform/qt/QtMainQueue.h"
#include "views/ContentView.h"
#include "views/HelpCommands.h"
#include "views/HelpView.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <fstream>
#include <gtest/gtest.h>

namespace scrivlette {
namespace {

QString helpTextFrom(const QString& document) {
    return HelpView(document).text()->toPlainText();
}

TEST(HelpView, ShowsTheHelpDocumentOrTheWordEmpty) {
    const QString help = helpTextFrom(HelpView::defaultDocument);
    EXPECT_TRUE(help.startsWith(QStringLiteral("Scrivlette Help\n")))
        << help.left(80).toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("Write Clip to File")));

    QTemporaryDir folder;
    const QString notRtf = folder.filePath(QStringLiteral("Help.rtf"));
    std::ofstream(notRtf.toStdString()) << "plain words, not RTF";
    EXPECT_EQ(helpTextFrom(notRtf), QStringLiteral("empty"));
    EXPECT_EQ(helpTextFrom(folder.filePath(QStringLiteral("missing.rtf"))),
              QStringLiteral("empty"));
    EXPECT_EQ(HelpView().text()->textCursor().position(), 0) << "opens at the top";
}

// The help comes in the user's language where it is written in it.
TEST(HelpView, ChosenByTheUsersLanguage) {
    const struct {
        const char* locale;
        const char* title;
    } rows[] = {{"de_DE", "Scrivlette-Hilfe"}, {"fr_CA", "Aide de Scrivlette"},
                {"es", "Ayuda de Scrivlette"}, {"ja", "Scrivlette ヘルプ"},
                {"zh_CN", "Scrivlette 帮助"},  {"pt_BR", "Ajuda do Scrivlette"},
                {"pt_PT", "Scrivlette Help"},  {"sw", "Scrivlette Help"}};
    const auto english = helpTextFrom(HelpView::defaultDocument);
    for (const auto& row : rows) {
        const QString document = HelpView::documentFor(QLocale(QString::fromLatin1(row.locale)));
        const QString text = helpTextFrom(document);
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(row.title))) << row.locale;
        EXPECT_EQ(text.count(u'\n'), english.count(u'\n')) << row.locale << ": every paragraph";
        EXPECT_TRUE(text.contains(QStringLiteral("[data size: 906]"))) << "content stays";
    }
}

TEST(HelpCommands, OneItemWithoutShortcutOpeningTheHelpWindow) {
    std::vector<std::string> opened;
    QMenuBar bar;
    HelpCommands([&](const std::string& id) { opened.push_back(id); }).install(bar);
    ASSERT_EQ(bar.actions().size(), 1);
    ASSERT_EQ(bar.actions().front()->menu()->actions().size(), 1);
    QAction* item = bar.actions().front()->menu()->actions().front();
    EXPECT_EQ(item->text(), QStringLiteral("Scrivlette Help"));
    EXPECT_TRUE(item->shortcut().isEmpty());
    item->trigger();
    item->trigger();
    EXPECT_EQ(opened, (std::vector<std::string>{"help", "help"}));
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { MainQueue::install(std::make_shared<QtMainQueue>()); }
    static int visibleWindows() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            count += widget->isVisible() && qobject_cast<QMainWindow*>(widget) ? 1 : 0;
        }
        return count;
    }
};

TEST_F(AppTest, LaunchShowsOnlyTheMainWindowWithAnEmptyDocument) {
    ScrivletteApp app;
    app.launch();
    EXPECT_EQ(visibleWindows(), 1);
    auto* main = dynamic_cast<ContentView*>(app.window("main"));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->clipInfo()->clipList().empty());
    EXPECT_FALSE(main->selectKey().has_value());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Scrivlette "));
    EXPECT_EQ(app.window("help"), nullptr);

    QStringList menus;
    for (QAction* action : main->menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                  QStringLiteral("&View"), QStringLiteral("&Go"),
                                  QStringLiteral("&Help")}));
    EXPECT_TRUE(main->menuBar()->actions()[1]->menu()->actions().contains(main->copyAction()));
}

TEST_F(AppTest, HelpOpensOnceAndLeavesTheDocumentAlone) {
    ScrivletteApp app;
    app.launch();
    auto* main = dynamic_cast<ContentView*>(app.window("main"));
    const auto document = main->clipInfo();
    QAction* helpItem = main->menuBar()->actions().back()->menu()->actions().front();
    main->move(700, 400);
    helpItem->trigger();
    QMainWindow* help = app.window("help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Help Window"));
    EXPECT_TRUE(main->frameGeometry().contains(help->frameGeometry().center()))
        << "over the main window";
    helpItem->trigger();
    help->menuBar()->actions().back()->menu()->actions().front()->trigger();
    EXPECT_EQ(app.window("help"), help) << "the open Help window is shown again, not a second one";
    EXPECT_EQ(visibleWindows(), 2);
    EXPECT_EQ(main->clipInfo(), document);

    help->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.window("help"), nullptr);
    helpItem->trigger();
    EXPECT_NE(app.window("help"), nullptr) << "a closed Help window opens anew";
}

// F1 opens Help, Escape closes it, and closing the main window closes Help
// too, so the program ends.
TEST_F(AppTest, KeysAndClosing) {
    ScrivletteApp app;
    app.launch();
    QMainWindow* main = app.window("main");
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_F1);
    QMainWindow* help = app.window("help");
    ASSERT_NE(help, nullptr);
    QApplication::setActiveWindow(help);
    QTest::keyClick(help, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.window("help"), nullptr);

    app.openWindow("help");
    main->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.window("main"), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.window("help"), nullptr);
}

TEST(LaunchOptions, FilesInOrderAndAnswersWithoutAWindow) {
    const auto files = parseLaunchOptions(
        {"a.webloc", "/x/b.textClipping", "--", "-c.mailloc", "caf\xE9.webloc"}, "/home/u");
    EXPECT_FALSE(files.exit);
    std::vector<std::string> urls;
    for (const Url& url : files.files) {
        urls.push_back(url.absoluteString());
    }
    EXPECT_EQ(urls, (std::vector<std::string>{"file:///home/u/a.webloc", "file:///x/b.textClipping",
                                              "file:///home/u/-c.mailloc",
                                              "file:///home/u/caf%E9.webloc"}));

    // Qt's own options, with their values, are Qt's to read.
    const auto qt = parseLaunchOptions({"-style", "Fusion", "--platform=xcb", "-reverse",
                                        "a.webloc", "-stylesheet", "s.qss", "--", "-style"},
                                       "/h");
    EXPECT_FALSE(qt.exit);
    ASSERT_EQ(qt.files.size(), 2u);
    EXPECT_EQ(qt.files[0].absoluteString(), "file:///h/a.webloc");
    EXPECT_EQ(qt.files[1].absoluteString(), "file:///h/-style") << "after --, a file";

    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* says;
    } answers[] = {
        {{"--help"}, 0, "Usage:"},
        {{"--version"}, 0, ""},
        {{"--frobnicate", "a.webloc"}, 2, "Unknown option 'frobnicate'"},
        {{"-style", "Fusion", "-stylish"}, 2, "Unknown option 'stylish'"},
    };
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.arguments.front());
        const LaunchOptions options = parseLaunchOptions(answer.arguments, "/");
        ASSERT_TRUE(options.exit);
        EXPECT_EQ(options.exit->status, answer.status);
        EXPECT_TRUE(options.exit->text.contains(QString::fromUtf8(answer.says)));
        EXPECT_TRUE(options.files.empty());
    }
}

// Opened as the Finder opens a location: a web address goes to the browser
// with no window; what may not open, or did not, is left for the window,
// which selects the location and says why.
TEST_F(AppTest, LocationsOpenTheirAddressOrShowWhy) {
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("Script.webloc"));
    std::ofstream(script.toStdString())
        << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>URL</key>"
           "<string>javascript:alert(1)</string></dict></plist>";
    const auto url = [](const std::string& path) { return *Url::fromFilePath(path); };
    const Url donate = url(test::realFile("Donate.webloc").string());
    const Url notes = url(test::realFile("Notes.textClipping").string());
    const Url javascript = url(script.toStdString());
    const Url missing = url(folder.filePath(QStringLiteral("gone.webloc")).toStdString());
    std::vector<QUrl> opened;
    const auto left = openLocations({donate, notes, javascript, missing}, [&](const QUrl& address) {
        opened.push_back(address);
        return true;
    });
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl(QStringLiteral("http://cyberduck.ch/donate/"))});
    EXPECT_EQ(left, (std::vector<Url>{notes, javascript, missing}));
    EXPECT_EQ(openLocations({donate}, [](const QUrl&) { return false; }), std::vector<Url>{donate})
        << "nobody to open it";

    ContentView view;
    view.openUrl = [&](const QUrl& address) { return opened.push_back(address), true; };
    view.openFilesAndFollowLink({javascript});
    for (int pass = 0; pass < 3; ++pass) {
        QApplication::processEvents();
    }
    ASSERT_TRUE(view.selectKey());
    EXPECT_EQ(view.selectKey()->content, "javascript:alert(1)");
    EXPECT_TRUE(view.statusBar()->currentMessage().startsWith(QStringLiteral("Not opened: ")));
    EXPECT_EQ(opened.size(), 1u);
}

} // namespace
} // namespace scrivlette
