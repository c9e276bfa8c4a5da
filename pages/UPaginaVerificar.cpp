#include "pages/UPaginaVerificar.h"

#include "rules/UVerificacion.h"
#include "widgets/UBarraSeguirEditando.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBlock>
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
    : QWidget(parent), verificarContadorLabel_(new QLabel), verificarRichEdit_(new QTextEdit),
      barra_(new TBarraSeguirEditando(QStringLiteral("Button2"), QStringLiteral("Image2"))) {
    setObjectName(QStringLiteral("verificarTab"));
    verificarRichEdit_->setObjectName(QStringLiteral("verificarRichEdit"));
    verificarRichEdit_->setReadOnly(true);
    verificarRichEdit_->setAcceptRichText(false);
    verificarRichEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* resultados = new QGroupBox(QStringLiteral("Resultados de la verificación"));
    resultados->setObjectName(QStringLiteral("verificarGroupBox"));
    auto* resultadosLayout = new QVBoxLayout(resultados);
    verificarContadorLabel_->setObjectName(QStringLiteral("verificarContadorLabel"));
    verificarContadorLabel_->hide();
    resultadosLayout->addWidget(verificarContadorLabel_);
    resultadosLayout->addWidget(verificarRichEdit_);
    verificarRichEdit_->setToolTip(
        QStringLiteral("Haga doble click en una observación para ir al campo correspondiente"));
    verificarRichEdit_->installEventFilter(this);
    verificarRichEdit_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(resultados, 1);
    layout->addWidget(barra_, 0, Qt::AlignRight);
}

void TPaginaVerificar::Clear() {
    verificarRichEdit_->clear();
    hallazgos_ = THallazgos();
    lineas_.clear();
    verificarContadorLabel_->hide();
}

void TPaginaVerificar::AddHallazgos(const THallazgos& hallazgos) {
    for (int i = 0; i < hallazgos.Count(); ++i) {
        const THallazgo& hallazgo = hallazgos.At(i);
        const QTextDocument* box = verificarRichEdit_->document();
        const int first = box->isEmpty() ? 0 : box->blockCount();
        hallazgos_.Add(hallazgo.mensaje, hallazgo.destino);
        AppendLines(verificarRichEdit_, hallazgo.mensaje, QTextCharFormat());
        lineas_.emplace_back(first, box->blockCount() - first);
    }
    const int count = hallazgos_.Count();
    verificarContadorLabel_->setText(count == 1 ? QStringLiteral("1 observación")
                                                : QStringLiteral("%1 observaciones").arg(count));
    verificarContadorLabel_->setVisible(count > 0);
}

const THallazgo* TPaginaVerificar::HallazgoEnLinea(int block) const {
    for (size_t i = 0; i < lineas_.size(); ++i) {
        if (block >= lineas_[i].first && block < lineas_[i].first + lineas_[i].second)
            return &hallazgos_.At(int(i));
    }
    return nullptr;
}

bool TPaginaVerificar::eventFilter(QObject* watched, QEvent* event) {
    int block = -1;
    if (watched == verificarRichEdit_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        block = verificarRichEdit_->cursorForPosition(at).blockNumber();
    } else if (watched == verificarRichEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            block = verificarRichEdit_->textCursor().blockNumber();
    }
    if (block >= 0) {
        if (const THallazgo* hallazgo = HallazgoEnLinea(block)) {
            emit irA(hallazgo->destino);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TPaginaVerificar::ShowOutcome(bool verified) {
    QTextCharFormat colour;
    colour.setForeground(verified ? kVerde : kRojo);
    QTextCursor all(verificarRichEdit_->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(colour);
    if (verified) {
        for (const QString& line : TVerificacion::MensajesExito())
            AppendLines(verificarRichEdit_, line, colour);
    }
    QTextCursor start(verificarRichEdit_->document());
    start.movePosition(QTextCursor::Start);
    verificarRichEdit_->setTextCursor(start);
}
