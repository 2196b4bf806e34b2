<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Een kaartspel waarin je je kaarten kwijt moet, voor één speler tegen drie computerspelers.

Vrije software onder de GNU General Public License, versie 3 of later.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Kaarten: het spel ‘Standard’ van de kaartspellen van het bureaublad (KDE), onder de GNU General Public License, versie 2 of later; de makers staan in %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Kaarten: door het spel zelf getekend, omdat de kaarten van het bureaublad niet geïnstalleerd zijn.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Je pakt alle kaarten</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 pakt alle kaarten</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Je hebt gewonnen! Wil je de rest van het spel bekijken?</translation>
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
        <translation>Plenk draait al, maar het venster kon niet naar voren worden gehaald.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: de spelersstatistiek kan niet worden vergrendeld; een ander exemplaar van het spel kan de resultaten van dit exemplaar overschrijven</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1e plaats: %1 keer</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2e plaats: %1 keer</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3e plaats: %1 keer</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>SPELERSSTATISTIEK</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Verloren: %1 keer</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>De spelersstatistiek kon niet worden opgeslagen in ‘%1’ (%2). Ze blijft in het geheugen, en bij de volgende keer opslaan wordt het opnieuw geprobeerd.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>De spelersstatistiek ‘%1’ kan op die plek niet worden bijgewerkt. Vanaf nu staat ze in ‘%2’.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>De spelersstatistiek ‘%1’ kon niet worden gelezen (%2). Je resultaten blijven alleen in het geheugen tot je het spel sluit; het bestand blijft zoals het is.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Naam van de speler:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Je naam wordt bewaard als ‘%1’. De spelersstatistiek bevat hoogstens 25 tekens, en alleen de letters van West-Europese talen.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Statistiek</translation>
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
        <translation>Het doel van het spel is als eerste al je kaarten kwijt te raken.
Aan het begin wordt er een kaart van de stapel opengelegd, en die kleur moet worden bekend.
Je mag alleen een kaart van die kleur spelen.
Heb je geen kaart van die kleur, dan trek je van de stapel, één kaart per keer, tot er een kaart van die kleur komt.
Dat trekken heet ‘plenken’.
Kun je niet plenken omdat de stapel op is, dan pak je in plaats daarvan de kaarten die op tafel liggen.
Wie de hoogste kaart van een slag speelt, komt uit in de volgende slag, en de anderen moeten de kleur van die kaart bekennen.
Tip: onthoud welke kleur een tegenstander mist, zodat je hem zo vaak mogelijk laat plenken.
Tip: is de stapel op, onthoud dan van elke kleur de hoogste kaart die al gespeeld is.</translation>
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
        <translation>Iedereen krijgt vijf kaarten. De aas is het hoogst, boven de heer.
In de eerste slag speel jij eerst; daarna speelt iedereen om de beurt: jij, COM 1 rechts, COM 2 boven en COM 3 links.
Je trekken en pakken gaan vanzelf. De statusregel onder de tafel zegt wat er gebeurt en wie aan de beurt is.
Na het pakken komt uit wie nog meespeelt en de hoogste kaart op tafel had; is er niemand, dan komt uit wie pakte.
Wie zijn laatste kaart speelt, is uit. Het spel eindigt als de derde uit is, en je plaats (eerste, tweede, derde of verloren) telt mee in je statistiek: Spel, Statistiek bekijken.
Muis: klik op een kaart van je hand om die te spelen, met elke knop. Rust de aanwijzer op een hand, het midden of een gespeelde kaart, dan wordt die genoemd; op een kaart die je niet mag spelen staat waarom.
Toetsen: de pijltjes links en rechts verplaatsen de markering over je hand, Home en End springen naar de eerste en laatste kaart, Enter of de spatiebalk speelt de gemarkeerde kaart.
T leest de kaarten op tafel en de kleur die je moet bekennen, C het aantal kaarten van iedereen, S de open kaart of de stapel, L de laatste slag.
Ctrl+N deelt een nieuw spel, Ctrl+Q sluit het programma, F1 toont de regels.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ en Ctrl+- maken de tafel groter en kleiner, Ctrl+0 zet hem terug op zijn eigen grootte, F11 vult het scherm en Esc gaat eruit; Tafel, Kaarten kiest een ander kaartspel.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>top</source>
        <translation>boven</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n kaart</numerusform>
            <numerusform>%n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Je hebt %1 gespeeld</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 heeft %2 gespeeld</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Jij: %1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Open kaart: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Stapel: %1</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Er loopt geen spel. Spel, Delen begint er een.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Geen kleur te bekennen: de volgende kaart bepaalt de kleur.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Kleur bekennen: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Jij bent aan de beurt.</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Je speelt %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 speelt %2</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Je trekt %n kaart</numerusform>
            <numerusform>Je trekt %n kaarten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 trekt %n kaart</numerusform>
            <numerusform>COM %1 trekt %n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Jij haalt de slag en komt uit</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 haalt de slag en komt uit</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Jij komt uit</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 komt uit</translation>
    </message>
    <message>
        <source>first</source>
        <translation>eerste</translation>
    </message>
    <message>
        <source>second</source>
        <translation>tweede</translation>
    </message>
    <message>
        <source>third</source>
        <translation>derde</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Je bent als %1 uit</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 is als %2 uit</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Kaarten gedeeld. Open kaart: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Jij bent aan de beurt en komt uit</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Jij bent aan de beurt, beken %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 mag niet: beken %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Je hand, %n kaart</numerusform>
            <numerusform>Je hand, %n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Geen kaarten op tafel</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Geen kleur te bekennen</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Beken %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>De stapel is op</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Nog geen slag gespeeld</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Jij: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Jij hebt alle kaarten gepakt</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 heeft alle kaarten gepakt</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Laatste slag: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Er loopt geen spel</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Nog geen spel. Kies Spel, Delen of druk op Ctrl+N om er een te beginnen.</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Je kunt niet bekennen en plenkt</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 kan niet bekennen en plenkt</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Spel voorbij: je hebt verloren. Spel, Delen of Ctrl+N begint het volgende spel</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Spel voorbij: je bent als %1 uit. Spel, Delen of Ctrl+N begint het volgende spel</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Naam en statistiek worden gewist. Doorgaan?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Wissen bevestigen</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 pakt alle kaarten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Delen</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Statistiek bekijken</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>Statistiek &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tafel</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Blauwe lucht &amp;&amp; zee</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Aan de slag</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;Over Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Over Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Ware grootte</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Kaarten</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Geen kaartspellen geïnstalleerd</translation>
    </message>
</context>
</TS>
