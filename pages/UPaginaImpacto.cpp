#include "pages/UPaginaImpacto.h"

#include "config/UConfiguracion.h"
#include "widgets/UGrupoAyuda.h"

#include <QPlainTextEdit>

TPaginaImpacto::TPaginaImpacto(QWidget* parent)
    : TPaginaFormulario(QStringLiteral("impactoDelProyectoTab"), parent) {
    QPlainTextEdit* subareaMemo = NewMemo(QStringLiteral("subareaMemo"));
    QPlainTextEdit* impactoSectorMemo = NewMemo(QStringLiteral("impactoSectorMemo"));
    QPlainTextEdit* impactoInstitucionMemo = NewMemo(QStringLiteral("impactoInstitucionMemo"));
    QPlainTextEdit* impactoCampoMemo = NewMemo(QStringLiteral("impactoCampoMemo"));

    // Until a call is chosen the captions are placeholders and there is no help.
    subareaGroupBox_ = AddGrupo(QStringLiteral("subareaGroupBox"), QStringLiteral("#subarea"),
                                QString(), subareaMemo);
    impactoSectorGroupBox_ =
        AddGrupo(QStringLiteral("impactoSectorGroupBox"), QStringLiteral("#impactoSector"),
                 QString(), impactoSectorMemo);
    impactoInstitucionGroupBox_ =
        AddGrupo(QStringLiteral("impactoInstitucionGroupBox"),
                 QStringLiteral("#impactoInstitucion"), QString(), impactoInstitucionMemo);
    impactoCampoGroupBox_ =
        AddGrupo(QStringLiteral("impactoCampoGroupBox"),
                 QStringLiteral("Impacto sobre las áreas disciplinares o campos de aplicación"),
                 QString(), impactoCampoMemo);

    // The file has the sector first.
    AddTexto(QStringLiteral("impactoDelProyecto/impactoSector/"), impactoSectorMemo);
    AddTexto(QStringLiteral("impactoDelProyecto/impactoSubarea/"), subareaMemo);
    AddTexto(QStringLiteral("impactoDelProyecto/impactoInstitucion/"), impactoInstitucionMemo);
    AddTexto(QStringLiteral("impactoDelProyecto/impactoCampo/"), impactoCampoMemo);
}

void TPaginaImpacto::ApplyConvocatoria(const TConfiguracion& configuracion,
                                       const QString& caption) {
    const auto visible = [&](const char* item) {
        return configuracion.IsVisible(caption, QString::fromLatin1(item));
    };
    const auto label = [&](const char* item) {
        return configuracion.GetLabel(caption, QString::fromLatin1(item));
    };
    const auto help = [&](const char* item) {
        return configuracion.GetHelp(caption, QString::fromLatin1(item));
    };
    subareaGroupBox_->setVisible(visible("subarea"));
    impactoCampoGroupBox_->setVisible(visible("impactoCampo"));

    subareaGroupBox_->SetCaption(label("subarea"));
    impactoSectorGroupBox_->SetCaption(label("impactoSector"));
    impactoInstitucionGroupBox_->SetCaption(label("impactoInstitucion"));

    subareaGroupBox_->SetHelpKeyword(help("subarea"));
    impactoSectorGroupBox_->SetHelpKeyword(help("impactoSector"));
    impactoInstitucionGroupBox_->SetHelpKeyword(help("impactoInstitucion"));
    impactoCampoGroupBox_->SetHelpKeyword(help("impactoCampo"));
}
