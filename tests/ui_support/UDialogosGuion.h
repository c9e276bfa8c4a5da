#pragma once

#include "widgets/UDialogos.h"

#include <deque>
#include <vector>

// One dialog the window showed.
struct TDialogoMostrado {
    enum class TClase { Mensaje, Informacion, Error, Archivo, Carpeta, Lista };
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
    // The items checked in the next list to choose from; none for cancel.
    void AnswerItems(const QList<int>& items) { items_.push_back(items); }
    int PendingAnswers() const { return int(answers_.size() + paths_.size() + items_.size()); }

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
    QList<int> ChooseItems(const QString& title, const QString& message,
                           const QStringList& items) override;
    // The items offered by the last list to choose from.
    const QStringList& OfferedItems() const { return offered_; }

  private:
    QString NextPath(const QString& title);

    std::deque<TBotonDialogo> answers_;
    std::deque<QString> paths_;
    std::deque<QList<int>> items_;
    QStringList offered_;
    std::vector<TDialogoMostrado> shown_;
};
