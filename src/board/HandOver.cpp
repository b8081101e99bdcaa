// The hand-over banner and the fight notice over the map, and the key that shows the banner
// again. Their texts are the board's own, in both languages.
#include "board/HandOver.h"

#include <algorithm>

#include "board/Board.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Status.h"
#include "ui/Contrast.h"
#include "ui/InputLog.h"
#include "ui/Ui.h"

namespace {

constexpr Rgb kPlate{24, 18, 10};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kVictory{110, 210, 110}, kDefeat{230, 70, 60}, kNeutral{230, 190, 90};

// The banner stays a moment and fades within a few seconds; the notice stays longer, as it
// has more to read. A banner waiting for the player's input holds "for a day", that is until
// the input comes, and at least 4 s when the computer played before.
constexpr int kBannerHoldMs = 1500, kBannerFadeMs = 1000;
constexpr int kBannerUntilInputMs = 24 * 3600 * 1000, kBannerAfterComputerMs = 4000;
constexpr int kNoticeHoldMs = 5000, kNoticeFadeMs = 1000;
// The notice stands on the lower part of the map, as high as its lines need.
constexpr int kNoticeLeft = 100, kNoticeWidth = 440, kNoticeBottom = 460;
constexpr int kNoticeCharsPerLine = 58, kNoticeLineHeight = 18;
// The computer's plate: one line along the map's lower edge, just above the information line,
// under the notice. It stays while the computer plays on and fades a while after its last word.
constexpr int kSayingTop = 460, kSayingHeight = 20;
constexpr int kSayingHoldMs = 6000, kSayingFadeMs = 1000;

bool English() { return gd.LanguageOffset == 2000; }

// A colour as close to c as still reads well on the plate: lifted towards white if needed.
Rgb Legible(Rgb c) {
    for (int step = 0; step < 10 && ContrastRatio(c, kPlate) < 4.5; ++step)
        c = Rgb{c.r + (255 - c.r) / 4, c.g + (255 - c.g) / 4, c.b + (255 - c.b) / 4};
    return c;
}

Control& Plate(frmJeu& b, const std::string& name, int left, int top, int width, int height) {
    Control& plate = Place(b.Add(Kind::PictureBox, name), left, top, width, height);
    plate.opaque = true;
    plate.back = kPlate;
    plate.decoration = true;
    plate.visible = false;
    return plate;
}

Control& Line(frmJeu& b, const std::string& name, const std::string& plate, int left, int top, int width,
              int height, Font font) {
    Control& line = Place(b.Add(Kind::Label, name), left, top, width, height);
    line.parent = plate;
    line.font = std::move(font);
    line.align = Align::Center;
    line.decoration = true;
    return line;
}

// A frame of two lines of colour c inside the plate.
void Frame(frmJeu& b, Control& plate, Rgb c) {
    b.Cls(plate);
    b.DrawBox(plate, 0, 0, plate.width - 1, plate.height - 1, c, false);
    b.DrawBox(plate, 1, 1, plate.width - 2, plate.height - 2, c, false);
}

void StartFade(Control& plate, int holdMs, int fadeMs) {
    plate.visible = true;
    plate.shownAt = Ui::Get().Now();
    plate.holdMs = holdMs;
    plate.fadeMs = fadeMs;
}

Rgb ToneColor(FightNoticeTone tone) {
    switch (tone) {
        case FightNoticeTone::Victory: return kVictory;
        case FightNoticeTone::Defeat: return kDefeat;
        default: return kNeutral;
    }
}

}  // namespace

void AddHandOverControls(frmJeu& b) {
    Plate(b, "Relais", 170, 16, 300, 60);
    Line(b, "RelaisJoueur", "Relais", 4, 6, 292, 26, Font{"Times New Roman", 16, true});
    Line(b, "RelaisPerso", "Relais", 4, 35, 292, 20, Font{"Arial", 10, false}).fore = kLightYellow;

    Plate(b, "Avis", kNoticeLeft, kNoticeBottom - 40, kNoticeWidth, 40);
    Control& text = Line(b, "AvisTexte", "Avis", 10, 10, kNoticeWidth - 20, 60, Font{"Times New Roman", 12, true});
    text.fore = kLightYellow;
    text.wordWrap = true;

    Plate(b, "Ordinateur", 0, kSayingTop, 640, kSayingHeight);
    Line(b, "OrdinateurTexte", "Ordinateur", 6, 2, 628, kSayingHeight - 4, Font{"Arial", 9, false}).fore = kLightYellow;

    // T shows the banner again; the menu holding the key is never shown.
    Control& keys = b.Add(Kind::Menu, "MNU_Relais");
    keys.popupMenu = true;
    Control& again = b.Add(Kind::Menu, "MNU_RelaisRevoir");
    again.parent = "MNU_Relais";
    b.On("MNU_RelaisRevoir_Click", [](const EventArgs&) { ShowTurnBanner(); });
}

