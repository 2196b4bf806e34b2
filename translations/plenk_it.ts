<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Un gioco di carte in cui liberarsi delle carte, per un giocatore contro tre avversari del computer.

Software libero sotto la GNU General Public License, versione 3 o successiva.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Carte: il mazzo «Standard» dei giochi di carte del desktop (KDE), sotto la GNU General Public License, versione 2 o successiva; i suoi autori sono elencati in %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Carte: disegnate dal gioco stesso, perché il mazzo del desktop non è installato.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Prendi tutte le carte</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 prende tutte le carte</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Hai vinto! Vuoi guardare il resto della partita?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Vittoria</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk è già aperto, ma non è stato possibile portarne la finestra in primo piano.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: impossibile bloccare le statistiche del giocatore; un&apos;altra copia del gioco potrebbe sovrascrivere i risultati di questa</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1º posto: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2º posto: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3º posto: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>STATISTICHE DEL GIOCATORE</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Sconfitte: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Non è stato possibile salvare le statistiche del giocatore in «%1» (%2). Restano in memoria, e il prossimo salvataggio riproverà.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Le statistiche del giocatore «%1» non si possono aggiornare dove si trovano. D&apos;ora in poi stanno in «%2».</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Non è stato possibile leggere le statistiche del giocatore «%1» (%2). I tuoi risultati restano in memoria solo fino alla chiusura del gioco; il file resta com&apos;è.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Nome del giocatore:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Il tuo nome viene salvato come «%1». Le statistiche accettano al massimo 25 caratteri, e solo le lettere delle lingue dell&apos;Europa occidentale.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Statistiche</translation>
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
        <translation>Lo scopo del gioco è restare per primi senza carte.
All&apos;inizio si scopre una carta del mazzo, e il suo seme diventa il seme a cui rispondere.
Puoi giocare solo una carta di quel seme.
Se non hai carte di quel seme, peschi dal mazzo una carta alla volta, finché non esce una carta di quel seme.
Pescare così si dice «plenkare».
Se non puoi plenkare perché il mazzo è finito, prendi invece le carte giocate sul tavolo.
Chi gioca la carta più alta di una mano apre la mano successiva, e gli altri devono rispondere al seme della carta di apertura.
Consiglio: ricorda quale seme manca a ogni avversario, per farlo plenkare il più spesso possibile.
Consiglio: finito il mazzo, tieni a mente la carta più alta già giocata di ogni seme.</translation>
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
        <translation>Ognuno riceve cinque carte. L’asso è la carta più alta, sopra il re.
Nella prima mano giochi tu per primo; poi si gioca a turno: tu, COM 1 a destra, COM 2 in alto e COM 3 a sinistra.
Le tue pescate e le tue prese avvengono da sole. La barra di stato sotto il tavolo dice che cosa succede e a chi tocca.
Dopo una presa apre chi è ancora in gioco e aveva la carta più alta sul tavolo; se non c’è nessuno, apre chi ha preso.
Chi gioca l’ultima carta ha finito. La partita finisce quando finisce il terzo, e il tuo posto (primo, secondo, terzo o perso) viene contato nelle tue statistiche: Partita, Mostra statistiche.
Mouse: fai clic su una carta della tua mano per giocarla, con qualsiasi pulsante. Il puntatore fermo su una mano, sul centro o su una carta giocata la nomina; su una carta che non puoi giocare dice perché.
Tasti: le frecce sinistra e destra spostano il segno sulla tua mano, Home e Fine vanno alla prima e all’ultima carta, Invio o Spazio gioca la carta segnata.
T legge le carte sul tavolo e il seme a cui rispondere, C le carte di ciascuno, S la carta scoperta o il mazzo, L l’ultima mano.
Ctrl+N distribuisce una nuova partita, Ctrl+Q chiude il programma, F1 mostra le regole.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ e Ctrl+- ingrandiscono e rimpiccioliscono il tavolo, Ctrl+0 lo riporta alla sua dimensione, F11 riempie lo schermo ed Esc ne esce; Tavolo, Carte sceglie un altro mazzo.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a destra</translation>
    </message>
    <message>
        <source>top</source>
        <translation>in alto</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a sinistra</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Hai giocato %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 ha giocato %2</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Tu: %1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Carta scoperta: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Mazzo: %1</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Nessuna partita in corso. Partita, Distribuisci ne avvia una.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Nessun seme a cui rispondere: lo decide la prossima carta.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Si risponde a %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Tocca a te.</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Giochi %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 gioca %2</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Peschi %n carta</numerusform>
            <numerusform>Peschi %n carte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 pesca %n carta</numerusform>
            <numerusform>COM %1 pesca %n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Prendi la mano e apri</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 prende la mano e apre</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Apri tu</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>Apre COM %1</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primo</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terzo</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Hai finito al %1 posto</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 ha finito al %2 posto</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Carte distribuite. Carta scoperta: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Tocca a te, apri tu</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Tocca a te, rispondi a %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 non si può giocare: rispondi a %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>La tua mano, %n carta</numerusform>
            <numerusform>La tua mano, %n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Nessuna carta sul tavolo</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Nessun seme a cui rispondere</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Si risponde a %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>senza carte</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Il mazzo è finito</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Nessuna mano ancora conclusa</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Tu: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Hai preso tutte le carte</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 ha preso tutte le carte</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Ultima mano: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Nessuna partita in corso</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Ancora nessuna partita. Per iniziarne una, scegli Partita, Distribuisci o premi Ctrl+N.</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Non puoi rispondere al seme e plenki</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 non può rispondere al seme e plenka</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Partita finita: hai perso. Partita, Distribuisci o Ctrl+N inizia la prossima</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Partita finita: hai finito al %1 posto. Partita, Distribuisci o Ctrl+N inizia la prossima</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Il nome e le statistiche verranno azzerati. Continuare?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Conferma azzeramento</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 prende tutte le carte</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuisci</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Mostra statistiche</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>&amp;Azzera statistiche</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tavolo</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Cielo azzurro &amp;&amp; mare</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primi passi</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Primi passi</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>Informazioni &amp;su Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Informazioni su Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Rimpicciolisci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Dimensione &amp;effettiva</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Nessun mazzo di carte installato</translation>
    </message>
</context>
</TS>
