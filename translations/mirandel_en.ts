<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Check</name>
    <message>
        <source>the game file "%1" is found only by ignoring case</source>
        <translation>the game file "%1" is found only by ignoring case</translation>
    </message>
    <message>
        <source>the game file is missing; the game cannot start</source>
        <translation>the game file is missing; the game cannot start</translation>
    </message>
    <message>
        <source>the game file cannot be read; the game cannot start</source>
        <translation>the game file cannot be read; the game cannot start</translation>
    </message>
    <message>
        <source>the game folder %1 does not exist</source>
        <translation>the game folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 holds no table %2; is it a game folder?</source>
        <translation>%1 holds no table %2; is it a game folder?</translation>
    </message>
    <message>
        <source>the opening script "abertura" is found only by ignoring case</source>
        <translation>the opening script "abertura" is found only by ignoring case</translation>
    </message>
    <message>
        <source>there is no opening script "abertura"; every game starts with it</source>
        <translation>there is no opening script "abertura"; every game starts with it</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>no findings</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 warning</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 warnings</translation>
    </message>
    <message>
        <source>%1 note</source>
        <translation>%1 note</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 notes</translation>
    </message>
    <message>
        <source>the script "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>the script "%1" is found only by ignoring case (the file is "%2")</translation>
    </message>
    <message>
        <source>the script "%1" names a file outside the game folder</source>
        <translation>the script "%1" names a file outside the game folder</translation>
    </message>
    <message>
        <source>there is no script "%1"</source>
        <translation>there is no script "%1"</translation>
    </message>
    <message>
        <source>the picture "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>the picture "%1" is found only by ignoring case (the file is "%2")</translation>
    </message>
    <message>
        <source>the picture "%1" names a file outside the game folder</source>
        <translation>the picture "%1" names a file outside the game folder</translation>
    </message>
    <message>
        <source>there is no picture "%1"</source>
        <translation>there is no picture "%1"</translation>
    </message>
    <message>
        <source>the sound "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>the sound "%1" is found only by ignoring case (the file is "%2")</translation>
    </message>
    <message>
        <source>the sound "%1" names a file outside the game folder</source>
        <translation>the sound "%1" names a file outside the game folder</translation>
    </message>
    <message>
        <source>there is no sound "%1"</source>
        <translation>there is no sound "%1"</translation>
    </message>
    <message>
        <source>the phrase file "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>the phrase file "%1" is found only by ignoring case (the file is "%2")</translation>
    </message>
    <message>
        <source>the phrase file "%1" names a file outside the game folder</source>
        <translation>the phrase file "%1" names a file outside the game folder</translation>
    </message>
    <message>
        <source>there is no phrase file "%1"</source>
        <translation>there is no phrase file "%1"</translation>
    </message>
    <message>
        <source>"%1" stands for the exit %2=, which no script sets</source>
        <translation>"%1" stands for the exit %2=, which no script sets</translation>
    </message>
    <message>
        <source>"%1" is not a placeholder (@norte, @sul, @leste, @oeste, @subir, @descer, @entrar, @sair, @pos, @obj, @xvlt) and no script has that name</source>
        <translation>"%1" is not a placeholder (@norte, @sul, @leste, @oeste, @subir, @descer, @entrar, @sair, @pos, @obj, @xvlt) and no script has that name</translation>
    </message>
    <message>
        <source>the picture "%1" has its extension in capitals; the player reads only .png, .jpg, .bmp and .gif</source>
        <translation>the picture "%1" has its extension in capitals; the player reads only .png, .jpg, .bmp and .gif</translation>
    </message>
    <message>
        <source>the object "%1" has no pristine file; reset objs stops the run there</source>
        <translation>the object "%1" has no pristine file; reset objs stops the run there</translation>
    </message>
    <message>
        <source>the object "%1" finds its pristine file only by ignoring case</source>
        <translation>the object "%1" finds its pristine file only by ignoring case</translation>
    </message>
    <message>
        <source>a pristine object file needs 8 lines; this one has %1</source>
        <translation>a pristine object file needs 8 lines; this one has %1</translation>
    </message>
    <message>
        <source>the record's key is "%1", not "%2"</source>
        <translation>the record's key is "%1", not "%2"</translation>
    </message>
    <message>
        <source>the object "%1" is listed twice</source>
        <translation>the object "%1" is listed twice</translation>
    </message>
    <message>
        <source>the object table has %1 lines; %2 objects need %3</source>
        <translation>the object table has %1 lines; %2 objects need %3</translation>
    </message>
    <message>
        <source>record %1 holds "%2" where the sorted keys put "%3"</source>
        <translation>record %1 holds "%2" where the sorted keys put "%3"</translation>
    </message>
    <message>
        <source>the line has no "|", so it matches nothing</source>
        <translation>the line has no "|", so it matches nothing</translation>
    </message>
    <message>
        <source>the line has no phrase before "|"</source>
        <translation>the line has no phrase before "|"</translation>
    </message>
    <message>
        <source>the phrase "%1" has small letters; what the player types is in capitals, so it never matches</source>
        <translation>the phrase "%1" has small letters; what the player types is in capitals, so it never matches</translation>
    </message>
    <message>
        <source>the phrase "%1" is already on line %2; this line is never used</source>
        <translation>the phrase "%1" is already on line %2; this line is never used</translation>
    </message>
    <message>
        <source>the hidden phrase "%1" matches only when the player types it with its "/"; it is never suggested</source>
        <translation>the hidden phrase "%1" matches only when the player types it with its "/"; it is never suggested</translation>
    </message>
    <message>
        <source>the hidden phrase "/" has no words</source>
        <translation>the hidden phrase "/" has no words</translation>
    </message>
    <message>
        <source>the phrase "%1" has no script after "|"</source>
        <translation>the phrase "%1" has no script after "|"</translation>
    </message>
    <message>
        <source>no path of play reaches the script "%1"</source>
        <translation>no path of play reaches the script "%1"</translation>
    </message>
    <message>
        <source>nothing in reach shows this picture</source>
        <translation>nothing in reach shows this picture</translation>
    </message>
    <message>
        <source>the quoted text never closes with "'": it takes the rest of the script</source>
        <translation>the quoted text never closes with "'": it takes the rest of the script</translation>
    </message>
    <message>
        <source>a comma ends the text of %1 before its closing "'"; write ^ for a comma</source>
        <translation>a comma ends the text of %1 before its closing "'"; write ^ for a comma</translation>
    </message>
    <message>
        <source>unknown statement "%1"; the line does nothing (did you mean "%2"?)</source>
        <translation>unknown statement "%1"; the line does nothing (did you mean "%2"?)</translation>
    </message>
    <message>
        <source>unknown statement "%1"; the line does nothing (keywords are written in small letters: "%2")</source>
        <translation>unknown statement "%1"; the line does nothing (keywords are written in small letters: "%2")</translation>
    </message>
    <message>
        <source>unknown statement "%1"; the line does nothing</source>
        <translation>unknown statement "%1"; the line does nothing</translation>
    </message>
    <message>
        <source>%1 is outside the register count (row 5 is %2), so it stands for the text "%3"</source>
        <translation>%1 is outside the register count (row 5 is %2), so it stands for the text "%3"</translation>
    </message>
    <message>
        <source>register %1 does not exist (the register file has %2)</source>
        <translation>register %1 does not exist (the register file has %2)</translation>
    </message>
    <message>
        <source>msg= without a text</source>
        <translation>msg= without a text</translation>
    </message>
    <message>
        <source>the link "%1" has no closing "|" after its script</source>
        <translation>the link "%1" has no closing "|" after its script</translation>
    </message>
    <message>
        <source>%1 needs %2 argument, the line gives %3</source>
        <translation>%1 needs %2 argument, the line gives %3</translation>
    </message>
    <message>
        <source>%1 needs %2 arguments, the line gives %3</source>
        <translation>%1 needs %2 arguments, the line gives %3</translation>
    </message>
    <message>
        <source>%1 takes no arguments; the rest of the line is ignored</source>
        <translation>%1 takes no arguments; the rest of the line is ignored</translation>
    </message>
    <message>
        <source>%1 takes %2 argument; the rest is ignored</source>
        <translation>%1 takes %2 argument; the rest is ignored</translation>
    </message>
    <message>
        <source>%1 takes %2 arguments; the rest is ignored</source>
        <translation>%1 takes %2 arguments; the rest is ignored</translation>
    </message>
    <message>
        <source>%1 has an empty argument %2</source>
        <translation>%1 has an empty argument %2</translation>
    </message>
    <message>
        <source>the test carries no statement</source>
        <translation>the test carries no statement</translation>
    </message>
    <message>
        <source>"%1" is not a register number</source>
        <translation>"%1" is not a register number</translation>
    </message>
    <message>
        <source>"%1" is not a number; %2 stops the run there</source>
        <translation>"%1" is not a number; %2 stops the run there</translation>
    </message>
    <message>
        <source>"%1" is not a number; %2 takes its default</source>
        <translation>"%1" is not a number; %2 takes its default</translation>
    </message>
    <message>
        <source>"%1" is not a number or $; 0 is used</source>
        <translation>"%1" is not a number or $; 0 is used</translation>
    </message>
    <message>
        <source>"%1" is not a surface (tel, fnc or pan)</source>
        <translation>"%1" is not a surface (tel, fnc or pan)</translation>
    </message>
    <message>
        <source>there is no object "%1"</source>
        <translation>there is no object "%1"</translation>
    </message>
    <message>
        <source>"%1" is not an object field (nom, dsc, loc, shp, tag)</source>
        <translation>"%1" is not an object field (nom, dsc, loc, shp, tag)</translation>
    </message>
    <message>
        <source>"%1" is not an exit (norte, sul, leste, oeste, subir, descer, entrar, sair)</source>
        <translation>"%1" is not an exit (norte, sul, leste, oeste, subir, descer, entrar, sair)</translation>
    </message>
    <message>
        <source>"%1" is not a display mode (0, 1, 2 or 3)</source>
        <translation>"%1" is not a display mode (0, 1, 2 or 3)</translation>
    </message>
    <message>
        <source>"%1" is neither on nor off; nothing changes</source>
        <translation>"%1" is neither on nor off; nothing changes</translation>
    </message>
    <message>
        <source>"%1" is not a playsnd mode (on, off or stop)</source>
        <translation>"%1" is not a playsnd mode (on, off or stop)</translation>
    </message>
    <message>
        <source>"%1" is not a style (three letters such as Biu)</source>
        <translation>"%1" is not a style (three letters such as Biu)</translation>
    </message>
    <message>
        <source>"%1" is not an engine variable (Modelo, Script, IniScp, RetScp, Posic, Objeto)</source>
        <translation>"%1" is not an engine variable (Modelo, Script, IniScp, RetScp, Posic, Objeto)</translation>
    </message>
    <message>
        <source>"%1" is not a link parameter (prm, prx or pry)</source>
        <translation>"%1" is not a link parameter (prm, prx or pry)</translation>
    </message>
    <message>
        <source>"%1" is not a part of an object (tit, dsc or shp)</source>
        <translation>"%1" is not a part of an object (tit, dsc or shp)</translation>
    </message>
    <message>
        <source>"%1" is not a focus target (web, inp, fnc, vsr, msg)</source>
        <translation>"%1" is not a focus target (web, inp, fnc, vsr, msg)</translation>
    </message>
    <message>
        <source>"%1" is not a hot-spot group (tel, fnc, pan, md3)</source>
        <translation>"%1" is not a hot-spot group (tel, fnc, pan, md3)</translation>
    </message>
    <message>
        <source>"%1" is not a colour (six hex digits RRGGBB); %2 stops the run there</source>
        <translation>"%1" is not a colour (six hex digits RRGGBB); %2 stops the run there</translation>
    </message>
    <message>
        <source>"%1" is not six hex digits RRGGBB; the player reads it as %2</source>
        <translation>"%1" is not six hex digits RRGGBB; the player reads it as %2</translation>
    </message>
    <message>
        <source>%1 names "%2"; write the label without its colon</source>
        <translation>%1 names "%2"; write the label without its colon</translation>
    </message>
    <message>
        <source>the label line "%1" has text after its name, so %2 cannot reach it</source>
        <translation>the label line "%1" has text after its name, so %2 cannot reach it</translation>
    </message>
    <message>
        <source>%1 to the label "%2", which this script does not have</source>
        <translation>%1 to the label "%2", which this script does not have</translation>
    </message>
    <message>
        <source>there is no object "%1" to restore</source>
        <translation>there is no object "%1" to restore</translation>
    </message>
    <message>
        <source>reset regs empties %1 registers (row 5) but the register file has %2; the run stops at the first missing one</source>
        <translation>reset regs empties %1 registers (row 5) but the register file has %2; the run stops at the first missing one</translation>
    </message>
    <message>
        <source>reset mapa without a file name does nothing</source>
        <translation>reset mapa without a file name does nothing</translation>
    </message>
    <message>
        <source>reset %1 does nothing (reset takes objs, regs or mapa)</source>
        <translation>reset %1 does nothing (reset takes objs, regs or mapa)</translation>
    </message>
    <message>
        <source>%1 without a picture or text</source>
        <translation>%1 without a picture or text</translation>
    </message>
    <message>
        <source>"%1" has its extension in capitals, so %2 shows it as a text</source>
        <translation>"%1" has its extension in capitals, so %2 shows it as a text</translation>
    </message>
    <message>
        <source>chuva= mask takes a .bmp file or off</source>
        <translation>chuva= mask takes a .bmp file or off</translation>
    </message>
    <message>
        <source>chuva= %1 does nothing (a .bmp file, on, off, mask, time or wgotas)</source>
        <translation>chuva= %1 does nothing (a .bmp file, on, off, mask, time or wgotas)</translation>
    </message>
    <message>
        <source>a run that continues here with "script" (%1:%2) skips this first line; start the script with a comment or a label</source>
        <translation>a run that continues here with "script" (%1:%2) skips this first line; start the script with a comment or a label</translation>
    </message>
    <message>
        <source>window left</source>
        <translation>window left</translation>
    </message>
    <message>
        <source>window top</source>
        <translation>window top</translation>
    </message>
    <message>
        <source>register count</source>
        <translation>register count</translation>
    </message>
    <message>
        <source>game area width</source>
        <translation>game area width</translation>
    </message>
    <message>
        <source>game area height</source>
        <translation>game area height</translation>
    </message>
    <message>
        <source>message font size</source>
        <translation>message font size</translation>
    </message>
    <message>
        <source>viewer left</source>
        <translation>viewer left</translation>
    </message>
    <message>
        <source>viewer top</source>
        <translation>viewer top</translation>
    </message>
    <message>
        <source>viewer width</source>
        <translation>viewer width</translation>
    </message>
    <message>
        <source>viewer height</source>
        <translation>viewer height</translation>
    </message>
    <message>
        <source>message strip left</source>
        <translation>message strip left</translation>
    </message>
    <message>
        <source>message strip top</source>
        <translation>message strip top</translation>
    </message>
    <message>
        <source>message strip width</source>
        <translation>message strip width</translation>
    </message>
    <message>
        <source>message strip height</source>
        <translation>message strip height</translation>
    </message>
    <message>
        <source>mode-0 font size</source>
        <translation>mode-0 font size</translation>
    </message>
    <message>
        <source>command box left</source>
        <translation>command box left</translation>
    </message>
    <message>
        <source>command box top</source>
        <translation>command box top</translation>
    </message>
    <message>
        <source>command box width</source>
        <translation>command box width</translation>
    </message>
    <message>
        <source>command box height</source>
        <translation>command box height</translation>
    </message>
    <message>
        <source>command box font size</source>
        <translation>command box font size</translation>
    </message>
    <message>
        <source>function panel left</source>
        <translation>function panel left</translation>
    </message>
    <message>
        <source>function panel top</source>
        <translation>function panel top</translation>
    </message>
    <message>
        <source>function panel width</source>
        <translation>function panel width</translation>
    </message>
    <message>
        <source>function panel height</source>
        <translation>function panel height</translation>
    </message>
    <message>
        <source>mode-3 viewer width</source>
        <translation>mode-3 viewer width</translation>
    </message>
    <message>
        <source>mode-3 viewer height</source>
        <translation>mode-3 viewer height</translation>
    </message>
    <message>
        <source>mode-2 viewer width</source>
        <translation>mode-2 viewer width</translation>
    </message>
    <message>
        <source>mode-2 viewer height</source>
        <translation>mode-2 viewer height</translation>
    </message>
    <message>
        <source>picture width</source>
        <translation>picture width</translation>
    </message>
    <message>
        <source>picture height</source>
        <translation>picture height</translation>
    </message>
    <message>
        <source>end button left</source>
        <translation>end button left</translation>
    </message>
    <message>
        <source>end button top</source>
        <translation>end button top</translation>
    </message>
    <message>
        <source>end button label size</source>
        <translation>end button label size</translation>
    </message>
    <message>
        <source>map page width</source>
        <translation>map page width</translation>
    </message>
    <message>
        <source>map page height</source>
        <translation>map page height</translation>
    </message>
    <message>
        <source>display mode</source>
        <translation>display mode</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>background colour</translation>
    </message>
    <message>
        <source>text colour</source>
        <translation>text colour</translation>
    </message>
    <message>
        <source>link colour</source>
        <translation>link colour</translation>
    </message>
    <message>
        <source>visited-link colour</source>
        <translation>visited-link colour</translation>
    </message>
    <message>
        <source>mode-0 text colour</source>
        <translation>mode-0 text colour</translation>
    </message>
    <message>
        <source>command box colour</source>
        <translation>command box colour</translation>
    </message>
    <message>
        <source>command box text colour</source>
        <translation>command box text colour</translation>
    </message>
    <message>
        <source>end button label colour</source>
        <translation>end button label colour</translation>
    </message>
    <message>
        <source>message strip shown</source>
        <translation>message strip shown</translation>
    </message>
    <message>
        <source>command box shown</source>
        <translation>command box shown</translation>
    </message>
    <message>
        <source>function panel shown</source>
        <translation>function panel shown</translation>
    </message>
    <message>
        <source>rectangular window</source>
        <translation>rectangular window</translation>
    </message>
    <message>
        <source>on-line play</source>
        <translation>on-line play</translation>
    </message>
    <message>
        <source>download everything</source>
        <translation>download everything</translation>
    </message>
    <message>
        <source>download newer files</source>
        <translation>download newer files</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>multiplayer</translation>
    </message>
    <message>
        <source>mode-0 font style</source>
        <translation>mode-0 font style</translation>
    </message>
    <message>
        <source>message style</source>
        <translation>message style</translation>
    </message>
    <message>
        <source>command box style</source>
        <translation>command box style</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a number: "%3"</source>
        <translation>row %1 (%2) is not a number: "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a display mode (0, 1, 2 or 3): "%3"</source>
        <translation>row %1 (%2) is not a display mode (0, 1, 2 or 3): "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a colour (six hex digits RRGGBB): "%3"</source>
        <translation>row %1 (%2) is not a colour (six hex digits RRGGBB): "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not six hex digits RRGGBB: "%3" reads as %4</source>
        <translation>row %1 (%2) is not six hex digits RRGGBB: "%3" reads as %4</translation>
    </message>
    <message>
        <source>row %1 (%2) is a switch, on only when it holds exactly *: "%3"</source>
        <translation>row %1 (%2) is a switch, on only when it holds exactly *: "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a style (three letters such as Biu): "%3"</source>
        <translation>row %1 (%2) is not a style (three letters such as Biu): "%3"</translation>
    </message>
    <message>
        <source>row 4 (the game's name) is empty</source>
        <translation>row 4 (the game's name) is empty</translation>
    </message>
    <message>
        <source>row 17 (phrase file) is empty</source>
        <translation>row 17 (phrase file) is empty</translation>
    </message>
    <message>
        <source>the file mixes UTF-8 and Windows-1252 letters; it is read as Windows-1252, so its UTF-8 letters show wrong</source>
        <translation>the file mixes UTF-8 and Windows-1252 letters; it is read as Windows-1252, so its UTF-8 letters show wrong</translation>
    </message>
    <message>
        <source>the file is read as UTF-8</source>
        <translation>the file is read as UTF-8</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>There is no register %1 (the game has 0 to %2).</source>
        <translation>There is no register %1 (the game has 0 to %2).</translation>
    </message>
    <message>
        <source>The game has no objects.</source>
        <translation>The game has no objects.</translation>
    </message>
    <message>
        <source>There is no script %1.scx in the game folder.</source>
        <translation>There is no script %1.scx in the game folder.</translation>
    </message>
    <message>
        <source>Trace on.</source>
        <translation>Trace on.</translation>
    </message>
    <message>
        <source>Trace off.</source>
        <translation>Trace off.</translation>
    </message>
    <message>
        <source>No error was shown yet.</source>
        <translation>No error was shown yet.</translation>
    </message>
    <message>
        <source>Commands: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error</source>
        <translation>Commands: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error</translation>
    </message>
    <message>
        <source>There is no row %1 of the definitions table.</source>
        <translation>There is no row %1 of the definitions table.</translation>
    </message>
</context>
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
    <message>
        <source>Show the window N times larger, N from 1 to 4 (1.5 too); Ctrl+plus and Ctrl+minus change it while playing, and the window remembers that choice.</source>
        <translation>Show the window N times larger, N from 1 to 4 (1.5 too); Ctrl+plus and Ctrl+minus change it while playing, and the window remembers that choice.</translation>
    </message>
    <message>
        <source>the bundled games folder was not found</source>
        <translation>the bundled games folder was not found</translation>
    </message>
    <message>
        <source>cannot write the steps file %1</source>
        <translation>cannot write the steps file %1</translation>
    </message>
    <message>
        <source>cannot write the coverage file %1</source>
        <translation>cannot write the coverage file %1</translation>
    </message>
    <message>
        <source>the display %1 does not answer: playing in the terminal</source>
        <translation>the display %1 does not answer: playing in the terminal</translation>
    </message>
    <message>
        <source>Keep this session's transcript (the game's text and your commands) in FILE.</source>
        <translation>Keep this session's transcript (the game's text and your commands) in FILE.</translation>
    </message>
    <message>
        <source>Play on a temporary copy of the game folder, removed at exit: nothing in the folder changes.</source>
        <translation>Play on a temporary copy of the game folder, removed at exit: nothing in the folder changes.</translation>
    </message>
    <message>
        <source>Write the smallest complete game into the new folder DIR (its name: the argument after DIR, default mirandel).</source>
        <translation>Write the smallest complete game into the new folder DIR (its name: the argument after DIR, default mirandel).</translation>
    </message>
    <message>
        <source>Write every statement run to FILE: script, line, statement, the registers it changed.</source>
        <translation>Write every statement run to FILE: script, line, statement, the registers it changed.</translation>
    </message>
    <message>
        <source>At exit, write to FILE which lines of each script ran and which phrases matched.</source>
        <translation>At exit, write to FILE which lines of each script ran and which phrases matched.</translation>
    </message>
    <message>
        <source>List the games the player knows (name, folder, last played) and end.</source>
        <translation>List the games the player knows (name, folder, last played) and end.</translation>
    </message>
    <message>
        <source>The game folder to play (the same as --game DIR).</source>
        <translation>The game folder to play (the same as --game DIR).</translation>
    </message>
    <message>
        <source>cannot make a temporary folder in %1</source>
        <translation>cannot make a temporary folder in %1</translation>
    </message>
    <message>
        <source>cannot copy the game folder %1 for --scratch</source>
        <translation>cannot copy the game folder %1 for --scratch</translation>
    </message>
    <message>
        <source>While playing, reload a script, picture or table row whose file changed and run the current place again (registers and objects kept).</source>
        <translation>While playing, reload a script, picture or table row whose file changed and run the current place again (registers and objects kept).</translation>
    </message>
    <message>
        <source>Close the window as soon as its first screen is painted (to time the start-up).</source>
        <translation>Close the window as soon as its first screen is painted (to time the start-up).</translation>
    </message>
