#include "app/UImportarProyecto.h"

#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"
#include "form/UImportacion.h"
#include "pages/UPaginaGrupos.h"
#include "pages/UPaginaInstitucion.h"
#include "widgets/UDialogos.h"

#include <QDir>

#include <memory>
#include <utility>
#include <vector>

TImportarProyecto::TImportarProyecto(TPaginaGrupos* grupos, TPaginaInstitucion* beneficiaria,
                                     TPaginaInstitucion* dependencia, TPaginaInstitucion* ejecutora,
                                     QObject* parent)
    : QObject(parent), grupos_(grupos), beneficiaria_(beneficiaria), dependencia_(dependencia),
      ejecutora_(ejecutora) {}

void TImportarProyecto::Importar() {
    const QString path = Dialogos().ChooseFile(
        QStringLiteral("Importar de otro proyecto"), WorkingFolder(),
        QStringLiteral("Proyectos y paquetes (*.xml *.zip);;Todos los archivos (*)"));
    if (path.isEmpty())
        return;
    // A file that is refused changes nothing.
    std::unique_ptr<TImportacion> importacion;
    if (!RunShowingErrors([&] { importacion = TImportacion::Abrir(path); }))
        return;

    const std::vector<TImportacion::TPersona> personas = importacion->Personas();
    const std::vector<TImportacion::TInstitucion> instituciones = importacion->Instituciones();
    QStringList items;
    for (const TImportacion::TPersona& persona : personas) {
        items.append(QStringLiteral("%1, %2 - CUIL %3 - %4 - %5")
                         .arg(persona.apellido, persona.nombre, persona.cuil, persona.rol,
                              persona.grupo == TGrupo::GrupoResponsable()
                                  ? QStringLiteral("Grupo Responsable")
                                  : QStringLiteral("Grupo Colaborador")));
    }
    for (const TImportacion::TInstitucion& institucion : instituciones)
        items.append(institucion.nombre);
    if (items.isEmpty()) {
        Dialogos().ShowInformation(
            QStringLiteral("El proyecto \"%1\" no tiene personas ni instituciones para importar.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    const QList<int> chosen = Dialogos().ChooseItems(
        QStringLiteral("Importar de otro proyecto"),
        QStringLiteral("Marque las personas y las instituciones que desea copiar al proyecto:"),
        items);
    if (chosen.isEmpty())
        return;

    QStringList informe;
    std::vector<TImportacion::TPersona> elegidas;
    for (const int index : chosen) {
        if (index < int(personas.size()))
            elegidas.push_back(personas[size_t(index)]);
    }
    int importadas = 0;
    if (!elegidas.empty()) {
        const bool stored = RunShowingErrors([&] {
            const TImportacion::TResultado resultado =
                importacion->ImportarPersonas(elegidas, TArchivoProyecto::Nombre());
            importadas = resultado.importadas;
            informe += resultado.informe;
        });
        if (!stored)
            return;
        if (importadas > 0) {
            // The lists show the file, as after the group editor's writes.
            TXMLProject project(TArchivoProyecto::Nombre());
            grupos_->RecargarGrupos(project);
            project.Discard();
            emit personasGuardadas();
        }
    }
    // Institutions go into their pages, to be stored like typed values; one that already holds
    // data is replaced only when the user says so.
    const std::pair<QString, TPaginaInstitucion*> paginas[] = {
        {QStringLiteral("beneficiaria"), beneficiaria_},
        {QStringLiteral("dependencia"), dependencia_},
        {QStringLiteral("ejecutora"), ejecutora_},
    };
    QStringList copiadas;
    for (const int index : chosen) {
        if (index < int(personas.size()))
            continue;
        const TImportacion::TInstitucion& institucion =
            instituciones[size_t(index) - personas.size()];
        for (const auto& [raiz, pagina] : paginas) {
            if (raiz != institucion.raiz)
                continue;
            if (pagina->TieneDatos() &&
                Dialogos().ShowCaptionedDialog(
                    QStringLiteral("La sección %1 ya tiene datos. ¿Desea reemplazarlos con los "
                                   "del proyecto importado?")
                        .arg(institucion.nombre),
                    QStringLiteral("Confirmación"), TTipoDialogo::Confirmacion,
                    {QStringLiteral("&Si"), QStringLiteral("&No")},
                    TBotonDialogo::Si | TBotonDialogo::No, TBotonDialogo::No) != TBotonDialogo::Si)
                break;
            informe += importacion->DepurarInstitucion(institucion);
            pagina->LoadInstitucion(importacion->Origen());
            copiadas.append(institucion.nombre);
            emit institucionCopiada();
        }
    }
    QString resumen = QStringLiteral("Se importaron %1 de %2 personas elegidas.")
                          .arg(importadas)
                          .arg(elegidas.size());
    if (!copiadas.isEmpty())
        resumen += QStringLiteral("\nInstituciones copiadas: %1 (se guardan con \"Guardar\").")
                       .arg(copiadas.join(QStringLiteral(", ")));
    if (!informe.isEmpty())
        resumen += QStringLiteral("\n\n") + informe.join(QLatin1Char('\n'));
    Dialogos().ShowInformation(resumen);
}
