<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Карткова гра для одного гравця проти трьох суперників-комп’ютерів: хто першим позбудеться своїх карт.

Вільна програма за ліцензією GNU General Public License версії 3 або пізнішої.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Карти: колода «Звичайний» карткових ігор стільниці (KDE) за ліцензією GNU General Public License версії 2 або пізнішої; її автори перелічені в %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Карти: намальовані самою грою, оскільки колоду карт стільниці не встановлено.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Ви забираєте всі карти</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 забирає всі карти</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Ви перемогли! Хочете подивитися, як гра піде далі?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Перемога</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk уже запущено, але його вікно не вдалося вивести на передній план.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: не вдається заблокувати статистику гравця; інша копія гри може записати свої результати поверх результатів цієї</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1-ше місце: %1</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2-ге місце: %1</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3-тє місце: %1</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>СТАТИСТИКА ГРАВЦЯ</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Програші: %1</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Не вдалося зберегти статистику гравця в «%1» (%2). Вона зберігається в пам’яті, під час наступного збереження буде нова спроба.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Статистику гравця «%1» не можна оновити на попередньому місці. Відтепер вона зберігається в «%2».</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Не вдалося прочитати статистику гравця «%1» (%2). Ваші результати зберігаються в пам’яті лише до виходу з гри; файл лишається як є.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Ім’я гравця:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Ваше ім’я збережено як «%1». Статистика гравця вміщує не більше 25 символів і лише літери західноєвропейських мов.</translation>
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
        <translation>Мета гри — першим позбутися всіх своїх карт.
На початку відкривають одну карту колоди, і її масть стає потрібною мастю.
Ходити можна лише картою потрібної масті.
Якщо такої масті немає, ви берете з колоди по одній карті, поки не прийде ця масть.
Такий добір називається «пленк».
Якщо колода скінчилася і добирати нічого, ви забираєте карти зі столу.
Хто зіграв старшу карту взятки, ходить першим у наступній, і решта ходять у масть його карти.
Порада: запам’ятовуйте, якої масті немає в суперника, щоб він якомога частіше добирав.
Порада: коли колода скінчиться, пам’ятайте старшу вже зіграну карту кожної масті.</translation>
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
        <translation>Кожному роздають по п’ять карт. Туз — старша карта, вища за короля.
У першій взятці ви ходите першим; далі всі ходять по черзі: ви, COM 1 праворуч, COM 2 угорі й COM 3 ліворуч.
Добір із колоди й забирання карт зі столу відбуваються самі. Рядок стану під столом повідомляє, що відбувається і чий хід.
Коли хтось забрав карти зі столу, першим ходить той із ще граючих, чия карта на столі була старшою; якщо такого немає — той, хто забрав.
Хто зіграв останню карту, виходить із гри. Гра закінчується, коли виходить третій, і ваше місце (перше, друге, третє чи програш) записується до статистики: Гра, Статистика.
Миша: клацніть будь-якою кнопкою по карті в руці, щоб зіграти її. Якщо навести вказівник на руку, центр столу чи зіграну карту, з’явиться її назва; на карті, якою ходити не можна, — причина.
Клавіші: стрілки ліворуч і праворуч пересувають позначку по картах у руці, Home і End — до першої та останньої карти, Enter або пробіл грає позначену карту.
T називає карти на столі й потрібну масть, C — кількість карт у кожного, S — відкриту карту або колоду, L — останню взятку.
Ctrl+N — нова роздача, Ctrl+Q — вихід із програми, F1 — правила.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ і Ctrl+- збільшують і зменшують стіл, Ctrl+0 повертає йому початковий розмір, F11 розгортає його на весь екран, Esc — назад; Стіл, Карти — вибір іншої колоди.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Стіл</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>туз</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>двійка</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>трійка</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>четвірка</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>п’ятірка</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>шістка</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>сімка</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>вісімка</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>дев’ятка</translation>
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
        <translation>бубон</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>чирв</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>пік</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Ви: %1</translation>
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
            <numerusform>%n карти</numerusform>
            <numerusform>%n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Ваш хід: %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>Хід COM %1: %2</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>У вас немає масті — ви добираєте з колоди</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>У COM %1 немає масті — добирає з колоди</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Ви добираєте %n карту</numerusform>
            <numerusform>Ви добираєте %n карти</numerusform>
            <numerusform>Ви добираєте %n карт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 добирає %n карту</numerusform>
            <numerusform>COM %1 добирає %n карти</numerusform>
            <numerusform>COM %1 добирає %n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Ви берете взятку й ходите першим</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 бере взятку й ходить першим</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Ви ходите першим</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 ходить першим</translation>
    </message>
    <message>
        <source>first</source>
        <translation>перше</translation>
    </message>
    <message>
        <source>second</source>
        <translation>друге</translation>
    </message>
    <message>
        <source>third</source>
        <translation>третє</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Ви посіли %1 місце</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 посів %2 місце</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Гру закінчено: ви програли. Гра, Роздати або Ctrl+N починає наступну гру</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Гру закінчено: ви посіли %1 місце. Гра, Роздати або Ctrl+N починає наступну гру</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Карти роздано. Відкрита карта: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Ваш хід, ви ходите першим</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Ваш хід, потрібна масть %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>Не можна: %1 не в масть, потрібна масть %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>У вас на руках %n карта</numerusform>
            <numerusform>У вас на руках %n карти</numerusform>
            <numerusform>У вас на руках %n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>На столі немає карт</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Масть не задано</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Потрібна масть %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>без карт</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Відкрита карта: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Колода: %1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Колода порожня</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Взяток ще не було</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Ви: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Ви забрали карти зі столу</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 забрав карти зі столу</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Остання взятка: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Гра не триває</translation>
    </message>
    <message>
        <source>right</source>
        <translation>праворуч</translation>
    </message>
    <message>
        <source>top</source>
        <translation>угорі</translation>
    </message>
    <message>
        <source>left</source>
        <translation>ліворуч</translation>
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
        <translation>Гри ще немає. Щоб почати, виберіть Гра, Роздати або натисніть Ctrl+N.</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Гра не триває. Гра, Роздати починає нову.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Масть не задано: її задасть наступна карта.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Потрібна масть %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Ваш хід.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Ім’я і статистику буде скинуто. Продовжити?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Підтвердження скидання</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Перші кроки</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 забирає всі карти</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Роздати</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>&amp;Статистика</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>С&amp;кинути статистику</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>С&amp;тіл</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типовий</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Блакитне небо &amp;&amp; море</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>Перші &amp;кроки</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>&amp;Про гру Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Про гру Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Збільшити</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>З&amp;меншити</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Початковий розмір</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;На весь екран</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Карти</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Колоди карт не встановлено</translation>
    </message>
</context>
</TS>