</context>
<context>
    <name>Slots</name>
    <message>
        <source>Saved as "%1".</source>
        <translation>Saved as "%1".</translation>
    </message>
    <message>
        <source>Restored "%1".</source>
        <translation>Restored "%1".</translation>
    </message>
    <message>
        <source>There is no game in play to save or restore yet.</source>
        <translation>There is no game in play to save or restore yet.</translation>
    </message>
    <message>
        <source>A save slot needs a name.</source>
        <translation>A save slot needs a name.</translation>
    </message>
    <message>
        <source>There is no saved game named "%1".</source>
        <translation>There is no saved game named "%1".</translation>
    </message>
    <message>
        <source>The saved game "%1" is damaged (%2): nothing was changed.</source>
        <translation>The saved game "%1" is damaged (%2): nothing was changed.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2 could not be written.</source>
        <translation>Could not save "%1": %2 could not be written.</translation>
    </message>
    <message>
        <source>Could not restore "%1": %2 could not be written; nothing was changed.</source>
        <translation>Could not restore "%1": %2 could not be written; nothing was changed.</translation>
    </message>
    <message>
        <source>Could not restore "%1" (%2): the game is as it was.</source>
        <translation>Could not restore "%1" (%2): the game is as it was.</translation>
    </message>
    <message>
        <source>Save the game</source>
        <translation>Save the game</translation>
    </message>
    <message>
        <source>Name of the saved game:</source>
        <translation>Name of the saved game:</translation>
    </message>
    <message>
        <source>Saved games</source>
        <translation>Saved games</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>This game is already open in another mirandel (%1). Close that one to play it here.</source>
        <translation>This game is already open in another mirandel (%1). Close that one to play it here.</translation>
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
        <source>cannot keep the transcript in %1</source>
        <translation>cannot keep the transcript in %1</translation>
    </message>
    <message>
        <source>[no sound device answers: the game goes on without sound]</source>
        <translation>[no sound device answers: the game goes on without sound]</translation>
    </message>
    <message>
        <source>Type :clicar and the number of a spot (:pontos lists them), for example :clicar 1.</source>
        <translation>Type :clicar and the number of a spot (:pontos lists them), for example :clicar 1.</translation>
    </message>
    <message>
        <source>Type :link and the number of a link (:links lists them), for example :link 1.</source>
        <translation>Type :link and the number of a link (:links lists them), for example :link 1.</translation>
    </message>
    <message>
        <source>This session keeps no transcript file.</source>
        <translation>This session keeps no transcript file.</translation>
    </message>
    <message>
        <source>The transcript is in %1</source>
        <translation>The transcript is in %1</translation>
    </message>
    <message>
        <source>Give the slot a name: %1 NAME (:jogos lists the saved games)</source>
        <translation>Give the slot a name: %1 NAME (:jogos lists the saved games)</translation>
    </message>
    <message>
        <source>[nothing to undo]</source>
        <translation>[nothing to undo]</translation>
    </message>
    <message>
        <source>[nothing to redo]</source>
        <translation>[nothing to redo]</translation>
    </message>
    <message>
        <source>[undone: the game is as it was before your last turn]</source>
        <translation>[undone: the game is as it was before your last turn]</translation>
    </message>
    <message>
        <source>[redone]</source>
        <translation>[redone]</translation>
    </message>
    <message>
        <source>No saved game yet (:salvar NAME saves one).</source>
        <translation>No saved game yet (:salvar NAME saves one).</translation>
    </message>
    <message>
        <source>(:carregar NAME restores one)</source>
        <translation>(:carregar NAME restores one)</translation>
    </message>
    <message>
        <source>the map</source>
        <translation>the map</translation>
    </message>
    <message>
        <source>Game commands: type the phrase and press Enter (for example: norte, pegue a chave).
