// The board window: the big map with its icons, the zone thumbnails, the character panel,
// the action buttons, the sundial, the information line and the item list.
#include <string>


#include "board/Encounter.h"
#include "board/FightForecast.h"
#include "board/HandOver.h"
#include "board/frmJeu.h"
#include "ui/Navigation.h"

namespace {

constexpr Rgb kLightYellow{255, 255, 128};

Control& Picture(frmJeu& s, const std::string& name, int index, int left, int top, int width, int height,
                 const std::string& file) {
    Control& c = Place(s.Add(Kind::Image, name, index), left, top, width, height);
    c.picture = file;
    c.stretch = true;
    return c;
}

Control& Text(frmJeu& s, const std::string& name, int index, int left, int top, int width, int height) {
    Control& c = Place(s.Add(Kind::Label, name, index), left, top, width, height);
    c.fore = colors::kWhite;
    c.font = Font{"Arial", 9.75, false};
    return c;
}

// The frame behind the panel: wood columns, bars, the ornament and the sundial frame.
void AddDecorations(frmJeu& s) {
    Picture(s, "Panneau", -1, 640, 0, 152, 570, "panneau.bmp");
    Picture(s, "Bandeau", -1, 0, 480, 640, 90, "bandeau.bmp");
    Picture(s, "Ornement", -1, 640, 147, 153, 12, "ornement.gif");
    Picture(s, "BarreH", 1, 640, 312, 153, 4, "barreh.bmp");
    Picture(s, "BarreH", 2, 640, 355, 153, 4, "barreh.bmp");
    Picture(s, "BarreV", 1, 644, 316, 4, 40, "barrev.bmp");
    Picture(s, "BarreV", 2, 785, 316, 4, 40, "barrev.bmp");
    Picture(s, "Cadre", -1, 640, 366, 153, 114, "cadre.bmp");
}

void AddMap(frmJeu& s) {
    Control& map = Picture(s, "Image1", -1, 0, 0, 640, 480, "table3.bmp");
    map.stretch = false;
    const int left[5] = {0, 640, 716, 640, 716}, top[5] = {0, 0, 0, 56, 56};
    for (int k = 1; k <= 4; ++k) {
        Control& c = Place(s.Add(Kind::PictureBox, "Carte", k), left[k], top[k], 76, k <= 2 ? 56 : 57);
        c.picture = "carte" + std::to_string(k) + ".bmp";
    }
    for (int i = 1; i <= 16; ++i) Picture(s, "Bloc", i, 0, 0, 32, 32, "bloc.gif").visible = false;
    AddIconBases(s);
    for (int i = 1; i <= 16; ++i) Picture(s, "Perso1", i, 0, 0, 32, 32, "").visible = false;
}

void AddValue(frmJeu& s, const std::string& icon, const std::string& file, const std::string& label, int left,
              int top) {
    Picture(s, icon, -1, left, top, 16, 16, file);
    Text(s, label, -1, left + 24, top, 41, 17).font.bold = true;
}

void AddPanel(frmJeu& s) {
    Control& name = Text(s, "lblNom", -1, 640, 128, 153, 18);
    name.fore = kLightYellow;
    name.font = Font{"Times New Roman", 12, true};
    name.align = Align::Center;
    Text(s, "lblClasse", -1, 640, 160, 153, 17).align = Align::Center;
    AddValue(s, "Image2", "icoatt.gif", "lblAtt", 648, 192);
    AddValue(s, "Image3", "icodef.gif", "lblDef", 720, 192);
    AddValue(s, "Image4", "icoag.gif", "LblAg", 648, 224);
    AddValue(s, "Image5", "icomvt.gif", "lblMvt", 720, 224);
    AddValue(s, "Image14", "icovie.gif", "lblLife", 648, 256);
    AddValue(s, "Image15", "icoress.gif", "lblResource", 720, 256);
    AddValue(s, "Image6", "icoexp.gif", "lblNiv", 648, 288);
    AddValue(s, "Image7", "icoor.gif", "lblPognon", 720, 288);

    const char* buttons[4] = {"Capacity", "Magic", "EndTurn", "SaveLoad"};
    for (int b = 0; b < 4; ++b)
        Picture(s, buttons[b], -1, 652 + 32 * b, 323, 32, 32, "bouton" + std::to_string(17 + 4 * b) + ".bmp");
    Control& save = s.C("SaveLoad");
    save.picture = "bouton13.bmp";
    save.visible = false;
    save.enabled = false;
    AddMagicPointsLabel(s);

    Picture(s, "CadranSoleil", -1, 674, 380, 84, 84, "soleil1.bmp");
    Control& clock = Text(s, "TimeIsOnMySide", -1, 664, 460, 105, 17);
    clock.align = Align::Center;
    clock.fore = kLightYellow;
    clock.font = Font{"Arial Narrow", 9, false};

    Control& info = Text(s, "Informations", -1, 48, 496, 529, 57);
    info.fore = colors::kYellow;
    info.font = Font{"Times New Roman", 12, false};
    info.wordWrap = true;
    for (int line = 0; line < 3; ++line) Text(s, "Inventaire", line, 616, 500 + 16 * line, 145, 17);
    Picture(s, "ScrollUp", -1, 768, 500, 10, 6, "flechehaut.bmp");
    Picture(s, "ScrollDn", -1, 768, 544, 10, 6, "flechebas.bmp");
    Control& track = s.Add(Kind::Line, "Line2");
    Place(track, 772, 508, 772, 542);
    track.fore = colors::kYellow;

    // The fight button lies over the class line and the values while a fight waits.
    Control& fight = Place(s.Add(Kind::Image, "BattleNow"), 640, 160, 153, 153);
    fight.visible = false;
    fight.enabled = false;
}

void AddDirectionMenu(frmJeu& s) {
    Control& menu = s.Add(Kind::Menu, "MNU_Dir");
    menu.popupMenu = true;
    menu.caption = "Dir";
    const char* entries[4][2] = {{"MNU_Up", "Up"}, {"MNU_Down", "Down"}, {"MNU_Left", "Left"}, {"MNU_Right", "Right"}};
    for (auto& e : entries) {
        Control& c = s.Add(Kind::Menu, e[0]);
        c.parent = "MNU_Dir";
        c.shortcut = e[1];
    }
}

}  // namespace

frmJeu::frmJeu(const BoardState* resume) : Screen("frmJeu", 792, 570), resume_(resume) {
    caption = "Quelmor";
    backColor = colors::kBlack;
    AddDecorations(*this);
    AddMap(*this);
    AddPanel(*this);
    AddHandOverControls(*this);
    AddFightForecast(*this);
    AddDirectionMenu(*this);
    AddHelpKeys(*this);
    AddSaveEntry(*this);
    AddGameMenu(*this);

    // The board's values, by the names the driver dumps and sets them.
    ExposeVar("HourCounter", &gb.HourCounter);
    ExposeVar("DisplayedZone", &gb.DisplayedZone);
    ExposeVar("BlockX", gb.BlockX.data(), static_cast<int>(gb.BlockX.size()));
    ExposeVar("BlockY", gb.BlockY.data(), static_cast<int>(gb.BlockY.size()));
    ExposeVar("BlockZone", gb.BlockZone.data(), static_cast<int>(gb.BlockZone.size()));

    AddTurnHandlers(*this);
    AddMovementHandlers(*this);
    AddPanelHandlers(*this);
    AddEncounterHandlers(*this);
    AddItemHandlersToBoard(*this);
}
