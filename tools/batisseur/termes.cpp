#include "termes.h"

namespace bat {

const std::vector<Definition>& Vocabulaire() {
    static const std::vector<Definition> v = {
        // Tinctures and furs.
        {"Or", "Le premier des deux métaux de l'héraldique, représenté en jaune. En gravure on le "
               "figure par un semis de points."},
        {"Argent", "Le second métal du blason, représenté en blanc. En gravure on laisse "
                   "simplement le fond sans hachure."},
        {"Gueules", "L'émail rouge. Le mot s'emploie toujours au pluriel et se figure en gravure "
                    "par des traits verticaux."},
        {"Azur", "L'émail bleu, l'une des cinq couleurs du blason. En gravure il se marque par des "
                 "traits horizontaux."},
        {"Sinople", "L'émail vert. C'est la couleur la plus rare dans les armoiries anciennes ; la "
                    "gravure la figure par des traits en bande."},
        {"Sable", "L'émail noir. En gravure on le représente par des traits verticaux et "
                  "horizontaux croisés."},
        {"Pourpre", "Couleur violette, tenue tantôt pour une couleur, tantôt pour un émail à part. "
                    "Elle se figure par des traits en barre."},
        {"Hermine", "Fourrure d'argent semée de mouchetures de sable disposées en quinconce. Elle "
                    "peut couvrir le champ comme une pièce ou un meuble."},
        {"Contre-hermine",
         "Fourrure inverse de l'hermine : un champ de sable semé de mouchetures d'argent."},
        {"Vair",
         "Fourrure faite de petites pièces en forme de cloches, alternativement d'argent et "
         "d'azur, rangées par tires. Les cloches d'argent et d'azur s'opposent par la base."},
        {"Métal",
         "Nom commun de l'or et de l'argent. Selon la règle, on ne pose pas métal sur métal."},
        {"Couleur", "Nom commun des émaux gueules, azur, sinople, sable et pourpre. On ne pose pas "
                    "couleur sur couleur."},
        {"Fourrure",
         "Émail fait d'un dessin répété, imitant une peau : l'hermine, la contre-hermine et le "
         "vair. Une fourrure se pose sur le métal comme sur la couleur."},
        {"Moucheture", "La petite queue noire qui, répétée, forme l'hermine. Seule, elle devient "
                       "un meuble que l'on nomme moucheture d'hermine."},
        // Divisions and patterns.
        {"Partition",
         "Division de l'écu en parties d'émaux différents par des traits qui le traversent. Le "
         "parti, le coupé, le tranché et le taillé sont les partitions simples."},
        {"Parti", "Se dit de l'écu divisé de haut en bas en deux parties égales par un trait "
                  "vertical. On nomme d'abord l'émail de la partie dextre."},
        {"Coupé", "Se dit de l'écu divisé horizontalement en deux parties égales. L'émail du haut "
                  "se nomme le premier."},
        {"Tranché", "Se dit de l'écu divisé par une ligne qui descend de l'angle dextre du chef "
                    "vers l'angle senestre de la pointe."},
        {"Taillé", "Se dit de l'écu divisé par une ligne qui descend de l'angle senestre du chef "
                   "vers l'angle dextre de la pointe."},
        {"Écartelé", "Se dit de l'écu divisé en quatre quartiers, par le parti et le coupé, ou en "
                     "sautoir par le tranché et le taillé. Les quartiers opposés portent les mêmes "
                     "émaux ou les mêmes armes."},
        {"Quartier",
         "Chacune des parties d'un écu écartelé. On les compte de dextre à senestre et de haut en "
         "bas : le premier et le quatrième se répondent, comme le deuxième et le troisième."},
        {"Gironné", "Se dit de l'écu divisé en huit triangles, les girons, qui se rejoignent au "
                    "centre et alternent de deux émaux."},
        {"Tiercé", "Se dit de l'écu divisé en trois parties égales de trois émaux, en fasce ou en "
                   "pal selon le sens des traits."},
        {"Fascé", "Se dit de l'écu couvert de bandes horizontales d'émaux alternés, six pièces en "
                  "tout sauf indication contraire."},
        {"Palé",
         "Se dit de l'écu couvert de pals d'émaux alternés, ordinairement au nombre de six."},
        {"Bandé", "Se dit de l'écu couvert de bandes d'émaux alternés, parallèles à la diagonale "
                  "qui part du chef dextre."},
        {"Barré", "Se dit de l'écu couvert de barres d'émaux alternés, parallèles à la diagonale "
                  "qui part du chef senestre."},
        {"Burelé", "Se dit d'un fascé de dix pièces ou davantage, dont les bandes étroites "
                   "prennent le nom de burelles."},
        {"Échiqueté", "Se dit de l'écu divisé en carrés alternés de deux émaux, comme un "
                      "échiquier. Il faut au moins six carrés par rang."},
        {"Losangé",
         "Se dit de l'écu couvert de losanges alternés de deux émaux, posés en rangs serrés."},
        {"Semé", "Se dit du champ couvert d'un même petit meuble répété sans nombre fixe. Les "
                 "meubles coupés par les bords de l'écu restent visibles en partie."},
        {"Billeté", "Se dit d'un champ semé de billettes ; on ne compte pas leur nombre."},
        // Ordinaries and pieces.
        {"Fasce", "Pièce honorable horizontale qui traverse l'écu en son milieu et en occupe le "
                  "tiers de la hauteur. Quand il y en a plusieurs, elles se rétrécissent."},
        {"Pal", "Pièce honorable verticale qui occupe le milieu de l'écu du chef à la pointe, sur "
                "le tiers de sa largeur."},
        {"Bande", "Pièce honorable qui traverse l'écu en diagonale, de l'angle dextre du chef à "
                  "l'angle senestre de la pointe."},
        {"Barre", "Pièce honorable diagonale qui va de l'angle senestre du chef à l'angle dextre "
                  "de la pointe : c'est une bande inversée."},
        {"Chevron", "Pièce honorable faite de deux bandes jointes en haut, comme les deux côtés "
                    "d'un toit. Sa pointe s'arrête vers le centre de l'écu."},
        {"Croix", "Pièce honorable formée du pal et de la fasce réunis. Ses branches atteignent "
                  "les bords de l'écu, sauf si elle est alésée."},
        {"Sautoir",
         "Pièce honorable formée de la bande et de la barre qui se croisent, en forme de X."},
        {"Pairle", "Pièce en forme de Y dont les trois branches partent des angles du chef et de "
                   "la pointe pour se rejoindre au centre de l'écu."},
        {"Trangle", "Fasce très étroite, réduite au tiers de sa largeur ou moins. Les trangles "
                    "vont d'ordinaire par nombre impair."},
        {"Jumelle", "Paire de fasces étroites et parallèles, posées près l'une de l'autre et "
                    "comptées comme une seule pièce."},
        {"Vergette",
         "Pal très étroit. Les vergettes se rencontrent le plus souvent au nombre de trois."},
        {"Cotice", "Bande étroite, diminuée de largeur, qui va d'ordinaire par nombre."},
        {"Bâton", "Bande très étroite. Brochant sur le tout, il marque souvent une branche cadette "
                  "ou une brisure."},
        {"Chef", "Pièce honorable qui occupe le haut de l'écu sur le tiers de sa hauteur. On dit "
                 "aussi en chef de ce qui est placé dans cette partie."},
        {"Bordure", "Pièce qui entoure l'écu sur tout son pourtour, large du sixième de l'écu. "
                    "Elle peut être chargée ou componée."},
        {"Orle", "Bordure étroite détachée des bords de l'écu. Des meubles sont dits en orle quand "
                 "ils sont rangés le long des bords, dans la position d'un orle."},
        {"Champagne",
         "Pièce qui occupe le bas de l'écu, sur le tiers de sa hauteur ou un peu moins."},
        {"Franc-quartier",
         "Carré placé à l'angle dextre du chef, un peu moindre que le quart de l'écu."},
        {"Canton", "Petit carré à l'angle du chef, plus petit que le franc-quartier. Sans autre "
                   "précision, il se place à dextre."},
        {"Componé", "Se dit d'une pièce, surtout d'une bordure, divisée en segments égaux de deux "
                    "émaux alternés."},
        // Crosses and their ends.
        {"Alésé", "Se dit d'une pièce honorable raccourcie dont les extrémités ne touchent pas les "
                  "bords de l'écu."},
        {"Patté", "Se dit d'une croix dont les branches, étroites au centre, s'élargissent vers "
                  "leurs extrémités."},
        {"Ancré", "Se dit d'une croix dont chaque branche se termine en deux crochets recourbés, "
                  "comme ceux d'une ancre."},
        {"Potencé", "Se dit d'une croix dont les branches se terminent par une traverse, en forme "
                    "de T ou de potence."},
        // Lines of partition.
        {"Ondé", "Se dit d'une pièce ou d'une ligne de partition dont les bords forment des ondes "
                 "régulières."},
        {"Engrêlé", "Se dit d'une pièce bordée de petites dents arrondies dont les pointes sont "
                    "tournées vers le dehors."},
        {"Denché", "Se dit d'une pièce ou d'une ligne bordée de dents triangulaires régulières."},
        {"Crénelé", "Se dit d'une pièce dont le bord supérieur porte des créneaux, comme le sommet "
                    "d'un mur fortifié."},
        {"Bretessé", "Se dit d'une pièce crénelée des deux côtés, les créneaux du haut répondant à "
                     "ceux du bas."},
        // Arrangements and positions.
        {"Chargé", "Se dit d'une pièce ou d'un meuble sur lequel sont posés d'autres meubles. Les "
                   "meubles chargés suivent le sens de la pièce."},
        {"Accompagné", "Se dit d'une pièce honorable autour de laquelle sont posés des meubles, "
                       "dans les espaces qu'elle laisse libres."},
        {"Cantonné", "Se dit d'une croix ou d'un sautoir accompagné de meubles dans les quatre "
                     "cantons que forment ses branches."},
        {"Accosté", "Se dit d'une pièce en pal accompagnée de meubles posés à ses côtés, l'un à "
                    "dextre et l'autre à senestre."},
        {"Pointe", "La partie basse de l'écu. Un meuble est dit en pointe quand il est placé dans "
                   "cette partie."},
        {"Rangé", "Se dit de meubles posés sur une même ligne, en fasce, en pal ou en bande."},
        {"Mal-ordonné", "Se dit de trois meubles posés un en chef et deux en pointe, à l'inverse "
                        "de la disposition ordinaire deux et un."},
        {"Affronté", "Se dit de deux animaux qui se regardent, tournés l'un vers l'autre."},
        {"Adossé", "Se dit de deux figures tournées dos à dos, comme deux bars ou deux clés."},
        {"Surmonté", "Se dit d'une pièce ou d'un meuble qui en a un autre placé immédiatement "
                     "au-dessus, sans le toucher."},
        {"Brochant", "Se dit d'une pièce qui passe par-dessus les autres figures de l'écu. On dit "
                     "alors qu'elle broche sur le tout."},
        {"Contourné", "Se dit d'un animal ou d'une figure tournée vers le flanc senestre de l'écu, "
                      "contre l'usage ordinaire."},
        {"Versé", "Se dit d'un croissant dont les cornes sont tournées vers la pointe de l'écu."},
        // Charges.
        {"Étoile", "Meuble à cinq rais droits et pointus, sauf mention d'un autre nombre. Une "
                   "étoile percée en son centre devient une molette."},
        {"Molette", "Étoile à six rais percée en son centre, à l'image de la molette d'un éperon."},
        {"Croissant", "Lune à son premier quartier, figurée les cornes tournées vers le chef. "
                      "Tournée autrement, elle est dite versée, tournée ou contournée."},
        {"Besant", "Pièce ronde et pleine de métal, souvenir des monnaies d'or rapportées "
                   "d'Orient. Un rond de couleur se nomme tourteau."},
        {"Tourteau",
         "Pièce ronde et pleine de couleur. S'il était de métal, on le nommerait besant."},
        {"Annelet", "Petit anneau, meuble rond vidé en son centre."},
        {"Losange", "Meuble en forme de carré posé sur une pointe, un peu plus haut que large."},
        {"Macle", "Losange percé d'un vide en losange qui laisse voir le champ."},
        {"Fusée", "Losange allongé et étroit, dont la forme rappelle le fuseau des fileuses."},
        {"Billette", "Petit rectangle dressé debout, plus haut que large."},
        {"Croisette", "Petite croix, le plus souvent alésée, qui se répète en nombre ou en semé."},
        {"Fleur-de-lis", "Fleur stylisée faite de trois pétales réunis par une traverse, celui du "
                         "milieu dressé et les deux autres recourbés vers le dehors."},
        {"Coquille",
         "Coquille de pèlerin montrée par le dos, avec ses côtes et ses deux oreilles."},
        {"Rose", "Fleur héraldique à cinq pétales arrondis, vue de face, avec son bouton au centre "
                 "et de petites pointes entre les pétales."},
        {"Quintefeuille", "Fleur à cinq feuilles pointues, percée en son centre."},
        {"Trèfle", "Feuille à trois lobes arrondis, munie de sa queue."},
        {"Merlette", "Petit oiseau représenté de profil, sans bec ni pattes. Elle est souvent "
                     "posée en nombre ou en orle."},
        {"Aigle", "Oiseau représenté de front, les ailes déployées et la tête tournée à dextre. En "
                  "héraldique le mot est féminin."},
        {"Lion",
         "Le fauve le plus fréquent du blason. Il se dresse de profil sur une patte, la tête "
         "tournée à dextre et la queue relevée ; c'est sa position ordinaire, dite rampante."},
        {"Lionceau",
         "Nom donné aux lions quand ils sont au moins trois dans l'écu, et donc plus petits."},
        {"Tour", "Tour ronde ou carrée, crénelée à son sommet, avec sa porte."},
        {"Château", "Forteresse figurée par un mur crénelé que surmontent trois tours, celle du "
                    "milieu plus haute."},
        {"Clé", "Clé dressée, l'anneau en haut et le panneton en bas, tourné à senestre sauf "
                "indication contraire."},
        {"Épée",
         "Arme figurée droite, la pointe en haut, avec sa garde, sa poignée et son pommeau."},
        {"Soleil", "Disque entouré de rayons alternativement droits et plus courts, posé au centre "
                   "de l'écu sans autre mention."},
        {"Cloche",
         "Cloche figurée avec son anneau en haut. Son battant peut être d'un autre émail."},
        {"Roc", "Meuble tiré de la tour du jeu d'échecs ancien : un fût terminé par deux crochets "
                "recourbés en dehors. On dit roc d'échiquier."},
        {"Arbre", "Arbre figuré avec son tronc et sa ramure arrondie. Quand ses racines se voient, "
                  "il est arraché."},
        {"Gerbe", "Botte d'épis de blé liée en son milieu."},
        {"Ancre",
         "Ancre de marine, dressée, avec son anneau, sa traverse et ses deux bras recourbés."},
        {"Couronne",
         "Cercle orné de fleurons, porté comme meuble dans l'écu ou sur la tête d'un animal."},
        {"Huchet", "Cor de chasse sans pavillon évasé, recourbé, souvent lié d'un cordon."},
        {"Bar", "Poisson d'eau douce représenté courbé, la tête en haut. Deux bars se posent "
                "souvent adossés."},
        {"Gland", "Fruit du chêne, figuré avec sa cupule et sa queue, la pointe en bas."},
        {"Marteau", "Outil figuré dressé, le manche en bas et la tête en haut."},
        {"Écusson",
         "Petit écu posé comme meuble dans le grand. Seul et au centre, il est dit en abîme."},
        // Added patterns, crosses, charges and positions.
        {"Fuselé", "Se dit de l'écu couvert de fusées alternées de deux émaux, plus étroites et "
                   "plus hautes que les losanges du losangé."},
        {"Chevronné",
         "Se dit de l'écu couvert de chevrons d'émaux alternés, empilés du chef à la pointe."},
        {"Papelonné",
         "Se dit de l'écu couvert d'écailles disposées comme celles d'un poisson ou les tuiles "
         "d'un toit, le bord de chaque écaille d'un émail et son fond d'un autre."},
        {"Vairé", "Se dit d'un vair dont les cloches sont d'autres émaux que l'argent et l'azur, "
                  "que l'on nomme alors."},
        {"Contre-vair", "Fourrure semblable au vair, mais dont les cloches de même émail se "
                        "touchent par la base d'un rang à l'autre."},
        {"Fretté", "Se dit de l'écu couvert de cotices étroites posées en bande et en barre qui "
                   "s'entrecroisent comme un treillis."},
        {"Chapé", "Se dit de l'écu dont deux lignes partent du milieu du chef vers les angles de "
                  "la pointe : les flancs du haut forment la chape, le champ reste au milieu."},
        {"Chaussé", "Se dit de l'écu dont deux lignes partent du milieu de la pointe vers les "
                    "angles du chef, laissant en bas deux triangles d'un autre émail."},
        {"Pile", "Pièce triangulaire qui descend du chef vers la pointe en se rétrécissant, comme "
                 "un coin."},
        {"Fleurdelisé", "Se dit d'une croix dont chaque branche se termine en fleur de lis."},
        {"Recroiseté", "Se dit d'une croix dont chaque branche est traversée près de son bout par "
                       "une petite traverse, formant une croisette."},
        {"Pommeté", "Se dit d'une croix dont les branches se terminent par une boule."},
        {"Tréflé", "Se dit d'une croix dont les branches se terminent par trois lobes arrondis, "
                   "comme un trèfle."},
        {"Posé", "Se dit de la disposition des meubles dans l'écu, que l'on indique par des "
                 "nombres : posés deux et un, deux et deux, trois, deux et un."},
        {"Senestre",
         "Le côté gauche de l'écu pour celui qui le porte, donc le côté droit pour celui qui le "
         "regarde. Un canton senestre se place à l'angle droit du chef, vu de face."},
        {"Cousu", "Se dit d'un chef de métal sur un champ de métal, ou de couleur sur couleur : on "
                  "le dit cousu pour marquer cette exception à la règle."},
        {"Éployé", "Se dit d'une aigle à deux têtes, tournées l'une à dextre et l'autre à "
                   "senestre, les ailes étendues."},
        {"Donjonné", "Se dit d'une tour ou d'un château surmonté d'une tourelle, le donjon."},
        {"Abîme", "Le centre de l'écu. Une figure y est dite en abîme quand elle s'y trouve seule, "
                  "sans toucher aucune autre."},
        {"Flèche", "Trait d'arc figuré droit, la pointe en haut et l'empennage en bas."},
        {"Hache", "Hache d'armes dressée, le fer tourné à dextre et le manche vers la pointe."},
        {"Comète",
         "Étoile à laquelle s'attache une queue de lumière ondoyante, dirigée vers la pointe."},
        {"Larme", "Goutte allongée, pointue en haut et arrondie en bas."},
        {"Otelle", "Figure en forme d'amande pelée, pointue à ses deux bouts."},
        {"Rustre", "Losange percé en rond en son centre, ce qui le distingue de la macle."},
        {"Carreau", "Petit carré plein, posé droit sur un de ses côtés."},
        {"Vire", "Figure faite de deux anneaux concentriques, l'un dans l'autre."},
        {"Fermail",
         "Boucle ronde munie de son ardillon, telle qu'on en portait pour fermer un manteau."},
        {"Bourdon",
         "Bâton de pèlerin, terminé en haut par une pomme et orné d'une seconde au-dessous."},
        {"Colonne", "Colonne dressée avec sa base et son chapiteau."},
        {"Abeille", "Insecte figuré vu de dessus, les ailes ouvertes et la tête vers le chef."},
        {"Papillon", "Insecte figuré vu de dessus, les quatre ailes étendues."},
        {"Guivre", "Grand serpent ondoyant posé en pal, la tête en haut, tournée à dextre."},
        {"Grappe",
         "Grappe de raisin pendante, avec sa queue et une feuille. On dit une grappe de raisin."},
        {"Sur-le-tout", "Petit écu posé au centre d'un écartelé, par-dessus les quartiers. On le "
                        "blasonne en dernier, après les mots sur le tout."},
        {"Tiercefeuille", "Fleur à trois feuilles pointues, percée en son centre."},
        {"Quartefeuille",
         "Fleur à quatre feuilles pointues posées en croix, percée en son centre."},
        {"Clou", "Clou dressé, la tête en haut et la pointe en bas."},
        {"Massue", "Bâton noueux, renflé et hérissé de pointes à son bout supérieur, le manche "
                   "vers la pointe."},
        {"Crosse", "Bâton pastoral d'évêque ou d'abbé, recourbé en volute à son sommet."},
        {"Chausse-trape", "Pièce de fer à quatre pointes, dont l'une se dresse toujours, que l'on "
                          "semait devant la cavalerie."},
        {"Épi", "Épi de blé dressé sur sa tige, les grains rangés de part et d'autre."},
        {"Écot", "Tronc d'arbre ébranché dont les moignons des branches coupées restent visibles."},
        // Attributes.
        {"Armé", "Se dit des griffes et des ongles d'un animal lorsqu'ils sont d'un émail "
                 "différent de son corps."},
        {"Lampassé", "Se dit de la langue d'un lion ou d'un autre quadrupède lorsqu'elle est d'un "
                     "émail particulier."},
        {"Couronné",
         "Se dit d'un animal ou d'une figure qui porte une couronne, dont on donne l'émail."},
        {"Becqué", "Se dit du bec d'un oiseau lorsqu'il est d'un émail différent de son corps."},
        {"Membré",
         "Se dit des pattes d'un oiseau lorsqu'elles sont d'un émail différent de son corps."},
        {"Maçonné", "Se dit des joints des pierres d'une tour ou d'un château lorsqu'ils sont "
                    "marqués d'un autre émail, le plus souvent de sable."},
        {"Ajouré",
         "Se dit des fenêtres d'un édifice lorsqu'elles laissent voir un émail particulier."},
        {"Ouvert", "Se dit de la porte d'une tour ou d'un château lorsqu'elle est d'un émail "
                   "différent de l'édifice."},
        {"Boutonné",
         "Se dit du centre d'une rose ou d'une fleur lorsqu'il est d'un émail particulier."},
        {"Tigé", "Se dit d'une fleur munie de sa tige, dont on donne l'émail."},
        {"Feuillé", "Se dit d'une plante dont les feuilles sont d'un émail particulier."},
        {"Garni",
         "Se dit d'une épée dont la garde et la poignée sont d'un émail différent de la lame."},
        {"Bataillé", "Se dit d'une cloche dont le battant est d'un émail différent."},
        {"Arraché", "Se dit d'un arbre ou d'une plante dont les racines sont visibles."},
    };
    return v;
}

const std::vector<Definition>& DictionnaireSeul() {
    static const std::vector<Definition> v = {
        {"Abîme", "Le centre de l'écu. Une figure y est dite en abîme quand elle s'y trouve seule, "
                  "sans toucher aucune autre."},
        {"Blason",
         "L'ensemble des règles qui décrivent les armoiries, et la description elle-même. "
         "Blasonner, c'est énoncer l'écu dans l'ordre : le champ, les pièces, puis les meubles."},
        {"Dextre", "Le côté droit de l'écu pour celui qui le porte, donc le côté gauche pour celui "
                   "qui le regarde."},
        {"Émail", "Nom commun des métaux, des couleurs et des fourrures. Au pluriel on dit émaux."},
        {"Écu", "Le bouclier sur lequel se peignent les armoiries. L'écu français a les angles du "
                "bas arrondis et une petite pointe au milieu."},
        {"Meuble", "Toute figure de l'écu qui n'est pas une pièce honorable : animaux, plantes, "
                   "objets ou figures géométriques."},
        {"Nébulé",
         "Se dit d'une pièce dont les bords forment des ondes découpées comme des nuages."},
        {"Senestre", "Le côté gauche de l'écu pour celui qui le porte, donc le côté droit pour "
                     "celui qui le regarde."},
        {"Urne", "Vase à deux anses posé debout, parfois d'où sortent des flammes ou des fleurs."},
        {"Vivré",
         "Se dit d'une pièce dont les bords forment des dents à angles droits, comme des marches."},
        {"Wivre", "Ancienne graphie de guivre : serpent ondoyant posé en pal, la tête à dextre."},
        {"Zule", "Autre nom du roc d'échiquier, la tour du jeu d'échecs."},
        {"Guivre",
         "Grand serpent ondoyant posé en pal, qui dévore souvent un enfant issant de sa gueule."},
        {"Yeuse", "Le chêne vert, figuré comme un arbre à feuilles persistantes."},
    };
    return v;
}

} // namespace bat