An empty line presses Enter with an empty box: the place is described again.
When the page shows numbered links, a bare number follows that link.
The arrow keys edit the line; Up and Down recall earlier commands; F1 to F4 are the game's function keys.
Terminal commands:
  :f1 :f2 :f3 :f4        function keys (F3 brings back the last command)
  :norte :sul :leste :oeste   (or :up :down :right :left) the arrow keys of the game
  :saidas                the exits of the place
  :links                 the links on show (of the page, and written into pictures), numbered
  :link N                follows link N
  :pontos                the clickable spots of the pictures, numbered
  :clicar N              clicks spot N
  :executar NAME         runs the script NAME (as a click would)
  :mapa                  writes the game's map into a PNG file and says where
  :baixar                the download page (on-line game, updates)
  :baixar CONTROL        clicks one of its controls (TicLine, btAtual, btDEG, btDWNtudo...)
  :desfazer              undoes your last turn (also :undo); :refazer redoes it (also :redo)
  :salvar NAME           saves the game in a slot of that name; :carregar NAME restores it
  :jogos                 the saved games
  :transcricao           where the transcript of your game is kept (also :transcript)
  :console               the debug console for authors (registers, objects, goto, trace)
  :ajuda                 this list (also :help or help)
  :sair                  ends and saves the game (so does the end of the input; also :quit)
