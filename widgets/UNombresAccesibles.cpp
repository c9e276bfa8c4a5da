#include "widgets/UNombresAccesibles.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>

namespace {

QString TextoDe(const QLabel* label) {
    QString text = label->text();
    // A mnemonic's marker is not read out.
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text;
}

// The label of a form row: a label, or a widget whose first label is the caption (a caption
// with a verdict beside it).
QString EtiquetaDeFormulario(const QWidget* campo) {
    const QWidget* parent = campo->parentWidget();
    const auto* form =
        parent != nullptr ? qobject_cast<const QFormLayout*>(parent->layout()) : nullptr;
    if (form == nullptr)
        return QString();
    const QWidget* label = form->labelForField(const_cast<QWidget*>(campo));
    if (label == nullptr)
        return QString();
    if (const auto* plain = qobject_cast<const QLabel*>(label))
        return TextoDe(plain);
    if (const auto* first = label->findChild<QLabel*>())
        return TextoDe(first);
    return QString();
}

// The caption of a box that holds this one field and no other.
QString TituloDeCaja(const QWidget* campo) {
    const auto* box = qobject_cast<const QGroupBox*>(campo->parentWidget());
    if (box == nullptr)
        return QString();
    int campos = 0;
    for (const QWidget* child : box->findChildren<QWidget*>())
        campos += TNombresAccesibles::EsCampo(child) ? 1 : 0;
    return campos == 1 ? box->title() : QString();
}

} // namespace

bool TNombresAccesibles::EsCampo(const QWidget* widget) {
    // The line of a pick list or of a date picker belongs to its owner.
    const QWidget* parent = widget->parentWidget();
    if (qobject_cast<const QLineEdit*>(widget) != nullptr)
        return qobject_cast<const QComboBox*>(parent) == nullptr &&
               qobject_cast<const QAbstractSpinBox*>(parent) == nullptr;
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        return !memo->isReadOnly();
    if (const auto* memo = qobject_cast<const QTextEdit*>(widget))
        return !memo->isReadOnly();
    return qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

QString TNombresAccesibles::Etiqueta(const QWidget* campo) {
    QString label = EtiquetaDeFormulario(campo);
    if (label.isEmpty())
        label = TituloDeCaja(campo);
    return label;
}

void TNombresAccesibles::Nombrar(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!EsCampo(widget) || !widget->accessibleName().isEmpty())
            continue;
        const QString label = Etiqueta(widget);
        if (!label.isEmpty())
            widget->setAccessibleName(label);
    }
}
