#include "game/human_selection.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"
#include "ui/table_words.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace plenk::test {
namespace {

// What a screen reader was told: each event with the name of its object.
std::vector<std::pair<QAccessible::Event, QString>> heard;
void listen(QAccessibleEvent* event) {
    QAccessibleInterface* about = event->accessibleInterface();
    heard.emplace_back(event->type(), about != nullptr ? about->text(QAccessible::Name) : QString());
}

struct Accessibility : ::testing::Test {
    Game_Table table;
    QAccessibleInterface* tree = nullptr;
    const Game_State& g() { return table.form->state(); }
    void SetUp() override {
        QAccessible::installUpdateHandler(listen);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        table.start();
        QApplication::setActiveWindow(table.window.get());
        tree = QAccessible::queryAccessibleInterface(table.window->surface);
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        heard.clear();
    }
    QStringList names() {
        QStringList said;
        for (int i = 0; i < tree->childCount(); ++i)
            said << tree->child(i)->text(QAccessible::Name);
        return said;
    }
    bool was_heard(QAccessible::Event type, const QString& name) {
        return std::find(heard.begin(), heard.end(), std::pair(type, name)) != heard.end();
    }
};

// After each step the tree says what the table shows, and a screen reader
// was told every change.
TEST_F(Accessibility, TheTreeFollowsTheGame) {
    Box_Answerer boxes(QMessageBox::No);
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        return [&, k, m] { QTest::keyClick(table.window->surface, k, m); };
    };
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"deal", key(Qt::Key_N, Qt::ControlModifier)},
        {"last card", key(Qt::Key_End)},
        {"play", [&] { table.press_slot(table.legal_slot()); }},
        {"next card", key(Qt::Key_Right)},
        {"play marked", key(Qt::Key_Return)},
        {"deal again", key(Qt::Key_N, Qt::ControlModifier)},
    };
    for (const auto& [what, act] : actions) {
        SCOPED_TRACE(what);
        const QStringList before = names();
        const QString description = tree->text(QAccessible::Description);
        const QAccessibleInterface* was_focused = tree->focusChild();
        const QString focused_name = was_focused != nullptr ? was_focused->text(QAccessible::Name) : QString();
        heard.clear();
        act();
        const Table_Words words = table_words(g(), table.form->awaiting_human());
        ASSERT_EQ(tree->childCount(), static_cast<int>(words.things.size()));
        EXPECT_EQ(tree->text(QAccessible::Description).toStdString(), words.description);
        for (int i = 0; i < tree->childCount(); ++i) {
            const Table_Thing& t = words.things[static_cast<std::size_t>(i)];
            const QString name = tree->child(i)->text(QAccessible::Name);
            EXPECT_EQ(name.toStdString(), t.name);
            EXPECT_EQ(tree->child(i)->state().disabled, t.kind == Thing_Kind::Hand_Card && !t.playable) << t.name;
            if (i >= before.size() || before[i] != name) {
                EXPECT_TRUE(was_heard(QAccessible::NameChanged, name) || was_heard(QAccessible::ObjectCreated, name))
                    << t.name;
            }
        }
        if (description != tree->text(QAccessible::Description)) {
            EXPECT_TRUE(was_heard(QAccessible::DescriptionChanged, QStringLiteral("Table")));
        }
        const int marked = table.form->marked_slot();
        const QAccessibleInterface* focused = tree->focusChild();
        EXPECT_EQ(focused, marked < 0 ? nullptr : tree->child(marked));
        if (focused != nullptr && (focused != was_focused || focused->text(QAccessible::Name) != focused_name)) {
            EXPECT_TRUE(focused->state().focused);
            EXPECT_TRUE(was_heard(QAccessible::Focus, focused->text(QAccessible::Name)));
        }
    }
}

TEST_F(Accessibility, TheTakeAnnouncementIsAnAlert) {
    table.os->set_label_caption("COM 3 takes all card");
    table.os->set_label_visible(true);
    EXPECT_TRUE(was_heard(QAccessible::Alert, QStringLiteral("COM 3 takes all card")));
}

TEST_F(Accessibility, HoverShowsTheSameWordsAsATooltip) {
    table.window->gm_submnu[0]->trigger();
    const Game_State& s = g();
    const QPoint first_card(human_row_corner(s).left + 3, human_row_corner(s).top + 3);
    const std::pair<QPoint, std::string> cases[] = {
        {QPoint(3, 3), ""},
        {first_card, card_name(s.seat[0].card[0])},
        {QPoint(375, 275), "Open card: " + card_name(s.open_card)},
    };
    for (const auto& [at, words] : cases) {
        QCursor::setPos(table.window->surface->mapToGlobal(at));
        QHelpEvent hover(QEvent::ToolTip, at, table.window->surface->mapToGlobal(at));
        QApplication::sendEvent(table.window->surface, &hover);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string(), words);
    }
}

} // namespace
} // namespace plenk::test
