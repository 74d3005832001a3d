<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートの確認</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>ユーザーガイド(&amp;U)</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>フィードバックとサポート(&amp;F)</translation>
    </message>
    <message>
        <source>Show &amp;Log Folder</source>
        <translation>ログフォルダーを表示(&amp;L)</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>%1 について(&amp;A)</translation>
    </message>
</context>
<context>
    <name>ExportManager</name>
    <message>
        <source>Note</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>The desktop calendar and address book service (Evolution Data Server) cannot be reached. Please make sure it is installed and that this program runs inside your desktop session.</source>
        <translation>デスクトップのカレンダーとアドレス帳のサービス (Evolution Data Server) に接続できません。インストールされていること、およびこのプログラムがデスクトップ セッション内で実行されていることを確認してください。</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>ネットワークエラーです。接続を確認してください。</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>プログラムがクラッシュしました。</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>クラッシュレポートを開発元に送信してください。(%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>は現在利用可能な最新バージョンです。</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>リクエストが多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>HtmlPrinter</name>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
</context>
<context>
    <name>ListViewSortMenu</name>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>件名</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>From / Name</source>
        <translation>差出人 / 名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>昇順</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降順</translation>
    </message>
</context>
<context>
    <name>LossNotice</name>
    <message numerus="yes">
        <source>%1: %n item(s) could not be shown (see the log).</source>
        <translation>
            <numerusform>%1: %n 件のアイテムを表示できませんでした (ログを参照してください)。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: damaged name map; task and journal details are missing.</source>
        <translation>%1: 名前マップが破損しています。タスクと履歴の詳細が欠けています。</translation>
    </message>
    <message>
        <source>Items that are damaged, of unknown kinds or missing from the file&apos;s index.</source>
        <translation>破損している、種類が不明、またはファイルのインデックスにないアイテム。</translation>
    </message>
</context>
<context>
    <name>MailPrintProvider</name>
    <message>
        <source>Date:</source>
        <translation>日時:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>宛先:</translation>
    </message>
    <message>
        <source>Cc:</source>
        <translation>CC:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>添付ファイル:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>件名:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>差出人:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Show &amp;Hidden Folders</source>
        <translation>隠しフォルダーを表示(&amp;H)</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>ここにファイルを追加するか、ドラッグしてください</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ ファイルを追加</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Item List</source>
        <translation>アイテム一覧</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>No Item Selected</source>
        <translation>アイテムが選択されていません</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error opening file!</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>Outlook Data Files (*.pst *.ost)</source>
        <translation>Outlook データ ファイル (*.pst *.ost)</translation>
    </message>
    <message>
        <source>Still Opening</source>
        <translation>まだ開いています</translation>
    </message>
    <message>
        <source>This file is still being read. Convert and Export can start once every folder shows its number of items.</source>
        <translation>このファイルはまだ読み込み中です。すべてのフォルダーに項目数が表示されると、変換とエクスポートを開始できます。</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>No Outlook file at hand? In Lumaroo&apos;s source folder, ./scripts/run.sh opens a sample mailbox.</source>
        <translation>手元に Outlook ファイルがありませんか? Lumaroo のソースフォルダーで ./scripts/run.sh を実行すると、サンプルのメールボックスが開きます。</translation>
    </message>
</context>
<context>
    <name>MyWebViewWidget</name>
    <message>
        <source>Link not opened</source>
        <translation>リンクを開きませんでした</translation>
    </message>
    <message>
        <source>Only web and e-mail links are opened. This link was not opened:
%1</source>
        <translation>開くのは Web リンクとメール リンクだけです。次のリンクは開きませんでした:
%1</translation>
    </message>
</context>
<context>
    <name>NativeMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OutputFolderCheck</name>
    <message>
        <source>Cannot write to the output folder %1: %2.</source>
        <translation>出力先フォルダー %1 に書き込めません: %2。</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Browse, convert and print Outlook data files (.pst, .ost).
Every FILE is opened in the window; lumaroo-cli does the same without one.</source>
        <translation>Outlook データ ファイル (.pst、.ost) を閲覧、変換、印刷します。
各 FILE はウィンドウで開かれます。lumaroo-cli はウィンドウなしで同じことを行います。</translation>
    </message>
    <message>
        <source>Outlook data files to open.</source>
        <translation>開く Outlook データ ファイル。</translation>
    </message>
    <message>
        <source>Try &apos;lumaroo --help&apos; for more information.</source>
        <translation>詳しくは &apos;lumaroo --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>読み取れるファイルではありません</translation>
    </message>
</context>
<context>
    <name>PstExportDialog</name>
    <message>
        <source>Ignore Empty Folders</source>
        <translation>空のフォルダーを無視</translation>
    </message>
    <message>
        <source>Choose the kinds of files to convert</source>
        <translation>変換するファイルの種類を選択してください</translation>
    </message>
    <message>
        <source>Choose the kinds of files to export to other apps</source>
        <translation>他のアプリへエクスポートするファイルの種類を選択してください</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Mails</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Export to the desktop address book</source>
        <translation>デスクトップのアドレス帳へエクスポート</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>予定表</translation>
    </message>
    <message>
        <source>Export to the desktop calendar</source>
        <translation>デスクトップのカレンダーへエクスポート</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>タスク</translation>
    </message>
    <message>
        <source>Mailbox (mbox)</source>
        <translation>メールボックス (mbox)</translation>
    </message>
    <message>
        <source>Maildir</source>
        <translation>Maildir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>No items found to export.</source>
        <translation>エクスポートするアイテムが見つかりません。</translation>
    </message>
    <message>
        <source>Convert to *.%1 file</source>
        <translation>*.%1 ファイルに変換</translation>
    </message>
    <message>
        <source>Select export folder</source>
        <translation>エクスポート先フォルダーの選択</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>%1: %2 of %3 handed over, %4 failed.</source>
        <translation>%1: %3 件中 %2 件を引き渡し、%4 件が失敗しました。</translation>
    </message>
    <message>
        <source>%1: %2 of %3 converted, %4 failed.</source>
        <translation>%1: %3 件中 %2 件を変換し、%4 件が失敗しました。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Finished, but some items failed; the log names them.</source>
        <translation>完了しましたが、一部のアイテムが失敗しました。ログに記録されています。</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>Convert to one *.mbox file per folder</source>
        <translation>フォルダーごとに 1 つの *.mbox ファイルに変換</translation>
    </message>
    <message>
        <source>Convert to a Maildir folder tree</source>
        <translation>Maildir フォルダー ツリーに変換</translation>
    </message>
    <message>
        <source>Other items: %1</source>
        <translation>その他のアイテム: %1</translation>
    </message>
    <message>
        <source>%1 damaged, could not be read</source>
        <translation>%1 件が破損していて読み取れません</translation>
    </message>
    <message>
        <source>%1 of an unknown kind, not shown</source>
        <translation>%1 件が不明な種類のため表示されません</translation>
    </message>
    <message>
        <source>%1 missing from the file&apos;s index</source>
        <translation>%1 件がファイルのインデックスにありません</translation>
    </message>
</context>
<context>
    <name>PstFileCheck</name>
    <message>
        <source>There is no file or folder of this name.</source>
        <translation>この名前のファイルまたはフォルダーはありません。</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>ファイルにアクセスできません: %1。</translation>
    </message>
    <message>
        <source>This is a folder, not a PST file.</source>
        <translation>これはフォルダーです。PST ファイルではありません。</translation>
    </message>
    <message>
        <source>This is a named pipe (FIFO), not a PST file: it can only be read once, as a stream.</source>
        <translation>これは名前付きパイプ (FIFO) です。PST ファイルではありません。ストリームとして一度しか読み取れません。</translation>
    </message>
    <message>
        <source>This is a device or special file, not a PST file.</source>
        <translation>これはデバイスまたは特殊ファイルです。PST ファイルではありません。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>ファイルを読み取れません: %1。</translation>
    </message>
    <message>
        <source>This is not a PST file: it does not start with a PST file&apos;s signature.</source>
        <translation>これは PST ファイルではありません。PST ファイルのシグネチャで始まっていません。</translation>
    </message>
    <message>
        <source>This PST file is too short to hold a PST header (%1 bytes).</source>
        <translation>この PST ファイルは短すぎて PST ヘッダーを含められません (%1 バイト)。</translation>
    </message>
</context>
<context>
    <name>PstItem</name>
    <message>
        <source>MMM dd, yyyy &apos;at&apos; hh:mm AP</source>
        <translation>yyyy年M月d日 H:mm</translation>
    </message>
</context>
<context>
    <name>PstMailView</name>
    <message>
        <source>Attachments (%1)</source>
        <translation>添付ファイル (%1)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Back to the mail this one is attached to (%1)</source>
        <translation>この添付メールを含むメールに戻る (%1)</translation>
    </message>
</context>
<context>
    <name>PstParser</name>
    <message>
        <source>libpst cannot open this PST file: its header is damaged or of an unknown kind.</source>
        <translation>libpst はこの PST ファイルを開けません。ヘッダーが破損しているか、不明な種類です。</translation>
    </message>
    <message>
        <source>The index of this PST file is damaged.</source>
        <translation>この PST ファイルのインデックスが破損しています。</translation>
    </message>
    <message>
        <source>Damaged folder %1</source>
        <translation>破損したフォルダー %1</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Close File</source>
        <translation>ファイルを閉じる</translation>
    </message>
    <message>
        <source>The folder structure of this PST file cannot be read.</source>
        <translation>この PST ファイルのフォルダー構造を読み取れません。</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>%1 (opening…)</source>
        <translation>%1 (開いています…)</translation>
    </message>
    <message>
        <source>%1 (opening… %2 items read)</source>
        <translation>%1 (開いています… %2 件読み込み済み)</translation>
    </message>
    <message>
        <source>Cancel Opening</source>
        <translation>開くのをキャンセル</translation>
    </message>
</context>
<context>
    <name>PstTreeModel</name>
    <message>
        <source>%1 (reading…)</source>
        <translation>%1 (読み込み中…)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save attachment</source>
        <translation>添付ファイルを保存</translation>
    </message>
    <message>
        <source>Appointment Details</source>
        <translation>予定の詳細</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>件名</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Recurrence Details</source>
        <translation>定期的な予定の詳細</translation>
    </message>
    <message>
        <source>Recurrence Pattern</source>
        <translation>繰り返しのパターン</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <translation>連絡先の名前</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Professional Information</source>
        <translation>勤務先情報</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>役職</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部署</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>勤務先</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>自宅</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>携帯電話</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>コールバック</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>自動車電話</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>メール 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>メール 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>メール 3</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>FAX</translation>
    </message>
    <message>
        <source>Fax (Primary)</source>
        <translation>FAX (メイン)</translation>
    </message>
    <message>
        <source>Fax (Home)</source>
        <translation>FAX (自宅)</translation>
    </message>
    <message>
        <source>Fax (Business)</source>
        <translation>FAX (勤務先)</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>自宅住所</translation>
    </message>
    <message>
        <source>Business Address</source>
        <translation>勤務先住所</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>その他の住所</translation>
    </message>
    <message>
        <source>Journal Entry</source>
        <translation>履歴の項目</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>No sent date</source>
        <translation>送信日なし</translation>
    </message>
    <message>
        <source>Task Schedule</source>
        <translation>タスクの予定</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>期限</translation>
    </message>
    <message>
        <source>Task Status</source>
        <translation>タスクの状態</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Estimated work</source>
        <translation>予定作業時間</translation>
    </message>
    <message>
        <source>Actual work</source>
        <translation>実働時間</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進捗状況</translation>
    </message>
    <message>
        <source>%1 % completed</source>
        <translation>%1% 完了</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>未開始</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>進行中</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>waiting on someone else</source>
        <translation>他の人の作業待ち</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>延期</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 日</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>%1 m</source>
        <comment>minutes</comment>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 週間</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 週間</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 日</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 日</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>宛先: %1</translation>
    </message>
    <message>
        <source>Cc: %1</source>
        <translation>CC: %1</translation>
    </message>
    <message>
        <source>Bcc: %1</source>
        <translation>BCC: %1</translation>
    </message>
    <message>
        <source>Attached mail</source>
        <translation>添付メール</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save as .eml...</source>
        <translation>.eml として保存...</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>Save attached mail</source>
        <translation>添付メールの保存</translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation>電子メール メッセージ (*.eml)</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n 人のメンバー</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution List</source>
        <translation>配布リスト</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1、シリアル番号 %2</translation>
    </message>
    <message>
        <source>the signer&apos;s certificate is not in the mail</source>
        <translation>署名者の証明書がメールに含まれていません</translation>
    </message>
    <message>
        <source>the signed part is missing</source>
        <translation>署名された部分がありません</translation>
    </message>
    <message>
        <source>the signature names no signer</source>
        <translation>署名に署名者が記載されていません</translation>
    </message>
    <message>
        <source>the mail is not encrypted</source>
        <translation>メールは暗号化されていません</translation>
    </message>
    <message>
        <source>The message nests its parts too deeply; the deepest were not read.</source>
        <translation>メッセージのパートの入れ子が深すぎます。最も深いパートは読み込まれませんでした。</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>パート %1</translation>
    </message>
    <message>
        <source>The key file holds no private key with its certificate.</source>
        <translation>鍵ファイルに証明書付きの秘密鍵が含まれていません。</translation>
    </message>
    <message>
        <source>The key file could not be opened: wrong password or not a PKCS #12 file (%1).</source>
        <translation>鍵ファイルを開けませんでした。パスワードが違うか、PKCS #12 ファイルではありません (%1)。</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2</source>
        <translation>鍵ファイル %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>The mail is wrapped in too many signatures or encryptions to read.</source>
        <translation>メールは署名や暗号化が多重すぎて読み込めません。</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged: it is not a MIME message.</source>
        <translation>署名または暗号化されたメッセージが破損しています。MIME メッセージではありません。</translation>
    </message>
    <message>
        <source>the signature part is damaged (%1)</source>
        <translation>署名パートが破損しています (%1)</translation>
    </message>
    <message>
        <source>The signature carries no message.</source>
        <translation>署名にメッセージが含まれていません。</translation>
    </message>
    <message>
        <source>The mail holds a kind of S/MIME structure that cannot be shown.</source>
        <translation>メールには表示できない種類の S/MIME 構造が含まれています。</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged or truncated (%1).</source>
        <translation>署名または暗号化されたメッセージが破損しているか途中で切れています (%1)。</translation>
    </message>
    <message>
        <source>The chosen key cannot decrypt this mail (%1).</source>
        <translation>選択した鍵ではこのメールを復号できません (%1)。</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>不明な署名者</translation>
    </message>
    <message>
        <source>Signed by %1</source>
        <translation>署名者: %1</translation>
    </message>
    <message>
        <source>Signed by %1 on %2</source>
        <translation>署名者: %1 (%2)</translation>
    </message>
    <message>
        <source>Signature valid</source>
        <translation>署名は有効です</translation>
    </message>
    <message>
        <source>Signature invalid: the mail was changed after it was signed</source>
        <translation>署名は無効です: 署名後にメールが変更されました</translation>
    </message>
    <message>
        <source>Signature could not be checked: %1</source>
        <translation>署名を確認できませんでした: %1</translation>
    </message>
    <message>
        <source>Certificate trusted on this computer</source>
        <translation>このコンピューターで信頼されている証明書</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer</source>
        <translation>このコンピューターで信頼されていない証明書</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer (%1)</source>
        <translation>このコンピューターで信頼されていない証明書 (%1)</translation>
    </message>
    <message>
        <source>key id %1</source>
        <translation>鍵 ID %1</translation>
    </message>
    <message>
        <source>unknown recipients</source>
        <translation>不明な受信者</translation>
    </message>
    <message>
        <source>Encrypted for %1; decrypted with your key</source>
        <translation>%1 宛てに暗号化; あなたの鍵で復号しました</translation>
    </message>
    <message>
        <source>Encrypted for %1</source>
        <translation>%1 宛てに暗号化</translation>
    </message>
    <message>
        <source>The mail&apos;s smime.p7m holds neither a signature nor an encrypted message.</source>
        <translation>メールの smime.p7m には署名も暗号化されたメッセージも含まれていません。</translation>
    </message>
    <message>
        <source>the key&apos;s certificate is not among the recipients</source>
        <translation>鍵の証明書が受信者に含まれていません</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>All day</source>
        <translation>終日</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation>開催者</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>必須出席者</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意出席者</translation>
    </message>
    <message numerus="yes">
        <source>All day, %n day(s)</source>
        <translation>
            <numerusform>終日、%n 日間</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>敬称</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>ミドル ネーム</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>接尾辞</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>ニックネーム</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>オフィス</translation>
    </message>
    <message>
        <source>Profession</source>
        <translation>職業</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>上司</translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation>アシスタント</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>代表電話</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>勤務先 2</translation>
    </message>
    <message>
        <source>Company Main</source>
        <translation>会社代表</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>自宅 2</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>ポケットベル</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>無線</translation>
    </message>
    <message>
        <source>ISDN</source>
        <translation>ISDN</translation>
    </message>
    <message>
        <source>TTY/TDD</source>
        <translation>TTY/TDD</translation>
    </message>
    <message>
        <source>Telex</source>
        <translation>テレックス</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Web ページ</translation>
    </message>
    <message>
        <source>Business Web Page</source>
        <translation>勤務先の Web ページ</translation>
    </message>
    <message>
        <source>Personal Web Page</source>
        <translation>個人の Web ページ</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>配偶者</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>趣味</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>記念日</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message numerus="yes">
        <source>(%n item(s))</source>
        <translation>
            <numerusform>(%n 件)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>最近使ったファイルはありません</translation>
    </message>
</context>
<context>
    <name>SearchController</name>
    <message>
        <source>Choose a file in the folder list to search it.</source>
        <translation>検索するファイルをフォルダー一覧で選んでください。</translation>
    </message>
    <message>
        <source>The search index could not be read: %1</source>
        <translation>検索インデックスを読み取れませんでした: %1</translation>
    </message>
    <message>
        <source>This file is not indexed yet, so nothing was searched.</source>
        <translation>このファイルはまだインデックス化されていないため、検索は行われませんでした。</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>アイテムは見つかりませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) found</source>
        <translation>
            <numerusform>%n 件のアイテムが見つかりました</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 items found</source>
        <translation>見つかったアイテムのうち最初の %1 件</translation>
    </message>
    <message>
        <source>Only %1 of %2 items are indexed so far: more may be found.</source>
        <translation>インデックス化済みは %2 件中 %1 件のみです。ほかにも見つかる可能性があります。</translation>
    </message>
    <message>
        <source>Only %1 items are indexed so far: more may be found.</source>
        <translation>インデックス化済みは %1 件のみです。ほかにも見つかる可能性があります。</translation>
    </message>
    <message>
        <source>Indexing %1 of %2 items</source>
        <translation>%2 件中 %1 件のアイテムをインデックス作成中</translation>
    </message>
    <message>
        <source>Indexing…</source>
        <translation>インデックス作成中…</translation>
    </message>
    <message>
        <source>The search index is not complete.</source>
        <translation>検索インデックスは完成していません。</translation>
    </message>
    <message>
        <source>The search index is not complete: %1</source>
        <translation>検索インデックスは完成していません: %1</translation>
    </message>
    <message>
        <source>This item could not be read from the file.</source>
        <translation>このアイテムをファイルから読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>SearchIndex</name>
    <message>
        <source>This file has no search index yet.</source>
        <translation>このファイルにはまだ検索インデックスがありません。</translation>
    </message>
    <message>
        <source>The search index of this file is damaged and must be built again.</source>
        <translation>このファイルの検索インデックスは破損しているため、作成し直す必要があります。</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>検索に失敗しました: %1</translation>
    </message>
