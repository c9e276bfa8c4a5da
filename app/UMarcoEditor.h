#pragma once

#include <QWidget>

class QLabel;
class QSplitter;
class QTabWidget;
class TEtiquetaClic;
class TPanelSecciones;

// The editor page (editarTab): the section panel at the left and, beside it behind a bevelled
// splitter, a header line over the form pages. The panel keeps the width the user gave it while
// the window is resized, and the header's link hides it and shows it again.
class TMarcoEditor : public QWidget {
    Q_OBJECT
  public:
    // Shows the form pages (PageControl), which it takes over, beside the panel.
    explicit TMarcoEditor(QTabWidget* paginas, QWidget* parent = nullptr);

    TPanelSecciones* Panel() const { return seccionesPanel_; }
    // The name of the section shown, in the header.
    void SetSeccion(const QString& texto);
    // The warning that the stored project could not be loaded completely.
    void MostrarCargaIncompleta(bool mostrar);

    // "Ocultar/Mostrar Secciones": hides the panel, or shows it with some width.
    void Label100Click();
    // The panel stays at the left edge with its width; the pages take what the window gained
    // or lost.
    void FormResize();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildHeader();

    TPanelSecciones* seccionesPanel_;
    QLabel* seccionLabel_ = nullptr;
    QLabel* cargaIncompletaLabel_ = nullptr;
    TEtiquetaClic* Label100_ = nullptr;
    QSplitter* Splitter1_;
    // Width the user gave the section panel.
    int panelWidth_;
};
