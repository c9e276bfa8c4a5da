#include "pages/UPaginaPresupuesto.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

TPaginaPresupuesto::TPaginaPresupuesto(QWidget* parent)
    : QWidget(parent), presupuestoAnioPageControl_(new QTabWidget) {
    setObjectName(QStringLiteral("detalleDelPresupuestoDelProyectoTab"));
    presupuestoAnioPageControl_->setObjectName(QStringLiteral("presupuestoAnioPageControl"));
    const std::pair<const char*, QString> anios[] = {
        {"anioUnoTab", QStringLiteral("Año 1")},
        {"anioDosTab", QStringLiteral("Año 2")},
        {"anioTresTab", QStringLiteral("Año 3")},
    };
    for (const auto& [name, caption] : anios) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        presupuestoAnioPageControl_->addTab(page, caption);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(presupuestoAnioPageControl_);
}

void TPaginaPresupuesto::SetAnioVisible(int anio, bool visible) {
    presupuestoAnioPageControl_->setTabVisible(anio - 1, visible);
}
