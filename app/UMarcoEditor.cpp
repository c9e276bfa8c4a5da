#include "app/UMarcoEditor.h"

#include "app/UPanelSecciones.h"
#include "widgets/UEtiquetaClic.h"
#include "widgets/USplitterBiselado.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPanelWidth = 273;
// Width the section panel gets back when it is shown after the splitter collapsed it.
constexpr int kRestoredPanelWidth = 270;

} // namespace

TMarcoEditor::TMarcoEditor(QTabWidget* paginas, QWidget* parent)
    : QWidget(parent), seccionesPanel_(new TPanelSecciones), panelWidth_(kPanelWidth) {
    setObjectName(QStringLiteral("editarTab"));

    auto* pages = new QWidget;
    pages->setObjectName(QStringLiteral("paginasPanel"));
    auto* pagesLayout = new QVBoxLayout(pages);
    pagesLayout->setContentsMargins(0, 0, 0, 0);
    pagesLayout->setSpacing(0);
    pagesLayout->addWidget(BuildHeader());
    pagesLayout->addWidget(paginas, 1);

    // Bevelled, so the user sees there is something to drag.
    Splitter1_ = new TSplitterBiselado(Qt::Horizontal);
    Splitter1_->setObjectName(QStringLiteral("Splitter1"));
    Splitter1_->setHandleWidth(8);
    Splitter1_->setOpaqueResize(true);
    Splitter1_->addWidget(seccionesPanel_);
    Splitter1_->addWidget(pages);
    Splitter1_->setCollapsible(0, true);
    Splitter1_->setCollapsible(1, false);
    Splitter1_->setStretchFactor(0, 0);
    Splitter1_->setStretchFactor(1, 1);
    Splitter1_->installEventFilter(this);
    connect(Splitter1_, &QSplitter::splitterMoved, this,
            [this] { panelWidth_ = Splitter1_->sizes().value(0); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1_);
}

QWidget* TMarcoEditor::BuildHeader() {
    seccionLabel_ = new QLabel(QStringLiteral("Bienvenido"));
    seccionLabel_->setObjectName(QStringLiteral("seccionLabel"));
    QFont bold = seccionLabel_->font();
    bold.setBold(true);
    seccionLabel_->setFont(bold);
    Label100_ = new TEtiquetaClic;
    Label100_->setObjectName(QStringLiteral("Label100"));
    Label100_->setText(QStringLiteral("Ocultar/Mostrar Secciones"));
    connect(Label100_, &TEtiquetaClic::clicked, this, &TMarcoEditor::Label100Click);

    auto* header = new QWidget;
    header->setObjectName(QStringLiteral("seccionHeaderPanel"));
    header->setFixedHeight(25);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(6, 0, 6, 0);
    headerLayout->addWidget(seccionLabel_);
    cargaIncompletaLabel_ = new QLabel(QStringLiteral("Proyecto cargado en forma incompleta"));
    cargaIncompletaLabel_->setObjectName(QStringLiteral("cargaIncompletaLabel"));
    cargaIncompletaLabel_->setToolTip(QStringLiteral(
        "No se pudo cargar todo el proyecto guardado. Al guardar se le preguntará si desea "
        "reemplazarlo con lo que muestra el formulario."));
    cargaIncompletaLabel_->setStyleSheet(QStringLiteral("color: red;"));
    cargaIncompletaLabel_->setFont(bold);
    cargaIncompletaLabel_->hide();
    headerLayout->addSpacing(12);
    headerLayout->addWidget(cargaIncompletaLabel_);
    headerLayout->addStretch(1);
    headerLayout->addWidget(Label100_);
    return header;
}

void TMarcoEditor::SetSeccion(const QString& texto) {
    seccionLabel_->setText(texto);
}

void TMarcoEditor::MostrarCargaIncompleta(bool mostrar) {
    cargaIncompletaLabel_->setVisible(mostrar);
}

bool TMarcoEditor::eventFilter(QObject* watched, QEvent* event) {
    // The splitter is resized with the window, and after the window's own resize event.
    if (watched == Splitter1_ && event->type() == QEvent::Resize)
        FormResize();
    return QWidget::eventFilter(watched, event);
}

void TMarcoEditor::FormResize() {
    if (seccionesPanel_->isHidden())
        return;
    const int total = Splitter1_->width() - Splitter1_->handleWidth();
    if (Splitter1_->sizes().value(0) != panelWidth_ && total > panelWidth_)
        Splitter1_->setSizes({panelWidth_, total - panelWidth_});
}

void TMarcoEditor::Label100Click() {
    const bool visible = seccionesPanel_->isHidden();
    seccionesPanel_->setVisible(visible);
    if (visible && Splitter1_->sizes().value(0) == 0) {
        // The splitter had collapsed the panel: showing it must show something.
        const QList<int> sizes = Splitter1_->sizes();
        panelWidth_ = kRestoredPanelWidth;
        Splitter1_->setSizes({panelWidth_, qMax(0, sizes.value(1) - panelWidth_)});
    }
    Label100_->setText(visible ? QStringLiteral("Ocultar Secciones")
                               : QStringLiteral("Mostrar Secciones"));
}