</source>
        <translation>Game commands: type the phrase and press Enter (for example: norte, pegue a chave).
An empty line presses Enter with an empty box: the place is described again.
When the page shows numbered links, a bare number follows that link.
The arrow keys edit the line; Up and Down recall earlier commands; F1 to F4 are the game's function keys.
Terminal commands:
  :f1 :f2 :f3 :f4        function keys (F3 brings back the last command)
  :norte :sul :leste :oeste   (or :up :down :right :left) the arrow keys of the game
  :saidas                the exits of the place
  :links                 the links on show (of the page, and written into pictures), numbered
  :link N                follows link N
  :pontos                the clickable spots of the pictures, numbered
  :clicar N              clicks spot N
  :executar NAME         runs the script NAME (as a click would)
  :mapa                  writes the game's map into a PNG file and says where
  :baixar                the download page (on-line game, updates)
  :baixar CONTROL        clicks one of its controls (TicLine, btAtual, btDEG, btDWNtudo...)
  :desfazer              undoes your last turn (also :undo); :refazer redoes it (also :redo)
  :salvar NAME           saves the game in a slot of that name; :carregar NAME restores it
  :jogos                 the saved games
  :transcricao           where the transcript of your game is kept (also :transcript)
  :console               the debug console for authors (registers, objects, goto, trace)
  :ajuda                 this list (also :help or help)
  :sair                  ends and saves the game (so does the end of the input; also :quit)
