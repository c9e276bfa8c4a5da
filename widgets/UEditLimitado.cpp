#include "widgets/UEditLimitado.h"

#include "widgets/UContadorCaracteres.h"
#include "widgets/UDialogos.h"

#include <QCoreApplication>

#include <limits>

TEditLimitado::TEditLimitado(const QString& name, int limite, QWidget* parent)
    : QLineEdit(parent), limite_(limite) {
    setObjectName(name);
    // Qt's own default would cut texts at 32767 characters, stored ones too when loaded.
    setMaxLength(std::numeric_limits<int>::max());
    // The text as it now stands: a change cut while Qt was still reporting it arrives here
    // with the uncut text.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (text() == actual_)
            return;
        anterior_ = actual_;
        actual_ = text();
    });
    connect(this, &QLineEdit::textEdited, this, &TEditLimitado::Limitar);
}

void TEditLimitado::Limitar(const QString& texto) {
    // The text before the user's change, whichever of Qt's two signals came first.
    if (actual_ != texto) {
        anterior_ = actual_;
        actual_ = texto;
    }
    const qsizetype tope = qMax(qsizetype(limite_), anterior_.size());
    if (limite_ <= 0 || texto.size() <= tope)
        return;
    const qsizetype exceso = texto.size() - tope;
    const qsizetype insertado = texto.size() - anterior_.size();
    const int fin = cursorPosition();
    const int inicio = int(qMax(qsizetype(0), fin - exceso));
    QString recortado = texto;
    recortado.remove(inicio, fin - inicio);
    setText(recortado);
    setCursorPosition(inicio);
    // One character too many is simply not taken, as in any limited field.
    if (insertado > 1)
        AvisarTextoRecortado(limite_, int(exceso));
}

TContadorCaracteres* ContadorDe(TEditLimitado* edit) {
    auto* contador = new TContadorCaracteres(
        edit, [edit] { return edit->Limite(); }, [edit] { return int(edit->text().size()); });
    QObject::connect(edit, &QLineEdit::textChanged, contador, &TContadorCaracteres::Actualizar);
    return contador;
}

void AvisarTextoRecortado(int limite, int omitidos) {
    const QString texto =
        QStringLiteral("El texto pegado supera el máximo de %1 caracteres del campo: se "
                       "omitieron sus últimos %2 caracteres.")
            .arg(limite)
            .arg(omitidos);
    // Not from inside the field's own change.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [texto] { Dialogos().ShowInformation(texto); },
        Qt::QueuedConnection);
}
