<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Ein Ablegespiel für einen Spieler gegen drei Computergegner.

Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Karten: das Blatt „Standard“ der Kartenspiele des Desktops (KDE), unter der GNU General Public License, Version 2 oder später; seine Autoren sind in %1 aufgeführt.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Karten: vom Spiel selbst gezeichnet, da das Kartenblatt des Desktops nicht installiert ist.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Sie nehmen alle Karten</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 nimmt alle Karten</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Gewonnen! Möchten Sie dem Spiel weiter zusehen?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewonnen</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk läuft bereits, aber sein Fenster ließ sich nicht in den Vordergrund holen.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: Die Spielerbilanz lässt sich nicht sperren; ein anderes laufendes Plenk könnte die Ergebnisse dieses Spiels überschreiben</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>SPIELERBILANZ</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Verloren: %1-mal</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Die Spielerbilanz konnte nicht in „%1“ gespeichert werden (%2). Sie bleibt im Speicher, und beim nächsten Speichern wird es erneut versucht.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Die Spielerbilanz „%1“ kann an ihrem Ort nicht aktualisiert werden. Ab jetzt liegt sie in „%2“.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Die Spielerbilanz „%1“ konnte nicht gelesen werden (%2). Ihre Ergebnisse bleiben nur bis zum Beenden im Speicher; die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Name des Spielers:</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Bilanz</translation>
    </message>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>Platz 1: %1-mal</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>Platz 2: %1-mal</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>Platz 3: %1-mal</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Ihr Name wird als „%1“ gespeichert. Die Spielerbilanz fasst höchstens 25 Zeichen und nur die Buchstaben westeuropäischer Sprachen.</translation>
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
        <translation>Ziel des Spiels ist es, als Erster alle Karten loszuwerden.
Zu Beginn wird eine Karte vom Stapel aufgedeckt; ihre Farbe muss bedient werden.
Sie dürfen nur eine Karte dieser Farbe spielen.
Haben Sie keine Karte dieser Farbe, ziehen Sie Karte um Karte vom Stapel, bis eine Karte dieser Farbe kommt.
Dieses Ziehen heißt „Plenken“.
Ist der Stapel aufgebraucht und Sie können nicht plenken, nehmen Sie stattdessen die Karten vom Tisch.
Wer die höchste Karte eines Stichs spielt, spielt zum nächsten Stich aus, und die Farbe seiner Karte müssen die anderen bedienen.
Tipp: Merken Sie sich die Fehlfarbe eines Gegners, um ihn so oft wie möglich plenken zu lassen.
Tipp: Ist der Stapel aufgebraucht, merken Sie sich die höchste schon gespielte Karte jeder Farbe.</translation>
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
        <translation>Jeder bekommt fünf Karten. Das Ass ist am höchsten, über dem König.
Im ersten Stich spielen Sie zuerst; danach spielen alle der Reihe nach: Sie, COM 1 rechts, COM 2 oben und COM 3 links.
Ihr Ziehen und Aufnehmen geschieht von selbst. Die Statuszeile unter dem Tisch sagt, was geschieht und wer am Zug ist.
Nach dem Aufnehmen spielt aus, wer noch mitspielt und die höchste Karte auf dem Tisch hatte; gibt es keinen, spielt aus, wer aufgenommen hat.
Wer seine letzte Karte spielt, ist fertig. Das Spiel endet, wenn der Dritte fertig ist, und Ihr Platz (Erster, Zweiter, Dritter oder verloren) wird in Ihrer Bilanz gezählt: Spiel, Bilanz anzeigen.
Maus: Klicken Sie eine Karte Ihrer Hand an, um sie zu spielen, mit jeder Maustaste. Ruht der Zeiger auf einer Hand, der Mitte oder einer gespielten Karte, wird sie benannt; auf einer Karte, die Sie nicht spielen dürfen, wird gesagt, warum.
Tasten: Pfeil links und rechts bewegen die Markierung über Ihre Hand, Pos1 und Ende springen zur ersten und letzten Karte, Eingabe oder Leertaste spielt die markierte Karte.
T liest die Karten auf dem Tisch und die zu bedienende Farbe, C die Kartenzahl jedes Platzes, S die aufgedeckte Karte oder den Stapel, L den letzten Stich.
Strg+N gibt ein neues Spiel, Strg+Q beendet das Programm, F1 zeigt die Regeln.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Strg++ und Strg+- machen den Tisch größer und kleiner, Strg+0 bringt ihn auf seine eigene Größe zurück, F11 füllt den Bildschirm und Esc verlässt ihn wieder; Tisch, Karten wählt ein anderes Kartenblatt.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Aufgedeckte Karte: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Stapel: %1</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Es läuft kein Spiel. Spiel, Geben startet eines.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Keine Farbe zu bedienen: Die nächste Karte gibt sie vor.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Zu bedienen: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Sie sind am Zug.</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Sie haben %1 gespielt</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 hat %2 gespielt</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Sie spielen %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 spielt %2</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Sie ziehen %n Karte</numerusform>
            <numerusform>Sie ziehen %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 zieht %n Karte</numerusform>
            <numerusform>COM %1 zieht %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Sie machen den Stich und spielen aus</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 macht den Stich und spielt aus</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Sie spielen aus</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 spielt aus</translation>
    </message>
    <message>
        <source>first</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>third</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Sie sind als %1 fertig</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 ist als %2 fertig</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Karten gegeben. Aufgedeckte Karte: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Sie sind am Zug und spielen aus</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Sie sind am Zug, bedienen Sie %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 ist nicht spielbar: %2 bedienen</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Ihre Hand, %n Karte</numerusform>
            <numerusform>Ihre Hand, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Keine Karten auf dem Tisch</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Keine Farbe zu bedienen</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. %2 bedienen</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Der Stapel ist leer</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Noch kein Stich gespielt</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Sie haben alle Karten genommen</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 hat alle Karten genommen</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Letzter Stich: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Es läuft kein Spiel</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Noch kein Spiel. Spiel, Geben oder Strg+N startet eines.</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Sie können nicht bedienen und plenken</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 kann nicht bedienen und plenkt</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Spiel vorbei: Sie haben verloren. Spiel, Geben oder Strg+N startet das nächste Spiel</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Spiel vorbei: Sie sind als %1 fertig. Spiel, Geben oder Strg+N startet das nächste Spiel</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Name und Bilanz werden zurückgesetzt. Fortfahren?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Zurücksetzen bestätigen</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 nimmt alle Karten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Bilanz anzeigen</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>Bilanz &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tisch</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Blauer Himmel &amp;&amp; Meer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>Ü&amp;ber Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Über Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>Kar&amp;ten</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Keine Kartenblätter installiert</translation>
    </message>
</context>
</TS>
