<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ChangedFileQuestion</name>
    <message>
        <source>%1 は、読み込んだ後にほかで変更されています。

はい: ファイルを読み直す (ここでの変更は捨てます)
いいえ: ここでの内容で上書きする
キャンセル: まだ保存しない</source>
        <translation>%1 has been changed elsewhere since it was read.

Yes: read the file again (the changes here are lost)
No: overwrite it with what is here
Cancel: do not save yet</translation>
    </message>
</context>
<context>
    <name>OpenEditor</name>
    <message>
        <source>この電話帳は別の「電話帳の設定」で開いています。</source>
        <translation>This phone book is open in another phone book editor.</translation>
    </message>
    <message>
        <source>maddress.dat を読めません。</source>
        <translation>maddress.dat cannot be read.</translation>
    </message>
</context>
<context>
    <name>TypeEditTexts</name>
    <message>
        <source>呼出機種の設定</source>
        <translation>Pager Types</translation>
    </message>
    <message>
        <source>フリーワードを始めるコマンド</source>
        <translation>Command that starts free text</translation>
    </message>
    <message>
        <source>フリーワードを終えて数字に戻るコマンド</source>
        <translation>Command that ends free text and returns to digits</translation>
    </message>
    <message>
        <source>定型文ごとに前に付けるコマンド</source>
        <translation>Command before each phrase</translation>
    </message>
    <message>
        <source>定型文を終えるコマンド（送信には使われません）</source>
        <translation>Command that ends phrases (not used when sending)</translation>
    </message>
    <message>
        <source>1回の送信の最後に付けるコマンド</source>
        <translation>Command that ends each call</translation>
    </message>
    <message>
        <source>1回の送信に入る桁数の上限</source>
        <translation>Most digits in one call</translation>
    </message>
    <message>
        <source>＊を1桁ずつ数える（オフ: ＊は特別な数え方）</source>
        <translation>Count each * as one digit (off: * is counted specially)</translation>
    </message>
    <message>
        <source>フリーワードと数字を切り替える文字（半角1文字）</source>
        <translation>Character that switches between free text and digits (one half-width character)</translation>
    </message>
    <message>
        <source>続く定型文をまとめて送る</source>
        <translation>Send consecutive phrases together</translation>
    </message>
    <message>
        <source>まとめた定型文の前に付けるコマンド</source>
        <translation>Command before joined phrases</translation>
    </message>
    <message>
        <source>長いメッセージを番号付きで分けて送る</source>
        <translation>Send long messages in numbered parts</translation>
    </message>
    <message>
        <source>続きがある送信の最後に付けるコマンド</source>
        <translation>Command that ends a call that has more to follow</translation>
    </message>
    <message>
        <source>続きの送信の最初に付けるコマンド</source>
        <translation>Command that starts a follow-on call</translation>
    </message>
    <message>
        <source>ダイヤルからコード送出までの秒数</source>
        <translation>Seconds from dialling to the codes</translation>
    </message>
    <message>
        <source>コード送出の後に回線を保つ追加の秒数</source>
        <translation>Extra seconds the line is held after the codes</translation>
    </message>
    <message>
        <source>各送信のコードの前に送るコマンド</source>
        <translation>Command sent before the codes of each call</translation>
    </message>
    <message>
        <source>パスワードを使う機種</source>
        <translation>Takes a password</translation>
    </message>
    <message>
        <source>センタを経由して呼び出す</source>
        <translation>Call through the centre</translation>
    </message>
    <message>
        <source>センタ経由のとき番号の後に # を付ける</source>
        <translation>Add # after the number when calling through the centre</translation>
    </message>
    <message>
        <source>定型文</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>フリーワード</source>
        <translation>Free text</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>空の項目です</source>
        <translation>empty entry</translation>
    </message>
    <message>
        <source>「]」がないため使われません</source>
        <translation>Not used: no closing &quot;]&quot;</translation>
    </message>
    <message>
        <source>文字がないため使われません</source>
        <translation>Not used: no character</translation>
    </message>
    <message>
        <source>半角1文字でないため使われません</source>
        <translation>Not used: not one half-width character</translation>
    </message>
    <message>
        <source>1文字ではありません</source>
        <translation>not one character</translation>
    </message>
    <message>
        <source>%1行目が先に一致するため使われません</source>
        <translation>Not used: line %1 matches first</translation>
    </message>
    <message>
        <source>件数 %1 がありません（項目は %2 件）</source>
        <translation>count %1 is missing (%2 entries)</translation>
    </message>
    <message>
        <source>件数 %1=%2 が項目の数 %3 と合いません</source>
        <translation>count %1=%2 does not match the %3 entries</translation>
    </message>
    <message>
        <source>この名前は使えません。
