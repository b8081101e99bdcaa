// The six character slots of the shown player: choosing a class, adding, selecting,
// removing and renaming characters, the hidden statistics shortcut and the count label.
#include "setup/FairePerso.h"
#include "state/Classes.h"
#include "state/Messages.h"
#include "state/Text.h"

void FairePerso::ChooseClass(bool addAtOnce) {
    ClearSelection();
    bool slotFree = partyClasses_[shownPlayer_][kSlots] == 0;
    C("ajouter").enabled = slotFree;
    if (addAtOnce && slotFree) AddCharacter();
}

void FairePerso::AddCharacter() {
    Control& list = C("List1");
    if (list.listIndex < 0 || list.listIndex >= static_cast<int>(list.items.size())) return;
    int k = 1;
    while (k <= kSlots && C("FrPerso", k).visible) ++k;
    if (k > kSlots) return;

    Control& frame = C("FrPerso", k);
    frame.caption = Msg(76) + NumberText(k);
    frame.back = colors::kButtonFace;
    frame.visible = true;
    std::string className = list.items[list.listIndex];
    int n = 0;
    for (int c = 1; c <= classes::kCount; ++c)
        if (Msg(59 + c) == className) n = c;
    list.items.erase(list.items.begin() + list.listIndex);
    list.listIndex = -1;
    C("ajouter").enabled = false;

    partyClasses_[shownPlayer_][k] = n;
    partyNames_[shownPlayer_][k] = classes::DefaultName(n);
    FillSlot(k, n, partyNames_[shownPlayer_][k]);
    UpdateCount();
}

void FairePerso::FillSlot(int k, int classNumber, const std::string& name) {
    C("Image1", k).picture = classes::PortraitFile(classNumber);
    C("PrenomPerso", k).caption = name;
    C("ClassePerso", k).caption = classes::Name(classNumber);
    ShowStatistics(k, classNumber);
}

void FairePerso::ShowStatistics(int k, int classNumber) {
    const std::string& t = templates_[classNumber];
    auto digit = [&t](int position) { return classes::TemplateDigit(t, position); };
    C("LblPw", k).caption = "Att. : " + DigitText(digit(6));
    C("LblDf", k).caption = "Def. : " + DigitText(digit(7));
    C("LblAg", k).caption = "Ag. : " + DigitText(digit(8));
    std::string move = "Mvt. : " + DigitText(digit(1)) + " D6";
    if (digit(2) != 0) move += " + " + DigitText(digit(2));
    C("LblMt", k).caption = move;
}

void FairePerso::SelectSlot(int k) {
    CloseNameEdits();
    if (k < 1 || k > kSlots || k == selectedSlot_) return;
    if (selectedSlot_ != 0) C("FrPerso", selectedSlot_).back = colors::kButtonFace;
    selectedSlot_ = k;
    C("retirer").enabled = true;
    C("FrPerso", k).back = colors::kRed;
}

void FairePerso::ClearSelection() {
    if (selectedSlot_ != 0) C("FrPerso", selectedSlot_).back = colors::kButtonFace;
    selectedSlot_ = 0;
    C("retirer").enabled = false;
}

void FairePerso::RemoveCharacter() {
    if (selectedSlot_ == 0) return;
    C("retirer").enabled = false;
    int last = 0;
    for (int k = 1; k <= kSlots; ++k)
        if (C("FrPerso", k).visible) last = k;
    if (last == 0) return;
    C("List1").items.push_back(C("ClassePerso", selectedSlot_).caption);
    int* classesOf = partyClasses_[shownPlayer_];
    std::string* namesOf = partyNames_[shownPlayer_];
    for (int k = selectedSlot_; k < last; ++k) {
        classesOf[k] = classesOf[k + 1];
        namesOf[k] = namesOf[k + 1];
        FillSlot(k, classesOf[k], namesOf[k]);
    }
    C("FrPerso", last).visible = false;
    classesOf[last] = 0;
    namesOf[last].clear();
    ClearSelection();
    UpdateCount();
}

void FairePerso::OpenNameEdit(int k) {
    if (k < 1 || k > kSlots) return;
    Control& edit = C("ChangerNom", k);
    edit.text = partyNames_[shownPlayer_][k];
    edit.visible = true;
}

void FairePerso::ConfirmNameEdit(int k) {
    if (k < 1 || k > kSlots) return;
    Control& edit = C("ChangerNom", k);
    edit.visible = false;
    if (edit.text.empty()) return;
    C("PrenomPerso", k).caption = edit.text;
    partyNames_[shownPlayer_][k] = edit.text;
}

void FairePerso::CloseNameEdits() {
    for (int k = 1; k <= kSlots; ++k)
        if (C("ChangerNom", k).visible) ConfirmNameEdit(k);
}

void FairePerso::RaiseStatistics(int k, const EventArgs& a) {
    // Shift and Ctrl held with the left button: attack, defence and agility of the class become 9.
    if (a.button != 1 || a.shift != 3 || k < 1 || k > kSlots) return;
    int n = partyClasses_[shownPlayer_][k];
    std::string& t = templates_[n];
    if (n == 0 || t.size() < 8) return;
    t.replace(5, 3, "999");
    ShowStatistics(k, n);
}

int FairePerso::LastSlot() const {
    int last = 0;
    for (int k = 1; k <= kSlots; ++k)
        if (partyClasses_[shownPlayer_][k] != 0) last = k;
    return last;
}

void FairePerso::UpdateCount() {
    int rest = 8 - TabCount() - LastSlot();
    Control& count = C("quantite");
    if (rest > 0) {
        count.caption = DigitText(rest % 10) + " " + Msg(40);
        count.fore = colors::kBlue;
    } else if (rest == 0) {
        count.caption = "0 " + Msg(40);
        count.fore = colors::kBlack;
    } else {
        count.caption = DigitText(-rest % 10) + " " + Msg(41);
        count.fore = colors::kRed;
    }
}
