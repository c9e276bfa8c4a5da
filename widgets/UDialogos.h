#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Kind of a message dialog: decides its icon and its standard title.
enum class TTipoDialogo { Advertencia, Error, Informacion, Confirmacion };

// The buttons a message dialog may carry. The values follow the order in which the buttons
// are laid out and receive their captions: yes, no, OK, cancel.
enum class TBotonDialogo : unsigned { Si = 0x1, No = 0x2, Aceptar = 0x4, Cancelar = 0x8 };
Q_DECLARE_FLAGS(TBotonesDialogo, TBotonDialogo)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBotonesDialogo)

// The buttons of the set, in their layout order.
QList<TBotonDialogo> BotonesEnOrden(TBotonesDialogo buttons);

// Every modal dialog of the program goes through here, so that the windows can be driven
// without a person in front of them.
class TDialogos {
  public:
    virtual ~TDialogos() = default;

    // A message dialog whose buttons (laid out yes, no, OK, cancel) take the captions in
    // that order; buttons beyond the captions keep their standard caption, captions beyond
    // the buttons are ignored. An empty title keeps the kind's standard title. Returns the
    // pressed button; closing the dialog or Esc count as cancel. The default button is the one
    // Enter presses; none given keeps the platform's choice.
    virtual TBotonDialogo ShowCaptionedDialog(const QString& message, const QString& title,
                                              TTipoDialogo kind, const QStringList& captions,
                                              TBotonesDialogo buttons,
                                              TBotonesDialogo defaultButton = {}) = 0;
    // Plain notices with one OK button.
    virtual void ShowInformation(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;
    // An existing file, chosen in a file-open dialog; empty when cancelled. The filter is
    // written as Qt's file dialogs take it ("Todos los archivos (*)").
    virtual QString ChooseFile(const QString& title, const QString& startFolder,
                               const QString& filter) = 0;
    // A folder of the file system; empty when cancelled.
    virtual QString ChooseFolder(const QString& title, const QString& startFolder) = 0;
    // A list of items with a check box each, all unchecked, under the message; the positions
    // of the items checked when the user accepted, none when cancelled.
    virtual QList<int> ChooseItems(const QString& title, const QString& message,
                                   const QStringList& items) = 0;
};

// The dialogs in force: the standard ones unless replaced.
TDialogos& Dialogos();
// Replaces the dialogs in force; nullptr goes back to the standard ones.
void SetDialogos(std::unique_ptr<TDialogos> dialogos);

// Runs the action; an error it raises is shown with its own text. Returns whether the action
// ended without error. For commands that have no fixed text of their own for a failure.
bool RunShowingErrors(const std::function<void()>& action);
