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
#include "tests/scenario/transcript.h"
#include "ui/form1.h"
#include "ui/table_words.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace plenk::test {
namespace {

namespace fs = std::filesystem;

const std::string rule = "----";

struct Scenario {
    Transcript_Platform os;
    Form1 form{os};
    Game_State &g = form.state();
    Layout layout;

    Scenario() {
        os.g = &g;
        os.keep_log = false;
        form.on_announce([this](const Text &words) { os.say(words); });
    }

    std::string path(const std::string &name) {
        return name.rfind("user/", 0) == 0 ? os.user_data_folder() + name.substr(4)
                                           : os.program_folder() + "/" + name;
    }

    void run(const std::string &directive);
    void set_up(const std::string &word, std::istringstream &in, const std::string &rest);
    void act(const std::string &word, std::istringstream &in);
    void show(const std::string &what);
};

std::string rest_of(std::istringstream &in) {
    std::string rest;
    std::getline(in >> std::ws, rest);
    return rest;
}

int16_t number(std::istringstream &in) {
    int n;
    if (!(in >> n))
        throw std::invalid_argument("a number is missing");
    return static_cast<int16_t>(n);
}

Box_Answer answer_named(const std::string &name) {
    const std::map<std::string, Box_Answer> answers{
        {"Ok", Box_Answer::Ok}, {"Yes", Box_Answer::Yes}, {"No", Box_Answer::No}};
    return answers.at(name);
}

void Scenario::run(const std::string &directive) {
    std::istringstream in(directive);
    std::string word;
    in >> word;
    const std::string rest = rest_of(in);
    std::istringstream args(rest);
    const std::string inputs = " load deal menu help close click key ask step set play-to-end ";
    if (inputs.find(" " + word + " ") != std::string::npos) {
        os.line("> " + directive);
        act(word, args);
    } else if (word == "show") {
        show(rest);
    } else if (word == "at") {
        // Runs the directive within the first wait that reaches the counter time.
        int after;
        args >> after;
        os.post_event(os.GetTickCount() + static_cast<uint32_t>(after),
                      [this, later = rest_of(args)] { run(later); });
    } else {
        set_up(word, args, rest);
    }
}

void Scenario::set_up(const std::string &word, std::istringstream &in, const std::string &rest) {
    if (word == "language") {
        install_translations(QLocale(QString::fromStdString(rest)));
    } else if (word == "seed") {
        // Random values from the seeded generator again, as a shuffle needs.
        os.fixed.reset();
        os.seed(static_cast<uint64_t>(number(in)));
    } else if (word == "random") {
        float r;
        in >> r;
        os.fixed = r;
    } else if (word == "clock") {
        float seconds;
        in >> seconds;
        os.set_clock(seconds);
    } else if (word == "installed") {
        // A program folder that takes no files, as an installed copy's.
        os.set_program_folder("/proc");
        fs::create_directories(os.user_data_folder());
    } else if (word == "file") {
        std::string name, kind;
        in >> name >> kind;
        const std::string at = path(name);
        std::string bytes = rest_of(in);
        if (kind == "record") {
            // Name, five counters, then what follows the record.
            std::istringstream fields(bytes);
            std::string who;
            fields >> who;
            bytes = who + std::string(25 - who.size(), ' ');
            for (int k = 0; k < 5; ++k) {
                const auto count = static_cast<uint16_t>(number(fields));
                bytes += {static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)};
            }
            bytes += rest_of(fields);
        } else if (kind == "picture") {
            bytes = "\xFF\xD8\xFF\xE0 a picture";
        } else if (kind == "fifo") {
            ::mkfifo(at.c_str(), 0644);
            return;
        } else if (kind == "folder") {
            fs::create_directories(at);
            return;
        } else if (kind != "text") {
            throw std::invalid_argument("no such file kind: " + kind);
        }
        std::ofstream(at, std::ios::binary) << bytes;
    } else if (word == "remove") {
        fs::remove_all(path(rest));
    } else if (word == "answer") {
        std::string kind;
        in >> kind;
        std::string answer = rest_of(in);
        // A typed answer in double quotes keeps its spaces.
        if (answer.size() >= 2 && answer.front() == '"' && answer.back() == '"')
            answer = answer.substr(1, answer.size() - 2);
        if (kind == "box")
            os.answer_next_box(answer_named(answer));
        else if (kind == "input")
            os.answer_next_input(answer);
        else if (kind == "boxes")
            os.box_answerer = [a = answer_named(answer)](auto &, auto &) { return a; };
        else
            throw std::invalid_argument("no such answer: " + kind);
    } else if (word == "detail") {
        os.detail_draws = rest == "draws";
    } else if (word == "hands") {
        std::istringstream hands(rest);
        for (std::string &hand : layout.hands) {
            std::getline(hands, hand, '|');
            hand = hand.find_first_not_of(" -") == hand.npos ? "" : hand;
        }
    } else if (word == "played") {
        layout.played = rest;
    } else if (word == "stock") {
        layout.stock = rest;
    } else if (word == "open") {
        layout.open = rest;
    } else if (word == "lead" || word == "weak") {
        (word == "lead" ? layout.lead : layout.weak) = rest.at(0);
    } else if (word == "finished") {
        layout.finished = rest;
    } else if (word == "turn") {
        layout.turn = number(in);
    } else if (word == "lay") {
        if (g.card_w == 0)
            os.cdtInit(g.card_w, g.card_h);
        if (g.data_file.empty()) {
            g.data_file = path("data.dat");
            g.player_rec.player_name = make_player_name("Tester");
        }
        lay(g, layout);
        layout = {};
        g.animating = flag_false;
        // Seen once in silence, so that only what follows is news.
        os.muted = true;
        form.context().view.Draw_Card();
        os.muted = false;
    } else if (word == "deck") {
        // The cards named come first, the rest after them in pack order.
        const std::vector<int16_t> first = cards(rest);
        auto next = std::copy(first.begin(), first.end(), g.deck.begin());
        for (int16_t c = 0; c < pack_size; ++c)
            if (std::find(first.begin(), first.end(), c) == first.end())
                *next++ = c;
    } else {
        throw std::invalid_argument("unknown directive: " + word);
    }
}

