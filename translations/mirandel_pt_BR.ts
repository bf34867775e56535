<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Check</name>
    <message>
        <source>the game file "%1" is found only by ignoring case</source>
        <translation>o arquivo do jogo "%1" só é encontrado ignorando maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>the game file is missing; the game cannot start</source>
        <translation>o arquivo do jogo está faltando; o jogo não pode começar</translation>
    </message>
    <message>
        <source>the game file cannot be read; the game cannot start</source>
        <translation>o arquivo do jogo não pode ser lido; o jogo não pode começar</translation>
    </message>
    <message>
        <source>the game folder %1 does not exist</source>
        <translation>a pasta de jogo %1 não existe</translation>
    </message>
    <message>
        <source>%1 holds no table %2; is it a game folder?</source>
        <translation>%1 não contém a tabela %2; é uma pasta de jogo?</translation>
    </message>
    <message>
        <source>the opening script "abertura" is found only by ignoring case</source>
        <translation>o script de abertura "abertura" só é encontrado ignorando maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>there is no opening script "abertura"; every game starts with it</source>
        <translation>não existe o script de abertura "abertura"; todo jogo começa por ele</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>nenhum achado</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 erro</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 erros</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 aviso</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avisos</translation>
    </message>
    <message>
        <source>%1 note</source>
        <translation>%1 nota</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 notas</translation>
    </message>
    <message>
        <source>the script "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>o script "%1" só é encontrado ignorando maiúsculas e minúsculas (o arquivo é "%2")</translation>
    </message>
    <message>
        <source>the script "%1" names a file outside the game folder</source>
        <translation>o script "%1" aponta para um arquivo fora da pasta do jogo</translation>
    </message>
    <message>
        <source>there is no script "%1"</source>
        <translation>não existe o script "%1"</translation>
    </message>
    <message>
        <source>the picture "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>a imagem "%1" só é encontrada ignorando maiúsculas e minúsculas (o arquivo é "%2")</translation>
    </message>
    <message>
        <source>the picture "%1" names a file outside the game folder</source>
        <translation>a imagem "%1" aponta para um arquivo fora da pasta do jogo</translation>
    </message>
    <message>
        <source>there is no picture "%1"</source>
        <translation>não existe a imagem "%1"</translation>
    </message>
    <message>
        <source>the sound "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>o som "%1" só é encontrado ignorando maiúsculas e minúsculas (o arquivo é "%2")</translation>
    </message>
    <message>
        <source>the sound "%1" names a file outside the game folder</source>
        <translation>o som "%1" aponta para um arquivo fora da pasta do jogo</translation>
    </message>
    <message>
        <source>there is no sound "%1"</source>
        <translation>não existe o som "%1"</translation>
    </message>
    <message>
        <source>the phrase file "%1" is found only by ignoring case (the file is "%2")</source>
        <translation>o arquivo de frases "%1" só é encontrado ignorando maiúsculas e minúsculas (o arquivo é "%2")</translation>
    </message>
    <message>
        <source>the phrase file "%1" names a file outside the game folder</source>
        <translation>o arquivo de frases "%1" aponta para um arquivo fora da pasta do jogo</translation>
    </message>
    <message>
        <source>there is no phrase file "%1"</source>
        <translation>não existe o arquivo de frases "%1"</translation>
    </message>
    <message>
        <source>"%1" stands for the exit %2=, which no script sets</source>
        <translation>"%1" representa a saída %2=, que nenhum script define</translation>
    </message>
    <message>
        <source>"%1" is not a placeholder (@norte, @sul, @leste, @oeste, @subir, @descer, @entrar, @sair, @pos, @obj, @xvlt) and no script has that name</source>
        <translation>"%1" não é um marcador (@norte, @sul, @leste, @oeste, @subir, @descer, @entrar, @sair, @pos, @obj, @xvlt) e nenhum script tem esse nome</translation>
    </message>
    <message>
        <source>the picture "%1" has its extension in capitals; the player reads only .png, .jpg, .bmp and .gif</source>
        <translation>a imagem "%1" tem a extensão em maiúsculas; o programa só lê .png, .jpg, .bmp e .gif</translation>
    </message>
    <message>
        <source>the object "%1" has no pristine file; reset objs stops the run there</source>
        <translation>o objeto "%1" não tem arquivo original; reset objs interrompe a execução ali</translation>
    </message>
    <message>
        <source>the object "%1" finds its pristine file only by ignoring case</source>
        <translation>o objeto "%1" só encontra seu arquivo original ignorando maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>a pristine object file needs 8 lines; this one has %1</source>
        <translation>um arquivo original de objeto precisa de 8 linhas; este tem %1</translation>
    </message>
    <message>
        <source>the record's key is "%1", not "%2"</source>
        <translation>a chave da entrada é "%1", não "%2"</translation>
    </message>
    <message>
        <source>the object "%1" is listed twice</source>
        <translation>o objeto "%1" aparece duas vezes na lista</translation>
    </message>
    <message>
        <source>the object table has %1 lines; %2 objects need %3</source>
        <translation>a tabela de objetos tem %1 linhas; %2 objetos precisam de %3</translation>
    </message>
    <message>
        <source>record %1 holds "%2" where the sorted keys put "%3"</source>
        <translation>a entrada %1 contém "%2" onde as chaves em ordem põem "%3"</translation>
    </message>
    <message>
        <source>the line has no "|", so it matches nothing</source>
        <translation>a linha não tem "|", então não corresponde a nada</translation>
    </message>
    <message>
        <source>the line has no phrase before "|"</source>
        <translation>a linha não tem frase antes do "|"</translation>
    </message>
    <message>
        <source>the phrase "%1" has small letters; what the player types is in capitals, so it never matches</source>
        <translation>a frase "%1" tem letras minúsculas; o que o jogador digita vai em maiúsculas, então ela nunca corresponde</translation>
    </message>
    <message>
        <source>the phrase "%1" is already on line %2; this line is never used</source>
        <translation>a frase "%1" já está na linha %2; esta linha nunca é usada</translation>
    </message>
    <message>
        <source>the hidden phrase "%1" matches only when the player types it with its "/"; it is never suggested</source>
        <translation>a frase oculta "%1" só corresponde quando o jogador a digita com a "/"; ela nunca é sugerida</translation>
    </message>
    <message>
        <source>the hidden phrase "/" has no words</source>
        <translation>a frase oculta "/" não tem palavras</translation>
    </message>
    <message>
        <source>the phrase "%1" has no script after "|"</source>
        <translation>a frase "%1" não tem script depois do "|"</translation>
    </message>
    <message>
        <source>no path of play reaches the script "%1"</source>
        <translation>nenhum caminho do jogo chega ao script "%1"</translation>
    </message>
    <message>
        <source>nothing in reach shows this picture</source>
        <translation>nada ao alcance mostra esta imagem</translation>
    </message>
    <message>
        <source>the quoted text never closes with "'": it takes the rest of the script</source>
        <translation>o texto entre aspas nunca se fecha com "'": ele toma o resto do script</translation>
    </message>
    <message>
        <source>a comma ends the text of %1 before its closing "'"; write ^ for a comma</source>
        <translation>uma vírgula encerra o texto de %1 antes do "'" que o fecha; escreva ^ para ter uma vírgula</translation>
    </message>
    <message>
        <source>unknown statement "%1"; the line does nothing (did you mean "%2"?)</source>
        <translation>comando desconhecido "%1"; a linha não faz nada (você quis dizer "%2"?)</translation>
    </message>
    <message>
        <source>unknown statement "%1"; the line does nothing (keywords are written in small letters: "%2")</source>
        <translation>comando desconhecido "%1"; a linha não faz nada (as palavras-chave se escrevem em minúsculas: "%2")</translation>
    </message>
    <message>
        <source>unknown statement "%1"; the line does nothing</source>
        <translation>comando desconhecido "%1"; a linha não faz nada</translation>
    </message>
    <message>
        <source>%1 is outside the register count (row 5 is %2), so it stands for the text "%3"</source>
        <translation>%1 está fora do número de registros (a linha 5 diz %2), então representa o texto "%3"</translation>
    </message>
    <message>
        <source>register %1 does not exist (the register file has %2)</source>
        <translation>o registro %1 não existe (o arquivo de registros tem %2)</translation>
    </message>
    <message>
        <source>msg= without a text</source>
        <translation>msg= sem texto</translation>
    </message>
    <message>
        <source>the link "%1" has no closing "|" after its script</source>
        <translation>o link "%1" não tem o "|" que fecha depois do seu script</translation>
    </message>
    <message>
        <source>%1 needs %2 argument, the line gives %3</source>
        <translation>%1 precisa de %2 argumento, a linha dá %3</translation>
    </message>
    <message>
        <source>%1 needs %2 arguments, the line gives %3</source>
        <translation>%1 precisa de %2 argumentos, a linha dá %3</translation>
    </message>
    <message>
        <source>%1 takes no arguments; the rest of the line is ignored</source>
        <translation>%1 não recebe argumentos; o resto da linha é ignorado</translation>
    </message>
    <message>
        <source>%1 takes %2 argument; the rest is ignored</source>
        <translation>%1 recebe %2 argumento; o resto é ignorado</translation>
    </message>
    <message>
        <source>%1 takes %2 arguments; the rest is ignored</source>
        <translation>%1 recebe %2 argumentos; o resto é ignorado</translation>
    </message>
    <message>
        <source>%1 has an empty argument %2</source>
        <translation>%1 tem o argumento %2 vazio</translation>
    </message>
    <message>
        <source>the test carries no statement</source>
        <translation>o teste não traz nenhum comando</translation>
    </message>
    <message>
        <source>"%1" is not a register number</source>
        <translation>"%1" não é um número de registro</translation>
    </message>
    <message>
        <source>"%1" is not a number; %2 stops the run there</source>
        <translation>"%1" não é um número; %2 interrompe a execução ali</translation>
    </message>
    <message>
        <source>"%1" is not a number; %2 takes its default</source>
        <translation>"%1" não é um número; %2 usa seu valor padrão</translation>
    </message>
    <message>
        <source>"%1" is not a number or $; 0 is used</source>
        <translation>"%1" não é um número nem $; vale 0</translation>
    </message>
    <message>
        <source>"%1" is not a surface (tel, fnc or pan)</source>
        <translation>"%1" não é uma superfície (tel, fnc ou pan)</translation>
    </message>
    <message>
        <source>there is no object "%1"</source>
        <translation>não existe o objeto "%1"</translation>
    </message>
    <message>
        <source>"%1" is not an object field (nom, dsc, loc, shp, tag)</source>
        <translation>"%1" não é um campo de objeto (nom, dsc, loc, shp, tag)</translation>
    </message>
    <message>
        <source>"%1" is not an exit (norte, sul, leste, oeste, subir, descer, entrar, sair)</source>
        <translation>"%1" não é uma saída (norte, sul, leste, oeste, subir, descer, entrar, sair)</translation>
    </message>
    <message>
        <source>"%1" is not a display mode (0, 1, 2 or 3)</source>
        <translation>"%1" não é um modo de exibição (0, 1, 2 ou 3)</translation>
    </message>
    <message>
        <source>"%1" is neither on nor off; nothing changes</source>
        <translation>"%1" não é on nem off; nada muda</translation>
    </message>
    <message>
        <source>"%1" is not a playsnd mode (on, off or stop)</source>
        <translation>"%1" não é um modo de playsnd (on, off ou stop)</translation>
    </message>
    <message>
        <source>"%1" is not a style (three letters such as Biu)</source>
        <translation>"%1" não é um estilo (três letras como Biu)</translation>
    </message>
    <message>
        <source>"%1" is not an engine variable (Modelo, Script, IniScp, RetScp, Posic, Objeto)</source>
        <translation>"%1" não é uma variável do motor (Modelo, Script, IniScp, RetScp, Posic, Objeto)</translation>
    </message>
    <message>
        <source>"%1" is not a link parameter (prm, prx or pry)</source>
        <translation>"%1" não é um parâmetro de link (prm, prx ou pry)</translation>
    </message>
    <message>
        <source>"%1" is not a part of an object (tit, dsc or shp)</source>
        <translation>"%1" não é uma parte de objeto (tit, dsc ou shp)</translation>
    </message>
    <message>
        <source>"%1" is not a focus target (web, inp, fnc, vsr, msg)</source>
        <translation>"%1" não é um alvo de foco (web, inp, fnc, vsr, msg)</translation>
    </message>
    <message>
        <source>"%1" is not a hot-spot group (tel, fnc, pan, md3)</source>
        <translation>"%1" não é um grupo de pontos clicáveis (tel, fnc, pan, md3)</translation>
    </message>
    <message>
        <source>"%1" is not a colour (six hex digits RRGGBB); %2 stops the run there</source>
        <translation>"%1" não é uma cor (seis dígitos hexadecimais RRGGBB); %2 interrompe a execução ali</translation>
    </message>
    <message>
        <source>"%1" is not six hex digits RRGGBB; the player reads it as %2</source>
        <translation>"%1" não tem seis dígitos hexadecimais RRGGBB; o programa o lê como %2</translation>
    </message>
    <message>
        <source>%1 names "%2"; write the label without its colon</source>
        <translation>%1 indica "%2"; escreva o rótulo sem os dois-pontos</translation>
    </message>
    <message>
        <source>the label line "%1" has text after its name, so %2 cannot reach it</source>
        <translation>a linha do rótulo "%1" tem texto depois do nome, então %2 não chega a ela</translation>
    </message>
    <message>
        <source>%1 to the label "%2", which this script does not have</source>
        <translation>%1 para o rótulo "%2", que este script não tem</translation>
    </message>
    <message>
        <source>there is no object "%1" to restore</source>
        <translation>não existe o objeto "%1" para restaurar</translation>
    </message>
    <message>
        <source>reset regs empties %1 registers (row 5) but the register file has %2; the run stops at the first missing one</source>
        <translation>reset regs esvazia %1 registros (linha 5), mas o arquivo de registros tem %2; a execução para no primeiro que falta</translation>
    </message>
    <message>
        <source>reset mapa without a file name does nothing</source>
        <translation>reset mapa sem nome de arquivo não faz nada</translation>
    </message>
    <message>
        <source>reset %1 does nothing (reset takes objs, regs or mapa)</source>
        <translation>reset %1 não faz nada (reset recebe objs, regs ou mapa)</translation>
    </message>
    <message>
        <source>%1 without a picture or text</source>
        <translation>%1 sem imagem nem texto</translation>
    </message>
    <message>
        <source>"%1" has its extension in capitals, so %2 shows it as a text</source>
        <translation>"%1" tem a extensão em maiúsculas, então %2 o mostra como texto</translation>
    </message>
    <message>
        <source>chuva= mask takes a .bmp file or off</source>
        <translation>chuva= mask recebe um arquivo .bmp ou off</translation>
    </message>
    <message>
        <source>chuva= %1 does nothing (a .bmp file, on, off, mask, time or wgotas)</source>
        <translation>chuva= %1 não faz nada (um arquivo .bmp, on, off, mask, time ou wgotas)</translation>
    </message>
    <message>
        <source>a run that continues here with "script" (%1:%2) skips this first line; start the script with a comment or a label</source>
        <translation>uma execução que continua aqui com "script" (%1:%2) pula esta primeira linha; comece o script com um comentário ou um rótulo</translation>
    </message>
    <message>
        <source>window left</source>
        <translation>esquerda da janela</translation>
    </message>
    <message>
        <source>window top</source>
        <translation>topo da janela</translation>
    </message>
    <message>
        <source>register count</source>
        <translation>número de registros</translation>
    </message>
    <message>
        <source>game area width</source>
        <translation>largura da área do jogo</translation>
    </message>
    <message>
        <source>game area height</source>
        <translation>altura da área do jogo</translation>
    </message>
    <message>
        <source>message font size</source>
        <translation>tamanho da fonte das mensagens</translation>
    </message>
    <message>
        <source>viewer left</source>
        <translation>esquerda do visor</translation>
    </message>
    <message>
        <source>viewer top</source>
        <translation>topo do visor</translation>
    </message>
    <message>
        <source>viewer width</source>
        <translation>largura do visor</translation>
    </message>
    <message>
        <source>viewer height</source>
        <translation>altura do visor</translation>
    </message>
    <message>
        <source>message strip left</source>
        <translation>esquerda da faixa de mensagens</translation>
    </message>
    <message>
        <source>message strip top</source>
        <translation>topo da faixa de mensagens</translation>
    </message>
    <message>
        <source>message strip width</source>
        <translation>largura da faixa de mensagens</translation>
    </message>
    <message>
        <source>message strip height</source>
        <translation>altura da faixa de mensagens</translation>
    </message>
    <message>
        <source>mode-0 font size</source>
        <translation>tamanho da fonte do modo 0</translation>
    </message>
    <message>
        <source>command box left</source>
        <translation>esquerda da caixa de comando</translation>
    </message>
    <message>
        <source>command box top</source>
        <translation>topo da caixa de comando</translation>
    </message>
    <message>
        <source>command box width</source>
        <translation>largura da caixa de comando</translation>
    </message>
    <message>
        <source>command box height</source>
        <translation>altura da caixa de comando</translation>
    </message>
    <message>
        <source>command box font size</source>
        <translation>tamanho da fonte da caixa de comando</translation>
    </message>
    <message>
        <source>function panel left</source>
        <translation>esquerda do painel de funções</translation>
    </message>
    <message>
        <source>function panel top</source>
        <translation>topo do painel de funções</translation>
    </message>
    <message>
        <source>function panel width</source>
        <translation>largura do painel de funções</translation>
    </message>
    <message>
        <source>function panel height</source>
        <translation>altura do painel de funções</translation>
    </message>
    <message>
        <source>mode-3 viewer width</source>
        <translation>largura do visor do modo 3</translation>
    </message>
    <message>
        <source>mode-3 viewer height</source>
        <translation>altura do visor do modo 3</translation>
    </message>
    <message>
        <source>mode-2 viewer width</source>
        <translation>largura do visor do modo 2</translation>
    </message>
    <message>
        <source>mode-2 viewer height</source>
        <translation>altura do visor do modo 2</translation>
    </message>
    <message>
        <source>picture width</source>
        <translation>largura da imagem</translation>
    </message>
    <message>
        <source>picture height</source>
        <translation>altura da imagem</translation>
    </message>
    <message>
        <source>end button left</source>
        <translation>esquerda do botão de fim</translation>
    </message>
    <message>
        <source>end button top</source>
        <translation>topo do botão de fim</translation>
    </message>
    <message>
        <source>end button label size</source>
        <translation>tamanho da legenda do botão de fim</translation>
    </message>
    <message>
        <source>map page width</source>
        <translation>largura da página do mapa</translation>
    </message>
    <message>
        <source>map page height</source>
        <translation>altura da página do mapa</translation>
    </message>
    <message>
        <source>display mode</source>
        <translation>modo de exibição</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>cor de fundo</translation>
    </message>
    <message>
        <source>text colour</source>
        <translation>cor do texto</translation>
    </message>
    <message>
        <source>link colour</source>
        <translation>cor dos links</translation>
    </message>
    <message>
        <source>visited-link colour</source>
        <translation>cor dos links visitados</translation>
    </message>
    <message>
        <source>mode-0 text colour</source>
        <translation>cor do texto do modo 0</translation>
    </message>
    <message>
        <source>command box colour</source>
        <translation>cor da caixa de comando</translation>
    </message>
    <message>
        <source>command box text colour</source>
        <translation>cor do texto da caixa de comando</translation>
    </message>
    <message>
        <source>end button label colour</source>
        <translation>cor da legenda do botão de fim</translation>
    </message>
    <message>
        <source>message strip shown</source>
        <translation>faixa de mensagens visível</translation>
    </message>
    <message>
        <source>command box shown</source>
        <translation>caixa de comando visível</translation>
    </message>
    <message>
        <source>function panel shown</source>
        <translation>painel de funções visível</translation>
    </message>
    <message>
        <source>rectangular window</source>
        <translation>janela retangular</translation>
    </message>
    <message>
        <source>on-line play</source>
        <translation>jogo online</translation>
    </message>
    <message>
        <source>download everything</source>
        <translation>baixar tudo</translation>
    </message>
    <message>
        <source>download newer files</source>
        <translation>baixar os arquivos mais novos</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>multijogador</translation>
    </message>
    <message>
        <source>mode-0 font style</source>
        <translation>estilo da fonte do modo 0</translation>
    </message>
    <message>
        <source>message style</source>
        <translation>estilo das mensagens</translation>
    </message>
    <message>
        <source>command box style</source>
        <translation>estilo da caixa de comando</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a number: "%3"</source>
        <translation>a linha %1 (%2) não é um número: "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a display mode (0, 1, 2 or 3): "%3"</source>
        <translation>a linha %1 (%2) não é um modo de exibição (0, 1, 2 ou 3): "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a colour (six hex digits RRGGBB): "%3"</source>
        <translation>a linha %1 (%2) não é uma cor (seis dígitos hexadecimais RRGGBB): "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not six hex digits RRGGBB: "%3" reads as %4</source>
        <translation>a linha %1 (%2) não tem seis dígitos hexadecimais RRGGBB: "%3" é lido como %4</translation>
    </message>
    <message>
        <source>row %1 (%2) is a switch, on only when it holds exactly *: "%3"</source>
        <translation>a linha %1 (%2) é um interruptor, ligado só quando contém exatamente *: "%3"</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a style (three letters such as Biu): "%3"</source>
        <translation>a linha %1 (%2) não é um estilo (três letras como Biu): "%3"</translation>
    </message>
    <message>
        <source>row 4 (the game's name) is empty</source>
        <translation>a linha 4 (o nome do jogo) está vazia</translation>
    </message>
    <message>
        <source>row 17 (phrase file) is empty</source>
        <translation>a linha 17 (arquivo de frases) está vazia</translation>
    </message>
    <message>
        <source>the file mixes UTF-8 and Windows-1252 letters; it is read as Windows-1252, so its UTF-8 letters show wrong</source>
        <translation>o arquivo mistura letras UTF-8 e Windows-1252; ele é lido como Windows-1252, e suas letras UTF-8 aparecem erradas</translation>
    </message>
    <message>
        <source>the file is read as UTF-8</source>
        <translation>o arquivo é lido como UTF-8</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>There is no register %1 (the game has 0 to %2).</source>
        <translation>Não há registro %1 (o jogo tem de 0 a %2).</translation>
    </message>
    <message>
        <source>The game has no objects.</source>
        <translation>O jogo não tem objetos.</translation>
    </message>
    <message>
        <source>There is no script %1.scx in the game folder.</source>
        <translation>Não há script %1.scx na pasta do jogo.</translation>
    </message>
    <message>
        <source>Trace on.</source>
        <translation>Rastro ligado.</translation>
    </message>
    <message>
        <source>Trace off.</source>
        <translation>Rastro desligado.</translation>
    </message>
    <message>
        <source>No error was shown yet.</source>
        <translation>Nenhum erro foi mostrado ainda.</translation>
    </message>
    <message>
        <source>Commands: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error</source>
        <translation>Comandos: reg N, reg N = texto, row N, obj, goto SCRIPT, trace on, trace off, error</translation>
    </message>
    <message>
        <source>There is no row %1 of the definitions table.</source>
        <translation>A tabela de definições não tem a linha %1.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>mirandel: player for Quimera graphical text adventures.
Without options it plays the bundled demo game in a window (in the terminal when there is no display).</source>
        <translation>mirandel: jogador de aventuras de texto gráficas do Quimera.
Sem opções, joga o jogo de demonstração numa janela (no terminal quando não há tela).</translation>
    </message>
    <message>
        <source>Play the game in folder DIR.</source>
        <translation>Joga o jogo da pasta DIR.</translation>
    </message>
    <message>
        <source>Base name of the player's own table (default mirandel).</source>
        <translation>Nome base da tabela do próprio jogador (mirandel se omitido).</translation>
    </message>
    <message>
        <source>Address of the publisher's server (on-line play).</source>
        <translation>Endereço do servidor do editor (jogo online).</translation>
    </message>
    <message>
        <source>Base address of the publisher's pages on the opening screen.</source>
        <translation>Endereço base das páginas do editor na tela de abertura.</translation>
    </message>
    <message>
        <source>Play in the terminal.</source>
        <translation>Joga no terminal.</translation>
    </message>
    <message>
        <source>Scripted play: read events from FILE, no window needed.</source>
        <translation>Jogo roteirizado: lê os eventos de FILE, sem precisar de janela.</translation>
    </message>
    <message>
        <source>After the last event, write a snapshot into DIR.</source>
        <translation>Depois do último evento, grava um retrato do estado em DIR.</translation>
    </message>
    <message>
        <source>Write every statement trace line to FILE.</source>
        <translation>Grava cada linha de rastreamento dos comandos em FILE.</translation>
    </message>
    <message>
        <source>Check the game for faults without running it (exit 0 clean, 1 findings, 2 unreadable).</source>
        <translation>Verifica o jogo sem executá-lo (sai com 0 se limpo, 1 com achados, 2 se ilegível).</translation>
    </message>
    <message>
        <source>Play without sound (in the window Ctrl+M turns it on and off).</source>
        <translation>Joga sem som (na janela, Ctrl+M liga e desliga).</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (veja --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see --help)</source>
        <translation>argumento inesperado %1 (veja --help)</translation>
    </message>
    <message>
        <source>cannot read the events file %1</source>
        <translation>não consigo ler o arquivo de eventos %1</translation>
    </message>
    <message>
        <source>cannot write the dump into %1</source>
        <translation>não consigo gravar o retrato em %1</translation>
    </message>
    <message>
        <source>the game folder %1 does not exist</source>
        <translation>a pasta de jogo %1 não existe</translation>
    </message>
    <message>
        <source>%1 is not a folder: --game takes the folder that holds the game</source>
        <translation>%1 não é uma pasta: --game recebe a pasta que contém o jogo</translation>
    </message>
    <message>
        <source>Show the window N times larger, N from 1 to 4 (1.5 too); Ctrl+plus and Ctrl+minus change it while playing, and the window remembers that choice.</source>
        <translation>Mostra a janela N vezes maior, N de 1 a 4 (1.5 também); Ctrl+mais e Ctrl+menos a mudam durante o jogo, e a janela guarda essa escolha.</translation>
    </message>
    <message>
        <source>the bundled games folder was not found</source>
        <translation>não encontrei a pasta dos jogos que acompanham o programa</translation>
    </message>
    <message>
        <source>cannot write the steps file %1</source>
        <translation>não consigo gravar o arquivo de passos %1</translation>
    </message>
    <message>
        <source>cannot write the coverage file %1</source>
        <translation>não consigo gravar o arquivo de cobertura %1</translation>
    </message>
    <message>
        <source>the display %1 does not answer: playing in the terminal</source>
        <translation>a tela %1 não responde: jogando no terminal</translation>
    </message>
    <message>
        <source>Keep this session's transcript (the game's text and your commands) in FILE.</source>
        <translation>Guarda a transcrição desta sessão (o texto do jogo e seus comandos) em FILE.</translation>
    </message>
    <message>
        <source>Play on a temporary copy of the game folder, removed at exit: nothing in the folder changes.</source>
        <translation>Joga numa cópia temporária da pasta do jogo, apagada ao sair: nada na pasta muda.</translation>
    </message>
    <message>
        <source>Write the smallest complete game into the new folder DIR (its name: the argument after DIR, default mirandel).</source>
        <translation>Grava o menor jogo completo na pasta nova DIR (seu nome: o argumento depois de DIR, mirandel se omitido).</translation>
    </message>
    <message>
        <source>Write every statement run to FILE: script, line, statement, the registers it changed.</source>
        <translation>Grava em FILE cada instrução executada: script, linha, instrução, os registros que mudou.</translation>
    </message>
    <message>
        <source>At exit, write to FILE which lines of each script ran and which phrases matched.</source>
        <translation>Ao sair, grava em FILE que linhas de cada script foram executadas e que frases corresponderam.</translation>
    </message>
    <message>
        <source>List the games the player knows (name, folder, last played) and end.</source>
        <translation>Lista os jogos que o jogador conhece (nome, pasta, última vez jogado) e termina.</translation>
    </message>
    <message>
        <source>The game folder to play (the same as --game DIR).</source>
        <translation>A pasta do jogo a jogar (o mesmo que --game DIR).</translation>
    </message>
    <message>
        <source>cannot make a temporary folder in %1</source>
        <translation>não consigo criar uma pasta temporária em %1</translation>
    </message>
    <message>
        <source>cannot copy the game folder %1 for --scratch</source>
        <translation>não consigo copiar a pasta do jogo %1 para --scratch</translation>
    </message>
    <message>
        <source>While playing, reload a script, picture or table row whose file changed and run the current place again (registers and objects kept).</source>
        <translation>Durante o jogo, recarrega um script, figura ou linha da tabela cujo arquivo mudou e roda de novo o lugar atual (registros e objetos mantidos).</translation>
    </message>
    <message>
        <source>Close the window as soon as its first screen is painted (to time the start-up).</source>
        <translation>Fecha a janela assim que a primeira tela é pintada (para medir a partida).</translation>
    </message>
