<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>EditorWindow</name>
    <message>
        <location filename="../EditorActions.cpp" line="41"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="41"/>
        <source>Open a course file</source>
        <translation>Open a course file</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>Save the course, changing only the lines that changed</source>
        <translation>Save the course, changing only the lines that changed</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="43"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="43"/>
        <source>Save the course under another name</source>
        <translation>Save the course under another name</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="44"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="44"/>
        <source>Close the editor</source>
        <translation>Close the editor</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="45"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="47"/>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="49"/>
        <source>&amp;Fill Reachable Dots</source>
        <translation>&amp;Fill Reachable Dots</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="49"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="50"/>
        <source>Put a dot on every cell the player&apos;s car can reach and remove the others</source>
        <translation>Put a dot on every cell the player&apos;s car can reach and remove the others</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="51"/>
        <source>&amp;Clear Path</source>
        <translation>&amp;Clear Path</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="52"/>
        <source>Empty the block path, to click the blocks again in order</source>
        <translation>Empty the block path, to click the blocks again in order</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>Course &amp;Properties...</source>
        <translation>Course &amp;Properties...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>Map size (growing or shrinking at a chosen edge) and field size</source>
        <translation>Map size (growing or shrinking at a chosen edge) and field size</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>&amp;Grid</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>Show or hide the grid</source>
        <translation>Show or hide the grid</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="58"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="40"/>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="40"/>
        <source>Start a new course of closed cells, of a size you choose, with room for the captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="58"/>
        <source>Show the course larger (also Ctrl+= and Ctrl+wheel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="60"/>
        <source>Ctrl+=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="61"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="61"/>
        <source>Show the course smaller</source>
        <translation>Show the course smaller</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="62"/>
        <source>&amp;Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="62"/>
        <source>Ctrl+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="62"/>
        <source>The largest zoom at which the whole course fits the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="64"/>
        <source>&amp;Findings Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="65"/>
        <source>Show or hide the findings panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="66"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="66"/>
        <source>Copy the selected cells with their walls, dots, starts and blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="67"/>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="67"/>
        <source>Copy the selected cells and close them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="68"/>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="68"/>
        <source>Put the copied cells at the cell under the pointer (or at the selection)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="69"/>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="69"/>
        <source>Close the selected cells, or remove the selected start entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="70"/>
        <source>&amp;Mirror Left to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="70"/>
        <location filename="../EditorActions.cpp" line="71"/>
        <source>Mirror the selected cells, or the whole course when none are selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="71"/>
        <source>Mirror &amp;Top to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>&amp;Rotate Course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>Turn the whole course a quarter turn clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>&amp;Quarter Blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>Replace the blocks by four, one per quarter of the course, with the path 1234 round them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>&amp;Keys and Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>What every tool and key does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>About the course editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="78"/>
        <source>&amp;Play Demo</source>
        <translation>&amp;Play Demo</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="78"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="78"/>
        <source>Try the course: the cars drive by themselves</source>
        <translation>Try the course: the cars drive by themselves</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="79"/>
        <source>&amp;Drive</source>
        <translation>&amp;Drive</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="79"/>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="79"/>
        <source>Try the course driving the player&apos;s car with the game&apos;s keys</source>
        <translation>Try the course driving the player&apos;s car with the game&apos;s keys</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="80"/>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="80"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="80"/>
        <source>End the try and return to the course as it was</source>
        <translation>End the try and return to the course as it was</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="97"/>
        <source>&amp;Lane</source>
        <translation>&amp;Lane</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="97"/>
        <source>Lane: drag through cells to carve a lane</source>
        <translation>Lane: drag through cells to carve a lane</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="98"/>
        <source>&amp;Wall</source>
        <translation>&amp;Wall</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="98"/>
        <source>Wall: click near a cell edge to close or open it</source>
        <translation>Wall: click near a cell edge to close or open it</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="99"/>
        <source>D&amp;ot</source>
        <translation>D&amp;ot</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="99"/>
        <source>Dot: click or drag to put or take dots</source>
        <translation>Dot: click or drag to put or take dots</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="100"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="100"/>
        <source>Start: click to add a car, drag to move, R/Shift+R to turn, Delete to remove, double-click for lane, side and kind</source>
        <translation>Start: click to add a car, drag to move, R/Shift+R to turn, Delete to remove, double-click for lane, side and kind</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="101"/>
        <source>&amp;Block</source>
        <translation>&amp;Block</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="101"/>
        <source>Block: drag a rectangle; click blocks in order to extend the path; right-click removes</source>
        <translation>Block: drag a rectangle; click blocks in order to extend the path; right-click removes</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="102"/>
        <source>&amp;Captions</source>
        <translation>&amp;Captions</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="102"/>
        <source>Captions: drag a caption; a click places the next caption the course lacks</source>
        <translation>Captions: drag a caption; a click places the next caption the course lacks</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="103"/>
        <source>S&amp;elect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="103"/>
        <source>Select: drag a rectangle of cells to copy, cut, delete or mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="126"/>
        <source>Rotate course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="129"/>
        <source>Quarter blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="143"/>
        <source>Clear path</source>
        <translation>Clear path</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="156"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="159"/>
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="166"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="184"/>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="188"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="196"/>
        <source>T&amp;ry</source>
        <translation>T&amp;ry</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="201"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="208"/>
        <location filename="../EditorForms.cpp" line="189"/>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location filename="../EditorDialogs.cpp" line="8"/>
        <source>Brevanto Course Editor</source>
        <translation>Brevanto Course Editor</translation>
    </message>
    <message>
        <location filename="../EditorDialogs.cpp" line="9"/>
        <source>Course files (*.DAT *.dat);;All files (*)</source>
        <translation>Course files (*.DAT *.dat);;All files (*)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="100"/>
        <source>Carve lane</source>
        <translation>Carve lane</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="108"/>
        <source>Open wall</source>
        <translation>Open wall</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="108"/>
        <source>Close wall</source>
        <translation>Close wall</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="122"/>
        <source>Put dots</source>
        <translation>Put dots</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="122"/>
        <source>Take dots</source>
        <translation>Take dots</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="14"/>
        <source>Delete cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="20"/>
        <location filename="../EditorTools.cpp" line="130"/>
        <location filename="../EditorTools.cpp" line="291"/>
        <source>Remove start</source>
        <translation>Remove start</translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="25"/>
        <source>Nothing to delete: select cells with the Select tool (E) or a start entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="36"/>
        <source>Cut cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="51"/>
        <source>Paste cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="57"/>
        <source>Mirror left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorSelection.cpp" line="57"/>
        <source>Mirror top to bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="141"/>
        <location filename="../EditorTools.cpp" line="145"/>
        <source>Move start</source>
        <translation>Move start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="146"/>
        <source>Add start</source>
        <translation>Add start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="156"/>
        <source>Remove block</source>
        <translation>Remove block</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="168"/>
        <source>Move caption</source>
        <translation>Move caption</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="174"/>
        <source>Place caption</source>
        <translation>Place caption</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="82"/>
        <location filename="../EditorTools.cpp" line="189"/>
        <location filename="../EditorWindow.cpp" line="387"/>
        <source>Cell %1,%2</source>
        <translation>Cell %1,%2</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="100"/>
        <source>Erase lane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="100"/>
        <source>Carve ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="253"/>
        <source>Path names blocks by one digit each, so block %1 cannot be put into it: only blocks 1 to %2 can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="256"/>
        <source>Extend path</source>
        <translation>Extend path</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="258"/>
        <source>Drag from one corner to the other to draw a block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="260"/>
        <source>The course has %1 blocks, as many as Path can name (one digit each): remove one (right-click) before drawing another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="264"/>
        <source>Add block</source>
        <translation>Add block</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="287"/>
        <location filename="../EditorTools.cpp" line="305"/>
        <source>Turn start</source>
        <translation>Turn start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="316"/>
        <source>Place the player&apos;s start first: the dots follow the cells its car can reach.</source>
        <translation>Place the player&apos;s start first: the dots follow the cells its car can reach.</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="319"/>
        <source>Fill reachable dots</source>
        <translation>Fill reachable dots</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="47"/>
        <source>Player&apos;s start</source>
        <translation>Player&apos;s start</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="47"/>
        <source>Computer car %1</source>
        <translation>Computer car %1</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="53"/>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="54"/>
        <location filename="../EditorForms.cpp" line="61"/>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="55"/>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="56"/>
        <location filename="../EditorForms.cpp" line="60"/>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="72"/>
        <source>Pursues the player</source>
        <translation>Pursues the player</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="73"/>
        <source>Drives at random</source>
        <translation>Drives at random</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="65"/>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="63"/>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="64"/>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="66"/>
        <source>Lane</source>
        <translation>Lane</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="67"/>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="75"/>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="87"/>
        <source>Change start</source>
        <translation>Change start</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="93"/>
        <source>Course Properties</source>
        <translation>Course Properties</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="98"/>
        <source>at the right edge</source>
        <translation>at the right edge</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="99"/>
        <source>at the left edge</source>
        <translation>at the left edge</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="102"/>
        <source>at the bottom edge</source>
        <translation>at the bottom edge</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="103"/>
        <source>at the top edge</source>
        <translation>at the top edge</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="104"/>
        <source>Field size of its own (ScreenSize)</source>
        <translation>Field size of its own (ScreenSize)</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="109"/>
        <source>Grow the field with the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="111"/>
        <source>When the map grows, the field grows by as many cells, so no lane ends up outside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="113"/>
        <location filename="../EditorForms.cpp" line="163"/>
        <source>Width (cells)</source>
        <translation>Width (cells)</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="114"/>
        <location filename="../EditorForms.cpp" line="116"/>
        <source>Grow or shrink</source>
        <translation>Grow or shrink</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="115"/>
        <location filename="../EditorForms.cpp" line="164"/>
        <source>Height (cells)</source>
        <translation>Height (cells)</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="118"/>
        <source>Field width (0: the course&apos;s)</source>
        <translation>Field width (0: the course&apos;s)</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="119"/>
        <source>Field height (0: the course&apos;s)</source>
        <translation>Field height (0: the course&apos;s)</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="144"/>
        <source>Course properties</source>
        <translation>Course properties</translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="155"/>
        <source>New Course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="159"/>
        <source>Room for the captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="161"/>
        <source>The field gets a strip beside the map, and the title, the captions and the numbers are placed in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="186"/>
        <source>Keys and Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="189"/>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="190"/>
        <source>Shift-drag with the Lane tool carves a ring; a right-drag erases. Ctrl+wheel zooms. Click a finding to see its cells on the map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="197"/>
        <source>About the Brevanto Course Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorForms.cpp" line="198"/>
        <source>&lt;h3&gt;Brevanto Course Editor&lt;/h3&gt;&lt;p&gt;Draws the courses of Brevanto: lanes, walls, dots, starts, blocks and captions, with every finding of the course checker as you edit.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorOverlay.cpp" line="86"/>
        <source>Path: %1</source>
        <translation>Path: %1</translation>
    </message>
    <message>
        <location filename="../EditorTry.cpp" line="20"/>
        <source>The game would refuse this course, so it cannot be tried yet: %1</source>
        <translation>The game would refuse this course, so it cannot be tried yet: %1</translation>
    </message>
    <message>
        <location filename="../EditorTry.cpp" line="25"/>
        <source>This course cannot be played with the present sheets.</source>
        <translation>This course cannot be played with the present sheets.</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="74"/>
        <source>Findings</source>
        <translation>Findings</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="89"/>
        <source>Start entry Pos%1 is selected: click a cell with the Start tool to put it there, double-click this line for its dialog, or press Delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="181"/>
        <source>Cannot read %1.</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="188"/>
        <source>%1 is not a course file: %2</source>
        <translation>%1 is not a course file: %2</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="226"/>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 has changed on disk since it was opened. Overwrite it?</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="236"/>
        <source>The game cannot load the course as it stands: %1

Save it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="242"/>
        <source>The course was not saved. %1</source>
        <translation>The course was not saved. %1</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="253"/>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="275"/>
        <source>The course has unsaved changes. Save them?</source>
        <translation>The course has unsaved changes. Save them?</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="297"/>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="298"/>
        <source>%1%2 - Brevanto Course Editor</source>
        <translation>%1%2 - Brevanto Course Editor</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <location filename="../FindingTexts.cpp" line="15"/>
        <source>%3 can drive off the course from %1, which ends the game with a course error: close that cell&apos;s outer side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="16"/>
        <source>%3 can run into the dead end at %1 (closed ahead and on both sides), which ends the game with a course error: open a wall there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="17"/>
        <source>%2 dots from %1 on lie where the player&apos;s car never drives, so the stage can never be cleared: open a lane to them or take them away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="18"/>
        <source>Path names a block the course does not have: clear the path and click the blocks again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="19"/>
        <source>The demo ends in a course error near %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="20"/>
        <source>%1 and its neighbour disagree about the wall between them: click it with the Wall tool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="21"/>
        <source>The tile character of %1 is no wall mask (0-9, A-F).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="22"/>
        <source>Two blocks overlap from %1; those cells count as the lower-numbered block only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="23"/>
        <source>%2 lane cells from %1 on lie in no block, so the pursuing cars lose track there: draw a block over them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="24"/>
        <source>No block holds a lane, so the pursuing cars only follow the player&apos;s lane number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="25"/>
        <source>A caption at %1 runs off the field, or is not placed: move it with the Captions tool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="26"/>
        <source>The caption at %1 covers a lane or a dot: move it with the Captions tool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="27"/>
        <source>The caption at %1 and another one cover each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="28"/>
        <source>START has a Pos key that StartNumber does not count (%3), so that car never takes part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="29"/>
        <source>%2 lane or dot cells from %1 on lie outside the drawn field (ScreenSize), where the game never shows them: enlarge ScreenSize in Course Properties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="30"/>
        <source>The start of %3 at %1 lies outside the drawn field (ScreenSize), so the game never shows that car.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="31"/>
        <source>%3 and another start entry both start at %1: move one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="32"/>
        <source>%3 at %1 and the player&apos;s car start next to each other, one facing the other, so they meet on the first move: move or turn one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="33"/>
        <source>MAP row %4 is not as long as the map is wide; saving pads it with closed cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="34"/>
        <source>MAPDOT row %4 is not as long as the map is wide; saving pads it without dots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="35"/>
        <source>MapSize is missing or not above zero; the size was taken from the rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="36"/>
        <source>The course has no start entry, and the game needs one for the player&apos;s car: place it with the Start tool (S).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="37"/>
        <source>StartNumber does not equal the number of Pos keys in START; saving writes the number of start entries shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="38"/>
        <source>Start entry %3 is missing: give it a cell in its dialog or delete it (select this line, then Delete).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="39"/>
        <source>Start entry %3 lies off the course: give it a cell in its dialog or delete it (select this line, then Delete).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="40"/>
        <source>Start entry %3 faces none of up, right, down and left (0, 2, 4, 6): turn it with the Start tool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="41"/>
        <source>The file holds no course.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="74"/>
        <source>the player&apos;s car</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindingsPanel</name>
    <message>
        <location filename="../FindingsPanel.cpp" line="129"/>
        <source>The game refuses this course: %1</source>
        <translation>The game refuses this course: %1</translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="132"/>
        <source>The game loads this course. No findings: nothing to mend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../FindingsPanel.cpp" line="134"/>
        <source>The game loads this course. %n finding(s) below.</source>
        <translation>
            <numerusform>The game loads this course. %n finding below.</numerusform>
            <numerusform>The game loads this course. %n findings below.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="121"/>
        <source>In the file as opened: %1</source>
        <translation>In the file as opened: %1</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <location filename="../FindingTexts.cpp" line="46"/>
        <source>The course file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="47"/>
        <source>MapSize must be two numbers above zero, MAP must hold a row as long as the map is wide for every row of its height, and the field (ScreenSize) must not be too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="48"/>
        <source>MAPDOT must hold a row as long as the map is wide for every row of its height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FindingTexts.cpp" line="49"/>
        <source>StartNumber must be at least 1 and equal the number of Pos keys in START, and every start entry must lie on the course facing up, right, down or left (0, 2, 4 or 6).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TryRunner</name>
    <message>
        <location filename="../TryRunner.cpp" line="45"/>
        <source>Playing</source>
        <translation>Playing</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="86"/>
        <source>The player&apos;s car met a dead end at cell %1,%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="87"/>
        <source>The player&apos;s car left the course at cell %1,%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="89"/>
        <source>Computer car %1 met a dead end at cell %2,%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="90"/>
        <source>Computer car %1 left the course at cell %2,%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="42"/>
        <location filename="../TryRunner.cpp" line="73"/>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
</context>
</TS>
