// The back-story of Quelmor, told line by line under the burning sword of the title screen.
// French in every language. Each line fits one line of the title screen's band.
#include "setup/Legend.h"

const char* const kLegend[kLegendCount] = {
    // The four mages
    "Jadis, le monde de Quelmor était gouverné par quatre mages.",
    "Chacun d'eux régnait en maître sur l'une des quatre terres :",
    "le premier veillait sur les cimes glacées de la montagne,",
    "le second sur les blés et les vents de la grande plaine,",
    "le troisième sur les arbres séculaires de la forêt,",
    "et le dernier sur les rues et les remparts de la ville.",
    "",
    // The dark mage and the keeper of the keys
    "Mais un cinquième mage, rongé par les ténèbres, se dressa.",
    "Aux portes de la ville, il éleva la sinistre Tour Noire",
    "et, du haut de ses murs, déclara la guerre aux quatre mages.",
    "Des années durant, le feu et la magie ravagèrent les terres.",
    "Alors un dieu, las de ce chaos, envoya sur le monde",
    "un gardien des clés, ni bon ni mauvais, sans maître aucun.",
    "Le gardien enferma les quatre mages au Paradis",
    "et jeta le mage noir au plus profond de l'Enfer.",
    "Puis il s'installa dans la Tour Noire, enfin silencieuse,",
    "pour y garder à jamais les deux clés célestes",
    "qui, seules, ouvrent les portes du Paradis et de l'Enfer.",
    "",
    // The righteous
    "Aujourd'hui, des compagnies d'aventuriers prennent la route.",
    "Les Justes veulent délivrer les quatre mages du Paradis",
    "afin que la sagesse et la paix reviennent sur le monde.",
    "Pour cela, ils devront trouver la clé runique et la clé d'or",
    "qui, ensemble, ouvrent la porte de la Tour Noire.",
    "",
    // The putrid
    "Les Putrides, eux, veulent libérer le mage noir de l'Enfer",
    "et plonger le monde entier dans un chaos sans fin.",
    "Ils chercheront la clé runique et la clé d'ombre,",
    "forceront la porte de la Tour Noire",
    "et graviront ses cinq étages, gardés chacun",
    "par une créature plus terrible que la précédente.",
    "",
    // Whichever the side
    "Mais tous devront affronter le gardien des clés : QUELMOR.",
    "",
    "",
    "",
    "",
};
