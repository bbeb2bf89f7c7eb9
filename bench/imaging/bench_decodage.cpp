// Decoding shield-shaped GIFs from memory: the program's decoder against giflib
// (DGifSlurp) and stb_image, on the same pictures in the same run. The pictures are
// 297 x 381 with 64 colours, flat fields and anti-aliased edges, about 12 KB each.
// Each benchmark reports ns/pixel; the ratio is giflib's time over ours.
#include "erreurs.h"
#include "gif.h"
#include "giflib_outils.h"
#include "imaging/affichage.h"

#include <benchmark/benchmark.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <cstdio>
#include <cstdlib>

namespace {

struct Jeu {
    std::vector<std::string> flux;
    std::vector<std::vector<uint8_t>> pixels; // what was encoded
    size_t octets = 0;
    int64_t pixelsParTour = 0;
};

const Jeu& Pictures() {
    static const Jeu jeu = [] {
        Jeu j;
        for (unsigned graine = 1; graine <= 16; ++graine) {
            const fx::Dessin d = fx::Ecu(graine);
            j.flux.push_back(fx::EncoderGiflib(d));
            j.pixels.push_back(d.cadres[0].pixels);
            j.octets += j.flux.back().size();
            j.pixelsParTour += d.w * d.h;
        }
        // The three decoders must agree before any of them is timed.
        for (size_t i = 0; i < j.flux.size(); ++i) {
            const std::string& f = j.flux[i];
            armo::TGIFPicture p;
            p.LoadFromBytes(QByteArrayView(f.data(), qsizetype(f.size())));
            const auto ref = fx::DecoderGiflib(f.data(), f.size());
            int w = 0, h = 0, n = 0;
            stbi_uc* s = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(f.data()),
                                               int(f.size()), &w, &h, &n, 3);
            const uint8_t* idx = p.Frames(0).Indices();
            bool ok = ref.size() == 1 && s && p.Width() == 297 && p.Height() == 381 &&
                      ref[0].pixels == j.pixels[i] &&
                      std::equal(j.pixels[i].begin(), j.pixels[i].end(), idx);
            for (size_t k = 0; ok && k < j.pixels[i].size(); ++k) {
                const uint32_t c = ref[0].table[idx[k]];
                ok = s[3 * k] == (c >> 16) && s[3 * k + 1] == ((c >> 8) & 0xFF) &&
                     s[3 * k + 2] == (c & 0xFF);
            }
            stbi_image_free(s);
            if (!ok) {
                std::fprintf(stderr, "picture %zu: the decoders disagree\n", i);
                std::exit(1);
            }
        }
        return j;
    }();
    return jeu;
}

void Compteurs(benchmark::State& st, const Jeu& j) {
    st.counters["ns/pixel"] = benchmark::Counter(
        double(j.pixelsParTour) * double(st.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
    st.counters["Ko/image"] = double(j.octets) / double(j.flux.size()) / 1024.0;
    st.SetItemsProcessed(int64_t(st.iterations()) * int64_t(j.flux.size()));
}

// The program's decoder: a picture object per load, as the views do.
void Armoriane(benchmark::State& st) {
    const Jeu& j = Pictures();
    for (auto _ : st)
        for (const std::string& f : j.flux) {
            armo::TGIFPicture p;
            p.LoadFromBytes(QByteArrayView(f.data(), qsizetype(f.size())));
            benchmark::DoNotOptimize(p.Frames(0).Indices());
        }
    Compteurs(st, j);
}

// The same, drawn onto a new white 32-bit bitmap as the views obtain it.
void ArmorianeRendu(benchmark::State& st) {
    const Jeu& j = Pictures();
    for (auto _ : st)
        for (const std::string& f : j.flux) {
            armo::TGIFPicture p;
            p.LoadFromBytes(QByteArrayView(f.data(), qsizetype(f.size())));
            const QImage r = armo::RendreImage(p, QImage::Format_RGB32);
            benchmark::DoNotOptimize(r.constBits());
        }
    Compteurs(st, j);
}

void Giflib(benchmark::State& st) {
    const Jeu& j = Pictures();
    for (auto _ : st)
        for (const std::string& f : j.flux) {
            fx::detail::Lecture l{reinterpret_cast<const uint8_t*>(f.data()), f.size(), 0};
            int err = 0;
            GifFileType* g = DGifOpen(&l, fx::detail::Lire, &err);
            DGifSlurp(g);
            benchmark::DoNotOptimize(g->SavedImages[0].RasterBits);
            DGifCloseFile(g, &err);
        }
    Compteurs(st, j);
}

void StbImage(benchmark::State& st) {
    const Jeu& j = Pictures();
    for (auto _ : st)
        for (const std::string& f : j.flux) {
            int w, h, n;
            stbi_uc* s = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(f.data()),
                                               int(f.size()), &w, &h, &n, 0);
            benchmark::DoNotOptimize(s);
            stbi_image_free(s);
        }
    Compteurs(st, j);
}

BENCHMARK(Armoriane);
BENCHMARK(ArmorianeRendu);
BENCHMARK(Giflib);
BENCHMARK(StbImage);

} // namespace

// Runs the benchmarks, then prints giflib's time over ours.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    struct Rapport : benchmark::ConsoleReporter {
        std::map<std::string, double> temps;
        void ReportRuns(const std::vector<Run>& runs) override {
            for (const Run& r : runs)
                if (r.run_type == Run::RT_Iteration && r.aggregate_name.empty())
                    temps[r.benchmark_name()] = r.GetAdjustedRealTime();
            ConsoleReporter::ReportRuns(runs);
        }
    } rapport;
    benchmark::RunSpecifiedBenchmarks(&rapport);
    auto t = [&](const char* n) {
        const auto it = rapport.temps.find(n);
        return it == rapport.temps.end() ? 0.0 : it->second;
    };
    if (t("Armoriane") > 0 && t("Giflib") > 0)
        std::printf("giflib / armoriane: %.2fx   stb_image / armoriane: %.2fx\n",
                    t("Giflib") / t("Armoriane"), t("StbImage") / t("Armoriane"));
    benchmark::Shutdown();
    return 0;
}
