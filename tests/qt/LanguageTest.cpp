#include "../platform/TestSupport.h"
#include "app/ScrivletteApp.h"
#include "app/Translations.h"
#include "platform/files/ContentType.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/QtSavePanel.h"
#include "views/ClipListModel.h"
#include "views/ContentView.h"
#include "views/DetailPane.h"
#include "views/ElidedLabel.h"
#include "views/StatusMessages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>

namespace scrivlette {
namespace {

const QStringList folders{QStringLiteral(SCRIVLETTE_TRANSLATIONS)};

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { MainQueue::install(std::make_shared<QtMainQueue>()); }
    void TearDown() override {
        QApplication::setLayoutDirection(Qt::LeftToRight);
        installTranslations(QLocale(QLocale::English), folders);
    }

    // The window with a text clipping, a web location and a file that is not
    // a clipping open, so that rows, the switch, the link row and the
    // status line's Details are all there.
    ContentView* openWindow(ScrivletteApp& app) {
        app.launch();
        auto* window = dynamic_cast<ContentView*>(app.window("main"));
        window->resize(800, 500);
        window->openFiles(
            {url("Rich web text.textClipping"), url("Donate.webloc"), url("PROVENANCE.md")});
        for (int pass = 0; pass < 3; ++pass) {
            QApplication::processEvents();
        }
        return window;
    }
    static Url url(const char* name) { return *Url::fromFilePath(test::realFile(name).string()); }
};

void select(ContentView* window, int row) {
    window->sidebar()->setCurrentIndex(window->sidebar()->model()->index(row, 0));
    QApplication::processEvents();
}

// The window speaks the user's language where a translation is installed;
// counted texts take their forms.
TEST_F(LanguageTest, TheWindowSpeaksTheUsersLanguage) {
    const auto menusIn = [&](const char* language) {
        installTranslations(QLocale(QString::fromLatin1(language)), folders);
        ScrivletteApp app;
        app.launch();
        QStringList texts;
        for (QAction* action : app.window("main")->menuBar()->actions()) {
            texts << action->text();
        }
        texts << app.window("main")->findChild<QToolBar*>()->actions().front()->text();
        return texts;
    };
    EXPECT_EQ(menusIn("ja"), (QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "移動(&G)",
                                          "ヘルプ(&H)", "クリップをファイルに書き出す"}));

    ReadSummary summary;
    summary.files = 2;
    summary.failed = 1;
    summary.failures.push_back({"a.webloc", ReadError::of(ErrorKind::NotFound, "gone")});
    installTranslations(QLocale(QLocale::English), folders);
    const QString english = readSummaryText(summary);
    EXPECT_TRUE(english.startsWith(QStringLiteral("1 of 2 files could not be read: a.webloc")))
        << english.toStdString();
    installTranslations(QLocale(QStringLiteral("de")), folders);
    EXPECT_TRUE(readSummaryText(summary).startsWith(
        QStringLiteral("1 von 2 Dateien nicht lesbar: a.webloc")));
}