</context>
<context>
    <name>Slots</name>
    <message>
        <source>Saved as "%1".</source>
        <translation>Salvo como "%1".</translation>
    </message>
    <message>
        <source>Restored "%1".</source>
        <translation>Restaurado "%1".</translation>
    </message>
    <message>
        <source>There is no game in play to save or restore yet.</source>
        <translation>Ainda não há jogo em andamento para salvar ou restaurar.</translation>
    </message>
    <message>
        <source>A save slot needs a name.</source>
        <translation>Um jogo salvo precisa de um nome.</translation>
    </message>
    <message>
        <source>There is no saved game named "%1".</source>
        <translation>Não há jogo salvo com o nome "%1".</translation>
    </message>
    <message>
        <source>The saved game "%1" is damaged (%2): nothing was changed.</source>
        <translation>O jogo salvo "%1" está danificado (%2): nada foi mudado.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2 could not be written.</source>
        <translation>Não consegui salvar "%1": não consegui gravar %2.</translation>
    </message>
    <message>
        <source>Could not restore "%1": %2 could not be written; nothing was changed.</source>
        <translation>Não consegui restaurar "%1": não consegui gravar %2; nada foi mudado.</translation>
    </message>
    <message>
        <source>Could not restore "%1" (%2): the game is as it was.</source>
        <translation>Não consegui restaurar "%1" (%2): o jogo está como estava.</translation>
    </message>
    <message>
        <source>Save the game</source>
        <translation>Salvar o jogo</translation>
    </message>
    <message>
        <source>Name of the saved game:</source>
        <translation>Nome do jogo salvo:</translation>
    </message>
    <message>
        <source>Saved games</source>
        <translation>Jogos salvos</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>This game is already open in another mirandel (%1). Close that one to play it here.</source>
        <translation>Este jogo já está aberto em outro mirandel (%1). Feche aquele para jogar aqui.</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>[error] %1</source>
        <translation>[erro] %1</translation>
    </message>
    <message>
        <source>[unknown terminal command: %1; :ajuda lists the commands]</source>
        <translation>[comando do terminal desconhecido: %1; :ajuda lista os comandos]</translation>
    </message>
    <message>
        <source>(to end the game and save it, type :sair)</source>
        <translation>(para encerrar e salvar o jogo, digite :sair)</translation>
    </message>
    <message>
        <source>[picture: %1]</source>
        <translation>[imagem: %1]</translation>
    </message>
    <message>
        <source>[music: %1]</source>
        <translation>[música: %1]</translation>
    </message>
    <message>
        <source>[sound: %1]</source>
        <translation>[som: %1]</translation>
    </message>
    <message>
        <source>[command box: %1; an empty line presses Enter]</source>
        <translation>[caixa de comando: %1; uma linha vazia tecla Enter]</translation>
    </message>
    <message>
        <source>No exit is marked in this place.</source>
        <translation>Nenhuma saída marcada neste local.</translation>
    </message>
    <message>
        <source>Exits: %1.</source>
        <translation>Saídas: %1.</translation>
    </message>
    <message>
        <source>This screen has no links.</source>
        <translation>Esta tela não tem links.</translation>
    </message>
    <message>
        <source>There is no link %1; :links lists the links.</source>
        <translation>Não há o link %1; :links lista os links.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagem</translation>
    </message>
    <message>
        <source>panel</source>
        <translation>painel</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>moldura</translation>
    </message>
    <message>
        <source>page</source>
        <translation>página</translation>
    </message>
    <message>
        <source>No clickable spot on this screen.</source>
        <translation>Nenhum ponto clicável nesta tela.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>(:clicar N clicks spot N)</source>
        <translation>(:clicar N clica no ponto N)</translation>
    </message>
    <message>
        <source>There is no spot %1; :pontos lists the spots.</source>
        <translation>Não há o ponto %1; :pontos lista os pontos.</translation>
    </message>
    <message>
        <source>(button) %1</source>
        <translation>(botão) %1</translation>
    </message>
    <message>
        <source>There is no control %1; :baixar shows the page.</source>
        <translation>Não há o controle %1; :baixar mostra a página.</translation>
    </message>
    <message>
        <source>(:ajuda lists the terminal's commands)</source>
        <translation>(:ajuda lista os comandos do terminal)</translation>
    </message>
    <message>
        <source>This game has not shown a map yet.</source>
        <translation>Este jogo ainda não mostrou um mapa.</translation>
    </message>
    <message>
        <source>Could not write the map into %1</source>
        <translation>Não consegui gravar o mapa em %1</translation>
    </message>
    <message>
        <source>Map written into: %1</source>
        <translation>Mapa gravado em: %1</translation>
    </message>
    <message>
        <source>cannot keep the transcript in %1</source>
        <translation>não consigo guardar a transcrição em %1</translation>
    </message>
    <message>
        <source>[no sound device answers: the game goes on without sound]</source>
        <translation>[nenhum dispositivo de som responde: o jogo continua sem som]</translation>
    </message>
    <message>
        <source>Type :clicar and the number of a spot (:pontos lists them), for example :clicar 1.</source>
        <translation>Digite :clicar e o número de um ponto (:pontos os lista), por exemplo :clicar 1.</translation>
    </message>
    <message>
        <source>Type :link and the number of a link (:links lists them), for example :link 1.</source>
        <translation>Digite :link e o número de um link (:links os lista), por exemplo :link 1.</translation>
    </message>
    <message>
        <source>This session keeps no transcript file.</source>
        <translation>Esta sessão não guarda arquivo de transcrição.</translation>
    </message>
    <message>
        <source>The transcript is in %1</source>
        <translation>A transcrição está em %1</translation>
    </message>
    <message>
        <source>Give the slot a name: %1 NAME (:jogos lists the saved games)</source>
        <translation>Dê um nome ao jogo salvo: %1 NOME (:jogos lista os jogos salvos)</translation>
    </message>
    <message>
        <source>[nothing to undo]</source>
        <translation>[nada para desfazer]</translation>
    </message>
    <message>
        <source>[nothing to redo]</source>
        <translation>[nada para refazer]</translation>
    </message>
    <message>
        <source>[undone: the game is as it was before your last turn]</source>
        <translation>[desfeito: o jogo está como antes da sua última jogada]</translation>
    </message>
    <message>
        <source>[redone]</source>
        <translation>[refeito]</translation>
    </message>
    <message>
        <source>No saved game yet (:salvar NAME saves one).</source>
        <translation>Ainda não há jogo salvo (:salvar NOME salva um).</translation>
    </message>
    <message>
        <source>(:carregar NAME restores one)</source>
        <translation>(:carregar NOME restaura um)</translation>
    </message>
    <message>
        <source>the map</source>
        <translation>o mapa</translation>
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
        <translation>Comandos do jogo: digite a frase e tecle Enter (por exemplo: norte, pegue a chave).
Uma linha vazia tecla Enter com a caixa vazia: descreve o local de novo.
Quando a página mostra links numerados, um número sozinho segue aquele link.
As setas editam a linha; para cima e para baixo trazem de volta os comandos anteriores; F1 a F4 são as teclas de função do jogo.
Comandos do terminal:
  :f1 :f2 :f3 :f4        teclas de função (F3 traz de volta o último comando)
  :norte :sul :leste :oeste   (ou :up :down :right :left) as setas do jogo
  :saidas                as saídas do local
  :links                 os links à vista (da página e escritos nas imagens), numerados
  :link N                segue o link N
  :pontos                os pontos clicáveis das imagens, numerados
  :clicar N              clica no ponto N
  :executar NOME         executa o script NOME (como um clique o faria)
  :mapa                  grava o mapa do jogo num arquivo PNG e mostra onde
  :baixar                a página de download (jogo online, atualizações)
  :baixar CONTROLE       clica num controle dela (TicLine, btAtual, btDEG, btDWNtudo...)
  :desfazer              desfaz sua última jogada (também :undo); :refazer a refaz (também :redo)
  :salvar NOME           salva o jogo com esse nome; :carregar NOME o restaura
  :jogos                 os jogos salvos
  :transcricao           onde fica a transcrição do seu jogo (também :transcript)
  :console               o console de depuração para autores (registros, objetos, goto, rastro)
  :ajuda                 esta lista (também :help ou help)
  :sair                  encerra e salva o jogo (o fim da entrada também; ou :quit)
</translation>
    </message>
    <message>
        <source>[reloaded %1; %2 runs again]</source>
        <translation>[recarregado %1; %2 roda de novo]</translation>
    </message>
    <message>
        <source>(back in the game)</source>
        <translation>(de volta ao jogo)</translation>
    </message>
    <message>
        <source>Debug console: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error; an empty line or :sair leaves it.</source>
        <translation>Console de depuração: reg N, reg N = texto, row N, obj, goto SCRIPT, trace on, trace off, error; uma linha vazia ou :sair volta ao jogo.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Sound off (Ctrl+M turns it on)</source>
        <translation>Som desligado (Ctrl+M o liga)</translation>
    </message>
    <message>
        <source>The window is as large as this screen allows.</source>
        <translation>A janela já está do maior tamanho que esta tela permite.</translation>
    </message>
    <message>
        <source>cannot remember the window's settings in %1</source>
        <translation>não consigo guardar as preferências da janela em %1</translation>
    </message>
    <message>
        <source>Reloaded %1; %2 runs again.</source>
        <translation>Recarregado %1; %2 roda de novo.</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>never played</source>
        <translation>nunca jogado</translation>
    </message>
    <message>
        <source>last played %1</source>
        <translation>jogado pela última vez em %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, em %2</translation>
    </message>
    <message>
        <source>Number of the game to play (1-%1, Enter for %2): </source>
        <translation>Número do jogo a jogar (1-%1, Enter para %2): </translation>
    </message>
    <message>
        <source>There is no game %1.</source>
        <translation>Não há o jogo %1.</translation>
    </message>
</context>
<context>
    <name>check::PlayRecord</name>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>never matched: %1</source>
        <translation>nunca correspondeu: %1</translation>
    </message>
    <message>
        <source>never ran: %1</source>
        <translation>nunca executada: %1</translation>
    </message>
    <message>
        <source>never ran (%1 lines)</source>
        <translation>nunca executado (%1 linhas)</translation>
    </message>
    <message>
        <source>%1 of %2 lines ran</source>
        <translation>%1 de %2 linhas executadas</translation>
    </message>
    <message>
        <source>coverage: %1 of %2 lines ran (%3%), %4 scripts never run%5; %6 of %7 phrases matched</source>
        <translation>cobertura: %1 de %2 linhas executadas (%3%), %4 scripts nunca executados%5; %6 de %7 frases corresponderam</translation>
    </message>
</context>
<context>
    <name>ui::DebugConsoleView</name>
    <message>
        <source>Debug console</source>
        <translation>Console de depuração</translation>
    </message>
    <message>
        <source>reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error</source>
        <translation>reg N, reg N = texto, row N, obj, goto SCRIPT, trace on, trace off, error</translation>
    </message>
</context>
<context>
    <name>ui::GamePage</name>
    <message>
        <source>Game text</source>
        <translation>Texto do jogo</translation>
    </message>
    <message>
        <source>Game page</source>
        <translation>Página do jogo</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Picture of the place</source>
        <translation>Imagem do lugar</translation>
    </message>
    <message>
        <source>Game picture</source>
        <translation>Imagem do jogo</translation>
    </message>
    <message>
        <source>Game frame</source>
        <translation>Moldura do jogo</translation>
    </message>
    <message>
        <source>Function panel</source>
        <translation>Painel de funções</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Closes the game, which stays saved</source>
        <translation>Fecha o jogo, que fica salvo</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Spot %1</source>
        <translation>Ponto %1</translation>
    </message>
</context>
<context>
    <name>ui::Launcher</name>
    <message>
        <source>Mirandel: choose a game</source>
        <translation>Mirandel: escolha um jogo</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Add game...</source>
        <translation>Adicionar jogo...</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Tirar da lista</translation>
    </message>
    <message>
        <source>Takes the game off this list; its files stay where they are</source>
        <translation>Tira o jogo desta lista; seus arquivos ficam onde estão</translation>
    </message>
    <message>
        <source>Add a game folder</source>
        <translation>Adicionar uma pasta de jogo</translation>
    </message>
    <message>
        <source>%1 was not added: %2</source>
        <translation>%1 não foi adicionada: %2</translation>
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
        <translation>Tecle Enter ou espaço, ou dê um duplo clique, para começar o jogo</translation>
    </message>
    <message>
        <source>Publisher's site</source>
        <translation>Site do editor</translation>
    </message>
    <message>
        <source>About Quimera</source>
        <translation>Sobre o Quimera</translation>
    </message>
    <message>
        <source>Other games</source>
        <translation>Outros jogos</translation>
    </message>
    <message>
        <source>This game's page</source>
        <translation>Página deste jogo</translation>
    </message>
</context>
<context>
    <name>ui::ScrollbackView</name>
    <message>
        <source>Transcript</source>
        <translation>Transcrição</translation>
    </message>
    <message>
        <source>Find (Enter: next)</source>
        <translation>Procurar (Enter: próximo)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
</context>
<context>
    <name>ui::SlotsDialog</name>
    <message>
        <source>Saved games</source>
        <translation>Jogos salvos</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
</context>
</TS>
