#include "pages/UPaginaFormulario.h"

#include "document/UXMLProject.h"
#include "widgets/UEditLimitado.h"
#include "widgets/UGrupoAyuda.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const QString kSectionBreak = QStringLiteral("project/document/body/section-break/");
constexpr int kAnchoMinimo = 120;

} // namespace

TPaginaFormulario::TPaginaFormulario(const QString& name, QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this)) {
    setObjectName(name);
    // Single-line fields stay at the top; multi-line fields, with a stretch of their own, take
    // the height before this end does.
    layout_->addStretch(0);
}

TEditLimitado* TPaginaFormulario::NewEdit(const QString& name) {
    return new TEditLimitado(name);
}

QPlainTextEdit* TPaginaFormulario::NewMemo(const QString& name) {
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

TGrupoAyuda* TPaginaFormulario::AddGrupo(const QString& name, const QString& caption,
                                         const QString& keyword, QWidget* control) {
    auto* box = new TGrupoAyuda(name, caption, keyword);
    // A long caption is cut rather than holding the page wider than the window leaves it.
    box->setMinimumWidth(kAnchoMinimo);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(control);
    const bool memo = qobject_cast<QPlainTextEdit*>(control) != nullptr;
    layout_->insertWidget(layout_->count() - 1, box, memo ? 1 : 0);
    return box;
}

void TPaginaFormulario::AddTexto(const QString& path, QLineEdit* edit) {
    textos_.push_back({path, edit, nullptr});
}

void TPaginaFormulario::AddTexto(const QString& path, QPlainTextEdit* memo) {
    textos_.push_back({path, nullptr, memo});
}

void TPaginaFormulario::SaveTexts(TXMLProject& project) const {
    for (const TCampoTexto& campo : textos_) {
        project.SetCData(kSectionBreak + campo.path,
                         campo.edit != nullptr ? campo.edit->text() : campo.memo->toPlainText());
    }
}

void TPaginaFormulario::LoadTexts(TXMLProject& project) {
    for (const TCampoTexto& campo : textos_) {
        QString text = project.GetText(kSectionBreak + campo.path, QString());
        if (campo.edit != nullptr) {
            campo.edit->setText(text);
        } else {
            // The memo separates lines with a line feed, whatever the file holds.
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            campo.memo->setPlainText(text);
        }
    }
}
