#include "ui/PlayerInput.h"

namespace {
int depth = 0;  // player's inputs being handled, one inside another
}  // namespace

PlayerInput::PlayerInput() { ++depth; }

PlayerInput::~PlayerInput() { --depth; }

bool PlayerWindowOpen() { return depth > 0; }
