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
#include <QTemporaryDir>
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

    HelpView view;
    EXPECT_EQ(view.text()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view.text()->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(view.layout()->contentsMargins(), QMargins(5, 5, 5, 5));
    EXPECT_EQ(view.text()->textCursor().position(), 0) << "opens at the top";
}

TEST(HelpCommands, OneItemWithoutShortcutOpeningTheHelpWindow) {
    std::vector<std::string> opened;
    QMenuBar bar;
    HelpCommands([&](const std::string& id) { opened.push_back(id); }).install(bar);
    ASSERT_EQ(bar.actions().size(), 1);
    QMenu* menu = bar.actions().front()->menu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    QAction* item = menu->actions().front();
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
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                                  QStringLiteral("&Help")}));
    EXPECT_TRUE(main->menuBar()->actions()[1]->menu()->actions().contains(main->copyAction()));
}

TEST_F(AppTest, HelpOpensOnceAndLeavesTheDocumentAlone) {
    ScrivletteApp app;
    app.launch();
    auto* main = dynamic_cast<ContentView*>(app.window("main"));
    const auto document = main->clipInfo();
    QAction* helpItem = main->menuBar()->actions().back()->menu()->actions().front();
    helpItem->trigger();
    QMainWindow* help = app.window("help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Help Window"));
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

} // namespace
} // namespace scrivlette
