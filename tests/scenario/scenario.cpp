// Replays a scenario file: its directives set up a table, a record and the
// answers to boxes, then give the player's inputs; the transcript of what
// followed must equal the file's part after "----". With --update the file's
// expected part is rewritten instead, to be reviewed like code.

#include "game/computer_player.h"
#include "game/deal.h"
#include "game/plenk.h"
#include "game/throw_card.h"
#include "game/turn_engine.h"
#include "platform/qt/translation.h"
#include "record/player_record.h"
#include "tests/support/table_fixture.h"
#include "ui/form1.h"
#include "ui/table_show.h"
#include "ui/table_words.h"

#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace plenk::test {
namespace {

namespace fs = std::filesystem;
using Kind = Platform_Call::Kind;
using Args = std::istringstream;

std::string quoted(const std::string &text) {
    std::string out = "\"";
    for (char c : text)
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return out + "\"";
}

std::string rest_of(Args &in) {
    std::string rest;
    std::getline(in >> std::ws, rest);
    return rest;
}

int16_t number(Args &in) {
    int n;
    if (!(in >> n))
        throw std::invalid_argument("a number is missing");
    return static_cast<int16_t>(n);
}

// The text with each \\xNN written as the byte it stands for.
std::string unescaped(std::string text) {
    for (auto at = text.find("\\x"); at != text.npos; at = text.find("\\x", at + 1))
        text.replace(at, 4, 1, static_cast<char>(std::stoi(text.substr(at + 2, 2), nullptr, 16)));
    return text;
}

// The value a name in the directive stands for; an unknown name fails.
template <typename T> T named_value(const std::map<std::string, T> &names, Args &in) {
    std::string name;
    in >> name;
    const auto found = names.find(name);
    if (found == names.end())
        throw std::invalid_argument("no such name: \"" + name + "\"");
    return found->second;
}

const std::map<std::string, Box_Answer> answers{
    {"Ok", Box_Answer::Ok}, {"Yes", Box_Answer::Yes}, {"No", Box_Answer::No}};

// The platform as a scenario watches it: its calls, what the screen reader is
// told and each save become the lines of one transcript, in order, with the
// player's texts in the loaded language and the folders named, not spelled.
// Repaints read "paint", the frames of a slide one line "slide"; under
// `detail` with each card drawn and where the slide starts and ends. A frame
// is a repaint made while the table's state says a card is moving.
struct Transcript_Platform : Headless_Platform {
    std::vector<std::string> lines;
    bool detail = false;
    const Game_State *table = nullptr;

    std::string named(std::string text) {
        for (const auto &[folder, name] :
             {std::pair{user_data_folder(), "<user>"}, {program_folder(), "<program>"}})
            for (auto at = text.find(folder); at != text.npos; at = text.find(folder))
                text.replace(at, folder.size(), name);
        return text;
    }
    std::string shown(const Text &text) { return named(translated(text).toStdString()); }
    void add(const std::string &line) {
        flush();
        end_slide();
        lines.push_back(line);
    }
    void flush();

    void refresh_surface() override {
        Headless_Platform::refresh_surface();
        if (table != nullptr && table->animating == flag_true)
            moving_[calls().size() - 1] =
                std::to_string(table->anim_x) + "," + std::to_string(table->anim_y);
    }
    std::string write_record_file(const std::string &path,
                                  const std::vector<uint8_t> &record) override {
        const std::string reason = Headless_Platform::write_record_file(path, record);
        add("save " + named(path) + (reason.empty() ? "" : " failed: " + reason));
        return reason;
    }

