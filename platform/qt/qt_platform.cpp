#include "platform/qt/qt_platform.h"

#include "platform/file_services.h"
#include "platform/qt/background_picture.h"
#include "platform/qt/surface_constants.h"
#include "platform/qt/table_surface.h"
#include "platform/qt/translation.h"
#include "platform/record_place.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace plenk {

Q_LOGGING_CATEGORY(random_log, "plenk.random", QtWarningMsg)
Q_LOGGING_CATEGORY(record_log, "plenk.record", QtWarningMsg)

namespace {

// Room a title bar takes beside the title: the icon and the window buttons.
constexpr int title_room = 110;

} // namespace

Qt_Platform::Qt_Platform(std::string folder, QString deck_path)
    : folder_(std::move(folder)), deck_(std::move(deck_path)) {
    ticks_.start();
    // A new starting state at every start, so that a clock standing still
    // does not deal the same games again.
    const uint64_t start = system_random_bits();
    if (start == 0)
        qCWarning(random_log) << "the system gave no random bits; games follow the clock alone";
    random_ = Random_Source(start);
}

int32_t Qt_Platform::cdtInit(int32_t &width, int32_t &height) {
    width = deck_card_width;
    height = deck_card_height;
    return 1;
}

int32_t Qt_Platform::cdtDraw(int32_t, int32_t x, int32_t y, int32_t card, int32_t mode, int32_t) {
    Card_Picture picture;
    if (parts_.surface == nullptr || !card_picture(card, mode, picture))
        return 0;
    parts_.surface->draw_card(x, y, picture);
    return 1;
}

void Qt_Platform::clear_surface() {
    if (parts_.surface != nullptr)
        parts_.surface->clear();
}

void Qt_Platform::refresh_surface() {
    if (parts_.surface != nullptr)
        parts_.surface->refresh();
}

bool Qt_Platform::set_background_picture(const std::string &path) {
    if (parts_.surface == nullptr)
        return false;
    std::optional<QImage> picture =
        load_background_picture(QString::fromStdString(path), parts_.surface->table());
    if (!picture)
        return false;
    parts_.surface->set_background(std::move(*picture));
    return true;
}

void Qt_Platform::clear_background_picture() {
    if (parts_.surface != nullptr)
        parts_.surface->clear_background();
}

void Qt_Platform::set_label_caption(const Text &caption) {
    if (parts_.label != nullptr)
        parts_.label->setText(translated(caption));
}

void Qt_Platform::set_label_visible(bool visible) {
    if (parts_.label == nullptr)
        return;
    parts_.label->setVisible(visible);
    // The table under it shows at once, as a refresh shows only what was
    // drawn anew.
    if (!visible && parts_.surface != nullptr)
        parts_.surface->repaint(parts_.label->geometry());
}

void Qt_Platform::refresh_label() {
    if (parts_.label != nullptr)
        parts_.label->repaint();
}

void Qt_Platform::set_focus_mark(bool visible, int32_t x, int32_t y, int32_t width,
                                 int32_t height) {
    if (parts_.surface != nullptr)
        parts_.surface->set_mark(visible, QRect(x, y, width, height));
}

std::string Qt_Platform::user_data_folder() {
    return plenk::user_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

void Qt_Platform::set_check(Table_Item which, bool checked) {
    if (QAction *action = item(which))
        action->setChecked(checked);
}

bool Qt_Platform::is_checked(Table_Item which) {
    QAction *action = item(which);
    return action != nullptr && action->isChecked();
}

QWidget *Qt_Platform::box_owner() const {
    // Before the window is first shown a box stands on its own, centred on the screen.
    return parts_.window != nullptr && parts_.window->isVisible() ? parts_.window : nullptr;
}

Box_Answer Qt_Platform::message_box(const Text &text, const Text &title, Box_Icon icon,
                                    Box_Buttons buttons) {
    // The game ends its lines with CR LF; a box shows only LF as a line break.
    QString shown = translated(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon == Box_Icon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    translated(title), shown,
                    buttons == Box_Buttons::Ok ? QMessageBox::Ok
                                               : QMessageBox::Yes | QMessageBox::No,
                    box_owner());
    box.setTextFormat(Qt::PlainText);
    // A box only as wide as a short text would cut its own title. A longer
    // text is left to the box, which wraps it.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        QFont title_font = label->font();
        title_font.setBold(true);
        const int title_width =
            QFontMetrics(title_font).horizontalAdvance(box.windowTitle()) + title_room;
        int text_width = 0;
        for (const QString &line : shown.split(QLatin1Char('\n')))
            text_width = std::max(text_width, label->fontMetrics().horizontalAdvance(line));
        if (text_width < title_width)
            label->setMinimumWidth(title_width);
    }
    if (buttons == Box_Buttons::Yes_No)
        box.setDefaultButton(QMessageBox::Yes);
    if (buttons == Box_Buttons::Yes_No_Default_No)
        box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    if (buttons == Box_Buttons::Ok)
        return Box_Answer::Ok;
    return answer == QMessageBox::Yes ? Box_Answer::Yes : Box_Answer::No;
}

std::string Qt_Platform::input_box(const Text &prompt) {
    QInputDialog dialog(box_owner());
    dialog.setWindowTitle(QCoreApplication::applicationName());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(translated(prompt));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    // Composed, an accent typed as its own mark still finds its letter in the
    // record's code page.
    return dialog.textValue().normalized(QString::NormalizationForm_C).toStdString();
}

void Qt_Platform::show_help_window() {
    if (parts_.help_window != nullptr)
        parts_.help_window->exec();
}

void Qt_Platform::Sleep(uint32_t ms) {
    // The window keeps answering, the screen reader's questions included:
    // the game's own guards decide what an event may do meanwhile.
    QElapsedTimer pause;
    pause.start();
    for (qint64 left = ms; left > 0; left = static_cast<qint64>(ms) - pause.elapsed())
        pump_events(static_cast<int32_t>(left));
}

uint32_t Qt_Platform::GetTickCount() {
    return static_cast<uint32_t>(ticks_.elapsed());
}

void Qt_Platform::pump_events(int32_t wait_ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (wait_ms <= 0)
        return;
    // The timer's expiry is itself an event, so the wait ends at the next
    // event or at the deadline, whichever comes first, without spinning.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.start(wait_ms);
    QEventLoop loop;
    loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

float Qt_Platform::clock_seconds() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

bool Qt_Platform::file_exists(const std::string &path) {
    return File_Exists(path);
}

Record_Place Qt_Platform::record_place() {
    return locate_record(folder_, user_data_folder());
}

File_Read Qt_Platform::read_record_file(const std::string &path, std::size_t length) {
    File_Read read = read_file_start(path, length);
    // A short record is read as far as it goes, its missing counters as none.
    if (read.ok && read.bytes.size() < length)
        qCWarning(record_log) << "the player record" << QFile::decodeName(path.c_str()) << "holds"
                              << read.bytes.size() << "of its" << length
                              << "bytes; what is missing counts as nothing";
    return read;
}

std::string Qt_Platform::write_record_file(const std::string &path,
                                           const std::vector<uint8_t> &record) {
    std::string failed = write_file_start(path, record);
    if (failed.empty() && written_)
        written_();
    return failed;
}

void Qt_Platform::end_program() {
    // Leaving the event loop would let the game code nested under this call
    // run on; the process must end here and now, removing only what it
    // leaves in shared folders.
    std::quick_exit(0);
}

} // namespace plenk
