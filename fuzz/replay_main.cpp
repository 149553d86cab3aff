// Runs a fuzz target over files without libFuzzer: every file named, and every
// file in every folder named (files starting with '.' left out). A broken
// invariant aborts; no input at all is an error too, so a lost corpus is noticed.
#include "fuzz_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        if (fs::is_regular_file(path)) {
            inputs.push_back(path);
        } else if (fs::is_directory(path)) {
            for (const auto& entry : fs::directory_iterator(path))
                if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
                    inputs.push_back(entry.path());
        } else {
            std::cerr << path << ": no such file or folder\n";
            return 2;
        }
    }
    if (inputs.empty()) {
        std::cerr << "no inputs\n";
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        std::cerr << "replaying " << path.string() << '\n';
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << "replayed " << inputs.size() << " inputs\n";
    return 0;
}
