// Replays a fuzz target over the files of corpus folders, so that an ordinary
// build (and CI) runs every input a fuzzer kept.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::size_t n = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& e : std::filesystem::recursive_directory_iterator(argv[i])) {
            if (!e.is_regular_file()) continue;
            std::ifstream f(e.path(), std::ios::binary);
            const std::vector<char> octets{std::istreambuf_iterator<char>(f), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()),
                                   octets.size());
            ++n;
        }
    }
    std::printf("%zu inputs replayed\n", n);
    return n > 0 ? 0 : 1;
}
