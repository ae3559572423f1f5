#include "calc/ByteConversions.h"
#include "document/TiGroupFile.h"
#include "session/TiGroup.h"

#include <benchmark/benchmark.h>

// Reading the largest TIGroup there is without ZIP64: 65,534 members, each a 16 x 4 picture
// file of its own name (about 190 bytes a member, 12 MB in all).

namespace {

const std::vector<uint8_t> &largestArchive()
{
    static const std::vector<uint8_t> bytes = [] {
        TigArchive archive;
        for (int i = 0; i < 65534; ++i) {
            const std::string name = "p" + std::to_string(i);
            PixelGrid grid(16, 4);
            grid.set(i % 16, i % 4, true);
            const std::vector<uint8_t> file = encode89i("main", name, "", 16, 4, grid).bytes;
            archive.members.push_back(*makeTigMember("main." + name + ".89i", file));
        }
        return *writeTigArchive(archive);
    }();
    return bytes;
}

void readMembers(benchmark::State &state)
{
    const std::vector<uint8_t> &bytes = largestArchive(); // made before the clock runs
    for (auto _ : state)
        benchmark::DoNotOptimize(readTigArchive(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(readMembers)->Unit(benchmark::kMillisecond);

void readVariables(benchmark::State &state)
{
    const TigArchive archive = readTigArchive(largestArchive()).archive;
    for (auto _ : state)
        benchmark::DoNotOptimize(tigVariables(archive));
}
BENCHMARK(readVariables)->Unit(benchmark::kMillisecond);

// What the editor and the converter do on opening it: the archive, its variables, the group.
void decodeAsGroup(benchmark::State &state)
{
    const QByteArray bytes = asByteArray(largestArchive());
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeTiGroup("largest.tig", bytes));
}
BENCHMARK(decodeAsGroup)->Unit(benchmark::kMillisecond);

void writeMembers(benchmark::State &state)
{
    const TigArchive archive = readTigArchive(largestArchive()).archive;
    for (auto _ : state)
        benchmark::DoNotOptimize(writeTigArchive(archive));
}
BENCHMARK(writeMembers)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