空の名前、「]」や前後の空白を含む名前、99バイトを超える名前は使えません。</source>
        <translation>This name cannot be used.
A name may not be empty, contain &quot;]&quot;, begin or end with spaces, or exceed 99 bytes.</translation>
    </message>
    <message>
        <source>同じ名前の機種がすでにあります。</source>
        <translation>There is already a pager type with that name.</translation>
    </message>
    <message>
        <source>これ以上は入りません。</source>
        <translation>No more fit.</translation>
    </message>
    <message>
        <source>この値は保存できません。
99バイトを超える値や、前後の空白で終わる値は入りません。</source>
        <translation>This value cannot be saved.
A value may not exceed 99 bytes or begin or end with spaces.</translation>
    </message>
    <message>
        <source>その機種はもうありません。</source>
        <translation>That pager type no longer exists.</translation>
    </message>
    <message>
        <source>保存できませんでした。
%1</source>
        <translation>Could not save.
%1</translation>
    </message>
</context>
<context>
    <name>tonalink::CCalleeForm</name>
    <message>
        <source>長すぎます</source>
        <translation>too long</translation>
    </message>
    <message>
        <source>0-9 * # , 以外の文字</source>
        <translation>characters other than 0-9 * # ,</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>文</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>呼出機種(&amp;T)</source>
        <translation>Pager &amp;type</translation>
    </message>
    <message>
        <source>呼出番号(&amp;N)</source>
        <translation>Call &amp;number</translation>
    </message>
    <message>
        <source>センター番号(&amp;C)</source>
        <translation>&amp;Centre number</translation>
    </message>
    <message>
        <source>パスワード(&amp;W)</source>
        <translation>Pass&amp;word</translation>
    </message>
    <message>
        <source>グループ(&amp;G)</source>
        <translation>&amp;Group</translation>
    </message>
    <message>
        <source>定型文を追加(&amp;I)</source>
        <translation>Add Phrase (&amp;I)</translation>
    </message>
    <message>
        <source>定型文を削除(&amp;X)</source>
        <translation>Delete Phrase (&amp;X)</translation>
    </message>
    <message>
        <source>この人の定型文</source>
        <translation>This callee&apos;s phrases</translation>
    </message>
    <message>
        <source>定型文のコードに ] は使えません。</source>
        <translation>A phrase code cannot contain ].</translation>
    </message>
    <message>
        <source>Shift-JIS で書けない文字があります。</source>
        <translation>The text has characters that Shift-JIS cannot hold.</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>tonalink::CEntryListPage</name>
    <message>
        <source>件数を合わせる(&amp;C)</source>
        <translation>Fix the &amp;Count</translation>
    </message>
    <message>
        <source>挿入(&amp;I)</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>上へ(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>下へ(&amp;N)</source>
        <translation>Move Dow&amp;n</translation>
    </message>
</context>
<context>
    <name>tonalink::CEntryTableModel</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>tonalink::CImportReportDlg</name>
    <message>
        <source>名前がありません</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>名前に使えない文字か長さです</source>
        <translation>the name has a character or length that cannot be used</translation>
    </message>
    <message>
        <source>列が多すぎます</source>
        <translation>too many columns</translation>
    </message>
    <message>
        <source>グループは空か 0～4 です</source>
        <translation>the group is empty or 0 to 4</translation>
    </message>
    <message>
        <source>定型文の数が合いません</source>
        <translation>the number of phrases does not match</translation>
    </message>
    <message>
        <source>保存できない値です (99 バイトまで、改行と前後の空白は不可)</source>
        <translation>value cannot be saved (at most 99 bytes, no line breaks, no leading or trailing spaces)</translation>
    </message>
    <message>
        <source>Shift-JIS にない文字があります</source>
        <translation>characters Shift-JIS cannot hold</translation>
    </message>
    <message>
        <source>同じ名前が前の行にあります</source>
        <translation>the same name is on an earlier line</translation>
    </message>
    <message>
        <source>行が多すぎます (%1 行まで)</source>
        <translation>too many lines (at most %1)</translation>
    </message>
    <message>
        <source>電話帳の名前の一覧がいっぱいです</source>
        <translation>the list of names in the phone book is full</translation>
    </message>
    <message>
        <source>%1 行目</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>%1 行目 (%2)</source>
        <translation>Line %1 (%2)</translation>
    </message>
    <message>
        <source>CSV読込</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>追加 %1 件、更新 %2 件、読み込まなかった行 %3 件</source>
        <translation>%1 added, %2 updated, %3 lines not imported</translation>
    </message>
    <message>
        <source>
使わない列: %1</source>
        <translation>
Columns not used: %1</translation>
    </message>
    <message>
        <source>… ほか %1 件</source>
        <translation>… and %1 more</translation>
    </message>
</context>
<context>
    <name>tonalink::CPbEditDlg</name>
    <message>
        <source>電話帳の設定</source>
        <translation>Phone Book</translation>
    </message>
    <message>
        <source>その名前は使えません。</source>
        <translation>That name cannot be used.</translation>
    </message>
    <message>
        <source>同じ名前の人がすでにいます。</source>
        <translation>There is already a callee with that name.</translation>
    </message>
    <message>
        <source>保存できない値があります (99バイトまで、前後の空白は不可)。</source>
        <translation>Some values cannot be saved (at most 99 bytes, no leading or trailing spaces).</translation>
    </message>
    <message>
        <source>電話帳がいっぱいです (名前の一覧かファイルの大きさ)。</source>
        <translation>The phone book is full (the list of names or the file size).</translation>
    </message>
    <message>
        <source>保存できませんでした。</source>
        <translation>Could not save.</translation>
    </message>
    <message>
        <source>電話帳を読めません。</source>
        <translation>The phone book cannot be read.</translation>
    </message>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>名前変更(&amp;R)</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>CSV読込(&amp;M)...</source>
        <translation>I&amp;mport CSV...</translation>
    </message>
    <message>
        <source>CSV書出(&amp;E)...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source> （重複）</source>
        <translation> (duplicate)</translation>
    </message>
    <message>
        <source>同じ名前の人が上にいるため、この人は使われません。名前を変えるか削除してください。</source>
        <translation>A callee with the same name is above, so this one is not used. Rename or delete it.</translation>
    </message>
    <message>
        <source>入力中の値は電話帳に書けません。
%1

この値を捨てますか？</source>
        <translation>The value being typed cannot be written to the phone book.
%1

Discard it?</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>新しい名前:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>%1 を削除しますか？</source>
        <translation>Delete %1?</translation>
    </message>
    <message>
        <source>電話帳に書けない値があるため保存できません。
</source>
        <translation>Cannot save: some values cannot be written to the phone book.
</translation>
    </message>
    <message>
        <source>CSV読込</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv);;すべて (*)</source>
        <translation>CSV (*.csv);;All Files (*)</translation>
    </message>
    <message>
        <source>読み込めませんでした: 読めないか、大きすぎるか、見出し行に Name 列がないファイルです。</source>
        <translation>Could not import: the file is unreadable, too large, or its header row has no Name column.</translation>
    </message>
    <message>
        <source>CSV書出</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>書き出せませんでした。
