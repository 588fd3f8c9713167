<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>EditorWindow</name>
    <message>
        <location filename="../EditorActions.cpp" line="33"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="33"/>
        <source>Start a new course of closed cells</source>
        <translation>Start a new course of closed cells</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="34"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="34"/>
        <source>Open a course file</source>
        <translation>Open a course file</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="35"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="35"/>
        <source>Save the course, changing only the lines that changed</source>
        <translation>Save the course, changing only the lines that changed</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="36"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="36"/>
        <source>Save the course under another name</source>
        <translation>Save the course under another name</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="37"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="37"/>
        <source>Close the editor</source>
        <translation>Close the editor</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="38"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="40"/>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>&amp;Fill Reachable Dots</source>
        <translation>&amp;Fill Reachable Dots</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="42"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="43"/>
        <source>Put a dot on every cell the player&apos;s car can reach and remove the others</source>
        <translation>Put a dot on every cell the player&apos;s car can reach and remove the others</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="44"/>
        <source>&amp;Clear Path</source>
        <translation>&amp;Clear Path</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="45"/>
        <source>Empty the block path, to click the blocks again in order</source>
        <translation>Empty the block path, to click the blocks again in order</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="46"/>
        <source>Course &amp;Properties...</source>
        <translation>Course &amp;Properties...</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="46"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="47"/>
        <source>Map size (growing or shrinking at a chosen edge) and field size</source>
        <translation>Map size (growing or shrinking at a chosen edge) and field size</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="48"/>
        <source>&amp;Grid</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="48"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="48"/>
        <source>Show or hide the grid</source>
        <translation>Show or hide the grid</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="51"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="51"/>
        <source>Show the course larger</source>
        <translation>Show the course larger</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="52"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="52"/>
        <source>Show the course smaller</source>
        <translation>Show the course smaller</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>&amp;Play Demo</source>
        <translation>&amp;Play Demo</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="53"/>
        <source>Try the course: the cars drive by themselves</source>
        <translation>Try the course: the cars drive by themselves</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>&amp;Drive</source>
        <translation>&amp;Drive</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="54"/>
        <source>Try the course driving the player&apos;s car with the game&apos;s keys</source>
        <translation>Try the course driving the player&apos;s car with the game&apos;s keys</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="55"/>
        <source>End the try and return to the course as it was</source>
        <translation>End the try and return to the course as it was</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>&amp;Lane</source>
        <translation>&amp;Lane</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="72"/>
        <source>Lane: drag through cells to carve a lane</source>
        <translation>Lane: drag through cells to carve a lane</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>&amp;Wall</source>
        <translation>&amp;Wall</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="73"/>
        <source>Wall: click near a cell edge to close or open it</source>
        <translation>Wall: click near a cell edge to close or open it</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>D&amp;ot</source>
        <translation>D&amp;ot</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="74"/>
        <source>Dot: click or drag to put or take dots</source>
        <translation>Dot: click or drag to put or take dots</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="75"/>
        <source>Start: click to add a car, drag to move, R/Shift+R to turn, Delete to remove, double-click for lane, side and kind</source>
        <translation>Start: click to add a car, drag to move, R/Shift+R to turn, Delete to remove, double-click for lane, side and kind</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="76"/>
        <source>&amp;Block</source>
        <translation>&amp;Block</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="76"/>
        <source>Block: drag a rectangle; click blocks in order to extend the path; right-click removes</source>
        <translation>Block: drag a rectangle; click blocks in order to extend the path; right-click removes</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="77"/>
        <source>&amp;Captions</source>
        <translation>&amp;Captions</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="77"/>
        <source>Captions: drag a caption; a click places the next caption the course lacks</source>
        <translation>Captions: drag a caption; a click places the next caption the course lacks</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="101"/>
        <source>Clear path</source>
        <translation>Clear path</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="114"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="117"/>
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="124"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="132"/>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="136"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="141"/>
        <source>T&amp;ry</source>
        <translation>T&amp;ry</translation>
    </message>
    <message>
        <location filename="../EditorActions.cpp" line="149"/>
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
        <location filename="../EditorTools.cpp" line="75"/>
        <source>Carve lane</source>
        <translation>Carve lane</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="89"/>
        <source>Open wall</source>
        <translation>Open wall</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="89"/>
        <source>Close wall</source>
        <translation>Close wall</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="98"/>
        <source>Put dots</source>
        <translation>Put dots</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="98"/>
        <source>Take dots</source>
        <translation>Take dots</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="106"/>
        <location filename="../EditorTools.cpp" line="235"/>
        <source>Remove start</source>
        <translation>Remove start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="113"/>
        <source>Move start</source>
        <translation>Move start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="114"/>
        <source>Add start</source>
        <translation>Add start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="124"/>
        <source>Remove block</source>
        <translation>Remove block</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="136"/>
        <source>Move caption</source>
        <translation>Move caption</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="142"/>
        <source>Place caption</source>
        <translation>Place caption</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="156"/>
        <location filename="../EditorWindow.cpp" line="319"/>
        <source>Cell %1,%2</source>
        <translation>Cell %1,%2</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="206"/>
        <source>Extend path</source>
        <translation>Extend path</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="208"/>
        <source>Add block</source>
        <translation>Add block</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="231"/>
        <location filename="../EditorTools.cpp" line="249"/>
        <source>Turn start</source>
        <translation>Turn start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="260"/>
        <source>Place the player&apos;s start first: the dots follow the cells its car can reach.</source>
        <translation>Place the player&apos;s start first: the dots follow the cells its car can reach.</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="263"/>
        <source>Fill reachable dots</source>
        <translation>Fill reachable dots</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="271"/>
        <source>Player&apos;s start</source>
        <translation>Player&apos;s start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="271"/>
        <source>Computer car %1</source>
        <translation>Computer car %1</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="274"/>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="275"/>
        <location filename="../EditorTools.cpp" line="284"/>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="276"/>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="277"/>
        <location filename="../EditorTools.cpp" line="283"/>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="287"/>
        <source>Pursues the player</source>
        <translation>Pursues the player</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="288"/>
        <source>Drives at random</source>
        <translation>Drives at random</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="290"/>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="291"/>
        <source>Lane</source>
        <translation>Lane</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="292"/>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="293"/>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="301"/>
        <source>Change start</source>
        <translation>Change start</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="307"/>
        <source>Course Properties</source>
        <translation>Course Properties</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="316"/>
        <source>at the right edge</source>
        <translation>at the right edge</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="317"/>
        <source>at the left edge</source>
        <translation>at the left edge</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="319"/>
        <source>at the bottom edge</source>
        <translation>at the bottom edge</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="320"/>
        <source>at the top edge</source>
        <translation>at the top edge</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="321"/>
        <source>Field size of its own (ScreenSize)</source>
        <translation>Field size of its own (ScreenSize)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="330"/>
        <source>Width (cells)</source>
        <translation>Width (cells)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="331"/>
        <location filename="../EditorTools.cpp" line="333"/>
        <source>Grow or shrink</source>
        <translation>Grow or shrink</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="332"/>
        <source>Height (cells)</source>
        <translation>Height (cells)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="335"/>
        <source>Field width (0: the course&apos;s)</source>
        <translation>Field width (0: the course&apos;s)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="336"/>
        <source>Field height (0: the course&apos;s)</source>
        <translation>Field height (0: the course&apos;s)</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="342"/>
        <source>Course properties</source>
        <translation>Course properties</translation>
    </message>
    <message>
        <location filename="../EditorTools.cpp" line="382"/>
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
        <location filename="../EditorWindow.cpp" line="71"/>
        <source>Findings</source>
        <translation>Findings</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="130"/>
        <source>Cannot read %1.</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="137"/>
        <source>%1 is not a course file: %2</source>
        <translation>%1 is not a course file: %2</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="173"/>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 has changed on disk since it was opened. Overwrite it?</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="182"/>
        <source>The course was not saved. %1</source>
        <translation>The course was not saved. %1</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="193"/>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="212"/>
        <source>The course has unsaved changes. Save them?</source>
        <translation>The course has unsaved changes. Save them?</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="231"/>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <location filename="../EditorWindow.cpp" line="232"/>
        <source>%1%2 - Brevanto Course Editor</source>
        <translation>%1%2 - Brevanto Course Editor</translation>
    </message>
</context>
<context>
    <name>FindingsPanel</name>
    <message>
        <location filename="../FindingsPanel.cpp" line="71"/>
        <source>The game loads this course.</source>
        <translation>The game loads this course.</translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="73"/>
        <source>The game refuses this course: %1</source>
        <translation>The game refuses this course: %1</translation>
    </message>
    <message>
        <location filename="../FindingsPanel.cpp" line="83"/>
        <source>In the file as opened: %1</source>
        <translation>In the file as opened: %1</translation>
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
        <translation>Playing</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="29"/>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>The player&apos;s car met a dead end at cell %1,%2.</source>
        <translation>The player&apos;s car met a dead end at cell %1,%2.</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>The player&apos;s car left the course at cell %1,%2.</source>
        <translation>The player&apos;s car left the course at cell %1,%2.</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>Computer car %1 met a dead end at cell %2,%3.</source>
        <translation>Computer car %1 met a dead end at cell %2,%3.</translation>
    </message>
    <message>
        <location filename="../TryRunner.cpp" line="80"/>
        <source>Computer car %1 left the course at cell %2,%3.</source>
        <translation>Computer car %1 left the course at cell %2,%3.</translation>
    </message>
</context>
</TS>
