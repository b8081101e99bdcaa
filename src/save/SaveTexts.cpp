// Saving and loading's own texts, French and English.
#include "save/SaveTexts.h"

#include <cerrno>

#include "state/GlobalDecl.h"

namespace {

struct Pair {
    SaveText id;
    const char* french;
    const char* english;
};

constexpr Pair kTexts[] = {
    {SaveText::SaveEntry, "Sauvegarder la partie", "Save the game"},
    {SaveText::LoadEntry, "&Reprendre une partie...", "&Load a game..."},
    {SaveText::FileKind, "Parties de Quelmor", "Quelmor games"},
    {SaveText::NoGame, "Aucune partie n'est en cours : il n'y a rien à sauvegarder.",
     "No game is running: there is nothing to save."},
    {SaveText::DuringFight, "On ne sauvegarde pas pendant un combat : finissez-le d'abord.",
     "A game cannot be saved during a fight: finish it first."},
    {SaveText::DuringShop, "On ne sauvegarde pas au marché, à la forge ou à l'arène : sortez-en d'abord.",
     "A game cannot be saved at the market, the forge or the arena: leave it first."},
    {SaveText::WindowOpen, "Fermez d'abord la fenêtre ou le menu ouvert, puis sauvegardez depuis le plateau.",
     "Close the open window or menu first, then save from the board."},
    {SaveText::LoadOnTitleOnly, "Une partie se reprend depuis l'écran titre.",
     "A game is loaded from the title screen."},
    {SaveText::ReplaceQuestion, "Ce fichier existe déjà. Le remplacer par la partie en cours ?\n",
     "This file already exists. Replace it with the running game?\n"},
    {SaveText::Replace, "&Remplacer", "&Replace"},
    {SaveText::Keep, "&Ne pas remplacer", "&Do not replace"},
    {SaveText::LeaveQuestion, "La partie en cours sera perdue. La sauvegarder avant de quitter ?",
     "The running game will be lost. Save it before leaving?"},
    {SaveText::SaveAndLeave, "&Sauvegarder", "&Save"},
    {SaveText::LeaveWithoutSaving, "&Quitter sans sauvegarder", "&Leave without saving"},
    {SaveText::Cancel, "&Annuler", "&Cancel"},
    {SaveText::LoadOverQuestion, "La partie en cours sera perdue. La sauvegarder avant d'en reprendre une autre ?",
     "The running game will be lost. Save it before loading another?"},
    {SaveText::LoadWithoutSaving, "&Reprendre sans sauvegarder", "&Load without saving"},
    {SaveText::Saved, "Partie sauvegardée : ", "Game saved: "},
    {SaveText::NotWritten, "La partie n'a pas été sauvegardée : ", "The game was not saved: "},
    {SaveText::NotLoaded, "Impossible de reprendre la partie ", "Cannot load the game "},
    {SaveText::Separator, " : ", ": "},
    {SaveText::Missing, "le fichier n'existe pas.", "the file does not exist."},
    {SaveText::Unreadable, "le fichier ne peut pas être lu.", "the file cannot be read."},
    {SaveText::Empty, "le fichier est vide.", "the file is empty."},
    {SaveText::TooLarge, "le fichier est bien trop grand pour une partie sauvegardée.",
     "the file is far too large for a saved game."},
    {SaveText::TooDeep, "le fichier est imbriqué bien plus profondément qu'une partie sauvegardée.",
     "the file is nested far deeper than a saved game."},
    {SaveText::Truncated, "le fichier est tronqué (sa fin manque).", "the file is truncated (its end is missing)."},
    {SaveText::Malformed, "le fichier est abîmé (ce n'est pas du JSON valide, octet ",
     "the file is damaged (it is not valid JSON, byte "},
    {SaveText::NotASave, "ce n'est pas une partie sauvegardée de Quelmor.", "it is not a saved Quelmor game."},
    {SaveText::OtherVersion, "la partie a été sauvegardée dans une autre version du format : ",
     "the game was saved in another version of the format: "},
    {SaveText::BadField, "la valeur ", "the value "},
    {SaveText::FieldMissing, " manque.", " is missing."},
    {SaveText::FieldType, " n'est pas du bon type.", " has the wrong type."},
    {SaveText::FieldRange, " est hors de ses limites.", " is out of its range."},
    {SaveText::FieldText, " n'est pas un texte permis (trop long ou avec des caractères interdits).",
     " is not an allowed text (too long, or with forbidden characters)."},
    {SaveText::FieldRecord, " n'est pas une fiche de personnage valable.", " is not a valid character record."},
    {SaveText::NumberTooLarge, "le fichier contient un nombre bien trop grand pour une partie sauvegardée.",
     "the file holds a number far too large for a saved game."},
    {SaveText::JsonFault, "le fichier est abîmé (lecture JSON impossible : ",
     "the file is damaged (it cannot be read as JSON: "},
    {SaveText::DuplicateKey, "le fichier donne deux fois la même valeur : ",
     "the file gives the same value twice: "},
    {SaveText::RuleBroken, "la partie ne pourrait pas continuer : ", "the game could not go on: "},
    {SaveText::DiceState, " n'est pas un état des dés.", " is not a state of the dice."},
    {SaveText::FaultNoSpace, "le disque est plein.", "the disk is full."},
    {SaveText::FaultNoRight, "vous n'avez pas le droit d'écrire dans ce dossier.",
     "you are not allowed to write in this folder."},
    {SaveText::FaultReadOnly, "ce disque ou ce dossier est en lecture seule.", "this disk or folder is read-only."},
    {SaveText::FaultNoFolder, "le dossier n'existe pas.", "the folder does not exist."},
    {SaveText::FaultNameTooLong, "le nom du fichier est trop long.", "the file's name is too long."},
    {SaveText::FaultTooLarge, "le fichier serait trop grand pour ce disque.", "the file would be too large for this disk."},
    {SaveText::FaultIsFolder, "ce nom est déjà celui d'un dossier.", "this name is already a folder's."},
    {SaveText::FaultDevice, "le disque a signalé une erreur d'écriture.", "the disk reported a write error."},
    {SaveText::FaultOther, "erreur du système n° ", "system error number "},
    {SaveText::DayInName, " - jour ", " - day "},
};

}  // namespace

std::string Say(SaveText text) {
    const bool english = gd.LanguageOffset == 2000;
    for (const Pair& p : kTexts)
        if (p.id == text) return english ? p.english : p.french;
    return "";
}

std::string SayWriteFault(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT: return Say(SaveText::FaultNoSpace);
        case EACCES:
        case EPERM: return Say(SaveText::FaultNoRight);
        case EROFS: return Say(SaveText::FaultReadOnly);
        case ENOENT:
        case ENOTDIR: return Say(SaveText::FaultNoFolder);
        case ENAMETOOLONG: return Say(SaveText::FaultNameTooLong);
        case EFBIG: return Say(SaveText::FaultTooLarge);
        case EISDIR: return Say(SaveText::FaultIsFolder);
        case EIO: return Say(SaveText::FaultDevice);
        default: return Say(SaveText::FaultOther) + std::to_string(error) + ".";
    }
}
