<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CModemDlg</name>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>CTonalinkApp</name>
    <message>
        <source>ＬＯＧファイルのサイズが大きくなりました。
整理して下さい。</source>
        <translation>The log file has grown large.
Please tidy it up.</translation>
    </message>
    <message>
        <source>ＬＯＧファイルに書き込めませんでした。
</source>
        <translation>The log file could not be written.
</translation>
    </message>
    <message>
        <source>ＬＯＧの控えファイルに書き込めませんでした。
</source>
        <translation>The log&apos;s journal file could not be written.
</translation>
    </message>
</context>
<context>
    <name>CTonalinkView</name>
    <message>
        <source>送信をキャンセルしました</source>
        <translation>Sending was cancelled</translation>
    </message>
    <message>
        <source>この呼出機種ではメッセージを変換できません</source>
        <translation>This pager type cannot carry the message</translation>
    </message>
    <message>
        <source>呼出を開始できませんでした</source>
        <translation>The call could not start</translation>
    </message>
    <message>
        <source>回線エラーのため送信を中止しました</source>
        <translation>Sending stopped: the line failed</translation>
    </message>
    <message>
        <source>回線エラーのため送信を中止しました (%1)</source>
        <translation>Sending stopped: the line failed (%1)</translation>
    </message>
    <message>
        <source>送信できなかった相手があります。</source>
        <translation>Some callees were not paged.</translation>
    </message>
</context>
<context>
    <name>CallTexts</name>
    <message>
        <source>初期化中</source>
        <translation>Initialising</translation>
    </message>
    <message>
        <source>ダイヤル中</source>
        <translation>Dialling</translation>
    </message>
    <message>
        <source>メッセージ送信中</source>
        <translation>Sending message</translation>
    </message>
    <message>
        <source>切断処理中</source>
        <translation>Hanging up</translation>
    </message>
    <message>
        <source>リダイヤル待機中</source>
        <translation>Waiting to redial</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。</source>
        <translation>No timer is available to the window.</translation>
    </message>
    <message>
        <source>回線エラーのため送信を中止しました。</source>
        <translation>Sending stopped because the line failed.</translation>
    </message>
    <message>
        <source>応答 ： %1</source>
        <translation>Reply: %1</translation>
    </message>
</context>
<context>
    <name>CommLine</name>
    <message>
        <source>%1 は別のプログラム (PID %2) が使用中です。
(%3)</source>
        <translation>%1 is in use by another program (PID %2).
(%3)</translation>
    </message>
    <message>
        <source>%1 のロックファイル %2 を作れません。</source>
        <translation>Cannot create the lock file %2 for %1.</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogExchange</name>
    <message>
        <source>使用できない文字が含まれています。</source>
        <translation>The text contains characters that cannot be used.</translation>
    </message>
</context>
<context>
    <name>FormContextMenu</name>
    <message>
        <source>ｼｮｰﾄｶｯﾄ作成</source>
        <translation>Create Shortcut</translation>
    </message>
    <message>
        <source>ｼｮｰﾄｶｯﾄ読込・発信</source>
        <translation>Open Shortcut and Send</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ貼り付け</source>
        <translation>Paste Message</translation>
    </message>
