<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Plenk %1

A shedding card game for one player against three computer seats.

Free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>%1 is the game&apos;s version, such as 1.10.</extracomment>
        <translation>Plenk %1

Un jeu de défausse pour un joueur contre trois adversaires joués par l’ordinateur.

Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>

Cards: the &quot;Standard&quot; deck of the desktop&apos;s card games (KDE), under the GNU General Public License, version 2 or later; its authors are listed in %1.</source>
        <extracomment>%1 is the file that lists the deck&apos;s authors.</extracomment>
        <translation>

Cartes&#xa0;: le jeu «&#xa0;Standard&#xa0;» des jeux de cartes du bureau (KDE), sous la licence publique générale GNU, version 2 ou ultérieure&#xa0;; ses auteurs sont cités dans %1.</translation>
    </message>
    <message>
        <source>

Cards: painted by the game itself, as the desktop&apos;s card deck is not installed.</source>
        <translation>

Cartes&#xa0;: dessinées par le jeu lui-même, car le jeu de cartes du bureau n’est pas installé.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Player takes all card</source>
        <translation>Vous ramassez tout</translation>
    </message>
    <message>
        <source>COM %1 takes all card</source>
        <translation>COM %1 ramasse tout</translation>
    </message>
    <message>
        <source>You win! Would you like to watch the game continue?</source>
        <translation>Vous avez gagné&#xa0;! Voulez-vous regarder la suite de la partie&#xa0;?</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Victoire</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Plenk is already running, but its window could not be brought to the front.</source>
        <translation>Plenk est déjà lancé, mais sa fenêtre n’a pas pu être mise au premier plan.</translation>
    </message>
    <message>
        <source>plenk: the player record cannot be locked; another copy of the game could save over this one&apos;s results</source>
        <translation>plenk&#xa0;: le palmarès ne peut pas être verrouillé&#xa0;; une autre copie du jeu pourrait écraser les résultats de celle-ci</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>PLAYER STATISTIC</source>
        <translation>PALMARÈS DU JOUEUR</translation>
    </message>
    <message>
        <source>Lose: %1 times</source>
        <extracomment>%1 is how many games the player lost, finishing last.</extracomment>
        <translation>Dernière place&#xa0;: %1 fois</translation>
    </message>
    <message>
        <source>The player record could not be saved to &quot;%1&quot; (%2). It is kept in memory, and the next save will try again.</source>
        <translation>Le palmarès n’a pas pu être enregistré dans «&#xa0;%1&#xa0;» (%2). Il est gardé en mémoire, et le prochain enregistrement réessaiera.</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; cannot be updated where it is. From now on it lives in &quot;%2&quot;.</source>
        <translation>Le palmarès «&#xa0;%1&#xa0;» ne peut pas être mis à jour à cet endroit. Il se trouve désormais dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The player record &quot;%1&quot; could not be read (%2). Your results are kept in memory only in this run; the file is left as it is.</source>
        <translation>Le palmarès «&#xa0;%1&#xa0;» n’a pas pu être lu (%2). Vos résultats ne sont gardés en mémoire que jusqu’à la fermeture du jeu&#xa0;; le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Input Player Name:</source>
        <translation>Nom du joueur&#xa0;:</translation>
    </message>
    <message>
        <source>Winning Stroke</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>Rank 1: %1 times</source>
        <extracomment>%1 is how many games the player finished first.</extracomment>
        <translation>1re place&#xa0;: %1 fois</translation>
    </message>
    <message>
        <source>Rank 2: %1 times</source>
        <extracomment>%1 is how many games the player finished second.</extracomment>
        <translation>2e place&#xa0;: %1 fois</translation>
    </message>
    <message>
        <source>Rank 3: %1 times</source>
        <extracomment>%1 is how many games the player finished third.</extracomment>
        <translation>3e place&#xa0;: %1 fois</translation>
    </message>
    <message>
        <source>Your name is kept as &quot;%1&quot;. The player record holds at most 25 characters, and only the letters of Western European languages.</source>
        <extracomment>%1 is the player&apos;s name as the record keeps it, without the spaces that fill it to 25 characters.</extracomment>
        <translation>Votre nom est gardé sous la forme «&#xa0;%1&#xa0;». Le palmarès ne retient que 25 caractères au plus, et seulement les lettres des langues d’Europe de l’Ouest.</translation>
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
        <translation>Le but du jeu est d’être le premier à se débarrasser de toutes ses cartes.
