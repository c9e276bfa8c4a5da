#pragma once

#include <QDialog>

class QAction;
class QPlainTextEdit;
class QPushButton;

// The help window: the help text of one keyword in a read-only memo, closed with "Listo" or
// Esc. It is made for one topic, shown modally and then thrown away.
class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(QWidget* parent = nullptr);

    // Puts the text filed under keyword in "ayuda.xml" into the memo, or the notice that
    // there is none. Raises EXMLError when the help file cannot be read.
    void ShowTopic(const QString& keyword);

    QPlainTextEdit* Memo1() const { return Memo1_; }

  private:
    QPlainTextEdit* Memo1_;
    QPushButton* ListoButton_;
    // "Salir" of a menu that is never shown: it only lends its shortcut Esc.
    QAction* Salir1_;
};
