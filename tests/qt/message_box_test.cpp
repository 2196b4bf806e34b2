#include "record/player_record.h"
#include "tests/qt/qt_support.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

struct Shown_Box {
    bool text_whole = false;
    bool title_fits = false;
};

// Shows one box through the platform and notes, while it is up, whether its
// whole text and its title fit.
Shown_Box show(Game_Table& table, const std::string& text, const std::string& title, Box_Buttons buttons) {
    Shown_Box seen;
    Box_Answerer boxes;
    boxes.on_box = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        seen.text_whole = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width();
        QFont bold = box->font();
        bold.setBold(true);
        seen.title_fits = QFontMetrics(bold).horizontalAdvance(box->windowTitle()) < box->width();
    };
    table.os->message_box(text, title, Box_Icon::Information, buttons);
    EXPECT_EQ(boxes.boxes_seen(), 1);
    return seen;
}

TEST(Message_Boxes, ShowTheirWholeTextAndTitle) {
    Game_Table table;
    table.start();
    Player_Record record;
    record.player_name = make_player_name("Ann");
    const struct {
        std::string text, title;
        Box_Buttons buttons;
    } boxes[] = {
        {"You win! Would you like to watch the game continue?", "Win", Box_Buttons::Yes_No},
        {"This will reset previous name and record. Continue?", "Confirm Reset", Box_Buttons::Yes_No},
        {stat_text(record), "Winning Stroke", Box_Buttons::Ok},
        {"The player record could not be saved to \"/a/rather/long/folder/name/data.dat\" (Is a "
         "directory). It is kept in memory, and the next save will try again.",
         "Plenk", Box_Buttons::Ok},
    };
    for (const auto& b : boxes) {
        const Shown_Box seen = show(table, b.text, b.title, b.buttons);
        EXPECT_TRUE(seen.text_whole) << b.title;
        EXPECT_TRUE(seen.title_fits) << b.title;
    }
}

} // namespace
} // namespace plenk::test
