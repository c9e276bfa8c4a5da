#pragma once

#include <QGroupBox>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

// The group "Detalle" of the budget page, where one budget line is entered: category,
// description, subsidy, counterpart, the line's total and the year it belongs to, with the
// buttons "Aplicar" and "Cancelar". The amounts are normalised when their field is left; a
// field that does not hold a number takes the focus back.
class TDetallePresupuesto : public QGroupBox {
    Q_OBJECT
  public:
    explicit TDetallePresupuesto(QWidget* parent = nullptr);

    QComboBox* RubroComboBox() const { return presupuestoRubroComboBox_; }
    QLineEdit* DescripcionEdit() const { return presupuestoDescripcionEdit_; }
    QLineEdit* SubsidioEdit() const { return presupuestoSubsidioEdit_; }
    QLineEdit* ContraparteEdit() const { return presupuestoContraparteEdit_; }
    QLineEdit* AnioEdit() const { return presupuestoAnioEdit_; }
    QPushButton* GuardarButton() const { return presupuestoGuardarButton_; }
    QPushButton* CancelarButton() const { return presupuestoCancelarButton_; }

    // Enables or disables everything the user enters and both buttons.
    void SetEditable(bool editable);
    // No category, no description, no year, every amount "0".
    void Clear();
    // Shows a line: the category is chosen when one of the list has exactly that text.
    void Show(const QStringList& cells, const QString& anio);
    // The line as the table takes it: category, description, subsidy, counterpart, total.
    QStringList Cells() const;
    QString Anio() const;

    // Normalises both amounts and recomputes the total. An amount that is not a number gets
    // the focus and the result is false; nothing is normalised then.
    bool AcceptAmounts();

    void presupuestoSubsidioEditExit();
    void presupuestoContraparteEditExit();
    // Total := subsidy + counterpart, a text that is not a number counting as 0.
    void RecalcItemTotal();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Writes the amount in its canonical form; false, and the text as typed, when it is not
    // a number.
    static bool NormalizeAmount(QLineEdit* edit);
    void AmountEditExit(QLineEdit* edit);
    // The focus goes back to the field once it has finished moving to where it was going.
    void RestoreFocus(QLineEdit* edit);

    QComboBox* presupuestoRubroComboBox_;
    QLineEdit* presupuestoDescripcionEdit_;
    QLineEdit* presupuestoSubsidioEdit_;
    QLineEdit* presupuestoContraparteEdit_;
    QLineEdit* presupuestoTotalEdit_;
    QLineEdit* presupuestoAnioEdit_;
    QPushButton* presupuestoGuardarButton_;
    QPushButton* presupuestoCancelarButton_;
    // Set while the focus is on its way back to a field, so the exit that causes does not
    // send it elsewhere again.
    bool restoringFocus_ = false;
};
