<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Et kortspil, hvor det gælder om at komme af med sine kort, for én spiller mod tre computermodstandere.

Fri software under GNU General Public License, version 3 eller senere.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Kort: kortsættet »Standard« fra skrivebordets kortspil (KDE) under GNU General Public License, version 2 eller senere; dets forfattere er nævnt i %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Kort: tegnet af spillet selv, da skrivebordets kortsæt ikke er installeret.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Du tager alle kortene</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 tager alle kortene</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Du vandt! Vil du se resten af spillet?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sejr</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk kører allerede, men dets vindue kunne ikke bringes frem.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: spillerstatistikken kan ikke låses; en anden kopi af spillet kan gemme oven i dette spils resultater</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1. plads: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2. plads: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3. plads: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>SPILLERSTATISTIK</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Tabt: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Spillerstatistikken kunne ikke gemmes i »%1« (%2). Den bevares i hukommelsen, og der prøves igen ved næste gemning.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Spillerstatistikken »%1« kan ikke opdateres, hvor den ligger. Fra nu af ligger den i »%2«.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Spillerstatistikken »%1« kunne ikke læses (%2). Dine resultater bevares kun i hukommelsen, så længe spillet kører; filen bliver, som den er.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Spillerens navn:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Dit navn gemmes som »%1«. Spillerstatistikken rummer højst 25 tegn og kun bogstaverne i vesteuropæiske sprog.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Statistik</translation>
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
        <translation>Målet er at blive den første, der er af med alle sine kort.
Når spillet begynder, vendes et kort fra bunken, og dets kulør skal bekendes.
Du må kun spille et kort i den kulør, der skal bekendes.
Har du intet kort i den kulør, trækker du fra bunken, ét kort ad gangen, til et kort i kuløren dukker op.
Denne trækning kaldes »at plenke«.
Kan du ikke plenke, fordi bunken er brugt op, tager du i stedet kortene på bordet.
Den, der spiller stikkets højeste kort, spiller ud til næste stik, og det udspillede korts kulør skal de andre bekende.
Tip: husk en modstanders »svage kulør«, så du kan få ham til at plenke så tit som muligt.
Tip: når bunken er brugt op, så husk det højeste kort i hver kulør, der allerede er spillet.</translation>
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
        <translation>Alle får fem kort. Es er højest, over kongen.
Du spiller først i første stik; derefter spiller alle efter tur: du, COM 1 til højre, COM 2 øverst og COM 3 til venstre.
Når du trækker eller tager kortene, sker det af sig selv. Statuslinjen under bordet fortæller, hvad der sker, og hvis tur det er.
Når nogen har taget kortene, spiller den af de stadig spillende ud, hvis kort på bordet var højest; er der ingen, spiller den ud, der tog dem.
Den, der spiller sit sidste kort, er færdig. Spillet slutter, når den tredje er færdig, og din placering (første, anden, tredje eller tabt) tælles med i din statistik: Spil, Vis statistik.
Mus: klik på et kort på hånden for at spille det, med en vilkårlig knap. Hviler markøren på en hånd, midten eller et spillet kort, nævnes det; på et kort, du ikke må spille, siges hvorfor.
Taster: venstre og højre pil flytter markeringen hen over din hånd, Home og End springer til første og sidste kort, Enter eller mellemrum spiller det markerede kort.
T læser kortene på bordet og kuløren, der skal bekendes, C hver plads’ antal kort, S det vendte kort eller bunken, L sidste stik.
Ctrl+N giver et nyt spil, Ctrl+Q afslutter programmet, F1 viser reglerne.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ og Ctrl+- gør bordet større og mindre, Ctrl+0 giver det dets egen størrelse igen, F11 fylder skærmen ud og Esc forlader fuld skærm; Bord, Kort vælger et andet kortsæt.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>es</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>fire</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>fem</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>seks</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>syv</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>otte</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>ni</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>ti</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>knægt</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>konge</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>klør</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ruder</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>hjerter</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>spar</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Du: %1</translation>
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
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n kort</numerusform>
            <numerusform>%n kort</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Du spiller %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 spiller %2</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Du kan ikke bekende kulør og plenker</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 kan ikke bekende kulør og plenker</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Du trækker %n kort</numerusform>
            <numerusform>Du trækker %n kort</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 trækker %n kort</numerusform>
            <numerusform>COM %1 trækker %n kort</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Du vinder stikket og spiller ud</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 vinder stikket og spiller ud</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Du spiller ud</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 spiller ud</translation>
    </message>
    <message>
        <source>first</source>
        <translation>nummer et</translation>
    </message>
    <message>
        <source>second</source>
        <translation>nummer to</translation>
    </message>
    <message>
        <source>third</source>
        <translation>nummer tre</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Du blev færdig som %1</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 blev færdig som %2</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Spillet er slut: du tabte. Spil, Giv eller Ctrl+N starter næste spil</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Spillet er slut: du blev %1. Spil, Giv eller Ctrl+N starter næste spil</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Kortene er givet. Vendt kort: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Din tur, du spiller ud</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Din tur, bekend %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 kan ikke spilles: bekend %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Din hånd, %n kort</numerusform>
            <numerusform>Din hånd, %n kort</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Ingen kort på bordet</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Ingen kulør at bekende</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Bekend %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>færdig</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Vendt kort: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Bunken: %1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Bunken er tom</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Intet stik er spillet endnu</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Du: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Du tog alle kortene</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 tog alle kortene</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Sidste stik: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Intet spil i gang</translation>
    </message>
    <message>
        <source>right</source>
        <translation>til højre</translation>
    </message>
    <message>
        <source>top</source>
        <translation>øverst</translation>
    </message>
    <message>
        <source>left</source>
        <translation>til venstre</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Du spillede %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 spillede %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Intet spil endnu. Vælg Spil, Giv eller tryk Ctrl+N for at starte et.</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Intet spil i gang. Spil, Giv starter et.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Ingen kulør at bekende: næste kort bestemmer den.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Kulør at bekende: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Din tur.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Navn og statistik nulstilles. Fortsæt?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Bekræft nulstilling</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spilleregler</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Kom godt i gang</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 tager alle kortene</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spil</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Giv</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Vis statistik</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>&amp;Nulstil statistik</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Bord</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Blå himmel &amp;&amp; hav</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Kom godt i gang</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;Om Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Om Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;ind</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;ud</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Faktisk størrelse</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Fuld &amp;skærm</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Kort</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Ingen kortsæt installeret</translation>
    </message>
</context>
</TS>