// What a row says an entry is, and the save panel's file types, are the
// user's words; sizes are counted in the language's forms and digits.
TEST_F(LanguageTest, KindsAndSizesInTheUsersWords) {
    const auto sized = [](const char* identifier, std::size_t size) {
        return ClipDetail(identifier, "", Bytes::copyOf(std::string(size, 'x')), false);
    };
    const ClipDetail picture = sized("com.apple.pict", 481762);
    const ClipDetail rtf("public.rtf", "{\\rtf1}", std::nullopt, true);
    const ContentType pictType = *contentType("com.apple.pict");
    const struct {
        const char* language;
        const char* one;
        const char* two;
        const char* picture;
        const char* rtf;
        const char* filter;
    } rows[] = {
        {"en", "Data, 1 byte", "Data, 2 bytes", "PICT picture, 481,762 bytes", "Rich text (RTF)",
         "PICT Image (*.pict *.pct *.pic)"},
        {"de", "Daten, 1 Byte", "Daten, 2 Byte", "PICT-Bild, 481.762 Byte",
         "Formatierter Text (RTF)", "PICT-Bild (*.pict *.pct *.pic)"},
        {"fr", "Données, 1 octet", "Données, 2 octets", "Image PICT, 481\u202f762 octets",
         "Texte enrichi (RTF)", "Image PICT (*.pict *.pct *.pic)"},
        {"ja", "データ、1 バイト", "データ、2 バイト", "PICT 画像、481,762 バイト",
         "リッチテキスト (RTF)", "PICT 画像 (*.pict *.pct *.pic)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language);
        installTranslations(QLocale(QString::fromLatin1(row.language)), folders);
        EXPECT_EQ(ClipListModel::describedInWords(sized("org.example.unknown", 1)),
                  QString::fromUtf8(row.one));
        EXPECT_EQ(ClipListModel::describedInWords(sized("org.example.unknown", 2)),
                  QString::fromUtf8(row.two));
        EXPECT_EQ(ClipListModel::describedInWords(picture), QString::fromUtf8(row.picture));
        EXPECT_EQ(ClipListModel::describedInWords(rtf), QString::fromUtf8(row.rtf));
        EXPECT_EQ(nameFilterFor(pictType), QString::fromUtf8(row.filter));
    }
}

// Stands for a language that has every text: each comes back in brackets,
// so a text the window shows without them was never looked up.
class BracketingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (source == nullptr || *source == '\0') {
            return {};
        }
        return QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧");
    }
};

void collectActions(const QList<QAction*>& actions, QStringList& texts) {
    for (QAction* action : actions) {
        if (!action->isSeparator() && !action->text().isEmpty()) {
            texts << action->text() << action->toolTip();
        }
        if (action->menu() != nullptr) {
            collectActions(action->menu()->actions(), texts);
        }
    }
}

// The texts of a window's labels and buttons, with the buttons' tool tips.
QStringList labelTexts(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && !label->text().isEmpty()) {
            texts << label->text();
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window) && !button->text().isEmpty()) {
            texts << button->text();
            if (!button->toolTip().isEmpty()) {
                texts << button->toolTip();
            }
        }
    }
    return texts;
}

// Every text the window shows: its commands, labels, buttons, rows and
// status line.
QStringList shownTexts(ContentView* window) {
    QStringList texts = labelTexts(window);
    collectActions(window->menuBar()->actions(), texts);
    collectActions(window->toolbar()->actions(), texts);
    const QAbstractItemModel* rows = window->sidebar()->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        texts << rows->index(row, 0).data(ClipListModel::descriptionRole).toString();
    }
    texts << window->statusBar()->currentMessage();
    return texts;
}

// The titles, commands, labels and buttons of the windows open besides
// `window`, which are closed then.
QStringList textsOfTheOthers(ContentView* window) {
    QApplication::processEvents();
    QStringList texts;
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && other != window) {
            texts << labelTexts(other) << other->windowTitle();
            if (auto* withMenus = qobject_cast<QMainWindow*>(other)) {
                collectActions(withMenus->menuBar()->actions(), texts);
            }
            other->close();
        }
    }
    return texts;
}

// Every text the window shows with each entry selected in turn, then those
// of the Details box and the Help window; and what of them the files hold,
// which is shown as it is: entry titles and the address.
struct Shown {
    QStringList texts;
    QStringList content;
    QStringList others;
};

Shown everythingShown(ContentView* window) {
    Shown shown;
    const QAbstractItemModel* rows = window->sidebar()->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        shown.content << rows->index(row, 0).data().toString();
    }
    for (int row = 0; row < rows->rowCount(); ++row) {
        select(window, row);
        shown.content << window->detailPane()->addressLink()->text();
        shown.texts << shownTexts(window);
    }
    window->findChild<QAbstractButton*>(QStringLiteral("details"))->click();
    shown.others << textsOfTheOthers(window);
    window->menuBar()->actions().back()->menu()->actions().front()->trigger();
    shown.others << textsOfTheOthers(window);
    return shown;
}

