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
        <source>A → Z</source>
        <translation>A → Z</translation>
    </message>
    <message>
        <source>Z → A</source>
        <translation>Z → A</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Outlook PST Files (*.pst)</source>
        <translation>Outlook PST ファイル (*.pst)</translation>
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
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Show in File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>ファイルを閉じる</translation>
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
        <source>(%1 items)</source>
        <translation>(%1 件)</translation>
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
</TS>
