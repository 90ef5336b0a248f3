#include "macro/WorkingEvents.h"
#include "MacroManagerFixture.h"

#include <functional>

namespace hx {
namespace {

using test::Hex;

// Lists built from device-side bytes; the key list gets the same bytes with key bytes + 0x3D,
// which is how letters' virtual-key codes follow their device codes.
WorkingEvents Lists(std::initializer_list<std::uint8_t> device) {
    WorkingEvents w;
    std::copy(device.begin(), device.end(), w.device.begin());
    std::copy(device.begin(), device.end(), w.key.begin());
    for (const StoredEvent& e : StoredEvents(w.device))
        w.key[e.position + 1] = static_cast<std::uint8_t>(w.device[e.position + 1] + 0x3D);
    return w;
}

std::string Device(const WorkingEvents& w) {
    return Hex(std::span(w.device).first(w.End()));
}

TEST(WorkingEvents, EditsChangeBothListsAlike) {
    struct Case {
        const char* guards;
        std::function<bool(WorkingEvents&)> edit;
        std::initializer_list<std::uint8_t> before;
        bool done;
        std::string after; // device list
    };
    const Case cases[] = {
        {"insert at the start; the old first keeps delay 1",
         [](WorkingEvents& w) { return InsertEventBytes(w, 0, 0x01, 0x42, 0x05); },
         {0x01, 0x04, 0x32, 0x04},
         true,
         "01 05 01 04 32 04"},
        {"insert at the end",
         [](WorkingEvents& w) { return InsertEventBytes(w, 4, 0x81, 0x42, 0x05); },
         {0x01, 0x04, 0x32, 0x04},
         true,
         "01 04 32 04 81 05"},
        {"remove a long event closes the gap",
         [](WorkingEvents& w) {
             RemoveEventAt(w, 2);
             return true;
         },
         {0x01, 0x04, 0xFF, 0x04, 0x01, 0x2C, 0x81, 0x05},
         true,
         "01 04 81 05"},
        {"removing the first event resets the new first's delay",
         [](WorkingEvents& w) {
             RemoveEventAt(w, 0);
             return true;
         },
         {0x01, 0x04, 0xFF, 0x04, 0x01, 0x2C, 0x81, 0x05},
         true,
         "81 04 81 05"},
        {"removing a long delay keeps the event, short, delay 1",
         [](WorkingEvents& w) {
             RemoveDelayAt(w, 2);
             return true;
         },
         {0x01, 0x04, 0xFF, 0x04, 0x01, 0x2C, 0x81, 0x05},
         true,
         "01 04 81 04 81 05"},
        {"removing a short delay keeps the direction",
         [](WorkingEvents& w) {
             RemoveDelayAt(w, 2);
             return true;
         },
         {0x01, 0x04, 0xFA, 0x04},
         true,
         "01 04 81 04"},
        {"short to short",
         [](WorkingEvents& w) { return SetEventDelay(w, 2, 50); },
         {0x01, 0x04, 0x81, 0x04},
         true,
         "01 04 B2 04"},
        {"127 turns a short event into the long form",
         [](WorkingEvents& w) { return SetEventDelay(w, 2, 127); },
         {0x01, 0x04, 0x81, 0x04, 0x01, 0x05},
         true,
         "01 04 FF 04 00 7F 01 05"},
        {"a long delay below 127 turns it back into the short form",
         [](WorkingEvents& w) { return SetEventDelay(w, 2, 50); },
         {0x01, 0x04, 0x7F, 0x05, 0xEA, 0x60, 0x81, 0x05},
         true,
         "01 04 32 05 81 05"},
        {"a delay of 1 becomes 2, above 60000 never happens",
         [](WorkingEvents& w) { return SetEventDelay(w, 2, 1); },
         {0x01, 0x04, 0x81, 0x04},
         true,
         "01 04 82 04"},
        {"no event at the position",
         [](WorkingEvents& w) { return SetEventDelay(w, 4, 50); },
         {0x01, 0x04, 0x81, 0x04},
         false,
         "01 04 81 04"},
        {"a key byte 0 would end the list",
         [](WorkingEvents& w) { return InsertEventBytes(w, 0, 0x01, 0x10, 0x00); },
         {0x01, 0x04},
         false,
         "01 04"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        WorkingEvents w = Lists(c.before);
        EXPECT_EQ(c.edit(w), c.done);
        EXPECT_EQ(Device(w), c.after);
        // The key list has the same events, and the rest of both lists is zero.
        const std::size_t end = w.End();
        EXPECT_EQ(EventListEnd(w.key), end);
        for (const StoredEvent& e : StoredEvents(w.device)) {
            EXPECT_EQ(w.key[e.position], w.device[e.position]);
            EXPECT_EQ(w.key[e.position + 1], w.device[e.position + 1] + 0x3D);
        }
        for (std::size_t i = end; i < eventlist::kSize; ++i) {
            ASSERT_EQ(w.device[i], 0) << i;
            ASSERT_EQ(w.key[i], 0) << i;
        }
    }
}

TEST(WorkingEvents, AFullListRefusesWhatWouldNotFit) {
    // 95 short events fill all 190 bytes.
    WorkingEvents w;
    for (std::size_t i = 0; i < eventlist::kSize; i += 2) {
        w.device[i] = w.key[i] = 0x01;
        w.device[i + 1] = 0x04;
        w.key[i + 1] = 0x41;
    }
    const WorkingEvents full = w;
    EXPECT_FALSE(SetEventDelay(w, 2, 300));
    EXPECT_FALSE(InsertEventBytes(w, 0, 0x01, 0x42, 0x05));
    EXPECT_EQ(WriteEventAt(w, 190, {false, 1, 0x41}, 0x04), 0u);
    EXPECT_EQ(w, full);
    // A short delay needs no room.
    EXPECT_TRUE(SetEventDelay(w, 2, 100));
    EXPECT_EQ(w.device[2], 100);
}

TEST(WorkingEvents, LineRefsFollowTheDelayField) {
    const WorkingEvents w =
        Lists({0x01, 0x04, 0xFF, 0x04, 0x01, 0x2C, 0x81, 0x05, 0x7F, 0x06, 0x00, 0x01});
    const std::vector<EventLineRef> expected{{0, false}, {2, true}, {2, false},
                                             {6, false}, {8, true}, {8, false}};
    EXPECT_EQ(EventLineRefs(w.device), expected);
}

} // namespace
} // namespace hx
