#include "tests/scenario/transcript.h"

#include "platform/qt/translation.h"

#include <cstdio>

namespace plenk::test {

std::string quoted(const std::string &text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

namespace {

// The card library orders its faces by rank, then suit: index 4 is the Two of Clubs.
std::string face_name(int32_t index) {
    return {"A23456789TJQK"[index / 4], "CDHS"[index % 4]};
}

void replace_all(std::string &text, const std::string &from, const std::string &to) {
    for (auto at = text.find(from); !from.empty() && at != text.npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

void Transcript_Platform::line(const std::string &text) {
    end_slide();
    if (!muted)
        lines.push_back(text);
}

std::string Transcript_Platform::named(std::string text) {
    replace_all(text, user_data_folder(), "<user>");
    replace_all(text, program_folder(), "<program>");
    return text;
}

std::string Transcript_Platform::shown(const Text &text) {
    return named(translated(text).toStdString());
}

std::string Transcript_Platform::record_bytes(const std::string &path) {
    const File_Read file = Headless_Platform::read_record_file(path, 100);
    if (!file.ok)
        return "unreadable: " + file.reason;
    const auto &b = file.bytes;
    std::string name, out;
    for (std::size_t i = 0; i < b.size() && i < 25; ++i) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", b[i]);
        name += b[i] >= 0x20 && b[i] < 0x7F ? std::string(1, static_cast<char>(b[i])) : hex;
    }
    const auto kept = name.find_last_not_of(' ');
    const std::size_t spaces = name.size() - (kept == name.npos ? 0 : kept + 1);
    out = quoted(name.substr(0, name.size() - spaces)) + " + " + std::to_string(spaces) + " spaces";
    for (std::size_t i = 25; i + 1 < b.size() && i < 35; i += 2)
        out += ' ' + std::to_string(static_cast<int16_t>(b[i] | b[i + 1] << 8));
    if (b.size() > 35)
        out += " then " + quoted(std::string(b.begin() + 35, b.end()));
    return out + " (" + std::to_string(b.size()) + " bytes)";
}

int32_t Transcript_Platform::cdtDraw(int32_t hdc, int32_t x, int32_t y, int32_t card, int32_t mode,
                                     int32_t color) {
    frame_.push_back({x, y, card, mode});
    return Headless_Platform::cdtDraw(hdc, x, y, card, mode, color);
}

void Transcript_Platform::clear_surface() {
    frame_.clear();
    Headless_Platform::clear_surface();
}

void Transcript_Platform::refresh_surface() {
    Headless_Platform::refresh_surface();
    auto where = [](const Drawn &d) { return std::to_string(d.x) + "," + std::to_string(d.y); };
    auto what = [](const Drawn &d) { return d.mode == 0 ? face_name(d.card) : "back"; };
    if (g != nullptr && g->animating == flag_true && !frame_.empty()) {
        // The moving card is drawn first, under everything else.
        const Drawn &moving = frame_.front();
        if (slide_frames_ == 0 || what(moving) != slide_card_) {
            end_slide();
            slide_card_ = what(moving);
            slide_from_ = where(moving);
        }
        slide_x_ = moving.x, slide_y_ = moving.y, ++slide_frames_;
        return;
    }
    line("paint");
    if (detail_draws)
        for (const Drawn &d : frame_)
            line("  " + what(d) + " at " + where(d));
}

void Transcript_Platform::end_slide() {
    if (slide_frames_ == 0)
        return;
    const int32_t frames = slide_frames_;
    slide_frames_ = 0;
    line("slide " + slide_card_ + " " + slide_from_ + " -> " + std::to_string(slide_x_) + "," +
         std::to_string(slide_y_) + " in " + std::to_string(frames) + " frames");
}

bool Transcript_Platform::set_background_picture(const std::string &path) {
    const bool shown = Headless_Platform::set_background_picture(path);
    line("picture " + named(path) + (shown ? "" : " refused"));
    return shown;
}

void Transcript_Platform::clear_background_picture() {
    Headless_Platform::clear_background_picture();
    line("no picture");
}

void Transcript_Platform::set_label_caption(const Text &caption) {
    const std::string text = shown(caption);
    Headless_Platform::set_label_caption(text);
    line("label " + quoted(text));
}

void Transcript_Platform::set_label_visible(bool visible) {
    Headless_Platform::set_label_visible(visible);
    line(visible ? "label shown" : "label hidden");
}

void Transcript_Platform::refresh_label() {
    Headless_Platform::refresh_label();
    line("label painted");
}

void Transcript_Platform::set_check(Table_Item item, bool checked) {
    Headless_Platform::set_check(item, checked);
    line(std::string("check ") + (item == Table_Item::Default ? "Default" : "Blue Sky") +
         (checked ? " on" : " off"));
}

Box_Answer Transcript_Platform::message_box(const Text &text, const Text &title, Box_Icon icon,
                                            Box_Buttons buttons) {
    const std::string words = shown(text), heading = shown(title);
    const Box_Answer answer = Headless_Platform::message_box(words, heading, icon, buttons);
    const char *answers[] = {"Ok", "Yes", "No"};
    line(std::string("box ") + (icon == Box_Icon::Warning ? "warning " : "") + quoted(heading) +
         " " + quoted(words) + (buttons == Box_Buttons::Yes_No ? " Yes/No" : "") + " -> " +
         answers[static_cast<int>(answer)]);
    return answer;
}

std::string Transcript_Platform::input_box(const Text &prompt) {
    const std::string words = shown(prompt);
    const std::string answer = Headless_Platform::input_box(words);
    line("prompt " + quoted(words) + " -> " + quoted(answer));
    return answer;
}

void Transcript_Platform::show_help_window() {
    line("help window");
    Headless_Platform::show_help_window();
}

void Transcript_Platform::Sleep(uint32_t ms) {
    line("sleep " + std::to_string(ms));
    Headless_Platform::Sleep(ms);
}

void Transcript_Platform::set_focus_mark(bool visible, int32_t x, int32_t y, int32_t width,
                                         int32_t height) {
    Headless_Platform::set_focus_mark(visible, x, y, width, height);
    line(visible ? "mark " + std::to_string(x) + "," + std::to_string(y) + " " +
                       std::to_string(width) + "x" + std::to_string(height)
                 : "mark hidden");
}

std::string Transcript_Platform::write_record_file(const std::string &path,
                                                   const std::vector<uint8_t> &record) {
    const std::string reason = Headless_Platform::write_record_file(path, record);
    line("save " + named(path) + (reason.empty() ? "" : " failed: " + reason));
    return reason;
}

void Transcript_Platform::end_program() {
    line("program ends");
    Headless_Platform::end_program();
}

std::vector<std::string> table_lines(const Game_State &g) {
    std::string hands = "hands", played = "played";
    for (const Seat &seat : g.seat) {
        std::string hand;
        for (int16_t c : seat.card)
            if (c != no_card)
                hand += (hand.empty() ? "" : " ") + name_of(c);
        hands += (&seat == &g.seat[0] ? " " : " | ") + (hand.empty() ? "-" : hand);
        played += " " + name_of(seat.table_card);
    }
    auto suit = [](int16_t s) { return s < 0 ? std::string("-") : std::string(1, "CDHS"[s]); };
    std::string state = "stock " + std::to_string(pack_size - g.deck_pos) + " lead " +
                        suit(g.lead_suit) + " turn " + std::to_string(g.turn_seat);
    // What most steps leave as it was is named only when it is not.
    if (g.open_card != no_card)
        state += " open " + name_of(g.open_card);
    if (g.weak_suit != -1)
        state += " weak " + suit(g.weak_suit);
    if (g.finish_count != 0) {
        state += " finished " + std::to_string(g.finish_count) + ":";
        for (int s = 0; s < 4; ++s)
            if (g.seat[s].finished == flag_true)
                state += std::to_string(s);
    }
    if (g.game_over == flag_true)
        state += " over";
    std::string counts = "counts";
    for (int16_t count : g.player_rec.rank_count)
        counts += " " + std::to_string(count);
    return {hands, played, state, counts};
}

} // namespace plenk::test