  private:
    void end_slide() {
        if (slide_frames_ > 0)
            lines.push_back(detail ? "slide " + slide_from_ + " -> " + slide_to_ + " in " +
                                         std::to_string(slide_frames_) + " frames"
                                   : "slide");
        slide_frames_ = 0;
    }
    // The moving card's place at each repaint of a slide, by the repaint's call.
    std::map<std::size_t, std::string> moving_;
    int slide_frames_ = 0;
    std::string slide_from_, slide_to_;
};

// The card library orders its faces by rank, then suit: index 4 is the Two of Clubs.
std::string drawn(const Platform_Call &c) {
    const std::string what =
        c.args[4] == 1 ? "back"
                       : std::string{"A23456789TJQK"[c.args[3] / 4], "CDHS"[c.args[3] % 4]};
    return what + " " + std::to_string(c.args[1]) + "," + std::to_string(c.args[2]);
}

// The line of a call that is not part of a repaint.
std::string describe(const Platform_Call &c, const std::string &text) {
    const auto &a = c.args;
    const auto n = [&a](std::size_t i) { return std::to_string(a[i]); };
    using K = Kind;
    return c.kind == K::Sleep           ? "sleep " + n(0)
           : c.kind == K::Label_Caption ? "label " + quoted(text)
           : c.kind == K::Label_Visible ? (a[0] ? "label shown" : "label hidden")
           : c.kind == K::Label_Refresh ? "label painted"
           : c.kind == K::Check
               ? std::string("check ") + (a[0] ? "Blue Sky" : "Default") + (a[1] ? " on" : " off")
           : c.kind == K::Background
               ? (text.empty() ? "no picture" : "picture " + text + (a[0] ? "" : " refused"))
           : c.kind == K::Message_Box
               ? (a[0] ? "box warning " : "box ") + quoted(c.title) + " " + quoted(text) +
                     (a[1] ? " Yes/No" : "") + " -> " + std::array{"Ok", "Yes", "No"}.at(a[2])
           : c.kind == K::Input_Box ? "prompt " + quoted(text)
           : c.kind == K::Focus_Mark
               ? (a[0] ? "mark " + n(1) + "," + n(2) + " " + n(3) + "x" + n(4) : "mark hidden")
           : c.kind == K::Help_Window ? "help window"
                                      : "program ends";
}

void Transcript_Platform::flush() {
    const std::vector<Platform_Call> calls = this->calls();
    const auto moving = std::exchange(moving_, {});
    clear_log();
    std::vector<Platform_Call> frame;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const Platform_Call &c = calls[i];
        if (c.kind == Kind::Draw)
            frame.push_back(c);
        if (c.kind == Kind::Pump || c.kind == Kind::Draw || c.kind == Kind::Clear)
            continue;
        if (const auto at = moving.find(i); at != moving.end()) {
            slide_from_ = slide_frames_ == 0 ? at->second : slide_from_;
            slide_to_ = at->second;
            ++slide_frames_;
            frame.clear();
            continue;
        }
        std::string line = "paint";
        for (const Platform_Call &d : frame)
            line += detail ? "\n  " + drawn(d) : "";
        frame.clear();
        add(c.kind == Kind::Refresh ? line : describe(c, named(c.text)));
    }
}

// The file's bytes: the name as stored, the five counters, what follows.
std::string record_bytes(Platform &os, const std::string &path) {
    const File_Read file = os.read_record_file(path, 100);
    if (!file.ok)
        return "unreadable: " + file.reason;
    const std::string b(file.bytes.begin(), file.bytes.end());
    std::string name;
    for (unsigned char c : b.substr(0, 25))
        name += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c))
                                      : std::string{'\\', 'x', "0123456789ABCDEF"[c >> 4],
                                                    "0123456789ABCDEF"[c & 15]};
    const std::size_t kept = name.find_last_not_of(' ') + 1;
    std::string out =
        quoted(name.substr(0, kept)) + " + " + std::to_string(name.size() - kept) + " spaces";
    for (std::size_t i = 25; i + 1 < b.size() && i < 35; i += 2)
        out += ' ' + std::to_string(static_cast<int16_t>(file.bytes[i] | file.bytes[i + 1] << 8));
    return out + (b.size() > 35 ? " then " + quoted(b.substr(35)) : "") + " (" +
           std::to_string(b.size()) + " bytes)";
}

