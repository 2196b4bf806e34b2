<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Gra karciana, w której trzeba pozbyć się kart, dla jednego gracza przeciw trzem przeciwnikom komputerowym.

Wolne oprogramowanie na licencji GNU General Public License, w wersji 3 lub późniejszej.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Karty: talia „Standard” gier karcianych pulpitu (KDE), na licencji GNU General Public License, w wersji 2 lub późniejszej; jej autorzy są wymienieni w %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Karty: narysowane przez samą grę, bo talia pulpitu nie jest zainstalowana.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Bierzesz wszystkie karty</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 bierze wszystkie karty</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Zwycięstwo! Chcesz oglądać dalszą część rozgrywki?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Zwycięstwo</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk jest już uruchomiony, ale nie udało się przenieść jego okna na wierzch.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: nie można zablokować statystyk gracza; inna kopia gry może nadpisać wyniki tej</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1. miejsce: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2. miejsce: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3. miejsce: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>STATYSTYKI GRACZA</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Porażki: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Nie udało się zapisać statystyk gracza w „%1” (%2). Pozostają w pamięci, a przy następnym zapisie gra spróbuje ponownie.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Statystyk gracza „%1” nie można zaktualizować w tym miejscu. Od teraz są przechowywane w „%2”.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Nie udało się odczytać statystyk gracza „%1” (%2). Twoje wyniki zostaną w pamięci tylko do zamknięcia gry; plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Imię gracza:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Twoje imię zostanie zapisane jako „%1”. Statystyki gracza mieszczą najwyżej 25 znaków i tylko litery języków zachodnioeuropejskich.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Statystyki</translation>
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
        <translation>Celem gry jest pozbyć się wszystkich kart przed innymi.
Na początku odkrywa się jedną kartę z talii, a jej kolor staje się obowiązujący.
Możesz zagrać tylko kartę w obowiązującym kolorze.
Jeśli nie masz karty w tym kolorze, dobierasz z talii po jednej karcie, aż trafi się karta w tym kolorze.
Takie dobieranie nazywa się „plenkowaniem”.
Jeśli nie możesz plenkować, bo talia się skończyła, bierzesz zamiast tego karty zagrane na stół.
Kto zagra najwyższą kartę w lewie, wychodzi w następnej, a pozostali muszą dokładać do koloru jego karty.
Rada: zapamiętaj, jakiego koloru brakuje przeciwnikowi, aby jak najczęściej zmuszać go do plenkowania.
Rada: gdy talia się skończy, pamiętaj najwyższą już zagraną kartę w każdym kolorze.</translation>
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
        <translation>Każdy dostaje pięć kart. As jest najwyższy, wyżej niż król.
W pierwszej lewie zagrywasz pierwszy; potem wszyscy grają po kolei: ty, COM 1 po prawej, COM 2 u góry i COM 3 po lewej.
Twoje dobieranie i branie kart dzieje się samo. Pasek stanu pod stołem mówi, co się dzieje i czyj jest ruch.
Po wzięciu kart wychodzi ten, kto jeszcze gra i miał na stole najwyższą kartę; jeśli nikogo takiego nie ma, wychodzi ten, kto wziął.
Kto zagra ostatnią kartę, kończy. Gra kończy się, gdy skończy trzeci, a twoje miejsce (pierwsze, drugie, trzecie lub przegrana) liczy się w twoich statystykach: Gra, Pokaż statystyki.
Mysz: kliknij kartę w ręce, aby ją zagrać, dowolnym przyciskiem. Wskaźnik zatrzymany na ręce, środku stołu lub zagranej karcie podaje jej nazwę; na karcie, której nie możesz zagrać, mówi dlaczego.
Klawisze: strzałki w lewo i w prawo przesuwają znacznik po ręce, Home i End skaczą do pierwszej i ostatniej karty, Enter lub spacja zagrywa zaznaczoną kartę.
T czyta karty na stole i obowiązujący kolor, C liczbę kart każdego gracza, S odkrytą kartę lub talię, L ostatnią lewę.
Ctrl+N rozdaje nową grę, Ctrl+Q zamyka program, F1 pokazuje zasady.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ i Ctrl+- powiększają i pomniejszają stół, Ctrl+0 przywraca jego własny rozmiar, F11 wypełnia nim ekran, a Esc z tego wychodzi; Stół, Karty wybiera inną talię.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Stół</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>siódemka</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>ósemka</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>dziewiątka</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>dziesiątka</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>król</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>right</source>
        <translation>po prawej</translation>
    </message>
    <message>
        <source>top</source>
        <translation>u góry</translation>
    </message>
    <message>
        <source>left</source>
        <translation>po lewej</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n karta</numerusform>
            <numerusform>%n karty</numerusform>
            <numerusform>%n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Twoja karta: %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 zagrał: %2</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Ty: %1</translation>
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
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Odkryta karta: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Talia: %1</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Nie trwa żadna gra. Gra, Rozdaj rozpoczyna nową.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Brak obowiązującego koloru: wyznaczy go następna karta.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Obowiązujący kolor: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Twój ruch.</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Zagrywasz: %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 zagrywa: %2</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Dobierasz %n kartę</numerusform>
            <numerusform>Dobierasz %n karty</numerusform>
            <numerusform>Dobierasz %n kart</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 dobiera %n kartę</numerusform>
            <numerusform>COM %1 dobiera %n karty</numerusform>
            <numerusform>COM %1 dobiera %n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Bierzesz lewę i wychodzisz</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 bierze lewę i wychodzi</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Wychodzisz</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 wychodzi</translation>
    </message>
    <message>
        <source>first</source>
        <translation>pierwszym</translation>
    </message>
    <message>
        <source>second</source>
        <translation>drugim</translation>
    </message>
    <message>
        <source>third</source>
        <translation>trzecim</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Kończysz na %1 miejscu</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 kończy na %2 miejscu</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Karty rozdane. Odkryta karta: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Twój ruch, wychodzisz</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Twój ruch, zagraj %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1: nie do zagrania, obowiązuje %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Twoja ręka, %n karta</numerusform>
            <numerusform>Twoja ręka, %n karty</numerusform>
            <numerusform>Twoja ręka, %n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Brak kart na stole</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Brak obowiązującego koloru</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Obowiązuje %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>bez kart</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Talia jest pusta</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Nie rozegrano jeszcze żadnej lewy</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Ty: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Bierzesz wszystkie karty</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 bierze wszystkie karty</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Ostatnia lewa: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Nie trwa żadna gra</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Nie ma jeszcze gry. Aby ją zacząć, wybierz Gra, Rozdaj lub naciśnij Ctrl+N.</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Nie możesz dołożyć do koloru i plenkujesz</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 nie może dołożyć do koloru i plenkuje</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Koniec gry: przegrywasz. Gra, Rozdaj lub Ctrl+N zaczyna następną grę</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Koniec gry: kończysz na %1 miejscu. Gra, Rozdaj lub Ctrl+N zaczyna następną grę</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Imię i statystyki zostaną wyzerowane. Kontynuować?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Potwierdź zerowanie</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 bierze wszystkie karty</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Rozdaj</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>Pokaż &amp;statystyki</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>&amp;Wyzeruj statystyki</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>S&amp;tół</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Błękitne niebo &amp;&amp; morze</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Pierwsze kroki</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Pierwsze kroki</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;O grze Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>O grze Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>P&amp;owiększ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Karty</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Brak zainstalowanych talii kart</translation>
    </message>
</context>
</TS>