void Scenario::act(const std::string &word, std::istringstream &in) {
    Game_Context &ctx = form.context();
    if (word == "load") {
        form.Form_Load();
    } else if (word == "deal") {
        form.gm_submnu_Click(0);
    } else if (word == "menu") {
        std::string menu;
        in >> menu;
        const int16_t item = number(in);
        menu == "game" ? form.gm_submnu_Click(item) : form.tbl_submnu_Click(item);
    } else if (word == "help") {
        form.Help_submnu_Click();
    } else if (word == "close") {
        form.Form_Unload();
    } else if (word == "click") {
        float x, y;
        in >> x >> y;
        form.Form_MouseDown(1, 0, x, y);
    } else if (word == "key" || word == "play-to-end") {
        const std::map<std::string, Hand_Key> keys{{"left", Hand_Key::Left},
                                                   {"right", Hand_Key::Right},
                                                   {"home", Hand_Key::First},
                                                   {"end", Hand_Key::Last},
                                                   {"play", Hand_Key::Play}};
        std::string key;
        in >> key;
        if (word == "key")
            form.Form_KeyDown(keys.at(key));
        // The mark starts on a card that may be played, so Play alone ends a game.
        for (int plays = 0; word != "key" && plays < 500 && g.game_over != flag_true; ++plays)
            run("key play");
    } else if (word == "ask") {
        const std::map<std::string, Table_Question> questions{
            {"table", Table_Question::Table_Cards},
            {"counts", Table_Question::Seat_Counts},
            {"centre", Table_Question::Centre},
            {"last", Table_Question::Last_Round}};
        std::string question;
        in >> question;
        form.Form_Ask(questions.at(question));
    } else if (word == "set") {
        std::string what;
        in >> what;
        (what == "over" ? g.game_over : g.animating) = flag_true;
    } else if (word == "step") {
        std::string step;
        in >> step;
        if (step == "finalize")
            Finalize_Round(ctx);
        else if (step == "throw") {
            const int16_t seat = number(in);
            Throw_Card(ctx, seat, number(in));
        } else if (step == "plenk")
            plenk(ctx, number(in), g.lead_suit);
        else if (step == "take")
            Take_Card(ctx, number(in));
        else if (step == "computer")
            Computer_Turn(ctx, number(in));
        else if (step == "engine")
            next_turn(ctx);
        else if (step == "deal")
            Initialize_Game(ctx);
        else
            throw std::invalid_argument("no such step: " + step);
    }
}

