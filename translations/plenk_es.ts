<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Un juego de cartas de descarte para un jugador contra tres rivales del ordenador.

Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Cartas: la baraja «Standard» de los juegos de cartas del escritorio (KDE), bajo la Licencia Pública General de GNU, versión 2 o posterior; sus autores figuran en %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Cartas: dibujadas por el propio juego, porque la baraja del escritorio no está instalada.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Recoges todas las cartas</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 recoge todas las cartas</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>¡Has ganado! ¿Quieres ver cómo sigue la partida?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Victoria</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk ya está abierto, pero no se ha podido traer su ventana al frente.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: no se puede bloquear el historial del jugador; otra copia del juego podría sobrescribir los resultados de esta</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1.er puesto: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2.º puesto: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3.er puesto: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>HISTORIAL DEL JUGADOR</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Derrotas: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>No se ha podido guardar el historial del jugador en «%1» (%2). Se conserva en memoria, y se volverá a intentar al guardar la próxima vez.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>El historial del jugador «%1» no se puede actualizar donde está. A partir de ahora se guarda en «%2».</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>No se ha podido leer el historial del jugador «%1» (%2). Tus resultados solo se conservan en memoria hasta que cierres el juego; el archivo queda como está.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Nombre del jugador:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Tu nombre se guarda como «%1». El historial admite como mucho 25 caracteres, y solo las letras de las lenguas de Europa occidental.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Historial</translation>
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
        <translation>El objetivo del juego es ser el primero en quedarse sin cartas.
Al empezar, se descubre una carta del mazo, y su palo pasa a ser el palo de salida.
Solo puedes jugar cartas del palo de salida.
Si no tienes ninguna carta de ese palo, robas del mazo, de una en una, hasta sacar una de ese palo.
Robar así se llama «plenkear».
Si no puedes plenkear porque se ha acabado el mazo, te llevas en su lugar las cartas jugadas en la mesa.
Quien juega la carta más alta de una baza sale en la siguiente, y el palo de la carta de salida es el que deben seguir los demás.
Consejo: recuerda qué palo le falta a cada rival, para hacerle plenkear tantas veces como puedas.
Consejo: cuando se acabe el mazo, recuerda la carta más alta ya jugada de cada palo.</translation>
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
        <translation>Cada uno recibe cinco cartas. El as es la carta más alta, por encima del rey.
En la primera baza juegas tú primero; después juegan todos por turno: tú, COM 1 a la derecha, COM 2 arriba y COM 3 a la izquierda.
Tus robos y tus recogidas se hacen solos. La barra de estado bajo la mesa dice lo que pasa y a quién le toca.
Tras una recogida sale quien sigue jugando y tenía la carta más alta en la mesa; si no hay nadie, sale quien recogió.
Quien juega su última carta ha terminado. La partida acaba cuando termina el tercero, y tu puesto (primero, segundo, tercero o perdido) se cuenta en tu historial: Partida, Ver historial.
Ratón: haz clic en una carta de tu mano para jugarla, con cualquier botón. Con el puntero sobre una mano, el centro o una carta jugada, se nombra; sobre una carta que no puedes jugar, se dice por qué.
Teclas: las flechas izquierda y derecha mueven la marca por tu mano, Inicio y Fin saltan a la primera y la última carta, Intro o Espacio juega la carta marcada.
T lee las cartas de la mesa y el palo de salida, C las cartas de cada jugador, S la carta descubierta o el mazo, L la última baza.
Ctrl+N reparte una partida nueva, Ctrl+Q cierra el programa, F1 muestra las reglas.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ y Ctrl+- agrandan y reducen la mesa, Ctrl+0 le devuelve su tamaño real, F11 la pone a pantalla completa y Esc la quita; Mesa, Cartas elige otra baraja.</translation>
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
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
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
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a la izquierda</translation>
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
        <translation>Has jugado %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 ha jugado %2</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Tú: %1</translation>
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
        <translation>Carta descubierta: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Mazo: %1</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>No hay ninguna partida. Partida, Repartir empieza una.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Sin palo de salida: lo marca la próxima carta.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Palo de salida: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Te toca.</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Juegas %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 juega %2</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Robas %n carta</numerusform>
            <numerusform>Robas %n cartas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 roba %n carta</numerusform>
            <numerusform>COM %1 roba %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Ganas la baza y sales</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 gana la baza y sale</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Sales tú</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>Sale COM %1</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercer</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Has terminado en %1 lugar</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 ha terminado en %2 lugar</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Cartas repartidas. Carta descubierta: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Te toca, sales tú</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Te toca, juega %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 no se puede jugar: el palo es %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Tu mano, %n carta</numerusform>
            <numerusform>Tu mano, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>No hay cartas en la mesa</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Sin palo de salida</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Palo de salida: %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>sin cartas</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>El mazo está vacío</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Aún no ha terminado ninguna baza</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Tú: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Has recogido todas las cartas</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 ha recogido todas las cartas</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Última baza: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>No hay ninguna partida</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Aún no hay partida. Para empezar una, elige Partida, Repartir o pulsa Ctrl+N.</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>No puedes seguir el palo y plenkeas</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 no puede seguir el palo y plenkea</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Fin de la partida: has perdido. Partida, Repartir o Ctrl+N empieza la siguiente</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Fin de la partida: has terminado en %1 lugar. Partida, Repartir o Ctrl+N empieza la siguiente</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Se borrarán el nombre y el historial. ¿Continuar?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Confirmar borrado</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 recoge todas las cartas</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Ver historial</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>&amp;Borrar historial</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Mesa</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Cielo azul &amp;&amp; mar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Primeros pasos</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;Acerca de Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Acerca de Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Cartas</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>No hay barajas instaladas</translation>
    </message>
</context>
</TS>
