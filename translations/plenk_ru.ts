<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Карточная игра для одного игрока против трёх соперников-компьютеров: кто первым избавится от своих карт.

Свободная программа под лицензией GNU General Public License версии 3 или более поздней.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Карты: колода «Стандартная» карточных игр рабочего стола (KDE) под лицензией GNU General Public License версии 2 или более поздней; её авторы перечислены в %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Карты: нарисованы самой игрой, так как колода карт рабочего стола не установлена.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Вы забираете все карты</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 забирает все карты</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Вы победили! Хотите посмотреть, как пойдёт игра дальше?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Победа</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk уже запущен, но его окно не удалось вывести на передний план.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: не удаётся заблокировать статистику игрока; другая копия игры может записать свои результаты поверх результатов этой</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1-е место: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2-е место: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3-е место: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>СТАТИСТИКА ИГРОКА</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Проигрыши: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Не удалось сохранить статистику игрока в «%1» (%2). Она хранится в памяти, при следующем сохранении будет сделана новая попытка.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Статистику игрока «%1» нельзя обновить на прежнем месте. Теперь она хранится в «%2».</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Не удалось прочитать статистику игрока «%1» (%2). Ваши результаты хранятся в памяти только до выхода из игры; файл остаётся как есть.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Имя игрока:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Ваше имя сохранено как «%1». Статистика игрока вмещает не более 25 символов и только буквы западноевропейских языков.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Статистика</translation>
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
        <translation>Цель игры — первым избавиться от всех своих карт.
В начале открывают одну карту колоды, и её масть становится нужной мастью.
Ходить можно только картой нужной масти.
Если такой масти нет, вы берёте из колоды по одной карте, пока не придёт эта масть.
Такой добор называется «пленк».
Если колода кончилась и добирать нечего, вы забираете карты со стола.
Кто сыграл старшую карту взятки, заходит в следующей, и остальные ходят в масть его карты.
Совет: запоминайте, какой масти нет у соперника, чтобы он как можно чаще добирал.
Совет: когда колода кончится, помните старшую уже вышедшую карту каждой масти.</translation>
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
        <translation>Каждому сдают по пять карт. Туз — старшая карта, выше короля.
В первой взятке вы ходите первым; дальше все ходят по очереди: вы, COM 1 справа, COM 2 сверху и COM 3 слева.
Добор из колоды и взятие карт со стола происходят сами. Строка состояния под столом сообщает, что происходит и чей ход.
Когда кто-то забрал карты со стола, заходит тот из ещё играющих, чья карта на столе была старшей; если такого нет, заходит забравший.
Кто сыграл последнюю карту, выходит из игры. Игра кончается, когда выходит третий, и ваше место (первое, второе, третье или проигрыш) записывается в статистику: Игра, Статистика.
Мышь: щёлкните любой кнопкой по карте в руке, чтобы сыграть её. Если навести указатель на руку, центр стола или сыгранную карту, появится её название; на карте, которой ходить нельзя, — причина.
Клавиши: стрелки влево и вправо двигают отметку по картам в руке, Home и End — к первой и последней карте, Enter или пробел играет отмеченную карту.
T называет карты на столе и нужную масть, C — число карт у каждого, S — открытую карту или колоду, L — последнюю взятку.
Ctrl+N — новая раздача, Ctrl+Q — выход из программы, F1 — правила.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ и Ctrl+- увеличивают и уменьшают стол, Ctrl+0 возвращает ему исходный размер, F11 разворачивает его на весь экран, Esc — обратно; Стол, Карты — выбор другой колоды.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Стол</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>туз</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>двойка</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>тройка</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>четвёрка</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>пятёрка</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>шестёрка</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>семёрка</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>восьмёрка</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>девятка</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>десятка</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>King</source>
        <translation>король</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>бубён</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Вы: %1</translation>
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
            <numerusform>%n карта</numerusform>
            <numerusform>%n карты</numerusform>
            <numerusform>%n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Ваш ход: %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>Ход COM %1: %2</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>У вас нет масти — вы добираете из колоды</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>У COM %1 нет масти — добирает из колоды</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Вы добираете %n карту</numerusform>
            <numerusform>Вы добираете %n карты</numerusform>
            <numerusform>Вы добираете %n карт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 добирает %n карту</numerusform>
            <numerusform>COM %1 добирает %n карты</numerusform>
            <numerusform>COM %1 добирает %n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Вы берёте взятку и заходите</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 берёт взятку и заходит</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Вы заходите</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 заходит</translation>
    </message>
    <message>
        <source>first</source>
        <translation>первое</translation>
    </message>
    <message>
        <source>second</source>
        <translation>второе</translation>
    </message>
    <message>
        <source>third</source>
        <translation>третье</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Вы заняли %1 место</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 занял %2 место</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Игра окончена: вы проиграли. Игра, Раздать или Ctrl+N начинает следующую игру</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Игра окончена: вы заняли %1 место. Игра, Раздать или Ctrl+N начинает следующую игру</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Карты розданы. Открытая карта: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Ваш ход, вы заходите</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Ваш ход, нужна масть %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>Нельзя: %1 не в масть, нужна масть %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>У вас на руках %n карта</numerusform>
            <numerusform>У вас на руках %n карты</numerusform>
            <numerusform>У вас на руках %n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>На столе нет карт</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Масть не задана</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Нужна масть %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>без карт</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Открытая карта: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Колода: %1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Колода пуста</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Взяток ещё не было</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Вы: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Вы забрали карты со стола</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 забрал карты со стола</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Последняя взятка: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Игра не идёт</translation>
    </message>
    <message>
        <source>right</source>
        <translation>справа</translation>
    </message>
    <message>
        <source>top</source>
        <translation>сверху</translation>
    </message>
    <message>
        <source>left</source>
        <translation>слева</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Ваша карта: %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>Карта COM %1: %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Игры ещё нет. Чтобы начать, выберите Игра, Раздать или нажмите Ctrl+N.</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Игра не идёт. Игра, Раздать начинает новую.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Масть не задана: её задаст следующая карта.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Нужна масть %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Ваш ход.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Имя и статистика будут сброшены. Продолжить?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Подтверждение сброса</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Правила игры</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Первые шаги</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 забирает все карты</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Раздать</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Статистика</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>С&amp;бросить статистику</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>С&amp;тол</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Голубое небо &amp;&amp; море</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Первые шаги</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;Об игре Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Об игре Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>У&amp;величить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Уменьшить</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Исходный размер</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Полноэкранный режим</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Карты</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Колоды карт не установлены</translation>
    </message>
</context>
</TS>
