#pragma once

#include <QLineEdit>

// A single-line field whose limit, when it has one, applies to what the user types or pastes
// only: a text the program puts in (a stored value) is shown whole and stored whole, and can
// then only shrink. Without a limit it takes texts of any length, unlike Qt's own default.
class TEditLimitado : public QLineEdit {
    Q_OBJECT
  public:
    explicit TEditLimitado(const QString& name, int limite = 0, QWidget* parent = nullptr);

    int Limite() const { return limite_; }
    void SetLimite(int limite) { limite_ = limite; }

  private:
    // What the user just typed or pasted: the part beyond the limit, which ends at the cursor,
    // is left out; a paste that lost characters says so.
    void Limitar(const QString& texto);

    int limite_; // 0: no limit
    QString actual_;
    QString anterior_;
};

class TContadorCaracteres;

// The count of characters shown under the field, which follows its text.
TContadorCaracteres* ContadorDe(TEditLimitado* edit);

// Tells the user, once the current event is over, that a paste lost its last characters.
void AvisarTextoRecortado(int limite, int omitidos);
