// The grid's rebuild-and-paint against a bare QTableView over a trivial model, offscreen.
// One iteration is what a filter click costs the grid: the rows replaced by a new set of the
// given size, then one paint of the whole control (body, header, gutter, footer) into an image.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTableView>

#include "planner/SiatkaDanych.h"

namespace {

constexpr int IloscKolumn = 9;
const QSize RozmiarSiatki(894, 480);

QString TekstKomorki(int kolumna, int wiersz)
{
    return QString::number(wiersz * IloscKolumn + kolumna);
}

class TModelTrywialny : public QAbstractTableModel {
public:
    void Ustaw(int wiersze)
    {
        beginResetModel();
        fWiersze = wiersze;
        endResetModel();
    }
    int rowCount(const QModelIndex& rodzic = {}) const override
    {
        return rodzic.isValid() ? 0 : fWiersze;
    }
    int columnCount(const QModelIndex& rodzic = {}) const override
    {
        return rodzic.isValid() ? 0 : IloscKolumn;
    }
    QVariant data(const QModelIndex& indeks, int rola) const override
    {
        if (rola != Qt::DisplayRole)
            return {};
        return TekstKomorki(indeks.column(), indeks.row());
    }

private:
    int fWiersze = 0;
};

void Rysuj(QWidget& widzet, QImage& obraz)
{
    obraz.fill(Qt::white);
    widzet.render(&obraz);
    benchmark::DoNotOptimize(obraz.constBits());
}

void BazowyQTableView(benchmark::State& stan)
{
    TModelTrywialny model;
    QTableView widok;
    widok.setModel(&model);
    widok.resize(RozmiarSiatki);
    widok.show();
    QImage obraz(RozmiarSiatki, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stan) {
        model.Ustaw(static_cast<int>(stan.range(0)));
        Rysuj(widok, obraz);
    }
}

// Set up as the planner sets its grid: nine columns of which three hidden, fitted widths,
// a two-line footer, a cell hook that colours one column and draws over another, a footer hook.
void UstawJakPlaner(TSiatkaDanych& siatka)
{
    siatka.resize(RozmiarSiatki);
    siatka.SetTylkoDoOdczytu(true);
    siatka.SetIloscKolumn(IloscKolumn);
    siatka.SetAutomatycznaSzerokosc(true);
    for (int k = 0; k < IloscKolumn; ++k)
        siatka.SetTytul(k, QString("Kolumna %1").arg(k));
    siatka.SetWyrownanie(4, Qt::AlignRight);
    siatka.SetWyrownanie(5, Qt::AlignRight);
    for (int k : {0, 7, 8})
        siatka.SetWidoczna(k, false);
    siatka.SetIloscLiniiStopki(2);
    siatka.SetPrzyRysowaniuKomorki([](TRysowanieKomorki& r) {
        if (r.Kolumna() == 4)
            r.SetTlo(QColor(255, 194, 186));
        if (r.Kolumna() == 1) {
            r.Plotno().fillRect(r.Prostokat().adjusted(10, 2, -10, -2), Qt::darkGreen);
            r.SetObsluzona(true);
        }
    });
    siatka.SetPrzyRysowaniuStopki([&siatka](TRysowanieStopki&) {
        siatka.SetStopka(2, QString("Ilość: %1").arg(siatka.IloscWierszy()));
    });
    siatka.show();
}

void SiatkaDanychZDostawca(benchmark::State& stan)
{
    TSiatkaDanych siatka;
    UstawJakPlaner(siatka);
    QImage obraz(RozmiarSiatki, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stan) {
        siatka.SetIloscWierszy(0);
        siatka.WyczyscKomorki();
        {
            TWstrzymanaSiatka wstrzymana(siatka);
            siatka.UstawDostawce(static_cast<int>(stan.range(0)), TekstKomorki);
        }
        Rysuj(siatka, obraz);
    }
}

// The same rebuild with every cell text written by the program: the price of formatting
// and storing all cells up front instead of on demand.
void SiatkaDanychWpisywana(benchmark::State& stan)
{
    TSiatkaDanych siatka;
    UstawJakPlaner(siatka);
    QImage obraz(RozmiarSiatki, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stan) {
        siatka.SetIloscWierszy(0);
        siatka.WyczyscKomorki();
        {
            TWstrzymanaSiatka wstrzymana(siatka);
            for (int w = 0; w < stan.range(0); ++w) {
                siatka.DodajWiersz();
                for (int k = 0; k < IloscKolumn; ++k)
                    siatka.SetKomorka(k, w, TekstKomorki(k, w));
            }
        }
        Rysuj(siatka, obraz);
    }
}

}  // namespace

BENCHMARK(BazowyQTableView)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SiatkaDanychZDostawca)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SiatkaDanychWpisywana)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

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
