<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Bir oyuncunun üç bilgisayar rakibine karşı oynadığı, elindeki kartlardan ilk kurtulanın kazandığı bir kart oyunu.

GNU Genel Kamu Lisansı, sürüm 3 veya sonrası altında özgür yazılım.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Kartlar: masaüstü kart oyunlarının “Standart” destesi (KDE), GNU Genel Kamu Lisansı, sürüm 2 veya sonrası altında; yazarları %1 dosyasında listelenmiştir.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Kartlar: masaüstünün kart destesi yüklü olmadığından oyunun kendisi tarafından çizildi.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Tüm kartları sen alıyorsun</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>Tüm kartları COM %1 alıyor</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Kazandın! Oyunun devamını izlemek ister misin?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Zafer</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk zaten çalışıyor, ancak penceresi öne getirilemedi.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk: oyuncu kaydı kilitlenemiyor; oyunun başka bir kopyası bu kopyanın sonuçlarının üzerine yazabilir</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1. sıra: %1 kez</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2. sıra: %1 kez</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3. sıra: %1 kez</translation>
    </message>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>OYUNCU İSTATİSTİĞİ</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Yenilgi: %1 kez</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Oyuncu kaydı “%1” dosyasına kaydedilemedi (%2). Kayıt bellekte tutuluyor; bir sonraki kaydetmede yeniden denenecek.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Oyuncu kaydı “%1” bulunduğu yerde güncellenemiyor. Bundan sonra “%2” dosyasında tutulacak.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Oyuncu kaydı “%1” okunamadı (%2). Sonuçların yalnızca bu oturum boyunca bellekte tutulur; dosyaya dokunulmaz.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Oyuncu adı:</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Adın “%1” olarak kaydedildi. Oyuncu kaydı en fazla 25 karakter ve yalnızca Batı Avrupa dillerinin harflerini tutabilir.</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>İstatistik</translation>
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
        <translation>Oyunun amacı, tüm kartlarından ilk kurtulan olmaktır.
Oyun başlarken desteden bir kart açılır ve onun rengi istenen renk olur.
Yalnızca istenen renkten bir kart oynayabilirsin.
O renkten kartın yoksa, o renkten bir kart çıkana dek desteden tek tek kart çekersin.
Bu çekmeye “plenk” denir.
Deste bittiği için çekemiyorsan, bunun yerine masada oynanmış kartları alırsın.
Bir elde en yüksek kartı oynayan sonraki eli başlatır ve onun attığı kartın rengi diğerleri için istenen renk olur.
İpucu: rakibinin “zayıf rengini” aklında tut, böylece onu olabildiğince sık desteden çektirebilirsin.
İpucu: deste bittiğinde, her renkte oynanmış en yüksek kartı aklında tut.</translation>
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
        <translation>Herkese beş kart dağıtılır. As en yüksek karttır, papazdan da yüksektir.
İlk elde ilk kartı sen oynarsın; sonra herkes sırayla oynar: sen, sağda COM 1, üstte COM 2 ve solda COM 3.
Desteden çekmen ve masadaki kartları alman kendiliğinden olur. Masanın altındaki durum satırı ne olduğunu ve sıranın kimde olduğunu söyler.
Kartlar alındıktan sonra, hâlâ oynayanlardan masadaki kartı en yüksek olan başlar; böyle biri yoksa kartları alan başlar.
Son kartını oynayan bitirmiş olur. Üçüncü oyuncu bitirince oyun sona erer ve yerin (birinci, ikinci, üçüncü ya da yenilgi) istatistiğine işlenir: Oyun, İstatistiği göster.
Fare: elindeki bir kartı oynamak için herhangi bir tuşla üzerine tıkla. İşaretçi bir elin, ortanın ya da oynanmış bir kartın üzerinde durursa adını söyler; oynayamayacağın bir kartta nedenini söyler.
Tuşlar: Sol ve Sağ ok işareti elinde gezdirir, Home ve End ilk ve son karta atlar, Enter ya da Boşluk işaretli kartı oynar.
T masadaki kartları ve istenen rengi okur, C her oyuncunun kart sayısını, S açık kartı ya da desteyi, L son eli.
Ctrl+N yeni oyun dağıtır, Ctrl+Q programı kapatır, F1 kuralları gösterir.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ ve Ctrl+- masayı büyütür ve küçültür, Ctrl+0 onu kendi boyutuna döndürür, F11 ekranı kaplar ve Esc tam ekrandan çıkar; Masa, Kartlar başka bir kart destesi seçer.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>ası</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>ikisi</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>üçü</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>dördü</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>beşi</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>altısı</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>yedisi</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>sekizi</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>dokuzu</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>onu</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>valesi</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>kızı</translation>
    </message>
    <message>
        <source>King</source>
        <translation>papazı</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>sinek</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>kupa</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>maça</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Sen: %1</translation>
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
            <numerusform>%n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Sen oynuyorsun: %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 oynuyor: %2</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Renge uyamıyorsun, desteden çekiyorsun</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 renge uyamıyor, desteden çekiyor</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Desteden %n kart çekiyorsun</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 desteden %n kart çekiyor</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Eli sen kazandın, sen başlıyorsun</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>Eli COM %1 kazandı ve başlıyor</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Sen başlıyorsun</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 başlıyor</translation>
    </message>
    <message>
        <source>first</source>
        <translation>birinci</translation>
    </message>
    <message>
        <source>second</source>
        <translation>ikinci</translation>
    </message>
    <message>
        <source>third</source>
        <translation>üçüncü</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>%1 olarak bitirdin</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 %2 olarak bitirdi</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Oyun bitti: kaybettin. Oyun, Dağıt ya da Ctrl+N sonraki oyunu başlatır</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Oyun bitti: %1 olarak bitirdin. Oyun, Dağıt ya da Ctrl+N sonraki oyunu başlatır</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Kartlar dağıtıldı. Açık kart: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>Sıra sende, sen başlıyorsun</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>Sıra sende, istenen renk: %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 oynanamaz: istenen renk %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Elin, %n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Masada kart yok</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. İstenen renk yok</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. İstenen renk: %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>kart kalmadı</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Açık kart: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Deste: %1</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Deste boş</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Henüz hiç el bitmedi</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Sen: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Masadaki kartları sen aldın</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>Masadaki kartları COM %1 aldı</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Son el: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Süren oyun yok</translation>
    </message>
    <message>
        <source>right</source>
        <translation>sağda</translation>
    </message>
    <message>
        <source>top</source>
        <translation>üstte</translation>
    </message>
    <message>
        <source>left</source>
        <translation>solda</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Senin kartın: %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 oynadı: %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Henüz oyun yok. Başlatmak için Oyun, Dağıt’ı seç ya da Ctrl+N’ye bas.</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Süren oyun yok. Oyun, Dağıt yeni bir oyun başlatır.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>İstenen renk yok: rengi sonraki kart belirler.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>İstenen renk: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 Sıra sende.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Ad ve istatistik sıfırlanacak. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Sıfırlamayı onayla</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Başlarken</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>Tüm kartları COM 2 alıyor</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Dağıt</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>İstatistiği &amp;göster</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>İstatistiği &amp;sıfırla</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Masa</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Mavi gök &amp;&amp; deniz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Başlarken</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>Plenk &amp;hakkında</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>Plenk hakkında</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Gerçek boyut</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tam ekran</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Kartlar</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Yüklü kart destesi yok</translation>
    </message>
</context>
</TS>
