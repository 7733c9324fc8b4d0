#include "planner/FiltrTekstu.h"

#include <algorithm>

#include "common/FunkcjeWspolne.h"

namespace {

bool ZnakZakazany(QChar znak)
{
    return znak == u'|' || znak == u'\'' || znak == u'"' || znak == u';';
}

}  // namespace

TFiltrTekstu::TFiltrTekstu(TOpcje opcje, QObject* rodzic) : QValidator(rodzic), fOpcje(opcje) {}

QValidator::State TFiltrTekstu::validate(QString& tekst, int& pozycja) const
{
    QString wynik;
    wynik.reserve(tekst.size());
    int nowaPozycja = pozycja;
    for (int i = 0; i < tekst.size(); ++i) {
        const QChar znak = tekst[i];
        bool zostaje = !(fOpcje.UsunZnakiZakazane && ZnakZakazany(znak));
        if (znak.isHighSurrogate())
            zostaje = i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate();
        else if (znak.isLowSurrogate())
            zostaje = i > 0 && tekst[i - 1].isHighSurrogate();
        if (zostaje)
            wynik += znak;
        else if (i < pozycja)
            --nowaPozycja;
    }
    if (fOpcje.WielkaPierwszaLitera && !wynik.isEmpty()) {
        const int dlugoscPierwszej = wynik.front().isHighSurrogate() ? 2 : 1;
        const QString pierwsza = wynik.left(dlugoscPierwszej);
        const QString wielka = QString::fromStdString(WielkaPierwszaLitera(pierwsza.toStdString()));
        if (wielka != pierwsza) {
            wynik.replace(0, dlugoscPierwszej, wielka);
            if (nowaPozycja >= dlugoscPierwszej)
                nowaPozycja += static_cast<int>(wielka.size()) - dlugoscPierwszej;
        }
    }
    tekst = wynik;
    pozycja = std::clamp(nowaPozycja, 0, static_cast<int>(tekst.size()));
    return Acceptable;
}

QString TFiltrTekstu::Oczysc(const QString& tekst) const
{
    QString wynik = tekst;
    int pozycja = 0;
    validate(wynik, pozycja);
    return wynik;
}