void Scenario::show(const std::string &what) {
    if (what == "table") {
        for (const std::string &l : table_lines(g))
            os.line(l);
    } else if (what.rfind("record", 0) == 0) {
        const std::string file = what == "record" ? g.data_file : path(what.substr(7));
        os.line("record " + os.named(file) + ": " + os.record_bytes(file));
    } else if (what == "words") {
        const Table_Words words = table_words(g, form.awaiting_human());
        for (const Table_Thing &t : words.things) {
            std::string l = "  " + os.shown(t.name) + (t.playable ? " (may be played)" : "") +
                            " at " + std::to_string(t.x) + "," + std::to_string(t.y) + " " +
                            std::to_string(t.width) + "x" + std::to_string(t.height);
            if (os.shown(t.heard) != os.shown(t.name))
                l += ", heard " + os.shown(t.heard);
            os.line(l);
        }
        os.line("  description: " + os.shown(words.description));
        os.line("  hand: " + os.shown(words.hand));
    } else if (what.rfind("hover", 0) == 0) {
        std::istringstream at(what.substr(5));
        int32_t x, y;
        at >> x >> y;
        const Table_Words words = table_words(g, form.awaiting_human());
        const int i = thing_at(words, x, y);
        os.line("hover " + std::to_string(x) + "," + std::to_string(y) + ": " +
                (i < 0 ? "nothing" : os.shown(words.things[static_cast<std::size_t>(i)].name)));
    } else {
        throw std::invalid_argument("no such show: " + what);
    }
}

// The directives, up to the rule, and the transcript expected after it.
struct Scenario_File {
    std::vector<std::string> directives, expected, head;
};

Scenario_File read_scenario(const std::string &file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file);
    Scenario_File s;
    bool after = false;
    for (std::string l; std::getline(in, l);) {
        if (!after && l == rule) {
            after = true;
            continue;
        }
        (after ? s.expected : s.head).push_back(l);
        if (!after && !l.empty() && l[0] != '#')
            s.directives.push_back(l);
    }
    while (!s.expected.empty() && s.expected.back().empty())
        s.expected.pop_back();
    if (s.head.empty() || s.head[0].rfind("# ", 0) != 0)
        throw std::runtime_error(file + ": a scenario begins with a line of its intent, \"# ...\"");
    return s;
}

int replay(const std::string &file, bool update) {
    const Scenario_File s = read_scenario(file);
    install_translations(QLocale(QLocale::English));
    std::vector<std::string> actual;
    // "restart" starts the program afresh, on a platform of its own.
    for (auto d = s.directives.begin(); d != s.directives.end();) {
        Scenario scenario;
        try {
            for (; d != s.directives.end() && *d != "restart"; ++d)
                scenario.run(*d);
        } catch (const Program_Ended &) {
            d = std::find(d, s.directives.end(), "restart");
        } catch (const Unexpected_Box &e) {
            scenario.os.line("! " + quoted(e.what()));
            d = std::find(d, s.directives.end(), "restart");
        }
        scenario.os.line(d == s.directives.end() ? "end" : "> restart");
        actual.insert(actual.end(), scenario.os.lines.begin(), scenario.os.lines.end());
        d += d != s.directives.end();
    }
    if (!actual.empty())
        actual.pop_back(); // the line that closed a slide still moving
    if (update) {
        std::ofstream out(file, std::ios::trunc);
        for (const std::string &l : s.head)
            out << l << '\n';
        out << rule << '\n';
        for (const std::string &l : actual)
            out << l << '\n';
        return 0;
    }
    if (actual == s.expected)
        return 0;
    std::size_t i = 0;
    while (i < actual.size() && i < s.expected.size() && actual[i] == s.expected[i])
        ++i;
    std::cerr << file << ": the transcript differs at line " << i + 1 << " after the rule\n"
              << "expected: " << (i < s.expected.size() ? s.expected[i] : "(the end)") << "\n"
              << "actual:   " << (i < actual.size() ? actual[i] : "(the end)") << "\n"
              << "the whole transcript:\n";
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
