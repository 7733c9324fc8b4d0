// A filter click in the planner window against a bare QTableView, offscreen. One iteration
// of the planner is what the user waits for after clicking a filter item: the list rebuilt
// from the plans collection (sort check, filter, rows) and one paint of the grid with its
// footer, whose sums walk every listed row. The baseline resets a trivial model of as many
// rows and paints a QTableView of the same size. The machine may be shared: compare the CPU
// columns.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSettings>
#include <QTableView>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "planner/ListaPozycji.h"
#include "planner/PlanerOknoGlowne.h"
#include "planner/SiatkaDanych.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Plan.h"

namespace {

constexpr int IloscKolumn = 9;

class TModelTrywialny : public QAbstractTableModel {
public:
    void Ustaw(int wiersze)
    {
        beginResetModel();
        fWiersze = wiersze;
        endResetModel();
    }
    int rowCount(const QModelIndex& rodzic = {}) const override { return rodzic.isValid() ? 0 : fWiersze; }
    int columnCount(const QModelIndex& rodzic = {}) const override { return rodzic.isValid() ? 0 : IloscKolumn; }
    QVariant data(const QModelIndex& indeks, int rola) const override
    {
        if (rola != Qt::DisplayRole)
            return {};
        return QString::number(indeks.row() * IloscKolumn + indeks.column());
    }

private:
    int fWiersze = 0;
};

// A project database in a folder of its own, removed at the end; the window's placement goes
// to the same folder, never to the user's settings.
class TSrodowiskoPlanera {
public:
    TSrodowiskoPlanera()
    {
        std::string wzor = (std::filesystem::temp_directory_path() / "grosiwo-bench-XXXXXX").string();
        if (mkdtemp(wzor.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        fFolder = wzor;
        const QString folder = QString::fromStdString(fFolder.string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        fDB = std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>((fFolder / "Dane.dat").string()));
    }
    ~TSrodowiskoPlanera()
    {
        fDB.reset();
        std::error_code blad;
        std::filesystem::remove_all(fFolder, blad);
    }

    TProjektDB& DB() { return *fDB; }

    // ilosc plans over two years, every fifth an income, every seventh executed, in 20
    // categories of each kind; left in their due order, as the planner keeps them.
    void Wypelnij(int ilosc)
    {
        TKolekcjeDanych& k = fDB->Kolekcje();
        k.Plany().clear();
        k.KategorieWydatki().clear();
        k.KategoriePrzychody().clear();
        for (int i = 0; i < 20; ++i) {
            k.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>(
                i, "Wydatek " + std::to_string(i), false, TTypModyfikacji::BezZmian, i));
            k.KategoriePrzychody().push_back(std::make_unique<TKategoriaPrzychody>(
                i, "Przychód " + std::to_string(i), false, TTypModyfikacji::BezZmian, i));
        }
        const double poczatek = 41275;  // 2013-01-01
        for (int i = 0; i < ilosc; ++i) {
            const bool przychod = i % 5 == 0;
            auto plan = std::make_unique<TPlan>(
                i, "Plan numer " + std::to_string(i), i % 20, 10.0 + (i % 997) * 1.25,
                poczatek + i * (730.0 / ilosc), "Komentarz " + std::to_string(i % 50),
                TTypModyfikacji::BezZmian, przychod ? TTypPlanu::Przychod : TTypPlanu::Wydatek);
            plan->SetWykonany(i % 7 == 0);
            k.Plany().push_back(std::move(plan));
        }
    }

private:
    std::filesystem::path fFolder;
    std::unique_ptr<TProjektDB> fDB;
};

void Kliknij(TListaPozycji& lista, int pozycja)
{
    const QPointF punkt = lista.ProstokatPozycji(pozycja).center();
    QMouseEvent wcisniecie(QEvent::MouseButtonPress, punkt, lista.mapToGlobal(punkt), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&lista, &wcisniecie);
    QMouseEvent zwolnienie(QEvent::MouseButtonRelease, punkt, lista.mapToGlobal(punkt), Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&lista, &zwolnienie);
}

void Rysuj(QWidget& widzet, QImage& obraz)
{
    obraz.fill(Qt::white);
    widzet.render(&obraz);
    benchmark::DoNotOptimize(obraz.constBits());
}

QSize RozmiarSiatkiPlanera()
{
    TSrodowiskoPlanera srodowisko;
    TPlanerFormGlowny okno;
    okno.SetMyDB(&srodowisko.DB());
    okno.show();
    QApplication::processEvents();
    const QSize rozmiar = okno.Siatka().size();
    okno.SetMyDB(nullptr);
    return rozmiar;
}

const QSize& RozmiarSiatki()
{
    static const QSize Rozmiar = RozmiarSiatkiPlanera();
    return Rozmiar;
}

void BazowyQTableView(benchmark::State& stan)
{
    TModelTrywialny model;
    QTableView widok;
    widok.setModel(&model);
    widok.resize(RozmiarSiatki());
    widok.show();
    QApplication::processEvents();
    QImage obraz(RozmiarSiatki(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stan) {
        model.Ustaw(static_cast<int>(stan.range(0)));
        Rysuj(widok, obraz);
    }
}

// The planner window over a given number of plans, the state filter on "Wszystkie": every
// plan is listed, the largest rebuild a click can cause.
class TOknoZPlanami {
public:
    explicit TOknoZPlanami(int ilosc)
    {
        fSrodowisko.Wypelnij(ilosc);
        fOkno.SetMyDB(&fSrodowisko.DB());
        fOkno.show();
        QApplication::processEvents();
        Kliknij(*fOkno.findChild<TListaPozycji*>(QStringLiteral("itemPanel_StanRealizacji")), 0);
    }
    ~TOknoZPlanami() { fOkno.SetMyDB(nullptr); }

    void KliknijFiltr() { Kliknij(*fOkno.findChild<TListaPozycji*>(QStringLiteral("itemPanel_Zaplanowane")), 0); }
    TSiatkaDanych& Siatka() { return fOkno.Siatka(); }

private:
    TSrodowiskoPlanera fSrodowisko;
    TPlanerFormGlowny fOkno;
};

void KlikniecieFiltraPlanera(benchmark::State& stan)
{
    TOknoZPlanami okno(static_cast<int>(stan.range(0)));
    QImage obraz(okno.Siatka().size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stan) {
        okno.KliknijFiltr();
        Rysuj(okno.Siatka(), obraz);
    }
    if (okno.Siatka().IloscWierszy() != stan.range(0))
        stan.SkipWithError("the click did not list every plan");
}

// The two halves of a click: the rebuild alone (the view is laid out at the next paint) ...
void PrzebudowaListyPlanera(benchmark::State& stan)
{
    TOknoZPlanami okno(static_cast<int>(stan.range(0)));
    for (auto _ : stan)
        okno.KliknijFiltr();
}

// ... and a paint of the grid and its footer, whose sums walk the listed plans every time.
void RysowanieSiatkiPlanera(benchmark::State& stan)
{
    TOknoZPlanami okno(static_cast<int>(stan.range(0)));
    QImage obraz(okno.Siatka().size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stan)
        Rysuj(okno.Siatka(), obraz);
}

}  // namespace

BENCHMARK(BazowyQTableView)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(KlikniecieFiltraPlanera)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrzebudowaListyPlanera)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RysowanieSiatkiPlanera)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
