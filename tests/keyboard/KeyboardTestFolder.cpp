#include "tests/keyboard/KeyboardTestFolder.h"

#include <cstdlib>
#include <stdexcept>

KeyboardTestFolder::KeyboardTestFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mxkeyboard-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

KeyboardTestFolder::~KeyboardTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
