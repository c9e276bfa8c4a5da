#pragma once

#include "widgets/UEditLimitado.h"

#include <QString>
#include <QWidget>

#include <vector>

class QBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class TGrupoAyuda;
class TXMLProject;

// A page of the form: captioned group boxes stacked from top to bottom, each holding one
// field. The free texts of the page are bound to node paths below
// "project/document/body/section-break/" and stored as CDATA by SaveTexts and LoadTexts.
class TPaginaFormulario : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaFormulario(const QString& name, QWidget* parent = nullptr);

    // Writes the page's texts in the order they were bound; every text is written, empty or
    // not, also when its box is hidden.
    void SaveTexts(TXMLProject& project) const;
    // Reads the page's texts in the same order; a missing text reads as empty.
    void LoadTexts(TXMLProject& project);

  protected:
    // A single-line field without length limit.
    static TEditLimitado* NewEdit(const QString& name);
    // A multi-line field that scrolls vertically; Tab moves on to the next field.
    static QPlainTextEdit* NewMemo(const QString& name);

    // Adds a group box holding the control below the boxes added before. Boxes with a
    // multi-line field share the page's height.
    TGrupoAyuda* AddGrupo(const QString& name, const QString& caption, const QString& keyword,
                          QWidget* control);

    // Binds a text field to its path below "project/document/body/section-break/".
    void AddTexto(const QString& path, QLineEdit* edit);
    void AddTexto(const QString& path, QPlainTextEdit* memo);

  private:
    struct TCampoTexto {
        QString path;
        QLineEdit* edit;
        QPlainTextEdit* memo;
    };

    QBoxLayout* layout_;
    std::vector<TCampoTexto> textos_;
};
