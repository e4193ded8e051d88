// strings_french.cpp - the French interface texts. Placeholders are {1}, {2}, ...

#include "shell/string_tables.h"

namespace varnholt {
namespace {

constexpr StringEntry kFrench[] = {
    {IDS_LANGUAGE_ENGLISH, L"Anglais"},
    {IDS_LANGUAGE_FRENCH, L"Français"},
    {IDS_INFO_VERSION, L"Version {1}.{2}.{3}.{4}"},
    {IDS_INFO_DOCUMENT, L"Planning ouvert"},
    {IDS_OPEN_FAILED, L"Impossible d'ouvrir « {1} ».\n\nSeuls les fichiers XER et les classeurs .xls "
                      L"exportés par un logiciel de planification peuvent être ouverts, et le fichier "
                      L"doit être complet."},
    {IDS_PRINT_SCALE_SMALL, L"Les pages sont imprimées à {1} % de leur taille et risquent d'être peu lisibles."},
    {IDS_PRINT_SCALE_RESET, L"Aucune échelle d'impression n'a été trouvée ; les pages sont imprimées à {1} %."},
    {IDS_PRINT_NO_PAGES, L"Le tableau ne peut pas être découpé en pages : une colonne est plus large que la page."},
    {IDS_PRINT_MANY_PAGES, L"Cette impression occupe {1} pages."},
    {IDS_PRINT_NOTHING, L"Cette catégorie ne contient rien à imprimer."},
    {IDS_PRINT_FOOTER, L"Page {1} sur {2}"},
    {IDS_START_BEFORE_CHART, L"La date de début ne peut pas précéder la première date du diagramme, {1}."},
    {IDS_START_AFTER_END, L"La date de début ne peut pas suivre la date de fin."},
    {IDS_END_AFTER_CHART, L"La date de fin ne peut pas suivre la dernière date du diagramme, {1}."},
    {IDS_END_BEFORE_START, L"La date de fin ne peut pas précéder la date de début."},
    {IDS_OPTIONS, L"Options"},
    {IDS_HELP_TOOLTIP, L"Ouvrir l'aide en ligne"},
    {IDS_WEB_SITE_TOOLTIP, L"Visiter le site web d'Oskeldan"},
    {IDS_PRINT_MARGINS, L"Marges"},
    {IDS_PRINT_HEADER_FOOTER, L"En-tête et pied de page"},
    {IDS_CALENDAR_HOURS, L"Heures travaillées"},
    {240, L"Dimanche"},
    {241, L"Lundi"},
    {242, L"Mardi"},
    {243, L"Mercredi"},
    {244, L"Jeudi"},
    {245, L"Vendredi"},
    {IDS_SATURDAY, L"Samedi"},
    {IDS_FIND_NO_MATCH, L"Aucune autre occurrence n'a été trouvée."},
    {IDS_UNIT_QUARTER, L"Trimestre"},
    {IDS_UNIT_MONTH, L"Mois"},
    {IDS_UNIT_WEEK, L"Semaine"},
    {IDS_UNIT_DAY, L"Jour"},
    {IDS_UNIT_SHIFT, L"Poste"},
    {IDS_UNIT_HOUR, L"Heure"},
    {IDS_SHIFT_START, L"Début"},
    {IDS_SHIFT_HOURS, L"Heures"},
    {IDS_UNIT_YEAR, L"Année"},
    {272, L"Année / Trimestre"},
    {273, L"Année / Mois"},
    {274, L"Trimestre / Mois"},
    {275, L"Mois / Semaine"},
    {276, L"Semaine / Jour (lettres)"},
    {277, L"Semaine / Jour (noms)"},
    {IDS_TIMESCALE_LAST, L"Jour / Heure"},
    {IDS_LANGUAGE_CHANGED, L"La nouvelle langue s'appliquera au prochain démarrage de VarnholtReader."},
    {IDS_NO_SCHEDULE, L"Aucun planning n'est ouvert"},
    {IDS_FILE_TAB, L"Fichier"},
    {IDS_OK, L"OK"},
    {IDS_CANCEL, L"Annuler"},
    {IDS_FILTER_COLUMN, L"Filtre"},
    {IDS_BUILT_IN_FILTERS, L"Filtres prédéfinis"},
    {IDS_OTHER_FILTERS, L"Filtres des dispositions"},
    {IDS_DETAILS_BUTTON, L"Détails"},
};

}  // namespace

std::span<const StringEntry> FrenchStrings() noexcept { return kFrench; }

}  // namespace varnholt
