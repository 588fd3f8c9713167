<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>EditorWindow</name>
    <message>
        <location filename="../EditorActions.cpp" line="41"/>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="41"/>
        <source>Open a course file</source>
        <translation>コースファイルを開きます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>Save the course, changing only the lines that changed</source>
        <translation>コースを保存します（変わった行だけを書き換えます）</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="43"/>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="43"/>
        <source>Save the course under another name</source>
        <translation>別の名前でコースを保存します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="44"/>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="44"/>
        <source>Close the editor</source>
        <translation>エディタを閉じます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="45"/>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="47"/>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="49"/>
        <source>&amp;Fill Reachable Dots</source>
        <translation>届くマスにドットを敷く(&amp;F)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="49"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="50"/>
        <source>Put a dot on every cell the player&apos;s car can reach and remove the others</source>
        <translation>自車が行けるすべてのマスにドットを置き、それ以外のドットを取り除きます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="51"/>
        <source>&amp;Clear Path</source>
        <translation>パスを消す(&amp;C)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="52"/>
        <source>Empty the block path, to click the blocks again in order</source>
        <translation>ブロックのパスを空にします（もう一度順にブロックをクリックします）</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>Course &amp;Properties...</source>
        <translation>コースの設定(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>Map size (growing or shrinking at a chosen edge) and field size</source>
        <translation>マップの大きさ（選んだ辺で広げる・縮める）と画面の大きさ</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>&amp;Grid</source>
        <translation>グリッド(&amp;G)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>Show or hide the grid</source>
        <translation>グリッドを表示・非表示にします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="58"/>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="40"/>
        <source>&amp;New...</source>
        <translation>新規(&amp;N)...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="40"/>
        <source>Start a new course of closed cells, of a size you choose, with room for the captions</source>
        <translation>選んだ大きさの閉じたマスで新しいコースを作ります（表示位置の余白付き）</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="58"/>
        <source>Show the course larger (also Ctrl+= and Ctrl+wheel)</source>
        <translation>コースを大きく表示します（Ctrl+= や Ctrl+ホイールでも）</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="60"/>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="61"/>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="61"/>
        <source>Show the course smaller</source>
        <translation>コースを小さく表示します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="62"/>
        <source>&amp;Fit to Window</source>
        <translation>ウィンドウに合わせる(&amp;F)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="62"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="62"/>
        <source>The largest zoom at which the whole course fits the window</source>
        <translation>コース全体がウィンドウに収まる一番大きな倍率にします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="64"/>
        <source>&amp;Findings Panel</source>
        <translation>チェック結果パネル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="65"/>
        <source>Show or hide the findings panel</source>
        <translation>チェック結果パネルを表示・非表示にします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="66"/>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="66"/>
        <source>Copy the selected cells with their walls, dots, starts and blocks</source>
        <translation>選んだマスを壁・ドット・スタート・ブロックごとコピーします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="67"/>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="67"/>
        <source>Copy the selected cells and close them</source>
        <translation>選んだマスをコピーして閉じます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="68"/>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="68"/>
        <source>Put the copied cells at the cell under the pointer (or at the selection)</source>
        <translation>コピーしたマスをポインタの下のマス（または選択範囲）に置きます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="69"/>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="69"/>
        <source>Close the selected cells, or remove the selected start entry</source>
        <translation>選んだマスを閉じるか、選んだスタートを削除します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="70"/>
        <source>&amp;Mirror Left to Right</source>
        <translation>左右反転(&amp;M)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="70"/>
        <location filename="../EditorActions.cpp" line="71"/>
        <source>Mirror the selected cells, or the whole course when none are selected</source>
        <translation>選んだマスを、選択が無ければコース全体を反転します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="71"/>
        <source>Mirror &amp;Top to Bottom</source>
        <translation>上下反転(&amp;T)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>&amp;Rotate Course</source>
        <translation>コースを回転(&amp;R)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>Turn the whole course a quarter turn clockwise</source>
        <translation>コース全体を時計回りに 90 度回します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>&amp;Quarter Blocks</source>
        <translation>4 分割ブロック(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>Replace the blocks by four, one per quarter of the course, with the path 1234 round them</source>
        <translation>ブロックをコースの 4 分の 1 ずつの 4 つに置き換え、パスを 1234 にします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>&amp;Keys and Tools</source>
        <translation>キーとツール(&amp;K)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>What every tool and key does</source>
        <translation>各ツールとキーの働き</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>&amp;About</source>
        <translation>このプログラムについて(&amp;A)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>About the course editor</source>
        <translation>コースエディタについて</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="78"/>
        <source>&amp;Play Demo</source>
        <translation>デモで試す(&amp;P)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="78"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="78"/>
        <source>Try the course: the cars drive by themselves</source>
        <translation>コースを試します：車が自分で走ります</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="79"/>
        <source>&amp;Drive</source>
        <translation>運転して試す(&amp;D)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="79"/>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="79"/>
        <source>Try the course driving the player&apos;s car with the game&apos;s keys</source>
        <translation>ゲームのキーで自車を運転してコースを試します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="80"/>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="80"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="80"/>
        <source>End the try and return to the course as it was</source>
        <translation>試走を終えて、元のままのコースに戻ります</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="97"/>
        <source>&amp;Lane</source>
        <translation>レーン(&amp;L)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="97"/>
        <source>Lane: drag through cells to carve a lane</source>
        <translation>レーン：マスをドラッグしてレーンを掘ります</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="98"/>
        <source>&amp;Wall</source>
        <translation>壁(&amp;W)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="98"/>
        <source>Wall: click near a cell edge to close or open it</source>
        <translation>壁：マスの辺の近くをクリックして閉じたり開いたりします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="99"/>
        <source>D&amp;ot</source>
        <translation>ドット(&amp;O)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="99"/>
        <source>Dot: click or drag to put or take dots</source>
        <translation>ドット：クリックかドラッグでドットを置いたり取ったりします</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="100"/>
        <source>&amp;Start</source>
        <translation>スタート(&amp;S)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="100"/>
        <source>Start: click to add a car, drag to move, R/Shift+R to turn, Delete to remove, double-click for lane, side and kind</source>
        <translation>スタート：クリックで車を追加、ドラッグで移動、R/Shift+Rで向きを変え、Deleteで削除、ダブルクリックでレーン・サイド・種類</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="101"/>
        <source>&amp;Block</source>
        <translation>ブロック(&amp;B)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="101"/>
        <source>Block: drag a rectangle; click blocks in order to extend the path; right-click removes</source>
        <translation>ブロック：四角をドラッグ、順にクリックしてパスを伸ばし、右クリックで削除</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="102"/>
        <source>&amp;Captions</source>
        <translation>表示位置(&amp;C)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="102"/>
        <source>Captions: drag a caption; a click places the next caption the course lacks</source>
        <translation>表示位置：文字をドラッグ、クリックでまだ無い表示を置きます</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="103"/>
        <source>S&amp;elect</source>
        <translation>選択(&amp;E)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="103"/>
        <source>Select: drag a rectangle of cells to copy, cut, delete or mirror</source>
        <translation>選択：マスの四角をドラッグして、コピー・切り取り・削除・反転します</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="126"/>
        <source>Rotate course</source>
        <translation>コースを回転</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="129"/>
        <source>Quarter blocks</source>
        <translation>4 分割ブロック</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="143"/>
        <source>Clear path</source>
        <translation>パスを消す</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="156"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="159"/>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="166"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="184"/>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="188"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="196"/>
        <source>T&amp;ry</source>
        <translation>試走(&amp;R)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="201"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="208"/>
        <location filename="../EditorForms.cpp" line="189"/>
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
        <location filename="../EditorTools.cpp" line="100"/>
        <source>Carve lane</source>
        <translation>レーンを掘る</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="108"/>
        <source>Open wall</source>
        <translation>壁を開く</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="108"/>
        <source>Close wall</source>
        <translation>壁を閉じる</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="122"/>
        <source>Put dots</source>
        <translation>ドットを置く</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="122"/>
        <source>Take dots</source>
        <translation>ドットを取る</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="14"/>
        <source>Delete cells</source>
        <translation>マスを削除</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="20"/>
        <location filename="../EditorTools.cpp" line="130"/>
        <location filename="../EditorTools.cpp" line="291"/>
        <source>Remove start</source>
        <translation>スタートを削除</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="25"/>
        <source>Nothing to delete: select cells with the Select tool (E) or a start entry.</source>
        <translation>削除するものがありません。選択ツール（E）でマスを選ぶか、スタートを選んでください。</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="36"/>
        <source>Cut cells</source>
        <translation>マスを切り取り</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="51"/>
        <source>Paste cells</source>
        <translation>マスを貼り付け</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="57"/>
        <source>Mirror left to right</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="57"/>
        <source>Mirror top to bottom</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="141"/>
        <location filename="../EditorTools.cpp" line="145"/>
        <source>Move start</source>
        <translation>スタートを移動</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="146"/>
        <source>Add start</source>
        <translation>スタートを追加</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="156"/>
        <source>Remove block</source>
        <translation>ブロックを削除</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="168"/>
        <source>Move caption</source>
        <translation>表示を移動</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="174"/>
        <source>Place caption</source>
        <translation>表示を置く</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="82"/>
        <location filename="../EditorTools.cpp" line="189"/>
        <location filename="../EditorWindow.cpp" line="387"/>
        <source>Cell %1,%2</source>
        <translation>マス %1,%2</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="100"/>
        <source>Erase lane</source>
        <translation>レーンを消す</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="100"/>
        <source>Carve ring</source>
        <translation>環状レーンを掘る</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="253"/>
        <source>Path names blocks by one digit each, so block %1 cannot be put into it: only blocks 1 to %2 can.</source>
        <translation>パスはブロックを 1 桁の数字で表すので、ブロック %1 は入れられません。入れられるのはブロック 1 〜 %2 だけです。</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="256"/>
        <source>Extend path</source>
        <translation>パスを伸ばす</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="258"/>
        <source>Drag from one corner to the other to draw a block.</source>
        <translation>ブロックは角から角へドラッグして描きます。</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="260"/>
        <source>The course has %1 blocks, as many as Path can name (one digit each): remove one (right-click) before drawing another.</source>
        <translation>コースにはパスで表せる最大の %1 個のブロックがあります（1 桁ずつ）。新しく描く前に 1 つ削除してください（右クリック）。</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="264"/>
        <source>Add block</source>
        <translation>ブロックを追加</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="287"/>
        <location filename="../EditorTools.cpp" line="305"/>
        <source>Turn start</source>
        <translation>スタートの向きを変える</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="316"/>
        <source>Place the player&apos;s start first: the dots follow the cells its car can reach.</source>
        <translation>先に自車のスタートを置いてください。ドットは自車が行けるマスに置かれます。</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="319"/>
        <source>Fill reachable dots</source>
        <translation>届くマスにドットを敷く</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="47"/>
        <source>Player&apos;s start</source>
        <translation>自車のスタート</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="47"/>
        <source>Computer car %1</source>
        <translation>コンピュータの車 %1</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="53"/>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="54"/>
        <location filename="../EditorForms.cpp" line="61"/>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="55"/>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="56"/>
        <location filename="../EditorForms.cpp" line="60"/>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="72"/>
        <source>Pursues the player</source>
        <translation>自車を追う</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="73"/>
        <source>Drives at random</source>
        <translation>でたらめに走る</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="65"/>
        <source>Direction</source>
        <translation>向き</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="63"/>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="64"/>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="66"/>
        <source>Lane</source>
        <translation>レーン</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="67"/>
        <source>Side</source>
        <translation>サイド</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="75"/>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="87"/>
        <source>Change start</source>
        <translation>スタートを変更</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="93"/>
        <source>Course Properties</source>
        <translation>コースの設定</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="98"/>
        <source>at the right edge</source>
        <translation>右の辺で</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="99"/>
        <source>at the left edge</source>
        <translation>左の辺で</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="102"/>
        <source>at the bottom edge</source>
        <translation>下の辺で</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="103"/>
        <source>at the top edge</source>
        <translation>上の辺で</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="104"/>
        <source>Field size of its own (ScreenSize)</source>
        <translation>画面の大きさを指定する (ScreenSize)</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="109"/>
        <source>Grow the field with the map</source>
        <translation>マップと一緒に画面も広げる</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="111"/>
        <source>When the map grows, the field grows by as many cells, so no lane ends up outside it</source>
        <translation>マップを広げると画面も同じマス数だけ広がり、レーンが画面の外に出ません</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="113"/>
        <location filename="../EditorForms.cpp" line="163"/>
        <source>Width (cells)</source>
        <translation>幅（マス）</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="114"/>
        <location filename="../EditorForms.cpp" line="116"/>
        <source>Grow or shrink</source>
        <translation>広げる・縮める</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="115"/>
        <location filename="../EditorForms.cpp" line="164"/>
        <source>Height (cells)</source>
        <translation>高さ（マス）</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="118"/>
        <source>Field width (0: the course&apos;s)</source>
        <translation>画面の幅（0：コースと同じ）</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="119"/>
        <source>Field height (0: the course&apos;s)</source>
        <translation>画面の高さ（0：コースと同じ）</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="144"/>
        <source>Course properties</source>
        <translation>コースの設定</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="155"/>
        <source>New Course</source>
        <translation>新しいコース</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="159"/>
        <source>Room for the captions</source>
        <translation>表示位置の余白を取る</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="161"/>
        <source>The field gets a strip beside the map, and the title, the captions and the numbers are placed in it</source>
        <translation>マップの横に余白を取り、タイトル・表示・数字をそこに置きます</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="186"/>
        <source>Keys and Tools</source>
        <translation>キーとツール</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="189"/>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="190"/>
        <source>Shift-drag with the Lane tool carves a ring; a right-drag erases. Ctrl+wheel zooms. Click a finding to see its cells on the map.</source>
        <translation>レーンツールで Shift+ドラッグすると環状レーンを掘り、右ドラッグで消します。Ctrl+ホイールで拡大・縮小します。チェック結果をクリックすると、そのマスがマップに示されます。</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="197"/>
        <source>About the Brevanto Course Editor</source>
        <translation>Brevanto コースエディタについて</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="198"/>
        <source>&lt;h3&gt;Brevanto Course Editor&lt;/h3&gt;&lt;p&gt;Draws the courses of Brevanto: lanes, walls, dots, starts, blocks and captions, with every finding of the course checker as you edit.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Brevanto コースエディタ&lt;/h3&gt;&lt;p&gt;Brevanto のコースを描きます。レーン、壁、ドット、スタート、ブロック、表示位置を編集し、編集のたびにコースチェックの結果を示します。&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../EditorOverlay.cpp" line="86"/>
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
        <location filename="../EditorWindow.cpp" line="74"/>
        <source>Findings</source>
        <translation>チェック結果</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="89"/>
        <source>Start entry Pos%1 is selected: click a cell with the Start tool to put it there, double-click this line for its dialog, or press Delete.</source>
        <translation>スタート Pos%1 を選びました。スタートツールでマスをクリックするとそこへ置き、この行をダブルクリックするとダイアログを開き、Delete で削除します。</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="181"/>
        <source>Cannot read %1.</source>
        <translation>%1 を読めません。</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="188"/>
        <source>%1 is not a course file: %2</source>
        <translation>%1 はコースファイルではありません：%2</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="226"/>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 は開いた後にディスク上で変更されています。上書きしますか？</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="236"/>
        <source>The game cannot load the course as it stands: %1

Save it anyway?</source>
        <translation>このままではゲームがコースを読み込めません：%1

それでも保存しますか？</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="242"/>
        <source>The course was not saved. %1</source>
        <translation>コースは保存されませんでした。%1</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="253"/>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="275"/>
        <source>The course has unsaved changes. Save them?</source>
        <translation>コースに保存していない変更があります。保存しますか？</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="297"/>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="298"/>
        <source>%1%2 - Brevanto Course Editor</source>
        <translation>%1%2 - Brevanto コースエディタ</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <location filename="../FindingTexts.cpp" line="15"/>
        <source>%3 can drive off the course from %1, which ends the game with a course error: close that cell&apos;s outer side.</source>
        <translation>%3が %1 からコースの外へ走り出せ、ゲームはコースエラーで終わります。そのマスの外側の辺を閉じてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="16"/>
        <source>%3 can run into the dead end at %1 (closed ahead and on both sides), which ends the game with a course error: open a wall there.</source>
        <translation>%3が %1 の行き止まり（前と左右が閉じたマス）に入れ、ゲームはコースエラーで終わります。そこの壁を開けてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="17"/>
        <source>%2 dots from %1 on lie where the player&apos;s car never drives, so the stage can never be cleared: open a lane to them or take them away.</source>
        <translation>%1 からの %2 個のドットは自車が走らない場所にあり、ステージをクリアできません。レーンをつなぐか、ドットを取り除いてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="18"/>
        <source>Path names a block the course does not have: clear the path and click the blocks again.</source>
        <translation>パスにコースに無いブロックの番号があります。パスを消して、ブロックをもう一度順にクリックしてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="19"/>
        <source>The demo ends in a course error near %1.</source>
        <translation>デモが %1 の近くでコースエラーになって終わります。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="20"/>
        <source>%1 and its neighbour disagree about the wall between them: click it with the Wall tool.</source>
        <translation>%1 と隣のマスで、間の壁の有無が食い違っています。壁ツールでクリックしてそろえてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="21"/>
        <source>The tile character of %1 is no wall mask (0-9, A-F).</source>
        <translation>%1 のタイル文字は壁の値（0〜9、A〜F）ではありません。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="22"/>
        <source>Two blocks overlap from %1; those cells count as the lower-numbered block only.</source>
        <translation>2 つのブロックが %1 から重なっています。重なったマスは番号の小さいブロックだけに属します。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="23"/>
        <source>%2 lane cells from %1 on lie in no block, so the pursuing cars lose track there: draw a block over them.</source>
        <translation>%1 からの %2 マスのレーンがどのブロックにも入っていないため、追いかける車がそこで自車を見失います。ブロックを描いてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="24"/>
        <source>No block holds a lane, so the pursuing cars only follow the player&apos;s lane number.</source>
        <translation>どのブロックにもレーンが無いので、追いかける車は自車のレーン番号しか追えません。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="25"/>
        <source>A caption at %1 runs off the field, or is not placed: move it with the Captions tool.</source>
        <translation>%1 の表示が画面からはみ出しているか、置かれていません。表示位置ツールで動かしてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="26"/>
        <source>The caption at %1 covers a lane or a dot: move it with the Captions tool.</source>
        <translation>%1 の表示がレーンかドットを覆っています。表示位置ツールで動かしてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="27"/>
        <source>The caption at %1 and another one cover each other.</source>
        <translation>%1 の表示がほかの表示と重なっています。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="28"/>
        <source>START has a Pos key that StartNumber does not count (%3), so that car never takes part.</source>
        <translation>START に StartNumber が数えない Pos キー（%3）があり、その車は出走しません。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="29"/>
        <source>%2 lane or dot cells from %1 on lie outside the drawn field (ScreenSize), where the game never shows them: enlarge ScreenSize in Course Properties.</source>
        <translation>%1 からの %2 マスのレーンまたはドットが描画される画面（ScreenSize）の外にあり、ゲームでは表示されません。コースの設定で ScreenSize を広げてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="30"/>
        <source>The start of %3 at %1 lies outside the drawn field (ScreenSize), so the game never shows that car.</source>
        <translation>%3の %1 のスタートが描画される画面（ScreenSize）の外にあり、ゲームではその車が表示されません。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="31"/>
        <source>%3 and another start entry both start at %1: move one of them.</source>
        <translation>%3とほかのスタートが同じ %1 にあります。どちらかを動かしてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="32"/>
        <source>%3 at %1 and the player&apos;s car start next to each other, one facing the other, so they meet on the first move: move or turn one.</source>
        <translation>%1 の%3と自車が隣り合って向き合っているので、最初の移動でぶつかります。どちらかを動かすか、向きを変えてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="33"/>
        <source>MAP row %4 is not as long as the map is wide; saving pads it with closed cells.</source>
        <translation>MAP の %4 行目の長さがマップの幅と違います。保存すると閉じたマスで補います。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="34"/>
        <source>MAPDOT row %4 is not as long as the map is wide; saving pads it without dots.</source>
        <translation>MAPDOT の %4 行目の長さがマップの幅と違います。保存するとドット無しで補います。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="35"/>
        <source>MapSize is missing or not above zero; the size was taken from the rows.</source>
        <translation>MapSize が無いか 0 以下です。大きさは行から求めました。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="36"/>
        <source>The course has no start entry, and the game needs one for the player&apos;s car: place it with the Start tool (S).</source>
        <translation>コースにスタートがありません。ゲームには自車のスタートが要ります。スタートツール（S）で置いてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="37"/>
        <source>StartNumber does not equal the number of Pos keys in START; saving writes the number of start entries shown.</source>
        <translation>StartNumber が START の Pos キーの数と違います。保存すると、表示中のスタートの数を書きます。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="38"/>
        <source>Start entry %3 is missing: give it a cell in its dialog or delete it (select this line, then Delete).</source>
        <translation>スタート %3 がありません。ダイアログでマスを指定するか、削除してください（この行を選んで Delete）。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="39"/>
        <source>Start entry %3 lies off the course: give it a cell in its dialog or delete it (select this line, then Delete).</source>
        <translation>スタート %3 がコースの外にあります。ダイアログでマスを指定するか、削除してください（この行を選んで Delete）。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="40"/>
        <source>Start entry %3 faces none of up, right, down and left (0, 2, 4, 6): turn it with the Start tool.</source>
        <translation>スタート %3 の向きが上・右・下・左（0、2、4、6）のどれでもありません。スタートツールで向きを変えてください。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="41"/>
        <source>The file holds no course.</source>
        <translation>このファイルにはコースがありません。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="74"/>
        <source>the player&apos;s car</source>
        <translation>自車</translation>
    </message>
</context>
<context>
    <name>FindingsPanel</name>
    <message>
        <location filename="../FindingsPanel.cpp" line="129"/>
        <source>The game refuses this course: %1</source>
        <translation>ゲームはこのコースを読み込めません：%1</translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="132"/>
        <source>The game loads this course. No findings: nothing to mend.</source>
        <translation>ゲームはこのコースを読み込めます。チェック結果はありません。直すところはありません。</translation>
    </message>
    <message numerus="yes">
        <location filename="../FindingsPanel.cpp" line="134"/>
        <source>The game loads this course. %n finding(s) below.</source>
        <translation>
            <numerusform>ゲームはこのコースを読み込めます。チェック結果は下の %n 件です。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="121"/>
        <source>In the file as opened: %1</source>
        <translation>開いたときのファイル：%1</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <location filename="../FindingTexts.cpp" line="46"/>
        <source>The course file cannot be read.</source>
        <translation>コースファイルを読めません。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="47"/>
        <source>MapSize must be two numbers above zero, MAP must hold a row as long as the map is wide for every row of its height, and the field (ScreenSize) must not be too large.</source>
        <translation>MapSize は 0 より大きい 2 つの数で、MAP にはマップの高さの数だけ、幅と同じ長さの行が要ります。画面（ScreenSize）が大きすぎてもいけません。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="48"/>
        <source>MAPDOT must hold a row as long as the map is wide for every row of its height.</source>
        <translation>MAPDOT にはマップの高さの数だけ、幅と同じ長さの行が要ります。</translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="49"/>
        <source>StartNumber must be at least 1 and equal the number of Pos keys in START, and every start entry must lie on the course facing up, right, down or left (0, 2, 4 or 6).</source>
        <translation>StartNumber は 1 以上で START の Pos キーの数と等しく、どのスタートもコース上で上・右・下・左（0、2、4、6）を向いていなければなりません。</translation>
    </message>
</context>
<context>
    <name>TryRunner</name>
    <message>
        <location filename="../TryRunner.cpp" line="45"/>
        <source>Playing</source>
        <translation>プレイ中</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="86"/>
        <source>The player&apos;s car met a dead end at cell %1,%2.</source>
        <translation>自車がマス %1,%2 で行き止まりに入りました。</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="87"/>
        <source>The player&apos;s car left the course at cell %1,%2.</source>
        <translation>自車がマス %1,%2 でコースの外に出ました。</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="89"/>
        <source>Computer car %1 met a dead end at cell %2,%3.</source>
        <translation>コンピュータの車 %1 がマス %2,%3 で行き止まりに入りました。</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="90"/>
        <source>Computer car %1 left the course at cell %2,%3.</source>
        <translation>コンピュータの車 %1 がマス %2,%3 でコースの外に出ました。</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="42"/>
        <location filename="../TryRunner.cpp" line="73"/>
        <source>Demo</source>
        <translation>デモ</translation>
    </message>
</context>
</TS>
