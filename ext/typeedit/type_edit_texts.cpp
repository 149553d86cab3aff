#include "type_edit_texts.h"

#include <array>
#include <utility>

namespace tonalink::typeedit {

QString keyMeaning(std::string_view key) {
    static const std::array<std::pair<std::string_view, const char*>, 19> meanings{{
        {"FreeStartCmd", "フリーワードを始めるコマンド"},
        {"FreeEndCmd", "フリーワードを終えて数字に戻るコマンド"},
        {"FormStartCmd", "定型文ごとに前に付けるコマンド"},
        {"FormEndCmd", "定型文を終えるコマンド（送信には使われません）"},
        {"MsgEndCmd", "1回の送信の最後に付けるコマンド"},
        {"MsgCount", "1回の送信に入る桁数の上限"},
        {"AsCount", "＊を1桁ずつ数える（オフ: ＊は特別な数え方）"},
        {"FreeToSuzi", "フリーワードと数字を切り替える文字（半角1文字）"},
        {"FormContSw", "続く定型文をまとめて送る"},
        {"FormContStartCmd", "まとめた定型文の前に付けるコマンド"},
        {"MsgJoinSw", "長いメッセージを番号付きで分けて送る"},
        {"MsgJoinFrontCmd", "続きがある送信の最後に付けるコマンド"},
        {"MsgJoinAfterCmd", "続きの送信の最初に付けるコマンド"},
        {"WaitTime", "ダイヤルからコード送出までの秒数"},
        {"CutTime", "コード送出の後に回線を保つ追加の秒数"},
        {"MsgCancelCmd", "各送信のコードの前に送るコマンド"},
        {"PassWordSw", "パスワードを使う機種"},
        {"PbOrPhsSw", "センタを経由して呼び出す"},
        {"PhsCallEnd", "センタ経由のとき番号の後に # を付ける"},
    }};
    for (const auto& [name, meaning] : meanings) {
        if (name == key)
            return QString::fromUtf8(meaning);
    }
    return {};
}

QString listTitle(PagerTypeList list) {
    switch (list) {
    case PagerTypeList::FormStyles:
        return QStringLiteral("定型文");
    case PagerTypeList::FreeWords:
        return QStringLiteral("フリーワード");
    case PagerTypeList::NumberWords:
        break;
    }
    return QStringLiteral("数字");
}

QString warningText(const EntryWarning& warning, PagerTypeList list) {
    switch (warning.problem) {
    case EntryProblem::Empty:
        return QStringLiteral("空の項目です");
    case EntryProblem::NoBracket:
        return QStringLiteral("「]」がないため使われません");
    case EntryProblem::EmptyText:
        return QStringLiteral("文字がないため使われません");
    case EntryProblem::WrongSize:
        return list == PagerTypeList::NumberWords
                   ? QStringLiteral("半角1文字でないため使われません")
                   : QStringLiteral("1文字ではありません");
    case EntryProblem::Shadowed:
        break;
    }
    return QStringLiteral("%1行目が先に一致するため使われません").arg(warning.by + 1);
}

QString countText(const ListInFile& list, std::string_view countKey) {
    if (list.countAgrees())
        return {};
    const QString key =
        QString::fromLatin1(countKey.data(), static_cast<qsizetype>(countKey.size()));
    if (!list.countPresent)
        return QStringLiteral("件数 %1 がありません（項目は %2 件）")
            .arg(key)
            .arg(list.values.size());
    return QStringLiteral("件数 %1=%2 が項目の数 %3 と合いません")
        .arg(key)
        .arg(list.count)
        .arg(list.values.size());
}

QString errorText(ProfileError error, const QString& detail) {
    switch (error) {
    case ProfileError::None:
        return {};
    case ProfileError::BadName:
        return QStringLiteral("この名前は使えません。\n空の名前、「]"
                              "」や前後の空白を含む名前、99バイトを超える名前は使えません。");
    case ProfileError::NameTaken:
        return QStringLiteral("同じ名前の機種がすでにあります。");
    case ProfileError::TooLarge:
        return QStringLiteral("これ以上は入りません。");
    case ProfileError::BadValue:
        return QStringLiteral(
            "この値は保存できません。\n99バイトを超える値や、前後の空白で終わる値は入りません。");
    case ProfileError::NoSection:
        return QStringLiteral("その機種はもうありません。");
    default:
        break;
    }
    return QStringLiteral("保存できませんでした。\n%1").arg(detail);
}

} // namespace tonalink::typeedit
