#include "view/InputHook.h"

namespace {
std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}
}  // namespace

void SetBeforeInputHook(std::function<void()> hook) { Hook() = std::move(hook); }

void RunBeforeInputHook() {
    if (Hook()) Hook()();
}
