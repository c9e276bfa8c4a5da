#include "pages/UDetallePresupuesto.h"

#include "form/UImportes.h"
#include "form/UListasCodigo.h"
#include "widgets/UEditLimitado.h"
#include "widgets/UPaginaListas.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kCero = QStringLiteral("0");
// Characters the category pick list shows at least.
constexpr int kMinimoVisible = 12;

QLineEdit* NewEdit(const QString& name) {
    return new TEditLimitado(name);
}

QPushButton* NewButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

} // namespace

TDetallePresupuesto::TDetallePresupuesto(QWidget* parent)
    : QGroupBox(QStringLiteral("Detalle"), parent), presupuestoRubroComboBox_(new QComboBox),
      presupuestoDescripcionEdit_(NewEdit(QStringLiteral("presupuestoDescripcionEdit"))),
      presupuestoSubsidioEdit_(NewEdit(QStringLiteral("presupuestoSubsidioEdit"))),
      presupuestoContraparteEdit_(NewEdit(QStringLiteral("presupuestoContraparteEdit"))),
      presupuestoTotalEdit_(NewEdit(QStringLiteral("presupuestoTotalEdit"))),
      presupuestoAnioEdit_(NewEdit(QStringLiteral("presupuestoAnioEdit"))),
      presupuestoGuardarButton_(
          NewButton(QStringLiteral("presupuestoGuardarButton"), QStringLiteral("Aplicar"))),
      presupuestoCancelarButton_(
          NewButton(QStringLiteral("presupuestoCancelarButton"), QStringLiteral("Cancelar"))) {
    setObjectName(QStringLiteral("presupuestoDetalleGroupBox"));
    presupuestoRubroComboBox_->setObjectName(QStringLiteral("presupuestoRubroComboBox"));
    FillPickList(presupuestoRubroComboBox_, RubrosPresupuesto());
    // Long category names do not hold the page wider than the window leaves it.
    presupuestoRubroComboBox_->setSizeAdjustPolicy(
        QComboBox::AdjustToMinimumContentsLengthWithIcon);
    presupuestoRubroComboBox_->setMinimumContentsLength(kMinimoVisible);
    presupuestoTotalEdit_->setReadOnly(true);
    presupuestoAnioEdit_->setReadOnly(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Rubro"), presupuestoRubroComboBox_);
    form->addRow(QStringLiteral("Descripción"), presupuestoDescripcionEdit_);
    form->addRow(QStringLiteral("Subsidio"), presupuestoSubsidioEdit_);
    form->addRow(QStringLiteral("Contraparte"), presupuestoContraparteEdit_);
    form->addRow(QStringLiteral("Total"), presupuestoTotalEdit_);
    form->addRow(QStringLiteral("Año"), presupuestoAnioEdit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(presupuestoGuardarButton_);
    buttons->addWidget(presupuestoCancelarButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    presupuestoSubsidioEdit_->installEventFilter(this);
    presupuestoContraparteEdit_->installEventFilter(this);

    Clear();
    // Nothing can be entered before "Nuevo" or a line is opened; the year and the total are
    // never typed.
    for (QWidget* control : std::initializer_list<QWidget*>{
             presupuestoRubroComboBox_, presupuestoDescripcionEdit_, presupuestoSubsidioEdit_,
             presupuestoContraparteEdit_, presupuestoGuardarButton_, presupuestoCancelarButton_})
        control->setEnabled(false);
}

void TDetallePresupuesto::SetEditable(bool editable) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             presupuestoCancelarButton_, presupuestoGuardarButton_, presupuestoRubroComboBox_,
             presupuestoDescripcionEdit_, presupuestoAnioEdit_, presupuestoSubsidioEdit_,
             presupuestoContraparteEdit_})
        control->setEnabled(editable);
}

void TDetallePresupuesto::Clear() {
    presupuestoRubroComboBox_->setCurrentIndex(-1);
    presupuestoDescripcionEdit_->clear();
    presupuestoAnioEdit_->clear();
    presupuestoSubsidioEdit_->setText(kCero);
    presupuestoContraparteEdit_->setText(kCero);
    presupuestoTotalEdit_->setText(kCero);
}

void TDetallePresupuesto::Show(const QStringList& cells, const QString& anio) {
    // Exactly the stored text: a category that is not one of the list leaves none chosen.
    presupuestoRubroComboBox_->setCurrentIndex(presupuestoRubroComboBox_->findText(
        cells.value(0), Qt::MatchExactly | Qt::MatchCaseSensitive));
    presupuestoDescripcionEdit_->setText(cells.value(1));
    presupuestoSubsidioEdit_->setText(cells.value(2));
    presupuestoContraparteEdit_->setText(cells.value(3));
    presupuestoTotalEdit_->setText(cells.value(4));
    presupuestoAnioEdit_->setText(anio);
}

QStringList TDetallePresupuesto::Cells() const {
    return {presupuestoRubroComboBox_->currentText(), presupuestoDescripcionEdit_->text(),
            presupuestoSubsidioEdit_->text(), presupuestoContraparteEdit_->text(),
            presupuestoTotalEdit_->text()};
}

QString TDetallePresupuesto::Anio() const {
    return presupuestoAnioEdit_->text();
}

bool TDetallePresupuesto::AcceptAmounts() {
    for (QLineEdit* edit : {presupuestoSubsidioEdit_, presupuestoContraparteEdit_}) {
        long double value = 0;
        if (!ParseTypedAmount(edit->text(), value)) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            return false;
        }
    }
    NormalizeAmount(presupuestoSubsidioEdit_);
    NormalizeAmount(presupuestoContraparteEdit_);
    RecalcItemTotal();
    return true;
}

void TDetallePresupuesto::presupuestoSubsidioEditExit() {
    AmountEditExit(presupuestoSubsidioEdit_);
}

void TDetallePresupuesto::presupuestoContraparteEditExit() {
    AmountEditExit(presupuestoContraparteEdit_);
}

void TDetallePresupuesto::RecalcItemTotal() {
    presupuestoTotalEdit_->setText(
        SumAmounts(presupuestoSubsidioEdit_->text(), presupuestoContraparteEdit_->text()));
}

bool TDetallePresupuesto::NormalizeAmount(QLineEdit* edit) {
    long double value = 0;
    if (!ParseTypedAmount(edit->text(), value))
        return false;
    edit->setText(FormatAmount(value));
    return true;
}

void TDetallePresupuesto::AmountEditExit(QLineEdit* edit) {
    // A field left because the line was closed or the page went away is not sent back.
    if (!NormalizeAmount(edit) && !restoringFocus_ && edit->isEnabled() && edit->isVisible())
        RestoreFocus(edit);
    RecalcItemTotal();
}

void TDetallePresupuesto::RestoreFocus(QLineEdit* edit) {
    restoringFocus_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, edit] {
            if (edit->isEnabled() && edit->isVisible())
                edit->setFocus(Qt::OtherFocusReason);
            restoringFocus_ = false;
        },
        Qt::QueuedConnection);
}

bool TDetallePresupuesto::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Another window or a popup taking the focus is no exit: the field is still the
        // current one when the user comes back.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == presupuestoSubsidioEdit_)
                presupuestoSubsidioEditExit();
            else if (watched == presupuestoContraparteEdit_)
                presupuestoContraparteEditExit();
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
