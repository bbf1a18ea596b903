// Stands in for libFuzzer's driver in builds made without it: runs the target once on each file
// named, or on each file of each folder named, so that ctest replays every saved input under the
// build's sanitizers. Arguments that start with '-' (libFuzzer's options) are ignored.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace {

namespace fs = std::filesystem;

void Run(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    // A copy of exactly the file's size, so that the sanitizer sees any read past its end.
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    std::cerr << "replaying " << file.string() << " (" << data.size() << " bytes)\n";
    LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("-")) {
            continue;
        }
        if (fs::is_directory(arg)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(arg)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
        } else if (fs::is_regular_file(arg)) {
            files.emplace_back(arg);
        } else {
            std::cerr << arg << ": no such file or folder\n";
            return 2;
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        Run(file);
    }
    std::cout << files.size() << " inputs replayed\n";
    return files.empty() ? 1 : 0;
}
