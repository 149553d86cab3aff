#include "type_edit_texts.h"

#include <QCoreApplication>
#include <array>
#include <utility>

namespace tonalink::typeedit {

QString title() {
    return QCoreApplication::translate("TypeEditTexts", "呼出機種の設定");
}

QString keyMeaning(std::string_view key) {
    static const std::array<std::pair<std::string_view, const char*>, 19> meanings{{
        {"FreeStartCmd", QT_TRANSLATE_NOOP("TypeEditTexts", "フリーワードを始めるコマンド")},
        {"FreeEndCmd",
         QT_TRANSLATE_NOOP("TypeEditTexts", "フリーワードを終えて数字に戻るコマンド")},
        {"FormStartCmd", QT_TRANSLATE_NOOP("TypeEditTexts", "定型文ごとに前に付けるコマンド")},
        {"FormEndCmd",
         QT_TRANSLATE_NOOP("TypeEditTexts", "定型文を終えるコマンド（送信には使われません）")},
        {"MsgEndCmd", QT_TRANSLATE_NOOP("TypeEditTexts", "1回の送信の最後に付けるコマンド")},
        {"MsgCount", QT_TRANSLATE_NOOP("TypeEditTexts", "1回の送信に入る桁数の上限")},
        {"AsCount",
         QT_TRANSLATE_NOOP("TypeEditTexts", "＊を1桁ずつ数える（オフ: ＊は特別な数え方）")},
        {"FreeToSuzi",
         QT_TRANSLATE_NOOP("TypeEditTexts", "フリーワードと数字を切り替える文字（半角1文字）")},
        {"FormContSw", QT_TRANSLATE_NOOP("TypeEditTexts", "続く定型文をまとめて送る")},
        {"FormContStartCmd",
         QT_TRANSLATE_NOOP("TypeEditTexts", "まとめた定型文の前に付けるコマンド")},
        {"MsgJoinSw", QT_TRANSLATE_NOOP("TypeEditTexts", "長いメッセージを番号付きで分けて送る")},
        {"MsgJoinFrontCmd",
         QT_TRANSLATE_NOOP("TypeEditTexts", "続きがある送信の最後に付けるコマンド")},
        {"MsgJoinAfterCmd", QT_TRANSLATE_NOOP("TypeEditTexts", "続きの送信の最初に付けるコマンド")},
        {"WaitTime", QT_TRANSLATE_NOOP("TypeEditTexts", "ダイヤルからコード送出までの秒数")},
        {"CutTime", QT_TRANSLATE_NOOP("TypeEditTexts", "コード送出の後に回線を保つ追加の秒数")},
        {"MsgCancelCmd", QT_TRANSLATE_NOOP("TypeEditTexts", "各送信のコードの前に送るコマンド")},
        {"PassWordSw", QT_TRANSLATE_NOOP("TypeEditTexts", "パスワードを使う機種")},
        {"PbOrPhsSw", QT_TRANSLATE_NOOP("TypeEditTexts", "センタを経由して呼び出す")},
        {"PhsCallEnd", QT_TRANSLATE_NOOP("TypeEditTexts", "センタ経由のとき番号の後に # を付ける")},
    }};
    for (const auto& [name, meaning] : meanings) {
        if (name == key)
            return QCoreApplication::translate("TypeEditTexts", meaning);
    }
    return {};
}

QString listTitle(PagerTypeList list) {
    switch (list) {
    case PagerTypeList::FormStyles:
        return QCoreApplication::translate("TypeEditTexts", "定型文");
    case PagerTypeList::FreeWords:
        return QCoreApplication::translate("TypeEditTexts", "フリーワード");
    case PagerTypeList::NumberWords:
        break;
    }
    return QCoreApplication::translate("TypeEditTexts", "数字");
}

QString warningText(const EntryWarning& warning, PagerTypeList list) {
    switch (warning.problem) {
    case EntryProblem::Empty:
        return QCoreApplication::translate("TypeEditTexts", "空の項目です");
    case EntryProblem::NoBracket:
        return QCoreApplication::translate("TypeEditTexts", "「]」がないため使われません");
    case EntryProblem::EmptyText:
        return QCoreApplication::translate("TypeEditTexts", "文字がないため使われません");
    case EntryProblem::WrongSize:
        return list == PagerTypeList::NumberWords
                   ? QCoreApplication::translate("TypeEditTexts", "半角1文字でないため使われません")
                   : QCoreApplication::translate("TypeEditTexts", "1文字ではありません");
    case EntryProblem::Shadowed:
        break;
    }
    return QCoreApplication::translate("TypeEditTexts", "%1行目が先に一致するため使われません")
        .arg(warning.by + 1);
}

QString countText(const ListInFile& list, std::string_view countKey) {
    if (list.countAgrees())
        return {};
    const QString key =
        QString::fromLatin1(countKey.data(), static_cast<qsizetype>(countKey.size()));
    if (!list.countPresent)
        return QCoreApplication::translate("TypeEditTexts", "件数 %1 がありません（項目は %2 件）")
            .arg(key)
            .arg(list.values.size());
    return QCoreApplication::translate("TypeEditTexts", "件数 %1=%2 が項目の数 %3 と合いません")
        .arg(key)
        .arg(list.count)
        .arg(list.values.size());
}

QString errorText(ProfileError error, const QString& detail) {
    switch (error) {
    case ProfileError::None:
        return {};
    case ProfileError::BadName:
        return QCoreApplication::translate(
            "TypeEditTexts", "この名前は使えません。\n空の名前、「]"
                             "」や前後の空白を含む名前、99バイトを超える名前は使えません。");
    case ProfileError::NameTaken:
        return QCoreApplication::translate("TypeEditTexts", "同じ名前の機種がすでにあります。");
    case ProfileError::TooLarge:
        return QCoreApplication::translate("TypeEditTexts", "これ以上は入りません。");
    case ProfileError::BadValue:
        return QCoreApplication::translate(
            "TypeEditTexts",
            "この値は保存できません。\n99バイトを超える値や、前後の空白で終わる値は入りません。");
    case ProfileError::NoSection:
        return QCoreApplication::translate("TypeEditTexts", "その機種はもうありません。");
    default:
        break;
    }
    return QCoreApplication::translate("TypeEditTexts", "保存できませんでした。\n%1").arg(detail);
}

} // namespace tonalink::typeedit
