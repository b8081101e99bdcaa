#include "state/Classes.h"

#include "state/Messages.h"
#include "state/Text.h"

namespace classes {
namespace {

const char* const kTemplates[kCount + 1] = {
    "",
    "10000658302000030510072003610",
    "2200098980800015072305510050001806611",
    "22000875303000150723053002611",
    "20000259100000470012052103601",
    "10000559302000130603052003610",
    "2000025910000046092103610",
    "10000656101000180729035000611",
    "13000369502000000841002305611",
    "1400038970400016094000611",
    "1000000200000043002003610",
    "10000585203000060825054800610",
    "20000575303000130627064500601",
    "200005711000001306610",
    "13000379502000000841002204601",
    "16000776406000160944002606601",
    "12000478304000150800064900611",
};

const char* const kDefaultNames[kCount + 1] = {
    "",        "Kayla",   "inconnu", "Yvain",   "Réficul", "Goldwin", "Tildria",
    "Tordrack", "Tandalf", "Letrom", "inconnu", "Tarwin",  "inconnu", "Fladnat",
    "inconnu", "Heinrich von Eldrick", "Tarik",
};

bool Valid(int n) { return n >= 1 && n <= kCount; }

}  // namespace

std::string Template(int n) { return Valid(n) ? kTemplates[n] : ""; }
std::string Name(int n) { return Valid(n) ? Msg(59 + n) : ""; }
std::string DefaultName(int n) { return Valid(n) ? kDefaultNames[n] : ""; }
std::string PortraitFile(int n) { return DigitText(n) + ".gif"; }
std::string IconFile(int n) { return PadDigits(n - 1 < 0 ? 0 : n - 1, 2) + ".ico"; }

int TemplateDigit(const std::string& t, int position) {
    if (position < 1 || static_cast<size_t>(position) > t.size()) return 0;
    char ch = t[position - 1];
    return ch >= '0' && ch <= '9' ? ch - '0' : 0;
}

}  // namespace classes
