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
    "%1 (see --help)": "%1 (veja --help)",
    "unexpected argument %1 (see --help)": "argumento inesperado %1 (veja --help)",
    "cannot read the events file %1": "não consigo ler o arquivo de eventos %1",
    "cannot write the dump into %1": "não consigo gravar o retrato em %1",
    "the game folder %1 does not exist": "a pasta de jogo %1 não existe",
    "%1 is not a folder: --game takes the folder that holds the game":
        "%1 não é uma pasta: --game recebe a pasta que contém o jogo",
    "[error] %1": "[erro] %1",
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
    "The arrow keys edit the line; Up and Down recall earlier commands.\n"
    "Terminal commands:\n"
    "  :f1 :f2 :f3 :f4        function keys (F3 brings back the last command)\n"
    "  :norte :sul :leste :oeste   (or :up :down :right :left) the arrow keys of the game\n"
    "  :saidas                the exits of the place\n"
    "  :links                 the links of the page, numbered\n"
    "  :link N                follows link N\n"
    "  :pontos                the clickable spots of the pictures, numbered\n"
    "  :clicar N              clicks spot N\n"
    "  :executar NAME         runs the script NAME (as a click would)\n"
    "  :mapa                  writes the game's map into a PNG file and says where\n"
    "  :baixar                the download page (on-line game, updates)\n"
    "  :baixar CONTROL        clicks one of its controls (TicLine, btAtual, btDEG, btDWNtudo...)\n"
    "  :ajuda                 this list (also :help or help)\n"
    "  :sair                  ends and saves the game (so does the end of the input; also :quit)\n":
        "Comandos do jogo: digite a frase e tecle Enter (por exemplo: norte, pegue a chave).\n"
        "Uma linha vazia tecla Enter com a caixa vazia: descreve o local de novo.\n"
        "Quando a página mostra links numerados, um número sozinho segue aquele link.\n"
        "As setas editam a linha; para cima e para baixo trazem de volta os comandos anteriores.\n"
        "Comandos do terminal:\n"
        "  :f1 :f2 :f3 :f4        teclas de função (F3 traz de volta o último comando)\n"
        "  :norte :sul :leste :oeste   (ou :up :down :right :left) as setas do jogo\n"
        "  :saidas                as saídas do local\n"
        "  :links                 os links da página, numerados\n"
        "  :link N                segue o link N\n"
        "  :pontos                os pontos clicáveis das imagens, numerados\n"
        "  :clicar N              clica no ponto N\n"
        "  :executar NOME         executa o script NOME (como um clique o faria)\n"
        "  :mapa                  grava o mapa do jogo num arquivo PNG e mostra onde\n"
        "  :baixar                a página de download (jogo online, atualizações)\n"
        "  :baixar CONTROLE       clica num controle dela (TicLine, btAtual, btDEG, btDWNtudo...)\n"
        "  :ajuda                 esta lista (também :help ou help)\n"
        "  :sair                  encerra e salva o jogo (o fim da entrada também; ou :quit)\n",
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
