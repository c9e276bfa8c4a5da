#pragma once

#include <QGroupBox>

// A captioned group box of the form that carries a help keyword. While the focus is inside
// it, the help link of the section panel offers the help text filed under that keyword; a box
// without keyword disables the link.
class TGrupoAyuda : public QGroupBox {
    Q_OBJECT
  public:
    TGrupoAyuda(const QString& name, const QString& caption, const QString& keyword = QString(),
                QWidget* parent = nullptr);

    // A new caption, which also names the box's field for screen readers.
    void SetCaption(const QString& caption);

    const QString& HelpKeyword() const { return helpKeyword_; }
    void SetHelpKeyword(const QString& keyword) { helpKeyword_ = keyword; }

  private:
    QString helpKeyword_;
};
