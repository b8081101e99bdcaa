// The rules help in the game's two languages. A "{n}" in a text stands for message n of the
// catalogue in the current language (class, spell and item names), so the help names things
// exactly as the screens do; the keyboard page is written from the key tables.
#include "ending/HelpTexts.h"

#include "ending/HelpKeyPage.h"
#include "ending/HelpKeys.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"

namespace {

struct Page {
    const char* tab;
    const char* title;
    const char* body;
};

const Page kFrench[] = {
    {"Déplacements", "Se déplacer sur la carte",
     "Chaque joueur mène un groupe de personnages. Ils jouent chacun à leur tour : le premier "
     "personnage de chaque joueur, puis le deuxième, et ainsi de suite ; après un tour de table, "
     "l'horloge avance d'une heure. Le jour dure de 7 h à 19 h. Certains personnages ne sortent que "
     "de jour, d'autres que de nuit : hors de leurs heures, leur tour passe.\n\n"
     "Au début de son tour, le personnage lance ses dés de mouvement (le tableau des classes les "
     "donne). Pour marcher, pressez les flèches du clavier, cliquez sur son icône pour choisir une "
     "direction, ou cliquez sur la carte une ou deux cases tout droit devant lui. Chaque pas coûte un "
     "point, et l'on ne marche que sur les routes. Entrer dans un lieu prend tous les points qui "
     "restent ; en sortir fait franchir deux cases pour un seul point. Au bout d'une route, au bord "
     "de la carte, on passe dans la zone voisine : la plaine, la montagne, la ville et la forêt se "
     "touchent.\n\n"
     "Les quatre vignettes montrent où sont les personnages ; cliquez sur l'une d'elles pour regarder "
     "une autre zone sans rien changer à la partie. Chaque personnage a un socle à la couleur de son "
     "joueur (ou de qui l'envoûte) ; celui qui joue est cerclé de blanc, et une bannière le nomme "
     "({KEYTURN} la remontre). Cliquez sur les valeurs du panneau pour en voir le "
     "détail. Un tour ne finit qu'une fois que le personnage a agi : le bouton de fin de tour passe "
     "alors la main au suivant.\n\n"
     "{KEYHELP} ouvre cette aide à tout moment ; la page Clavier donne toutes les touches. Bouton Menu "
     "({KEYMENU}) : sauvegarde, langue, son, sortie."},
    {"Lieux", "Ce qui attend le voyageur",
     "Là où la marche s'achève, la route réserve parfois une surprise : des diamants, du mercure ou du "
     "bois à ramasser, une source qui rend un point de vie, un passant généreux ou indifférent, une "
     "avalanche, un pont effondré, une foule ou un arbre tombé qui vous retient quelques tours, une "
     "mine en ville, ou un monstre.\n\n"
     "Seize lieux sont marqués sur la carte, quatre par zone ; chaque classe commence la partie sur "
     "l'un d'eux.\n"
     "- La plaine : l'auberge (300 pièces d'or pour une nuit qui rend de la vie et de la magie), le "
     "camp (50 pièces, et il faut une {350}) et une petite tour, tantôt secourable, tantôt "
     "ensorcelée.\n"
     "- La montagne : le volcan, où le diable vous reçoit selon son humeur, le marais aux gaz traîtres "
     "et un coffre souterrain.\n"
     "- La ville : l'arène, dont chaque estrade affiche son prix, le marché et la forge. La porte de la tour noire se dresse au bout de la "
     "route de l'est.\n"
     "- La forêt : un vieux coffre sylvin, la fontaine et le temple, qui n'ouvre pas ses portes à "
     "toutes les classes.\n\n"
     "Un coffre ne cède que sur un 6, mais rien n'empêche de revenir tenter sa chance. Une nuit à "
     "l'auberge ou au camp vous endort jusqu'à 7 h du matin."},
    {"Clés", "Les clés et la tour noire",
     "Le but du jeu : ouvrir la porte de la tour noire, dans la ville, puis vaincre ses cinq étages. "
     "Le premier groupe qui triomphe du cinquième, où Quelmor garde les clés, gagne la partie.\n\n"
     "La {399} se trouve dans le coffre sylvin de la forêt, auprès d'un prospecteur de la montagne, "
     "ou auprès d'une jeune fille de la ville quand elle est d'humeur. La {397} dort dans le coffre "
     "du temple, la {396} dans le coffre souterrain de la montagne.\n\n"
     "Deux clés ouvrent la porte : une {399} et, au choix, la {397} ou la {396}. Tenez-vous devant "
     "la porte et servez-vous des deux clés dans la liste des objets, dans l'ordre qu'il vous plaira ; "
     "la porte s'ouvre alors pour tout votre groupe. La clé d'or ou d'ombre qui a servi décide du sort "
     "du monde : l'or apporte la paix, l'ombre le chaos. Les clés ne s'usent jamais.\n\n"
     "Porte ouverte, cliquez sur la case au-dessus de votre personnage posté devant elle pour monter. "
     "Chaque étage a son gardien, toujours plus redoutable ; un étage vaincu le reste pour tout le "
     "groupe. Sur l'écran de l'étage, cliquez sur le gardien (ou pressez Échap) pour l'affronter.\n\n"
     "Le journal ({KEYJOURNAL}) garde chaque message montré, un par entrée, achats et étages compris ; "
     "le nom du personnage y prend la couleur de son joueur."},
    {"Combats", "Les combats",
     "Un monstre rencontré fait paraître les épées croisées : cliquez dessus pour combattre. L'écran "
     "du combat s'ouvre avec son petit panneau : Attaque, Magie, Défense et Fuite.\n\n"
     "Le plus agile frappe le premier. Votre attaque, armes comprises, se mesure à la défense du "
     "monstre, avec la chance des dés ; six coups au but et le monstre est vaincu. Défendre renforce "
     "votre défense contre son prochain coup. La fuite réussit toujours. Le {69}, lui, ne se bat pas "
     "comme les autres : il souffle et il grimace.\n\n"
     "L'écran du combat montre la vie et la magie du personnage, ce que ses sorts lui ajoutent, "
     "les coups qu'il reste à porter (six pastilles) et les valeurs du monstre ; à côté des épées "
     "croisées, puis à chaque coup, la chance de victoire, comptée comme par l'ordinateur (sans la "
     "magie). Un avis sur la carte dit comment le combat s'est achevé ; le journal ({KEYJOURNAL}) "
     "le garde.\n\n"
     "Chaque coup reçu coûte un point de vie ; à zéro, le personnage meurt, sauf le {61}, que rien "
     "n'achève. Une victoire rapporte de l'expérience : après 3, 6, 9, 12, 18 victoires et "
     "davantage, l'attaque, la défense ou l'agilité grandissent.\n\n"
     "Prudence en ville : qui s'y bat hors de l'arène finit en prison, qu'il gagne ou qu'il fuie. "
     "On en sort en payant 10 000 pièces d'or, ou sur un 6. À l'arène, le tournoi offre de l'or au "
     "vainqueur, et la défaite n'y est jamais mortelle."},
    {"Sorts", "La magie",
     "Certaines classes naissent avec des sorts ; les livres de magie du marché en apprennent à "
     "tous. Chaque sort coûte des points de magie : chacun en a 10 au départ, une nuit à l'auberge ou "
     "au camp en rend, la {360} en ajoute 4, et chaque {342} ôte 4 au prix de tous les sorts.\n\n"
     "Sur la carte, le bouton de magie ouvre la liste des sorts connus. {545} et {546} rendent de la "
     "vie sur-le-champ. {547} fait perdre son prochain tour à une cible, {548} la foudroie (le {61} y "
     "résiste), {550} la met au service de votre joueur le temps d'un tour : cliquez ensuite sur son "
     "icône. {549} pose votre obstacle sur la route des autres : cliquez ensuite sur la case "
     "voulue. La liste donne le prix de chaque sort, sceptres déduits, et vos points de magie ; le "
     "panneau de la carte montre aussi ces points, sous le sigle PM.\n\n"
     "En combat, le bouton Magie offre les sorts de bataille. {520}, {524}, {530}, {528} et {535} "
     "affaiblissent le monstre, {531} le paralyse un tour et {529} l'anéantit ; {525}, {527}, {526}, "
     "{521} et {534} vous renforcent jusqu'à la fin du combat ; {522} et {532} soignent. Les potions "
     "des éléments doublent certains sorts. Un sort trop cher reste grisé."},
    {"Marché et forge", "Le marché et la forge",
     "Au marché de la ville, cinq marchands attendent : armes, armures, objets, potions et livres de "
     "magie. Cliquez sur un étal, choisissez dans son menu et payez en pièces d'or ; une arme ou une "
     "armure neuve remplace celle du même genre. Le {69} et le {73} n'y sont pas les bienvenus, et le "
     "{63} comme la {65} ne portent qu'une armure à leur taille. L'arène et les larcins du {75} "
     "remplissent les bourses. Chaque article affiche son prix et l'attaque ou la défense qu'il "
     "donne ; un disque rouge marque ce qui est en rupture de stock, refusé à votre classe ou trop "
     "cher pour votre or, et l'offre rappelle le nom de l'objet. Le panneau de la carte montre votre "
     "or et vos objets dès chaque achat.\n\n"
     "La forge change vos matières premières en armes de fer, de bronze, d'or ou d'argent, en arcs, en "
     "flèches de feu et même en armure de feu. Il y faut le {380} (le {70} s'en passe) et l'{348}. "
     "Diamants, mercure et bois se ramassent sur les routes de la plaine, de la montagne et de la "
     "forêt ; le fer, le bronze, l'or et l'argent sortent des mines de la ville. Cliquez sur les "
     "ressources du panneau pour voir vos réserves. Le menu de la forge donne les matières et la "
     "durée de chaque recette, et un disque rouge marque celles où il vous manque des matières ; à la "
     "mine, chaque métal porte son nom.\n\n"
     "Forger prend plusieurs tours, pendant lesquels le forgeron ne joue pas. L'objet forgé remplace "
     "ceux du même genre et ajoute pour de bon son attaque, sa défense et son agilité."},
    {"Ordinateur", "Jouer contre l'ordinateur",
     "Dans Nouveau jeu, cochez « Joué par l'ordinateur » sous la liste des classes (Tab jusqu'au bouton "
     "puis Espace) : l'ordinateur joue le groupe de ce joueur. Laissez ses emplacements vides et il "
     "choisit lui-même ses classes ; tous les joueurs peuvent être l'ordinateur, pour regarder une "
     "partie. Son « Niveau », à côté : facile fait souvent des erreurs, normal parfois, difficile "
     "jamais.\n\n"
     "L'ordinateur joue à votre vue, une action toutes les 0,4 seconde, par les mêmes boutons que "
     "vous. Appuyez sur H pendant son tour pour le presser (ses combats aussi), et de nouveau sur "
     "H pour revenir au pas normal. Le bandeau de chaque tour annonce « L'ordinateur joue », et le "
     "vôtre reste ensuite jusqu'à votre premier geste ; une partie sauvegardée garde "
     "ses groupes et leurs niveaux. Pendant son tour, sauvegardez (Ctrl+S) ou ouvrez l'aide "
     "et le journal : il attend que votre fenêtre soit fermée.\n\n"
     "Son plan : réunir les clés (coffres, passe-partout après un échec, prospecteur, jeune fille), "
     "s'équiper au marché avec l'or gagné à l'arène (le livre de la terre pour Armagueddon, des "
     "sceptres pour l'alléger), ne livrer que les combats qu'il pense gagner, "
     "fuir quand la chance tourne, puis ouvrir la porte de la tour et la gravir avec son meilleur "
     "combattant.\n\n"
     "Il ne voit que ce que tout le monde voit, jamais les dés à venir, et dit au bas de la carte "
     "ce qu'il fait et pourquoi ; le journal (F2) le garde en italique."},
    {"Parties", "Sauvegarder, reprendre, enregistrer",
     "Sur le plateau, le bouton au parchemin (Ctrl+S) sauvegarde la partie dans le fichier de votre "
     "choix ; sur l'écran titre, Fichier, Reprendre une partie (Ctrl+O) la reprend.\n\n"
     "Pendant une partie, le jeu en tient aussi l'enregistrement : chaque geste des joueurs et de "
     "l'ordinateur, dés compris, écrit au fil du jeu et mis sur le disque à chaque changement de "
     "personnage, un fichier par partie dans le dossier records des sauvegardes (par défaut "
     "~/.local/share/quelmor/saves/records). Rien n'est écrit hors d'une partie. Une partie finie garde "
     "son enregistrement ; au-delà des 20 plus récents, les plus anciens s'effacent.\n\n"
     "Si le jeu s'arrête en pleine partie, Fichier, Reprendre la dernière partie ({KEYCONTINUE}) sur "
     "l'écran titre la rejoue sans l'afficher et la reprend au dernier geste écrit, une fenêtre ouverte "
     "comprise. Un enregistrement abîmé ou coupé reprend jusqu'à son dernier geste entier, et le jeu dit "
     "à quelle ligne il s'arrête.\n\n"
     "Fichier, Revoir une partie enregistrée ({KEYWATCH}) la rejoue à l'écran ; son panneau : "
     "{KEY frmReplay.Play} lire, {KEY frmReplay.Step} un pas, {KEY frmReplay.Faster} {KEY frmReplay.Slower} "
     "la vitesse, {KEY frmReplay.TakeOver} prendre la main, {KEY frmReplay.Stop} arrêter.\n\n"
     "Pour ne rien enregistrer, décochez Enregistrer les parties dans le menu Fichier de l'écran titre "
     "ou dans le menu du plateau ({KEYMENU}) ; le choix est gardé pour les fois suivantes (le fichier "
     "settings.txt des sauvegardes), et Reprendre la dernière partie n'est plus offert."},
    {"Réseau", "Jouer en réseau",
     "Plusieurs machines peuvent jouer la même partie : l'une l'héberge, les autres la rejoignent.\n\n"
     "Pour héberger : une fois les groupes créés, ouvrez le menu du plateau ({KEYMENU}), Héberger une "
     "partie en réseau. Chaque groupe y est joué ici (sur votre machine), à distance (depuis la machine "
     "d'un ami) ou par l'ordinateur ; donnez aux amis l'adresse de votre machine, le port et le code "
     "affiché.\n\n"
     "Pour rejoindre : sur l'écran titre, Fichier, Rejoindre une partie en réseau, avec l'adresse, le "
     "port, le code et le nom du joueur de votre groupe, tel que l'hôte l'a créé.\n\n"
     "Chaque machine montre la même partie. Seule celle du groupe qui joue prend la main ; les autres "
     "regardent. La barre de titre et le bandeau au pied de la carte disent qui joue, et où.\n\n"
     "Une machine coupée revient d'elle-même et est remise à jour. Tant que la machine d'un groupe à "
     "distance est absente, son tour attend : l'hôte peut confier ce groupe à l'ordinateur (menu du "
     "plateau) jusqu'à son retour, ou sauvegarder et arrêter d'héberger."},
    {"Clavier", "Les touches", "{KEYBOARD}"},
    {"Classes", "Les seize classes", ""},
};

const Page kEnglish[] = {
    {"Moving", "Moving on the map",
     "Each player leads a party of characters. They play one after the other: each player's first "
     "character, then each player's second, and so on; after a full round the clock moves on one "
     "hour. Day lasts from 7 h to 19 h. Some characters only go out by day, others only by night: "
     "outside their hours their turn is skipped.\n\n"
     "At the start of its turn the character rolls its movement dice (the class table gives them). "
     "To walk, press the arrow keys, click its icon to choose a direction, or click the map one or "
     "two cells straight ahead of it. Every step costs one point, and only roads can be walked. "
     "Entering a place takes all the points left; leaving it crosses two cells for a single point. "
     "At the end of a road, on the edge of the map, you pass into the next zone: the plain, the "
     "mountain, the town and the forest touch each other.\n\n"
     "The four thumbnails show where the characters are; click one to look at another zone without "
     "changing anything in the game. Every character stands on a base in its player's colour (or "
     "its bewitcher's); the one playing is ringed in white, and a banner names it ({KEYTURN} shows "
     "it again). Click the values of the panel to see them in detail. A turn "
     "only ends once the character has acted: the end-of-turn button then hands over to the next "
     "one.\n\n"
     "{KEYHELP} opens this help at any time; the Keyboard page gives every key. The Menu "
     "button ({KEYMENU}): save, language, sound, quit."},
    {"Places", "What awaits the traveller",
     "Where a walk ends, the road sometimes holds a surprise: diamonds, mercury or wood to pick up, a "
     "spring that gives back a life point, a generous or an indifferent passer-by, an avalanche, a "
     "fallen bridge, a crowd or a fallen tree that holds you back for a few turns, a mine in the "
     "town, or a monster.\n\n"
     "Sixteen places are marked on the map, four in each zone; every class starts the game on one of "
     "them.\n"
     "- The plain: the inn (300 gold pieces for a night that gives back life and magic), the camp (50 "
     "pieces, and a {350} is needed) and a small tower, sometimes helpful, sometimes bewitched.\n"
     "- The mountain: the volcano, where the devil receives you as his mood takes him, the swamp and "
     "its treacherous fumes, and an underground chest.\n"
     "- The town: the arena, each stand showing its prize, the market and the forge. The door of the black tower stands at the end "
     "of the eastern road.\n"
     "- The forest: an old sylvan chest, the fountain and the temple, which does not open its doors "
     "to every class.\n\n"
     "A chest only gives way on a 6, but nothing stops you from coming back to try again. A night at "
     "the inn or at the camp puts you to sleep until 7 in the morning."},
    {"Tower keys", "The keys and the black tower",
     "The aim of the game: open the door of the black tower, in the town, then beat its five floors. "
     "The first party to triumph over the fifth, where Quelmor keeps the keys, wins the game.\n\n"
     "The {399} lies in the sylvan chest of the forest, with a prospector of the mountain, or with a "
     "young girl of the town when she is in the mood. The {397} sleeps in the temple's chest, the "
     "{396} in the underground chest of the mountain.\n\n"
     "Two keys open the door: a {399} and, as you choose, the {397} or the {396}. Stand before the "
     "door and use both keys from the item list, in whichever order you like; the door then opens "
     "for your whole party. The gold or shadow key that served decides the fate of the world: gold "
     "brings peace, shadow brings chaos. Keys never wear out.\n\n"
     "Once the door is open, click the cell above your character standing before it to climb. Every "
     "floor has its guardian, each fiercer than the last; a floor once beaten stays beaten for the "
     "whole party. On the floor's screen, click the guardian (or press Esc) to face it.\n\n"
     "The journal ({KEYJOURNAL}) keeps every message shown, one per entry, purchases and floors "
     "included; the character's name takes its player's colour."},
    {"Fights", "Fights",
     "A monster met brings up the crossed swords: click them to fight. The fight screen opens with "
     "its small panel: Attack, Magic, Defence and Flight.\n\n"
     "The more agile strikes first. Your attack, weapons included, is matched against the monster's "
     "defence, with the luck of the dice; six blows that land and the monster is beaten. Defending "
     "strengthens your defence against its next blow. Flight always succeeds. The {69} does not "
     "fight like the others: it breathes and it grimaces.\n\n"
     "The fight screen shows the character's life and magic, what its spells add, the blows still "
     "to land (six pips) and the monster's values; beside the crossed swords, then at every blow, "
     "the chance of winning, reckoned as the computer does (magic left aside). A notice on the map "
     "tells how the fight ended; the journal ({KEYJOURNAL}) keeps it.\n\n"
     "Every blow taken costs a life point; at zero the character dies, except the {61}, whom nothing "
     "finishes off. A victory brings experience: after 3, 6, 9, 12, 18 victories and more, attack, "
     "defence or agility grow.\n\n"
     "Beware in the town: whoever fights there outside the arena ends up in prison, win or flee. You "
     "get out by paying 10,000 gold pieces, or on a 6. In the arena the tournament offers gold to the "
     "winner, and defeat there is never deadly."},
    {"Spells", "Magic",
     "Some classes are born with spells; the books of magic of the market teach them to anyone. "
     "Every spell costs magic points: everyone has 10 at the start, a night at the inn or at the camp "
     "gives some back, the {360} adds 4, and each {342} takes 4 off the price of every spell.\n\n"
     "On the map, the magic button opens the list of the spells you know. {545} and {546} give back "
     "life at once. {547} makes a target lose its next turn, {548} strikes it down (the {61} "
     "resists), {550} puts it in your player's service for one turn: then click its icon. {549} puts "
     "your obstacle on the others' road: then click the cell you want. The list shows each spell's "
     "price, sceptres deducted, and your magic points; the map's panel shows those points too, marked "
     "MP.\n\n"
     "In a fight, the Magic button offers the battle spells. {520}, {524}, {530}, {528} and {535} "
     "weaken the monster, {531} paralyses it for one turn and {529} destroys it; {525}, {527}, {526}, "
     "{521} and {534} strengthen you until the end of the fight; {522} and {532} heal. The potions "
     "of the elements double some spells. A spell too dear for you stays greyed."},
    {"Market and forge", "The market and the forge",
     "At the town's market five merchants are waiting: weapons, armour, objects, potions and books "
     "of magic. Click a stall, choose from its menu and pay in gold pieces; a new weapon or armour "
     "replaces the one of the same kind. The {69} and the {73} are not welcome there, and the {63} "
     "and the {65} only wear an armour of their size. The arena and the {75}'s thefts fill the "
     "purses. Every article shows its price and the attack or defence it gives; a red disc marks what "
     "is out of stock, refused to your class or too dear for your gold, and the offer names the item. "
     "The map's panel shows your gold and items as soon as you buy.\n\n"
     "The forge turns your raw materials into weapons of iron, bronze, gold or silver, into bows, "
     "fire arrows and even a fire armour. It takes the {380} (the {70} does without) and the {348}. "
     "Diamonds, mercury and wood are picked up on the roads of the plain, the mountain and the "
     "forest; iron, bronze, gold and silver come out of the town's mines. Click the resources of the "
     "panel to see your stocks. The forge's menu gives each recipe's materials and time, and a red "
     "disc marks those you lack materials for; at the mine, every metal bears its name.\n\n"
     "Forging takes several turns, during which the smith does not play. The forged item replaces "
     "those of the same kind and adds its attack, defence and agility for good."},
    {"Computer", "Playing against the computer",
     "In New game, tick \"Played by the computer\" under the class list (Tab to the button, then "
     "Space): the computer plays that player's party. Leave its slots empty and it chooses its "
     "classes itself; every player may be the computer, to watch a game. Its \"Level\", beside it: "
     "easy makes mistakes often, normal now and then, hard never.\n\n"
     "The computer plays where you can see it, one action every 0.4 seconds, through the same "
     "buttons as you. Press H during its turn to hurry it (its fights too), and H again for the "
     "normal pace. The banner of each turn says \"The computer plays\", and yours then stays until "
     "your first click or key; a saved game keeps its computer parties and their levels. "
     "During its turn, save (Ctrl+S) or open the help and the journal: it waits until your window "
     "is closed.\n\n"
     "Its plan: gather the keys (chests, the master key after a failed try, the prospector, the "
     "young girl), equip at the market with the gold won at the arena (the book of earth for "
     "Armagueddon, and sceptres to cheapen it), fight only the fights it "
     "expects to win, flee when the odds turn, then open the tower door and climb it with its best "
     "fighter.\n\n"
     "It sees only what everybody sees, never the dice to come, and says at the foot of the map "
     "what it does and why; the journal (F2) keeps it in italics."},
    {"Games", "Saving, loading, recording",
     "On the board, the scroll button (Ctrl+S) saves the game to a file of your choice; on the title "
     "screen, File, Load a game (Ctrl+O) takes it up again.\n\n"
     "While a game is played, the game also keeps its record: every move of the players and of the "
     "computer, dice included, written as the game goes and put on the disk at every change of "
     "character, one file a game in the records folder of the saves (by default "
     "~/.local/share/quelmor/saves/records). Nothing is written outside a game. A finished game keeps "
     "its record; beyond the 20 newest, the oldest are removed.\n\n"
     "If the game stops in the middle of a game, File, Continue the last game ({KEYCONTINUE}) on the "
     "title screen replays it without showing it and takes it up at the last move written, an open "
     "window included. A damaged or cut record resumes up to its last whole move, and the game says at "
     "which line it stops.\n\n"
     "File, Watch a replay ({KEYWATCH}) plays a record on the screens; its panel: {KEY frmReplay.Play} "
     "play, {KEY frmReplay.Step} step, {KEY frmReplay.Faster} {KEY frmReplay.Slower} speed, "
     "{KEY frmReplay.TakeOver} take over, {KEY frmReplay.Stop} stop.\n\n"
     "To record nothing, untick Record the games in the title's File menu or in the board's menu "
     "({KEYMENU}); the choice is kept for the next times (the saves' settings.txt file), and Continue "
     "the last game is no longer offered."},
    {"Network", "Playing across machines",
     "Several machines can play the same game: one hosts it, the others join it.\n\n"
     "To host: once the parties are set up, open the board's menu ({KEYMENU}), Host a network game. "
     "Each party is played here (on your machine), remote (from a friend's machine) or by the "
     "computer; tell your friends your machine's address, the port and the join code shown.\n\n"
     "To join: on the title screen, File, Join a network game, with the address, the port, the code "
     "and the player name of your party, as the host set it up.\n\n"
     "Every machine shows the same game. Only the one whose party plays takes input; the others "
     "watch. The title bar and the plate at the foot of the map say who plays, and where.\n\n"
     "A machine that drops comes back by itself and is brought up to date. While a remote party's "
     "machine is away its turn waits: the host may hand that party to the computer (the board's "
     "menu) until it returns, or save and stop hosting."},
    {"Keyboard", "The keys", "{KEYBOARD}"},
    {"Classes", "The sixteen classes", ""},
};

const HelpWords kFrenchWords{"Aide de Quelmor", "< Précédent", "Suivant >", "Fermer", "Page %1 sur %2",
                             "Classe", "Mouvement", "Att.", "Déf.", "Ag.", "Heures",
                             "le jour", "la nuit", "jour et nuit",
                             "Valeurs de départ, avant les armes, les objets et l'expérience."};
const HelpWords kEnglishWords{"Quelmor help", "< Previous", "Next >", "Close", "Page %1 of %2",
                              "Class", "Movement", "Att.", "Def.", "Ag.", "Hours",
                              "by day", "by night", "day and night",
                              "Starting values, before weapons, items and experience."};

// French sets a thin space before ":", ";", "!" and "?": a no-break space keeps them on
// their line.
std::string FrenchSpacing(std::string text) {
    for (const char* mark : {" :", " ;", " !", " ?"}) {
        const std::string from = mark;
        const std::string to = "\u00A0" + from.substr(1);
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    }
    return text;
}

// Replaces "{n}" by message n in the current language and the key names by their keys.
std::string Expand(const char* text) {
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (*p == '{') {
            const char* end = p + 1;
            while (*end && *end != '}') ++end;
            std::string word(p + 1, end);
            if (*end == '}') {
                if (word == "KEYHELP") {
                    out += kHelpKey;
                } else if (word == "KEYJOURNAL") {
                    out += kJournalKey;
                } else if (word == "KEYMENU") {
                    out += KeyName(BoundKey("frmJeu", "MenuJeu"), HelpInEnglish());
                } else if (word == "KEYCONTINUE") {
                    out += KeyName(BoundKey("frmBegin", "MNU_Continue"), HelpInEnglish());
                } else if (word.rfind("KEY ", 0) == 0) {
                    // A control's key, "KEY Screen.Control".
                    const std::string path = word.substr(4);
                    const size_t dot = path.find('.');
                    out += KeyName(BoundKey(path.substr(0, dot), path.substr(dot + 1)), HelpInEnglish());
                } else if (word == "KEYWATCH") {
                    out += KeyName(BoundKey("frmBegin", "MNU_Watch"), HelpInEnglish());
                } else if (word == "KEYTURN") {
                    out += BoundKey("frmJeu", "MNU_RelaisRevoir");
                } else if (word == "KEYBOARD") {
                    out += KeyboardPageText(HelpInEnglish());
                } else {
                    out += Msg(std::stoi(word));
                }
                p = end;
                continue;
            }
        }
        out.push_back(*p);
    }
    return out;
}

}  // namespace

bool HelpInEnglish() { return gd.LanguageOffset == 2000; }

std::vector<HelpTopic> HelpTopics() {
    std::vector<HelpTopic> topics;
    const bool english = HelpInEnglish();
    for (const Page& page : english ? kEnglish : kFrench) {
        std::string body = Expand(page.body);
        topics.push_back(HelpTopic{page.tab, page.title, english ? body : FrenchSpacing(body)});
    }
    return topics;
}

HelpWords HelpWordsNow() { return HelpInEnglish() ? kEnglishWords : kFrenchWords; }
