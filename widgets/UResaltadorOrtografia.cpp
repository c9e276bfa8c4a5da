#include "widgets/UResaltadorOrtografia.h"

#include "ortografia/UOrtografia.h"
#include "ortografia/URevisorOrtografia.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

TResaltadorOrtografia::TResaltadorOrtografia(QPlainTextEdit* memo, TOrtografia* ortografia,
                                             TIdioma idioma, bool activo)
    : QSyntaxHighlighter(memo->document()), memo_(memo), ortografia_(ortografia), idioma_(idioma) {
    setObjectName(memo->objectName() + QStringLiteral("Ortografia"));
    // Qt would check a text already loaded by itself, later, as if the text had changed (the
    // window would take it for the user's edit); done here with nothing to underline yet, it
    // is not done again.
    RevisarTodo();
    activo_ = activo;
    QTimer::singleShot(0, this, [this] {
        listo_ = true;
        if (activo_)
            RevisarTodo();
    });
}

void TResaltadorOrtografia::SetActivo(bool activo) {
    if (activo_ == activo)
        return;
    activo_ = activo;
    if (listo_)
        RevisarTodo();
}

void TResaltadorOrtografia::RevisarTodo() {
    // The document announces a whole check as a change of its content; the text's widget must
    // not hear it.
    const QSignalBlocker silencio(document());
    rehighlight();
}

TRevisorOrtografia* TResaltadorOrtografia::Revisor() {
    return activo_ ? ortografia_->Revisor(idioma_) : nullptr;
}

QTextCharFormat TResaltadorOrtografia::FormatoError() {
    QTextCharFormat formato;
    formato.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    formato.setUnderlineColor(Qt::red);
    return formato;
}

void TResaltadorOrtografia::highlightBlock(const QString& text) {
    // A paragraph without letters does not load a dictionary.
    if (!activo_ || !listo_ ||
        std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
        return;
    TRevisorOrtografia* revisor = Revisor();
    if (revisor == nullptr)
        return;
    static const QTextCharFormat kFormato = FormatoError();
    for (const TPalabraTexto& palabra : revisor->Errores(text))
        setFormat(int(palabra.inicio), int(palabra.largo), kFormato);
}
