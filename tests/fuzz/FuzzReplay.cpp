// FuzzReplay: runs a fuzz target without the fuzzing engine. Every file named on the command line,
// or found in a folder named there, is fed once to the target, so the seeds and every past finding
// replay as an ordinary test with any compiler. A broken invariant aborts, which fails the test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs(argv + 1, argv + argc);
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry :
             fs::is_directory(argv[i]) ? fs::recursive_directory_iterator(argv[i]) : fs::recursive_directory_iterator())
            inputs.push_back(entry.path());
    }
    std::erase_if(inputs, [](const fs::path& path) { return !fs::is_regular_file(path); });
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "replaying %s\n", path.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    // An empty or misnamed corpus would otherwise pass without testing anything.
    std::printf("%zu inputs replayed\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
