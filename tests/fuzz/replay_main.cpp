// Runs the fuzz target once on each file of the folder given; fails when the folder is empty.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int, char *argv[])
{
    int count = 0;
    for (const auto &entry : std::filesystem::directory_iterator(argv[1])) {
        std::printf("%d %s\n", ++count, entry.path().c_str()); // the input that fails, if one does
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    }
    return count == 0;
}
