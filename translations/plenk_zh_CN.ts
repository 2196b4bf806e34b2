<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

一款由一名玩家对战三名电脑对手、先出完手牌者获胜的纸牌游戏。

自由软件，以 GNU 通用公共许可证第 3 版或更新版本发布。</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

纸牌：桌面纸牌游戏 (KDE) 的“标准”牌组，以 GNU 通用公共许可证第 2 版或更新版本发布；其作者列于 %1。</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

纸牌：由于没有安装桌面的纸牌牌组，由游戏自行绘制。</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>你收走桌上所有的牌</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 收走桌上所有的牌</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>你赢了！要继续观看这局游戏吗？</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>胜利</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk 已在运行，但无法将其窗口置于前台。</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk：无法锁定玩家战绩；游戏的另一个副本可能会覆盖本副本的成绩</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>第 1 名：%1 次</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>第 2 名：%1 次</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>第 3 名：%1 次</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>玩家战绩</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>失败：%1 次</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>无法将玩家战绩保存到“%1”(%2)。战绩保留在内存中，下次保存时会再次尝试。</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>玩家战绩“%1”无法在原位置更新。今后它保存在“%2”。</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>无法读取玩家战绩“%1”(%2)。你的成绩只在本次运行期间保留在内存中；该文件保持原样。</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>输入玩家名字：</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>你的名字保存为“%1”。玩家战绩最多容纳 25 个字符，且只能使用西欧语言的字母。</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>战绩</translation>
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
        <translation>游戏的目标是最先出完手中所有的牌。
游戏开始时，从牌堆翻开一张牌，它的花色就是要跟的花色。
你只能出要跟的花色的牌。
如果没有这种花色的牌，就从牌堆一张一张地摸牌，直到摸到这种花色为止。
这样摸牌称为“Plenk”。
如果牌堆已经摸完、无法摸牌，就改为收走桌上已出的牌。
一轮中出了最大牌的人在下一轮先出，他出的牌的花色就是其他人要跟的花色。
提示：记住对手的“缺门”，就能尽量多地让他摸牌。
提示：牌堆摸完后，要记住每种花色已经出过的最大的牌。</translation>
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
        <translation>每人发五张牌。A 最大，比 K 还大。
第一轮由你先出；之后大家依次出牌：你、右边的 COM 1、上方的 COM 2 和左边的 COM 3。
你的摸牌和收牌都会自动进行。牌桌下方的状态栏会显示发生了什么以及轮到谁。
收牌之后，由仍在游戏中、桌上的牌最大的人先出；如果没有这样的人，就由收牌的人先出。
出完最后一张牌的人就完成了。第三个人完成时游戏结束，你的名次（第一名、第二名、第三名或失败）会计入你的战绩：“游戏”→“查看战绩”。
鼠标：用任意按键点击手中的一张牌即可出牌。指针停在手牌、中央或已出的牌上时会显示其名称；停在不能出的牌上时会说明原因。
按键：左右方向键在手牌上移动标记，Home 和 End 跳到第一张和最后一张牌，Enter 或空格键打出标记的牌。
T 读出桌上的牌和要跟的花色，C 读出每个座位的牌数，S 读出翻开的牌或牌堆，L 读出上一轮。
Ctrl+N 发新的一局，Ctrl+Q 退出程序，F1 显示规则。</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ 和 Ctrl+- 放大和缩小牌桌，Ctrl+0 恢复原始大小，F11 全屏显示，Esc 退出全屏；“牌桌”→“纸牌”可选择其他牌组。</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>King</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>红桃</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>你：%1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1：%2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2%1</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n 张牌</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>你出%1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 出%2</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>你没有该花色，从牌堆摸牌</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 没有该花色，从牌堆摸牌</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>你摸了 %n 张牌</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 摸了 %n 张牌</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>你赢得本轮，由你先出</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 赢得本轮，由它先出</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>由你先出</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>由 COM %1 先出</translation>
    </message>
    <message>
        <source>first</source>
        <translation>第一名</translation>
    </message>
    <message>
        <source>second</source>
        <translation>第二名</translation>
    </message>
    <message>
        <source>third</source>
        <translation>第三名</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>你出完了牌，获得%1</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 出完了牌，获得%2</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>游戏结束：你输了。“游戏”→“发牌”或 Ctrl+N 开始下一局</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>游戏结束：你获得%1。“游戏”→“发牌”或 Ctrl+N 开始下一局</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>已发牌。翻开的牌：%1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>轮到你，由你先出</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>轮到你，请跟%1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>不能出%1：请跟%2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>你的手牌，%n 张</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>桌上没有牌</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1。没有要跟的花色</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1。要跟%2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>已出完</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>翻开的牌：%1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>牌堆：%1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>牌堆已空</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>还没有打完任何一轮</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>你：%1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1：%2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>你收走了桌上的牌</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 收走了桌上的牌</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>上一轮：%1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>没有进行中的游戏</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右边</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上方</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左边</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>你出的牌：%1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 出的牌：%2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>还没有游戏。要开始，请选择“游戏”→“发牌”或按 Ctrl+N。</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>没有进行中的游戏。“游戏”→“发牌”可开始一局。</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>没有要跟的花色：由下一张牌决定。</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>要跟的花色：%1。</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1轮到你了。</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>这将重置之前的名字和战绩。要继续吗？</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>确认重置</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>入门</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 收走桌上所有的牌</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>发牌(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>查看战绩(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>重置战绩(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>牌桌(&amp;T)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>蓝天与大海</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>入门(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>关于 Plenk(&amp;A)</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>关于 Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>纸牌(&amp;C)</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>没有安装纸牌牌组</translation>
    </message>
</context>
</TS>
