// The set-up screen's layout, its handlers by name and its opening.
#include "setup/FairePerso.h"

#include "state/Classes.h"
#include "state/Messages.h"
#include "state/Text.h"

namespace {

constexpr int kWidth = 776, kHeight = 466;
// Slots sit three to a row, two rows, inside Frame1.
constexpr int kSlotWidth = 164, kSlotHeight = 130, kSlotGap = 8;
constexpr int kSlotsLeft = 12, kSlotsTop = 22;
const Font kSmall{"Arial", 8.25, false, false};
const Font kBold{"Arial", 9.75, true, false};

std::string SlotKey(int k) { return "FrPerso(" + std::to_string(k) + ")"; }

}  // namespace

FairePerso::FairePerso() : Screen("FairePerso", kWidth, kHeight) {
    Layout();
    AddHandlers();
    ExposeVar("ShownPlayer", &shownPlayer_);
    ExposeVar("SelectedSlot", &selectedSlot_);
    ExposeVar("PartyClasses", &partyClasses_[0][0], (kMaxTabs + 1) * (kSlots + 1));
}

void FairePerso::Layout() {
    Place(Add(Kind::TabStrip, "EnsTab"), 16, 10, 744, 26);

    Control& nameCaption = Place(Add(Kind::Label, "nomdujoueur"), 16, 50, 196, 18);
    nameCaption.font = kBold;
    Place(Add(Kind::TextBox, "ReponseDuNom"), 16, 68, 196, 24);
    Control& listCaption = Place(Add(Kind::Label, "chpersos"), 16, 104, 196, 18);
    listCaption.font = kBold;
    Place(Add(Kind::ListBox, "List1"), 16, 122, 196, 16 * classes::kCount + 4);

    Control& party = Place(Add(Kind::Frame, "Frame1"), 228, 46, 532, 300);
    party.font = kBold;
    for (int k = 1; k <= kSlots; ++k) LayoutSlot(k);

    Place(Add(Kind::Button, "ajouter"), 228, 356, 184, 28).enabled = false;
    Place(Add(Kind::Button, "retirer"), 420, 356, 184, 28).enabled = false;
    Control& count = Place(Add(Kind::Label, "quantite"), 612, 362, 148, 18);
    count.align = Align::Right;
    count.font = kBold;

    Place(Add(Kind::Button, "Command1"), 16, 424, 150, 28);
    Place(Add(Kind::Button, "Command2"), 174, 424, 150, 28);
    Place(Add(Kind::Button, "cmdOK"), 576, 424, 88, 28).caption = "OK";
    Place(Add(Kind::Button, "cmdCancel"), 672, 424, 88, 28);
    LayoutComputerBox();
}

void FairePerso::LayoutSlot(int k) {
    int column = (k - 1) % 3, row = (k - 1) / 3;
    Control& frame = Place(Add(Kind::Frame, "FrPerso", k), kSlotsLeft + column * (kSlotWidth + kSlotGap),
                           kSlotsTop + row * (kSlotHeight + kSlotGap), kSlotWidth, kSlotHeight);
    frame.parent = "Frame1";
    frame.visible = false;
    const std::string key = SlotKey(k);

    Control& portrait = Place(Add(Kind::Image, "Image1", k), 8, 20, 64, 80);
    portrait.parent = key;
    portrait.border = true;
    Control& cls = Place(Add(Kind::Label, "ClassePerso", k), 78, 20, 84, 18);
    cls.parent = key;
    cls.font = Font{"Arial", 9, true, false};
    const char* stats[] = {"LblPw", "LblDf", "LblAg", "LblMt"};
    for (int s = 0; s < 4; ++s) {
        Control& label = Place(Add(Kind::Label, stats[s], k), 78, 42 + 15 * s, 84, 15);
        label.parent = key;
        label.font = kSmall;
    }
    Control& name = Place(Add(Kind::Label, "PrenomPerso", k), 8, 106, 150, 18);
    name.parent = key;
    name.font = Font{"Arial", 9.75, false, true};
    Control& edit = Place(Add(Kind::TextBox, "ChangerNom", k), 6, 103, 152, 22);
    edit.parent = key;
    edit.visible = false;
}

void FairePerso::AddHandlers() {
    On("List1_Click", [this](const EventArgs&) { ChooseClass(false); });
    On("List1_DblClick", [this](const EventArgs&) { ChooseClass(true); });
    On("ajouter_Click", [this](const EventArgs&) { AddCharacter(); });
    On("retirer_Click", [this](const EventArgs&) { RemoveCharacter(); });
    On("Command1_Click", [this](const EventArgs&) { AddPlayer(); });
    On("Command2_Click", [this](const EventArgs&) { RemovePlayer(); });
    On("cmdOK_Click", [this](const EventArgs&) { Confirm(); });
    On("cmdCancel_Click", [this](const EventArgs&) { Cancel(); });
    On("EnsTab_Click", [this](const EventArgs& a) { ShowPlayer(a.index + 1); }, "IX");
    // A click on any part of a slot but its name selects it; a double click removes it.
    for (const char* part : {"FrPerso", "Image1", "ClassePerso", "LblPw", "LblDf", "LblAg", "LblMt"}) {
        On(std::string(part) + "_Click", [this](const EventArgs& a) { SelectSlot(a.index); }, "I");
        On(std::string(part) + "_DblClick", [this](const EventArgs&) { RemoveCharacter(); }, "I");
    }
    On("Image1_MouseDown", [this](const EventArgs& a) { RaiseStatistics(a.index, a); }, "IBSXY");
    On("PrenomPerso_Click", [this](const EventArgs& a) { OpenNameEdit(a.index); }, "I");
    On("ChangerNom_KeyPress", [this](const EventArgs& a) { ConfirmNameEdit(a.index); }, "I");
    // The window's close box leaves the set-up the way Cancel does.
    On("Form_QueryClose", [this](const EventArgs&) { Cancel(); });
    On("Form_Click", [this](const EventArgs&) {
        ClearSelection();
        CloseNameEdits();
    });
}

void FairePerso::Load() {
    shownPlayer_ = 1;
    Control& tabs = C("EnsTab");
    tabs.tabs.clear();
    tabs.tabIcons.clear();
    for (int p = 1; p <= 2; ++p) {
        tabs.tabs.push_back(Msg(50) + " " + DigitText(p));
        tabs.tabIcons.push_back("tab" + DigitText(p) + ".ico");
    }
    tabs.selectedTab = 0;
    C("Command1").caption = Msg(51);
    C("Command2").caption = Msg(52);
    C("cmdCancel").caption = Msg(57);
    caption = Msg(58);
    C("ajouter").caption = Msg(53);
    C("retirer").caption = Msg(54);
    C("chpersos").caption = Msg(55);
    C("nomdujoueur").caption = Msg(56);
    C("Frame1").caption = Msg(50) + " " + NumberText(shownPlayer_);
    Control& list = C("List1");
    list.items.clear();
    for (int n = 1; n <= classes::kCount; ++n) list.items.push_back(classes::Name(n));
    list.listIndex = -1;
    for (int n = 1; n <= classes::kCount; ++n) templates_[n] = classes::Template(n);
    UpdateCount();
    ShowComputerBox();
}

std::unique_ptr<Screen> MakeFairePerso() { return std::make_unique<FairePerso>(); }
