#pragma once
// The user's data folder, by the XDG base directory rules.
#include <string>

// XDG_DATA_HOME when it is set to an absolute path, otherwise $HOME/.local/share; then
// quelmor/saves. Empty when neither gives an absolute path. Nothing is made on the disk.
std::string UserSavesFolder();
