// Replays a fuzz corpus through a libFuzzer target's entry function, built with the ordinary
// compiler, so that every seed and every finding stays a regression test of the normal run.
// Usage: fuzz_replay_<target> CORPUS_FOLDER. Fails when the folder holds no file; a crash or
// sanitizer report fails it too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> corpusFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::vector<std::filesystem::path> files = corpusFiles(argv[1]);
    if (files.empty()) {
        std::fprintf(stderr, "%s: no corpus files\n", argv[1]);
        return 1;
    }
    // Targets that keep files put them in a temporary folder of this run's own, removed after.
    std::string scratch = (std::filesystem::temp_directory_path() / "mxreplay-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) return 1;
    setenv("TMPDIR", scratch.c_str(), 1);
    LLVMFuzzerInitialize(&argc, &argv);
    for (const auto& file : files) {
        const std::string data = contents(file);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    }
    std::filesystem::remove_all(scratch);
    std::printf("%zu inputs replayed from %s\n", files.size(), argv[1]);
    return 0;
}
