<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Karetní hra, ve které se zbavujete karet, pro jednoho hráče proti třem soupeřům za počítač.

Svobodný software pod licencí GNU General Public License verze 3 nebo novější.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Karty: sada „Standardní“ z karetních her pracovního prostředí (KDE) pod licencí GNU General Public License verze 2 nebo novější; její autoři jsou uvedeni v %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Karty: nakreslené samotnou hrou, protože sada karet pracovního prostředí není nainstalována.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Berete všechny karty</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 bere všechny karty</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Vítězství! Chcete se dívat, jak hra pokračuje?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Vítězství</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk už běží, ale jeho okno se nepodařilo přenést do popředí.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: statistiku hráče nelze zamknout; jiná spuštěná kopie hry by mohla přepsat výsledky této</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1. místo: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2. místo: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3. místo: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>STATISTIKA HRÁČE</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Prohry: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Statistiku hráče se nepodařilo uložit do „%1“ (%2). Zůstává v paměti a při příštím ukládání se to zkusí znovu.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Statistiku hráče „%1“ nelze na jejím místě aktualizovat. Od teď je uložena v „%2“.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Statistiku hráče „%1“ se nepodařilo načíst (%2). Vaše výsledky zůstanou v paměti jen do ukončení hry; soubor zůstává, jak je.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Jméno hráče:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Vaše jméno se uloží jako „%1“. Statistika hráče pojme nejvýše 25 znaků a jen písmena západoevropských jazyků.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Statistika</translation>
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
        <translation>Cílem hry je zbavit se všech karet jako první.
Na začátku se otočí jedna karta z balíčku a její barvu je třeba přiznávat.
Smíte hrát jen kartu barvy, kterou je třeba přiznat.
Nemáte-li kartu té barvy, lížete z balíčku po jedné kartě, dokud ta barva nepřijde.
Tomuto lízání se říká „plenk“.
Nemůžete-li lízat, protože balíček došel, vezmete místo toho karty zahrané na stole.
Kdo zahraje nejvyšší kartu štychu, vynáší do dalšího a ostatní musí přiznat barvu vynesené karty.
Rada: pamatujte si, kterou barvu soupeř nemá, ať ho můžete nechat lízat co nejčastěji.
Rada: když balíček dojde, sledujte, která nejvyšší karta každé barvy už padla.</translation>
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
        <translation>Každý dostane pět karet. Eso je nejvyšší, nad králem.
V prvním štychu hrajete první; pak hrají všichni postupně: vy, COM 1 vpravo, COM 2 nahoře a COM 3 vlevo.
Lízání i braní karet ze stolu probíhá samo. Stavový řádek pod stolem říká, co se děje a kdo je na tahu.
Po sebrání karet vynáší ten ze stále hrajících, jehož karta na stole byla nejvyšší; není-li takový, vynáší ten, kdo karty sebral.
Kdo zahraje poslední kartu, končí. Hra skončí, když skončí třetí hráč, a vaše umístění (první, druhé, třetí nebo prohra) se započítá do statistiky: Hra, Statistika.
Myš: kartu z ruky zahrajete kliknutím libovolným tlačítkem. Necháte-li ukazatel na ruce, středu nebo zahrané kartě, zobrazí se její název; na kartě, kterou hrát nesmíte, se zobrazí proč.
Klávesy: šipky vlevo a vpravo posouvají značku po vaší ruce, Home a End skočí na první a poslední kartu, Enter nebo mezerník zahraje označenou kartu.
T přečte karty na stole a barvu k přiznání, C počet karet každého hráče, S otočenou kartu nebo balíček, L poslední štych.
Ctrl+N rozdá novou hru, Ctrl+Q ukončí program, F1 zobrazí pravidla.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ a Ctrl+- stůl zvětší a zmenší, Ctrl+0 mu vrátí původní velikost, F11 zobrazí celou obrazovku a Esc ji opustí; Stůl, Karty vybere jinou sadu karet.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Stůl</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>eso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>dvojka</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>trojka</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>čtyřka</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>pětka</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>šestka</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>sedmička</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>osmička</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>devítka</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>desítka</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>kluk</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dáma</translation>
    </message>
    <message>
        <source>King</source>
        <translation>král</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>kříže</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>káry</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>srdce</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>piky</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Vy: %1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n karta</numerusform>
            <numerusform>%n karty</numerusform>
            <numerusform>%n karet</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Hrajete: %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 hraje: %2</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Nemůžete přiznat barvu a lížete z balíčku</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 nemůže přiznat barvu a líže z balíčku</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Líznete si %n kartu</numerusform>
            <numerusform>Líznete si %n karty</numerusform>
            <numerusform>Líznete si %n karet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 si lízne %n kartu</numerusform>
            <numerusform>COM %1 si lízne %n karty</numerusform>
            <numerusform>COM %1 si lízne %n karet</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Berete štych a vynášíte</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 bere štych a vynáší</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Vynášíte</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 vynáší</translation>
    </message>
    <message>
        <source>first</source>
        <translation>prvním</translation>
    </message>
    <message>
        <source>second</source>
        <translation>druhém</translation>
    </message>
    <message>
        <source>third</source>
        <translation>třetím</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Končíte na %1 místě</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 končí na %2 místě</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Konec hry: prohra. Hra, Rozdat nebo Ctrl+N začne další hru</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Konec hry: končíte na %1 místě. Hra, Rozdat nebo Ctrl+N začne další hru</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Karty rozdány. Otočená karta: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Jste na tahu, vynášíte</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Jste na tahu, přiznejte %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>Nelze zahrát – %1, přiznejte %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>V ruce máte %n kartu</numerusform>
            <numerusform>V ruce máte %n karty</numerusform>
            <numerusform>V ruce máte %n karet</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Na stole nejsou žádné karty</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Barva není určena</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Přiznat barvu: %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>bez karet</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Otočená karta: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Balíček: %1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Balíček je prázdný</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Zatím nebyl odehrán žádný štych</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Vy: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Berete karty ze stolu</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 bere karty ze stolu</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Poslední štych: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Neprobíhá žádná hra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>vpravo</translation>
    </message>
    <message>
        <source>top</source>
        <translation>nahoře</translation>
    </message>
    <message>
        <source>left</source>
        <translation>vlevo</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Vaše karta: %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>Karta COM %1: %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Zatím žádná hra. Začnete ji volbou Hra, Rozdat nebo klávesami Ctrl+N.</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Neprobíhá žádná hra. Hra, Rozdat ji začne.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Barva není určena: určí ji další karta.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Přiznat barvu: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Jste na tahu.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Jméno a statistika budou vynulovány. Pokračovat?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Potvrzení vynulování</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Pravidla hry</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>První kroky</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 bere všechny karty</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Rozdat</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Statistika</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>&amp;Vynulovat statistiku</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Stůl</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Modré nebe &amp;&amp; moře</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;První kroky</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;O hře Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>O hře Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zvětšit</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Z&amp;menšit</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Původní velikost</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Celá obrazovka</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Karty</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Nejsou nainstalovány žádné sady karet</translation>
    </message>
</context>
</TS>