</source>
        <translation>Could not export.
</translation>
    </message>
    <message>
        <source>%1 人を書き出しました。
%2</source>
        <translation>Exported %1 callees.
%2</translation>
    </message>
    <message>
        <source>変更を保存しますか？</source>
        <translation>Save the changes?</translation>
    </message>
</context>
<context>
    <name>tonalink::CSendLogViewDlg</name>
    <message>
        <source>項目の数が違います</source>
        <translation>wrong number of fields</translation>
    </message>
    <message>
        <source>引用符の位置が違います</source>
        <translation>a quote is out of place</translation>
    </message>
    <message>
        <source>引用符が閉じていません</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>行が長すぎます</source>
        <translation>the line is too long</translation>
    </message>
    <message>
        <source>日付が読めません</source>
        <translation>the date cannot be read</translation>
    </message>
    <message>
        <source>時刻が読めません</source>
        <translation>the time cannot be read</translation>
    </message>
    <message>
        <source>文字でないバイトがあります</source>
        <translation>bytes that are not characters</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Callee</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>CSVに書き出す(&amp;S)...</source>
        <translation>Export to CSV (&amp;S)...</translation>
    </message>
    <message>
        <source>送信ログ</source>
        <translation>Send Log</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>理由</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>送信記録(&amp;1)</source>
        <translation>Sends (&amp;1)</translation>
    </message>
    <message>
        <source>相手別(&amp;2)</source>
        <translation>By Callee (&amp;2)</translation>
    </message>
    <message>
        <source>日別(&amp;3)</source>
        <translation>By Day (&amp;3)</translation>
    </message>
    <message>
        <source>読めない行(&amp;4)</source>
        <translation>Unreadable Lines (&amp;4)</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>読めない行 %1(&amp;4)</source>
        <translation>Unreadable Lines %1 (&amp;4)</translation>
    </message>
    <message>
        <source>送信ログ %1 がありません。</source>
        <translation>The send log %1 does not exist.</translation>
    </message>
    <message>
        <source>全 %1 件中 %2 件を表示&#x3000;読めない行 %3 行</source>
        <translation>Showing %2 of %1 records  Unreadable lines: %3</translation>
    </message>
    <message>
        <source>（一覧は最初の %1 行）</source>
        <translation>(the list shows the first %1 lines)</translation>
    </message>
    <message>
        <source>&#x3000;※大きすぎるため %1 行目までを読みました</source>
        <translation>  (too large: read up to line %1)</translation>
    </message>
    <message>
        <source>送信ログを読めませんでした: %1</source>
        <translation>The send log could not be read: %1</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>  </translation>
    </message>
    <message>
        <source>CSVに書き出す</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <source>送信ログ.csv</source>
        <translation>send-log.csv</translation>
    </message>
    <message>
        <source>書き出せませんでした。
