#include "core/app/settings_model.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace tonalink {
namespace {

// Read and write access to one member of Settings.
template <class T> struct Field {
    const T& (*get)(const Settings&);
    T& (*ref)(Settings&);
};

template <auto Member> constexpr auto field() {
    using T = std::remove_cvref_t<decltype(std::declval<Settings&>().*Member)>;
    return Field<T>{[](const Settings& s) -> const T& { return s.*Member; },
                    [](Settings& s) -> T& { return s.*Member; }};
}

template <auto Array, std::size_t I> constexpr Field<std::string> element() {
    return {[](const Settings& s) -> const std::string& { return (s.*Array)[I]; },
            [](Settings& s) -> std::string& { return (s.*Array)[I]; }};
}

struct IntValue {
    Field<int32_t> field;
    int32_t def;
};
struct TextValue {
    Field<std::string> field;
    std::string_view def;
};
// Numbered slots under one printf key format; empty slots close up on reading.
struct TextList {
    Field<std::vector<std::string>> field;
};
// Written at every save, never read.
struct Stamp {
    std::string_view text;
};

struct Row {
    std::string_view section;
    std::string_view key;
    std::variant<IntValue, TextValue, TextList, Stamp> value;
    std::size_t saveRank;
};

constexpr char kUserMsgListKeyFormat[] = "userlist%2d";

// "ｸﾞﾙｰﾌﾟ1" .. "ｸﾞﾙｰﾌﾟ4" in CP932.
constexpr std::string_view kGroup1 = "\xB8\xDE\xD9\xB0\xCC\xDF\x31";
constexpr std::string_view kGroup2 = "\xB8\xDE\xD9\xB0\xCC\xDF\x32";
constexpr std::string_view kGroup3 = "\xB8\xDE\xD9\xB0\xCC\xDF\x33";
constexpr std::string_view kGroup4 = "\xB8\xDE\xD9\xB0\xCC\xDF\x34";

// In reading order; saveRank is the position in the writing order.
constexpr Row kRows[] = {
    {"Setting", "CommPort", IntValue{field<&Settings::CommPort>(), 0}, 1},
    {"Setting", "PhoneType", IntValue{field<&Settings::PhoneType>(), 0}, 2},
    {"Setting", "ExtCommand", TextValue{field<&Settings::ExtCommand>(), ""}, 3},
    {"Setting", "CKExtension", IntValue{field<&Settings::CKExtension>(), 0}, 4},
    {"Setting", "Extension", TextValue{field<&Settings::Extension>(), ""}, 5},
    {"Setting", "DefaultOffTime", IntValue{field<&Settings::DefaultOffTime>(), 10}, 6},
    {"Setting", "ReDialTime", IntValue{field<&Settings::ReDialTime>(), 2}, 7},
    {"Setting", "ModemSw", IntValue{field<&Settings::ModemSw>(), 0}, 8},
    {"Setting", "KeitaiSw", IntValue{field<&Settings::KeitaiSw>(), 0}, 9},
    {"PreContract", "AppEnd", IntValue{field<&Settings::AppEnd>(), 0}, 18},
    {"PreContract", "Hour", IntValue{field<&Settings::Hour>(), 0}, 19},
    {"PreContract", "Minuth", IntValue{field<&Settings::Minuth>(), 0}, 20},
    {"PreContract", "SaveTime", IntValue{field<&Settings::SaveTime>(), 0}, 21},
    {"AddressList", "Group1", TextValue{element<&Settings::Groups, 0>(), kGroup1}, 24},
    {"AddressList", "Group2", TextValue{element<&Settings::Groups, 1>(), kGroup2}, 25},
    {"AddressList", "Group3", TextValue{element<&Settings::Groups, 2>(), kGroup3}, 26},
    {"AddressList", "Group4", TextValue{element<&Settings::Groups, 3>(), kGroup4}, 27},
    {"Service", "EditExeFile", TextValue{field<&Settings::EditExeFile>(), "NOTEPAD.EXE"}, 10},
    {"Service", "DispMessage", IntValue{field<&Settings::DispMessage>(), 0}, 11},
    {"Service", "Reservation", IntValue{field<&Settings::Reservation>(), 0}, 12},
    {"Service", "MsgSendC", IntValue{field<&Settings::MsgSendC>(), 0}, 13},
    {"Service", "CngSpaceSW", IntValue{field<&Settings::CngSpaceSW>(), 0}, 22},
    {"Service", "ShoutCutEnd", IntValue{field<&Settings::ShoutCutEnd>(), 0}, 14},
    {"Service", "PbEditExe", IntValue{field<&Settings::PbEditExe>(), 0}, 23},
    {"Service", "CustomCommand1", TextValue{field<&Settings::CustomCommand1>(), ""}, 15},
    {"Service", "CustomCommand2", TextValue{field<&Settings::CustomCommand2>(), ""}, 16},
    {"Service", "CustomCommand3", TextValue{field<&Settings::CustomCommand3>(), ""}, 17},
    {"UserMsgList", kUserMsgListKeyFormat, TextList{field<&Settings::UserMsgList>()}, 28},
    {"Ports", "COM1", TextValue{element<&Settings::Ports, 0>(), "/dev/ttyS0"}, 29},
    {"Ports", "COM2", TextValue{element<&Settings::Ports, 1>(), "/dev/ttyS1"}, 30},
    {"Ports", "COM3", TextValue{element<&Settings::Ports, 2>(), "/dev/ttyS2"}, 31},
    {"Ports", "COM4", TextValue{element<&Settings::Ports, 3>(), "/dev/ttyS3"}, 32},
    {"Ports", "COM5", TextValue{element<&Settings::Ports, 4>(), "/dev/ttyS4"}, 33},
    {"Ports", "COM6", TextValue{element<&Settings::Ports, 5>(), "/dev/ttyS5"}, 34},
    {"Ports", "COM7", TextValue{element<&Settings::Ports, 6>(), "/dev/ttyS6"}, 35},
    {"Ports", "COM8", TextValue{element<&Settings::Ports, 7>(), "/dev/ttyS7"}, 36},
    {"Application", "Version", Stamp{"3.12"}, 0},
};

constexpr std::size_t kRowCount = std::size(kRows);

constexpr auto kSaveOrder = [] {
    std::array<std::size_t, kRowCount> order{};
    std::array<bool, kRowCount> taken{};
    for (std::size_t i = 0; i < kRowCount; ++i) {
        if (kRows[i].saveRank >= kRowCount || taken[kRows[i].saveRank])
            throw "save ranks must number the rows once each";
        taken[kRows[i].saveRank] = true;
        order[kRows[i].saveRank] = i;
    }
    return order;
}();

struct Loader {
    SettingsStore& store;
    Settings& settings;
    const Row& row;

