<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>tonalink-cli</name>
    <message>
        <source>送信を終了しました。</source>
        <translation>Sending has finished.</translation>
    </message>
    <message>
        <source>送信をキャンセルしました。</source>
        <translation>Sending was cancelled.</translation>
    </message>
    <message>
        <source>ＬＯＧファイルのサイズが大きくなりました。
整理して下さい。</source>
        <translation>The log file has grown large.
Please tidy it up.</translation>
    </message>
</context>
</TS>
