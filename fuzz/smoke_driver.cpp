// Replays a fuzz target's seed corpus and deterministic mutations of it, so every build checks
// that the file readers survive damaged input even without a fuzzing engine.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace
{

using Bytes = std::vector<std::uint8_t>;

std::uint32_t state = 2463534242u;

std::uint32_t Next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// Text readers are the common case: mutations favour digits, blanks, signs and line ends.
std::uint8_t InterestingByte()
{
    static constexpr char Pool[] = "0123456789  \n\n-9999999999\r\t\xff\x00";
    const std::uint32_t pick = Next() % 4;
    if (pick == 0)
    {
        return static_cast<std::uint8_t>(Next());
    }
    return static_cast<std::uint8_t>(Pool[Next() % (sizeof Pool - 1)]);
}

Bytes Mutate(Bytes input)
{
    const std::uint32_t steps = 1 + Next() % 8;
    for (std::uint32_t s = 0; s < steps; ++s)
    {
        const std::size_t at = input.empty() ? 0 : Next() % input.size();
        switch (Next() % 5)
        {
            case 0:
                if (!input.empty())
                {
                    input[at] = InterestingByte();
                }
                break;
            case 1:
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), InterestingByte());
                break;
            case 2:
                if (!input.empty())
                {
                    input.erase(input.begin() + static_cast<std::ptrdiff_t>(at));
                }
                break;
            case 3:
                input.resize(at);
                break;
            default:
                if (!input.empty())
                {
                    // Repeat a slice: long files and many records.
                    const std::size_t length = 1 + Next() % std::min<std::size_t>(input.size() - at, 300);
                    Bytes slice(input.begin() + static_cast<std::ptrdiff_t>(at),
                                input.begin() + static_cast<std::ptrdiff_t>(at + length));
                    input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), slice.begin(), slice.end());
                }
                break;
        }
    }
    return input;
}

Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Run(const Bytes& input)
{
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t rounds = 0;
    std::vector<Bytes> seeds = {Bytes{}};
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--smoke" && i + 1 < argc)
        {
            rounds = std::strtoul(argv[++i], nullptr, 10);
        }
        else if (std::filesystem::is_directory(arg))
        {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(arg))
            {
                files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
            for (const auto& file : files)
            {
                seeds.push_back(ReadFile(file));
            }
        }
        else
        {
            seeds.push_back(ReadFile(arg));
        }
    }
    for (const Bytes& seed : seeds)
    {
        Run(seed);
    }
    for (std::size_t r = 0; r < rounds; ++r)
    {
        Run(Mutate(seeds[r % seeds.size()]));
    }
    std::printf("%zu inputs survived\n", seeds.size() + rounds);
    return 0;
}
