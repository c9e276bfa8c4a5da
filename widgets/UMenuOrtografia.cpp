#include "widgets/UMenuOrtografia.h"

#include "ortografia/URevisorOrtografia.h"
#include "widgets/UDialogos.h"
#include "widgets/UResaltadorOrtografia.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>

namespace {

// The word that a point of the text touches, with its place in the document.
struct TPalabraMenu {
    QString texto;
    int inicio = -1;
    int fin = -1;
};

TPalabraMenu PalabraEn(const QTextCursor& cursor) {
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    const qsizetype enBloque = cursor.positionInBlock();
    for (const TPalabraTexto& palabra : PalabrasTexto(text)) {
        if (palabra.inicio <= enBloque && enBloque <= palabra.inicio + palabra.largo) {
            const int inicio = block.position() + int(palabra.inicio);
            return {text.mid(palabra.inicio, palabra.largo), inicio, inicio + int(palabra.largo)};
        }
    }
    return {};
}

} // namespace

TMenuOrtografia::TMenuOrtografia(TResaltadorOrtografia* resaltador)
    : QObject(resaltador), resaltador_(resaltador) {
    setObjectName(resaltador->Memo()->objectName() + QStringLiteral("MenuOrtografia"));
    // The mouse asks the viewport for the menu; the menu key asks the text itself.
    resaltador->Memo()->viewport()->installEventFilter(this);
    resaltador->Memo()->installEventFilter(this);
}

bool TMenuOrtografia::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    const auto* pedido = static_cast<QContextMenuEvent*>(event);
    QPlainTextEdit* memo = resaltador_->Memo();
    // From the keyboard, the word at the cursor.
    const QPoint posicion = watched == memo ? memo->cursorRect().center() : pedido->pos();
    QPointer<QMenu> menu = Crear(posicion);
    menu->exec(pedido->globalPos());
    delete menu;
    return true;
}

QMenu* TMenuOrtografia::Crear(const QPoint& posicion) {
    QPlainTextEdit* memo = resaltador_->Memo();
    QMenu* menu = memo->createStandardContextMenu(posicion);
    menu->setObjectName(QStringLiteral("MenuOrtografia"));
    TRevisorOrtografia* revisor = resaltador_->Revisor();
    if (revisor == nullptr || memo->isReadOnly())
        return menu;
    const TPalabraMenu palabra = PalabraEn(memo->cursorForPosition(posicion));
    if (palabra.texto.isEmpty() || revisor->Correcta(palabra.texto))
        return menu;

    QAction* primera = menu->actions().value(0);
    const auto agregar = [menu, primera](const QString& caption, const QString& name) {
        auto* action = new QAction(caption, menu);
        action->setObjectName(name);
        menu->insertAction(primera, action);
        return action;
    };
    const QStringList sugerencias = revisor->Sugerencias(palabra.texto, kMaximoSugerencias);
    if (sugerencias.isEmpty())
        agregar(QStringLiteral("(Sin sugerencias)"), QStringLiteral("SinSugerenciasMenuItem"))
            ->setEnabled(false);
    for (qsizetype i = 0; i < sugerencias.size(); ++i) {
        QAction* action =
            agregar(sugerencias[i], QStringLiteral("SugerenciaMenuItem%1").arg(i + 1));
        // The choice replaces the word as typing it would: one step to undo, and an edit of
        // the project.
        connect(action, &QAction::triggered, memo, [memo, palabra, sugerencia = sugerencias[i]] {
            QTextCursor cursor = memo->textCursor();
            cursor.setPosition(palabra.inicio);
            cursor.setPosition(palabra.fin, QTextCursor::KeepAnchor);
            memo->setTextCursor(cursor);
            memo->insertPlainText(sugerencia);
        });
    }
    const TIdioma idioma = resaltador_->Idioma();
    connect(agregar(QStringLiteral("Agregar al diccionario"),
                    QStringLiteral("AgregarDiccionarioMenuItem")),
            &QAction::triggered, this, [this, revisor, idioma, texto = palabra.texto] {
                QString error;
                if (!revisor->Agregar(texto, &error))
                    Dialogos().ShowError(
                        QStringLiteral("No se pudo guardar la palabra en el diccionario "
                                       "personal; vale solo hasta que se cierre el programa.\n%1")
                            .arg(error));
                emit palabraConocida(idioma);
            });
    connect(agregar(QStringLiteral("Ignorar"), QStringLiteral("IgnorarMenuItem")),
            &QAction::triggered, this, [this, revisor, idioma, texto = palabra.texto] {
                revisor->Ignorar(texto);
                emit palabraConocida(idioma);
            });
    menu->insertSeparator(primera);
    return menu;
}
