<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Um jogo de cartas de descarte para um jogador contra três adversários do computador.

Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Cartas: o baralho “Standard” dos jogos de cartas da área de trabalho (KDE), sob a Licença Pública Geral GNU, versão 2 ou posterior; seus autores estão listados em %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Cartas: desenhadas pelo próprio jogo, pois o baralho da área de trabalho não está instalado.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Você pega todas as cartas</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 pega todas as cartas</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Você venceu! Quer assistir ao resto da partida?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Vitória</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>O Plenk já está aberto, mas não foi possível trazer a janela dele para a frente.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: não é possível bloquear o histórico do jogador; outra cópia do jogo pode gravar por cima dos resultados desta</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1º lugar: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2º lugar: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3º lugar: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>HISTÓRICO DO JOGADOR</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Derrotas: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Não foi possível salvar o histórico do jogador em “%1” (%2). Ele fica na memória, e o próximo salvamento tentará de novo.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>O histórico do jogador “%1” não pode ser atualizado onde está. De agora em diante, ele fica em “%2”.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Não foi possível ler o histórico do jogador “%1” (%2). Seus resultados ficam na memória só até você fechar o jogo; o arquivo fica como está.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Nome do jogador:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Seu nome fica salvo como “%1”. O histórico aceita no máximo 25 caracteres, e só as letras das línguas da Europa Ocidental.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Histórico</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>The aim of the game is to be the first to get rid of all your cards.
When the game starts, one card of the stock is turned face up, and its suit becomes the suit to follow.
You may only play a card of the suit to follow.
If you have no card of that suit, you draw from the stock, one card at a time, until a card of that suit turns up.
This drawing is called &quot;Plenking&quot;.
If you cannot plenk because the stock is used up, you take the cards played on the table instead.
Whoever plays the highest card of a round leads the next round, and the suit of the card led becomes the suit to follow for the others.
Hint: remember an opponent&apos;s &quot;weakness suit&quot;, so that you can make that player plenk as often as possible.
Hint: once the stock is used up, keep in mind the highest card of each suit that has already been played.</source>
        <extracomment>One point to a line, so that each rule stands on its own; the window is small, so the text should be no longer than the English. &quot;Stock&quot;, &quot;the suit to follow&quot; and &quot;plenk&quot; are the words the rest of the game uses.</extracomment>
        <translation>O objetivo do jogo é ser o primeiro a se livrar de todas as cartas.
No início, uma carta do monte é virada, e o naipe dela passa a ser o naipe a seguir.
Você só pode jogar cartas do naipe a seguir.
Se não tiver carta desse naipe, você compra do monte, uma carta por vez, até sair uma carta desse naipe.
Comprar assim se chama “plenkar”.
Se não puder plenkar porque o monte acabou, você pega as cartas jogadas na mesa.
Quem joga a carta mais alta de uma rodada sai na seguinte, e os outros devem seguir o naipe da carta de saída.
Dica: lembre qual naipe falta a cada adversário, para fazê-lo plenkar o máximo de vezes possível.
Dica: quando o monte acabar, lembre a carta mais alta já jogada de cada naipe.</translation>
    </message>
    <message>
        <source>Everyone is dealt five cards. Aces are high, above the king.
You play first in the first round; then everyone plays in turn, you, COM 1 on the right, COM 2 at the top and COM 3 on the left.
Your draws and takes happen by themselves. The status line under the table says what happens and whose turn it is.
After a take, the seat still playing whose card on the table was highest leads; if there is none, the one who took leads.
Whoever plays their last card has finished. The game ends when the third seat finishes, and your place (first, second, third or lost) is counted in your record: Game, Show Rank.
Mouse: click a card of your hand to play it, with any button. Resting the pointer on a hand, the middle or a played card names it; on a card you may not play it says why.
Keys: Left and Right move the mark over your hand, Home and End jump to the first and last card, Enter or Space plays the marked card.
T reads the cards on the table and the suit to follow, C each seat&apos;s card count, S the open card or the stock, L the last round.
Ctrl+N deals a new game, Ctrl+Q ends the program, F1 shows the rules.</source>
        <extracomment>One point to a line. The window grows to hold the text. The key names are those printed on the keys; T, C, S and L stay these letters in every language, as the game reads exactly these keys.</extracomment>
        <translation>Cada um recebe cinco cartas. O ás é a carta mais alta, acima do rei.
