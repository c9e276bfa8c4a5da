#include "pages/UPaginaPresupuesto.h"

#include "document/UXMLProject.h"
#include "form/UImportes.h"
#include "form/UListaPresupuesto.h"
#include "form/UPresupuestoItem.h"
#include "pages/UDetallePresupuesto.h"
#include "pages/UGrillaPresupuesto.h"
#include "widgets/UDialogos.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton* NewButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

} // namespace

TPaginaPresupuesto::TPaginaPresupuesto(QWidget* parent)
    : QWidget(parent), prespuestoPageControl_(new QTabWidget), presupuestoVistaTab_(new QWidget),
      presupuestoEditTab_(new QWidget),
      presupuestoNuevoButton_(
          NewButton(QStringLiteral("presupuestoNuevoButton"), QStringLiteral("Nuevo"))),
      presupuestoEditarButton_(
          NewButton(QStringLiteral("presupuestoEditarButton"), QStringLiteral("Editar"))),
      presupuestoEliminarButton_(
          NewButton(QStringLiteral("presupuestoEliminarButton"), QStringLiteral("Eliminar"))),
      presupuestoAnioPageControl_(new QTabWidget), detalle_(new TDetallePresupuesto) {
    setObjectName(QStringLiteral("detalleDelPresupuestoDelProyectoTab"));
    prespuestoPageControl_->setObjectName(QStringLiteral("prespuestoPageControl"));
    prespuestoPageControl_->setDocumentMode(true);
    presupuestoVistaTab_->setObjectName(QStringLiteral("presupuestoVistaTab"));
    presupuestoEditTab_->setObjectName(QStringLiteral("presupuestoEditTab"));
    presupuestoAnioPageControl_->setObjectName(QStringLiteral("presupuestoAnioPageControl"));

    struct TAnio {
        const char* page;
        const char* prefix;
        QString caption;
    };
    const TAnio anios[kAnios] = {
        {"anioUnoTab", "anioUno", QStringLiteral("Año 1")},
        {"anioDosTab", "anioDos", QStringLiteral("Año 2")},
        {"anioTresTab", "anioTres", QStringLiteral("Año 3")},
    };
    for (int i = 0; i < kAnios; ++i) {
        const QString prefix = QString::fromLatin1(anios[i].prefix);
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(anios[i].page));
        grids_[i] = new TGrillaPresupuesto(prefix + QStringLiteral("StringGrid"));
        totales_[i] = new TTotalesPresupuesto(prefix);
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(grids_[i], 1);
        layout->addWidget(totales_[i]);
        presupuestoAnioPageControl_->addTab(page, anios[i].caption);
        // A double click anywhere in the table opens its current line.
        grids_[i]->viewport()->installEventFilter(this);
    }
    grids_[0]->setToolTip(
        QStringLiteral("Haga doble click para editar este renglón del presupuesto"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(presupuestoNuevoButton_);
    buttons->addWidget(presupuestoEditarButton_);
    buttons->addWidget(presupuestoEliminarButton_);
    buttons->addStretch(1);
    auto* vista = new QVBoxLayout(presupuestoVistaTab_);
    vista->addLayout(buttons);
    vista->addWidget(presupuestoAnioPageControl_, 1);

    auto* edit = new QVBoxLayout(presupuestoEditTab_);
    edit->addWidget(detalle_);
    edit->addStretch(1);

    prespuestoPageControl_->addTab(presupuestoVistaTab_, QStringLiteral("Vista"));
    prespuestoPageControl_->addTab(presupuestoEditTab_, QStringLiteral("Editar"));
    prespuestoPageControl_->setCurrentWidget(presupuestoVistaTab_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prespuestoPageControl_);

    connect(presupuestoNuevoButton_, &QPushButton::clicked, this,
            &TPaginaPresupuesto::presupuestoNuevoButtonClick);
    connect(presupuestoEditarButton_, &QPushButton::clicked, this,
            &TPaginaPresupuesto::presupuestoEditarButtonClick);
    connect(presupuestoEliminarButton_, &QPushButton::clicked, this,
            &TPaginaPresupuesto::presupuestoEliminarButtonClick);
    connect(detalle_->GuardarButton(), &QPushButton::clicked, this,
            &TPaginaPresupuesto::presupuestoGuardarButtonClick);
    connect(detalle_->CancelarButton(), &QPushButton::clicked, this,
            &TPaginaPresupuesto::presupuestoCancelarButtonClick);
}

void TPaginaPresupuesto::SetAnioVisible(int anio, bool visible) {
    presupuestoAnioPageControl_->setTabVisible(anio - 1, visible);
}

bool TPaginaPresupuesto::AnioVisible(int anio) const {
    return presupuestoAnioPageControl_->isTabVisible(anio - 1);
}

bool TPaginaPresupuesto::AnioTieneLineas(int anio) const {
    return anio >= 1 && anio <= kAnios && grids_[anio - 1]->Count() > 0;
}

bool TPaginaPresupuesto::EditandoRenglon() const {
    return prespuestoPageControl_->currentWidget() == presupuestoEditTab_;
}

bool TPaginaPresupuesto::AplicarRenglon() {
    presupuestoGuardarButtonClick();
    return !EditandoRenglon();
}

void TPaginaPresupuesto::HidePageTabs() {
    prespuestoPageControl_->tabBar()->hide();
}

void TPaginaPresupuesto::SetupPresupuestoGrids() {
    for (TGrillaPresupuesto* grid : grids_)
        grid->SetupPresupuestoGrid();
    for (const QString& anio : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")})
        RecalcPresupuestoTotals(anio);
}

void TPaginaPresupuesto::ShowVista() {
    SetPresupuestoEditMode(false);
}

void TPaginaPresupuesto::ShowYear(const QString& anio) {
    const int index = YearIndex(anio);
    if (index < 0)
        return;
    presupuestoAnioPageControl_->setCurrentIndex(index);
    grids_[index]->setFocus(Qt::OtherFocusReason);
}

int TPaginaPresupuesto::YearIndex(const QString& anio) {
    if (anio == QLatin1String("1"))
        return 0;
    if (anio == QLatin1String("2"))
        return 1;
    if (anio == QLatin1String("3"))
        return 2;
    return -1;
}

TGrillaPresupuesto* TPaginaPresupuesto::GridForYear(const QString& anio) const {
    const int index = YearIndex(anio);
    return index < 0 ? nullptr : grids_[index];
}

QLineEdit* TPaginaPresupuesto::SummaryFieldForYear(TTipoTotal kind, const QString& anio) const {
    const int index = YearIndex(anio);
    return index < 0 ? nullptr : totales_[index]->Field(kind);
}

void TPaginaPresupuesto::RecalcPresupuestoTotals(const QString& anio) {
    const int index = YearIndex(anio);
    if (index >= 0)
        totales_[index]->Recalc(*grids_[index]);
}

QString TPaginaPresupuesto::ActiveYear() const {
    return QString::number(presupuestoAnioPageControl_->currentIndex() + 1);
}

int TPaginaPresupuesto::AppendPresupuestoRow(TGrillaPresupuesto* grid) {
    return grid->AppendPresupuestoRow();
}

void TPaginaPresupuesto::SetPresupuestoEditMode(bool on) {
    detalle_->SetEditable(on);
    // The year cannot change while a line is being edited.
    presupuestoAnioPageControl_->setEnabled(!on);
    if (on) {
        prespuestoPageControl_->setCurrentWidget(presupuestoEditTab_);
        return;
    }
    detalle_->Clear();
    prespuestoPageControl_->setCurrentWidget(presupuestoVistaTab_);
}

void TPaginaPresupuesto::EditPresupuestoRow(TGrillaPresupuesto* grid) {
    if (grid == nullptr || grid->Count() <= 0)
        return;
    SetPresupuestoEditMode(true);
    accion_ = TAccion::Editar;
    detalle_->Show(grid->Row(grid->CurrentRow()), ActiveYear());
    detalle_->RubroComboBox()->setFocus(Qt::OtherFocusReason);
}

void TPaginaPresupuesto::presupuestoNuevoButtonClick() {
    accion_ = TAccion::Nuevo;
    detalle_->Clear();
    detalle_->AnioEdit()->setText(ActiveYear());
    SetPresupuestoEditMode(true);
    detalle_->RubroComboBox()->setFocus(Qt::OtherFocusReason);
}

void TPaginaPresupuesto::presupuestoEditarButtonClick() {
    EditPresupuestoRow(GridForYear(ActiveYear()));
}

void TPaginaPresupuesto::anioUnoStringGridDblClick() {
    EditPresupuestoRow(grids_[0]);
}

void TPaginaPresupuesto::anioDosStringGridDblClick() {
    EditPresupuestoRow(grids_[1]);
}

void TPaginaPresupuesto::anioTresStringGridDblClick() {
    EditPresupuestoRow(grids_[2]);
}

void TPaginaPresupuesto::presupuestoEliminarButtonClick() {
    const QString anio = ActiveYear();
    if (TGrillaPresupuesto* grid = GridForYear(anio))
        grid->DeleteCurrentRow();
    RecalcPresupuestoTotals(anio);
    emit presupuestoModificado();
}

void TPaginaPresupuesto::presupuestoGuardarButtonClick() {
    if (detalle_->RubroComboBox()->currentIndex() < 0) {
        Dialogos().ShowError(QStringLiteral("Debe elegir un rubro."));
        return;
    }
    if (detalle_->DescripcionEdit()->text().isEmpty()) {
        Dialogos().ShowError(QStringLiteral("La descripción no puede estar vacía."));
        return;
    }
    // Only numbers go into the table: an amount that is not one keeps the focus.
    if (!detalle_->AcceptAmounts())
        return;
    TGrillaPresupuesto* grid = GridForYear(detalle_->Anio());
    if (grid == nullptr)
        return;
    const int row = accion_ == TAccion::Nuevo ? AppendPresupuestoRow(grid) : grid->CurrentRow();
    grid->SetRow(row, detalle_->Cells());
    SetPresupuestoEditMode(false);
    accion_ = TAccion::Ninguna;
    RecalcPresupuestoTotals(ActiveYear());
    emit presupuestoModificado();
}

void TPaginaPresupuesto::presupuestoCancelarButtonClick() {
    SetPresupuestoEditMode(false);
}

void TPaginaPresupuesto::SavePresupuesto(TXMLProject& project) const {
    // The years the page shows: all the lines the user sees are kept, also while no duration
    // is chosen (one year then).
    TPresupuestoPorAnio anios;
    std::array<bool, kAniosPresupuesto> incluidos{};
    for (int i = 0; i < kAnios; ++i) {
        incluidos[i] = presupuestoAnioPageControl_->isTabVisible(i);
        anios[i] = grids_[i]->Renglones();
    }
    WritePresupuesto(project, anios, incluidos);
}

void TPaginaPresupuesto::LoadPresupuesto(TXMLProject& project) {
    const TPresupuestoPorAnio anios = ReadRenglonesPresupuesto(project);
    for (int i = 0; i < kAnios; ++i) {
        for (const TRenglonPresupuesto& renglon : anios[i])
            grids_[i]->SetRenglon(grids_[i]->AppendPresupuestoRow(), renglon);
    }
    for (const QString& anio : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")})
        RecalcPresupuestoTotals(anio);
}

bool TPaginaPresupuesto::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == grids_[0]->viewport())
            anioUnoStringGridDblClick();
        else if (watched == grids_[1]->viewport())
            anioDosStringGridDblClick();
        else if (watched == grids_[2]->viewport())
            anioTresStringGridDblClick();
    }
    return QWidget::eventFilter(watched, event);
}
