<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Comandos do jogo: digite a frase e tecle Enter (por exemplo: norte, pegue a chave).
Uma linha vazia tecla Enter com a caixa vazia: descreve o local de novo.
Quando a página mostra links numerados, um número sozinho segue aquele link.
As setas editam a linha; para cima e para baixo trazem de volta os comandos anteriores.
Comandos do terminal:
  :f1 :f2 :f3 :f4        teclas de função (F3 traz de volta o último comando)
  :norte :sul :leste :oeste   (ou :up :down :right :left) as setas do jogo
  :saidas                as saídas do local
  :links                 os links da página, numerados
  :link N                segue o link N
  :pontos                os pontos clicáveis das imagens, numerados
  :clicar N              clica no ponto N
  :executar NOME         executa o script NOME (como um clique o faria)
  :mapa                  grava o mapa do jogo num arquivo PNG e mostra onde
  :baixar                a página de download (jogo online, atualizações)
  :baixar CONTROLE       clica num controle dela (TicLine, btAtual, btDEG, btDWNtudo...)
  :ajuda                 esta lista (também :help ou help)
  :sair                  encerra e salva o jogo (o fim da entrada também; ou :quit)
</translation>
    </message>
</context>
</TS>
