#!/usr/bin/env python3
"""Fills the catalogues in translations/ from the table below: the Portuguese
(Brazil) words of the player, and the English catalogue as the source itself.
Run after `cmake --build build --target update_translations` has added new texts;
a text without an entry here stays unfinished (the program then shows English).
"""
import os
import sys
import xml.etree.ElementTree as ET

PT_BR = {
    "Commands: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error":
        "Comandos: reg N, reg N = texto, row N, obj, goto SCRIPT, trace on, trace off, error",
    "There is no register %1 (the game has 0 to %2).": "Não há registro %1 (o jogo tem de 0 a %2).",
    "There is no row %1 of the definitions table.": "A tabela de definições não tem a linha %1.",
    "The game has no objects.": "O jogo não tem objetos.",
    "There is no script %1.scx in the game folder.": "Não há script %1.scx na pasta do jogo.",
    "Trace on.": "Rastro ligado.",
    "Trace off.": "Rastro desligado.",
    "No error was shown yet.": "Nenhum erro foi mostrado ainda.",
    "Debug console": "Console de depuração",
    "reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error":
        "reg N, reg N = texto, row N, obj, goto SCRIPT, trace on, trace off, error",
    "While playing, reload a script, picture or table row whose file changed and run the current place again (registers and objects kept).":
        "Durante o jogo, recarrega um script, figura ou linha da tabela cujo arquivo mudou e roda de novo o lugar atual (registros e objetos mantidos).",
    "Debug console: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error; an empty line or :sair leaves it.":
        "Console de depuração: reg N, reg N = texto, row N, obj, goto SCRIPT, trace on, trace off, error; uma linha vazia ou :sair volta ao jogo.",
    "[reloaded %1; %2 runs again]": "[recarregado %1; %2 roda de novo]",
    "(back in the game)": "(de volta ao jogo)",
    "Reloaded %1; %2 runs again.": "Recarregado %1; %2 roda de novo.",
    "This game is already open in another mirandel (%1). Close that one to play it here.":
        "Este jogo já está aberto em outro mirandel (%1). Feche aquele para jogar aqui.",
    "mirandel: player for Quimera graphical text adventures.\n"
    "Without options it plays the bundled demo game in a window (in the terminal when there is no display).":
        "mirandel: jogador de aventuras de texto gráficas do Quimera.\n"
        "Sem opções, joga o jogo de demonstração numa janela (no terminal quando não há tela).",
    "Play the game in folder DIR.": "Joga o jogo da pasta DIR.",
    "Base name of the player's own table (default mirandel).": "Nome base da tabela do próprio jogador (mirandel se omitido).",
    "Address of the publisher's server (on-line play).": "Endereço do servidor do editor (jogo online).",
    "Base address of the publisher's pages on the opening screen.": "Endereço base das páginas do editor na tela de abertura.",
    "Play in the terminal.": "Joga no terminal.",
    "Scripted play: read events from FILE, no window needed.": "Jogo roteirizado: lê os eventos de FILE, sem precisar de janela.",
    "After the last event, write a snapshot into DIR.": "Depois do último evento, grava um retrato do estado em DIR.",
    "Write every statement trace line to FILE.": "Grava cada linha de rastreamento dos comandos em FILE.",
    "Check the game for faults without running it (exit 0 clean, 1 findings, 2 unreadable).":
        "Verifica o jogo sem executá-lo (sai com 0 se limpo, 1 com achados, 2 se ilegível).",
    "Play without sound (in the window Ctrl+M turns it on and off).": "Joga sem som (na janela, Ctrl+M liga e desliga).",
    "Show the window N times larger, N from 1 to 4 (1.5 too); Ctrl+plus and Ctrl+minus change it while playing, and "
    "the window remembers that choice.":
        "Mostra a janela N vezes maior, N de 1 a 4 (1.5 também); Ctrl+mais e Ctrl+menos a mudam durante o jogo, e a "
        "janela guarda essa escolha.",
    "%1 (see --help)": "%1 (veja --help)",
    "unexpected argument %1 (see --help)": "argumento inesperado %1 (veja --help)",
    "List the games the player knows (name, folder, last played) and end.":
        "Lista os jogos que o jogador conhece (nome, pasta, última vez jogado) e termina.",
    "Close the window as soon as its first screen is painted (to time the start-up).":
        "Fecha a janela assim que a primeira tela é pintada (para medir a partida).",
    "never played": "nunca jogado",
    "last played %1": "jogado pela última vez em %1",
    "%1, in %2": "%1, em %2",
    "Number of the game to play (1-%1, Enter for %2): ": "Número do jogo a jogar (1-%1, Enter para %2): ",
    "There is no game %1.": "Não há o jogo %1.",
    "Mirandel: choose a game": "Mirandel: escolha um jogo",
    "Games": "Jogos",
    "Play": "Jogar",
    "Add game...": "Adicionar jogo...",
    "Remove from list": "Tirar da lista",
    "Takes the game off this list; its files stay where they are":
        "Tira o jogo desta lista; seus arquivos ficam onde estão",
    "Add a game folder": "Adicionar uma pasta de jogo",
    "%1 was not added: %2": "%1 não foi adicionada: %2",
    "cannot read the events file %1": "não consigo ler o arquivo de eventos %1",
    "cannot write the dump into %1": "não consigo gravar o retrato em %1",
    "the game folder %1 does not exist": "a pasta de jogo %1 não existe",
    "the bundled games folder was not found": "não encontrei a pasta dos jogos que acompanham o programa",
    "%1 is not a folder: --game takes the folder that holds the game":
        "%1 não é uma pasta: --game recebe a pasta que contém o jogo",
    "[error] %1": "[erro] %1",
    "[nothing to undo]": "[nada para desfazer]",
    "[nothing to redo]": "[nada para refazer]",
    "[undone: the game is as it was before your last turn]": "[desfeito: o jogo está como antes da sua última jogada]",
    "[redone]": "[refeito]",
    "Save the game": "Salvar o jogo",
    "Name of the saved game:": "Nome do jogo salvo:",
    "Saved games": "Jogos salvos",
    "Restore": "Restaurar",
    "Delete": "Apagar",
    "Give the slot a name: %1 NAME (:jogos lists the saved games)": "Dê um nome ao jogo salvo: %1 NOME (:jogos lista os jogos salvos)",
    "No saved game yet (:salvar NAME saves one).": "Ainda não há jogo salvo (:salvar NOME salva um).",
    "(:carregar NAME restores one)": "(:carregar NOME restaura um)",
    "Saved as \"%1\".": "Salvo como \"%1\".",
    "Restored \"%1\".": "Restaurado \"%1\".",
    "There is no game in play to save or restore yet.": "Ainda não há jogo em andamento para salvar ou restaurar.",
    "A save slot needs a name.": "Um jogo salvo precisa de um nome.",
    "There is no saved game named \"%1\".": "Não há jogo salvo com o nome \"%1\".",
    "The saved game \"%1\" is damaged (%2): nothing was changed.": "O jogo salvo \"%1\" está danificado (%2): nada foi mudado.",
    "Could not save \"%1\": %2 could not be written.": "Não consegui salvar \"%1\": não consegui gravar %2.",
    "Could not restore \"%1\": %2 could not be written; nothing was changed.":
        "Não consegui restaurar \"%1\": não consegui gravar %2; nada foi mudado.",
    "Could not restore \"%1\" (%2): the game is as it was.": "Não consegui restaurar \"%1\" (%2): o jogo está como estava.",
    "Transcript": "Transcrição",
    "Find (Enter: next)": "Procurar (Enter: próximo)",
    "Find": "Procurar",
    "This session keeps no transcript file.": "Esta sessão não guarda arquivo de transcrição.",
    "The transcript is in %1": "A transcrição está em %1",
    "cannot keep the transcript in %1": "não consigo guardar a transcrição em %1",
    "Keep this session's transcript (the game's text and your commands) in FILE.":
        "Guarda a transcrição desta sessão (o texto do jogo e seus comandos) em FILE.",
    "This game has not shown a map yet.": "Este jogo ainda não mostrou um mapa.",
    "Could not write the map into %1": "Não consegui gravar o mapa em %1",
    "Map written into: %1": "Mapa gravado em: %1",
    "(:ajuda lists the terminal's commands)": "(:ajuda lista os comandos do terminal)",
    "[unknown terminal command: %1; :ajuda lists the commands]":
        "[comando do terminal desconhecido: %1; :ajuda lista os comandos]",
    "(to end the game and save it, type :sair)": "(para encerrar e salvar o jogo, digite :sair)",
    "[picture: %1]": "[imagem: %1]",
    "[music: %1]": "[música: %1]",
    "[sound: %1]": "[som: %1]",
    "[command box: %1; an empty line presses Enter]": "[caixa de comando: %1; uma linha vazia tecla Enter]",
    "No exit is marked in this place.": "Nenhuma saída marcada neste local.",
    "Exits: %1.": "Saídas: %1.",
    "This screen has no links.": "Esta tela não tem links.",
    "There is no link %1; :links lists the links.": "Não há o link %1; :links lista os links.",
    "picture": "imagem",
    "panel": "painel",
    "frame": "moldura",
    "page": "página",
    "No clickable spot on this screen.": "Nenhum ponto clicável nesta tela.",
    "(no name)": "(sem nome)",
    "(:clicar N clicks spot N)": "(:clicar N clica no ponto N)",
    "There is no spot %1; :pontos lists the spots.": "Não há o ponto %1; :pontos lista os pontos.",
    "(button) %1": "(botão) %1",
    "There is no control %1; :baixar shows the page.": "Não há o controle %1; :baixar mostra a página.",
    "Game commands: type the phrase and press Enter (for example: norte, pegue a chave).\n"
    "An empty line presses Enter with an empty box: the place is described again.\n"
    "When the page shows numbered links, a bare number follows that link.\n"
    "The arrow keys edit the line; Up and Down recall earlier commands; F1 to F4 are the game's function keys.\n"
    "Terminal commands:\n"
    "  :f1 :f2 :f3 :f4        function keys (F3 brings back the last command)\n"
    "  :norte :sul :leste :oeste   (or :up :down :right :left) the arrow keys of the game\n"
    "  :saidas                the exits of the place\n"
    "  :links                 the links on show (of the page, and written into pictures), numbered\n"
    "  :link N                follows link N\n"
    "  :pontos                the clickable spots of the pictures, numbered\n"
    "  :clicar N              clicks spot N\n"
    "  :executar NAME         runs the script NAME (as a click would)\n"
    "  :mapa                  writes the game's map into a PNG file and says where\n"
    "  :baixar                the download page (on-line game, updates)\n"
    "  :baixar CONTROL        clicks one of its controls (TicLine, btAtual, btDEG, btDWNtudo...)\n"
    "  :desfazer              undoes your last turn (also :undo); :refazer redoes it (also :redo)\n"
    "  :salvar NAME           saves the game in a slot of that name; :carregar NAME restores it\n"
    "  :jogos                 the saved games\n"
    "  :transcricao           where the transcript of your game is kept (also :transcript)\n"
    "  :console               the debug console for authors (registers, objects, goto, trace)\n"
    "  :ajuda                 this list (also :help or help)\n"
    "  :sair                  ends and saves the game (so does the end of the input; also :quit)\n":
        "Comandos do jogo: digite a frase e tecle Enter (por exemplo: norte, pegue a chave).\n"
        "Uma linha vazia tecla Enter com a caixa vazia: descreve o local de novo.\n"
        "Quando a página mostra links numerados, um número sozinho segue aquele link.\n"
        "As setas editam a linha; para cima e para baixo trazem de volta os comandos anteriores; F1 a F4 são as teclas de função do jogo.\n"
        "Comandos do terminal:\n"
        "  :f1 :f2 :f3 :f4        teclas de função (F3 traz de volta o último comando)\n"
        "  :norte :sul :leste :oeste   (ou :up :down :right :left) as setas do jogo\n"
        "  :saidas                as saídas do local\n"
        "  :links                 os links à vista (da página e escritos nas imagens), numerados\n"
        "  :link N                segue o link N\n"
        "  :pontos                os pontos clicáveis das imagens, numerados\n"
        "  :clicar N              clica no ponto N\n"
        "  :executar NOME         executa o script NOME (como um clique o faria)\n"
        "  :mapa                  grava o mapa do jogo num arquivo PNG e mostra onde\n"
        "  :baixar                a página de download (jogo online, atualizações)\n"
        "  :baixar CONTROLE       clica num controle dela (TicLine, btAtual, btDEG, btDWNtudo...)\n"
        "  :desfazer              desfaz sua última jogada (também :undo); :refazer a refaz (também :redo)\n"
        "  :salvar NOME           salva o jogo com esse nome; :carregar NOME o restaura\n"
        "  :jogos                 os jogos salvos\n"
        "  :transcricao           onde fica a transcrição do seu jogo (também :transcript)\n"
        "  :console               o console de depuração para autores (registros, objetos, goto, rastro)\n"
        "  :ajuda                 esta lista (também :help ou help)\n"
        "  :sair                  encerra e salva o jogo (o fim da entrada também; ou :quit)\n",
    # The game checker's report (mirandel --check).
    "error": "erro",
    "warning": "aviso",
    "note": "nota",
    "no findings": "nenhum achado",
    "%1 error": "%1 erro",
    "%1 errors": "%1 erros",
    "%1 warning": "%1 aviso",
    "%1 warnings": "%1 avisos",
    "%1 note": "%1 nota",
    "%1 notes": "%1 notas",
    "%1 holds no table %2; is it a game folder?": "%1 não contém a tabela %2; é uma pasta de jogo?",
    'the game file "%1" is found only by ignoring case':
        'o arquivo do jogo "%1" só é encontrado ignorando maiúsculas e minúsculas',
    "the game file is missing; the game cannot start": "o arquivo do jogo está faltando; o jogo não pode começar",
    "the game file cannot be read; the game cannot start": "o arquivo do jogo não pode ser lido; o jogo não pode começar",
    'the opening script "abertura" is found only by ignoring case':
        'o script de abertura "abertura" só é encontrado ignorando maiúsculas e minúsculas',
    'there is no opening script "abertura"; every game starts with it':
        'não existe o script de abertura "abertura"; todo jogo começa por ele',
    'the script "%1" is found only by ignoring case (the file is "%2")':
        'o script "%1" só é encontrado ignorando maiúsculas e minúsculas (o arquivo é "%2")',
    'the script "%1" names a file outside the game folder': 'o script "%1" aponta para um arquivo fora da pasta do jogo',
    'there is no script "%1"': 'não existe o script "%1"',
    'the picture "%1" is found only by ignoring case (the file is "%2")':
        'a imagem "%1" só é encontrada ignorando maiúsculas e minúsculas (o arquivo é "%2")',
    'the picture "%1" names a file outside the game folder': 'a imagem "%1" aponta para um arquivo fora da pasta do jogo',
    'there is no picture "%1"': 'não existe a imagem "%1"',
    'the sound "%1" is found only by ignoring case (the file is "%2")':
        'o som "%1" só é encontrado ignorando maiúsculas e minúsculas (o arquivo é "%2")',
    'the sound "%1" names a file outside the game folder': 'o som "%1" aponta para um arquivo fora da pasta do jogo',
    'there is no sound "%1"': 'não existe o som "%1"',
    'the phrase file "%1" is found only by ignoring case (the file is "%2")':
        'o arquivo de frases "%1" só é encontrado ignorando maiúsculas e minúsculas (o arquivo é "%2")',
    'the phrase file "%1" names a file outside the game folder':
        'o arquivo de frases "%1" aponta para um arquivo fora da pasta do jogo',
    'there is no phrase file "%1"': 'não existe o arquivo de frases "%1"',
    '"%1" stands for the exit %2=, which no script sets': '"%1" representa a saída %2=, que nenhum script define',
    '"%1" is not a placeholder (@norte, @sul, @leste, @oeste, @subir, @descer, @entrar, @sair, @pos, @obj, @xvlt) '
    'and no script has that name':
        '"%1" não é um marcador (@norte, @sul, @leste, @oeste, @subir, @descer, @entrar, @sair, @pos, @obj, @xvlt) '
        'e nenhum script tem esse nome',
    'the picture "%1" has its extension in capitals; the player reads only .png, .jpg, .bmp and .gif':
        'a imagem "%1" tem a extensão em maiúsculas; o programa só lê .png, .jpg, .bmp e .gif',
    'the object "%1" has no pristine file; reset objs stops the run there':
        'o objeto "%1" não tem arquivo original; reset objs interrompe a execução ali',
    'the object "%1" finds its pristine file only by ignoring case':
        'o objeto "%1" só encontra seu arquivo original ignorando maiúsculas e minúsculas',
    "a pristine object file needs 8 lines; this one has %1": "um arquivo original de objeto precisa de 8 linhas; este tem %1",
    'the record\'s key is "%1", not "%2"': 'a chave da entrada é "%1", não "%2"',
    'the object "%1" is listed twice': 'o objeto "%1" aparece duas vezes na lista',
    "the object table has %1 lines; %2 objects need %3": "a tabela de objetos tem %1 linhas; %2 objetos precisam de %3",
    'record %1 holds "%2" where the sorted keys put "%3"':
        'a entrada %1 contém "%2" onde as chaves em ordem põem "%3"',
    'the line has no "|", so it matches nothing': 'a linha não tem "|", então não corresponde a nada',
    'the line has no phrase before "|"': 'a linha não tem frase antes do "|"',
    'the phrase "%1" has small letters; what the player types is in capitals, so it never matches':
        'a frase "%1" tem letras minúsculas; o que o jogador digita vai em maiúsculas, então ela nunca corresponde',
    'the phrase "%1" is already on line %2; this line is never used':
        'a frase "%1" já está na linha %2; esta linha nunca é usada',
    'the hidden phrase "%1" matches only when the player types it with its "/"; it is never suggested':
        'a frase oculta "%1" só corresponde quando o jogador a digita com a "/"; ela nunca é sugerida',
    'the hidden phrase "/" has no words': 'a frase oculta "/" não tem palavras',
    'the phrase "%1" has no script after "|"': 'a frase "%1" não tem script depois do "|"',
    'no path of play reaches the script "%1"': 'nenhum caminho do jogo chega ao script "%1"',
    "nothing in reach shows this picture": "nada ao alcance mostra esta imagem",
    'the quoted text never closes with "\'": it takes the rest of the script':
        'o texto entre aspas nunca se fecha com "\'": ele toma o resto do script',
    'a comma ends the text of %1 before its closing "\'"; write ^ for a comma':
        'uma vírgula encerra o texto de %1 antes do "\'" que o fecha; escreva ^ para ter uma vírgula',
    'unknown statement "%1"; the line does nothing (did you mean "%2"?)':
        'comando desconhecido "%1"; a linha não faz nada (você quis dizer "%2"?)',
    'unknown statement "%1"; the line does nothing (keywords are written in small letters: "%2")':
        'comando desconhecido "%1"; a linha não faz nada (as palavras-chave se escrevem em minúsculas: "%2")',
    'unknown statement "%1"; the line does nothing': 'comando desconhecido "%1"; a linha não faz nada',
    '%1 is outside the register count (row 5 is %2), so it stands for the text "%3"':
        '%1 está fora do número de registros (a linha 5 diz %2), então representa o texto "%3"',
    "register %1 does not exist (the register file has %2)": "o registro %1 não existe (o arquivo de registros tem %2)",
    "msg= without a text": "msg= sem texto",
    'the link "%1" has no closing "|" after its script': 'o link "%1" não tem o "|" que fecha depois do seu script',
    "%1 needs %2 argument, the line gives %3": "%1 precisa de %2 argumento, a linha dá %3",
    "%1 needs %2 arguments, the line gives %3": "%1 precisa de %2 argumentos, a linha dá %3",
    "%1 takes no arguments; the rest of the line is ignored": "%1 não recebe argumentos; o resto da linha é ignorado",
    "%1 takes %2 argument; the rest is ignored": "%1 recebe %2 argumento; o resto é ignorado",
    "%1 takes %2 arguments; the rest is ignored": "%1 recebe %2 argumentos; o resto é ignorado",
    "%1 has an empty argument %2": "%1 tem o argumento %2 vazio",
    "the test carries no statement": "o teste não traz nenhum comando",
    '"%1" is not a register number': '"%1" não é um número de registro',
    '"%1" is not a number; %2 stops the run there': '"%1" não é um número; %2 interrompe a execução ali',
    '"%1" is not a number; %2 takes its default': '"%1" não é um número; %2 usa seu valor padrão',
    '"%1" is not a number or $; 0 is used': '"%1" não é um número nem $; vale 0',
    '"%1" is not a surface (tel, fnc or pan)': '"%1" não é uma superfície (tel, fnc ou pan)',
    'there is no object "%1"': 'não existe o objeto "%1"',
    '"%1" is not an object field (nom, dsc, loc, shp, tag)': '"%1" não é um campo de objeto (nom, dsc, loc, shp, tag)',
    '"%1" is not an exit (norte, sul, leste, oeste, subir, descer, entrar, sair)':
        '"%1" não é uma saída (norte, sul, leste, oeste, subir, descer, entrar, sair)',
    '"%1" is not a display mode (0, 1, 2 or 3)': '"%1" não é um modo de exibição (0, 1, 2 ou 3)',
    '"%1" is neither on nor off; nothing changes': '"%1" não é on nem off; nada muda',
    '"%1" is not a playsnd mode (on, off or stop)': '"%1" não é um modo de playsnd (on, off ou stop)',
    '"%1" is not a style (three letters such as Biu)': '"%1" não é um estilo (três letras como Biu)',
    '"%1" is not an engine variable (Modelo, Script, IniScp, RetScp, Posic, Objeto)':
        '"%1" não é uma variável do motor (Modelo, Script, IniScp, RetScp, Posic, Objeto)',
    '"%1" is not a link parameter (prm, prx or pry)': '"%1" não é um parâmetro de link (prm, prx ou pry)',
    '"%1" is not a part of an object (tit, dsc or shp)': '"%1" não é uma parte de objeto (tit, dsc ou shp)',
    '"%1" is not a focus target (web, inp, fnc, vsr, msg)': '"%1" não é um alvo de foco (web, inp, fnc, vsr, msg)',
    '"%1" is not a hot-spot group (tel, fnc, pan, md3)': '"%1" não é um grupo de pontos clicáveis (tel, fnc, pan, md3)',
    '"%1" is not a colour (six hex digits RRGGBB); %2 stops the run there':
        '"%1" não é uma cor (seis dígitos hexadecimais RRGGBB); %2 interrompe a execução ali',
    '"%1" is not six hex digits RRGGBB; the player reads it as %2':
        '"%1" não tem seis dígitos hexadecimais RRGGBB; o programa o lê como %2',
    '%1 names "%2"; write the label without its colon': '%1 indica "%2"; escreva o rótulo sem os dois-pontos',
    'the label line "%1" has text after its name, so %2 cannot reach it':
        'a linha do rótulo "%1" tem texto depois do nome, então %2 não chega a ela',
    '%1 to the label "%2", which this script does not have': '%1 para o rótulo "%2", que este script não tem',
    'there is no object "%1" to restore': 'não existe o objeto "%1" para restaurar',
    "reset regs empties %1 registers (row 5) but the register file has %2; the run stops at the first missing one":
        "reset regs esvazia %1 registros (linha 5), mas o arquivo de registros tem %2; a execução para no primeiro "
        "que falta",
    "reset mapa without a file name does nothing": "reset mapa sem nome de arquivo não faz nada",
    "reset %1 does nothing (reset takes objs, regs or mapa)": "reset %1 não faz nada (reset recebe objs, regs ou mapa)",
    "%1 without a picture or text": "%1 sem imagem nem texto",
    '"%1" has its extension in capitals, so %2 shows it as a text':
        '"%1" tem a extensão em maiúsculas, então %2 o mostra como texto',
    "chuva= mask takes a .bmp file or off": "chuva= mask recebe um arquivo .bmp ou off",
    "chuva= %1 does nothing (a .bmp file, on, off, mask, time or wgotas)":
        "chuva= %1 não faz nada (um arquivo .bmp, on, off, mask, time ou wgotas)",
    'a run that continues here with "script" (%1:%2) skips this first line; start the script with a comment or a label':
        'uma execução que continua aqui com "script" (%1:%2) pula esta primeira linha; comece o script com um '
        'comentário ou um rótulo',
    'row %1 (%2) is not a number: "%3"': 'a linha %1 (%2) não é um número: "%3"',
    'row %1 (%2) is not a display mode (0, 1, 2 or 3): "%3"': 'a linha %1 (%2) não é um modo de exibição (0, 1, 2 ou 3): "%3"',
    'row %1 (%2) is not a colour (six hex digits RRGGBB): "%3"':
        'a linha %1 (%2) não é uma cor (seis dígitos hexadecimais RRGGBB): "%3"',
    'row %1 (%2) is not six hex digits RRGGBB: "%3" reads as %4':
        'a linha %1 (%2) não tem seis dígitos hexadecimais RRGGBB: "%3" é lido como %4',
    'row %1 (%2) is a switch, on only when it holds exactly *: "%3"':
        'a linha %1 (%2) é um interruptor, ligado só quando contém exatamente *: "%3"',
    'row %1 (%2) is not a style (three letters such as Biu): "%3"':
        'a linha %1 (%2) não é um estilo (três letras como Biu): "%3"',
    "row 4 (the game's name) is empty": "a linha 4 (o nome do jogo) está vazia",
    "row 17 (phrase file) is empty": "a linha 17 (arquivo de frases) está vazia",
    # What the rows of the definitions table mean, put into the sentences above.
    "window left": "esquerda da janela",
    "window top": "topo da janela",
    "register count": "número de registros",
    "game area width": "largura da área do jogo",
    "game area height": "altura da área do jogo",
    "message font size": "tamanho da fonte das mensagens",
    "viewer left": "esquerda do visor",
    "viewer top": "topo do visor",
    "viewer width": "largura do visor",
    "viewer height": "altura do visor",
    "message strip left": "esquerda da faixa de mensagens",
    "message strip top": "topo da faixa de mensagens",
    "message strip width": "largura da faixa de mensagens",
    "message strip height": "altura da faixa de mensagens",
    "mode-0 font size": "tamanho da fonte do modo 0",
    "command box left": "esquerda da caixa de comando",
    "command box top": "topo da caixa de comando",
    "command box width": "largura da caixa de comando",
    "command box height": "altura da caixa de comando",
    "command box font size": "tamanho da fonte da caixa de comando",
    "function panel left": "esquerda do painel de funções",
    "function panel top": "topo do painel de funções",
    "function panel width": "largura do painel de funções",
    "function panel height": "altura do painel de funções",
    "mode-3 viewer width": "largura do visor do modo 3",
    "mode-3 viewer height": "altura do visor do modo 3",
    "mode-2 viewer width": "largura do visor do modo 2",
    "mode-2 viewer height": "altura do visor do modo 2",
    "picture width": "largura da imagem",
    "picture height": "altura da imagem",
    "end button left": "esquerda do botão de fim",
    "end button top": "topo do botão de fim",
    "end button label size": "tamanho da legenda do botão de fim",
    "map page width": "largura da página do mapa",
    "map page height": "altura da página do mapa",
    "display mode": "modo de exibição",
    "background colour": "cor de fundo",
    "text colour": "cor do texto",
    "link colour": "cor dos links",
    "visited-link colour": "cor dos links visitados",
    "mode-0 text colour": "cor do texto do modo 0",
    "command box colour": "cor da caixa de comando",
    "command box text colour": "cor do texto da caixa de comando",
    "end button label colour": "cor da legenda do botão de fim",
    "message strip shown": "faixa de mensagens visível",
    "command box shown": "caixa de comando visível",
    "function panel shown": "painel de funções visível",
    "rectangular window": "janela retangular",
    "on-line play": "jogo online",
    "download everything": "baixar tudo",
    "download newer files": "baixar os arquivos mais novos",
    "multiplayer": "multijogador",
    "mode-0 font style": "estilo da fonte do modo 0",
    "message style": "estilo das mensagens",
    "command box style": "estilo da caixa de comando",
    # The window's names for screen readers and its tooltips.
    "Game text": "Texto do jogo",
    "Game page": "Página do jogo",
    "Command": "Comando",
    "Picture of the place": "Imagem do lugar",
    "Game picture": "Imagem do jogo",
    "Game frame": "Moldura do jogo",
    "Function panel": "Painel de funções",
    "End": "Encerrar",
    "Closes the game, which stays saved": "Fecha o jogo, que fica salvo",
    "Mirandel": "Mirandel",
    "Press Enter or Space, or double-click, to start the game":
        "Tecle Enter ou espaço, ou dê um duplo clique, para começar o jogo",
    "Publisher's site": "Site do editor",
    "About Quimera": "Sobre o Quimera",
    "Other games": "Outros jogos",
    "This game's page": "Página deste jogo",
    "Play on a temporary copy of the game folder, removed at exit: nothing in the folder changes.":
        "Joga numa cópia temporária da pasta do jogo, apagada ao sair: nada na pasta muda.",
    "Write the smallest complete game into the new folder DIR (its name: the argument after DIR, default mirandel).":
        "Grava o menor jogo completo na pasta nova DIR (seu nome: o argumento depois de DIR, mirandel se omitido).",
    "Write every statement run to FILE: script, line, statement, the registers it changed.":
        "Grava em FILE cada instrução executada: script, linha, instrução, os registros que mudou.",
    "At exit, write to FILE which lines of each script ran and which phrases matched.":
        "Ao sair, grava em FILE que linhas de cada script foram executadas e que frases corresponderam.",
    "cannot write the steps file %1": "não consigo gravar o arquivo de passos %1",
    "cannot write the coverage file %1": "não consigo gravar o arquivo de cobertura %1",
    "cannot make a temporary folder in %1": "não consigo criar uma pasta temporária em %1",
    "cannot copy the game folder %1 for --scratch": "não consigo copiar a pasta do jogo %1 para --scratch",
    "the game's name \"%1\" must be letters, digits, - and _ only":
        "o nome do jogo \"%1\" deve ter só letras, algarismos, - e _",
    "%1 already holds files; --new writes only into a new or empty folder":
        "%1 já contém arquivos; --new grava só numa pasta nova ou vazia",
    "cannot write the game into %1": "não consigo gravar o jogo em %1",
    "wrote the game %1 into %2; play it with: mirandel --game %2":
        "gravei o jogo %1 em %2; jogue com: mirandel --game %2",
    "the file is read as UTF-8": "o arquivo é lido como UTF-8",
    "the file mixes UTF-8 and Windows-1252 letters; it is read as Windows-1252, so its UTF-8 letters show wrong":
        "o arquivo mistura letras UTF-8 e Windows-1252; ele é lido como Windows-1252, e suas letras UTF-8 aparecem "
        "erradas",
    "error: %1": "erro: %1",
    "never matched: %1": "nunca correspondeu: %1",
    "never ran: %1": "nunca executada: %1",
    "never ran (%1 lines)": "nunca executado (%1 linhas)",
    "%1 of %2 lines ran": "%1 de %2 linhas executadas",
    "coverage: %1 of %2 lines ran (%3%), %4 scripts never run%5; %6 of %7 phrases matched":
        "cobertura: %1 de %2 linhas executadas (%3%), %4 scripts nunca executados%5; %6 de %7 frases corresponderam",
    # The window's notes, scale and keys; the terminal's notes.
    "The window is as large as this screen allows.": "A janela já está do maior tamanho que esta tela permite.",
    "Sound off (Ctrl+M turns it on)": "Som desligado (Ctrl+M o liga)",
    "cannot remember the window's settings in %1": "não consigo guardar as preferências da janela em %1",
    "Map": "Mapa",
    "Spot %1": "Ponto %1",
    "the map": "o mapa",
    "[no sound device answers: the game goes on without sound]":
        "[nenhum dispositivo de som responde: o jogo continua sem som]",
    "Type :clicar and the number of a spot (:pontos lists them), for example :clicar 1.":
        "Digite :clicar e o número de um ponto (:pontos os lista), por exemplo :clicar 1.",
    "Type :link and the number of a link (:links lists them), for example :link 1.":
        "Digite :link e o número de um link (:links os lista), por exemplo :link 1.",
    "the display %1 does not answer: playing in the terminal": "a tela %1 não responde: jogando no terminal",
    "The game folder to play (the same as --game DIR).": "A pasta do jogo a jogar (o mesmo que --game DIR).",
}


def fill(path, table):
    tree = ET.parse(path)
    missing = []
    for message in tree.getroot().iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        text = table(source)
        if text is None:
            missing.append(source)
            continue
        translation.text = text
        translation.attrib.pop("type", None)
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
    return missing


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations")
    missing = fill(os.path.join(folder, "mirandel_pt_BR.ts"), PT_BR.get)
    fill(os.path.join(folder, "mirandel_en.ts"), lambda source: source)
    for source in missing:
        print("no Portuguese for:", source.splitlines()[0], file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
