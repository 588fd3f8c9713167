<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>EditorWindow</name>
    <message>
        <location filename="../EditorActions.cpp" line="33"/>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="33"/>
        <source>Start a new course of closed cells</source>
        <translation>閉じたマスだけの新しいコースを作ります</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="34"/>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="34"/>
        <source>Open a course file</source>
        <translation>コースファイルを開きます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="35"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="35"/>
        <source>Save the course, changing only the lines that changed</source>
        <translation>コースを保存します（変わった行だけを書き換えます）</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="36"/>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="36"/>
        <source>Save the course under another name</source>
        <translation>別の名前でコースを保存します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="37"/>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="37"/>
        <source>Close the editor</source>
        <translation>エディタを閉じます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="38"/>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="40"/>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>&amp;Fill Reachable Dots</source>
        <translation>届くマスにドットを敷く(&amp;F)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="43"/>
        <source>Put a dot on every cell the player&apos;s car can reach and remove the others</source>
        <translation>自車が行けるすべてのマスにドットを置き、それ以外のドットを取り除きます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="44"/>
        <source>&amp;Clear Path</source>
        <translation>パスを消す(&amp;C)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="45"/>
        <source>Empty the block path, to click the blocks again in order</source>
        <translation>ブロックのパスを空にします（もう一度順にブロックをクリックします）</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="46"/>
        <source>Course &amp;Properties...</source>
        <translation>コースの設定(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="46"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="47"/>
        <source>Map size (growing or shrinking at a chosen edge) and field size</source>
        <translation>マップの大きさ（選んだ辺で広げる・縮める）と画面の大きさ</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="48"/>
        <source>&amp;Grid</source>
        <translation>グリッド(&amp;G)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="48"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="48"/>
        <source>Show or hide the grid</source>
        <translation>グリッドを表示・非表示にします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="51"/>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="51"/>
        <source>Show the course larger</source>
        <translation>コースを大きく表示します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="52"/>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="52"/>
        <source>Show the course smaller</source>
        <translation>コースを小さく表示します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>&amp;Play Demo</source>
        <translation>デモで試す(&amp;P)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>Try the course: the cars drive by themselves</source>
        <translation>コースを試します：車が自分で走ります</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>&amp;Drive</source>
        <translation>運転して試す(&amp;D)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>Try the course driving the player&apos;s car with the game&apos;s keys</source>
        <translation>ゲームのキーで自車を運転してコースを試します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>End the try and return to the course as it was</source>
        <translation>試走を終えて、元のままのコースに戻ります</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>&amp;Lane</source>
        <translation>レーン(&amp;L)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>Lane: drag through cells to carve a lane</source>
        <translation>レーン：マスをドラッグしてレーンを掘ります</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>&amp;Wall</source>
        <translation>壁(&amp;W)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>Wall: click near a cell edge to close or open it</source>
        <translation>壁：マスの辺の近くをクリックして閉じたり開いたりします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>D&amp;ot</source>
        <translation>ドット(&amp;O)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>Dot: click or drag to put or take dots</source>
        <translation>ドット：クリックかドラッグでドットを置いたり取ったりします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>&amp;Start</source>
        <translation>スタート(&amp;S)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>Start: click to add a car, drag to move, R/Shift+R to turn, Delete to remove, double-click for lane, side and kind</source>
        <translation>スタート：クリックで車を追加、ドラッグで移動、R/Shift+Rで向きを変え、Deleteで削除、ダブルクリックでレーン・サイド・種類</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="76"/>
        <source>&amp;Block</source>
        <translation>ブロック(&amp;B)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="76"/>
        <source>Block: drag a rectangle; click blocks in order to extend the path; right-click removes</source>
        <translation>ブロック：四角をドラッグ、順にクリックしてパスを伸ばし、右クリックで削除</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="77"/>
        <source>&amp;Captions</source>
        <translation>表示位置(&amp;C)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="77"/>
        <source>Captions: drag a caption; a click places the next caption the course lacks</source>
        <translation>表示位置：文字をドラッグ、クリックでまだ無い表示を置きます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="101"/>
        <source>Clear path</source>
        <translation>パスを消す</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="114"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="117"/>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="124"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="132"/>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="136"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="141"/>
        <source>T&amp;ry</source>
        <translation>試走(&amp;R)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="149"/>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <location filename="../EditorDialogs.cpp" line="8"/>
        <source>Brevanto Course Editor</source>
        <translation>Brevanto コースエディタ</translation>
    </message>
    <message>
        <location filename="../EditorDialogs.cpp" line="9"/>
        <source>Course files (*.DAT *.dat);;All files (*)</source>
        <translation>コースファイル (*.DAT *.dat);;すべてのファイル (*)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="75"/>
        <source>Carve lane</source>
        <translation>レーンを掘る</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="89"/>
        <source>Open wall</source>
        <translation>壁を開く</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="89"/>
        <source>Close wall</source>
        <translation>壁を閉じる</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="98"/>
        <source>Put dots</source>
        <translation>ドットを置く</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="98"/>
        <source>Take dots</source>
        <translation>ドットを取る</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="106"/>
        <location filename="../EditorTools.cpp" line="235"/>
        <source>Remove start</source>
        <translation>スタートを削除</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="113"/>
        <source>Move start</source>
        <translation>スタートを移動</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="114"/>
        <source>Add start</source>
        <translation>スタートを追加</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="124"/>
        <source>Remove block</source>
        <translation>ブロックを削除</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="136"/>
        <source>Move caption</source>
        <translation>表示を移動</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="142"/>
        <source>Place caption</source>
        <translation>表示を置く</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="156"/>
        <location filename="../EditorWindow.cpp" line="319"/>
        <source>Cell %1,%2</source>
        <translation>マス %1,%2</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="206"/>
        <source>Extend path</source>
        <translation>パスを伸ばす</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="208"/>
        <source>Add block</source>
        <translation>ブロックを追加</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="231"/>
        <location filename="../EditorTools.cpp" line="249"/>
        <source>Turn start</source>
        <translation>スタートの向きを変える</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="260"/>
        <source>Place the player&apos;s start first: the dots follow the cells its car can reach.</source>
        <translation>先に自車のスタートを置いてください。ドットは自車が行けるマスに置かれます。</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="263"/>
        <source>Fill reachable dots</source>
        <translation>届くマスにドットを敷く</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="271"/>
        <source>Player&apos;s start</source>
        <translation>自車のスタート</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="271"/>
        <source>Computer car %1</source>
        <translation>コンピュータの車 %1</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="274"/>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="275"/>
        <location filename="../EditorTools.cpp" line="284"/>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="276"/>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="277"/>
        <location filename="../EditorTools.cpp" line="283"/>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="287"/>
        <source>Pursues the player</source>
        <translation>自車を追う</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="288"/>
        <source>Drives at random</source>
        <translation>でたらめに走る</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="290"/>
        <source>Direction</source>
        <translation>向き</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="291"/>
        <source>Lane</source>
        <translation>レーン</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="292"/>
        <source>Side</source>
        <translation>サイド</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="293"/>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="301"/>
        <source>Change start</source>
        <translation>スタートを変更</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="307"/>
        <source>Course Properties</source>
        <translation>コースの設定</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="316"/>
        <source>at the right edge</source>
        <translation>右の辺で</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="317"/>
        <source>at the left edge</source>
        <translation>左の辺で</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="319"/>
        <source>at the bottom edge</source>
        <translation>下の辺で</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="320"/>
        <source>at the top edge</source>
        <translation>上の辺で</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="321"/>
        <source>Field size of its own (ScreenSize)</source>
        <translation>画面の大きさを指定する (ScreenSize)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="330"/>
        <source>Width (cells)</source>
        <translation>幅（マス）</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="331"/>
        <location filename="../EditorTools.cpp" line="333"/>
        <source>Grow or shrink</source>
        <translation>広げる・縮める</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="332"/>
        <source>Height (cells)</source>
        <translation>高さ（マス）</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="335"/>
        <source>Field width (0: the course&apos;s)</source>
        <translation>画面の幅（0：コースと同じ）</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="336"/>
        <source>Field height (0: the course&apos;s)</source>
        <translation>画面の高さ（0：コースと同じ）</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="342"/>
        <source>Course properties</source>
        <translation>コースの設定</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="382"/>
        <source>Path: %1</source>
        <translation>パス：%1</translation>
    </message>
    <message>
        <location filename="../EditorTry.cpp" line="20"/>
        <source>The game would refuse this course, so it cannot be tried yet: %1</source>
        <translation>このコースはゲームが読み込めないので、まだ試せません：%1</translation>
    </message>
    <message>
        <location filename="../EditorTry.cpp" line="25"/>
        <source>This course cannot be played with the present sheets.</source>
        <translation>今の画像ではこのコースを遊べません。</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="71"/>
        <source>Findings</source>
        <translation>チェック結果</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="130"/>
        <source>Cannot read %1.</source>
        <translation>%1 を読めません。</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="137"/>
        <source>%1 is not a course file: %2</source>
        <translation>%1 はコースファイルではありません：%2</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="173"/>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 は開いた後にディスク上で変更されています。上書きしますか？</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="182"/>
        <source>The course was not saved. %1</source>
        <translation>コースは保存されませんでした。%1</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="193"/>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="212"/>
        <source>The course has unsaved changes. Save them?</source>
        <translation>コースに保存していない変更があります。保存しますか？</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="231"/>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="232"/>
        <source>%1%2 - Brevanto Course Editor</source>
        <translation>%1%2 - Brevanto コースエディタ</translation>
    </message>
</context>
<context>
    <name>FindingsPanel</name>
    <message>
        <location filename="../FindingsPanel.cpp" line="71"/>
        <source>The game loads this course.</source>
        <translation>ゲームはこのコースを読み込めます。</translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="73"/>
        <source>The game refuses this course: %1</source>
        <translation>ゲームはこのコースを読み込めません：%1</translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="83"/>
        <source>In the file as opened: %1</source>
        <translation>開いたときのファイル：%1</translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="88"/>
        <source>(%1,%2) %3</source>
        <translation>(%1,%2) %3</translation>
    </message>
</context>
<context>
    <name>TryRunner</name>
    <message>
        <location filename="../TryRunner.cpp" line="28"/>
        <source>Playing</source>
        <translation>プレイ中</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="29"/>
        <source>Demo</source>
        <translation>デモ</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>The player&apos;s car met a dead end at cell %1,%2.</source>
        <translation>プレイヤーの車がセル %1,%2 で行き止まりに入りました。</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>The player&apos;s car left the course at cell %1,%2.</source>
        <translation>プレイヤーの車がセル %1,%2 からコースの外に出ました。</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>Computer car %1 met a dead end at cell %2,%3.</source>
        <translation>コンピュータの車 %1 がセル %2,%3 で行き止まりに入りました。</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>Computer car %1 left the course at cell %2,%3.</source>
        <translation>コンピュータの車 %1 がセル %2,%3 からコースの外に出ました。</translation>
    </message>
</context>
</TS>
