// The Japanese texts of the catalogue; complete, though no language code selects them yet.
#include "catalogue/Tables.h"

namespace loc {

void FillJapanese(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"追加"));
    table.insert(T(6, L"ファイルの追加"));
    table.insert(T(7, L"オーディオブックのファイル一覧にファイルを追加します。"));
    table.insert(T(8, L"削除"));
    table.insert(T(9, L"ファイルの削除"));
    table.insert(T(10, L"選択したファイルをオーディオブックのファイル一覧から削除します。"));
    table.insert(T(11, L"分割"));
    table.insert(T(12, L"オーディオブックの分割"));
    table.insert(T(13, L"オーディオブックのファイルを分割します。"));
    table.insert(T(20, L"トラックの長さ"));
    table.insert(T(21, L"トラックの接頭辞"));
    table.insert(T(22, L"トラック"));
    table.insert(T(23, L"ヘルプ"));
    table.insert(T(24, L"Vellomar のヘルプを表示します。"));
    table.insert(T(25, L"Vellomar について"));
    table.insert(T(26, L"Vellomar の情報を表示します。"));
    table.insert(T(27, L"終了"));
    table.insert(T(28, L"プログラムを終了します。"));
    table.insert(T(29, L"オーディオブックの MP3 ファイル"));
    table.insert(T(33, L"進行状況"));
    table.insert(T(34, L"Vellomar へようこそ！"));
    table.insert(T(36, L"© 2009-2013 Vellomar 作者一同"));
    table.insert(T(38, L"このプログラムはフリーソフトウェアであり、GPL のもとで公開されています。"));
    table.insert(T(39, L"謝辞:"));
    table.insert(T(40, L"詳しくは Web サイトをご覧ください:"));
    table.insert(T(41, L"保存先のフォルダーを選択してください"));
    table.insert(T(42, L"\"%s\" を書き込みました"));
    table.insert(T(43, L"オーディオブックを分割しました。"));
    table.insert(T(44, L"ユーザーによって中止されました！"));
    table.insert(T(45, L"エラーが発生しました: %s。"));
    table.insert(T(46, L"オーディオブックのファイルを追加"));
    table.insert(T(47, L"フォルダー %s は空ではありません。必要に応じて既存のファイルを上書きしますか？"));
    table.insert(T(48, L"MP3 ファイル"));
    table.insert(T(49, L"すべてのファイル"));
    table.insert(T(50, L"%s を追加しました。"));
    table.insert(T(51, L"%s を削除しました。"));
    table.insert(T(52, L"分"));
    table.insert(T(53, L"秒"));
    table.insert(T(55, L"トラックの最小の長さを %d 分に変更しました。"));
    table.insert(T(56, L"トラックの最小の長さを %d 秒に変更しました。"));
    table.insert(T(57, L"%s を分割しています..."));
    table.insert(T(58, L"分割しています..."));
    table.insert(T(59, L"先に分割処理を中止してください。"));
    table.insert(T(60, L"本当に終了しますか？"));
    table.insert(T(61, L"トラックの基本名を \"%s\" に変更しました。"));
    table.insert(T(62, L"寄付によるご支援をお願いします"));
    table.insert(T(67, L"ファイル %s が見つかりません。"));
    table.insert(T(68, L"ファイル %s を開けませんでした。"));
    table.insert(T(69, L"フォルダー %s が見つかりません。"));
    table.insert(T(70, L"フォルダー %s を開けませんでした。"));
    table.insert(T(71, L"オーディオ デコーダーの初期化中にエラーが発生しました。"));
    table.insert(T(72, L"ファイルの読み込み中にエラーが発生しました。"));
    table.insert(T(73, L"ファイルの書き込み中にエラーが発生しました。"));
    table.insert(T(74, L"ファイルを開くときにエラーが発生しました。"));
    table.insert(T(75, L"入力オーディオ ファイルが壊れています。"));
    table.insert(T(76, L"分割エンジンでエラーが発生しました。"));
    table.insert(T(77, L"予期しないエラーが発生しました。"));
    table.insert(T(87, L"日本語訳: 森川 健太、高野 美咲"));
    table.insert(T(90, L"Vellomar ヘルプ"));
    table.insert(T(91,
        L"<br><br>"
        L"<h5>はじめに</h5>"
        L"<p>Vellomar は、長い MP3 形式のオーディオブック "
        L"ファイルを再エンコードせずに小さなファイルへ分割するプログラムです。音声は元のまま変わりません。"
        L"文と文の間の無音を検出して分割位置を自動的に見つけるため、"
        L"単語の途中で始まったり終わったりする部分はできません。</p>"
        L"<p>オーディオブック、講義、ラジオドラマ、ポッドキャストなど、"
        L"あらゆる種類の音声コンテンツに使えます。小さなファイルは携帯プレーヤーで扱いやすく、"
        L"シンプルな画面はスクリーン リーダーや画面拡大ソフトともよく連携します。</p>"
        L"<br><br>"
        L"<i>プロジェクト独自の百科事典 Vellomar Wiki より引用。</i>"
        L"<br><br>"
        L"<h5>プログラムの使い方</h5>"
        L"<p>Vellomar は、話し声を長時間録音した MP3 ファイル向けに作られています。途切れの少ない音楽は、"
        L"無音での分割には向きません。</p>"
        L"<p><b>まず</b>、1 つ以上の MP3 ファイルをファイル一覧に追加します。"
        L"オーディオブックが複数のファイルでできている場合は、"
        L"正しい順序に並んでいることを確認してください。</p>"
        L"<p><b>次に</b>、分割を開始し、新しいファイルの保存先フォルダーを選択します。"
        L"進行状況ウィンドウに分割の進み具合が表示されます。</p>"
        L"<br><br>"
        L"<h5>コントロール</h5>"
        L"<p>コントロールの上にマウス ポインターをしばらく置くと、その機能を示す短い説明が表示されます。"
        L"</p>"
        L"<dl>"
        L"<dt><b>ファイルの追加</b></dt><dd>オーディオブックのファイル一覧に MP3 ファイルを追加します。"
        L"</dd>"
        L"<dt><b>オーディオブックの分割</b></dt><dd>一覧のファイルを短い部分に分割します。</dd>"
        L"<dt><b>トラックの長さ</b></dt><dd>各部分の長さを 15 秒から 80 分の間で設定します。</dd>"
        L"<dt><b>ヘルプ</b></dt><dd>このヘルプ ページを表示します。</dd>"
        L"<dt><b>Vellomar について</b></dt><dd>プログラムのバージョンと作者を表示します。</dd>"
        L"<dt><b>終了</b></dt><dd>プログラムを閉じます。</dd>"
        L"</dl>"
        L"<b>キーボード ショートカット</b><br>"
        L"ファイルの追加: Ctrl + O<br>"
        L"選択したファイルの削除: Del<br>"
        L"分割: Ctrl + S<br>"
        L"分割の中止: ESC<br>"
        L"ヘルプ ダイアログ: F1<br>"
        L"終了: Alt + F4<br>"));
    table.insert(T(92,
        L"ご協力をお願いします:\nこのアプリケーションの日本語訳はまだ完成していません。\n"
        L"作者に連絡して、プロジェクトを支援してください。"));
}

} // namespace loc