// The table in words: each hand, the cards on the table, the state and the counters.
std::string table_lines(const Game_State &g, const Record_State &rec) {
    std::string hands = "hands", played = "\nplayed";
    for (const Seat &seat : g.seat) {
        std::string hand;
        for (int16_t c : seat.card)
            hand += c == no_card ? "" : (hand.empty() ? "" : " ") + name_of(c);
        hands += (&seat == &g.seat[0] ? " " : " | ") + (hand.empty() ? "-" : hand);
        played += " " + name_of(seat.table_card);
    }
    auto suit = [](int16_t s) { return s < 0 ? std::string("-") : std::string(1, "CDHS"[s]); };
    std::string state = "\nstock " + std::to_string(pack_size - g.deck_pos) + " lead " +
                        suit(g.lead_suit) + " turn " + std::to_string(g.turn_seat);
    // What most steps leave as it was is named only when it is not.
    state += g.open_card != no_card ? " open " + name_of(g.open_card) : "";
    state += g.weak_suit != -1 ? " weak " + suit(g.weak_suit) : "";
    if (g.finish_count != 0)
        state += " finished " + std::to_string(g.finish_count) + ":";
    for (int s = 0; s < 4; ++s)
        state += g.seat[s].finished == flag_true ? std::to_string(s) : "";
    state += g.game_over == flag_true ? " over\ncounts" : "\ncounts";
    for (int16_t count : rec.player_rec.rank_count)
        state += " " + std::to_string(count);
    return hands + played + state;
}

// The engine's own steps on a laid table, their events written down before
// the game's table shows them.
struct Event_Log : Table_Show {
    Transcript_Platform &os;
    Event_Log(Game_State &g, Record_State &rec, Transcript_Platform &os)
        : Table_Show(g, rec, os), os(os) {}
    template <typename... N> void note(std::string line, N... n) {
        os.add("event " + (line + ... + (" " + std::to_string(n))));
    }
    void dealt() override { note("dealt"), Table_Show::dealt(); }
    void played(int16_t s, int16_t c) override {
        note("played " + std::to_string(s) + " " + name_of(c)), Table_Show::played(s, c);
    }
    void plenking(int16_t s) override { note("plenking", s), Table_Show::plenking(s); }
    void drew(int16_t s, int n) override { note("drew", s, n), Table_Show::drew(s, n); }
    void took(int16_t s, const std::vector<int16_t> &taken, int16_t leader) override {
        std::string cards = "took " + std::to_string(s);
        for (int16_t c : taken)
            cards += " " + name_of(c);
        note(cards + ", leader", leader), Table_Show::took(s, taken, leader);
    }
    void round_won(int16_t s) override { note("round won", s), Table_Show::round_won(s); }
    bool finished(int16_t s, int place) override {
        return note("finished", s, place), Table_Show::finished(s, place);
    }
    void game_ended() override { note("game ended"), Table_Show::game_ended(); }
};

struct Scenario {
    Transcript_Platform os;
    Game_State g{};
    Record_State rec{};
    Form1 form{g, rec, os};
    Event_Log events{g, rec, os};
    Game_Context ctx{g, os, events};
    Layout layout;

    Scenario() {
        os.words = [this](const Text &text) { return os.shown(text); };
        os.table = &g;
        form.on_announce([this](const Text &words) { os.add("say " + os.shown(words)); });
        events.on_announce([this](const Text &words) { os.add("say " + os.shown(words)); });
    }
    std::string path(const std::string &name) {
        return name.rfind("user/", 0) == 0 ? os.user_data_folder() + name.substr(4)
                                           : os.program_folder() + "/" + name;
    }
    void run(const std::string &directive);
    void step(Args &in);
    void answer(Args &in);
    void lay_table();
    void write_file(Args &in);
    void show(Args &in);
};

const std::map<std::string, Hand_Key> keys{{"left", Hand_Key::Left},
                                           {"right", Hand_Key::Right},
                                           {"home", Hand_Key::First},
                                           {"end", Hand_Key::Last},
                                           {"play", Hand_Key::Play}};
const std::map<std::string, Table_Question> questions{{"table", Table_Question::Table_Cards},
                                                      {"counts", Table_Question::Seat_Counts},
                                                      {"centre", Table_Question::Centre},
                                                      {"last", Table_Question::Last_Round}};

const std::map<std::string, std::string Layout::*> layout_texts{{"played", &Layout::played},
                                                                {"stock", &Layout::stock},
                                                                {"open", &Layout::open},
                                                                {"finished", &Layout::finished}};

