#include "widgets/UContadorCaracteres.h"

#include "config/URegional.h"

#include <QEvent>

TContadorCaracteres::TContadorCaracteres(QWidget* field, std::function<int()> limite,
                                         std::function<int()> largo, QWidget* parent)
    : QLabel(parent), field_(field), limite_(std::move(limite)), largo_(std::move(largo)) {
    setObjectName(field->objectName() + QStringLiteral("Contador"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->installEventFilter(this);
    hide();
}

void TContadorCaracteres::Actualizar() {
    const int limite = limite_();
    const int largo = largo_();
    setText(FormatWholeNumber(largo) + QStringLiteral(" / ") + FormatWholeNumber(limite));
    // Nearly full: shown also while the user is elsewhere.
    setVisible(limite > 0 && (field_->hasFocus() || largo * 10 > limite * 9));
}

bool TContadorCaracteres::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        Actualizar();
    return QLabel::eventFilter(watched, event);
}
