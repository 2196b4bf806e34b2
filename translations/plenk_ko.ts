<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

한 사람이 컴퓨터 상대 세 명과 겨루며 손에 든 카드를 먼저 모두 없애는 카드 게임입니다.

GNU General Public License 버전 3 이상에 따라 배포되는 자유 소프트웨어입니다.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

카드: 데스크톱 카드 게임(KDE)의 &quot;표준&quot; 덱으로, GNU General Public License 버전 2 이상에 따라 배포되며 제작자는 %1에 나와 있습니다.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

카드: 데스크톱의 카드 덱이 설치되어 있지 않아 게임이 직접 그렸습니다.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>당신이 카드를 모두 가져갑니다</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1: 카드를 모두 가져갑니다</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>이겼습니다! 게임이 계속되는 것을 지켜보시겠습니까?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>승리</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk가 이미 실행 중이지만 창을 앞으로 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: 플레이어 기록을 잠글 수 없습니다. 다른 게임 사본이 이 게임의 결과를 덮어쓸 수 있습니다</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1등: %1회</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2등: %1회</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3등: %1회</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>플레이어 기록</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>패배: %1회</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>플레이어 기록을 &quot;%1&quot;에 저장할 수 없습니다(%2). 기록은 메모리에 남아 있으며 다음에 저장할 때 다시 시도합니다.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>&quot;%1&quot;에 있는 플레이어 기록은 그 자리에서 업데이트할 수 없습니다. 이제부터 &quot;%2&quot;에 보관됩니다.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>&quot;%1&quot;에 있는 플레이어 기록을 읽을 수 없습니다(%2). 결과는 이번 실행 동안만 메모리에 보관되며, 파일은 그대로 둡니다.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>플레이어 이름 입력:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>저장된 이름: &quot;%1&quot;. 플레이어 기록에는 최대 25자까지, 서유럽 언어의 문자만 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>기록</translation>
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
        <translation>목표는 가장 먼저 손에 든 카드를 모두 없애는 것입니다.
시작할 때 더미에서 한 장을 뒤집고, 그 무늬가 따라야 할 무늬가 됩니다.
따라야 할 무늬의 카드만 낼 수 있습니다.
그 무늬가 없으면 그 무늬가 나올 때까지 더미에서 한 장씩 뽑습니다.
이렇게 뽑는 것을 &quot;플렝크&quot;라고 합니다.
더미가 떨어져 플렝크할 수 없으면 대신 테이블의 카드를 가져갑니다.
트릭에서 가장 높은 카드를 낸 사람이 다음 트릭을 먼저 내고, 다른 사람들은 그 카드의 무늬를 따라야 합니다.
팁: 상대의 &quot;약한 무늬&quot;를 기억해 두면 그 상대가 자주 플렝크하게 만들 수 있습니다.
팁: 더미가 떨어지면 무늬마다 이미 나온 가장 높은 카드를 기억하세요.</translation>
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
        <translation>모두 카드 다섯 장을 받습니다. 에이스가 킹보다도 높은 가장 높은 카드입니다.