%1</source>
        <translation>Could not export.
%1</translation>
    </message>
    <message>
        <source>%1 件を書き出しました</source>
        <translation>Exported %1 records</translation>
    </message>
</context>
<context>
    <name>tonalink::CTryItBox</name>
    <message>
        <source>試しに変換</source>
        <translation>Try It</translation>
    </message>
    <message>
        <source>メッセージを入力すると、この機種で送るコードを表示します</source>
        <translation>Type a message to see the codes this pager type sends</translation>
    </message>
    <message>
        <source>メッセージ(&amp;M):</source>
        <translation>&amp;Message:</translation>
    </message>
    <message>
        <source>桁数</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>ﾌﾘｰﾜｰﾄﾞ+定型文</source>
        <translation>Free text + phrases</translation>
    </message>
    <message>
        <source>数字+定型文</source>
        <translation>Digits + phrases</translation>
    </message>
    <message>
        <source>ﾌﾘｰﾜｰﾄﾞのみ</source>
        <translation>Free text only</translation>
    </message>
    <message>
        <source>ﾀﾞｲﾚｸﾄ</source>
        <translation>Direct</translation>
    </message>
</context>
<context>
    <name>tonalink::CTypeEditDlg</name>
    <message>
        <source>機種(&amp;T):</source>
        <translation>Pager &amp;type:</translation>
    </message>
    <message>
        <source>追加(&amp;A)...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>コピー(&amp;O)...</source>
        <translation>C&amp;opy...</translation>
    </message>
    <message>
        <source>名前の変更(&amp;R)...</source>
        <translation>&amp;Rename...</translation>
    </message>
    <message>
        <source>削除(&amp;L)</source>
        <translation>De&amp;lete</translation>
    </message>
    <message>
        <source>設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>保存(&amp;W)</source>
        <translation>Save (&amp;W)</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>新しい機種の名前:</source>
        <translation>Name of the new pager type:</translation>
    </message>
    <message>
        <source>コピーした機種の名前:</source>
        <translation>Name of the copy:</translation>
    </message>
    <message>
        <source> のコピー</source>
        <translation> copy</translation>
    </message>
    <message>
        <source>新しい名前:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>電話帳の %1 人がこの機種を使っています。
その人たちの呼出機種も「%2」に変えますか？
(電話帳は保存のときに書き換えます)</source>
        <translation>%1 callees in the phone book use this pager type.
Change their pager type to &quot;%2&quot; too?
(the phone book is rewritten when you save)</translation>
    </message>
    <message>
        <source>機種「%1」を削除しますか？</source>
        <translation>Delete the pager type &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>(変えない)</source>
        <translation>(keep)</translation>
    </message>
    <message>
        <source>電話帳の %1 人がこの機種を使っています。
その人たちの呼出機種を次に変えます (保存のとき):</source>
        <translation>%1 callees in the phone book use this pager type.
Change their pager type to (when saved):</translation>
    </message>
    <message>
        <source>変更を保存しますか？</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>call.dat を読めません。</source>
        <translation>call.dat cannot be read.</translation>
    </message>
</context>
<context>
    <name>tonalink::LogFilterBar</name>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>期間(&amp;D)</source>
        <translation>&amp;Dates</translation>
    </message>
    <message>
        <source>キャンセルのみ</source>
        <translation>Cancelled only</translation>
    </message>
    <message>
        <source>キャンセルを除く</source>
        <translation>Without cancelled</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>相手(&amp;N):</source>
        <translation>Call&amp;ee:</translation>
    </message>
    <message>
        <source>機種(&amp;T):</source>
        <translation>Pager &amp;type:</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C):</source>
        <translation>&amp;Cancelled:</translation>
    </message>
</context>
<context>
    <name>tonalink::SendLogTableModel</name>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>呼出番号</source>
        <translation>Call number</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>機種</source>
        <translation>Pager type</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>コマンド</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>キャンセルされた送信</source>
        <translation>Cancelled send</translation>
    </message>
</context>
<context>
    <name>tonalink::TotalsModel</name>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>件数</source>
        <translation>Sends</translation>
    </message>
    <message>
        <source>うちキャンセル</source>
        <translation>Cancelled</translation>
    </message>
</context>
</TS>
