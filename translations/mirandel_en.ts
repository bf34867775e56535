<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Options</name>
    <message>
        <source>mirandel: player for Quimera graphical text adventures.
Without options it plays the bundled demo game in a window (in the terminal when there is no display).</source>
        <translation>mirandel: player for Quimera graphical text adventures.
Without options it plays the bundled demo game in a window (in the terminal when there is no display).</translation>
    </message>
    <message>
        <source>Play the game in folder DIR.</source>
        <translation>Play the game in folder DIR.</translation>
    </message>
    <message>
        <source>Base name of the player's own table (default mirandel).</source>
        <translation>Base name of the player's own table (default mirandel).</translation>
    </message>
    <message>
        <source>Address of the publisher's server (on-line play).</source>
        <translation>Address of the publisher's server (on-line play).</translation>
    </message>
    <message>
        <source>Base address of the publisher's pages on the opening screen.</source>
        <translation>Base address of the publisher's pages on the opening screen.</translation>
    </message>
    <message>
        <source>Play in the terminal.</source>
        <translation>Play in the terminal.</translation>
    </message>
    <message>
        <source>Scripted play: read events from FILE, no window needed.</source>
        <translation>Scripted play: read events from FILE, no window needed.</translation>
    </message>
    <message>
        <source>After the last event, write a snapshot into DIR.</source>
        <translation>After the last event, write a snapshot into DIR.</translation>
    </message>
    <message>
        <source>Write every statement trace line to FILE.</source>
        <translation>Write every statement trace line to FILE.</translation>
    </message>
    <message>
        <source>Check the game for faults without running it (exit 0 clean, 1 findings, 2 unreadable).</source>
        <translation>Check the game for faults without running it (exit 0 clean, 1 findings, 2 unreadable).</translation>
    </message>
    <message>
        <source>Play without sound (in the window Ctrl+M turns it on and off).</source>
        <translation>Play without sound (in the window Ctrl+M turns it on and off).</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (see --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see --help)</source>
        <translation>unexpected argument %1 (see --help)</translation>
    </message>
    <message>
        <source>cannot read the events file %1</source>
        <translation>cannot read the events file %1</translation>
    </message>
    <message>
        <source>cannot write the dump into %1</source>
        <translation>cannot write the dump into %1</translation>
    </message>
    <message>
        <source>the game folder %1 does not exist</source>
        <translation>the game folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 is not a folder: --game takes the folder that holds the game</source>
        <translation>%1 is not a folder: --game takes the folder that holds the game</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>[error] %1</source>
        <translation>[error] %1</translation>
    </message>
    <message>
        <source>[unknown terminal command: %1; :ajuda lists the commands]</source>
        <translation>[unknown terminal command: %1; :ajuda lists the commands]</translation>
    </message>
    <message>
        <source>(to end the game and save it, type :sair)</source>
        <translation>(to end the game and save it, type :sair)</translation>
    </message>
    <message>
        <source>[picture: %1]</source>
        <translation>[picture: %1]</translation>
    </message>
    <message>
        <source>[music: %1]</source>
        <translation>[music: %1]</translation>
    </message>
    <message>
        <source>[sound: %1]</source>
        <translation>[sound: %1]</translation>
    </message>
    <message>
        <source>[command box: %1; an empty line presses Enter]</source>
        <translation>[command box: %1; an empty line presses Enter]</translation>
    </message>
    <message>
        <source>No exit is marked in this place.</source>
        <translation>No exit is marked in this place.</translation>
    </message>
    <message>
        <source>Exits: %1.</source>
        <translation>Exits: %1.</translation>
    </message>
    <message>
        <source>This screen has no links.</source>
        <translation>This screen has no links.</translation>
    </message>
    <message>
        <source>There is no link %1; :links lists the links.</source>
        <translation>There is no link %1; :links lists the links.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>panel</source>
        <translation>panel</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>frame</translation>
    </message>
    <message>
        <source>page</source>
        <translation>page</translation>
    </message>
    <message>
        <source>No clickable spot on this screen.</source>
        <translation>No clickable spot on this screen.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>(:clicar N clicks spot N)</source>
        <translation>(:clicar N clicks spot N)</translation>
    </message>
    <message>
        <source>There is no spot %1; :pontos lists the spots.</source>
        <translation>There is no spot %1; :pontos lists the spots.</translation>
    </message>
    <message>
        <source>(button) %1</source>
        <translation>(button) %1</translation>
    </message>
    <message>
        <source>There is no control %1; :baixar shows the page.</source>
        <translation>There is no control %1; :baixar shows the page.</translation>
    </message>
    <message>
        <source>(:ajuda lists the terminal's commands)</source>
        <translation>(:ajuda lists the terminal's commands)</translation>
    </message>
    <message>
        <source>This game has not shown a map yet.</source>
        <translation>This game has not shown a map yet.</translation>
    </message>
    <message>
        <source>Could not write the map into %1</source>
        <translation>Could not write the map into %1</translation>
    </message>
    <message>
        <source>Map written into: %1</source>
        <translation>Map written into: %1</translation>
    </message>
    <message>
        <source>Game commands: type the phrase and press Enter (for example: norte, pegue a chave).
An empty line presses Enter with an empty box: the place is described again.
When the page shows numbered links, a bare number follows that link.
The arrow keys edit the line; Up and Down recall earlier commands.
Terminal commands:
  :f1 :f2 :f3 :f4        function keys (F3 brings back the last command)
  :norte :sul :leste :oeste   (or :up :down :right :left) the arrow keys of the game
  :saidas                the exits of the place
  :links                 the links of the page, numbered
  :link N                follows link N
  :pontos                the clickable spots of the pictures, numbered
  :clicar N              clicks spot N
  :executar NAME         runs the script NAME (as a click would)
  :mapa                  writes the game's map into a PNG file and says where
  :baixar                the download page (on-line game, updates)
  :baixar CONTROL        clicks one of its controls (TicLine, btAtual, btDEG, btDWNtudo...)
  :ajuda                 this list (also :help or help)
  :sair                  ends and saves the game (so does the end of the input; also :quit)
</source>
        <translation>Game commands: type the phrase and press Enter (for example: norte, pegue a chave).
An empty line presses Enter with an empty box: the place is described again.
When the page shows numbered links, a bare number follows that link.
The arrow keys edit the line; Up and Down recall earlier commands.
Terminal commands:
  :f1 :f2 :f3 :f4        function keys (F3 brings back the last command)
  :norte :sul :leste :oeste   (or :up :down :right :left) the arrow keys of the game
  :saidas                the exits of the place
  :links                 the links of the page, numbered
  :link N                follows link N
  :pontos                the clickable spots of the pictures, numbered
  :clicar N              clicks spot N
  :executar NAME         runs the script NAME (as a click would)
  :mapa                  writes the game's map into a PNG file and says where
  :baixar                the download page (on-line game, updates)
  :baixar CONTROL        clicks one of its controls (TicLine, btAtual, btDEG, btDWNtudo...)
  :ajuda                 this list (also :help or help)
  :sair                  ends and saves the game (so does the end of the input; also :quit)
</translation>
    </message>
</context>
</TS>