TEST_F(LanguageTest, EveryTextTheWindowShowsIsLookedUp) {
    BracketingTranslator brackets;
    QApplication::installTranslator(&brackets);
    ScrivletteApp app;
    const Shown shown = everythingShown(openWindow(app));
    QApplication::removeTranslator(&brackets);
    ASSERT_GE(shown.content.size(), 9);
    for (const QString& text : shown.texts) {
        EXPECT_TRUE(text.contains(u'⟦') || shown.content.contains(text))
            << "\"" << text.toStdString() << "\" is not translated";
    }
    EXPECT_TRUE(shown.others.contains(QStringLiteral("⟦Files Not Read⟧")));
    EXPECT_TRUE(shown.others.contains(QStringLiteral("⟦Help Window⟧")));
    for (const QString& text : shown.others) {
        EXPECT_TRUE(text.contains(u'⟦')) << "\"" << text.toStdString() << "\" in Details or Help";
    }
}

// In each language, the window shows none of its English words: what stays
// the same is what the files hold, and words the language shares. Where no
// translation is installed, it shows English as written.
TEST_F(LanguageTest, EachLanguageTranslatesTheWholeWindow) {
    const auto shownIn = [&](const char* language) {
        installTranslations(QLocale(QString::fromLatin1(language)), folders);
        ScrivletteApp app;
        return everythingShown(openWindow(app));
    };
    const Shown english = shownIn("en");
    EXPECT_EQ(shownIn("sw").texts, english.texts) << "no translation: English as written";
    const std::map<std::string, QStringList> sharedWords{{"de", {QStringLiteral("Text")}}};
    for (const char* language : {"de", "fr", "es", "ja", "zh_CN", "pt_BR"}) {
        SCOPED_TRACE(language);
        const auto shared = sharedWords.find(language);
        const Shown shown = shownIn(language);
        ASSERT_EQ(shown.texts.size(), english.texts.size());
        ASSERT_EQ(shown.others.size(), english.others.size());
        const QStringList texts = shown.texts + shown.others;
        const QStringList englishTexts = english.texts + english.others;
        for (qsizetype at = 0; at < texts.size(); ++at) {
            EXPECT_TRUE(texts[at] != englishTexts[at] || shown.content.contains(texts[at]) ||
                        (shared != sharedWords.end() && shared->second.contains(texts[at])))
                << "\"" << texts[at].toStdString() << "\" is English";
        }
    }
}

// Laid out right to left, and in languages whose words run long or wide,
// nothing is cut and nothing lies over anything else.
TEST_F(LanguageTest, RightToLeftAndLongWordsFit) {
    QApplication::setLayoutDirection(Qt::RightToLeft);
    for (const char* language : {"de", "fr", "ja", "pt_BR"}) {
        SCOPED_TRACE(language);
        installTranslations(QLocale(QString::fromLatin1(language)), folders);
        ScrivletteApp app;
        ContentView* window = openWindow(app);
        select(window, 0);
        EXPECT_GT(window->sidebar()->mapTo(window, QPoint()).x(),
                  window->detailPane()->mapTo(window, QPoint()).x())
            << "the list is on the right";
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window) || widget->isWindow()) {
                continue;
            }
            const bool cutByDesign = dynamic_cast<ElidedLabel*>(widget) != nullptr;
            if ((qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) &&
                !cutByDesign) {
                EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
                    << widget->metaObject()->className() << " "
                    << widget->objectName().toStdString() << " is cut";
            }
            const QObjectList siblings = widget->parent()->children();
            for (qsizetype at = siblings.indexOf(widget) + 1; at < siblings.size(); ++at) {
                auto* sibling = qobject_cast<QWidget*>(siblings[at]);
                if (sibling == nullptr || !sibling->isVisibleTo(window) || sibling->isWindow()) {
                    continue;
                }
                // Qt's splitter lays its first widget out one pixel into its
                // handle, right to left: no text or frame there to hide.
                const QRect both = widget->geometry().intersected(sibling->geometry());
                EXPECT_TRUE(both.isEmpty() || both.width() <= 1)
                    << widget->metaObject()->className() << " "
                    << widget->objectName().toStdString() << " over "
                    << sibling->metaObject()->className() << " "
                    << sibling->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace scrivlette