    void operator()(const IntValue& v) const {
        v.field.ref(settings) = store.readInt(row.section, row.key, v.def);
    }
    void operator()(const TextValue& v) const {
        v.field.ref(settings) = store.readString(row.section, row.key, v.def);
    }
    void operator()(const TextList& v) const {
        auto& list = v.field.ref(settings);
        list.clear();
        for (int slot = 0; slot < kUserMsgListSlots; ++slot) {
            std::string text = store.readString(row.section, userMsgListKey(slot), "");
            if (!text.empty())
                list.push_back(std::move(text));
        }
    }
    void operator()(const Stamp&) const {}
};

struct Saver {
    SettingsStore& store;
    const Settings& settings;
    const Row& row;

    void operator()(const IntValue& v) const {
        store.writeInt(row.section, row.key, v.field.get(settings));
    }
    void operator()(const TextValue& v) const {
        store.writeString(row.section, row.key, v.field.get(settings));
    }
    void operator()(const TextList& v) const {
        const auto& list = v.field.get(settings);
        for (int slot = 0; slot < kUserMsgListSlots; ++slot) {
            auto index = static_cast<std::size_t>(slot);
            store.writeString(row.section, userMsgListKey(slot),
                              index < list.size() ? std::string_view(list[index]) : "");
        }
    }
    void operator()(const Stamp& v) const { store.writeString(row.section, row.key, v.text); }
};

} // namespace

std::string userMsgListKey(int slot) {
    char key[24];
    std::snprintf(key, sizeof key, kUserMsgListKeyFormat, slot);
    return key;
}

void loadSettings(SettingsStore& store, Settings& settings) {
    for (const Row& row : kRows)
        std::visit(Loader{store, settings, row}, row.value);
}

void saveSettings(SettingsStore& store, const Settings& settings) {
    for (std::size_t index : kSaveOrder)
        std::visit(Saver{store, settings, kRows[index]}, kRows[index].value);
}

} // namespace tonalink
