// The window's costs: start-up to the first painted window, a GLOSSAIRE plate of
// 45 rebuilt by a resize against the bare decoding of its 45 pictures, a
// dictionary page switch against a bare QTextDocument parse and layout, and the
// peak resident memory after visiting every tab and every page.
#include "affichage.h"
#include "catalogue.h"
#include "demarrage.h"
#include "rapport.h"
#include "ressources.h"
#include "vuehtml.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>

using namespace armo;

namespace {

class Muet : public Rapporteur {
public:
    void Signaler(const QString& texte) override { qWarning("%s", qPrintable(texte)); }
};

// Notes the first paint of the window.
class Peinture : public QObject {
public:
    bool peint = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) peint = true;
        return false;
    }
};

std::unique_ptr<TFP> Fenetre() {
    auto fp = CreerFP();
    fp->show();
    if (!QTest::qWaitForWindowExposed(fp.get())) qWarning("window not exposed");
    QApplication::processEvents();
    return fp;
}

void BM_DemarrageJusquALaPremierePeinture(benchmark::State& state) {
    for (auto _ : state) {
        auto fp = CreerFP();
        Peinture p;
        fp->installEventFilter(&p);
        fp->show();
        while (!p.peint) QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        fp.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DemarrageJusquALaPremierePeinture)->Unit(benchmark::kMillisecond);

// The first term with at least 45 references.
int Terme45(const Catalogue& cat) {
    for (int t = 0; t < cat.ls_Termes.Count(); ++t)
        if (cat.NbRefs(t) >= 45) return t;
    return -1;
}

// Builds the GLOSSAIRE plate of 45 of that term; its number, or -1.
int Planche45(TFP& fp) {
    const int t = Terme45(fp.catalogue());
    if (t < 0) return t;
    fp.Executer([&] {
        fp.etat().T = t;
        fp.etat().GL_Rangs = 5;
        fp.etat().Entree_cb_Nim_MD = 3;
        fp.etat().GL_Debut = 0;
        fp.etat().GL_ChargerImage();
    });
    return t;
}

// The names of the pictures of term t's first plate of 45.
std::vector<QString> Noms45(const Catalogue& cat, int t) {
    std::vector<QString> noms;
    for (int j = 0; j < 45; ++j) noms.push_back(CORRNOM(cat.RefEcu(t, j) + 1));
    return noms;
}

// The bare decoding: each picture into a bitmap of its own, dropped at once.
void DecoderNu(const std::vector<QString>& noms) {
    for (const QString& nom : noms) benchmark::DoNotOptimize(RendreEcu(nom, QImage::Format_RGB32));
}

// The least any rebuild of the plate does: decode the 45 pictures anew into
// full-size bitmaps that live on (drawn into again, as the plate does), then
// paint each once, stretched to its place on a surface of the window's size.
class DecodageEtPeinture {
public:
    explicit DecodageEtPeinture(TFP& fp) {
        for (ImageArmo* im :
             fp.pong_Rch->findChildren<ImageArmo*>(QString(), Qt::FindDirectChildrenOnly))
            places_.push_back(QRect(im->mapTo(&fp, QPoint(0, 0)), im->size()));
        bitmaps_.resize(places_.size());
    }
    size_t Images() const { return places_.size(); }
    void operator()(const std::vector<QString>& noms, bool peindre = true) {
        for (size_t j = 0; j < places_.size(); ++j)
            bitmaps_[j] = RendreEcu(noms[j], QImage::Format_RGB32, std::move(bitmaps_[j]));
        if (!peindre) return;
        QPainter p(&surface_);
        for (size_t j = 0; j < places_.size(); ++j) PeindreEtire(p, places_[j], bitmaps_[j]);
    }

private:
    std::vector<QRect> places_;
    std::vector<QImage> bitmaps_;
    QImage surface_{1034, 561, QImage::Format_RGB32};
};

void BM_PlancheGlossaire45ParRedimensionnement(benchmark::State& state) {
    auto fp = Fenetre();
    if (Planche45(*fp) < 0) return state.SkipWithError("no term with 45 references");
    bool large = false;
    for (auto _ : state) {
        large = !large;
        fp->resize(large ? 1100 : 1034, 561);
        QApplication::processEvents();
    }
    state.counters["images"] = static_cast<double>(
        fp->pong_Rch->findChildren<ImageArmo*>(QString(), Qt::FindDirectChildrenOnly).size());
}
BENCHMARK(BM_PlancheGlossaire45ParRedimensionnement)->Unit(benchmark::kMillisecond);

// Where a click chooses term t in the glossary list, in window coordinates,
// once the list has scrolled to it.
QPoint PointDuTerme(TFP& fp, int t) {
    ListeBoite* liste = fp.GL_liste;
    liste->scrollToItem(liste->item(t));
    QApplication::processEvents();
    return liste->viewport()->mapTo(&fp, liste->visualItemRect(liste->item(t)).center());
}

// The same plate rebuilt by a click on its term in the list: the load and its
// forced repaint without the repaint of the whole resized window.
void BM_PlancheGlossaire45ParClicSurLeTerme(benchmark::State& state) {
    auto fp = Fenetre();
    const int t = Planche45(*fp);
    if (t < 0) return state.SkipWithError("no term with 45 references");
    const QPoint point = PointDuTerme(*fp, t);
    const std::int64_t avant = fp->Chargements();
    for (auto _ : state) {
        QTest::mouseClick(fp->windowHandle(), Qt::LeftButton, {}, point);
        QApplication::processEvents();
    }
    if (fp->etat().T != t) state.SkipWithError("the click did not choose the term");
    state.counters["chargements_par_clic"] =
        static_cast<double>(fp->Chargements() - avant) / static_cast<double>(state.iterations());
    state.counters["images"] = static_cast<double>(
        fp->pong_Rch->findChildren<ImageArmo*>(QString(), Qt::FindDirectChildrenOnly).size());
}
BENCHMARK(BM_PlancheGlossaire45ParClicSurLeTerme)->Unit(benchmark::kMillisecond);

// The rebuild over the bare decoding, measured in pairs: every iteration
// decodes the 45 pictures bare, then rebuilds the plate, by a resize
// (argument 0) or by a click on its term (1), or does only the least any
// rebuild does (2), or only its decoding into bitmaps that live on (3): the bare
// decoding writes one bitmap that stays in the cache, a plate 45 that do not.
// This shared machine drifts by tens of percent from one benchmark to the
// next; within a pair both sides drift alike.
enum Voie { REDIMENSIONNEMENT, CLIC, PLANCHER, DECODAGE_VIVANT };

void BM_RapportReconstructionSurDecodage(benchmark::State& state) {
    using Horloge = std::chrono::steady_clock;
    const Voie voie = static_cast<Voie>(state.range(0));
    const bool sansFenetre = voie == PLANCHER || voie == DECODAGE_VIVANT;
    auto fp = Fenetre();
    const int t = Planche45(*fp);
    if (t < 0) return state.SkipWithError("no term with 45 references");
    const std::vector<QString> noms = Noms45(fp->catalogue(), t);
    DecodageEtPeinture auMoins(*fp);
    if (auMoins.Images() != noms.size()) return state.SkipWithError("the plate is not of 45");
    const QPoint point = PointDuTerme(*fp, t);
    const std::int64_t avant = fp->Chargements();
    Horloge::duration decodage{}, reconstruction{};
    bool large = false;
    for (auto _ : state) {
        const auto t0 = Horloge::now();
        DecoderNu(noms);
        const auto t1 = Horloge::now();
        if (sansFenetre) {
            auMoins(noms, voie == PLANCHER);
        } else {
            if (voie == CLIC) {
                QTest::mouseClick(fp->windowHandle(), Qt::LeftButton, {}, point);
            } else {
                large = !large;
                fp->resize(large ? 1100 : 1034, 561);
            }
            QApplication::processEvents();
        }
        const auto t2 = Horloge::now();
        decodage += t1 - t0;
        reconstruction += t2 - t1;
    }
    if (fp->Chargements() - avant != (sansFenetre ? 0 : state.iterations()))
        return state.SkipWithError("not one load per iteration");
    const double n = static_cast<double>(state.iterations());
    state.counters["decodage_ms"] = std::chrono::duration<double, std::milli>(decodage).count() / n;
    state.counters["reconstruction_ms"] =
        std::chrono::duration<double, std::milli>(reconstruction).count() / n;
    state.counters["rapport"] = std::chrono::duration<double>(reconstruction).count() /
                                std::chrono::duration<double>(decodage).count();
}
BENCHMARK(BM_RapportReconstructionSurDecodage)
    ->Arg(REDIMENSIONNEMENT)
    ->Arg(CLIC)
    ->Arg(PLANCHER)
    ->Arg(DECODAGE_VIVANT)
    ->Unit(benchmark::kMillisecond);

// The forced repaint of the window with nothing changed: the controls that
// cover their whole area keep their pixels, so this is the cost of the rest.
void BM_RepeindreLaFenetre(benchmark::State& state) {
    auto fp = Fenetre();
    if (Planche45(*fp) < 0) return state.SkipWithError("no term with 45 references");
    for (auto _ : state) fp->repaint();
}
BENCHMARK(BM_RepeindreLaFenetre)->Unit(benchmark::kMillisecond);

void BM_Decodage45(benchmark::State& state) {
    Catalogue cat;
    cat.ChargerNoms();
    cat.ChargerIndex();
    const int t = Terme45(cat);
    if (t < 0) return state.SkipWithError("no term with 45 references");
    const std::vector<QString> noms = Noms45(cat, t);
    for (auto _ : state) DecoderNu(noms);
}
BENCHMARK(BM_Decodage45)->Unit(benchmark::kMillisecond);

void BM_Decodage45EtPeinture(benchmark::State& state) {
    std::vector<QString> noms;
    std::optional<DecodageEtPeinture> auMoins;
    {
        auto fp = Fenetre();
        const int t = Planche45(*fp);
        if (t < 0) return state.SkipWithError("no term with 45 references");
        noms = Noms45(fp->catalogue(), t);
        auMoins.emplace(*fp);
    }
    if (auMoins->Images() != noms.size()) return state.SkipWithError("the plate is not of 45");
    for (auto _ : state) (*auMoins)(noms);
}
BENCHMARK(BM_Decodage45EtPeinture)->Unit(benchmark::kMillisecond);

// The largest page of the data set, and a page of 529,209 bytes in the same
// shape made by repeating its entries.
QString PageLaPlusGrande() {
    QString nom;
    qsizetype taille = -1;
    for (const QString& p : NomsPages()) {
        const qsizetype n = OuvrirRessource(RT_RCDATA, p).size();
        if (n > taille) taille = n, nom = p;
    }
    return nom;
}

QString PageSynthetique() {
    const QString html = ChargerListe(PageLaPlusGrande())[0];
    const QString fin = QStringLiteral("</table></td></tr></table></body></html>");
    const qsizetype debutLignes = html.indexOf(QStringLiteral("<tr><td valign=\"top\""));
    const qsizetype debutFin = html.lastIndexOf(fin);
    const QString marque = QStringLiteral("<tr><td valign=\"top\"");
    const QStringList lignes =
        html.mid(debutLignes, debutFin - debutLignes).split(marque, Qt::SkipEmptyParts);
    QString page = html.left(debutLignes);
    const qsizetype queue = html.size() - debutFin;
    // Whole entries, in turn, until the page reaches the size of the largest one.
    for (qsizetype i = 0; page.size() + queue < 529209; ++i)
        page += marque + lignes[i % lignes.size()];
    return page + html.mid(debutFin);
}

enum Page { GRANDE, SYNTHETIQUE, PETITE };

QString TextePage(Page p) {
    if (p == SYNTHETIQUE) return PageSynthetique();
    return ChargerListe(p == GRANDE ? PageLaPlusGrande() : QStringLiteral("gloss_k"))[0];
}

// A link click to the page, as the viewer handles it. The synthetic page is no
// resource: it is put in MemoW and shown again by a target the store lacks.
void BM_ChangementDePage(benchmark::State& state) {
    const Page page = static_cast<Page>(state.range(0));
    auto fp = Fenetre();
    fp->Ong->ChoisirPage(ONG_DICTIONNAIRE);
    QApplication::processEvents();
    const QString texte = TextePage(page);
    const QString cible = page == SYNTHETIQUE ? QStringLiteral("about:page_synthetique")
                          : page == GRANDE    ? QStringLiteral("about:") + PageLaPlusGrande()
                                              : QStringLiteral("about:gloss_k");
    for (auto _ : state) {
        if (page == SYNTHETIQUE) {
            state.PauseTiming();
            fp->MemoW->DefinirTexte(texte);
            state.ResumeTiming();
        }
        bool annuler = false;
        fp->wbAideBeforeNavigate2(cible, annuler);
        // The layout the view needs to show the page's top.
        benchmark::DoNotOptimize(fp->wbAide->verticalScrollBar()->maximum());
    }
    state.counters["octets"] = static_cast<double>(texte.size());
    state.counters["largeur"] = fp->wbAide->viewport()->width();
}
BENCHMARK(BM_ChangementDePage)
    ->Arg(GRANDE)
    ->Arg(SYNTHETIQUE)
    ->Arg(PETITE)
    ->Unit(benchmark::kMillisecond);

void BM_QTextDocumentSeul(benchmark::State& state) {
    const Page page = static_cast<Page>(state.range(0));
    const QString texte = TextePage(page);
    int largeur = 0;
    {
        auto fp = Fenetre();
        largeur = fp->wbAide->viewport()->width();
    }
    for (auto _ : state) {
        QTextDocument doc;
        doc.setDefaultFont(QApplication::font());
        doc.setTextWidth(largeur);
        doc.setHtml(texte);
        benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
    }
}
BENCHMARK(BM_QTextDocumentSeul)
    ->Arg(GRANDE)
    ->Arg(SYNTHETIQUE)
    ->Arg(PETITE)
    ->Unit(benchmark::kMillisecond);

// Every tab, then every page, in a window of its own.
void VisiterToutesLesPages() {
    auto fp = Fenetre();
    for (int p : {ONG_IMAGE, ONG_PLANCHE, ONG_DICTIONNAIRE, ONG_GLOSSAIRE}) {
        fp->Ong->ChoisirPage(p);
        fp->OngChange();
        QApplication::processEvents();
    }
    fp->Ong->ChoisirPage(ONG_DICTIONNAIRE);
    fp->OngChange();
    for (const QString& page : NomsPages()) {
        bool annuler = false;
        fp->wbAideBeforeNavigate2(QStringLiteral("about:") + page, annuler);
        QApplication::processEvents();
    }
}

constexpr const char* VISITE = "--visite-seule";

// The high-water mark of this process's own memory, in kilobytes. Unlike the
// rusage figure it starts afresh at exec, so it is the visit's alone.
long PicMemoireKo() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmHWM:")) return ligne.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The peak resident set size of a fresh process that only starts the window and
// visits everything: the other benchmarks of this run (the 529 KB page above all)
// would otherwise leave their own peak in the figure.
void BM_MemoireMaximale(benchmark::State& state) {
    for (auto _ : state) {
        QProcess visite;
        visite.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(VISITE)});
        if (!visite.waitForFinished(120000) || visite.exitStatus() != QProcess::NormalExit ||
            visite.exitCode() != 0)
            return state.SkipWithError("the visit failed");
        bool lu = false;
        const long ko = visite.readAllStandardOutput().trimmed().toLong(&lu);
        if (!lu || ko <= 0) return state.SkipWithError("the visit gave no figure");
        state.counters["RSS_max_Mo"] = static_cast<double>(ko) / 1024.0;
    }
}
BENCHMARK(BM_MemoireMaximale)->Iterations(1)->Unit(benchmark::kMillisecond);

