#include "platform/headless_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

TEST(Headless_Boxes, AnUnexpectedBoxThrows) {
    Headless_Platform os;
    EXPECT_THROW(os.message_box("text", "title", Box_Icon::Information, Box_Buttons::Ok),
                 Unexpected_Box);
    EXPECT_THROW(os.input_box("Input Player Name:"), Unexpected_Box);
}

TEST(Headless_Boxes, QueuedAnswersAreUsedInOrderAndLogged) {
    Headless_Platform os;
    os.answer_next_box(Box_Answer::No);
    os.answer_next_box(Box_Answer::Yes);
    os.answer_next_input("Ann");
    os.answer_next_input("");
    EXPECT_EQ(os.message_box("q1", "t1", Box_Icon::Information, Box_Buttons::Yes_No), Box_Answer::No);
    EXPECT_EQ(os.message_box("q2", "t2", Box_Icon::Warning, Box_Buttons::Yes_No), Box_Answer::Yes);
    EXPECT_EQ(os.input_box("p"), "Ann");
    EXPECT_EQ(os.input_box("p"), "");
    EXPECT_EQ(os.unanswered_boxes(), 0u);

    const auto boxes = os.calls_of(Kind::Message_Box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "q2");
    EXPECT_EQ(boxes[1].title, "t2");
    EXPECT_EQ(boxes[1].args[0], static_cast<int32_t>(Box_Icon::Warning));
    EXPECT_EQ(boxes[1].args[1], static_cast<int32_t>(Box_Buttons::Yes_No));
    EXPECT_EQ(boxes[1].args[2], static_cast<int32_t>(Box_Answer::Yes));
    EXPECT_EQ(os.calls_of(Kind::Input_Box)[0].title, "Ann");
}

TEST(Headless_Boxes, TheAnswererTakesOverOnlyWhenNothingIsQueued) {
    Headless_Platform os;
    std::vector<std::string> asked;
    os.box_answerer = [&](const std::string& text, const std::string&) {
        asked.push_back(text);
        return Box_Answer::Yes;
    };
    os.answer_next_box(Box_Answer::No);
    EXPECT_EQ(os.message_box("a", "", Box_Icon::Information, Box_Buttons::Yes_No), Box_Answer::No);
    EXPECT_EQ(os.message_box("b", "", Box_Icon::Information, Box_Buttons::Yes_No), Box_Answer::Yes);
    EXPECT_EQ(os.message_box("c", "", Box_Icon::Information, Box_Buttons::Ok), Box_Answer::Ok);
    EXPECT_EQ(asked, (std::vector<std::string>{"b", "c"}));
}

TEST(Headless_Time, SleepMovesTheCounterAndHandlesNoEvent) {
    Headless_Platform os;
    const uint32_t start = os.GetTickCount();
    bool ran = false;
    os.post_event([&] { ran = true; });
    os.Sleep(2000);
    EXPECT_EQ(os.GetTickCount(), start + 2000);
    EXPECT_FALSE(ran);
    os.pump_events(0);
    EXPECT_TRUE(ran);
    EXPECT_EQ(os.GetTickCount(), start + 2000);
}

TEST(Headless_Time, PumpWakesAtTheNextEventOrWhenTheWaitEnds) {
    Headless_Platform os;
    const uint32_t start = os.GetTickCount();
    std::vector<std::string> order;
    os.post_event(start + 10, [&] { order.push_back("b"); });
    os.post_event(start + 5, [&] { order.push_back("a"); });
    os.post_event(start + 10, [&] { order.push_back("c"); });
    os.pump_events(25);
    EXPECT_EQ(os.GetTickCount(), start + 5);
    EXPECT_EQ(order, (std::vector<std::string>{"a"}));
    os.pump_events(25);
    EXPECT_EQ(os.GetTickCount(), start + 10);
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c"}));
    os.pump_events(25);
    EXPECT_EQ(os.GetTickCount(), start + 35);
}

TEST(Headless_Time, TheCounterWrapsAroundLikeA32BitTickCount) {
    Headless_Platform os;
    os.set_tick(0xFFFFFFF0u);
    bool ran = false;
    os.post_event(0x00000005u, [&] { ran = true; });
    os.pump_events(10);
    EXPECT_FALSE(ran) << "an event after the wrap ran too early";
    os.pump_events(100);
    EXPECT_TRUE(ran);
    EXPECT_EQ(os.GetTickCount(), 0x00000005u);
}

TEST(Headless_Program, FolderLivesAsLongAsThePlatformAndEndingThrows) {
    std::filesystem::path folder;
    {
        Headless_Platform os;
        folder = os.program_folder();
        EXPECT_TRUE(std::filesystem::is_directory(folder));
        EXPECT_THROW(os.end_program(), Program_Ended);
        EXPECT_EQ(os.calls().back().kind, Kind::End_Program);
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(Headless_Program, TheSameSeedGivesTheSameGame) {
    Headless_Platform a, b;
    a.seed(42);
    b.seed(42);
    std::vector<float> from_a, from_b;
    for (int i = 0; i < 8; ++i) {
        from_a.push_back(a.random_value());
        from_b.push_back(b.random_value());
    }
    EXPECT_EQ(from_a, from_b);
    a.seed(43);
    EXPECT_NE(a.random_value(), from_b[0]);
}

} // namespace
} // namespace plenk
