#pragma once

#include "app/UDialogos.h"

#include <deque>
#include <vector>

// One dialog the window showed.
struct TDialogoMostrado {
    enum class TClase { Mensaje, Informacion, Error, Archivo, Carpeta };
    TClase clase;
    QString text; // message, notice text, or the chooser's title
    QString title;
    TTipoDialogo kind = TTipoDialogo::Informacion;
    QStringList captions;
    TBotonesDialogo buttons;
    TBotonesDialogo defaultButton; // none: the platform's choice
};

// Dialogs that answer from a script instead of a person, and remember what was shown.
// A message dialog without a scripted answer fails the test and counts as dismissed.
class TDialogosGuion : public TDialogos {
  public:
    // The answer to the next message dialog; Cancelar also stands for Esc and the close box.
    void Answer(TBotonDialogo button) { answers_.push_back(button); }
    // The answer to the next file or folder chooser; empty for cancel.
    void AnswerPath(const QString& path) { paths_.push_back(path); }
    int PendingAnswers() const { return int(answers_.size() + paths_.size()); }

    const std::vector<TDialogoMostrado>& Shown() const { return shown_; }
    // Texts of the dialogs shown of one kind of dialog, in order.
    QStringList Texts(TDialogoMostrado::TClase clase) const;

    TBotonDialogo ShowCaptionedDialog(const QString& message, const QString& title,
                                      TTipoDialogo kind, const QStringList& captions,
                                      TBotonesDialogo buttons,
                                      TBotonesDialogo defaultButton = {}) override;
    void ShowInformation(const QString& text) override;
    void ShowError(const QString& text) override;
    QString ChooseFile(const QString& title, const QString& startFolder,
                       const QString& filter) override;
    QString ChooseFolder(const QString& title, const QString& startFolder) override;

  private:
    QString NextPath(const QString& title);

    std::deque<TBotonDialogo> answers_;
    std::deque<QString> paths_;
    std::vector<TDialogoMostrado> shown_;
};
