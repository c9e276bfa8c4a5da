#include "pages/UPaginaVerificar.h"

#include "app/UBarraSeguirEditando.h"

#include <QGroupBox>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QColor kVerde(0, 128, 0);
const QColor kRojo(255, 0, 0);

// Writes the text as lines after what the box holds, in the format given.
void AppendLines(QTextEdit* box, const QString& text, const QTextCharFormat& format) {
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    if (!box->document()->isEmpty())
        cursor.insertBlock();
    // insertText turns each "\n" into a new line of the box.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    cursor.insertText(lines, format);
}

} // namespace

TPaginaVerificar::TPaginaVerificar(QWidget* parent)
    : QWidget(parent), verificarRichEdit_(new QTextEdit),
      barra_(new TBarraSeguirEditando(QStringLiteral("Button2"), QStringLiteral("Image2"))) {
    setObjectName(QStringLiteral("verificarTab"));
    verificarRichEdit_->setObjectName(QStringLiteral("verificarRichEdit"));
    verificarRichEdit_->setReadOnly(true);
    verificarRichEdit_->setAcceptRichText(false);
    verificarRichEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* resultados = new QGroupBox(QStringLiteral("Resultados de la verificación"));
    resultados->setObjectName(QStringLiteral("verificarGroupBox"));
    auto* resultadosLayout = new QVBoxLayout(resultados);
    resultadosLayout->addWidget(verificarRichEdit_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(resultados, 1);
    layout->addWidget(barra_, 0, Qt::AlignRight);
}

void TPaginaVerificar::Clear() {
    verificarRichEdit_->clear();
}

void TPaginaVerificar::AddMessages(const QStringList& messages) {
    for (const QString& message : messages)
        AppendLines(verificarRichEdit_, message, QTextCharFormat());
}

void TPaginaVerificar::ShowOutcome(bool verified) {
    QTextCharFormat colour;
    colour.setForeground(verified ? kVerde : kRojo);
    QTextCursor all(verificarRichEdit_->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(colour);
    if (verified) {
        AppendLines(verificarRichEdit_,
                    QStringLiteral("El proyecto ha sido verificado exitosamente!"), colour);
        AppendLines(verificarRichEdit_,
                    QStringLiteral("Ahora puede imprimir la carátula y enviar el proyecto."),
                    colour);
    }
    QTextCursor start(verificarRichEdit_->document());
    start.movePosition(QTextCursor::Start);
    verificarRichEdit_->setTextCursor(start);
}