</context>
<context>
    <name>FormControls</name>
    <message>
        <source>ﾊﾟｽﾜｰﾄﾞ</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>電話帳...</source>
        <translation>Phone Book...</translation>
    </message>
    <message>
        <source>ｸﾘｱ</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>呼出機種</source>
        <translation>Pager type</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ</source>
        <translation>Message</translation>
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
    <message>
        <source>定型伝言文</source>
        <translation>Set phrases</translation>
    </message>
    <message>
        <source>呼出機種を選択してください。</source>
        <translation>Choose a pager type.</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>送信</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>予約...</source>
        <translation>Schedule...</translation>
    </message>
    <message>
        <source>同報...</source>
        <translation>Broadcast...</translation>
    </message>
    <message>
        <source>呼出番号</source>
        <translation>Call number</translation>
    </message>
    <message>
        <source>ｾﾝﾀ番号</source>
        <translation>Centre number</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>ｼｮｰﾄｶｯﾄ作成(&amp;S)</source>
        <translation>Create &amp;Shortcut</translation>
    </message>
    <message>
        <source>ﾛｸﾞをｵｰﾌﾟﾝ(&amp;O)</source>
        <translation>&amp;Open Log</translation>
    </message>
    <message>
        <source>拡張機能(&amp;E)</source>
        <translation>&amp;Extensions</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>アンドゥ(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>ﾘｽﾄにﾒｯｾｰｼﾞを追加(&amp;A)</source>
        <translation>&amp;Add Message to List</translation>
    </message>
    <message>
        <source>ﾘｽﾄのﾒｯｾｰｼﾞを挿入</source>
        <translation>Insert Message from List</translation>
    </message>
    <message>
        <source>ﾘｽﾄのﾒｯｾｰｼﾞと置換え</source>
        <translation>Replace with Message from List</translation>
    </message>
    <message>
        <source>ﾓﾃﾞﾑ/回線の設定(&amp;M)...</source>
        <translation>&amp;Modem and Line...</translation>
    </message>
    <message>
        <source>電話帳の設定(&amp;A)...</source>
        <translation>Phone Book...</translation>
    </message>
    <message>
        <source>呼出機種の設定(&amp;P)...</source>
        <translation>&amp;Pager Types...</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ステータス バー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>トピック(&amp;T)</source>
        <translation>&amp;Topics</translation>
    </message>
    <message>
        <source>ヘルプの使い方(&amp;H)</source>
        <translation>&amp;Using Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Tonalink...</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>電話帳の設定</source>
        <translation>Edit the phone book</translation>
    </message>
    <message>
        <source>電話帳</source>
        <translation>Phone book</translation>
    </message>
    <message>
        <source>呼出機種の各種設定</source>
        <translation>Edit the pager types</translation>
    </message>
    <message>
        <source>呼出機種</source>
        <translation>Pager type</translation>
    </message>
    <message>
        <source>送信ﾛｸﾞﾌｧｲﾙのｵｰﾌﾟﾝ</source>
        <translation>Open the send log</translation>
    </message>
    <message>
        <source>LOGｵｰﾌﾟﾝ</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>ﾓﾃﾞﾑ/回線の設定</source>
        <translation>Modem and line settings</translation>
    </message>
    <message>
        <source>ﾓﾃﾞﾑ</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Tonalinkを終了</source>
        <translation>Quit Tonalink</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ｼｮｰﾄｶｯﾄﾌｧｲﾙの作成</source>
        <translation>Create a shortcut file</translation>
    </message>
    <message>
        <source>ｼｮｰﾄｶｯﾄ作成</source>
        <translation>Create Shortcut</translation>
    </message>
    <message>
        <source>拡張機能を使う</source>
        <translation>Use an extension</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ登録ﾘｽﾄに追加</source>
        <translation>Add the message to the message list</translation>
    </message>
    <message>
        <source>ﾘｽﾄにﾒｯｾｰｼﾞを追加</source>
        <translation>Add to list</translation>
    </message>
    <message>
        <source>登録ﾘｽﾄからﾒｯｾｰｼﾞを挿入</source>
        <translation>Insert a message from the message list</translation>
    </message>
    <message>
        <source>ﾘｽﾄから挿入</source>
        <translation>Insert from list</translation>
    </message>
    <message>
        <source>登録ﾘｽﾄのﾒｯｾｰｼﾞと置き換え</source>
        <translation>Replace with a message from the message list</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ欄からｺﾋﾟｰ</source>
        <translation>Copy from the message box</translation>
    </message>
    <message>
        <source>ｺﾋﾟｰ</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ欄から切り取り</source>
        <translation>Cut from the message box</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ欄に貼り付け</source>
        <translation>Paste into the message box</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ欄のやり直し</source>
        <translation>Undo in the message box</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝの表示</source>
        <translation>Show program information and version</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>TONALINK を終了します</source>
        <translation>Quit TONALINK</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ項目を表示</source>
        <translation>Show the help topics</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟの使い方</source>
        <translation>How to use help</translation>
    </message>
    <message>
        <source>ﾂｰﾙﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the status bar</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>COMポートがオープンできません
設定を変更し再起動してください。</source>
        <translation>The COM port cannot be opened.
Change the settings and restart.</translation>
    </message>
    <message>
        <source>モデムが応答しません</source>
        <translation>The modem does not answer</translation>
    </message>
</context>
<context>
    <name>tonalink::CAboutDlg</name>
    <message>
        <source>Tonalink のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Tonalink</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。</source>
        <translation>No timer is available to the window.</translation>
    </message>
    <message>
        <source>利用可能なメモリ ： %1 KB</source>
        <translation>Available memory: %1 KB</translation>
    </message>
    <message>
        <source>ディスク %1: の空き容量 ： %2 KB</source>
        <translation>Free space on disk %1: %2 KB</translation>
    </message>
</context>
<context>
    <name>tonalink::CBroadcastDlg</name>
    <message>
        <source>同時発信</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>発信グループ</source>
        <translation>Group to call</translation>
    </message>
    <message>
        <source>%1人</source>
        <translation>%1 people</translation>
    </message>
    <message>
        <source>発信</source>
        <translation>Call</translation>
    </message>
</context>
<context>
    <name>tonalink::CCallDlg</name>
    <message>
        <source>呼 出</source>
        <translation>Calling</translation>
    </message>
    <message>
        <source>状 態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ﾘﾀﾞｲﾔﾙ</source>
        <translation>Redial</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>受信者</source>
        <translation>Callee</translation>
    </message>
    <message>
        <source>番 号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>リダイヤル待機中</source>
        <translation>Waiting to redial</translation>
    </message>
</context>
<context>
    <name>tonalink::CCautionDlg</name>
    <message>
        <source>注&#x3000;意</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>発信時、センターが話し中の場合、送信処理が終了してもメッセージが送られません。
重要なメッセージは予約発信機能の使用を避けて下さい。</source>
        <translation>If the centre is busy when the call is placed, the message is not delivered even though sending ends.
Do not schedule important messages.</translation>
    </message>
    <message>
        <source>次回からこのメッセージを表示しない</source>
        <translation>Do not show this message again</translation>
    </message>
</context>
<context>
    <name>tonalink::CCommandViewDlg</name>
    <message>
        <source>ﾒｯｾｰｼﾞｺﾏﾝﾄﾞ</source>
        <translation>Message codes</translation>
    </message>
    <message>
        <source>全てをｸﾘｯﾌﾟﾎﾞｰﾄﾞへ</source>
        <translation>Copy All to Clipboard</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tonalink::CMainFrame</name>
    <message>
        <source>ﾚﾃﾞｨ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>ﾂｰﾙﾊﾞｰ</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>tonalink::CModemDlg</name>
    <message>
        <source>モデム・回線の設定</source>
        <translation>Modem and Line Settings</translation>
    </message>
    <message>
        <source>前値ATｺﾏﾝﾄﾞ</source>
        <translation>AT command prefix</translation>
    </message>
    <message>
        <source>電話回線</source>
        <translation>Telephone line</translation>
    </message>
    <message>
        <source>ﾊﾟﾙｽ</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>ﾄｰﾝ</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>内線-&gt;外線</source>
        <translation>Extension -&gt; outside line</translation>
    </message>
    <message>
        <source>特殊モデム</source>
        <translation>Special modems</translation>
    </message>
    <message>
        <source>非分割送信</source>
        <translation>Send undivided</translation>
    </message>
    <message>
        <source>携帯電話用モデム</source>
        <translation>Mobile phone modem</translation>
    </message>
    <message>
        <source>送信間隔</source>
        <translation>Interval between parts</translation>
    </message>
    <message>
        <source>COM ﾎﾟｰﾄ</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>現在のポケベルの設定</source>
        <translation>Current pager type</translation>
    </message>
    <message>
        <source>待機時間</source>
        <translation>Wait time</translation>
    </message>
    <message>
        <source>切断時間</source>
        <translation>Hang-up time</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tonalink::CMsgListDlg</name>
    <message>
        <source>メッセージ登録リスト</source>
        <translation>Message List</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>削除するリストを選択して下さい。</source>
        <translation>Select the message to delete.</translation>
    </message>
    <message>
        <source>削除しますか？</source>
        <translation>Delete it?</translation>
    </message>
</context>
<context>
    <name>tonalink::COpPropertyPage1</name>
    <message>
        <source>同報発信ｸﾞﾙｰﾌﾟ名設定</source>
        <translation>Broadcast group names</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ%1</source>
        <translation>Group %1</translation>
    </message>
    <message>
        <source>ﾘｾｯﾄ</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>tonalink::COpPropertyPage2</name>
    <message>
        <source>ﾎﾞﾀﾝ</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞ</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>設定するｺﾏﾝﾄﾞによっては意図しないﾒｯｾｰｼﾞを送信してしまう場合が考えられます。</source>
        <translation>Depending on the command you set, a message you did not intend may be sent.</translation>
    </message>
    <message>
        <source>設定可能文字</source>
        <translation>Characters allowed</translation>
    </message>
</context>
<context>
    <name>tonalink::COpPropertyPage3</name>
    <message>
        <source>予約発信機能の使用</source>
        <translation>Use scheduled sending</translation>
    </message>
    <message>
        <source>分割ﾒｯｾｰｼﾞを逆に送信</source>
        <translation>Send divided messages in reverse order</translation>
    </message>
    <message>
        <source>ｼｮｰﾄｶｯﾄ送信時に自動終了</source>
        <translation>Exit after sending a shortcut</translation>
    </message>
    <message>
        <source>電話帳設定</source>
        <translation>Phone book</translation>
    </message>
    <message>
        <source>拡張電話帳設定ツール(PBEDIT.EXE)を使う</source>
        <translation>Use the extended phone book editor (pbedit)</translation>
    </message>
    <message>
        <source>LOGﾌｧｲﾙｴﾃﾞｨﾀ設定</source>
        <translation>Log file editor</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>実行ファイル (*.exe);;All Files (*)</source>
        <translation>Programs (*.exe);;All Files (*)</translation>
    </message>
</context>
<context>
    <name>tonalink::COpPropertySheet</name>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>同報</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>ｶｽﾀﾑｺﾏﾝﾄﾞ</source>
        <translation>Custom commands</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tonalink::CPhoneBookDlg</name>
    <message>
        <source>電話帳参照</source>
        <translation>Phone Book</translation>
    </message>
    <message>
        <source>メッセージを送信したい人を選んでください。</source>
        <translation>Choose the person to send the message to.</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>電話帳</source>
        <translation>Phone book</translation>
    </message>
    <message>
        <source>電話帳情報ファイルがありません</source>
        <translation>There is no phone book file</translation>
    </message>
    <message>
        <source>電話帳データファイルがありません</source>
        <translation>There is no phone book data file</translation>
    </message>
    <message>
        <source>呼出機種 : %1 
呼出番号 : %2</source>
        <translation>Pager type: %1
Call number: %2</translation>
    </message>
</context>
<context>
    <name>tonalink::CReserveDlg</name>
    <message>
        <source>予約送信設定</source>
        <translation>Scheduled Sending</translation>
    </message>
    <message>
        <source>送信後終了</source>
        <translation>Exit after sending</translation>
    </message>
    <message>
        <source>発信時刻保存</source>
        <translation>Keep the time</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message>
        <source>発信時刻(24h)</source>
        <translation>Call at (24 h)</translation>
    </message>
</context>
<context>
    <name>tonalink::CReserveWaitDlg</name>
    <message>
        <source>発信予約中</source>
        <translation>Waiting to Send</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。
時刻表示できません。</source>
        <translation>No timer is available to the window.
The time cannot be shown.</translation>
    </message>
</context>
<context>
    <name>tonalink::CSingleDocTemplate</name>
    <message>
        <source>ｼｮｰﾄｶｯﾄ ﾌｧｲﾙ (*.tks);;All Files (*)</source>
        <translation>Shortcut Files (*.tks);;All Files (*)</translation>
    </message>
</context>
<context>
    <name>tonalink::CTonalinkApp</name>
    <message>
        <source>拡張DLLがインストールされていません。</source>
        <translation>The extension component is not installed.</translation>
    </message>
    <message>
        <source>ポケベル情報ファイルに書き込めませんでした。
</source>
        <translation>The pager type file could not be written.
</translation>
    </message>
</context>
<context>
    <name>tonalink::CTonalinkView</name>
    <message>
        <source>ﾒｯｾｰｼﾞを入力してください。</source>
        <translation>Enter a message.</translation>
    </message>
    <message>
        <source>電話帳情報ファイルがありません</source>
        <translation>There is no phone book file</translation>
    </message>
    <message>
        <source>送信をキャンセルしました。</source>
        <translation>Sending was cancelled.</translation>
    </message>
    <message>
        <source>送信を終了しました。</source>
        <translation>Sending has finished.</translation>
    </message>
    <message>
        <source>PBEDIT.EXE が見つかりませんでした。</source>
        <translation>The phone book editor (pbedit) was not found.</translation>
    </message>
    <message>
        <source>PBEDIT.DLL が見つかりませんでした。</source>
        <translation>The phone book editor component was not found.</translation>
    </message>
    <message>
        <source>Typeedit.Dllが見つかりません。</source>
        <translation>The pager type editor component was not found.</translation>
    </message>
    <message>
        <source>リストへの登録は、最大20個です。</source>
        <translation>The list holds at most 20 messages.</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ欄に、文字列がありません。</source>
        <translation>The message box is empty.</translation>
    </message>
    <message>
        <source>errorの時は登録できません。</source>
        <translation>A message in error cannot be added.</translation>
    </message>
    <message>
        <source>現在のメッセージ欄の
メッセージを登録しますか？</source>
        <translation>Add the message in the message box
to the list?</translation>
    </message>
    <message>
        <source>登録されました。</source>
        <translation>Added.</translation>
    </message>
    <message>
        <source>登録はキャンセルされました。</source>
        <translation>Not added.</translation>
    </message>
    <message>
        <source>送信処理を終了しました。</source>
        <translation>Sending has finished.</translation>
    </message>
    <message>
        <source>ｴﾗｰ時はｼｮｰﾄｶｯﾄを作成出来ません。</source>
        <translation>A shortcut cannot be created while the message is in error.</translation>
    </message>
    <message>
        <source>電話帳に登録されていないとｼｮｰﾄｶｯﾄを作成出来ません。</source>
        <translation>A shortcut can only be created for a callee in the phone book.</translation>
    </message>
    <message>
        <source>呼出番号が未入力です</source>
        <translation>No call number has been entered</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞが未入力です</source>
        <translation>No message has been entered</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。
時刻表示できません。</source>
        <translation>No timer is available to the window.
The time cannot be shown.</translation>
    </message>
    <message>
        <source>ポケベル情報ファイルがありません</source>
        <translation>There is no pager type file</translation>
    </message>
    <message>
        <source>ファイルが見つかりませんでした。</source>
        <translation>The file was not found.</translation>
    </message>
</context>
</TS>
