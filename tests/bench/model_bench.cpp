// Benchmarks of the 3DS reader and ComputeNormals. The reader reads the logo model
// (saver/res/logo.3ds, or the stand-in until it exists) and a large synthetic model,
// next to lib3ds and assimp reading the same files when they were found at build time;
// ComputeNormals runs on a 65,000-vertex mesh next to the quadratic definition.
#include "model_file.h"
#include "model_reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#ifdef WHIRL_HAVE_LIB3DS
#include <lib3ds/file.h>
#endif
#ifdef WHIRL_HAVE_ASSIMP
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#endif

namespace {

// Eight twisted ribbons of 65,000 vertices each: about 17 MB.
std::vector<std::uint8_t> LargeModelFile() {
    std::vector<TestObject> objects;
    for (int i = 0; i < 8; ++i) {
        objects.push_back(RibbonObject(65000));
        objects.back().name = "ribbon" + std::to_string(i);
        objects.back().material = "grass";
    }
    return WriteModelFile({{"sky", "SKY.BMP"}, {"grass", "GRASS2.BMP"}}, objects);
}

struct Sample {
    std::vector<std::uint8_t> bytes;
    std::string path;
};

Sample& Logo() {
    static Sample sample{ShippedOrStandInLogo(), ""};
    return sample;
}

Sample& Large() {
    static Sample sample{LargeModelFile(), ""};
    return sample;
}

// The sample written to a temporary file once, for the readers that take a path.
const std::string& PathOf(Sample& sample) {
    if (sample.path.empty()) {
        char name[] = "/tmp/whirl_benchXXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) std::abort();
        close(fd);
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(sample.bytes.data()), static_cast<std::streamsize>(sample.bytes.size()));
        sample.path = name;
    }
    return sample.path;
}

Sample& Pick(const benchmark::State& state) { return state.range(0) == 0 ? Logo() : Large(); }

void Label(benchmark::State& state, const Sample& sample) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample.bytes.size()));
    state.SetLabel(state.range(0) == 0 ? "logo" : "large");
}

void BM_OurReader_Memory(benchmark::State& state) {
    Sample& sample = Pick(state);
    for (auto _ : state) {
        Model model;
        const ModelReadReport report = ReadModel(model, sample.bytes.data(), sample.bytes.size());
        if (report.status != ModelReadStatus::Complete) state.SkipWithError("model not read");
        benchmark::DoNotOptimize(model.objects.data());
    }
    Label(state, sample);
}
BENCHMARK(BM_OurReader_Memory)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_OurReader_File(benchmark::State& state) {
    Sample& sample = Pick(state);
    const std::string& path = PathOf(sample);
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
        Model model;
        const ModelReadReport report = ReadModel(model, bytes.data(), bytes.size());
        if (report.status != ModelReadStatus::Complete) state.SkipWithError("model not read");
        benchmark::DoNotOptimize(model.objects.data());
    }
    Label(state, sample);
}
BENCHMARK(BM_OurReader_File)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

#ifdef WHIRL_HAVE_LIB3DS
void BM_Lib3ds_File(benchmark::State& state) {
    Sample& sample = Pick(state);
    const std::string& path = PathOf(sample);
    for (auto _ : state) {
        Lib3dsFile* file = lib3ds_file_load(path.c_str());
        if (!file) state.SkipWithError("lib3ds could not read the model");
        benchmark::DoNotOptimize(file);
        if (file) lib3ds_file_free(file);
    }
    Label(state, sample);
}
BENCHMARK(BM_Lib3ds_File)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
#endif

#ifdef WHIRL_HAVE_ASSIMP
void BM_Assimp_File(benchmark::State& state) {
    Sample& sample = Pick(state);
    const std::string& path = PathOf(sample);
    for (auto _ : state) {
        Assimp::Importer importer;
        const aiScene* scene = importer.ReadFile(path, 0);
        if (!scene) state.SkipWithError("assimp could not read the model");
        benchmark::DoNotOptimize(scene);
    }
    Label(state, sample);
}
BENCHMARK(BM_Assimp_File)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Assimp_Memory(benchmark::State& state) {
    Sample& sample = Pick(state);
    for (auto _ : state) {
        Assimp::Importer importer;
        const aiScene* scene = importer.ReadFileFromMemory(sample.bytes.data(), sample.bytes.size(), 0, "3ds");
        if (!scene) state.SkipWithError("assimp could not read the model");
        benchmark::DoNotOptimize(scene);
    }
    Label(state, sample);
}
BENCHMARK(BM_Assimp_Memory)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
#endif

Model RibbonModel() {
    Model model;
    const std::vector<std::uint8_t> bytes = WriteModelFile({}, {RibbonObject(65000)});
    ReadModel(model, bytes.data(), bytes.size());
    return model;
}

void BM_ComputeNormals_Linear(benchmark::State& state) {
    Model model = RibbonModel();
    for (auto _ : state) {
        ComputeNormals(model);
        benchmark::DoNotOptimize(model.objects[0].normals.data());
    }
    state.SetLabel(std::to_string(model.objects[0].vertexCount) + " vertices, " +
                   std::to_string(model.objects[0].faceCount) + " faces");
}
BENCHMARK(BM_ComputeNormals_Linear)->Unit(benchmark::kMillisecond);

void BM_ComputeNormals_Quadratic(benchmark::State& state) {
    Model model = RibbonModel();
    for (auto _ : state) {
        ComputeNormalsQuadratic(model);
        benchmark::DoNotOptimize(model.objects[0].normals.data());
    }
    state.SetLabel(std::to_string(model.objects[0].vertexCount) + " vertices, " +
                   std::to_string(model.objects[0].faceCount) + " faces");
}
BENCHMARK(BM_ComputeNormals_Quadratic)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::printf("logo model: %zu bytes; large model: %zu bytes\n", Logo().bytes.size(), Large().bytes.size());
    benchmark::RunSpecifiedBenchmarks();
    for (Sample* sample : {&Logo(), &Large()}) {
        if (!sample->path.empty()) std::remove(sample->path.c_str());
    }
    benchmark::Shutdown();
    return 0;
}
