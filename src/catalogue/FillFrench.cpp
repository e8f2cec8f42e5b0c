// The French texts of the catalogue; the help page stays English.
#include "catalogue/Tables.h"

namespace loc {

void FillFrench(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Ajoute"));
    table.insert(T(6, L"Ajouter des fichiers"));
    table.insert(T(7, L"Ajoute des fichiers à la liste des fichiers du livre audio."));
    table.insert(T(8, L"Retire"));
    table.insert(T(9, L"Retirer le fichier"));
    table.insert(T(10, L"Retire le fichier sélectionné de la liste des fichiers du livre audio."));
    table.insert(T(11, L"Découpe"));
    table.insert(T(12, L"Découper le livre audio"));
    table.insert(T(13, L"Découpe les fichiers du livre audio."));
    table.insert(T(20, L"Durée des pistes"));
    table.insert(T(21, L"Préfixe des pistes"));
    table.insert(T(22, L"Piste"));
    table.insert(T(23, L"Aide"));
    table.insert(T(24, L"Affiche l'aide de Vellomar."));
    table.insert(T(25, L"À propos de Vellomar"));
    table.insert(T(26, L"Affiche des informations sur Vellomar."));
    table.insert(T(27, L"Quitter"));
    table.insert(T(28, L"Quitte le programme."));
    table.insert(T(29, L"Fichiers MP3 du livre audio"));
    table.insert(T(30, L"Balise ID3"));
    table.insert(T(31, L"Découpe"));
    table.insert(T(32, L"Options"));
    table.insert(T(33, L"Progression"));
    table.insert(T(34, L"Bienvenue dans Vellomar !"));
    table.insert(T(37, L"Tous droits réservés"));
    table.insert(T(38, L"Ce programme est un logiciel libre distribué sous licence GPL."));
    table.insert(T(39, L"Remerciements particuliers à :"));
    table.insert(T(40, L"Pour plus d'informations, consultez notre site web :"));
    table.insert(T(41, L"Choisissez le dossier de destination"));
    table.insert(T(42, L"Fichier « %s » écrit"));
    table.insert(T(43, L"Le livre audio a été découpé avec succès."));
    table.insert(T(44, L"Opération annulée par l'utilisateur."));
    table.insert(T(45, L"Une erreur s'est produite sur %s."));
    table.insert(T(46, L"Ajouter des fichiers de livre audio"));
    table.insert(T(47, L"Le dossier %s n'est pas vide. Écraser les fichiers existants si nécessaire ?"));
    table.insert(T(48, L"Fichiers MP3"));
    table.insert(T(49, L"Tous les fichiers"));
    table.insert(T(50, L"%s ajouté."));
    table.insert(T(51, L"%s retiré."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(54, L"ms"));
    table.insert(T(55, L"Durée minimale des pistes réglée sur %d minutes."));
    table.insert(T(56, L"Durée minimale des pistes réglée sur %d secondes."));
    table.insert(T(57, L"Découpe de %s ..."));
    table.insert(T(58, L"Découpe en cours ..."));
    table.insert(T(59, L"Veuillez d'abord interrompre la découpe en cours."));
    table.insert(T(60, L"Voulez-vous vraiment quitter ?"));
    table.insert(T(61, L"Nom de base des pistes changé en « %s »."));
    table.insert(T(62, L"Aidez-nous en faisant un don"));
    table.insert(T(67, L"Ce fichier n'est pas disponible."));
    table.insert(T(68, L"Ce fichier ne peut pas être ouvert."));
    table.insert(T(69, L"Le dossier %s est introuvable."));
    table.insert(T(70, L"Impossible d'ouvrir le dossier %s."));
    table.insert(T(71, L"Erreur lors de l'initialisation du décodeur audio."));
    table.insert(T(72, L"Erreur lors de la lecture du fichier."));
    table.insert(T(73, L"Erreur lors de l'écriture du fichier."));
    table.insert(T(74, L"Erreur lors de l'ouverture du fichier."));
    table.insert(T(75, L"Le fichier audio d'entrée est corrompu."));
    table.insert(T(76, L"Erreur dans le moteur de découpe."));
    table.insert(T(77, L"Une erreur inattendue s'est produite."));
    table.insert(T(79, L"Voulez-vous enregistrer le fichier journal ?"));
    table.insert(T(80, L"Enregistrer le fichier journal"));
    table.insert(T(87, L"Traduction française de l'équipe Vellomar."));
    table.insert(T(92,
        L"Your help is needed:\nThe application's French translation is still incomplete.\n"
        L"Please contact the authors and support the project."));
    table.insert(T(93, L"Préréglages"));
    table.insert(T(94, L"Livre Audio"));
    table.insert(T(95, L"Podcast (courts silences avec bruit de fond)"));
    table.insert(T(96, L"Par durée (découpe exacte sans détection des silences)"));
    table.insert(T(97, L"Par pause (découpe à chaque pause)"));
    table.insert(T(98, L"Réglages personnalisés"));
    table.insert(T(99, L"aussi court que possible"));
    table.insert(T(100, L"Options de découpe"));
    table.insert(T(101, L"Détection des silences"));
    table.insert(T(103, L"Définition du silence"));
    table.insert(T(104, L"Niveau de bruit"));
    table.insert(T(105, L"faible"));
    table.insert(T(106, L"moyen"));
    table.insert(T(107, L"élevé"));
    table.insert(T(108, L"automatique"));
    table.insert(T(109, L"Durée minimale"));
    table.insert(T(111, L"Mode automatique"));
    table.insert(T(112, L"Réglages par défaut"));
    table.insert(T(113, L"Options de création"));
    table.insert(T(114, L"Créer des balises ID3"));
    table.insert(T(115, L"Version"));
    table.insert(T(116, L"ID3v1.1"));
    table.insert(T(117, L"ID3v2.3"));
    table.insert(T(118, L"ID3v1.1 et ID3v2.3"));
    table.insert(T(119, L"Contenu"));
    table.insert(T(120, L"Générer le titre à partir du nom du fichier audio"));
    table.insert(T(121, L"Générer le nom de l'album à partir du titre"));
    table.insert(T(122, L"Titre"));
    table.insert(T(123, L"Album"));
    table.insert(T(124, L"Genre"));
    table.insert(T(125, L"Parole"));
    table.insert(T(126, L"Livre Audio"));
    table.insert(T(127, L"Auteur"));
    table.insert(T(128, L"Commentaire"));
    table.insert(T(129, L"Exemple :"));
    table.insert(T(130, L"Position du numéro de piste"));
    table.insert(T(131, L"Ajouter le numéro de piste au début du titre"));
    table.insert(T(132, L"Ajouter le numéro de piste à la fin du titre"));
    table.insert(T(133, L"Format du numéro de piste"));
    table.insert(T(134, L"sans zéros initiaux"));
    table.insert(T(135, L"2 chiffres"));
    table.insert(T(136, L"3 chiffres"));
    table.insert(T(137, L"4 chiffres"));
    table.insert(T(138, L"Général"));
    table.insert(T(140, L"Gestion des fichiers"));
    table.insert(T(141, L"Gestion des dossiers"));
    table.insert(T(142, L"Enregistrer les réglages et mémoriser les dossiers"));
    table.insert(T(143, L"Fusionner les fichiers avant la découpe"));
    table.insert(T(144, L"Découper les fichiers séparément"));
    table.insert(T(145, L"Créer une liste de lecture"));
    table.insert(T(146,
        L"Créer automatiquement un sous-dossier pour les fichiers découpés dans le dossier de "
        L"destination"));
    table.insert(T(147, L"Utiliser le dossier source comme destination par défaut"));
}

} // namespace loc
