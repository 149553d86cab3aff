#include "sample_pager_types.h"

#include "cp932_text.h"

namespace tonalink::testing {

TableEntry entry(std::string_view code, std::string_view utf8Text) {
    return TableEntry::parse("[" + std::string(code) + "]" + test::cp932Bytes(utf8Text));
}

std::vector<TableEntry> entries(std::initializer_list<std::pair<const char*, const char*>> list) {
    std::vector<TableEntry> out;
    for (const auto& [code, text] : list) {
        out.push_back(entry(code, text));
    }
    return out;
}

PagerType workedExampleType() {
    PagerType type;
    type.MsgCount = 10;
    type.FreeStartCmd = "7";
    type.FreeEndCmd = "8";
    type.FormStartCmd = "9";
    type.FreeToSuzi = "/";
    type.FreeWords = entries({{"11", "A"}, {"12", "B"}});
    type.NumberWords = entries({{"1", "1"}, {"2", "2"}});
    type.FormStyles = entries({{"01", "OK"}});
    return type;
}

namespace {

// Splits UTF-8 text into its characters.
std::vector<std::string> characters(std::string_view utf8) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.emplace_back(utf8.substr(i, len));
        i += len;
    }
    return out;
}

constexpr const char* kFreeWordCharacters =
    "ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ"
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
    "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"
    "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -?!.";

constexpr const char* kPhrases[] = {
    "至急連絡ください",
    "了解",
    "今から帰ります",
    "遅れます",
    "会議中",
    "電話ください",
    "お疲れ様",
    "おはよう",
    "おやすみ",
    "ありがとう",
    "ごめんね",
    "待ってます",
    "駅に着いた",
    "家に着いた",
    "会社",
    "学校",
    "買い物",
    "病院",
    "到着",
    "出発",
    "先に帰ります",
    "明日",
    "今日",
    "今夜",
    "週末",
    "誕生日おめでとう",
    "元気？",
    "大丈夫",
    "心配しないで",
    "また連絡します",
    "すぐ行く",
    "少し遅れる",
    "時間変更",
    "中止",
    "延期",
    "確認してください",
    "返事ください",
    "用件あり",
    "自宅",
    "携帯に電話",
    "公衆電話から",
    "後で",
    "お願い",
    "ごはん",
    "映画",
    "約束",
    "気をつけて",
    "がんばって",
    "おめでとう",
    "さようなら",
};

} // namespace

PagerType freeWordServiceType() {
    PagerType type;
    type.FreeStartCmd = "*2*2";
    type.FreeEndCmd = "*4";
    type.FormStartCmd = "*8";
    type.MsgEndCmd = "##";
    type.MsgCount = 48;
    type.FreeToSuzi = "/";
    type.MsgJoinSw = 1;
    type.MsgJoinFrontCmd = "*7";
    type.MsgJoinAfterCmd = "*7";
    int code = 11;
    for (const std::string& ch : characters(kFreeWordCharacters)) {
        type.FreeWords.push_back(entry(std::to_string(code), ch));
        code = code == 99 ? 11 : code + 1;
    }
    int number = 0;
    for (const char* phrase : kPhrases) {
        ++number;
        type.FormStyles.push_back(entry((number < 10 ? "0" : "") + std::to_string(number), phrase));
    }
    for (char d = '0'; d <= '9'; ++d) {
        type.NumberWords.push_back(entry(std::string(1, d), std::string(1, d)));
    }
    type.NumberWords.push_back(entry("*", "*"));
    type.NumberWords.push_back(entry("#", "#"));
    return type;
}

std::string freeWordServiceMessage(std::size_t bytes) {
    // Ends in free-word mode, so one-byte free words can pad it.
    static const std::string pattern =
        test::cp932Bytes("了解/0312345678/あしたのかいぎはココからです ABC!至急連絡くださいｶﾞﾝﾊﾞﾚ");
    std::string text;
    while (text.size() + pattern.size() <= bytes) {
        text += pattern;
    }
    text.append(bytes - text.size(), 'A');
    return text;
}

} // namespace tonalink::testing