첫 트릭은 당신이 먼저 냅니다. 그다음에는 당신, 오른쪽의 COM 1, 위쪽의 COM 2, 왼쪽의 COM 3 순서로 돌아가며 냅니다.
더미에서 뽑기와 카드 가져가기는 저절로 이루어집니다. 테이블 아래의 상태 표시줄이 무슨 일이 일어나는지, 누구 차례인지 알려 줍니다.
카드를 가져간 뒤에는 아직 게임 중인 사람 가운데 테이블에 낸 카드가 가장 높았던 사람이 먼저 냅니다. 그런 사람이 없으면 가져간 사람이 먼저 냅니다.
마지막 카드를 낸 사람은 끝난 것입니다. 세 번째 사람이 끝나면 게임이 끝나고, 당신의 순위(1등, 2등, 3등 또는 패배)가 기록에 반영됩니다: 게임, 기록 보기.
마우스: 손에 든 카드를 아무 버튼으로나 클릭하면 그 카드를 냅니다. 손패, 가운데, 낸 카드 위에 포인터를 올리면 이름을 알려 주고, 낼 수 없는 카드 위에서는 이유를 알려 줍니다.
키: 왼쪽/오른쪽 화살표로 손패 위의 표시를 옮기고, Home과 End로 첫 카드와 마지막 카드로 가며, Enter나 Space로 표시된 카드를 냅니다.
T는 테이블의 카드와 따라야 할 무늬를, C는 자리마다 카드 수를, S는 뒤집힌 카드나 더미를, L은 지난 트릭을 읽어 줍니다.
Ctrl+N은 새 게임을 돌리고, Ctrl+Q는 프로그램을 끝내며, F1은 규칙을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++와 Ctrl+-는 테이블을 크게, 작게 하고, Ctrl+0은 원래 크기로 되돌리며, F11은 화면을 가득 채우고 Esc는 전체 화면에서 나갑니다. 테이블, 카드에서 다른 카드 덱을 고를 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>테이블</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>에이스</translation>
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
        <translation>잭</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>퀸</translation>
    </message>
    <message>
        <source>King</source>
        <translation>킹</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>클로버</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>다이아몬드</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>하트</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>스페이드</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>당신: %1</translation>
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
            <numerusform>%n장</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>당신이 %1 카드를 냅니다</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1: %2 카드를 냅니다</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>같은 무늬가 없어 당신이 더미에서 뽑습니다</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1: 같은 무늬가 없어 더미에서 뽑습니다</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>당신이 더미에서 %n장을 뽑습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1: 더미에서 %n장을 뽑습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>당신이 트릭을 이기고 먼저 냅니다</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1: 트릭을 이기고 먼저 냅니다</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>당신부터 냅니다</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1부터 냅니다</translation>
    </message>
    <message>
        <source>first</source>
        <translation>1등</translation>
    </message>
    <message>
        <source>second</source>
        <translation>2등</translation>
    </message>
    <message>
        <source>third</source>
        <translation>3등</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>당신이 %1으로 끝냈습니다</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1: %2으로 끝냈습니다</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>게임 끝: 당신이 졌습니다. 게임, 카드 돌리기 또는 Ctrl+N으로 다음 게임을 시작합니다</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>게임 끝: 당신은 %1입니다. 게임, 카드 돌리기 또는 Ctrl+N으로 다음 게임을 시작합니다</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>카드를 돌렸습니다. 뒤집힌 카드: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>당신 차례입니다. 먼저 내세요</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>당신 차례입니다. %1 무늬를 내세요</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 카드는 낼 수 없습니다: %2 무늬를 내세요</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>당신의 손패, %n장</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>테이블에 카드가 없습니다</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. 따라야 할 무늬 없음</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. 따라야 할 무늬: %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>끝남</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>뒤집힌 카드: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>더미: %1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>더미가 비었습니다</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>아직 끝난 트릭이 없습니다</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>당신: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>당신이 테이블의 카드를 가져갔습니다</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1: 테이블의 카드를 가져갔습니다</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>지난 트릭: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>진행 중인 게임이 없습니다</translation>
    </message>
    <message>
        <source>right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>top</source>
        <translation>위쪽</translation>
    </message>
    <message>
        <source>left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>당신의 카드: %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1의 카드: %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>아직 게임이 없습니다. 시작하려면 게임, 카드 돌리기를 고르거나 Ctrl+N을 누르세요.</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>진행 중인 게임이 없습니다. 게임, 카드 돌리기로 새 게임을 시작합니다.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>따라야 할 무늬가 없습니다: 다음에 내는 카드가 정합니다.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>따라야 할 무늬: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 당신 차례입니다.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>이름과 기록이 초기화됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>초기화 확인</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>시작하기</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2: 카드를 모두 가져갑니다</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>카드 돌리기(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>기록 보기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>기록 초기화(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>끝내기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>테이블(&amp;T)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>푸른 하늘과 바다</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>시작하기(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>Plenk 정보(&amp;A)</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Plenk 정보</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>확대(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>축소(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>실제 크기(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>전체 화면(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>카드(&amp;C)</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>설치된 카드 덱이 없습니다</translation>
    </message>
</context>
</TS>
