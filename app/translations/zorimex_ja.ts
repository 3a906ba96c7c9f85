<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorimex converts foreign money into yen at fixed rates and shows the result the way a
Japanese reader says an amount (so many 万, one digit of 千 and the yen below one thousand).
The program takes no arguments; it remembers one answer in its preference file (see zorimex(1)).</source>
        <translation>Zorimex は外国のお金を決まったレートで円に換算し、日本語で金額を言うときの形
（何万、千の位の一桁、千円未満の円）で結果を示します。
このプログラムは引数を取りません。答えを一つ設定ファイルに覚えます（zorimex(1) を参照）。</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>zorimex: %1 (see: %2 --help)</source>
        <translation>zorimex: %1（%2 --help を参照）</translation>
    </message>
    <message>
        <source>zorimex: unexpected argument &apos;%1&apos;: the program takes none (see: %2 --help)</source>
        <translation>zorimex: 余分な引数 &apos;%1&apos;: このプログラムは引数を取りません（%2 --help を参照）</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>zorimex: no display to open (neither DISPLAY nor WAYLAND_DISPLAY is set); to run without a desktop, start it as: xvfb-run %1</source>
        <translation>zorimex: 開くディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。デスクトップなしで動かすには次のように起動します: xvfb-run %1</translation>
    </message>
</context>
</TS>