</translation>
    </message>
    <message>
        <source>[reloaded %1; %2 runs again]</source>
        <translation>[reloaded %1; %2 runs again]</translation>
    </message>
    <message>
        <source>(back in the game)</source>
        <translation>(back in the game)</translation>
    </message>
    <message>
        <source>Debug console: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error; an empty line or :sair leaves it.</source>
        <translation>Debug console: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error; an empty line or :sair leaves it.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Sound off (Ctrl+M turns it on)</source>
        <translation>Sound off (Ctrl+M turns it on)</translation>
    </message>
    <message>
        <source>The window is as large as this screen allows.</source>
        <translation>The window is as large as this screen allows.</translation>
    </message>
    <message>
        <source>cannot remember the window's settings in %1</source>
        <translation>cannot remember the window's settings in %1</translation>
    </message>
    <message>
        <source>Reloaded %1; %2 runs again.</source>
        <translation>Reloaded %1; %2 runs again.</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>never played</source>
        <translation>never played</translation>
    </message>
    <message>
        <source>last played %1</source>
        <translation>last played %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, in %2</translation>
    </message>
    <message>
        <source>Number of the game to play (1-%1, Enter for %2): </source>
        <translation>Number of the game to play (1-%1, Enter for %2): </translation>
    </message>
    <message>
        <source>There is no game %1.</source>
        <translation>There is no game %1.</translation>
    </message>