Na primeira rodada você joga primeiro; depois todos jogam na sua vez: você, COM 1 à direita, COM 2 em cima e COM 3 à esquerda.
Suas compras e as cartas que você pega acontecem sozinhas. A barra de status embaixo da mesa diz o que acontece e de quem é a vez.
Depois de alguém pegar as cartas da mesa, sai quem ainda está jogando e tinha a carta mais alta na mesa; se não houver ninguém, sai quem pegou.
Quem joga a última carta terminou. A partida acaba quando o terceiro termina, e o seu lugar (primeiro, segundo, terceiro ou perdeu) é contado no seu histórico: Partida, Ver histórico.
Mouse: clique numa carta da sua mão para jogá-la, com qualquer botão. Com o ponteiro parado sobre uma mão, o centro ou uma carta jogada, ela é nomeada; sobre uma carta que você não pode jogar, é dito o porquê.
Teclas: as setas para a esquerda e para a direita movem a marca pela sua mão, Home e End vão para a primeira e a última carta, Enter ou Espaço joga a carta marcada.
T lê as cartas na mesa e o naipe a seguir, C quantas cartas cada um tem, S a carta virada ou o monte, L a última rodada.
Ctrl+N dá cartas para uma nova partida, Ctrl+Q fecha o programa, F1 mostra as regras.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ e Ctrl+- aumentam e diminuem a mesa, Ctrl+0 a devolve ao tamanho original, F11 a põe em tela cheia e Esc sai dela; Mesa, Cartas escolhe outro baralho.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à direita</translation>
    </message>
    <message>
        <source>top</source>
        <translation>em cima</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à esquerda</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Você jogou %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 jogou %2</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Você: %1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Carta virada: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Monte: %1</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Nenhuma partida em andamento. Partida, Dar cartas começa uma.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Nenhum naipe a seguir: a próxima carta define.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Naipe a seguir: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Sua vez.</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Você joga %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 joga %2</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Você compra %n carta</numerusform>
            <numerusform>Você compra %n cartas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 compra %n carta</numerusform>
            <numerusform>COM %1 compra %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Você ganha a rodada e sai</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 ganha a rodada e sai</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Você sai</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 sai</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primeiro</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terceiro</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Você terminou em %1 lugar</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 terminou em %2 lugar</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Cartas distribuídas. Carta virada: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Sua vez, você sai</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Sua vez, siga %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>Não dá para jogar %1: siga %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Sua mão, %n carta</numerusform>
            <numerusform>Sua mão, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Nenhuma carta na mesa</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Nenhum naipe a seguir</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Naipe a seguir: %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>sem cartas</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>O monte acabou</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Nenhuma rodada terminou ainda</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Você: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Você pegou todas as cartas</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 pegou todas as cartas</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Última rodada: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Nenhuma partida em andamento</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Nenhuma partida ainda. Para começar uma, escolha Partida, Dar cartas ou pressione Ctrl+N.</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Você não pode seguir o naipe e plenka</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 não pode seguir o naipe e plenka</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Fim de jogo: você perdeu. Partida, Dar cartas ou Ctrl+N começa a próxima</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Fim de jogo: você terminou em %1 lugar. Partida, Dar cartas ou Ctrl+N começa a próxima</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>O nome e o histórico serão zerados. Continuar?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Zerar histórico</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 pega todas as cartas</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Dar cartas</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>Ver &amp;histórico</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>&amp;Zerar histórico</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Mesa</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Céu azul &amp;&amp; mar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primeiros passos</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Primeiros passos</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;Sobre o Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Sobre o Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Tamanho &amp;original</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Cartas</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Nenhum baralho instalado</translation>
    </message>
</context>
</TS>
