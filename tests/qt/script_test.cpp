#include "tests/qt/qt_support.h"
#include "ui/qt/help_window.h"

#include <QFile>
#include <QGlyphRun>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextLayout>

// Every language the game speaks, in every script, at one and two device
// pixels per pixel: each text drawn with real letters, and each whole where it
// stands.
namespace plenk::test {
namespace {

// The characters of `text` in `font` that neither it nor any font Qt falls
// back on can draw, as the boxes the toolkit paints in their place.
QString missing_letters(const QString &text, const QFont &font) {
    QTextDocument document;
    document.setHtml(text);
    QString plain = Qt::mightBeRichText(text) ? document.toPlainText() : text;
    plain.remove('&').replace(QRegularExpression("[\\r\\n\\t\\x{2028}\\x{2029}]"), " ");
    QTextLayout layout(plain, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QString missing;
    for (const QGlyphRun &run : layout.glyphRuns())
        missing += QString(run.glyphIndexes().count(0), '?');
    return missing;
}

// Everything the window writes in each language, with the font it is written
// in, is there and drawn: the menus, the status line mid-game, the take label,
// the rules and the guide, and the statistics box; and each fits its place.
void check_languages() {
    for (const char *language : {"de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru", "uk", "cs",
                                 "da", "tr", "ja", "zh_CN", "ko"}) {
        SCOPED_TRACE(language);
        install_translations(QLocale(language));
        Game_Table table;
        Game_Window &w = *table.window;
        w.start();
        const auto written = [](const QString &text, const QFont &font, const char *where) {
            EXPECT_FALSE(text.isEmpty()) << where;
            EXPECT_EQ(missing_letters(text, font), "") << where << ": " << text.toStdString();
        };
        for (QAction *menu : w.menuBar()->actions()) {
            written(menu->text(), w.menuBar()->font(), "menu bar");
            for (QAction *item : menu->menu()->actions())
                if (!item->isSeparator())
                    written(item->text(), menu->menu()->font(), "menu");
        }
        EXPECT_LE(w.menuBar()->sizeHint().width(), w.width()) << "the menu bar is cut";
        for (int deals = 0; deals < 50 && !table.form->awaiting_human(); ++deals)
            w.gm_submnu[0]->trigger();
        written(w.status_lbl->text(), w.status_lbl->font(), "status line");
        EXPECT_LE(w.status_lbl->sizeHint().width(), w.statusBar()->width()) << "the status line";
        for (const Text &take : {Text("Play", "Player takes all card"),
                                 with_args(Text("Play", "COM %1 takes all card"), {"3"})}) {
            table.os->set_label_caption(take);
            written(w.take_lbl->text(), w.take_lbl->font(), "take label");
            EXPECT_LE(w.take_lbl->sizeHint().width(), w.take_lbl->width())
                << w.take_lbl->text().toStdString();
        }
        for (const Help_Window *help : {w.Form2, w.guide_window}) {
            const QLabel *page = help->Label1;
            written(page->text(), page->font(), "help");
            written(help->windowTitle(), help->font(), "help title");
            EXPECT_LE(page->heightForWidth(page->width()), page->height()) << "a help page is cut";
        }
        Box_Answerer boxes(QMessageBox::Ok);
        boxes.on_box = [&] {
            const auto *label = QApplication::activeModalWidget()->findChild<QLabel *>(
                QStringLiteral("qt_msgbox_label"));
            written(label->text(), label->font(), "statistics");
            EXPECT_TRUE(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                          : label->sizeHint().width() <= label->width())
                << "the statistics box is cut";
        };
        w.gm_submnu[1]->trigger();
        EXPECT_EQ(boxes.seen, 1);
    }
    install_translations(QLocale::c());
}

// At two device pixels per pixel in a process of its own, then at one.
TEST(Every_Script, EachLanguageIsWrittenInRealLettersAndFitsWhereItStands) {
    in_fresh_process([] {
        qputenv("QT_SCALE_FACTOR", "2");
        ensure_application();
        ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
        check_languages();
    });
    ensure_application();
    check_languages();
}

// Where no installed font writes the language's script, the log says so
// once, and the game still speaks the language.
TEST(Every_Script, AScriptWithoutAFontIsToldOnceAndStillShown) {
    in_fresh_process([] {
        QTemporaryDir folder;
        const QByteArray config = QFile::encodeName(folder.filePath("fonts.conf")),
                         text = "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">"
                                "<fontconfig><dir>/usr/share/fonts/truetype/liberation</dir>"
                                "<cachedir>" +
                                QFile::encodeName(folder.path()) + "</cachedir></fontconfig>";
        ASSERT_EQ(write_file_start(config.toStdString(), {text.begin(), text.end()}), "");
        qputenv("FONTCONFIG_FILE", config);
        ensure_application();
        static QStringList logged; // each message after its category
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &context, const QString &message) {
                logged += QString(context.category) + ": " + message;
            });
        install_translations(QLocale("de"));
        EXPECT_TRUE(logged.empty()) << "a Latin font is there";
        install_translations(QLocale("ja"));
        ASSERT_EQ(logged.size(), 1);
        EXPECT_TRUE(logged[0].startsWith("plenk.translation: ") && logged[0].contains("ja"))
            << logged[0].toStdString();
        EXPECT_NE(QCoreApplication::translate("Window", "&Game"), "&Game");
    });
}

} // namespace
} // namespace plenk::test
