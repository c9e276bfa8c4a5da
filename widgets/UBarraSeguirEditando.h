#pragma once

#include <QWidget>

class QPushButton;
class TEtiquetaClic;

// The way back from the verify, technical description and send pages to the editor: a
// "Seguir editando el proyecto" button at the bottom right with an image above it. The
// window connects both to the same handler.
class TBarraSeguirEditando : public QWidget {
    Q_OBJECT
  public:
    TBarraSeguirEditando(const QString& buttonName, const QString& imageName,
                         QWidget* parent = nullptr);

    QPushButton* Button() const { return button_; }
    TEtiquetaClic* Image() const { return image_; }

  private:
    QPushButton* button_;
    TEtiquetaClic* image_;
};