// The player's inputs, and the engine's own steps on a laid table, each
// written into the transcript before what follows it; then the set-up.
void Scenario::run(const std::string &directive) {
    Args in(directive);
    std::string word, rest;
    int16_t x;
    in >> word;
    const std::string inputs = " load deal menu help close click key play-to-end ask set step ";
    if (inputs.find(" " + word + " ") != inputs.npos)
        os.add("> " + directive);
    const std::map<std::string, std::function<void()>> one_call{
        {"load", [&] { form.Form_Load(); }},
        {"deal", [&] { form.gm_submnu_Click(0); }},
        {"help", [&] { form.Help_submnu_Click(); }},
        {"close", [&] { form.Form_Unload(); }},
        {"key", [&] { form.Form_KeyDown(named_value(keys, in)); }},
        {"ask", [&] { form.Form_Ask(named_value(questions, in)); }},
        {"step", [&] { step(in); }},
        // random values from the generator again, as a shuffle needs
        {"seed", [&] { os.fixed.reset(), os.seed(static_cast<uint64_t>(number(in))); }},
        {"random", [&] { os.fixed = std::stof(rest_of(in)); }},
        {"file", [&] { write_file(in); }},
        {"remove", [&] { fs::remove_all(path(rest_of(in))); }},
        {"answer", [&] { answer(in); }},
        {"detail", [&] { os.detail = rest_of(in) == "draws"; }},
        {"turn", [&] { layout.turn = number(in); }},
        {"lay", [&] { lay_table(); }},
        {"show", [&] { show(in); }}};
    if (const auto call = one_call.find(word); call != one_call.end())
        call->second();
    else if (word == "menu")
        in >> rest,
            rest == "game" ? form.gm_submnu_Click(number(in)) : form.tbl_submnu_Click(number(in));
    else if (word == "click")
        x = number(in), form.Form_MouseDown(x, number(in));
    else if (word == "play-to-end") // the mark starts on a card that may be played
        for (int plays = 0; plays < 500 && g.game_over != flag_true; ++plays)
            run("key play");
    else if (word == "set")
        *named_value(
            std::map<std::string, Flag *>{{"over", &g.game_over}, {"animating", &g.animating}},
            in) = flag_true;
    else if (word == "language")
        install_translations(QLocale(QString::fromStdString(rest_of(in))));
    else if (word == "installed") // a program folder that takes no files
        os.set_program_folder("/proc"), fs::create_directories(os.user_data_folder());
    else if (word == "hands")
        for (std::string &hand : layout.hands)
            std::getline(in, hand, '|'),
                hand = hand.find_first_not_of(" -") == hand.npos ? "" : hand;
    else if (const auto text = layout_texts.find(word); text != layout_texts.end())
        layout.*text->second = rest_of(in);
    else if (word == "lead" || word == "weak")
        (word == "lead" ? layout.lead : layout.weak) = rest_of(in).at(0);
    else if (word == "at") // within the first wait that reaches the counter time
        x = number(in), os.post_event(os.GetTickCount() + static_cast<uint32_t>(x),
                                      [this, d = rest_of(in)] { run(d); });
    else
        throw std::invalid_argument("unknown directive: " + word);
    os.flush();
}

void Scenario::step(Args &in) {
    int16_t seat;
    named_value(
        std::map<std::string, std::function<void()>>{
            {"finalize", [&] { Finalize_Round(ctx); }},
            {"throw", [&] { seat = number(in), Throw_Card(ctx, seat, number(in)); }},
            {"plenk", [&] { plenk(ctx, number(in), g.lead_suit); }},
            {"take", [&] { Take_Card(ctx, number(in)); }},
            {"computer", [&] { Computer_Turn(ctx, number(in)); }},
            {"engine", [&] { next_turn(ctx); }},
            {"deal", [&] { Initialize_Game(ctx); }}},
        in)();
}

void Scenario::answer(Args &in) {
    std::string kind;
    if (in >> kind, kind != "input")
        return os.answer_next_box(named_value(answers, in));
    std::string answer = rest_of(in);
    // A typed answer in double quotes keeps its spaces.
    if (answer.size() >= 2 && answer.front() == '"' && answer.back() == '"')
        answer = answer.substr(1, answer.size() - 2);
    os.answer_next_input(unescaped(answer));
}

void Scenario::lay_table() {
    if (g.card_w == 0)
        os.cdtInit(g.card_w, g.card_h);
    if (rec.data_file.empty())
        rec.data_file = path("data.dat"), rec.player_rec.player_name = make_player_name("Tester");
    lay(g, layout);
    layout = {};
    g.animating = flag_false;
}