</context>
<context>
    <name>SearchIndexWriter</name>
    <message>
        <source>The file %1 is gone.</source>
        <translation>ファイル %1 が見つかりません。</translation>
    </message>
    <message>
        <source>Cannot create the search index folder %1.</source>
        <translation>検索インデックスのフォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot create the search index in %1: %2.</source>
        <translation>%1 に検索インデックスを作成できません: %2。</translation>
    </message>
    <message>
        <source>The search index %1 is being written by another process.</source>
        <translation>検索インデックス %1 は別のプロセスが書き込み中です。</translation>
    </message>
    <message>
        <source>Cannot replace the search index %1: %2.</source>
        <translation>検索インデックス %1 を置き換えられません: %2。</translation>
    </message>
    <message>
        <source>Cannot create the search index %1: %2.</source>
        <translation>検索インデックス %1 を作成できません: %2。</translation>
    </message>
    <message>
        <source>Cannot write the search index %1: %2.</source>
        <translation>検索インデックス %1 を書き込めません: %2。</translation>
    </message>
</context>
<context>
    <name>SearchIndexer</name>
    <message>
        <source>The search index cannot be saved: the folder %1 is not writable.</source>
        <translation>検索インデックスを保存できません: フォルダー %1 に書き込めません。</translation>
    </message>
    <message>
        <source>The search index cannot be saved: the disk is full (%1).</source>
        <translation>検索インデックスを保存できません: ディスクがいっぱいです (%1)。</translation>
    </message>
    <message>
        <source>The file cannot be read for searching: %1</source>
        <translation>検索のためにファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>The search index cannot be saved: %1</source>
        <translation>検索インデックスを保存できません: %1</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli is missing beside the program.</source>
        <translation>検索インデックスを作成できません: プログラムと同じ場所に lumaroo-cli がありません。</translation>
    </message>
    <message>
        <source>Indexing was cancelled: searches cover only the items indexed so far.</source>
        <translation>インデックス作成を取り消しました: 検索対象はこれまでにインデックス化された項目のみです。</translation>
    </message>
    <message>
        <source>Indexing stopped unexpectedly: searches cover only the items indexed so far.</source>
        <translation>インデックス作成が予期せず停止しました: 検索対象はこれまでにインデックス化された項目のみです。</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli could not be started.</source>
        <translation>検索インデックスを作成できません: lumaroo-cli を起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>SearchQuery</name>
    <message>
        <source>The after: date must come before the before: date.</source>
        <translation>after: の日付は before: の日付より前でなければなりません。</translation>
    </message>
    <message>
        <source>%1 needs a word or a &quot;phrase&quot;.</source>
        <translation>%1 には単語または &quot;フレーズ&quot; が必要です。</translation>
    </message>
    <message>
        <source>Unknown operator %1 (known: from:, to:, subject:, has:, kind:, after:, before:, folder:).</source>
        <translation>不明な演算子 %1 です (使用できるもの: from:, to:, subject:, has:, kind:, after:, before:, folder:)。</translation>
    </message>
    <message>
        <source>%1 cannot be excluded with &quot;-&quot;.</source>
        <translation>%1 は &quot;-&quot; で除外できません。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 には値が必要です。</translation>
    </message>
    <message>
        <source>has: takes only &quot;attachment&quot;, not &quot;%1&quot;.</source>
        <translation>has: に指定できるのは &quot;attachment&quot; だけです (&quot;%1&quot; は使えません)。</translation>
    </message>
    <message>
        <source>Unknown kind &quot;%1&quot; (known: %2).</source>
        <translation>不明な種類 &quot;%1&quot; です (使用できるもの: %2)。</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD, not &quot;%2&quot;.</source>
        <translation>%1 には YYYY-MM-DD 形式の日付が必要です (&quot;%2&quot; は使えません)。</translation>
    </message>
    <message>
        <source>A quotation mark is not closed.</source>
        <translation>引用符が閉じられていません。</translation>
    </message>
