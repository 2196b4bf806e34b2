<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

1人のプレイヤーが3人のコンピューターと対戦し、手札を先になくした人が勝つカードゲームです。

GNU General Public License バージョン 3 以降のもとで配布されるフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

カード: デスクトップのカードゲーム (KDE) の「標準」デッキです。GNU General Public License バージョン 2 以降のもとで配布され、作者は %1 に記載されています。</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

カード: デスクトップのカードデッキがインストールされていないため、ゲーム自身が描いています。</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>あなたが場札を全部取ります</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 が場札を全部取ります</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>あなたの勝ちです！ゲームの続きを観戦しますか？</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>勝利</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk はすでに起動していますが、そのウィンドウを前面に出せませんでした。</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: プレイヤーの成績をロックできません。ゲームのほかのコピーがこのゲームの結果を上書きするおそれがあります</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1位: %1 回</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2位: %1 回</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3位: %1 回</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>プレイヤーの成績</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>負け: %1 回</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>プレイヤーの成績を「%1」に保存できませんでした (%2)。成績はメモリーに保持され、次回の保存時にもう一度試します。</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>プレイヤーの成績「%1」はその場所で更新できません。今後は「%2」に保存されます。</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>プレイヤーの成績「%1」を読み込めませんでした (%2)。今回の結果は終了するまでメモリーにだけ保持され、ファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>プレイヤー名を入力:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>あなたの名前は「%1」として保存されます。プレイヤーの成績に保存できるのは 25 文字までで、西ヨーロッパの言語の文字だけです。</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>成績</translation>
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
        <translation>目的は、誰よりも先に手札をすべてなくすことです。
始めに山札を1枚めくり、そのマークが出すべきマークです。
出せるのは出すべきマークのカードだけです。
そのマークがなければ、出るまで山札から1枚ずつ引きます。
この引き方を「プレンク」と呼びます。
山札がなくプレンクできなければ、場のカードを引き取ります。
トリックでいちばん強いカードを出した人が次に最初に出し、そのマークがほかの人の出すべきマークになります。
ヒント: 相手の「弱いマーク」を覚えて、何度もプレンクさせましょう。
ヒント: 山札がなくなったら、各マークで出たいちばん強いカードを覚えておきましょう。</translation>
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
        <translation>全員に5枚ずつ配られます。エースがいちばん強く、キングより上です。
最初のトリックではあなたが最初に出します。その後は、あなた、右の COM 1、上の COM 2、左の COM 3 の順に出します。
山札から引くことと場札を引き取ることは自動で行われます。テーブルの下のステータスバーに、何が起きたかと誰の番かが表示されます。
場札を引き取ったあとは、まだ残っている人のうち場に出したカードがいちばん強かった人が最初に出します。いなければ、引き取った人が最初に出します。
最後のカードを出した人は上がりです。3人目が上がるとゲームは終わり、あなたの順位 (1位、2位、3位、負け) が成績に記録されます:「ゲーム」→「成績を表示」。
マウス: 手札のカードをどのボタンでもクリックすると、そのカードを出します。手札、中央、出されたカードにポインターを置くと名前が表示され、出せないカードではその理由が表示されます。
キー: ← と → で手札の印を動かし、Home と End で最初と最後のカードへ移り、Enter かスペースで印のカードを出します。
T で場のカードと出すべきマーク、C で各席の枚数、S で表のカードまたは山札、L で前のトリックを読み上げます。
Ctrl+N で新しいゲームを配り、Ctrl+Q でプログラムを終了し、F1 でルールを表示します。</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ と Ctrl+- でテーブルを拡大・縮小し、Ctrl+0 で元のサイズに戻します。F11 で全画面表示になり、Esc で戻ります。「テーブル」→「カード」で別のカードデッキを選べます。</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>テーブル</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>エース</translation>
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
        <translation>ジャック</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>King</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>スペード</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>あなた: %1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2の%1</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n枚</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>あなたは%1を出します</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 は%2を出します</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>マークがないので、あなたは山札から引きます</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>マークがないので、COM %1 は山札から引きます</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>あなたは山札から%n枚引きます</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 は山札から%n枚引きます</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>あなたがトリックに勝ち、先に出します</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 がトリックに勝ち、先に出します</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>あなたが先に出します</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 が先に出します</translation>
    </message>
    <message>
        <source>first</source>
        <translation>1位</translation>
    </message>
    <message>
        <source>second</source>
        <translation>2位</translation>
    </message>
    <message>
        <source>third</source>
        <translation>3位</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>あなたは%1で上がりました</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 が%2で上がりました</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>ゲーム終了: あなたの負けです。「ゲーム」→「配る」か Ctrl+N で次のゲームを始めます</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>ゲーム終了: あなたは%1で上がりました。「ゲーム」→「配る」か Ctrl+N で次のゲームを始めます</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>カードを配りました。表のカード: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>あなたの番です。先に出してください</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>あなたの番です。%1を出してください</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1は出せません。%2を出してください</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>あなたの手札、%n枚</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>場にカードはありません</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1。出すべきマークはありません</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1。出すべきマーク: %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>上がり</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>表のカード: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>山札: %1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>山札はありません</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>まだ終わったトリックはありません</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>あなた: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>あなたが場札を引き取りました</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 が場札を引き取りました</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>前のトリック: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>進行中のゲームはありません</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>あなたが出したカード: %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 が出したカード: %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>まだゲームはありません。始めるには「ゲーム」→「配る」を選ぶか、Ctrl+N を押してください。</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>進行中のゲームはありません。「ゲーム」→「配る」で始めます。</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>出すべきマークはありません。次に出すカードで決まります。</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>出すべきマーク: %1。</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 あなたの番です。</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>名前と成績をリセットします。続けますか？</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>リセットの確認</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>はじめに</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 が場札を全部取ります</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>配る(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>成績を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>成績をリセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>テーブル(&amp;T)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>青空と海</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>はじめに(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>Plenk について(&amp;A)</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Plenk について</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>カード(&amp;C)</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>カードデッキがインストールされていません</translation>
    </message>
</context>
</TS>