</context>
<context>
    <name>check::PlayRecord</name>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>never matched: %1</source>
        <translation>never matched: %1</translation>
    </message>
    <message>
        <source>never ran: %1</source>
        <translation>never ran: %1</translation>
    </message>
    <message>
        <source>never ran (%1 lines)</source>
        <translation>never ran (%1 lines)</translation>
    </message>
    <message>
        <source>%1 of %2 lines ran</source>
        <translation>%1 of %2 lines ran</translation>
    </message>
    <message>
        <source>coverage: %1 of %2 lines ran (%3%), %4 scripts never run%5; %6 of %7 phrases matched</source>
        <translation>coverage: %1 of %2 lines ran (%3%), %4 scripts never run%5; %6 of %7 phrases matched</translation>
    </message>
</context>
<context>
    <name>ui::DebugConsoleView</name>
    <message>
        <source>Debug console</source>
        <translation>Debug console</translation>
    </message>
    <message>
        <source>reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error</source>
        <translation>reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error</translation>
    </message>
</context>
<context>
    <name>ui::GamePage</name>
    <message>
        <source>Game text</source>
        <translation>Game text</translation>
    </message>
    <message>
        <source>Game page</source>
        <translation>Game page</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Picture of the place</source>
        <translation>Picture of the place</translation>
    </message>
    <message>
        <source>Game picture</source>
        <translation>Game picture</translation>
    </message>
    <message>
        <source>Game frame</source>
        <translation>Game frame</translation>
    </message>
    <message>
        <source>Function panel</source>
        <translation>Function panel</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Closes the game, which stays saved</source>
        <translation>Closes the game, which stays saved</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Spot %1</source>
        <translation>Spot %1</translation>
    </message>
