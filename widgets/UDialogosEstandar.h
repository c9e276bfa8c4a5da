#pragma once

#include "widgets/UDialogos.h"

// The dialogs as the user sees them: Qt's message boxes and file dialogs, over the active
// window.
class TDialogosEstandar : public TDialogos {
  public:
    TBotonDialogo ShowCaptionedDialog(const QString& message, const QString& title,
                                      TTipoDialogo kind, const QStringList& captions,
                                      TBotonesDialogo buttons,
                                      TBotonesDialogo defaultButton = {}) override;
    void ShowInformation(const QString& text) override;
    void ShowError(const QString& text) override;
    QString ChooseFile(const QString& title, const QString& startFolder,
                       const QString& filter) override;
    QString ChooseFolder(const QString& title, const QString& startFolder) override;
    QList<int> ChooseItems(const QString& title, const QString& message,
                           const QStringList& items) override;
};
