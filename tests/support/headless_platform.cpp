#include "tests/support/headless_platform.h"

#include "platform/record_place.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace plenk {

Headless_Platform::Headless_Platform() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plenk-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("no temporary folder");
    folder_ = pattern;
    program_folder_ = folder_;
}

Headless_Platform::~Headless_Platform() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void Headless_Platform::seed(uint64_t seed) {
    random_ = Random_Source();
    for (int i = 0; i < 4; ++i) {
        random_.reseed(static_cast<float>(seed & 0xFFFF));
        seed >>= 16;
    }
}

std::vector<Platform_Call> Headless_Platform::calls_of(Kind kind) const {
    std::vector<Platform_Call> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [kind](const Platform_Call &c) { return c.kind == kind; });
    return out;
}

bool Headless_Platform::set_background_picture(const std::string &path) {
    // Without a decoder, a file counts as a picture when it starts as a JPEG does.
    File_Read head = read_file_start(path, 2);
    bool picture =
        head.ok && head.bytes.size() == 2 && head.bytes[0] == 0xFF && head.bytes[1] == 0xD8;
    log(Kind::Background, {picture}, path);
    return picture;
}

Box_Answer Headless_Platform::message_box(const Text &shown, const Text &shown_title, Box_Icon icon,
                                          Box_Buttons buttons) {
    const std::string text = words(shown);
    const std::string title = words(shown_title);
    Box_Answer answer;
    if (!box_answers_.empty()) {
        answer = box_answers_.front();
        box_answers_.pop_front();
    } else if (box_answerer) {
        answer = box_answerer(text, title);
    } else {
        throw Unexpected_Box("unexpected message box \"" + title + "\": " + text);
    }
    if (buttons == Box_Buttons::Ok)
        answer = Box_Answer::Ok;
    log(Kind::Message_Box,
        {static_cast<int32_t>(icon), static_cast<int32_t>(buttons), static_cast<int32_t>(answer)},
        text, title);
    return answer;
}

std::string Headless_Platform::input_box(const Text &shown) {
    const std::string prompt = words(shown);
    if (input_answers_.empty())
        throw Unexpected_Box("unexpected input box: " + prompt);
    std::string answer = input_answers_.front();
    input_answers_.pop_front();
    log(Kind::Input_Box, {}, prompt, answer);
    return answer;
}

void Headless_Platform::Sleep(uint32_t ms) {
    log(Kind::Sleep, {static_cast<int32_t>(ms)});
    const uint32_t end = tick_ + ms;
    // Events that fall due during the pause run in it, as on the window.
    while (!events_.empty() && static_cast<int32_t>(events_.front().at - end) <= 0) {
        if (static_cast<int32_t>(events_.front().at - tick_) > 0)
            tick_ = events_.front().at;
        run_due_events();
    }
    tick_ = end;
}

void Headless_Platform::post_event(uint32_t at, std::function<void()> event) {
    events_.insert(
        std::find_if(events_.begin(), events_.end(),
                     [&](const Event &other) { return static_cast<int32_t>(other.at - at) > 0; }),
        {at, std::move(event)});
}

void Headless_Platform::run_due_events() {
    while (!events_.empty() && static_cast<int32_t>(events_.front().at - tick_) <= 0) {
        Event e = std::move(events_.front());
        events_.pop_front();
        e.run();
    }
}

void Headless_Platform::pump_events(int32_t wait_ms) {
    log(Kind::Pump, {wait_ms});
    run_due_events();
    if (wait_ms <= 0)
        return;
    uint32_t deadline = tick_ + static_cast<uint32_t>(wait_ms);
    if (!events_.empty() && static_cast<int32_t>(events_.front().at - deadline) < 0) {
        // Wakes at the next event, as a real event loop would.
        tick_ = events_.front().at;
        run_due_events();
    } else {
        tick_ = deadline;
    }
}

Record_Place Headless_Platform::record_place() {
    return locate_record(program_folder_, user_data_folder());
}

} // namespace plenk