void ShowTurnBanner() {
    frmJeu* b = Jeu();
    if (!b) return;
    input_log::HandOver();  // a record being written is made safe on disk at each hand-over
    const int c = gd.CurrentCharacter;
    const int player = Controller(c);
    const Rgb color = PlayerColor(rec::Owner(player));
    const std::string name = rec::ReadName(player, rec::Name::Player);
    b->C("MNU_Relais").caption = English() ? "Turn" : "Tour";
    b->C("MNU_RelaisRevoir").caption = English() ? "Whose &turn" : "À qui le &tour";

    Control& plate = b->C("Relais");
    Frame(*b, plate, color);
    Control& who = b->C("RelaisJoueur");
    const int owner = rec::Owner(player);
    if (owner >= 1 && owner <= kMaxPlayers && gd.ComputerPlayer[owner])
        who.caption = English() ? "The computer plays " + name : "L'ordinateur joue " + name;
    else
        who.caption = English() ? "Your turn, " + name + "!" : "À vous, " + name + "\u00A0!";
    who.fore = Legible(color);
    std::string line = rec::ReadName(c, rec::Name::Character) + " (" + classes::Name(rec::ClassNumber(c)) + ")";
    if (player != c) line += English() ? ", under your control" : ", sous votre contrôle";
    b->C("RelaisPerso").caption = line;

    // A person's turn after another party's waits for that person; otherwise a moment.
    BannerWatch& w = b->bannerWatch;
    const bool computer = owner >= 1 && owner <= kMaxPlayers && gd.ComputerPlayer[owner];
    const bool sameParty = w.announced != 0 && rec::Owner(w.announced) == owner && w.announcedComputer == computer;
    w.holdsForInput = !computer && !sameParty;
    w.leastMs = w.announced != 0 && w.announcedComputer ? kBannerAfterComputerMs : kBannerHoldMs;
    w.announced = player;
    w.announcedComputer = computer;
    // The input that brought the banner (an end of turn) is not the one it waits for.
    w.fresh = b->Handling();
    StartFade(plate, w.holdsForInput ? kBannerUntilInputMs : kBannerHoldMs, kBannerFadeMs);
    b->C("Avis").visible = false;
    // A person's turn: the computer's last word leaves the map to the player.
    if (!computer) b->C("Ordinateur").visible = false;
}

void ShowComputerSaying(const std::string& text) {
    frmJeu* b = Jeu();
    if (!b) return;
    Control& plate = b->C("Ordinateur");
    Frame(*b, plate, PlayerColor(rec::Owner(Controller(gd.CurrentCharacter))));
    b->C("OrdinateurTexte").caption = text;
    StartFade(plate, kSayingHoldMs, kSayingFadeMs);
}

void BannerSeesInput() {
    frmJeu* b = Jeu();
    if (!b) return;
    BannerWatch& w = b->bannerWatch;
    if (w.fresh) {
        w.fresh = false;
        return;
    }
    if (!w.holdsForInput) return;
    w.holdsForInput = false;
    Control& plate = b->C("Relais");
    const long long shown = Ui::Get().Now() - plate.shownAt;
    plate.holdMs = static_cast<int>(std::max<long long>(w.leastMs, shown));
}

void frmJeu::DrawNotice(const std::string& text, FightNoticeTone tone) {
    Control& plate = C("Avis");
    // Lines counted by characters (UTF-8 continuation bytes left out): the text wraps at about
    // this many in the notice's font.
    const long glyphs = std::count_if(text.begin(), text.end(), [](char ch) { return (ch & 0xC0) != 0x80; });
    const int lines = static_cast<int>(std::clamp((glyphs + kNoticeCharsPerLine - 1) / kNoticeCharsPerLine, 1L, 3L));
    plate.height = 20 + kNoticeLineHeight * lines;
    plate.top = kNoticeBottom - plate.height;
    Frame(*this, plate, ToneColor(tone));
    C("AvisTexte").caption = text;
    StartFade(plate, kNoticeHoldMs, kNoticeFadeMs);
    C("Relais").visible = false;
}
