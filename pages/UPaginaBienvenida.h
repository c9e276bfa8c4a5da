#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The welcome page (bienvenidoTab): the installation's welcome text, the program's name and
// its version. It is shown only at start; no section leads back to it.
class TPaginaBienvenida : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaBienvenida(QWidget* parent = nullptr);

    // Replaces the welcome text; an empty text leaves the memo empty.
    void SetBienvenida(const QString& text);
    void SetVersion(const QString& text);

    // The memo never keeps the focus: it goes to the page itself.
    void bienvenidaMemoEnter();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* bienvenidaMemo_;
    QLabel* versionLabel_;
};