// The console table, noting whether a benchmark stopped on an error: the run then
// fails, so the brief run that ctest makes catches a benchmark that no longer
// measures what it says (a plate that is not of 45, a click that chose nothing).
class Verificateur : public benchmark::ConsoleReporter {
public:
    // Counters as name=value, as the library's own console shows them unless asked
    // for a table.
    explicit Verificateur(bool tableau)
        : ConsoleReporter(static_cast<OutputOptions>((isatty(fileno(stdout)) ? OO_Color : 0) |
                                                     (tableau ? OO_Tabular : 0))) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.error_occurred) erreurs_ = true;
        ConsoleReporter::ReportRuns(runs);
    }
    bool Erreurs() const { return erreurs_; }

private:
    bool erreurs_ = false;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(TITRE_APPLICATION));
    QApplication::setFont(Tahoma(11));
    InstallerRapporteur(std::make_unique<Muet>());
    if (argc == 2 && std::strcmp(argv[1], VISITE) == 0) {
        VisiterToutesLesPages();
        std::printf("%ld\n", PicMemoireKo());
        return 0;
    }
    // Read before the library takes its own flags out of the arguments; like the
    // library, a bare flag or a true-like value asks for the table.
    bool tableau = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        const QString drapeau = QStringLiteral("--benchmark_counters_tabular");
        if (a == drapeau || (a.startsWith(drapeau + u'=') &&
                             QStringList{"true", "1", "yes", "y", "t", "on"}.contains(
                                 a.mid(drapeau.size() + 1).toLower())))
            tableau = true;
    }
    benchmark::Initialize(&argc, argv);
    Verificateur rapport(tableau);
    const size_t lances = benchmark::RunSpecifiedBenchmarks(&rapport);
    benchmark::Shutdown();
    return lances > 0 && !rapport.Erreurs() ? 0 : 1;
}
