#pragma once
// The spell dialog frmMagic: one row per board spell the caster knows.
#include <memory>

class Screen;

std::unique_ptr<Screen> MakeFrmMagic();