Au début, une carte du talon est retournée&#xa0;; sa couleur devient la couleur demandée.
Vous ne pouvez jouer qu’une carte de la couleur demandée.
Sans carte de cette couleur, vous piochez dans le talon, une carte à la fois, jusqu’à tirer cette couleur.
Piocher ainsi, c’est «&#xa0;plenker&#xa0;».
Si vous ne pouvez pas plenker parce que le talon est épuisé, vous ramassez les cartes jouées sur la table.
Qui joue la plus haute carte d’un pli entame le pli suivant, et la couleur de la carte entamée devient la couleur demandée aux autres.
Astuce&#xa0;: retenez la couleur qui manque à un adversaire pour le faire plenker le plus souvent possible.
Astuce&#xa0;: une fois le talon épuisé, retenez la plus haute carte déjà jouée dans chaque couleur.</translation>
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
        <translation>Chacun reçoit cinq cartes. L’as est la plus forte, au-dessus du roi.
Vous jouez le premier au premier pli&#xa0;; ensuite chacun joue à son tour&#xa0;: vous, COM 1 à droite, COM 2 en haut et COM 3 à gauche.
Vos pioches et vos ramassages se font tout seuls. La barre d’état sous la table dit ce qui se passe et à qui c’est le tour.
Après un ramassage, entame celui qui joue encore et dont la carte sur la table était la plus forte&#xa0;; s’il n’y en a pas, celui qui a ramassé entame.
Qui joue sa dernière carte a fini. La partie se termine quand le troisième a fini, et votre place (premier, deuxième, troisième ou perdu) est comptée dans votre palmarès&#xa0;: Partie, Voir le palmarès.
Souris&#xa0;: cliquez sur une carte de votre main pour la jouer, avec n’importe quel bouton. Le pointeur posé sur une main, le centre ou une carte jouée la nomme&#xa0;; sur une carte que vous ne pouvez pas jouer, il dit pourquoi.
Touches&#xa0;: les flèches gauche et droite déplacent la marque sur votre main, Origine et Fin vont à la première et à la dernière carte, Entrée ou Espace joue la carte marquée.
T lit les cartes sur la table et la couleur demandée, C le nombre de cartes de chacun, S la carte retournée ou le talon, L le dernier pli.
Ctrl+N distribue une nouvelle partie, Ctrl+Q quitte le programme, F1 affiche les règles.</translation>
    </message>
    <message>
        <source>Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings it back to its own size, F11 fills the screen and Escape leaves it; Table, Cards chooses another card deck.</source>
        <extracomment>The last point of the guide. Table and Cards are the menu and submenu of those names.</extracomment>
        <translation>Ctrl++ et Ctrl+- agrandissent et réduisent la table, Ctrl+0 lui rend sa taille réelle, F11 la met en plein écran et Échap en sort ; Table, Cartes choisit un autre jeu de cartes.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>top</source>
        <translation>en haut</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its value (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Open card: %1</source>
        <translation>Carte retournée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Talon&#xa0;: %1</translation>
    </message>
    <message>
        <source>No game in progress. Game, Deal starts one.</source>
        <extracomment>&quot;Game, Deal&quot; names the menu and its item.</extracomment>
        <translation>Aucune partie en cours. Partie, Distribuer en lance une.</translation>
    </message>
    <message>
        <source>No suit to follow: the next card leads.</source>
        <translation>Aucune couleur demandée&#xa0;: la prochaine carte entame.</translation>
    </message>
    <message>
        <source>Suit to follow: %1.</source>
        <translation>Couleur demandée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 Your turn.</source>
        <translation>%1 À vous de jouer.</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Vous avez joué %1</translation>
    </message>
    <message>
        <source>COM %1 played %2</source>
        <translation>COM %1 a joué %2</translation>
    </message>
    <message>
        <source>COM %1, %2, %3</source>
        <extracomment>A computer seat: its number, its place at the table, its cards (&quot;COM 1, right, 5 cards&quot;).</extracomment>
        <translation>COM %1, %2, %3</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>COM %1: %2</source>
        <translation>COM %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Vous jouez %1</translation>
    </message>
    <message>
        <source>COM %1 plays %2</source>
        <translation>COM %1 joue %2</translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>Vous piochez %n carte</numerusform>
            <numerusform>Vous piochez %n cartes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 pioche %n carte</numerusform>
            <numerusform>COM %1 pioche %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>You win the round and lead</source>
        <translation>Vous remportez le pli et entamez</translation>
    </message>
    <message>
        <source>COM %1 wins the round and leads</source>
        <translation>COM %1 remporte le pli et entame</translation>
    </message>
    <message>
        <source>You lead</source>
        <translation>Vous entamez</translation>
    </message>
    <message>
        <source>COM %1 leads</source>
        <translation>COM %1 entame</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>You finished %1</source>
        <translation>Vous finissez %1</translation>
    </message>
    <message>
        <source>COM %1 finished %2</source>
        <translation>COM %1 finit %2</translation>
    </message>
    <message>
        <source>Cards dealt. Open card: %1</source>
        <translation>Cartes distribuées. Carte retournée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your turn, you lead</source>
        <translation>À vous, vous entamez</translation>
    </message>
    <message>
        <source>Your turn, follow %1</source>
        <translation>À vous, couleur demandée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be played: follow %2</source>
        <translation>%1 est injouable&#xa0;: couleur demandée, %2</translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Votre main, %n carte</numerusform>
            <numerusform>Votre main, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards on the table</source>
        <translation>Aucune carte sur la table</translation>
    </message>
    <message>
        <source>%1. No suit to follow</source>
        <translation>%1. Aucune couleur demandée</translation>
    </message>
    <message>
        <source>%1. Follow %2</source>
        <translation>%1. Couleur demandée&#xa0;: %2</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>fini</translation>
    </message>
    <message>
        <source>The stock is empty</source>
        <translation>Le talon est vide</translation>
    </message>
    <message>
        <source>No round has ended yet</source>
        <translation>Aucun pli joué pour l’instant</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>COM %1 %2</source>
        <translation>COM %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>You took the table</source>
        <translation>Vous avez tout ramassé</translation>
    </message>
    <message>
        <source>COM %1 took the table</source>
        <translation>COM %1 a tout ramassé</translation>
    </message>
    <message>
        <source>Last round: %1</source>
        <translation>Dernier pli&#xa0;: %1</translation>
    </message>
    <message>
        <source>No game in progress</source>
        <translation>Aucune partie en cours</translation>
    </message>
    <message>
        <source>No game yet. To start one, choose Game, Deal or press Ctrl+N.</source>
        <extracomment>Before the first deal. &quot;Game, Deal&quot; names the menu and its item, &quot;Ctrl+N&quot; its key as the desktop writes it.</extracomment>
        <translation>Pas encore de partie. Partie, Distribuer ou Ctrl+N en lance une.</translation>
    </message>
    <message>
        <source>You cannot follow and plenk</source>
        <translation>Vous ne pouvez pas fournir et vous plenkez</translation>
    </message>
    <message>
        <source>COM %1 cannot follow and plenks</source>
        <translation>COM %1 ne peut pas fournir et plenke</translation>
    </message>
    <message>
        <source>Game over: you lost. Game, Deal or Ctrl+N starts the next game</source>
        <translation>Partie terminée&#xa0;: vous avez perdu. Partie, Distribuer ou Ctrl+N lance la suivante</translation>
    </message>
    <message>
        <source>Game over: you finished %1. Game, Deal or Ctrl+N starts the next game</source>
        <extracomment>%1 the human&apos;s place: &quot;first&quot;, &quot;second&quot; or &quot;third&quot;.</extracomment>
        <translation>Partie terminée&#xa0;: vous finissez %1. Partie, Distribuer ou Ctrl+N lance la suivante</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>This will reset previous name and record. Continue?</source>
        <translation>Le nom et le palmarès seront remis à zéro. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Confirmer la remise à zéro</translation>
    </message>
    <message>
        <source>COM 2 Takes All Cards</source>
        <translation>COM 2 ramasse tout</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>&amp;Show Rank</source>
        <translation>Voir le &amp;palmarès</translation>
    </message>
    <message>
        <source>&amp;Reset Record</source>
        <translation>&amp;Remettre le palmarès à zéro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Blue Sky &amp;&amp; Sea</source>
        <extracomment>&quot;&amp;&amp;&quot; shows a plain &quot;&amp;&quot;: the item has no access key.</extracomment>
        <translation>Ciel bleu &amp;&amp; mer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>P&amp;remiers pas</translation>
    </message>
    <message>
        <source>&amp;About Plenk</source>
        <translation>À &amp;propos de Plenk</translation>
    </message>
    <message>
        <source>About Plenk</source>
        <translation>À propos de Plenk</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Cartes</translation>
    </message>
    <message>
        <source>No card decks installed</source>
        <translation>Aucun jeu de cartes installé</translation>
    </message>
</context>
</TS>
