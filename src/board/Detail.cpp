// Placeholder until the board lands.
#include "board/Detail.h"

void ShowDetail(const std::string&, const std::string&, Rgb) {}
