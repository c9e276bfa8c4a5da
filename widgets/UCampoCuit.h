#pragma once

#include <QObject>

#include <functional>

class QLabel;
class QWidget;
class TEditLimitado;

// A CUIT/CUIL field as the beneficiary and the person page show it: the caption with the
// check's verdict in red beside it, the edit below the caption's row, and the check when the
// focus leaves the edit. The number always stays as typed.
class TCampoCuit : public QObject {
    Q_OBJECT
  public:
    // The edit and the verdict get the names given; alSalir runs each time the focus leaves
    // the edit (the page's handler, which calls Comprobar when it applies).
    TCampoCuit(const QString& nombreEdit, const QString& nombreVeredicto,
               std::function<void()> alSalir, QObject* parent);

    // The caption and the verdict, for the label side of a form row.
    QWidget* Etiqueta() const { return etiqueta_; }
    TEditLimitado* Edit() const { return edit_; }
    QLabel* Veredicto() const { return veredicto_; }

    // Shows whether the number typed is a valid CUIT/CUIL.
    void Comprobar();

  private:
    QWidget* etiqueta_;
    QLabel* veredicto_;
    TEditLimitado* edit_;
};
