#include "ui_support/UDialogosGuion.h"

#include <gtest/gtest.h>

QStringList TDialogosGuion::Texts(TDialogoMostrado::TClase clase) const {
    QStringList texts;
    for (const TDialogoMostrado& dialog : shown_) {
        if (dialog.clase == clase)
            texts.append(dialog.text);
    }
    return texts;
}

TBotonDialogo TDialogosGuion::ShowCaptionedDialog(const QString& message, const QString& title,
                                                  TTipoDialogo kind, const QStringList& captions,
                                                  TBotonesDialogo buttons,
                                                  TBotonesDialogo defaultButton) {
    shown_.push_back({TDialogoMostrado::TClase::Mensaje, message, title, kind, captions, buttons,
                      defaultButton});
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected dialog: " << message.toStdString();
        return TBotonDialogo::Cancelar;
    }
    const TBotonDialogo answer = answers_.front();
    answers_.pop_front();
    // Dismissing is always possible; any other answer must be a button of the dialog.
    if (answer != TBotonDialogo::Cancelar && !buttons.testFlag(answer))
        ADD_FAILURE() << "The dialog has no such button: " << message.toStdString();
    return answer;
}

void TDialogosGuion::ShowInformation(const QString& text) {
    shown_.push_back({TDialogoMostrado::TClase::Informacion,
                      text,
                      {},
                      TTipoDialogo::Informacion,
                      {},
                      TBotonDialogo::Aceptar,
                      {}});
}

void TDialogosGuion::ShowError(const QString& text) {
    shown_.push_back({TDialogoMostrado::TClase::Error,
                      text,
                      {},
                      TTipoDialogo::Error,
                      {},
                      TBotonDialogo::Aceptar,
                      {}});
}

QString TDialogosGuion::ChooseFile(const QString& title, const QString&, const QString&) {
    shown_.push_back({TDialogoMostrado::TClase::Archivo, title, title, {}, {}, {}, {}});
    return NextPath(title);
}

QString TDialogosGuion::ChooseFolder(const QString& title, const QString&) {
    shown_.push_back({TDialogoMostrado::TClase::Carpeta, title, title, {}, {}, {}, {}});
    return NextPath(title);
}

QString TDialogosGuion::NextPath(const QString& title) {
    if (paths_.empty()) {
        ADD_FAILURE() << "Unexpected chooser: " << title.toStdString();
        return QString();
    }
    const QString path = paths_.front();
    paths_.pop_front();
    return path;
}

QList<int> TDialogosGuion::ChooseItems(const QString& title, const QString& message,
                                       const QStringList& items) {
    shown_.push_back({TDialogoMostrado::TClase::Lista, message, title, {}, items, {}, {}});
    offered_ = items;
    if (items_.empty()) {
        ADD_FAILURE() << "Unexpected list: " << message.toStdString();
        return {};
    }
    const QList<int> answer = items_.front();
    items_.pop_front();
    return answer;
}
