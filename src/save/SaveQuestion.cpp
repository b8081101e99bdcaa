#include "save/SaveQuestion.h"

#include <algorithm>
#include <memory>

#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int kButtonWidth = 150, kGap = 10;

class SaveAsk : public Screen {
public:
    SaveAsk(const std::string& text, const std::vector<std::string>& answers, int& answer)
        : Screen("SaveAsk", Width(answers.size()), 130), answer_(answer) {
        caption = "Quelmor";
        Control& label = Place(Add(Kind::Label, "Texte"), 16, 14, width - 32, 60);
        label.caption = text;
        label.wordWrap = true;
        const int count = static_cast<int>(answers.size());
        const int left = (width - count * kButtonWidth - (count - 1) * kGap) / 2;
        for (int k = 0; k < count; ++k) {
            Control& b = Place(Add(Kind::Button, "Bouton", k), left + k * (kButtonWidth + kGap), 88, kButtonWidth, 28);
            b.caption = answers[static_cast<size_t>(k)];
            // The first answer takes Return, the last one (the cautious one) Escape.
            if (k == 0) b.hotkey = "Return";
            if (k == count - 1) b.hotkey = "Esc";
        }
        answer_ = count - 1;
        On("Bouton_Click", [this](const EventArgs& a) {
            answer_ = a.index;
            Ui::Get().Close(*this);
        }, "I");
    }

private:
    static int Width(size_t answers) {
        const int n = static_cast<int>(answers);
        return std::max(380, n * kButtonWidth + (n - 1) * kGap + 32);
    }
    int& answer_;
};

}  // namespace

int AskPlayer(const std::string& text, const std::vector<std::string>& answers) {
    int answer = static_cast<int>(answers.size()) - 1;
    Ui::Get().ShowModal(std::make_unique<SaveAsk>(text, answers, answer));
    return answer;
}
