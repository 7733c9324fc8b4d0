#include "planner/PanelZTytulem.h"

#include <QLabel>
#include <QVBoxLayout>

#include "planner/CzcionkiPlanera.h"

TPanelZTytulem::TPanelZTytulem(const QString& tytul, QWidget* rodzic)
    : QFrame(rodzic), fTytul(new QLabel(tytul, this)), fUklad(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("PanelZTytulem"));
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("#PanelZTytulem { background: white; border: 1px solid rgb(170, 168, 160); }"));
    fUklad->setContentsMargins(1, 1, 1, 1);
    fUklad->setSpacing(0);

    fTytul->setObjectName(QStringLiteral("TytulPanelu"));
    fTytul->setFont(CzcionkaTahomaPx(13, true));
    fTytul->setFixedHeight(24);
    fTytul->setContentsMargins(8, 0, 4, 0);
    fTytul->setAutoFillBackground(true);
    QPalette paleta = fTytul->palette();
    paleta.setColor(QPalette::Window, QColor(98, 94, 84));
    paleta.setColor(QPalette::WindowText, Qt::white);
    fTytul->setPalette(paleta);
    fUklad->addWidget(fTytul);
}

QString TPanelZTytulem::Tytul() const
{
    return fTytul->text();
}

void TPanelZTytulem::Dodaj(QWidget* zawartosc, int rozciaganie)
{
    fUklad->addWidget(zawartosc, rozciaganie);
}