void Scenario::write_file(Args &in) {
    std::string name, kind;
    in >> name >> kind;
    const std::string at = path(name);
    std::string bytes = rest_of(in);
    if (kind == "record") {
        // Name (a byte as \xNN), five counters, then what follows the record.
        Args fields(bytes);
        std::string who;
        fields >> who;
        bytes = (unescaped(who) + std::string(25, ' ')).substr(0, 25);
        for (int k = 0; k < 5; ++k) {
            const auto count = static_cast<uint16_t>(number(fields));
            bytes += {static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)};
        }
        bytes += rest_of(fields);
    }
    if (kind == "fifo")
        ::mkfifo(at.c_str(), 0644);
    else if (kind == "folder")
        fs::create_directories(at);
    else
        std::ofstream(at, std::ios::binary)
            << (kind == "picture" ? "\xFF\xD8\xFF\xE0 a picture" : bytes);
}

void Scenario::show(Args &in) {
    std::string what;
    in >> what;
    const std::string file = rest_of(in), at = file.empty() ? rec.data_file : path(file);
    if (what == "table")
        return os.add(table_lines(g, rec));
    if (what == "record")
        return os.add("record " + os.named(at) + ": " + record_bytes(os, at));
    if (what != "words")
        throw std::invalid_argument("no such show: " + what);
    const Table_Words words = table_words(g, form.awaiting_human());
    for (const Table_Thing &t : words.things)
        os.add("  " + os.shown(t.name) + (t.playable ? " (may be played)" : "") + " at " +
               std::to_string(t.x) + "," + std::to_string(t.y) + " " + std::to_string(t.width) +
               "x" + std::to_string(t.height) +
               (os.shown(t.heard) != os.shown(t.name) ? ", heard " + os.shown(t.heard) : ""));
    os.add("  description: " + os.shown(words.description) + "\n  hand: " + os.shown(words.hand));
}

int replay(const std::string &file, bool update) {
    std::ifstream in(file);
    std::vector<std::string> head, expected, actual;
    bool after = false;
    for (std::string l; std::getline(in, l);) {
        (after ? expected : head).push_back(l);
        after = after || l == "----";
    }
    if (head.empty() || head[0].rfind("# ", 0) != 0 || !after)
        throw std::runtime_error(
            "a scenario begins with a line of its intent, \"# ...\", and has a line \"----\"");
    install_translations(QLocale(QLocale::English));
    // "restart" starts the program afresh, on a platform of its own.
    for (auto d = head.begin(); d != head.end();) {
        Scenario scenario;
        try {
            for (; d != head.end() && *d != "restart"; ++d) {
                try {
                    if (!d->empty() && d->front() != '#' && *d != "----")
                        scenario.run(*d);
                } catch (const std::invalid_argument &e) {
                    throw std::runtime_error("line " + std::to_string(d - head.begin() + 1) +
                                             ", \"" + *d + "\": " + e.what());
                }
            }
        } catch (const Program_Ended &) {
        } catch (const Unexpected_Box &e) {
            scenario.os.add("! " + quoted(e.what()));
        }
        d = std::find(d, head.end(), "restart");
        scenario.os.add(d == head.end() ? "" : "> restart");
        d += d != head.end();
        std::string line;
        for (const std::string &l : scenario.os.lines)
            for (Args lines(l); std::getline(lines, line);)
                actual.push_back(line);
    }
    if (!actual.empty() && actual.back().empty())
        actual.pop_back();
    if (update) {
        std::ofstream out(file, std::ios::trunc);
        for (const auto *part : {&head, &actual})
            for (const std::string &l : *part)
                out << l << '\n';
        return 0;
    }
    if (actual == expected)
        return 0;
    std::size_t i =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first -
        actual.begin();
    std::cerr << file << ": the transcript differs at line " << i + 1
              << " after the rule\nexpected: " << (i < expected.size() ? expected[i] : "(the end)")
              << "\nactual:   " << (i < actual.size() ? actual[i] : "(the end)")
              << "\nthe whole transcript:\n";
    for (const std::string &l : actual)
        std::cerr << l << '\n';
    return 1;
}

} // namespace
} // namespace plenk::test

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const bool update = argc == 3 && std::string(argv[1]) == "--update";
    if (argc != 2 && !update) {
        std::cerr << "usage: scenario [--update] FILE\n";
        return 2;
    }
    try {
        return plenk::test::replay(argv[argc - 1], update);
    } catch (const std::exception &e) {
        std::cerr << argv[argc - 1] << ": " << e.what() << '\n';
        return 2;
    }
}