</context>
<context>
    <name>ui::Launcher</name>
    <message>
        <source>Mirandel: choose a game</source>
        <translation>Mirandel: choose a game</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Add game...</source>
        <translation>Add game...</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Remove from list</translation>
    </message>
    <message>
        <source>Takes the game off this list; its files stay where they are</source>
        <translation>Takes the game off this list; its files stay where they are</translation>
    </message>
    <message>
        <source>Add a game folder</source>
        <translation>Add a game folder</translation>
    </message>
    <message>
        <source>%1 was not added: %2</source>
        <translation>%1 was not added: %2</translation>
    </message>
</context>
<context>
    <name>ui::OpeningPage</name>
    <message>
        <source>Mirandel</source>
        <translation>Mirandel</translation>
    </message>
    <message>
        <source>Press Enter or Space, or double-click, to start the game</source>
        <translation>Press Enter or Space, or double-click, to start the game</translation>
    </message>
    <message>
        <source>Publisher's site</source>
        <translation>Publisher's site</translation>
    </message>
    <message>
        <source>About Quimera</source>
        <translation>About Quimera</translation>
    </message>
    <message>
        <source>Other games</source>
        <translation>Other games</translation>
    </message>
    <message>
        <source>This game's page</source>
        <translation>This game's page</translation>
    </message>
</context>
<context>
    <name>ui::ScrollbackView</name>
    <message>
        <source>Transcript</source>
        <translation>Transcript</translation>
    </message>
    <message>
        <source>Find (Enter: next)</source>
        <translation>Find (Enter: next)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
</context>
<context>
    <name>ui::SlotsDialog</name>
    <message>
        <source>Saved games</source>
        <translation>Saved games</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
</TS>