</context>
<context>
    <name>SearchScopeBox</name>
    <message>
        <source>This folder</source>
        <translation>このフォルダー</translation>
    </message>
    <message>
        <source>All folders</source>
        <translation>すべてのフォルダー</translation>
    </message>
    <message>
        <source>Search the folder on show or every folder of the file</source>
        <translation>表示中のフォルダー、またはファイルのすべてのフォルダーを検索します</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>検索範囲</translation>
    </message>
</context>
<context>
    <name>SearchStatusLine</name>
    <message>
        <source>Index Now</source>
        <translation>今すぐインデックス作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SmimePanel</name>
    <message>
        <source>Decrypt with a Key...</source>
        <translation>鍵で復号...</translation>
    </message>
    <message>
        <source>Choose your key</source>
        <translation>鍵を選択</translation>
    </message>
    <message>
        <source>Keys with certificate (*.p12 *.pfx)</source>
        <translation>証明書付きの鍵 (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Key password</source>
        <translation>鍵のパスワード</translation>
    </message>
    <message>
        <source>Password of the key file:</source>
        <translation>鍵ファイルのパスワード:</translation>
    </message>
    <message>
        <source>Cannot decrypt</source>
        <translation>復号できません</translation>
    </message>
</context>
<context>
    <name>ThirdPartyNotices</name>
    <message>
        <source>Licences</source>
        <translation>ライセンス</translation>
    </message>
</context>
<context>
    <name>UnopenedTarget</name>
    <message>
        <source>Could Not Open</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>No program on this desktop could open it. It is here:</source>
        <translation>このデスクトップには開けるプログラムがありません。場所は次のとおりです:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The list of releases could not be read.</source>
        <translation>リリース一覧を読み取れませんでした。</translation>
    </message>
    <message>
        <source>%1 %2 is available. You are using version %3.</source>
        <translation>%1 %2 が利用可能です。現在のバージョンは %3 です。</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>アップデートを確認できませんでした。</translation>
    </message>
    <message>
        <source>The update server answered with error %1.</source>
        <translation>アップデートサーバーがエラー %1 を返しました。</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>%1 ユーザーガイド</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Some files could not be opened</source>
        <translation>一部のファイルを開けませんでした</translation>
    </message>
</context>
</TS>
