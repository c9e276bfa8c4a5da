#include "widgets/UDialogosEstandar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <map>

namespace {

// A message box that tells whether it was dismissed (Esc, close box) rather than answered:
// dismissing counts as cancel whatever buttons it has.
class TCuadroMensaje : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    bool Dismissed() const { return dismissed_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel))
            dismissed_ = true;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        dismissed_ = true;
        QMessageBox::closeEvent(event);
    }

  private:
    bool dismissed_ = false;
};

QMessageBox::Icon IconFor(TTipoDialogo kind) {
    switch (kind) {
    case TTipoDialogo::Advertencia:
        return QMessageBox::Warning;
    case TTipoDialogo::Error:
        return QMessageBox::Critical;
    case TTipoDialogo::Informacion:
        return QMessageBox::Information;
    case TTipoDialogo::Confirmacion:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString StandardTitle(TTipoDialogo kind) {
    switch (kind) {
    case TTipoDialogo::Advertencia:
        return QStringLiteral("Advertencia");
    case TTipoDialogo::Error:
        return QStringLiteral("Error");
    case TTipoDialogo::Informacion:
        return QStringLiteral("Información");
    case TTipoDialogo::Confirmacion:
        return QStringLiteral("Confirmación");
    }
    return QString();
}

QMessageBox::StandardButton StandardButtonFor(TBotonDialogo button) {
    switch (button) {
    case TBotonDialogo::Si:
        return QMessageBox::Yes;
    case TBotonDialogo::No:
        return QMessageBox::No;
    case TBotonDialogo::Aceptar:
        return QMessageBox::Ok;
    case TBotonDialogo::Cancelar:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

} // namespace

TBotonDialogo TDialogosEstandar::ShowCaptionedDialog(const QString& message, const QString& title,
                                                     TTipoDialogo kind, const QStringList& captions,
                                                     TBotonesDialogo buttons,
                                                     TBotonesDialogo defaultButton) {
    TCuadroMensaje box(QApplication::activeWindow());
    box.setIcon(IconFor(kind));
    box.setWindowTitle(title.isEmpty() ? StandardTitle(kind) : title);
    box.setText(message);

    std::map<QAbstractButton*, TBotonDialogo> results;
    QPushButton* last = nullptr;
    const QList<TBotonDialogo> ordered = BotonesEnOrden(buttons);
    for (qsizetype i = 0; i < ordered.size(); ++i) {
        last = box.addButton(StandardButtonFor(ordered.at(i)));
        if (i < captions.size())
            last->setText(captions.at(i));
        results[last] = ordered.at(i);
        if (defaultButton.testFlag(ordered.at(i)))
            box.setDefaultButton(last);
    }
    // Esc and the close box need a button to act on; which one does not matter, since
    // dismissing is reported as cancel.
    if (last != nullptr)
        box.setEscapeButton(last);

    box.exec();
    const auto pressed = results.find(box.clickedButton());
    if (box.Dismissed() || pressed == results.end())
        return TBotonDialogo::Cancelar;
    return pressed->second;
}

void TDialogosEstandar::ShowInformation(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), StandardTitle(TTipoDialogo::Informacion),
                             text);
}

void TDialogosEstandar::ShowError(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), StandardTitle(TTipoDialogo::Error), text);
}

QString TDialogosEstandar::ChooseFile(const QString& title, const QString& startFolder,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startFolder, filter);
}

QString TDialogosEstandar::ChooseFolder(const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder);
}

QList<int> TDialogosEstandar::ChooseItems(const QString& title, const QString& message,
                                          const QStringList& items) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("elegirDialog"));
    dialog.setWindowTitle(title);
    auto* label = new QLabel(message);
    label->setWordWrap(true);
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("elegirList"));
    list->setAccessibleName(message);
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Importar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    dialog.resize(560, 420);
    QList<int> checked;
    if (dialog.exec() != QDialog::Accepted)
        return checked;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            checked.append(i);
    }
    return checked;
}
